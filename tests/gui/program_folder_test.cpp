// Started from another folder, the tool still resolves a relative game directory against its own
// program folder: start-up makes that folder the current directory.
#include <gtest/gtest.h>

#include <string>

#include "driver/app_under_test.h"
#include "driver/game_registry.h"
#include "driver/window_query.h"
#include "tests/support/scratch_files.h"

namespace {

bool MakeFolders(const std::string& base, const char* const* names, std::string* path) {
    *path = base;
    for (; *names; ++names) {
        *path += "\\";
        *path += *names;
        if (!CreateDirectoryA(path->c_str(), nullptr)) return false;
    }
    return true;
}

TEST(ProgramFolderTest, RelativeGameDirectoryIsFoundBesideTheProgram) {
    // A program named with 淺 (GBK 9C 5C): a trail byte that looks like a backslash, after the
    // last real one, must not cut the path there.
    const struct {
        const char* what;
        const char* exeName;
    } cases[] = {{"plain name", "roomname.exe"}, {"name with 9C 5C", "room\x9C\x5C.exe"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        scratch::Dir scratchDir;
        ASSERT_TRUE(scratchDir.Valid());
        const char* const tree[] = {"tool", "game", "rez", "UI", "Scripts", nullptr};
        std::string scripts;
        ASSERT_TRUE(MakeFolders(scratchDir.Path(), tree, &scripts)) << scripts;
        ASSERT_TRUE(scratch::WriteBytes(scripts + "\\roomname.txt", "1\r\nBeside\r\n1\r\nBeside\r\n"));
        const std::string exe = scratchDir.Join("tool") + "\\" + c.exeName;
        ASSERT_TRUE(CopyFileA(driver::RoomnameExe().c_str(), exe.c_str(), FALSE)) << exe;

        driver::GameRegistryValue registry;
        ASSERT_TRUE(registry.Set("game"));
        {
            // Started in the scratch folder, where no "game" folder is.
            driver::AppUnderTest app(exe, scratchDir.Path());
            ASSERT_TRUE(app.Ready()) << "no main window from " << exe;
            EXPECT_EQ(driver::TextOf(app.Control("编辑框1")), "game");
            EXPECT_EQ(driver::TextOf(app.Control("编辑框2")), "Beside");
        }  // the process ends before its folder is removed
    }
}

}  // namespace
