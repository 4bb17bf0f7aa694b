// A second process for the cross-process picker tests: shows the folder picker through
// Win32Shell and writes what it returned into the file named by its argument:
// "cancelled", or "path:" followed by the path.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <optional>
#include <string>

#include "app/ports/win32_shell.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    if (FAILED(OleInitialize(nullptr))) return 3;
    app::Win32Shell shell;
    const std::optional<std::string> picked = shell.PickFolder("选择CF目录");
    OleUninitialize();
    const std::string report = picked ? "path:" + *picked : "cancelled";
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 4;
    std::fwrite(report.data(), 1, report.size(), out);
    return std::fclose(out) == 0 ? 0 : 4;
}
