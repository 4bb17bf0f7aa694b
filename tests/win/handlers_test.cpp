// The real handlers, change room name and load current name, on real files through Win32Files,
// run as an unprivileged user so read-only behaves as on Windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ports/win32_files.h"
#include "roomname/tool.h"
#include "tests/support/scratch_files.h"

namespace {

using roomname::Box;

constexpr char kCaption[] = "Morvane提醒您";
// The 26-byte file of the lines 1, ABCDEFGH, 1, ABCDEFGH.
constexpr char kLongFile[] = "1\r\nABCDEFGH\r\n1\r\nABCDEFGH\r\n";

class BoxTexts : public roomname::Controls {
  public:
    std::string Read(Box box) override { return box == Box::GameDir ? gameDir : roomName; }
    void Write(Box box, const std::string& text) override {
        (box == Box::GameDir ? gameDir : roomName) = text;
    }
    std::string gameDir;
    std::string roomName;
};

struct Shown {
    std::string text;
    unsigned icon;
    std::string caption;  // "(default)" for the default caption
};

class ShownNotices : public roomname::Notices {
  public:
    void Show(const std::string& text, unsigned icon, const char* caption) override {
        shown.push_back({text, icon, caption ? caption : "(default)"});
    }
    std::vector<Shown> shown;
};

// The handlers under test touch neither the registry nor the picker.
class UnusedRegistry : public roomname::Registry {
  public:
    std::string ReadText(int, const std::string&, const std::string& fallback) override {
        ADD_FAILURE() << "registry read";
        return fallback;
    }
};

class UnusedShell : public roomname::Shell {
  public:
    std::optional<std::string> PickFolder(const std::string&) override {
        ADD_FAILURE() << "picker shown";
        return std::nullopt;
    }
    bool PathExists(const std::string&) override {
        ADD_FAILURE() << "existence test";
        return false;
    }
};

// A fault injected once into the files the handler opens for update.
struct Fault {
    enum class Kind { WriteStopsPartWay, SetEndFails } kind;
    size_t bytesBefore;  // for WriteStopsPartWay: bytes written before the write fails
};

// Passes everything to the real file, except that the fault strikes once; later calls, such as
// the ones that put the old bytes back, go through.
class FaultyFile : public roomname::File {
  public:
    FaultyFile(std::unique_ptr<roomname::File> real, Fault fault)
        : real_(std::move(real)), fault_(fault) {}

    bool Read(void* buf, size_t size, size_t* got) override { return real_->Read(buf, size, got); }
    bool Write(const void* buf, size_t size) override {
        if (!struck_ && fault_.kind == Fault::Kind::WriteStopsPartWay &&
            written_ + size > fault_.bytesBefore) {
            struck_ = true;
            const size_t part = fault_.bytesBefore - written_;
            if (part > 0) real_->Write(buf, part);
            return false;
        }
        written_ += size;
        return real_->Write(buf, size);
    }
    bool Seek(uint64_t offset) override { return real_->Seek(offset); }
    bool Size(uint64_t* size) override { return real_->Size(size); }
    bool SetEnd() override {
        if (!struck_ && fault_.kind == Fault::Kind::SetEndFails) {
            struck_ = true;
            return false;
        }
        return real_->SetEnd();
    }

  private:
    std::unique_ptr<roomname::File> real_;
    Fault fault_;
    size_t written_ = 0;
    bool struck_ = false;
};

class FaultyFiles : public roomname::Files {
  public:
    explicit FaultyFiles(Fault fault) : fault_(fault) {}
    std::unique_ptr<roomname::File> OpenRead(const std::string& path) override {
        return real_.OpenRead(path);
    }
    std::unique_ptr<roomname::File> OpenUpdate(const std::string& path) override {
        std::unique_ptr<roomname::File> file = real_.OpenUpdate(path);
        if (!file) return nullptr;
        return std::make_unique<FaultyFile>(std::move(file), fault_);
    }
    bool GetAttributes(const std::string& path, uint32_t* attributes) override {
        return real_.GetAttributes(path, attributes);
    }
    bool SetAttributes(const std::string& path, uint32_t attributes) override {
        return real_.SetAttributes(path, attributes);
    }

