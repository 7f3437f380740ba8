#include "tests/support/MessageBoxScript.h"

#include "platform/MessageBox.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace {
// A box's text for the assertions on program text: the program never converts a character that
// Windows-1250 lacks, but a box may name one (a path, a refused character), and here it reads '?'.
CString Readable(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, "?", nullptr);
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(1250, WC_NO_BEST_FIT_CHARS, text.data(), size, &narrow[0], needed, "?", nullptr);
    return CString(narrow.c_str());
}
} // namespace

MessageBoxScript::MessageBoxScript() {
    SetMessageBoxHook([this](HWND owner, const std::wstring& text, const CString& title, UINT type) {
        return Answer(owner, text, title, type);
    });
}

MessageBoxScript::~MessageBoxScript() {
    FailOnAnyMessageBox();
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " expected message box(es) never appeared";
}

MessageBoxScript& MessageBoxScript::Then(int button) {
    m_answers.push_back(button);
    return *this;
}

int MessageBoxScript::Answer(HWND owner, const std::wstring& text, const CString& title, UINT type) {
    m_shown.push_back({owner, Readable(text), text, title, type});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << m_shown.back().text.GetString() << "\"";
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void FailOnAnyMessageBox() {
    SetMessageBoxHook([](HWND, const std::wstring& text, const CString&, UINT type) {
        ADD_FAILURE() << "unexpected message box \"" << Readable(text).GetString() << "\"";
        return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
}

::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const CString& text, const char* title,
                                  UINT type) {
    return OneBox(boxes, ToWide(text), title, type);
}

::testing::AssertionResult OneBox(const MessageBoxScript& boxes, const std::wstring& text, const char* title,
                                  UINT type) {
    if (boxes.Shown().size() != 1)
        return ::testing::AssertionFailure() << boxes.Shown().size() << " message boxes instead of one";
    const ShownBox& box = boxes.Shown()[0];
    if (box.shownText != text || box.title != title || box.type != type)
        return ::testing::AssertionFailure() << "box \"" << box.text.GetString() << "\", \""
                                             << box.title.GetString() << "\", type " << box.type;
    return ::testing::AssertionSuccess();
}
