#pragma once
// A test on paper, as a Word document (.docx, WordprocessingML in a ZIP): the question sheet of
// each group on pages of its own, then the teacher's key and the grading table that turns a count
// of right answers into the rate and the verdict the results window shows. It is written as Word
// wants it (the schema's order of elements, compatibility mode 15), since LibreOffice forgives
// what Word would repair; the teacher can still edit it, and a font changed in the Normal style
// changes it everywhere.

#include "convert/formats/Format.h"

#include <cstdint>
#include <vector>

class WordDocument {
public:
    static constexpr int kMostGroups = 6;

    // The numbers of right answers the grading table has a row for, from all right down to none:
    // every one up to 100 questions; above, only where the verdict or the colour changes (the
    // fewest right answers that reach each band and 50 %), with all right and none among them.
    static std::vector<int32_t> GradingRows(int32_t count);
};

// .docx: written only, from a test.
extern const Format kWordDocumentFormat;
