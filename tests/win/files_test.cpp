// Win32Files on real files, run as an unprivileged user so read-only behaves as on Windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "app/ports/win32_files.h"
#include "tests/support/scratch_files.h"

namespace {

using roomname::File;

enum class Mode { Read, Update };

std::unique_ptr<File> Open(app::Win32Files& files, Mode mode, const std::string& path) {
    return mode == Mode::Read ? files.OpenRead(path) : files.OpenUpdate(path);
}

std::string ReadAll(File& file) {
    std::string bytes;
    char buffer[7];  // small on purpose: several reads, and the end seen as 0 bytes
    size_t got = 0;
    while (file.Read(buffer, sizeof buffer, &got) && got > 0) bytes.append(buffer, got);
    return bytes;
}

class Win32FilesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.Valid()); }

    scratch::Dir dir_;
    app::Win32Files files_;
};

TEST_F(Win32FilesTest, OpenNeverCreatesAndRefusesWhatIsNotAnOpenableFile) {
    const std::string missing = dir_.Join("missing.txt");
    const std::string directory = dir_.Join("roomname.txt");
    const std::string held = dir_.Join("held.txt");
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    ASSERT_TRUE(scratch::WriteBytes(held, "held"));
    scratch::HeldOpen holder(held, GENERIC_READ, 0);  // shares nothing
    ASSERT_TRUE(holder.Valid());

    struct Case {
        const char* what;
        std::string path;
    };
    for (const Case& c : {Case{"missing file", missing}, Case{"directory", directory},
                          Case{"held with share mode 0", held}}) {
        for (Mode mode : {Mode::Read, Mode::Update}) {
            SCOPED_TRACE(std::string(c.what) + (mode == Mode::Read ? ", read" : ", update"));
            EXPECT_EQ(Open(files_, mode, c.path), nullptr);
        }
    }
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES) << "a file was made";
    EXPECT_NE(GetFileAttributesA(directory.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(Win32FilesTest, UpdateStartsAtByteZeroWithoutTruncatingAndSetEndCuts) {
    const std::string path = dir_.Join("roomname.txt");
    ASSERT_TRUE(scratch::WriteBytes(path, "ABCDEFGHIJ"));
    {
        std::unique_ptr<File> file = files_.OpenUpdate(path);
        ASSERT_NE(file, nullptr);
        uint64_t size = 0;
        ASSERT_TRUE(file->Size(&size));
        EXPECT_EQ(size, 10u) << "opening must not truncate";
        ASSERT_TRUE(file->Write("xy", 2));  // at byte 0
        ASSERT_TRUE(file->Seek(6));
        ASSERT_TRUE(file->Write("z", 1));
        ASSERT_TRUE(file->Seek(0));
        EXPECT_EQ(ReadAll(*file), "xyCDEFzHIJ");
        ASSERT_TRUE(file->Seek(4));
        ASSERT_TRUE(file->SetEnd());
        ASSERT_TRUE(file->Size(&size));
        EXPECT_EQ(size, 4u);
    }
    EXPECT_EQ(scratch::ReadBytes(path), "xyCD");
}

TEST_F(Win32FilesTest, ReadStartsAtByteZeroAndReadsAGbkPath) {
    const std::string folder = dir_.Join("穿越火线");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\房名.txt";
    ASSERT_TRUE(scratch::WriteBytes(path, "1\r\n测试\r\n"));
    std::unique_ptr<File> file = files_.OpenRead(path);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(ReadAll(*file), "1\r\n测试\r\n");
    EXPECT_FALSE(file->Write("x", 1)) << "a read handle must not write";
}

TEST_F(Win32FilesTest, ReadOnlyRefusesUpdateButReadsUntilCleared) {
    const std::string path = dir_.Join("roomname.txt");
    ASSERT_TRUE(scratch::WriteBytes(path, "1\r\nAB\r\n"));
    // Wine adds ARCHIVE where Windows may not: a probe given the same call says what to expect.
    const DWORD expected = scratch::ReadOnlyAttributesAsStored();
    ASSERT_NE(expected, INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(files_.SetAttributes(path, roomname::kAttrReadOnly));
    uint32_t attributes = 0;
    ASSERT_TRUE(files_.GetAttributes(path, &attributes));
    EXPECT_EQ(attributes, expected);
    EXPECT_EQ(files_.OpenUpdate(path), nullptr);
    {
        std::unique_ptr<File> file = files_.OpenRead(path);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(ReadAll(*file), "1\r\nAB\r\n");
    }

    ASSERT_TRUE(files_.SetAttributes(path, FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(files_.GetAttributes(path, &attributes));
    EXPECT_EQ(attributes & roomname::kAttrReadOnly, 0u);
    EXPECT_NE(files_.OpenUpdate(path), nullptr);

    EXPECT_FALSE(files_.GetAttributes(dir_.Join("missing.txt"), &attributes));
    EXPECT_FALSE(files_.SetAttributes(dir_.Join("missing.txt"), roomname::kAttrReadOnly));
}

TEST_F(Win32FilesTest, OpenHandleSharesReadAndWriteButNotDelete) {
    const std::string path = dir_.Join("roomname.txt");
    ASSERT_TRUE(scratch::WriteBytes(path, "1\r\nAB\r\n"));
    for (Mode mode : {Mode::Read, Mode::Update}) {
        SCOPED_TRACE(mode == Mode::Read ? "read handle" : "update handle");
        {
            std::unique_ptr<File> file = Open(files_, mode, path);
            ASSERT_NE(file, nullptr);
            // Only our handle is open here, so only its sharing can refuse the delete.
            EXPECT_FALSE(DeleteFileA(path.c_str())) << "deletion was shared";
            scratch::HeldOpen other(path, GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE);
            EXPECT_TRUE(other.Valid()) << "error " << GetLastError();
        }
        EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    EXPECT_TRUE(DeleteFileA(path.c_str())) << "the handles were not closed";
}

}  // namespace
