#pragma once
// The main panel: the content of the main window. It paints the title and the credit line,
// carries the four image buttons and binds the commands they post to their handlers.

#include "platform/Font.h"
#include "platform/Wnd.h"
#include "shell/ImageButton.h"

// The commands the panel's buttons post to it; any sender may post them, with any parameters.
const UINT WM_PANEL_RUN = WM_USER + 1;
const UINT WM_PANEL_NEW = WM_USER + 2;
const UINT WM_PANEL_EDIT = WM_USER + 3;
const UINT WM_PANEL_EXIT = WM_USER + 4;

class CMenuPanel : public CWnd {
public:
    CMenuPanel() = default;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnPanelExit(WPARAM wParam, LPARAM lParam);
    LRESULT OnPanelNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnPanelEdit(WPARAM wParam, LPARAM lParam);
    LRESULT OnPanelRun(WPARAM wParam, LPARAM lParam);

private:
    CImageButton m_quitButton;
    CImageButton m_runButton;
    CImageButton m_editButton;
    CImageButton m_newButton;
    CFont m_footerFont; // the credit line's
};
