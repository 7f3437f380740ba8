#include "platform/WinApp.h"

#include "platform/Exception.h"
#include "platform/FrameworkIds.h"
#include "platform/Text.h"
#include "platform/Wnd.h"

#include <cstdio>

namespace {
CWinApp* theApp = nullptr; // the one application object
}

CWinApp::CWinApp(const char* appName) {
    theApp = this;
    m_hInstance = GetModuleHandleW(nullptr);
    if (appName)
        m_appName = appName;
    else
        m_appName.LoadStringA(AFX_IDS_APP_TITLE);
    m_pszAppName = m_appName;
}

CWinApp::~CWinApp() {
    if (theApp == this)
        theApp = nullptr;
}

const char* CWinApp::RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    char name[64];
    std::snprintf(name, sizeof name, "Kvizar:%x:%p:%p:%p", style, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    auto inserted = m_classNames.insert(name);
    if (inserted.second) {
        const std::wstring wideName = ToWide(name);
        WNDCLASSW wc = {};
        wc.style = style;
        wc.lpfnWndProc = CWnd::StaticWindowProc;
        wc.hInstance = m_hInstance;
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = wideName.c_str();
        RegisterClassW(&wc);
    }
    return inserted.first->c_str();
}

CWinApp* AfxGetApp() {
    return theApp;
}
CWinThread* AfxGetThread() {
    return theApp;
}
HINSTANCE AfxGetInstanceHandle() {
    return theApp ? theApp->m_hInstance : GetModuleHandleW(nullptr);
}
const char* AfxGetAppName() {
    return theApp ? theApp->m_pszAppName : "";
}
HINSTANCE AfxFindResourceHandle(const char*, const char*) {
    return AfxGetInstanceHandle();
}

HCURSOR AfxArrowCursor() {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
}

const char* AfxRegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    return AfxGetApp()->RegisterWndClass(style, cursor, background, icon);
}

int AfxWinMain(HINSTANCE instance, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return -1;
    app->m_hInstance = instance;
    try {
        if (!app->InitInstance())
            return 0;
        return app->Run();
    } catch (...) {
        ReportEscapedException(nullptr);
        return -1;
    }
}
