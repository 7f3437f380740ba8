#include "platform/Exception.h"

#include "platform/MessageBox.h"

#include <exception>
#include <new>

namespace {
const char kTitle[] = "Kvizar 2004";
}

int CException::ReportError(UINT type) const {
    return ShowMessageBox(GetActiveWindow(), GetErrorMessage(), kTitle, type);
}

void ReportEscapedException(HWND owner) noexcept {
    try {
        try {
            throw;
        } catch (const CUserException&) {
            // The user has been told already.
        } catch (const CException& e) {
            e.ReportError();
        } catch (const std::bad_alloc&) {
            ShowMessageBox(owner, "Nedostatek paměti. Operace byla ukončena.", kTitle, MB_OK | MB_ICONSTOP);
        } catch (...) {
            ShowMessageBox(owner, "Došlo k neočekávané chybě. Operace byla ukončena.", kTitle,
                           MB_OK | MB_ICONSTOP);
        }
    } catch (...) {
        // Reporting itself failed (no memory for the text): nothing more can be done here.
    }
}
