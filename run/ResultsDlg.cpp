#include "run/ResultsDlg.h"

#include "platform/Font.h"
#include "res/resource.h"
#include "run/Verdict.h"

namespace {
const COLORREF kShadowColour = RGB(0, 0, 0);
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

// Draws the same picture on every repaint from what OnInitDialog computed; positions are client
// pixels, not dialog units. The fonts live for one paint only.
LRESULT CResultsDlg::OnPaint(WPARAM, LPARAM) {
    CPaintDC dc(m_hWnd);

    CFont headingFont;
    headingFont.CreatePointFont(240, "Arial");
    const HGDIOBJ oldFont = dc.SelectObject(&headingFont);
    dc.SetBkMode(TRANSPARENT);
    // The black copy one pixel right and down is the green heading's shadow.
    dc.SetTextColor(kShadowColour);
    dc.TextOut(65, 15, "Vyhodnocení");
    dc.SetTextColor(kPassColour);
    dc.TextOut(64, 14, "Vyhodnocení");

    CFont bodyFont;
    bodyFont.CreatePointFont(140, "Arial");
    dc.SelectObject(&bodyFont);
    dc.SetTextColor(RateColour(m_percent));
    dc.TextOut(70, 170, m_percentText);

    CRect verdictRect;
    GetClientRect(&verdictRect);
    verdictRect.DeflateRect(0, 200, 0, 50);
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
