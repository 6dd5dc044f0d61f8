#include "platform/PlatformaConsola.h"

#include <unistd.h>

#include <cctype>
#include <string>

#include "record/CodificareText.h"

namespace vitramor {

using namespace stil;
using namespace raspuns;

namespace {

// The answer that "--yes" and "--no" stand for with each button set.
// --yes and --no answer a question for all once for the whole run.
int raspunsPozitiv(unsigned style) {
    return (style & MB_PENTRUTOATE) ? IDDA_TOATE : (style & MaskButoane) == MB_OKCANCEL ? IDOK : IDYES;
}
int raspunsNegativ(unsigned style) {
    return (style & MB_PENTRUTOATE) ? IDNU_TOATE : (style & MaskButoane) == MB_OKCANCEL ? IDCANCEL : IDNO;
}

}  // namespace

PlatformaConsola::PlatformaConsola(std::unique_ptr<DepozitSetari> setari, Raspuns mod, std::FILE* err, std::FILE* in)
    : setari_(std::move(setari)), mod_(mod), err_(err), in_(in) {}

int PlatformaConsola::messageBox(Fereastra, const std::string& text, const std::string& caption, unsigned style) {
    const std::string linie = caption.empty() ? text : caption + ": " + text;
    return intreaba(linie, style);
}

int PlatformaConsola::mesajNumerotat(Fereastra, int numar, const std::string& text, unsigned style) {
    return intreaba("message " + std::to_string(numar) + ": " + text, style);
}

int PlatformaConsola::intreaba(const std::string& text, unsigned style) {
    // A record's name in a message is Windows-1252; the terminal reads UTF-8.
    const std::string linie = utf8_ ? Utf8DinMesaj(text) : text;
    std::fprintf(err_, "%s\n", linie.c_str());
    const unsigned butoane = style & MaskButoane;
    if (butoane == MB_OK) {
        std::fflush(err_);
        return IDOK;
    }
    if (mod_ == Raspuns::Da) return raspunsPozitiv(style);
    if (mod_ == Raspuns::Nu) return raspunsNegativ(style);
    if (!in_ || !isatty(fileno(in_))) {
        std::fflush(err_);
        throw IntrebareFaraRaspuns(linie);
    }
    const bool toate = style & MB_PENTRUTOATE;
    const char* alegeri = butoane == MB_OKCANCEL ? "[o]k/[c]ancel"
                          : toate                ? (butoane == MB_YESNOCANCEL
                                                        ? "[y]es/yes to [a]ll/[n]o/n[o] to all/[c]ancel"
                                                        : "[y]es/yes to [a]ll/[n]o/n[o] to all")
                          : butoane == MB_YESNOCANCEL ? "[y]es/[n]o/[c]ancel"
                                                      : "[y]es/[n]o";
    for (;;) {
        std::fprintf(err_, "%s? ", alegeri);
        std::fflush(err_);
        char buf[64];
        if (!std::fgets(buf, sizeof buf, in_)) throw IntrebareFaraRaspuns(linie);
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(buf[0])));
        if (butoane == MB_OKCANCEL) {
            if (c == 'o') return IDOK;
            if (c == 'c') return IDCANCEL;
        } else {
            if (c == 'y' || c == 'd') return IDYES;
            if (c == 'n') return IDNO;
            if (toate && c == 'a') return IDDA_TOATE;
            if (toate && c == 'o') return IDNU_TOATE;
            if (c == 'c' && butoane == MB_YESNOCANCEL) return IDCANCEL;
        }
    }
}

int PlatformaConsola::intrebareVizualizare(Fereastra, int numar, const std::string& text, unsigned style) {
    std::fprintf(err_, "message %d: %s\n", numar, text.c_str());
    return raspunsNegativ(style);
}

// The command line has no choosers: every file is named on it. A chooser
// reached from the logic counts as a question nobody can answer.
std::optional<FisierAles> PlatformaConsola::alegeFisierDeschidere(Fereastra, const CerereAlegereFisier& c) {
    throw IntrebareFaraRaspuns("a file must be chosen: " + c.titlu);
}

std::optional<FisierAles> PlatformaConsola::alegeFisierSalvare(Fereastra, const CerereAlegereFisier& c) {
    throw IntrebareFaraRaspuns("a file must be chosen: " + c.titlu);
}

std::optional<std::string> PlatformaConsola::alegeDirector(Fereastra, const std::string& titlu, const std::string&) {
    throw IntrebareFaraRaspuns("a directory must be chosen: " + titlu);
}

// Documents are not opened from the command line; report success so that
// callers treat the export itself as done.
int PlatformaConsola::deschideDocument(const std::string&, const std::string&, const std::string&) { return 33; }

}  // namespace vitramor
