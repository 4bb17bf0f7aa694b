// Win32Registry against the real registry, in the view this build reads (no view flag): scratch
// keys are made and removed by each test.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/ports/win32_registry.h"

namespace {

constexpr char kFallback[] = "自动搜寻目录失败，请手动选择";

// A key of the test's own below `root`, deleted with its subkeys when the test ends.
class ScratchKey {
  public:
    ScratchKey(HKEY root, const std::string& path) : root_(root), path_(path) {
        created_ = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                   &key_, nullptr) == ERROR_SUCCESS;
    }
    ~ScratchKey() {
        if (!created_) return;
        RegCloseKey(key_);
        RegDeleteTreeA(root_, path_.c_str());
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    bool Created() const { return created_; }
    // `size` bytes of `data`, stored as given (a byte after them keeps the API from counting a
    // NUL that is not part of the value).
    bool Set(const std::string& name, DWORD type, const void* data, DWORD size) {
        return RegSetValueExA(key_, name.c_str(), 0, type, static_cast<const BYTE*>(data),
                              size) == ERROR_SUCCESS;
    }
    bool SetText(const std::string& name, const std::string& text, DWORD type = REG_SZ) {
        return Set(name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

  private:
    HKEY root_;
    std::string path_;
    HKEY key_ = nullptr;
    bool created_ = false;
};

std::string ScratchPath() {
    return "Software\\RoomnameTest-" + std::to_string(GetCurrentProcessId());
}

class Win32RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 936u) << "the tests need code page 936 (LANG=zh_CN.UTF-8)";
        ASSERT_TRUE(key_.Created()) << "cannot create HKLM\\" << path_;
    }
    std::string Read(const std::string& value, int root = roomname::kRootLocalMachine) {
        return registry_.ReadText(root, path_ + "\\" + value, kFallback);
    }

    std::string path_ = ScratchPath();
    ScratchKey key_{HKEY_LOCAL_MACHINE, path_};
    app::Win32Registry registry_;
};

TEST_F(Win32RegistryTest, ValueKindsGiveTheirTextOrTheFallback) {
    ASSERT_TRUE(SetEnvironmentVariableA("ROOMNAME_TEST_GAMES", "D:\\游戏"));
    const DWORD number = 42;
    const char multi[] = "C:\\CF\0D:\\CF\0";
    const char unterminated[] = "C:\\CF!";  // stored without its last byte and without a NUL
    ASSERT_TRUE(key_.SetText("sz", "C:\\Program Files\\穿越火线"));
    ASSERT_TRUE(key_.SetText("expand", "%ROOMNAME_TEST_GAMES%\\CrossFire", REG_EXPAND_SZ));
    ASSERT_TRUE(key_.SetText("expand plain", "C:\\CF", REG_EXPAND_SZ));
    ASSERT_TRUE(key_.Set("dword", REG_DWORD, &number, sizeof number));
    ASSERT_TRUE(key_.Set("multi", REG_MULTI_SZ, multi, sizeof multi));
    ASSERT_TRUE(key_.Set("zero bytes", REG_SZ, "x", 0));
    ASSERT_TRUE(key_.Set("only nul", REG_SZ, "", 1));
    ASSERT_TRUE(key_.Set("no nul", REG_SZ, unterminated, sizeof unterminated - 2));
    ASSERT_TRUE(key_.Set("nul inside", REG_SZ, "C:\\CF\0junk", 11));
    ASSERT_TRUE(key_.SetText("sentinel", kFallback));

    struct Case {
        const char* value;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"sz", "C:\\Program Files\\穿越火线"},
        {"expand", "D:\\游戏\\CrossFire"},
        {"expand plain", "C:\\CF"},
        {"dword", kFallback},
        {"multi", kFallback},
        {"zero bytes", kFallback},
        {"only nul", ""},  // the empty text, not the fallback
        {"no nul", "C:\\CF"},
        {"nul inside", "C:\\CF"},
        {"sentinel", kFallback},
        {"missing value", kFallback},
    };
    for (const Case& c : cases) {
        const std::string got = Read(c.value);
        EXPECT_EQ(got, c.expected) << "value \"" << c.value << "\" gave \"" << got << "\" ("
                                   << got.size() << " bytes)";
    }
}

