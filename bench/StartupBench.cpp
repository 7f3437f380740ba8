// Times the real program's start-up against a bare Win32 program's, both started the same way from
// inside Wine: from CreateProcessW until the process waits for input (WaitForInputIdle) and its
// window is visible. The two alternate, so a busy moment of the machine falls on both alike; each
// is then closed with WM_CLOSE and must end by itself with exit code 0.
//   startup_bench [pairs [baseline.exe]]      (default: 7 pairs, the bare window; medians are shown)
// Another baseline, such as an earlier build of the program, sets the program against it in turn.
// Exits 1 when either program does not start, show its window or end cleanly.

#include "bench/BenchSupport.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const DWORD kStartTimeoutMs = 30000;
const DWORD kExitTimeoutMs = 10000;

struct Subject {
    const char* name;
    const wchar_t* path;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND hwnd, LPARAM lParam) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Polls briefly: the window is normally there by the time the process first waits for input.
HWND WaitForVisibleWindow(DWORD processId) {
    const double deadline = Seconds() + kStartTimeoutMs / 1000.0;
    HWND window;
    while ((window = VisibleWindowOf(processId)) == nullptr && Seconds() < deadline)
        Sleep(1);
    return window;
}

// Closes the window as a user would; a process that does not end by itself is terminated.
bool CloseCleanly(HANDLE process, HWND window) {
    DWORD exitCode = 1;
    const bool ended = window && PostMessageW(window, WM_CLOSE, 0, 0) &&
                       WaitForSingleObject(process, kExitTimeoutMs) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(process, &exitCode);
    if (!ended) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kExitTimeoutMs);
    }
    return ended && exitCode == 0;
}

// Seconds from CreateProcessW to the subject's window shown and the subject idle.
double TimeStartup(const Subject& subject) {
    std::wstring commandLine = L"\"" + std::wstring(subject.path) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const double start = Seconds();
    if (!CreateProcessW(subject.path, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        Fail("%s did not start (error %lu)", subject.name, GetLastError());
    const bool idle = WaitForInputIdle(process.hProcess, kStartTimeoutMs) == 0;
    const HWND window = idle ? WaitForVisibleWindow(process.dwProcessId) : nullptr;
    const double elapsed = Seconds() - start;

    const bool closed = CloseCleanly(process.hProcess, window);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!idle)
        Fail("%s never waited for input", subject.name);
    if (window == nullptr)
        Fail("%s showed no window", subject.name);
    if (!closed)
        Fail("%s did not end with exit code 0 when its window was closed", subject.name);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::atoi(argv[1]) : 7;
    Require(pairs > 0, "the number of pairs must be at least 1");
    // Widened byte by byte: an ASCII path, as a build folder's is.
    const std::wstring baselinePath = argc > 2 ? std::wstring(argv[2], argv[2] + std::strlen(argv[2])) : L"";
    const Subject baseline = {argc > 2 ? "the baseline" : "the bare window",
                              argc > 2 ? baselinePath.c_str() : BARE_WINDOW_EXE};
    const Subject program = {"the program", KVIZAR_EXE};

    // The driver's own first call into the window system loads Wine's display driver, which takes
    // longer than a whole start-up: it is made here, outside every timing.
    VisibleWindowOf(GetCurrentProcessId());

    std::vector<double> baselineTimes, programTimes;
    for (int pair = 0; pair < pairs; ++pair) {
        baselineTimes.push_back(TimeStartup(baseline));
        programTimes.push_back(TimeStartup(program));
    }
    std::printf("startup_bench: launch to main window shown and idle, %d alternating pair(s)\n", pairs);
    PrintTimes(argc > 2 ? argv[2] : "bare window", baselineTimes);
    PrintTimes("kvizar.exe", programTimes);
    PrintFigure(argc > 2 ? "start-up / baseline" : "start-up / bare Win32 window",
                Median(programTimes) / Median(baselineTimes), 1.2);
    return 0;
}
