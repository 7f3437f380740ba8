#include "app/QuizApp.h"

#include "app/MainFrame.h"
#include "res/resource.h"

BOOL CQuizApp::InitInstance() {
    SetRegistryKey("Local AppWizard-Generated Applications");

    CMainFrame* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr)) {
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