TEST_F(Win32RegistryTest, MissingKeyOrEmptyArgumentGivesTheFallback) {
    ASSERT_TRUE(key_.SetText("uninstallpath", "C:\\CF"));
    for (const std::string& keyAndValue :
         {path_ + "\\missing\\uninstallpath", path_ + "-missing\\uninstallpath",
          std::string("uninstallpath"), std::string()}) {
        const std::string got = registry_.ReadText(4, keyAndValue, kFallback);
        EXPECT_EQ(got, kFallback) << "\"" << keyAndValue << "\" gave \"" << got << "\"";
    }
    EXPECT_EQ(registry_.ReadText(4, path_ + "\\missing\\uninstallpath", ""), "");
}

TEST_F(Win32RegistryTest, TrailingBackslashReadsTheKeysDefaultValue) {
    ASSERT_TRUE(key_.SetText("", "C:\\Default"));
    const std::string got = registry_.ReadText(4, path_ + "\\", kFallback);
    EXPECT_EQ(got, "C:\\Default");
}

TEST_F(Win32RegistryTest, SplitStepsOverGbkTrailBytesThatLookLikeBackslashes) {
    // 淺 is 9C 5C in GBK: its second byte is a backslash to a byte-wise search.
    const std::string gbkKey = path_ + "\\淺";
    ScratchKey sub(HKEY_LOCAL_MACHINE, gbkKey);
    ASSERT_TRUE(sub.Created());
    ASSERT_TRUE(sub.SetText("path", "C:\\in the GBK key"));
    ASSERT_TRUE(key_.SetText("值淺", "C:\\GBK value name"));
    ASSERT_EQ(std::string("淺").back(), '\\');

    struct Case {
        std::string keyAndValue;
        std::string expected;
    };
    for (const Case& c : {Case{gbkKey + "\\path", "C:\\in the GBK key"},
                          Case{path_ + "\\值淺", "C:\\GBK value name"}}) {
        const std::string got = registry_.ReadText(4, c.keyAndValue, kFallback);
        EXPECT_EQ(got, c.expected) << "\"" << c.keyAndValue << "\" gave \"" << got << "\"";
    }
}

TEST(Win32RegistryRoots, RootCodesMapToTheirRootKeys) {
    ASSERT_EQ(GetACP(), 936u);
    const std::string path = ScratchPath();
    // HKEY_USERS is reached through the default user's branch; every other root directly.
    const std::string usersPath = ".DEFAULT\\" + path;
    struct Root {
        HKEY key;
        std::string path;
        const char* text;
    };
    const std::vector<Root> roots = {
        {HKEY_CLASSES_ROOT, path, "classes root"},
        {HKEY_CURRENT_CONFIG, path, "current config"},
        {HKEY_CURRENT_USER, path, "current user"},
        {HKEY_LOCAL_MACHINE, path, "local machine"},
        {HKEY_USERS, usersPath, "users"},
    };
    std::vector<std::unique_ptr<ScratchKey>> keys;
    for (const Root& root : roots) {
        keys.push_back(std::make_unique<ScratchKey>(root.key, root.path));
        ASSERT_TRUE(keys.back()->Created()) << root.text;
        ASSERT_TRUE(keys.back()->SetText("which", root.text));
    }

    struct Case {
        int code;
        std::string keyPath;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {1, path, "classes root"}, {2, path, "current config"}, {3, path, "current user"},
        {4, path, "local machine"}, {5, usersPath, "users"},   {0, path, "current user"},
        {6, path, "current user"}, {7, path, "current user"},  {-1, path, "current user"},
    };
    app::Win32Registry registry;
    for (const Case& c : cases) {
        const std::string got = registry.ReadText(c.code, c.keyPath + "\\which", "fallback");
        EXPECT_EQ(got, c.expected) << "root code " << c.code << " gave \"" << got << "\"";
    }
}

}  // namespace
