// roomname.exe started for a test: its process, its shown main window and the six controls.
#pragma once

#include <windows.h>

#include <string>

#include "process.h"
#include "window_query.h"

namespace driver {

constexpr char kMainTitle[] = "Morvane Ravelgate";

class AppUnderTest {
  public:
    // Starts the exe (in the current directory `folder`, "" for the test's own) and waits for its
    // main window to be shown; Ready() tells whether it was.
    explicit AppUnderTest(const std::string& exe, const std::string& folder = "");
    bool Ready() const { return main_ != nullptr; }

    Process& process() { return process_; }
    HWND Main() const { return main_; }
    // A control by its template name (按钮1, 编辑框2, ...), found by its text and place.
    HWND Control(const char* name) const;
    HWND Focus() const { return FocusOf(process_.ThreadId()); }

  private:
    Process process_;
    HWND main_ = nullptr;
};

// The path of roomname.exe for the tests of this build.
std::string RoomnameExe();

}  // namespace driver
