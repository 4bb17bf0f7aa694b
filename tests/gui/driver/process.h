// A program under test, started with CreateProcess and ended with it if the test did not.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

class Process {
  public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts `exe` with the command-line arguments `args` ("" for none), in the current directory
    // `folder` ("" for the test's own).
    bool Start(const std::string& exe, const std::string& args = "",
               const std::string& folder = "");
    // Waits for the end; false on timeout. *exitCode gets the process's exit code.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
    bool Running() const;

    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    HANDLE Handle() const { return info_.hProcess; }

  private:
    PROCESS_INFORMATION info_ = {};
};

// Full path of a file named relative to the folder of the running test program.
std::string BesideTestProgram(const char* relative);

}  // namespace driver
