#include "posix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {
namespace {

class PosixFile : public roomname::File {
  public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }

    bool Read(void* buf, size_t size, size_t* got) override {
        const ssize_t n = ::read(fd_, buf, size);
        *got = n > 0 ? static_cast<size_t>(n) : 0;
        return n >= 0;
    }
    bool Write(const void*, size_t) override { return false; }
    bool Seek(uint64_t offset) override {
        return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0;
    }
    bool Size(uint64_t* size) override {
        struct stat st;
        if (::fstat(fd_, &st) != 0) return false;
        *size = static_cast<uint64_t>(st.st_size);
        return true;
    }
    bool SetEnd() override { return false; }

  private:
    int fd_;
};

}  // namespace

std::unique_ptr<roomname::File> OpenPosixFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFile>(fd);
}

}  // namespace bench
