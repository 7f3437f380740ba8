// "Nový test" and "Editovat test" from start to end on the real test folder beside this exe:
// the real dialogs driven from inside their modal loops, the files checked byte by byte against
// bytes written out here.

#include "authoring/CreateQuestionsDlg.h"
#include "authoring/EditQuestionsDlg.h"
#include "authoring/EditTestWorkflow.h"
#include "authoring/NewTestWorkflow.h"
#include "platform/ListBox.h"
#include "platform/Text.h"
#include "platform/WinApp.h"
#include "res/resource.h"
#include "storage/Cp1250.h"
#include "tests/authoring/SheetTesting.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/SheetFields.h"
#include "tests/support/TestFolderCase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {
using Script = std::function<void(CDialog&)>;

class Workflow : public TestFolderCase {
protected:
    void SetUp() override {
        TestFolderCase::SetUp();
        ASSERT_TRUE(
            panel.CreateEx(0, AfxRegisterWndClass(0), "panel", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    }

    // Every dialog the workflow opens is driven by the step given for its template; a dialog
    // without one fails the test and is cancelled.
    void Drive(std::map<UINT, Script> steps) {
        CDialog::SetTestScript([steps = std::move(steps)](CDialog& d) {
            const auto step = steps.find(d.GetTemplateId());
            if (step != steps.end()) {
                step->second(d);
                return;
            }
            ADD_FAILURE() << "unexpected dialog " << d.GetTemplateId();
            ::EndDialog(d.m_hWnd, IDCANCEL);
        });
    }

    // The success message: owned by the panel, the information icon and the program's title.
    void ExpectSuccess(const MessageBoxScript& boxes, const char* text) {
        ASSERT_TRUE(OneBox(boxes, text, "Kvizar 2004", MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(panel.m_hWnd, boxes.Shown()[0].owner);
    }

    CWnd panel;
};

Script NameStep(const char* name, const char* count) {
    return [name, count](CDialog& d) {
        d.SetDlgItemTextA(IDC_TEST_NAME, name);
        d.SetDlgItemTextA(IDC_QUESTION_COUNT, count);
        EXPECT_TRUE(Click(d, IDOK));
    };
}

// Clicks the forward button through to "Dokončit", changing nothing.
Script PageThroughStep() {
    return [](CDialog& d) {
        auto& sheet = static_cast<CQuestionSheetDlg&>(d);
        for (int guard = 0; guard < 1000 && IsWindowEnabled(d.GetDlgItem(IDC_NEXT)) &&
                            d.GetDlgItemTextA(IDC_NEXT) != CString("Dokončit");
             ++guard)
            EXPECT_TRUE(Click(d, IDC_NEXT));
        const int last = sheet.m_current;
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_EQ(last + 1, sheet.m_current) << "Dokončit ended the sheet";
    };
}

Script PickStep(const char* name) {
    return [name](CDialog& d) {
        CListBox list;
        list.Attach(d.GetDlgItem(IDC_TEST_LIST));
        SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(ToWide(name).c_str()));
        list.Detach();
        EXPECT_TRUE(Click(d, IDOK));
    };
}

// One question, correct index 0, and five empty texts of length 1 (the NUL alone).
Bytes OneEmptyQuestion() {
    return {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0,
            0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0};
}

// Three questions in Windows-1250 with every correct option but one, and a text that fills its field.
Bytes StoredTest() {
    return FileOf({MakeRecord(1, {"Kolik je 2+2?", "3", "4", "5", "22"}),
                   MakeRecord(3, {"Žluťoučký kůň úpěl ďábelské ódy", "ě", "š", "č", "ř"}),
                   MakeRecord(0, {std::string(1023, 'x'), "", "a b", "", "Čtvrtá"})});
}

TEST_F(Workflow, NewTestWithOneEmptyQuestionIsThe33ByteFileAndCreatesTheFolder) {
    ASSERT_EQ(33u, OneEmptyQuestion().size());
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    const Script sheet = [](CDialog& d) {
        EXPECT_FALSE(Exists(Folder())) << "no folder before the test is finished";
        EXPECT_TRUE(Click(d, IDC_NEXT));
    };
    Drive({{IDD_NEW_TEST, NameStep("Prázdný", "1")}, {IDD_CREATE_QUESTIONS, sheet}});
    NewTestWorkflow(panel);
    ExpectSuccess(boxes, "Test byl úspěšně vytvořen!");
    EXPECT_EQ(OneEmptyQuestion(), ReadBytes(TestFileOf("Prázdný")));
    EXPECT_EQ(std::vector<std::wstring>{L"Pr\u00e1zdn\u00fd.tst"}, FolderEntries(Folder()))
        << "nothing else is left";
}

// What was typed, in question order, in the format's bytes: the first question is the format's
// worked example, the Czech letters are their Windows-1250 bytes.
TEST_F(Workflow, NewTestWritesWhatWasTypedInQuestionOrder) {
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    const Script sheet = [](CDialog& d) {
        EXPECT_TRUE(TypeQuestion(d, {"2+2?", "3", "4", "5", "22"}, 1));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(TypeQuestion(d, {"Žluťoučký kůň?", "ano", "ne", "", "snad"}, 3));
        EXPECT_TRUE(Click(d, IDC_NEXT));
    };
    Drive({{IDD_NEW_TEST, NameStep("Zkouška 1", "2")}, {IDD_CREATE_QUESTIONS, sheet}});
    NewTestWorkflow(panel);
    Bytes expected = kWorkedExample;
    expected[0] = 2; // two questions
    PutQuestion(expected, MakeRecord(3, {"\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2?", "ano", "ne", "", "snad"}));
    EXPECT_EQ(expected, ReadBytes(TestFileOf("Zkouška 1")));
    ExpectSuccess(boxes, "Test byl úspěšně vytvořen!");
}

// Every character that Windows-1250 holds (all but its control characters) is typed into every
// field and stored as its byte of that code page, whatever the system's code page.
TEST_F(Workflow, EveryCharacterOfWindows1250IsStoredAsItsByte) {
    std::string bytes;
    std::wstring characters;
    for (int byte = 0x20; byte < 0x100; ++byte) {
        if (Cp1250::IsControl(static_cast<uint8_t>(byte)))
            continue;
        bytes += static_cast<char>(byte);
        characters += static_cast<wchar_t>(Cp1250::ToUnicode(static_cast<uint8_t>(byte)));
    }
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    const Script sheet = [&characters](CDialog& d) {
        for (int id : kSheetFields)
            PasteInto(d.GetDlgItem(id), characters);
        EXPECT_TRUE(Click(d, IDC_NEXT));
    };
    Drive({{IDD_NEW_TEST, NameStep("Všechny znaky", "1")}, {IDD_CREATE_QUESTIONS, sheet}});
    NewTestWorkflow(panel);
    ExpectSuccess(boxes, "Test byl úspěšně vytvořen!");
    EXPECT_EQ(FileOf({MakeRecord(0, {bytes, bytes, bytes, bytes, bytes})}),
              ReadBytes(TestFileOf("Všechny znaky")));
}

// A character that Windows-1250 cannot hold stops "Dokončit": no success is claimed, and a new
// test cancelled then leaves no file and no folder, an edited one its file byte for byte.
TEST_F(Workflow, ACharacterOutsideWindows1250IsNeverSaved) {
    const Script refuseThenCancel = [](CDialog& d) {
        auto& sheet = static_cast<CQuestionSheetDlg&>(d);
        while (sheet.m_current + 1 < sheet.m_count)
            EXPECT_TRUE(Click(d, IDC_NEXT));
        PasteInto(d.GetDlgItem(IDC_ANSWER2), L"Kolik je π na dvě desetinná místa?");
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_EQ(sheet.m_count - 1, sheet.m_current);
        EXPECT_TRUE(Click(d, IDCANCEL));
    };
    for (bool edit : {false, true}) {
        SCOPED_TRACE(edit ? "edit" : "new");
        MessageBoxScript boxes;
        boxes.Then(IDOK).Then(IDYES);
        if (edit) {
            WriteTest("Uložený", StoredTest());
            Drive({{IDD_EDIT_SELECT, PickStep("Uložený")}, {IDD_EDIT_QUESTIONS, refuseThenCancel}});
            EditTestWorkflow(panel);
        } else {
            Drive({{IDD_NEW_TEST, NameStep("Pí", "2")}, {IDD_CREATE_QUESTIONS, refuseThenCancel}});
            NewTestWorkflow(panel);
            EXPECT_FALSE(Exists(Folder()));
        }
        ASSERT_EQ(2u, boxes.Shown().size());
        EXPECT_TRUE(boxes.Shown()[0].shownText == kPiRefused) << "the refusal first";
        EXPECT_STREQ(edit ? "Opravdu chcete ukončit editaci testu?" : "Opravdu chcete ukončit tvorbu testu?",
                     boxes.Shown()[1].text);
    }
    EXPECT_EQ(StoredTest(), ReadBytes(TestFileOf("Uložený")));
    EXPECT_EQ(std::vector<std::wstring>{L"Ulo\u017een\u00fd.tst"}, FolderEntries(Folder()));
}

TEST_F(Workflow, AcceptingTheNameDialogUnchangedGivesTenQuestionsNamedNovyTest) {
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    int count = 0;
    const Script sheet = [&count](CDialog& d) {
        count = static_cast<CCreateQuestionsDlg&>(d).m_count;
        PageThroughStep()(d);
    };
    Drive({{IDD_NEW_TEST, [](CDialog& d) { EXPECT_TRUE(Click(d, IDOK)); }}, {IDD_CREATE_QUESTIONS, sheet}});
    NewTestWorkflow(panel);
    EXPECT_EQ(10, count);
    const std::vector<QuestionRecord> empty(10, MakeRecord(0, {"", "", "", "", ""}));
    EXPECT_EQ(FileOf(empty), ReadBytes(TestFileOf("Nový test")));
}

TEST_F(Workflow, CancellingEitherDialogWritesNothingAndCreatesNoFolder) {
    {
        Drive({{IDD_NEW_TEST, [](CDialog& d) { PressKey(d, VK_ESCAPE); }}});
        NewTestWorkflow(panel); // no question asked, no sheet
    }
    {
        MessageBoxScript boxes;
        boxes.Then(IDYES);
        const Script sheet = [](CDialog& d) {
            EXPECT_TRUE(TypeQuestion(d, {"otázka", "a", "b", "c", "d"}, 2));
            EXPECT_TRUE(Click(d, IDC_NEXT));
            EXPECT_TRUE(Click(d, IDCANCEL));
        };
        Drive({{IDD_NEW_TEST, NameStep("Zrušený", "2")}, {IDD_CREATE_QUESTIONS, sheet}});
        NewTestWorkflow(panel);
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_STREQ("Opravdu chcete ukončit tvorbu testu?", boxes.Shown()[0].text);
    }
    EXPECT_FALSE(Exists(Folder()));
}

// A file of the new test's name that appears while the questions are typed is replaced.
TEST_F(Workflow, NewTestOverAFileThatAppearedMeanwhile) {
    const Bytes other = {0x07, 0x07, 0x07};
    {
        MessageBoxScript boxes;
        boxes.Then(IDOK);
        const Script sheet = [&other](CDialog& d) {
            WriteTest("Souběh", other);
            EXPECT_TRUE(Click(d, IDC_NEXT));
        };
        Drive({{IDD_NEW_TEST, NameStep("Souběh", "1")}, {IDD_CREATE_QUESTIONS, sheet}});
        NewTestWorkflow(panel);
        EXPECT_EQ(OneEmptyQuestion(), ReadBytes(TestFileOf("Souběh")));
        ExpectSuccess(boxes, "Test byl úspěšně vytvořen!");
    }
}

// Every name the dialog lets through can be saved, and edited and saved again: a path past
// MAX_PATH, up to the longest file name ("<251 characters>.tst").
TEST_F(Workflow, NamesUpToTheLongestFileNameSaveAndEditPastMaxPath) {
    const size_t fillsMaxPath = MAX_PATH - 1 - (Folder().size() + 1) - 4;
    for (size_t length : {fillsMaxPath + 1, size_t(251)}) {
        SCOPED_TRACE(length);
        const std::string name(length, 'd');
        MessageBoxScript boxes;
        boxes.Then(IDOK).Then(IDOK);
        Drive({{IDD_NEW_TEST, NameStep(name.c_str(), "1")}, {IDD_CREATE_QUESTIONS, PageThroughStep()}});
        NewTestWorkflow(panel);
        EXPECT_EQ(OneEmptyQuestion(), ReadBytes(TestFileOf(name.c_str())));
        const Script edit = [](CDialog& d) {
            EXPECT_TRUE(TypeQuestion(d, {"2+2?", "3", "4", "5", "22"}, 1));
            EXPECT_TRUE(Click(d, IDC_NEXT));
        };
        Drive({{IDD_EDIT_SELECT, PickStep(name.c_str())}, {IDD_EDIT_QUESTIONS, edit}});
        EditTestWorkflow(panel);
        EXPECT_EQ(kWorkedExample, ReadBytes(TestFileOf(name.c_str())));
        ASSERT_EQ(2u, boxes.Shown().size());
        EXPECT_STREQ("Test byl úspěšně vytvořen!", boxes.Shown()[0].text);
        EXPECT_STREQ("Test byl uložen!", boxes.Shown()[1].text);
    }
}

TEST_F(Workflow, EditingWithoutChangesRewritesTheFileByteForByte) {
    WriteTest("Uložený", StoredTest());
    WriteTest("Jiný", OneEmptyQuestion());
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    const Script sheet = [](CDialog& d) {
        EXPECT_EQ(3, static_cast<CEditQuestionsDlg&>(d).m_count);
        EXPECT_TRUE(ExpectShown(d, {"Kolik je 2+2?", "3", "4", "5", "22"}, 1));
        PageThroughStep()(d);
    };
    Drive({{IDD_EDIT_SELECT, PickStep("Uložený")}, {IDD_EDIT_QUESTIONS, sheet}});
    EditTestWorkflow(panel);
    ExpectSuccess(boxes, "Test byl uložen!");
    EXPECT_EQ(StoredTest(), ReadBytes(TestFileOf("Uložený")));
    EXPECT_EQ(OneEmptyQuestion(), ReadBytes(TestFileOf("Jiný")));
}

TEST_F(Workflow, EditingWritesTheChangesInPlace) {
    WriteTest("Uložený", StoredTest());
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    const Script sheet = [](CDialog& d) {
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(TypeQuestion(d, {"Kratší", "a", "b", "c", "d"}, 0));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        TypeInto(d.GetDlgItem(IDC_QUESTION), "krátká");
        EXPECT_TRUE(Click(d, IDC_NEXT));
    };
    Drive({{IDD_EDIT_SELECT, PickStep("Uložený")}, {IDD_EDIT_QUESTIONS, sheet}});
    EditTestWorkflow(panel);
    const Bytes expected = FileOf({MakeRecord(1, {"Kolik je 2+2?", "3", "4", "5", "22"}),
                                   MakeRecord(0, {"Kratší", "a", "b", "c", "d"}),
                                   MakeRecord(0, {"krátká", "", "a b", "", "Čtvrtá"})});
    EXPECT_EQ(expected, ReadBytes(TestFileOf("Uložený"))) << "shorter texts leave no old bytes behind";
    ExpectSuccess(boxes, "Test byl uložen!");
}

TEST_F(Workflow, CancellingTheEditLeavesTheFileAsItWas) {
    WriteTest("Uložený", StoredTest());
    MessageBoxScript boxes;
    boxes.Then(IDYES);
    const Script sheet = [](CDialog& d) {
        EXPECT_TRUE(TypeQuestion(d, {"změna", "a", "b", "c", "d"}, 2));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(TypeQuestion(d, {"další změna", "a", "b", "c", "d"}, 2));
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(Click(d, IDCANCEL));
    };
    Drive({{IDD_EDIT_SELECT, PickStep("Uložený")}, {IDD_EDIT_QUESTIONS, sheet}});
    EditTestWorkflow(panel);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Opravdu chcete ukončit editaci testu?", boxes.Shown()[0].text);
    EXPECT_EQ(StoredTest(), ReadBytes(TestFileOf("Uložený")));
}

// A save that fails loses nothing typed: after the file error (never a success) the sheet comes
// back where "Dokončit" was pressed, with every question as the user left it. Once the cause is
// gone a second "Dokončit" saves them all; Storno instead writes nothing. Until a save succeeds
// the stored file stays byte for byte and no temporary file is left.
TEST_F(Workflow, AFailedSaveBringsTheSheetBackWithEverythingTyped) {
    const SheetTexts typed[] = {{"Hlavní město Slovenska?", "Košice", "Žilina", "Bratislava", "Nitra"},
                                {"2+2?", "3", "4", "5", "22"},
                                {"Poslední", "ě", "š", "č", "ř"}};
    const std::string full(1023, 'x');
    const SheetTexts storedLast = {full.c_str(), "", "a b", "", "Čtvrtá"};
    for (bool edit : {false, true}) {
        for (bool finish : {true, false}) {
            SCOPED_TRACE(std::string(edit ? "edit, " : "new test, ") + (finish ? "finished" : "cancelled"));
            const CString name = edit ? "Uložený" : "Nový";
            const int previousId = edit ? IDC_PREVIOUS_EDIT : IDC_PREVIOUS_CREATE;
            // A new test cannot be saved where a file stands in for the test folder; a stored one
            // not while another program holds it.
            std::unique_ptr<LockedFile> held;
            if (edit)
                WriteTest(name, StoredTest());
            else
                WriteBytes(Folder(), {0x07});
            const Bytes before = edit ? StoredTest() : Bytes{0x07};
            const std::wstring blocked = edit ? TestFileOf(name) : Folder();
            MessageBoxScript boxes;
            boxes.Then(IDOK).Then(finish ? IDOK : IDYES);
            int runs = 0;
            const Script sheet = [&](CDialog& d) {
                if (++runs > 2) {
                    ADD_FAILURE() << "the sheet came back once more";
                    ::EndDialog(d.m_hWnd, IDCANCEL);
                    return;
                }
                if (runs == 1) {
                    for (int i = 0; i < 3; ++i) {
                        EXPECT_TRUE(TypeQuestion(d, typed[i], i + 1));
                        if (i == 0 && edit)
                            break; // the others stay as stored
                        EXPECT_TRUE(Click(d, IDC_NEXT));
                    }
                    if (edit) {
                        held = std::make_unique<LockedFile>(blocked);
                        PageThroughStep()(d);
                    }
                    return;
                }
                held.reset();
                EXPECT_EQ(before, ReadBytes(blocked));
                EXPECT_TRUE(ExpectSheet(d, previousId, {3, "Dokončit", true}));
                EXPECT_EQ(d.GetDlgItem(IDC_QUESTION).m_hWnd, GetFocus());
                EXPECT_TRUE(ExpectShown(d, edit ? storedLast : typed[2], edit ? 0 : 3));
                EXPECT_TRUE(Click(d, previousId));
                EXPECT_TRUE(Click(d, previousId));
                EXPECT_TRUE(ExpectShown(d, typed[0], 1));
                if (!finish) {
                    EXPECT_TRUE(Click(d, IDCANCEL));
                    return;
                }
                if (!edit)
                    RemoveTree(blocked);
                PageThroughStep()(d);
            };
            if (edit) {
                Drive({{IDD_EDIT_SELECT, PickStep(name)}, {IDD_EDIT_QUESTIONS, sheet}});
                EditTestWorkflow(panel);
            } else {
                Drive({{IDD_NEW_TEST, NameStep(name, "3")}, {IDD_CREATE_QUESTIONS, sheet}});
                NewTestWorkflow(panel);
            }
            EXPECT_EQ(2, runs);
            ASSERT_EQ(2u, boxes.Shown().size());
            const char* cause =
                edit ? "Přístup k souboru %s byl odepřen." : "Cesta k souboru %s je neplatná.";
            EXPECT_EQ(Formatted(cause, TestFileOf(name)), boxes.Shown()[0].shownText);
            const char* success = edit ? "Test byl uložen!" : "Test byl úspěšně vytvořen!";
            const char* question =
                edit ? "Opravdu chcete ukončit editaci testu?" : "Opravdu chcete ukončit tvorbu testu?";
            EXPECT_STREQ(finish ? success : question, boxes.Shown()[1].text);
            std::vector<QuestionRecord> saved = {MakeRecord(1, {typed[0].begin(), typed[0].end()}),
                                                 MakeRecord(2, {typed[1].begin(), typed[1].end()}),
                                                 MakeRecord(3, {typed[2].begin(), typed[2].end()})};
            if (edit) {
                saved[1] = MakeRecord(3, {"Žluťoučký kůň úpěl ďábelské ódy", "ě", "š", "č", "ř"});
                saved[2] = MakeRecord(0, {full, "", "a b", "", "Čtvrtá"});
            }
            if (finish) {
                EXPECT_EQ(FileOf(saved), ReadBytes(TestFileOf(name)));
            } else if (edit) {
                EXPECT_EQ(StoredTest(), ReadBytes(TestFileOf(name)));
            } else {
                EXPECT_FALSE(Exists(TestFileOf(name)));
            }
            if (edit || finish) {
                EXPECT_EQ(std::vector<std::wstring>{ToWide(name + ".tst")}, FolderEntries(Folder()))
                    << "no temporary file left";
            }
            RemoveTree(Folder());
        }
    }
}

TEST_F(Workflow, EditingWithNoTestFolderShowsOnlyThePickersMessage) {
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    CDialog::SetTestScript(
        [](CDialog& d) { ADD_FAILURE() << "dialog " << d.GetTemplateId() << " became usable"; });
    EditTestWorkflow(panel);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Nebyl nalezen žádný dostupný test!", boxes.Shown()[0].text);
    EXPECT_FALSE(Exists(Folder()));
}

// The count limit is the name dialog's: a test that another program wrote with more questions
// still opens for editing.
TEST_F(Workflow, ATestWithMoreQuestionsThanANewOneMayHaveStillOpens) {
    Bytes big;
    PutInt(big, 50001);
    for (int i = 0; i < 50001; ++i)
        PutQuestion(big, MakeRecord(i % 4, {i == 50000 ? "poslední" : "", "", "", "", ""}));
    WriteTest("Velký", big);
    MessageBoxScript boxes;
    boxes.Then(IDYES);
    const Script sheet = [](CDialog& d) {
        auto& edit = static_cast<CEditQuestionsDlg&>(d);
        EXPECT_EQ(50001, edit.m_count);
        EXPECT_STREQ("poslední", edit.m_questions[50000].text[FieldQuestion]);
        EXPECT_TRUE(Click(d, IDC_NEXT));
        EXPECT_TRUE(ExpectShown(d, {"", "", "", "", ""}, 1));
        EXPECT_TRUE(Click(d, IDCANCEL));
    };
    Drive({{IDD_EDIT_SELECT, PickStep("Velký")}, {IDD_EDIT_QUESTIONS, sheet}});
    EditTestWorkflow(panel);
    EXPECT_EQ(big, ReadBytes(TestFileOf("Velký")));
}
} // namespace
