#pragma once
// The one application object. Its constructor makes it the process's application; the program
// creates one as a static object, the test exes one in their main.

#include "platform/String.h"
#include "platform/WinThread.h"

#include <set>
#include <string>

class CWinApp : public CWinThread {
public:
    // Without a name, the application's title is the string resource AFX_IDS_APP_TITLE.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Names the registry key that would hold settings; nothing is ever stored under it.
    void SetRegistryKey(const char* key) { m_registryKey = key; }

    // Registers (once) a window class served by the framework's window procedure and returns its
    // name, which stays valid as long as the application.
    const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr; // the application's title; points into m_appName

private:
    CString m_appName;
    CString m_registryKey;
    std::set<std::string> m_classNames;
};

CWinApp* AfxGetApp();
CWinThread* AfxGetThread();
HINSTANCE AfxGetInstanceHandle();
// The application's title, which the framework's message boxes carry.
const char* AfxGetAppName();
// The module that holds the program's resources (the exe itself).
HINSTANCE AfxFindResourceHandle(const char* name, const char* type);
// The system arrow cursor (IDC_ARROW).
HCURSOR AfxArrowCursor();
const char* AfxRegisterWndClass(UINT style, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                HICON icon = nullptr);

// The framework's entry, called from WinMain: start-up hook, then the message loop.
int AfxWinMain(HINSTANCE instance, int showCommand);
