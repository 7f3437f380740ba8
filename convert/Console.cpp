#include "convert/Console.h"

#include "convert/Messages.h"
#include "platform/Text.h"

void Console::WriteLine(DWORD stream, const std::string& line) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        // The console's code page may lack Czech letters; its W interface has them all.
        const std::wstring text = WideFromUtf8(line + "\n");
        WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        const std::string bytes = line + "\r\n";
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

bool Console::IsOwnWindow() {
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode);
}

void Console::WaitForEnter() {
    WriteLine(STD_OUTPUT_HANDLE, Messages::PressEnter());
    // The console hands over a line once Enter is pressed; a longer one comes in parts.
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    wchar_t buffer[256];
    DWORD read = 0;
    while (ReadConsoleW(input, buffer, sizeof buffer / sizeof buffer[0], &read, nullptr) && read > 0)
        if (std::wstring(buffer, read).find(L'\n') != std::wstring::npos)
            return;
}
