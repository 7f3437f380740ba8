#include "authoring/Cp1250Fields.h"

#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "platform/Wnd.h"
#include "res/resource.h"
#include "storage/Cp1250Check.h"

#include <vector>

namespace {
// Shows the field's misfit: focused, the character selected (a surrogate pair whole) and
// scrolled into view.
void SelectMisfit(CWnd field, const Cp1250Check::Misfit& misfit) {
    field.SetFocus();
    field.SendMessage(EM_SETSEL, misfit.index, misfit.index + misfit.length);
    field.SendMessage(EM_SCROLLCARET);
}
} // namespace

bool FieldsFitCp1250(CWnd& dialog, const int* fieldIds, size_t count) {
    std::vector<char32_t> characters;
    HWND firstField = nullptr;
    Cp1250Check::Misfit first = {};
    for (size_t i = 0; i < count; ++i) {
        const CWnd field = dialog.GetDlgItem(fieldIds[i]);
        const std::wstring text = field.GetWindowTextW();
        const auto misfits = Cp1250Check::Find(std::u16string(text.begin(), text.end()));
        if (!misfits.empty() && firstField == nullptr) {
            firstField = field.m_hWnd;
            first = misfits.front();
        }
        for (const Cp1250Check::Misfit& misfit : misfits)
            characters.push_back(misfit.character);
    }
    if (characters.empty())
        return true;
    CString title;
    title.LoadStringA(IDS_ERROR_TITLE);
    ShowMessageBox(dialog.m_hWnd, WideFromUtf8(Cp1250Check::Message(characters)), title, MB_OK | MB_ICONSTOP);
    // Only now: closing the box gives the focus back to the control that had it before.
    SelectMisfit(CWnd(firstField), first);
    return false;
}
