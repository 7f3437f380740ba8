#pragma once
// CDialog: a modal dialog built from a template in the resources. The dialog procedure binds the
// object at WM_INITDIALOG and routes messages through the class's message map, whose base entries
// send the OK and Cancel commands (Enter, Escape, the close box) to the virtual OnOK and OnCancel.

#include "platform/Font.h"
#include "platform/Wnd.h"

#include <functional>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog modally; its owner (the parent, else the main window) takes no input
    // meanwhile. Returns IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    UINT GetTemplateId() const { return m_templateId; }

    // Test seam: when set, every dialog runs the script once, from its own modal loop, right
    // after it has been initialised. Pass nullptr to clear.
    using Script = std::function<void(CDialog& dialog)>;
    static void SetTestScript(Script script);

protected:
    const MessageMap* GetMessageMap() const override;

    // Moves the members into the controls; TRUE lets the dialog manager focus the first tab stop.
    virtual BOOL OnInitDialog();
    // Moves the controls into the members and ends with IDOK, unless the exchange is refused.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();
    void EndDialog(int result);

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // As a dialog procedure: TRUE when the message was handled; a handler's result goes to
    // DWLP_MSGRESULT.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT ResultAfterException(UINT message) override;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Where the template's font cannot draw Czech, gives every control its stand-in; a label too
    // narrow for its text in the controls' font grows to fit it.
    void UseCzechFont();

    UINT m_templateId;
    CWnd* m_parent;
    CFont m_czechFont; // the controls' font on a Western system; outlives them
};
