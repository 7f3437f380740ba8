#include "run/ResultsDlg.h"

#include "platform/Font.h"
#include "res/resource.h"
#include "run/Verdict.h"

namespace {
const COLORREF kShadowColour = RGB(0, 0, 0);
// The template font's base units at 96 DPI, for which the painted positions were laid out.
const int kDesignBaseX = 6;
const int kDesignBaseY = 13;

// The dialog's base units: what 4 dialog units across and 8 down come to.
RECT BaseUnits(HWND dialog) {
    RECT units = {0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return units;
}
} // namespace

CResultsDlg::CResultsDlg() : CDialog(IDD_RESULTS) {}

const MessageMap* CResultsDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        OnMessage(WM_PAINT, &CResultsDlg::OnPaint),
    };
    static const MessageMap map = MakeMessageMap(CDialog::GetMessageMap(), entries);
    return &map;
}

BOOL CResultsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_testName = "Název testu: " + m_testName;
    SetDlgItemTextA(IDC_RESULT_NAME, m_testName);
    SetDlgItemInt(IDC_RESULT_COUNT, m_count, TRUE);
    SetDlgItemInt(IDC_RESULT_RIGHT, m_correct, TRUE);
    SetDlgItemInt(IDC_RESULT_WRONG, m_wrong, TRUE);
    m_percent = SuccessRate(m_correct, m_count);
    m_percentText = RateText(m_percent);
    return TRUE;
}

int CResultsDlg::DesignX(int x) const {
    return MulDiv(x, BaseUnits(m_hWnd).right, kDesignBaseX);
}

int CResultsDlg::DesignY(int y) const {
    return MulDiv(y, BaseUnits(m_hWnd).bottom, kDesignBaseY);
}

// Draws the same picture on every repaint from what OnInitDialog computed. The positions are
// client pixels at 96 DPI, carried to the dialog's own base units, so that the painted lines keep
// clear of the labels at any size the system gives the dialog. The fonts live for one paint only.
LRESULT CResultsDlg::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(m_hWnd);

    CFont headingFont;
    headingFont.CreatePointFont(240, "Arial");
    const HGDIOBJ oldFont = dc.SelectObject(&headingFont);
    dc.SetBkMode(TRANSPARENT);
    // The black copy one pixel right and down is the green heading's shadow.
    dc.SetTextColor(kShadowColour);
    dc.TextOut(DesignX(65), DesignY(15), "Vyhodnocení");
    dc.SetTextColor(kPassColour);
    dc.TextOut(DesignX(64), DesignY(14), "Vyhodnocení");

    CFont bodyFont;
    bodyFont.CreatePointFont(140, "Arial");
    dc.SelectObject(&bodyFont);
    dc.SetTextColor(RateColour(m_percent));
    dc.TextOut(DesignX(70), DesignY(170), m_percentText);

    CRect verdictRect;
    GetClientRect(&verdictRect);
    verdictRect.DeflateRect(0, DesignY(200), 0, DesignY(50));
    DrawVerdict(dc, verdictRect);

    dc.SelectObject(oldFont);
    headingFont.DeleteObject();
    bodyFont.DeleteObject();
    return 0;
}

// One line, centred across the rectangle, at its top, in the current font and colour.
void CResultsDlg::DrawVerdict(CDC& dc, CRect& rect) {
    dc.DrawText(Verdict(m_percent), rect, DT_CENTER);
}
