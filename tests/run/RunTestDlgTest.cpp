#include "run/RunTestDlg.h"

#include "res/resource.h"
#include "tests/support/Controls.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/TestFileSamples.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

namespace {
const char kNext[] = "Další otázka...";
const char kFinish[] = "Dokončit test";
const char kRight[] = "Správná odpověď!";
const char kWrong[] = "Špatně, správná odpověď je: ";
const char kAskCancel[] = "Opravdu chcete test ukončit?";
const char kTitle[] = "Kvizar 2004";
const char kTestName[] = "Zkouška z češtiny";

const std::vector<QuestionRecord> kTwoQuestions = {
    MakeRecord(1, {"Hlavní město Moravy?", "Praha", "Brno", "Ostrava", "Olomouc"}),
    MakeRecord(3, {"Kolik je 2+2?", "3", "5", "22", "Čtyři"}),
};

// Answers with the option (0..3); the first is checked already and is left untouched.
::testing::AssertionResult Answer(HWND dialog, int option) {
    const ::testing::AssertionResult picked =
        option == 0 ? ::testing::AssertionSuccess() : Click(dialog, IDC_OPTION1 + option);
    return picked ? Click(dialog, IDC_NEXT) : picked;
}

// Everything the quiz shows for question i: the texts, the first option alone checked, the
// status line and the answer button's caption.
void ExpectShowsQuestion(const CRunTestDlg& dlg, const std::vector<QuestionRecord>& questions, int i) {
    const int count = static_cast<int>(questions.size());
    EXPECT_EQ(questions[i].text[FieldQuestion], Text(dlg, IDC_QUESTION_TEXT));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(questions[i].text[FieldAnswer1 + k], Text(dlg, IDC_OPTION1 + k)) << "option " << k;
        EXPECT_EQ(k == 0, IsChecked(dlg, IDC_OPTION1 + k)) << "option " << k;
    }
    EXPECT_EQ("Otázka č. " + std::to_string(i + 1), Text(dlg, IDC_QUESTION_NUMBER));
    EXPECT_EQ("Zbývá: " + std::to_string(count - i - 1), Text(dlg, IDC_REMAINING));
    EXPECT_EQ("Celkem: " + std::to_string(count), Text(dlg, IDC_TOTAL));
    EXPECT_EQ(i == count - 1 ? kFinish : kNext, Text(dlg, IDC_NEXT));
    EXPECT_EQ(i, dlg.m_current);
    EXPECT_EQ(i, dlg.m_correct + dlg.m_wrong);
}

void ExpectBox(const ShownBox& box, HWND owner, const std::string& text, UINT type) {
    EXPECT_EQ(owner, box.owner);
    EXPECT_EQ(text, box.text.GetString());
    EXPECT_STREQ(kTitle, box.title);
    EXPECT_EQ(type, box.type);
}

// Runs the quiz on a test built in memory; the script runs inside its modal loop.
INT_PTR RunQuiz(CRunTestDlg& dlg, const std::vector<QuestionRecord>& questions,
                const std::function<void()>& script) {
    QuestionArray array = ArrayOf(questions);
    dlg.m_questions = array.Data();
    dlg.m_count = array.Count();
    dlg.m_testName = kTestName;
    CDialog::SetTestScript([&script](CDialog&) { script(); });
    const INT_PTR result = dlg.DoModal();
    CDialog::SetTestScript(nullptr);
    return result;
}

class Quiz : public ::testing::Test {
protected:
    INT_PTR Run(const std::vector<QuestionRecord>& questions, std::function<void(CRunTestDlg&)> script) {
        return RunQuiz(dlg, questions, [this, &script] { script(dlg); });
    }

    MessageBoxScript boxes;
    CRunTestDlg dlg;
};

