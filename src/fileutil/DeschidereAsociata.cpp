// Opening a document or starting a program through the platform's file
// association, with the fixed texts of the shell-execution failures.

#include <cstdio>

#include "fileutil/UtilitatiFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

std::string TextEroareShellExecute(int cod) {
    switch (cod) {
        case 0: return "The operating system is out of memory or resources.";
        case 2: return "The specified file was not found.";
        case 3: return "The specified path was not found.";
        case 11: return "The .exe file is invalid (non-Microsoft Win32® .exe or error in .exe image).";
        case 5: return "The operating system denied access to the specified file.";
        case 27: return "The file name association is incomplete or invalid.";
        case 30:
            return "The Dynamic Data Exchange (DDE) transaction could not be completed because other DDE "
                   "transactions were being processed.";
        case 29: return "The DDE transaction failed.";
        case 28: return "The DDE transaction could not be completed because the request timed out.";
        case 32: return "The specified dynamic-link library (DLL) was not found.";
        case 31:
            return "There is no application associated with the given file name extension. This error will also "
                   "be returned if you attempt to print a file that is not printable.";
        case 8: return "There was not enough memory to complete the operation.";
        case 26: return "A sharing violation occurred.";
        default: break;
    }
    return TextFormatat("ShellExecute() - ErrorCode = %d necunoscut", cod);
}

int DeschideCuAplicatiaAsociata(Fereastra owner, const std::string& fisier, const std::string& parametri,
                                const std::string& directorLucru) {
    const int cod = platforma().deschideDocument(fisier, parametri, directorLucru);
    if (cod > 32) return 1;
    MesajBox(owner, TextEroareShellExecute(cod), fisier, MB_OK | MB_ICONEXCLAMATION);
    return 0;
}

}  // namespace vitramor