  private:
    app::Win32Files real_;
    Fault fault_;
};

class HandlersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.Valid());
        ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LANG=zh_CN.UTF-8)";
        gameDir_ = dir_.Join("CF");
        for (const char* sub : {"", "\\rez", "\\rez\\UI", "\\rez\\UI\\Scripts"}) {
            ASSERT_TRUE(CreateDirectoryA((gameDir_ + sub).c_str(), nullptr));
        }
        path_ = gameDir_ + "\\rez\\UI\\Scripts\\roomname.txt";
        readOnlyAsStored_ = scratch::ReadOnlyAttributesAsStored();
        ASSERT_NE(readOnlyAsStored_, INVALID_FILE_ATTRIBUTES);
        boxes_.gameDir = gameDir_;
    }

    std::vector<Shown> Change(const std::string& name, roomname::Files& files) {
        boxes_.roomName = name;
        ShownNotices notices;
        roomname::ChangeRoomName({boxes_, notices, files, registry_, shell_});
        return notices.shown;
    }
    std::vector<Shown> Change(const std::string& name) { return Change(name, files_); }

    void Load() {
        ShownNotices notices;
        roomname::LoadCurrentName({boxes_, notices, files_, registry_, shell_});
        EXPECT_TRUE(notices.shown.empty()) << "load current name shows no notice";
    }

    DWORD Attributes() const { return GetFileAttributesA(path_.c_str()); }

    static void ExpectOneNotice(const std::vector<Shown>& shown, const std::string& text,
                                unsigned icon) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, text);
        EXPECT_EQ(shown[0].icon, icon);
        EXPECT_EQ(shown[0].caption, kCaption);
    }

    scratch::Dir dir_;
    std::string gameDir_;
    std::string path_;
    DWORD readOnlyAsStored_ = 0;  // what this file system reads back for "read-only"
    BoxTexts boxes_;
    app::Win32Files files_;
    UnusedRegistry registry_;
    UnusedShell shell_;
};

TEST_F(HandlersTest, ChangeRewritesTheWholeFileAndMarksItReadOnly) {
    struct Case {
        const char* what;
        std::string before;
        bool readOnlyBefore;
        std::string name;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"shorter name: the old tail goes", kLongFile, false, "XY", "1\r\nXY\r\n1\r\nXY\r\n"},
        {"read-only before the first change", "1\r\nAB\r\n1\r\nAB\r\n", true, "测试",
         "1\r\n测试\r\n1\r\n测试\r\n"},
        {"longer name", "1\r\nA\r\n", false, "ABCDEFGH", kLongFile},
        {"empty name", kLongFile, true, "", "1\r\n\r\n1\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scratch::RemoveTree(path_);
        ASSERT_TRUE(scratch::WriteBytes(path_, c.before));
        if (c.readOnlyBefore) {
            ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
        }

        ExpectOneNotice(Change(c.name), "成功修改为\"" + c.name + "\"", roomname::kIconNone);
        EXPECT_EQ(scratch::ReadBytes(path_), c.after);
        EXPECT_EQ(Attributes(), readOnlyAsStored_);
        EXPECT_EQ(boxes_.roomName, c.name) << "编辑框2 is not reloaded after a change";
    }
    // A later load shows the new name, not a stale tail.
    scratch::RemoveTree(path_);
    ASSERT_TRUE(scratch::WriteBytes(path_, kLongFile));
    ExpectOneNotice(Change("XY"), "成功修改为\"XY\"", roomname::kIconNone);
    boxes_.roomName = "before load";
    Load();
    EXPECT_EQ(boxes_.roomName, "XY");
}

