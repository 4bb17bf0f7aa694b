// Loads the last line of a 1 MiB and a 64 MiB room-name file through the reader and, in the same
// run, reads each file whole into memory; prints the median times, their ratio and the reader's
// peak heap. Goals: ratio <= 1.5, and the same peak for both sizes.
//   bench_reader [DIRECTORY]   (the files are written there and removed; default /tmp)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "heap_count.h"
#include "posix_file.h"
#include "roomname/room_name_reader.h"

namespace {

constexpr int kRuns = 9;
const char kLastName[] = "最后的房间名";

// Names as players write them: GBK, ASCII and both mixed.
const char* const kNames[] = {
    "测试",         "CF高手进",      "Morvane",          "一起来玩吧~",   "room 42",
    "爆破模式-新手勿进", "[战队]招人",  "no camping plz",  "团队竞技 100杀", "幽灵模式",
};

std::string Content(size_t size) {
    const std::string tail = std::string("1\r\n") + kLastName + "\r\n1\r\n" + kLastName + "\r\n";
    std::string content;
    content.reserve(size);
    for (size_t i = 0; content.size() + tail.size() < size; ++i) {
        content += kNames[i % (sizeof kNames / sizeof kNames[0])];
        content += "\r\n";
    }
    content.resize(size - tail.size(), 'x');
    return content + tail;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// The whole file into one buffer, as a reader without bounds would do.
size_t PlainRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    struct stat st;
    ::fstat(fd, &st);
    const size_t size = static_cast<size_t>(st.st_size);
    std::unique_ptr<char[]> buffer(new char[size]);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer.get() + done, size - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    return done;
}

double Millis(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Figures {
    double readerMs;
    double plainMs;
    size_t readerPeak;
};

bool Measure(const std::string& path, size_t size, Figures* figures) {
    if (!WriteFile(path, Content(size))) {
        std::fprintf(stderr, "bench_reader: cannot write %s\n", path.c_str());
        return false;
    }
    PlainRead(path);  // the file comes from the page cache in every run below

    std::vector<double> reader, plain;
    size_t peak = 0;
    for (int run = 0; run < kRuns; ++run) {
        const size_t before = bench::heap::Live();
        bench::heap::ResetPeak();
        auto start = std::chrono::steady_clock::now();
        std::optional<std::string> line;
        if (auto file = bench::OpenPosixFile(path)) line = roomname::ReadLastLine(*file);
        reader.push_back(Millis(std::chrono::steady_clock::now() - start));
        peak = std::max(peak, bench::heap::Peak() - before);
        if (line != std::string(kLastName)) {
            std::fprintf(stderr, "bench_reader: wrong last line from %s\n", path.c_str());
            return false;
        }

        start = std::chrono::steady_clock::now();
        const size_t got = PlainRead(path);
        plain.push_back(Millis(std::chrono::steady_clock::now() - start));
        if (got != size) return false;
    }
    *figures = {Median(reader), Median(plain), peak};
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "/tmp";
    const struct {
        const char* label;
        size_t size;
    } sizes[] = {{"1 MiB", size_t{1} << 20}, {"64 MiB", size_t{64} << 20}};

    std::printf("median of %d runs, files in the page cache, reader chunk %zu bytes\n", kRuns,
                roomname::kReadChunkSize);
    std::printf("%-8s %12s %12s %8s %18s\n", "file", "reader ms", "plain ms", "ratio",
                "reader peak heap");
    size_t peaks[2] = {};
    double largeRatio = 0;  // the goal is set on the large file, where reading dominates
    for (int i = 0; i < 2; ++i) {
        const std::string path =
            dir + "/bench_reader_" + std::to_string(::getpid()) + "_" + std::to_string(i) + ".txt";
        Figures f;
        const bool ok = Measure(path, sizes[i].size, &f);
        ::unlink(path.c_str());
        if (!ok) return 1;
        const double ratio = f.readerMs / f.plainMs;
        largeRatio = ratio;
        peaks[i] = f.readerPeak;
        std::printf("%-8s %12.3f %12.3f %8.2f %16zu B\n", sizes[i].label, f.readerMs, f.plainMs,
                    ratio, f.readerPeak);
    }
    std::printf("goal ratio <= 1.5 at 64 MiB: %s (%.2f); same peak for both sizes: %s\n",
                largeRatio <= 1.5 ? "met" : "NOT met", largeRatio,
                peaks[0] == peaks[1] ? "met" : "NOT met");
    return 0;
}
