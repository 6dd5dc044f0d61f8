// File selection by numbered type and the explanation of chooser failures.

#include "fileutil/AlegereFisier.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace vitramor {

namespace {

// The rows this system asks for. The other applications of the suite have
// their own rows in their own tables; none of them is ever requested here.
constexpr std::array<TipFisier, 10> TabelTipuri{{
    {tipfisier::Director, "Cauta director (*.xxx )", "*.xxx", "xxx", "FisierFormal.xxx"},
    {tipfisier::Text, "Fisier text (*.txt)", "*.txt", "txt", nullptr},
    {tipfisier::CatalogSchott, "Catalog Schott (*.sch)", "*.sch", "sch", "allglass.sch"},
    {tipfisier::MaterialeOptice, "Fisier cu materiale optice (*.dat)", "*.dat", "dat", "sticle32.dat"},
    {tipfisier::Orice, "All file (*.*)", "*.*", nullptr, "*.*"},
    {tipfisier::Csv, "CSV (*.csv)", "*.csv", "CSV", nullptr},
    // The chooser appends only the first three characters of this text.
    {tipfisier::Asociere, "(*.aso)", "*.aso", "Asociere coloane Excel files (*.aso)", nullptr},
    {tipfisier::Agf, "Catalog AGF (*.agf)", "*.agf", "agf", nullptr},
    {tipfisier::Yml, "refractiveindex.info (*.yml)", "*.yml", "yml", nullptr},
    {tipfisier::ImaginePng, "Imagine PNG (*.png)", "*.png", "png", nullptr},
}};

constexpr const char* DescriereToate = "All Files (*.*)";
constexpr const char* ModelToate = "*.*";

// Filter descriptions and patterns live in 40-character slots.
constexpr std::size_t LungimeMaximaFiltru = 39;
// The chooser's buffer for the full path.
constexpr std::size_t LungimeBufferCale = 1024;
// Each explanation box holds at most this many characters.
constexpr std::size_t LungimeMaximaExplicatie = 259;
// The chooser appends at most this many characters of the default extension.
constexpr std::size_t LungimeExtensieAdaugata = 3;

std::string Taie(const std::string& s, std::size_t n) {
    if (s.size() <= n) return s;
    // Never cut inside a UTF-8 sequence.
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

bool EgaleFaraMajuscule(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// The extension the chooser adds to a name typed without one. On a
// case-insensitive file system "x.CSV" is found by "*.csv"; here it would
// not be, so an extension that is the pattern's own, apart from case, is
// spelled as the pattern spells it.
std::string ExtensieImplicita(const TipFisier& t) {
    if (!t.extensie) return {};
    std::string ext = Taie(t.extensie, LungimeExtensieAdaugata);
    const std::string model = t.model;
    if (model.size() > 2 && model.compare(0, 2, "*.") == 0 && EgaleFaraMajuscule(model.substr(2), ext))
        ext = model.substr(2);
    return ext;
}

// "C:\A\B\" and "C:\A\B" are the same directory; the callers join names with
// a separator of their own. The root keeps its only character.
std::string FaraSeparatorFinal(std::string d) {
    while (d.size() > 1 && (d.back() == '/' || d.back() == '\\')) d.pop_back();
    return d;
}

// What can go wrong after the platform's chooser returned. The Qt chooser
// has no failure of its own to report: a dialog that cannot be shown comes
// back like a cancel, so codes 1 to 12, 65535 and the printer and font codes
// never arise here. What remains possible is an answer the callers cannot
// use: an entry without a file name (12290) and a path longer than the
// chooser's 1024-character buffer, which this file system allows (12291).
unsigned VerificaAles(const FisierAles& ales) {
    if (ales.nume.empty() || ales.nume == "." || ales.nume == ".." ||
        ales.nume.find('/') != std::string::npos || ales.nume.find('\0') != std::string::npos)
        return codalegere::NumeInvalid;
    if (ales.director.size() + 1 + ales.nume.size() >= LungimeBufferCale) return codalegere::BufferPreMic;
    return codalegere::Anulat;
}

}  // namespace

const TipFisier* GasesteTipFisier(int tip) {
    for (const TipFisier& t : TabelTipuri) {
        if (t.tip == tip) return &t;
    }
    return nullptr;
}

CerereAlegereFisier CerereAlegere(bool salvare, int tip, const std::string& director,
                                  const std::string& numeFisier) {
    CerereAlegereFisier c;
    c.titlu = salvare ? "Salveaza fisier" : "Deschide fisier";
    c.directorInitial = director;
    c.numeInitial = numeFisier;
    c.filtruSelectat = 0;  // the first pair, as filter index 1 selects it
    c.trebuieSaExiste = true;
    if (const TipFisier* t = GasesteTipFisier(tip)) {
        c.filtre.push_back({Taie(t->descriere, LungimeMaximaFiltru), {Taie(t->model, LungimeMaximaFiltru)}});
        c.extensieImplicita = ExtensieImplicita(*t);
        if (t->numeInitial) c.numeInitial = t->numeInitial;
    }
    c.filtre.push_back({DescriereToate, {ModelToate}});
    return c;
}

int AlegeFisier(Fereastra owner, bool salvare, int tip, std::string& director, std::string& numeFisier) {
    const CerereAlegereFisier cerere = CerereAlegere(salvare, tip, director, numeFisier);
    const std::optional<FisierAles> ales = salvare ? platforma().alegeFisierSalvare(owner, cerere)
                                                   : platforma().alegeFisierDeschidere(owner, cerere);
    if (!ales) return -1;  // cancelled: nothing to explain
    const unsigned cod = VerificaAles(*ales);
    if (cod != codalegere::Anulat) {
        ExplicaEroareAlegereFisier(cod);
        return -1;
    }
    director = FaraSeparatorFinal(ales->director);
    numeFisier = ales->nume;
    return 0;
}

std::vector<std::string> TexteEroareAlegereFisier(unsigned cod) {
    std::vector<std::string> t;
    switch (cod) {
        case codalegere::Anulat: return t;
        case 1:
            t = {"The lStructSize member of the initialization structure for the corresponding common dialog box "
                 "is invalid."};
            break;
        case 2:
            t = {"The common dialog box function failed during initialization. This error often occurs when "
                 "sufficient memory is not available."};
            break;
        case 3:
            t = {"The ENABLETEMPLATE flag was set in the Flags member of the initialization structure for the "
                 "corresponding common dialog box, but you failed to provide a corresponding template."};
            break;
        case 4:
            t = {"The ENABLETEMPLATE flag was set in the Flags member of the initialization structure for the "
                 "corresponding common dialog box, but you failed to provide a corresponding instance handle."};
            break;
        case 5: t = {"The common dialog box function failed to load a specified string."}; break;
        case 6: t = {"The common dialog box function failed to find a specified resource"}; break;
        case 7: t = {"The common dialog box function failed to load a specified resource."}; break;
        case 8: t = {"The common dialog box function failed to lock a specified resource."}; break;
        case 9: t = {"The common dialog box function was unable to allocate memory for internal structures."}; break;
        case 10: t = {"The common dialog box function was unable to lock the memory associated with a handle."}; break;
        case 11:
            t = {"The ENABLEHOOK flag was set in the Flags member of the initialization structure for the "
                 "corresponding common dialog box, but you failed to provide a pointer to a corresponding hook "
                 "procedure."};
            break;
        case 12:
            t = {"The RegisterWindowMessage function returned an error code when it was called by the common "
                 "dialog box function."};
            break;
        case 4097: t = {"The PrintDlg function failed to load the required resources."}; break;
        case 4098:
            t = {"The PrintDlg function failed to parse the strings in the [devices] section of the WIN.INI file."};
            break;
        case 4099:
            t = {"The PD_RETURNDEFAULT flag was specified in the Flags member of the PRINTDLG structure, but the "
                 "hDevMode or hDevNames member was not NULL."};
            break;
        case 4100: t = {"The PrintDlg function failed to load the device driver for the specified printer."}; break;
        case 4101:
            t = {"The printer driver failed to initialize a DEVMODE structure. (This error code applies only to "
                 "printer drivers written for Windows versions 3.0 and later.)"};
            break;
        case 4102:
            t = {"The PrintDlg function failed during initialization, and there is no more specific extended error "
                 "code to describe the failure. This is the generic default error code for the function."};
            break;
        case 4103: t = {"No printer drivers were found."}; break;
        case 4104: t = {"A default printer does not exist."}; break;
        case 4105: t = {"The data in the DEVMODE and DEVNAMES structures describes two different printers."}; break;
        case 4106: t = {"The PrintDlg function failed when it attempted to create an information context."}; break;
        case 4107:
            t = {"The [devices] section of the WIN.INI file did not contain an entry for the requested printer."};
            break;
        case 4108:
            t = {"You called the PrintDlg function with the DN_DEFAULTPRN flag specified in the wDefault member of "
                 "the DEVNAMES structure, but the printer described by the other structure members did not match "
                 "the current default printer.",
                 "This error occurs when you store the DEVNAMES structure and the user changes the default printer "
                 "by using the Control Panel.",
                 "To use the printer described by the DEVNAMES structure, clear the DN_DEFAULTPRN flag and call "
                 "PrintDlg again.",
                 "To use the default printer, replace the DEVNAMES structure (and the DEVMODE structure, if one "
                 "exists) with NULL; and call PrintDlg again."};
            break;
        case 8193: t = {"No fonts exist."}; break;
        case 8194:
            t = {"The size specified in the nSizeMax member of the CHOOSEFONT structure is less than the size "
                 "specified in the nSizeMin member."};
            break;
        case 12289:
            t = {"An attempt to subclass a list box failed because sufficient memory was not available."};
            break;
        case codalegere::NumeInvalid: t = {"A filename is invalid."}; break;
        case codalegere::BufferPreMic:
            t = {"The buffer pointed to by the lpstrFile member of the OPENFILENAME structure is too small for the "
                 "filename specified by the user.",
                 "The first two bytes of the lpstrFile buffer contain an integer value specifying the size, in "
                 "bytes (ANSI version) or characters (Unicode version), required to receive the full name."};
            break;
        case 16385: t = {"A member of the FINDREPLACE structure points to an invalid buffer."}; break;
        case codalegere::DialogNecreat:
            t = {"The dialog box could not be created. The common dialog box function\u2019s call to the DialogBox "
                 "function failed. For example, this error occurs if the common dialog box call specifies an "
                 "invalid window handle."};
            break;
        default: {
            char text[64];
            std::snprintf(text, sizeof text, "Cod eroare %u necunoscut", cod);
            t = {text};
            break;
        }
    }
    for (std::string& s : t) s = Taie(s, LungimeMaximaExplicatie);
    return t;
}

void ExplicaEroareAlegereFisier(unsigned cod) {
    const std::vector<std::string> texte = TexteEroareAlegereFisier(cod);
    if (texte.empty()) return;
    platforma().beep();
    // The failure belongs to no window of the caller's: a null owner lets
    // the platform put the boxes over whichever window is active.
    for (const std::string& t : texte) MesajBox(nullptr, t, "", stil::MB_OK);
}

}  // namespace vitramor