TEST_F(HandlersTest, TwoChangesInARowBothSucceed) {
    ASSERT_TRUE(scratch::WriteBytes(path_, kLongFile));
    ExpectOneNotice(Change("第一"), "成功修改为\"第一\"", roomname::kIconNone);
    ExpectOneNotice(Change("第二"), "成功修改为\"第二\"", roomname::kIconNone);
    EXPECT_EQ(scratch::ReadBytes(path_), "1\r\n第二\r\n1\r\n第二\r\n");
    EXPECT_EQ(Attributes(), readOnlyAsStored_);
    // Every handle was closed: the file can be deleted once it is writable again.
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(DeleteFileA(path_.c_str())) << "error " << GetLastError();
}

TEST_F(HandlersTest, ChangeThatCannotOpenTheFileFailsAndChangesNothing) {
    ExpectOneNotice(Change("XY"), "修改失败", roomname::kIconError);
    EXPECT_EQ(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES) << "a file was made";

    ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
    const DWORD directoryAttributes = Attributes();
    ExpectOneNotice(Change("XY"), "修改失败", roomname::kIconError);
    EXPECT_EQ(Attributes(), directoryAttributes) << "the directory in its place was changed";
    ASSERT_TRUE(RemoveDirectoryA(path_.c_str()));

    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "held, read-only" : "held");
        ASSERT_TRUE(scratch::WriteBytes(path_, kLongFile));
        if (readOnly) {
            ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        const DWORD before = Attributes();
        {
            scratch::HeldOpen holder(path_, GENERIC_READ, 0);  // shares nothing
            ASSERT_TRUE(holder.Valid());
            ExpectOneNotice(Change("XY"), "修改失败", roomname::kIconError);
        }
        EXPECT_EQ(scratch::ReadBytes(path_), kLongFile);
        EXPECT_EQ(Attributes(), before);
        scratch::RemoveTree(path_);
    }
}

TEST_F(HandlersTest, FailedWriteLeavesTheFileByteIdenticalWithItsAttributes) {
    using Kind = Fault::Kind;
    struct Case {
        const char* what;
        std::string before;
        std::string name;
        Fault fault;
    };
    const std::vector<Case> cases = {
        {"write fails at once", kLongFile, "XY", {Kind::WriteStopsPartWay, 0}},
        {"write stops part-way", kLongFile, "XY", {Kind::WriteStopsPartWay, 5}},
        {"write stops past the old end", "1\r\nA\r\n", "ABCDEFGHIJ", {Kind::WriteStopsPartWay, 20}},
        {"cutting the old tail fails", kLongFile, "XY", {Kind::SetEndFails, 0}},
    };
    for (const Case& c : cases) {
        for (bool readOnly : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (readOnly ? ", read-only" : ""));
            scratch::RemoveTree(path_);
            ASSERT_TRUE(scratch::WriteBytes(path_, c.before));
            if (readOnly) {
                ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
            }
            const DWORD before = Attributes();

            FaultyFiles faulty(c.fault);
            ExpectOneNotice(Change(c.name, faulty), "修改失败", roomname::kIconError);
            EXPECT_EQ(scratch::ReadBytes(path_), c.before);
            EXPECT_EQ(Attributes(), before);
        }
    }
}

TEST_F(HandlersTest, LoadPutsTheLastLineIntoTheNameBoxOrLeavesIt) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // nullopt: no file
        bool readOnly;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"GBK name", std::string("1\r\n房间\r\n1\r\n测试房间\r\n"), false, "测试房间"},
        {"read-only file", std::string("1\r\nABC\r\n1\r\nABC\r\n"), true, "ABC"},
        {"no file", std::nullopt, false, "kept"},
        {"empty file", std::string(), false, "kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scratch::RemoveTree(path_);
        if (c.file) {
            ASSERT_TRUE(scratch::WriteBytes(path_, *c.file));
            if (c.readOnly) {
                ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
            }
        }
        boxes_.roomName = "kept";
        Load();
        EXPECT_EQ(boxes_.roomName, c.expected);
        if (c.file) {
            SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
            EXPECT_TRUE(DeleteFileA(path_.c_str())) << "the read handle was left open";
        }
    }
}

}  // namespace
