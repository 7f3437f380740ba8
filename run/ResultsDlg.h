#pragma once
// The results of a finished quiz: the test's name and the three numbers in controls, and painted
// over the client area a heading, the success rate and a verdict, green from 50 % up, red below.
// It only displays: OK, Enter, Escape and the close box all end it at once.

#include "platform/DC.h"
#include "platform/Dialog.h"
#include "platform/Rect.h"

class CResultsDlg : public CDialog {
public:
    CResultsDlg();

    int m_correct = 0;
    int m_wrong = 0;
    int m_count = 0;
    CString m_testName; // the bare name; OnInitDialog turns it into the name line
    double m_percent = 0.0;
    CString m_percentText;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);

private:
    void DrawVerdict(CDC& dc, CRect& rect);
    // A position of the 96-DPI design, whose pixels stand for the 6 x 13 base units that the
    // template's font has there, in this dialog's own base units.
    int DesignX(int x) const;
    int DesignY(int y) const;
};
