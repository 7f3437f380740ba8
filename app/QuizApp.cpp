#include "app/QuizApp.h"

#include "app/MainFrame.h"
#include "res/resource.h"

namespace {
// The frame's default style; its creation hook replaces it with a fixed-size one, so it shows
// nowhere, but it is what the frame is loaded with.
constexpr DWORD kLoadStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
static_assert(kLoadStyle == 0x00CF8000, "the frame's default style");
} // namespace

BOOL CQuizApp::InitInstance() {
    // The settings root of an application of this kind. Nothing is ever stored under it.
    SetRegistryKey("Local AppWizard-Generated Applications");

    CMainFrame* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, kLoadStyle, nullptr, nullptr)) {
        // A frame whose window never existed is still ours to free; one that was destroyed
        // during creation has deleted itself and left the main window empty.
        if (m_pMainWnd == frame)
            delete frame;
        m_pMainWnd = nullptr;
        return FALSE;
    }
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    return TRUE;
}
