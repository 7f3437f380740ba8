#include "platform/Dialog.h"
#include "platform/Exception.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"
#include "res/resource.h"
#include "tests/support/MessageBoxScript.h"
#include "tests/support/WindowTesting.h"

#include <gtest/gtest.h>

#include <new>

namespace {
const UINT kThrowFileError = WM_USER + 1;
const UINT kThrowOutOfMemory = WM_USER + 2;
const UINT kAnswer = WM_USER + 3;
const UINT kThrowUnknown = WM_USER + 4;

class TestFileError : public CException {
public:
    std::wstring GetErrorMessage() const override { return L"Soubor nebyl nalezen."; }
};

// A window whose handlers throw the way workflow handlers can.
class ThrowingWnd : public CWnd {
public:
    bool throwOnCreate = false;
    int clicks = 0;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            OnMessage(WM_CREATE, &ThrowingWnd::OnCreate),
            OnMessage(kThrowFileError, &ThrowingWnd::OnThrowFileError),
            OnMessage(kThrowOutOfMemory, &ThrowingWnd::OnThrowOutOfMemory),
            OnMessage(kThrowUnknown, &ThrowingWnd::OnThrowUnknown),
            OnMessage(kAnswer, &ThrowingWnd::OnAnswer),
            OnClicked(7, &ThrowingWnd::OnButton7),
        };
        static const MessageMap map = MakeMessageMap(CWnd::GetMessageMap(), entries);
        return &map;
    }

private:
    LRESULT OnCreate(WPARAM, LPARAM) {
        if (throwOnCreate)
            throw TestFileError();
        return Default();
    }
    LRESULT OnThrowFileError(WPARAM, LPARAM) { throw TestFileError(); }
    LRESULT OnThrowOutOfMemory(WPARAM, LPARAM) { throw std::bad_alloc(); }
    LRESULT OnThrowUnknown(WPARAM, LPARAM) { throw 42; }
    LRESULT OnAnswer(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    void OnButton7() { ++clicks; }
};

// A derived class's entry comes before its base's for the same message.
class DerivedWnd : public ThrowingWnd {
protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            OnMessage(kAnswer, &DerivedWnd::OnAnswerTwice),
        };
        static const MessageMap map = MakeMessageMap(ThrowingWnd::GetMessageMap(), entries);
        return &map;
    }

private:
    LRESULT OnAnswerTwice(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(2 * wParam); }
};

bool CreatePopup(CWnd& wnd) {
    return wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr);
}

TEST(ExceptionBoundary, AThrowingHandlerIsReportedAndTheWindowGoesOn) {
    ThrowingWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    MessageBoxScript boxes;
    boxes.Then(IDOK).Then(IDOK).Then(IDOK);

    EXPECT_EQ(0, wnd.SendMessage(kThrowFileError));
    EXPECT_EQ(0, wnd.SendMessage(kThrowOutOfMemory));
    EXPECT_EQ(0, wnd.SendMessage(kThrowUnknown));

    ASSERT_EQ(3u, boxes.Shown().size());
    EXPECT_STREQ("Soubor nebyl nalezen.", boxes.Shown()[0].text);
    EXPECT_STREQ("Nedostatek paměti. Operace byla ukončena.", boxes.Shown()[1].text);
    EXPECT_STREQ("Došlo k neočekávané chybě. Operace byla ukončena.", boxes.Shown()[2].text);
    EXPECT_EQ(wnd.m_hWnd, boxes.Shown()[1].owner);
    // Still alive and still dispatching.
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
    EXPECT_EQ(5, wnd.SendMessage(kAnswer, 2, 3));
}

// A file error is owned by the dialog open over the main window, else by the main window, so that
// neither takes input under the box: also when the user has switched to another program.
TEST(ExceptionBoundary, AFileErrorIsOwnedByTheMainWindowOrItsDialog) {
    ThrowingWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr));
    struct MainWindow {
        explicit MainWindow(CWnd* wnd) { AfxGetThread()->m_pMainWnd = wnd; }
        ~MainWindow() { AfxGetThread()->m_pMainWnd = nullptr; } // before it goes, or the loop would quit
    } asMain(&main);
    MessageBoxScript boxes;
    boxes.Then(IDOK).Then(IDOK);
    HWND dialog = nullptr;
    CDialog::SetTestScript([&dialog](CDialog& d) {
        dialog = d.m_hWnd;
        TestFileError().ReportError();
        d.SendMessage(WM_COMMAND, IDCANCEL);
    });
    CDialog(IDD_RUN_SELECT).DoModal();
    CDialog::SetTestScript(nullptr);
    {
        OtherThreadInFront other;
        ASSERT_EQ(nullptr, GetActiveWindow());
        TestFileError().ReportError();
    }
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ(dialog, boxes.Shown()[0].owner);
    EXPECT_EQ(main.m_hWnd, boxes.Shown()[1].owner);
}

TEST(ExceptionBoundary, AThrowingCreationFailsTheCreation) {
    ThrowingWnd wnd;
    wnd.throwOnCreate = true;
    MessageBoxScript boxes;
    boxes.Then(IDOK);
    EXPECT_FALSE(CreatePopup(wnd));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_STREQ("Soubor nebyl nalezen.", boxes.Shown()[0].text);
}

TEST(MessageMap, DerivedEntriesComeFirstAndCommandsGoByControlAndCode) {
    DerivedWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    EXPECT_EQ(8, wnd.SendMessage(kAnswer, 4, 100));

    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_DOUBLECLICKED), 0);
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), 0);
    EXPECT_EQ(1, wnd.clicks);

    // A message no table handles gets default processing.
    wnd.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"výchozí"));
    EXPECT_STREQ("výchozí", wnd.GetWindowTextA());
}

TEST(Window, DestroyingTheObjectDestroysItsWindowButNotACopysWindow) {
    HWND hwnd;
    {
        ThrowingWnd wnd;
        ASSERT_TRUE(CreatePopup(wnd));
        hwnd = wnd.m_hWnd;
        { CWnd copy(wnd); }
        EXPECT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
}
} // namespace
