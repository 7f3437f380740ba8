#pragma once
// The application: its start-up hook creates and shows the main frame.

#include "platform/WinApp.h"

class CQuizApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
