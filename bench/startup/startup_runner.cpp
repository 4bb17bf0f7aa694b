// startup_runner ROOMNAME_EXE MINIMAL_EXE [RUNS]: starts both programs RUNS times each, in turn,
// and measures the time from CreateProcess to the main window being visible. Prints both
// medians and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char title[64];
    if (owner == search->processId && IsWindowVisible(hwnd) &&
        GetWindowTextA(hwnd, title, sizeof title) > 0 && lstrcmpA(title, search->title) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// One start: milliseconds until the window is visible, or a negative value on failure.
double TimeOneStart(const char* exe, const char* title) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", exe);
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return -1;
    Search search{info.dwProcessId, title, nullptr};
    double elapsed = -1;
    for (;;) {
        EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found) {
            elapsed = Seconds(start, now) * 1000.0;
            break;
        }
        if (Seconds(start, now) > 30) break;
        Sleep(1);
    }
    if (search.found) PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_runner ROOMNAME_EXE MINIMAL_EXE [RUNS]\n");
        return 2;
    }
    int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> tool, minimal;
    // One start of each first, unmeasured: the first start of any program pays for loading
    // Wine's own DLLs into the file cache.
    TimeOneStart(argv[1], "Morvane Ravelgate");
    TimeOneStart(argv[2], "Minimal");
    for (int i = 0; i < runs; ++i) {
        double a = TimeOneStart(argv[1], "Morvane Ravelgate");
        double b = TimeOneStart(argv[2], "Minimal");
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 1;
        }
        tool.push_back(a);
        minimal.push_back(b);
    }
    double toolMedian = Median(tool), minimalMedian = Median(minimal);
    std::printf("runs each:           %d\n", runs);
    std::printf("roomname.exe median: %.1f ms\n", toolMedian);
    std::printf("minimal median:      %.1f ms\n", minimalMedian);
    std::printf("ratio:               %.3f (goal <= 1.05)\n", toolMedian / minimalMedian);
    return 0;
}
