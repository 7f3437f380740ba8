#pragma once
// Why a file operation failed, and the program's one wording of it. Portable C++: the converter's
// native build says the same as the program.

#include <string>

struct FileCause {
    enum Cause { none, genericException, fileNotFound, badPath, accessDenied, sharingViolation, diskFull };

    // The Czech sentence for a cause, with the file's name in place of %s. Program text: the
    // Windows build stores it in Windows-1250, the native one in UTF-8, as each compiles literals.
    static std::string Describe(int cause, const std::string& fileName);
};
