// Opens one of the authoring dialogs with sample Czech input, for screenshots of the real
// dialogs: ShowDialog.exe new-test | create-sheet | edit-sheet. It closes itself after a minute,
// so a run that nobody ends cannot hang.

#include "authoring/CreateQuestionsDlg.h"
#include "authoring/EditQuestionsDlg.h"
#include "authoring/NewTestDlg.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"

#include <cstring>
#include <string>

namespace {
const UINT kLifetimeMs = 60000;

void CALLBACK EndAfterLifetime(HWND dialog, UINT, UINT_PTR, DWORD) {
    ::EndDialog(dialog, IDCANCEL);
}

void FillQuestion(QuestionRecord& record) {
    const char* texts[kTextFieldCount] = {"Které město je hlavním městem České republiky?", "Brno", "Praha",
                                          "Ostrava", "Plzeň"};
    for (int i = 0; i < kTextFieldCount; ++i)
        std::strcpy(record.text[i], texts[i]);
    record.correct = 1;
}

// Types sample input into a sheet, as a user would have on its second question.
void TypeIntoSheet(CDialog& sheet) {
    sheet.SetDlgItemTextA(IDC_QUESTION, "Kolik nohou má pavouk?");
    sheet.SetDlgItemTextA(IDC_ANSWER1, "šest");
    sheet.SetDlgItemTextA(IDC_ANSWER2, "osm");
    sheet.SetDlgItemTextA(IDC_ANSWER3, "deset");
    sheet.SetDlgItemTextA(IDC_ANSWER4, "žádnou");
    CheckRadioButton(sheet, IDC_OPTION1, IDC_OPTION4, IDC_OPTION2);
}
} // namespace

int main(int argc, char** argv) {
    CWinApp app;
    const std::string which = argc > 1 ? argv[1] : "";
    QuestionRecord records[3] = {};
    for (QuestionRecord& record : records)
        FillQuestion(record);

    CDialog::SetTestScript([&which](CDialog& d) {
        SetTimer(d, 1, kLifetimeMs, EndAfterLifetime);
        if (which == "new-test")
            d.SetDlgItemTextA(IDC_TEST_NAME, "Zeměpis – hlavní města");
        else if (which == "create-sheet")
            TypeIntoSheet(d);
    });
    if (which == "new-test") {
        CNewTestDlg dialog;
        dialog.m_count = 12;
        dialog.DoModal();
    } else if (which == "create-sheet") {
        CCreateQuestionsDlg sheet;
        sheet.m_questions = records;
        sheet.m_count = 3;
        sheet.DoModal();
    } else if (which == "edit-sheet") {
        CEditQuestionsDlg sheet;
        sheet.m_questions = records;
        sheet.m_count = 3;
        sheet.DoModal();
    } else {
        return 2;
    }
    return 0;
}
