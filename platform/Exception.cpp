#include "platform/Exception.h"

#include "platform/MessageBox.h"
#include "platform/ProgramMessages.h"
#include "platform/WinApp.h"
#include "platform/Wnd.h"

#include <exception>
#include <new>

int CException::ReportError(UINT type) const {
    return ShowMessageBox(CWnd::GetSafeOwner(), GetErrorMessage(), AfxGetAppName(), type);
}

void ReportEscapedException(HWND window) noexcept {
    const HWND owner = CWnd::GetSafeOwner(window);
    try {
        try {
            throw;
        } catch (const CUserException&) {
            // The user has been told already.
        } catch (const CException& e) {
            e.ReportError();
        } catch (const std::bad_alloc&) {
            ShowMessageBox(owner, ProgramMessages::kOutOfMemory.text, AfxGetAppName(), MB_OK | MB_ICONSTOP);
        } catch (...) {
            ShowMessageBox(owner, ProgramMessages::kUnexpectedError.text, AfxGetAppName(),
                           MB_OK | MB_ICONSTOP);
        }
    } catch (...) {
        // Reporting itself failed (no memory for the text): nothing more can be done here.
    }
}