TEST_F(Quiz, OpensWithTheTestsNameTheFocusOnTheFirstOptionAndArialOnTheQuestionAlone) {
    boxes.Then(IDYES);
    const INT_PTR result = Run(kTwoQuestions, [](CRunTestDlg& d) {
        EXPECT_EQ("Kvizar 2004 - " + std::string(kTestName), d.GetWindowTextA().GetString());
        EXPECT_EQ(d.GetDlgItem(IDC_OPTION1).m_hWnd, GetFocus());

        const HFONT questionFont =
            reinterpret_cast<HFONT>(d.GetDlgItem(IDC_QUESTION_TEXT).SendMessage(WM_GETFONT));
        EXPECT_EQ(d.m_questionFont.m_hObject, questionFont);
        LOGFONTW font = {};
        ASSERT_NE(0, GetObjectW(questionFont, sizeof font, &font));
        EXPECT_EQ(0, std::wcscmp(L"Arial", font.lfFaceName)) << font.lfFaceName;
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(-MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
        ReleaseDC(nullptr, screen);

        // The font the dialog gives its controls: the template's, or on a Western system its stand-in.
        const LRESULT dialogFont = d.GetDlgItem(IDCANCEL).SendMessage(WM_GETFONT);
        EXPECT_NE(reinterpret_cast<LRESULT>(questionFont), dialogFont);
        for (int id : {IDC_OPTION1, IDC_OPTION2, IDC_OPTION3, IDC_OPTION4, IDC_NEXT, IDC_QUESTION_NUMBER,
                       IDC_REMAINING, IDC_TOTAL})
            EXPECT_EQ(dialogFont, d.GetDlgItem(id).SendMessage(WM_GETFONT)) << id;
        EXPECT_TRUE(Click(d, IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, result);
}

// Walks whole tests: every label and caption before each answer, the judgement of each answer
// with its message, and counts that add up to the number of questions.
TEST(QuizWalk, JudgesAndCountsEveryAnswerAndShowsEachQuestionInTurn) {
    struct Case {
        const char* name;
        std::vector<QuestionRecord> questions;
        std::vector<int> choices;
    } cases[] = {
        {"one question, the preselected option is right",
         {MakeRecord(0, {"Kolik je 2+2?", "4", "3", "5", "22"})},
         {0}},
        {"one question answered wrong",
         {MakeRecord(2, {"Které město leží na Moravě?", "Praha", "Plzeň", "Brno", "Liberec"})},
         {3}},
        {"two questions, wrong then right", kTwoQuestions, {2, 3}},
        {"correct indexes outside the options are always wrong",
         {MakeRecord(4, {"Otázka bez správné odpovědi", "A", "B", "C", "D"}),
          MakeRecord(-1, {"Záporný index", "První", "Druhá", "Třetí", "Čtvrtá"}),
          MakeRecord(0, {"Žluťoučký kůň?", "úpěl", "ďábelské", "ódy", "ano"}),
          MakeRecord(2, {"Poslední", "1", "2", "3", "4"})},
         {0, 0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& questions = c.questions;
        const int count = static_cast<int>(questions.size());
        MessageBoxScript boxes;
        for (int i = 0; i < count; ++i)
            boxes.Then(IDOK);
        CRunTestDlg dlg;
        int right = 0;
        EXPECT_EQ(
            IDOK, RunQuiz(dlg, questions, [&] {
                for (int i = 0; i < count; ++i) {
                    SCOPED_TRACE(testing::Message() << "question " << i + 1);
                    ExpectShowsQuestion(dlg, questions, i);
                    ASSERT_TRUE(Answer(dlg, c.choices[i]));
                    ASSERT_EQ(static_cast<size_t>(i + 1), boxes.Shown().size());
                    const int correct = questions[i].correct;
                    const bool valid = correct >= 0 && correct <= 3;
                    if (valid && c.choices[i] == correct) {
                        ++right;
                        ExpectBox(boxes.Shown()[i], dlg.m_hWnd, kRight, MB_ICONINFORMATION);
                    } else {
                        const std::string quoted = valid ? questions[i].text[FieldAnswer1 + correct] : "";
                        ExpectBox(boxes.Shown()[i], dlg.m_hWnd, kWrong + quoted + "!", MB_ICONEXCLAMATION);
                    }
                }
            }));
        EXPECT_EQ(right, dlg.m_correct);
        EXPECT_EQ(count - right, dlg.m_wrong);
        EXPECT_EQ(count, dlg.m_current);
    }
}

// Storno, Escape and the close box all ask; No leaves question, selection and counts, Yes ends
// the quiz with Cancel.
TEST(QuizCancel, EveryWayOfCancellingAsksAndOnlyYesEnds) {
    struct Case {
        const char* name;
        std::function<void(CRunTestDlg&)> cancel;
    } cases[] = {
        {"Storno", [](CRunTestDlg& d) { EXPECT_TRUE(Click(d, IDCANCEL)); }},
        {"Escape", [](CRunTestDlg& d) { PressKey(d, VK_ESCAPE); }},
        {"close box", [](CRunTestDlg& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageBoxScript boxes;
        boxes.Then(IDOK).Then(IDNO).Then(IDYES);
        CRunTestDlg dlg;
        const INT_PTR result = RunQuiz(dlg, kTwoQuestions, [&] {
            EXPECT_TRUE(Answer(dlg, 1));
            EXPECT_TRUE(Click(dlg, IDC_OPTION3));
            c.cancel(dlg);
            ASSERT_TRUE(WaitUntil([&] { return boxes.Shown().size() == 2; }, 2000));
            ExpectBox(boxes.Shown()[1], dlg.m_hWnd, kAskCancel, MB_YESNO | MB_ICONQUESTION);
            EXPECT_TRUE(IsWindow(dlg.m_hWnd));
            EXPECT_EQ(1, dlg.m_current);
            EXPECT_EQ(1, dlg.m_correct);
            EXPECT_TRUE(IsChecked(dlg, IDC_OPTION3));
            EXPECT_FALSE(IsChecked(dlg, IDC_OPTION1));
            EXPECT_EQ("Otázka č. 2", Text(dlg, IDC_QUESTION_NUMBER));

            c.cancel(dlg);
            ASSERT_TRUE(WaitUntil([&] { return boxes.Shown().size() == 3; }, 2000));
            ExpectBox(boxes.Shown()[2], dlg.m_hWnd, kAskCancel, MB_YESNO | MB_ICONQUESTION);
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(1, dlg.m_correct);
        EXPECT_EQ(0, dlg.m_wrong);
    }
}

// Enter on an option, as the OK command and as a keystroke through the dialog manager, neither
// answers nor ends the quiz.
TEST_F(Quiz, EnterOnAnOptionChangesNothing) {
    boxes.Then(IDYES);
    const auto expectUntouched = [](CRunTestDlg& d) {
        EXPECT_TRUE(IsWindow(d.m_hWnd));
        EXPECT_EQ(0, d.m_current);
        EXPECT_EQ(0, d.m_correct + d.m_wrong);
        EXPECT_TRUE(IsChecked(d, IDC_OPTION2));
        EXPECT_FALSE(IsChecked(d, IDC_OPTION1));
        EXPECT_EQ("Otázka č. 1", Text(d, IDC_QUESTION_NUMBER));
        EXPECT_EQ(kTwoQuestions[0].text[FieldQuestion], Text(d, IDC_QUESTION_TEXT));
    };
    const INT_PTR result = Run(kTwoQuestions, [&](CRunTestDlg& d) {
        EXPECT_TRUE(Click(d, IDC_OPTION2));
        ASSERT_EQ(d.GetDlgItem(IDC_OPTION2).m_hWnd, GetFocus());
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        expectUntouched(d);
        PressKey(d, VK_RETURN);
        expectUntouched(d);
        // The same key through the quiz's own modal loop.
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(GetFocus(), WM_KEYUP, VK_RETURN, 0xC0000001);
        RunLater(d, [&d, expectUntouched] {
            expectUntouched(d);
            EXPECT_TRUE(Click(d, IDCANCEL));
        });
    });
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ(kAskCancel, boxes.Shown()[0].text);
}
} // namespace
