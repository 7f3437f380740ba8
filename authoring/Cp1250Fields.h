#pragma once
// Text typed or pasted into a dialog's fields is checked before the dialog takes it: the program
// stores Windows-1250, and a character that code page cannot hold would otherwise be stored as '?'
// without a word.

#include <cstddef>

class CWnd;

// True when the fields (IDs in tab order) hold only characters Windows-1250 has. Otherwise one box
// owned by the dialog names every such character, and the first field that holds one takes the
// focus with that character selected; the caller then takes nothing.
bool FieldsFitCp1250(CWnd& dialog, const int* fieldIds, size_t count);

template <size_t N> bool FieldsFitCp1250(CWnd& dialog, const int (&fieldIds)[N]) {
    return FieldsFitCp1250(dialog, fieldIds, N);
}
