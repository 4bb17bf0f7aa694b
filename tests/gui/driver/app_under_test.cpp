#include "app_under_test.h"

#include <cstring>

#include "window_query.h"

namespace driver {
namespace {

// Controls are told apart by their top-left corner in the client area: the texts of the edit
// boxes change with what the tool finds, their places do not.
struct Place {
    const char* name;
    int left, top;
};
const Place kPlaces[] = {
    {"按钮2", 146, 82}, {"透明标签2", 8, 43}, {"编辑框2", 66, 45},
    {"透明标签1", 8, 8}, {"按钮1", 10, 83},    {"编辑框1", 77, 10},
};

}  // namespace

AppUnderTest::AppUnderTest(const std::string& exe, const std::string& folder) {
    if (process_.Start(exe, "", folder)) main_ = WaitForVisibleWindow(process_.Id(), kMainTitle);
}

HWND AppUnderTest::Control(const char* name) const {
    for (const Place& place : kPlaces) {
        if (std::strcmp(place.name, name) != 0) continue;
        for (HWND child : ChildrenTopToBottom(main_)) {
            RECT r = RectInParent(child);
            if (r.left == place.left && r.top == place.top) return child;
        }
    }
    return nullptr;
}

std::string RoomnameExe() { return BesideTestProgram(ROOMNAME_EXE_RELATIVE); }

}  // namespace driver
