#pragma once
// The questions an operation asks while it runs: keep the stored glass or
// take the new one, replace a file, go on after a fault. An operation is
// given the Intrebari it asks through, so the same code asks in a box on
// the desktop, answers by --yes/--no on the command line and follows a
// script in a test. The platform is one; a test may hand in its own.

#include <string>
#include <vector>

namespace vitramor {

// An owner window as the logic sees it: opaque. The Qt implementation reads
// it as a QWidget*, the others ignore it.
using Fereastra = void*;

// Message-box style bits and results keep their Win32 numbers: callers and
// tests speak of "style 36" and "result 6" exactly as the message tables do.
namespace stil {
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONHAND = 0x10;  // also MB_ICONERROR
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;  // also MB_ICONWARNING
inline constexpr unsigned MB_ICONASTERISK = 0x40;     // also MB_ICONINFORMATION
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;  // the second button is the default: No for the delete questions
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;  // the third: Cancel of a Yes/No/Cancel question
inline constexpr unsigned MaskButoane = 0xF;
// Not a Win32 style: a Yes/No (or Yes/No/Cancel) question that one answer
// settles for a whole run, with "Yes to all" and "No to all" beside Yes and
// No. A catalogue of thousands of glasses asks once, not once per glass.
inline constexpr unsigned MB_PENTRUTOATE = 0x10000000;
inline constexpr unsigned MaskIcon = 0xF0;
}  // namespace stil

namespace raspuns {
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
// The answers of an MB_PENTRUTOATE question beyond Win32's own.
inline constexpr int IDDA_TOATE = 20;
inline constexpr int IDNU_TOATE = 21;
}  // namespace raspuns

class Intrebari {
public:
    virtual ~Intrebari() = default;

    // A question with the buttons and icon of a message box style (Yes/No,
    // OK/Cancel, Yes/No/Cancel, MB_PENTRUTOATE); returns the raspuns code.
    virtual int intreaba(Fereastra owner, const std::string& text, const std::string& titlu, unsigned stilBox) = 0;
    // A numbered question of the message tables, with its text.
    virtual int intreabaNumerotat(Fereastra owner, int numar, const std::string& text, unsigned stilBox) = 0;
    // A choice of button texts; returns the index of the answer, -1 for Cancel.
    // `da` and `nu` are the answers --yes and --no stand for, `implicit` the default.
    virtual int intreabaOptiuni(Fereastra owner, const std::string& text, const std::string& titlu,
                                const std::vector<std::string>& optiuni, int da, int nu, int implicit) = 0;
    // A numbered question that only offers to open a file or a window for
    // viewing; the command line answers it No without asking.
    virtual int intreabaVizualizare(Fereastra owner, int numar, const std::string& text, unsigned stilBox) = 0;
};

}  // namespace vitramor
