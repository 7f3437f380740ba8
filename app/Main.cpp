// The program's entry: the one application object and WinMain.

#include "app/QuizApp.h"

#include "platform/WinApp.h"

#include <windows.h>

namespace {
CQuizApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return AfxWinMain(instance, showCommand);
}
