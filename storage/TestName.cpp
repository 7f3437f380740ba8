#include "storage/TestName.h"

#include "platform/TemporaryFile.h"
#include "storage/TestFolder.h"

#include <windows.h>

#include <cctype>
#include <cstring>
#include <string>

namespace {
bool HasReservedCharacter(const CString& name) {
    for (const char* p = name; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c < 0x20 || std::strchr("\\/:*?\"<>|", c))
            return true;
    }
    return false;
}

// Windows opens a device, not a file, when the part before the first dot, trailing spaces
// dropped, is a device's name, whatever the extension.
bool IsDeviceName(const CString& name) {
    std::string base(name.GetString());
    base = base.substr(0, base.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    for (char& c : base)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (base == device)
            return true;
    }
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           std::isdigit(static_cast<unsigned char>(base[3]));
}
} // namespace

bool IsUsableTestName(const CString& name) {
    if (name.IsEmpty() || HasReservedCharacter(name) || IsDeviceName(name))
        return false;
    // A name may end in a full stop: "Kap. 3." is stored as "Kap. 3..tst", which ends in "tst".
    return CTemporaryFile::CanReplace(BuildTestPath(name));
}
