#pragma once
// The converter's console: lines out in Czech whatever the console's code page, and the pause
// that keeps a window Explorer opened for it (a double click, files dropped onto the exe) on the
// screen until the user has read it.

#include <windows.h>

#include <string>

class Console {
public:
    // Writes one line (UTF-8) to STD_OUTPUT_HANDLE or STD_ERROR_HANDLE: through WriteConsoleW on a
    // console, as UTF-8 bytes with CRLF where redirected.
    static void WriteLine(DWORD stream, const std::string& line);

    // True when this process is alone on its console and reads its input from it: the window
    // would close the moment the process ends. Never with redirected input, as in CI.
    static bool IsOwnWindow();

    // Asks for Enter and waits for it, or for the end of input.
    static void WaitForEnter();
};
