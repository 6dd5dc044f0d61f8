#include "export/ExportSubstrat.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <iterator>
#include <optional>

#include <cjson/cJSON.h>

#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"
#include "export/DocumentJson.h"
#include "export/FisierJson.h"
#include "fileutil/UtilitatiFisiere.h"
#include "messages/ListaMesaje.h"
#include "record/TextFormatat.h"
#include "suite/Vedora.h"

namespace vitramor {

using namespace stil;

namespace {

struct StergeArbore {
    void operator()(cJSON* c) const { cJSON_Delete(c); }
};
using Arbore = std::unique_ptr<cJSON, StergeArbore>;

// The material name of a list line, the text before its first tab. A line
// without a tab is no line of the catalogue library's: the line itself is
// the reason, and the pass ends.
bool NumeDinLinie(const std::string& linie, std::string& nume) {
    const std::size_t tab = linie.find('\t');
    if (tab == std::string::npos) return false;
    nume = linie.substr(0, tab);
    return true;
}

// The record of a name as the database holds it; the producer goes into the
// request as the list was chosen by it. The library tells why a search
// failed; the caller adds that the pass ended there.
bool CautaMaterial(const std::string& directorSticle, const std::string& nume, int producator, Fereastra owner,
                   MaterialOptic& m) {
    std::memset(&m, 0, sizeof m);
    CopiazaInCamp(m.nume, nume);
    m.producator = static_cast<std::uint16_t>(producator);
    return CautaMaterialOptic(directorSticle, m, owner, CautaOp) == 0;
}

std::string EroareCautare(const std::string& nume) { return "eroare cautare material " + nume; }

// The records of every name of the list lines, read in one pass. A name the
// pass did not find goes through the single search, which reports it.
class MaterialeLista {
public:
    MaterialeLista(Fereastra owner, const std::string& directorSticle, const std::vector<std::string>& linii,
                   Progres& progres)
        : director_(directorSticle) {
        std::vector<std::string> nume;
        nume.reserve(linii.size());
        for (const std::string& linie : linii) nume.push_back(linie.substr(0, linie.find('\t')));
        CautaMaterialeOptice(directorSticle, owner, nume, gasite_, progres);
    }
    // The record of line `i`, named `nume`; it stays in place for the life of the list.
    const MaterialOptic* cauta(std::size_t i, const std::string& nume, int producator, Fereastra owner) {
        if (!gasite_[i]) {
            MaterialOptic m;
            if (!CautaMaterial(director_, nume, producator, owner, m)) return nullptr;
            gasite_[i] = m;
        }
        return &*gasite_[i];
    }

private:
    std::string director_;
    MaterialeGasite gasite_;
};

bool ExistaDirectorMl(Intrebari& intrebari, const std::string& directorMl, std::string& motiv) {
    if (directorMl.empty()) {
        errno = ENOENT;
        motiv = platforma().textUltimaEroare();
        return false;
    }
    const RezultatOperatie r = CreazaDirector(intrebari, directorMl);
    if (r.esuat()) motiv = r.motiv;
    return r.stare == StareOperatie::Facut;
}

void AdaugaMotiv(std::string& motiv, const std::string& inca) { motiv += (motiv.empty() ? "" : "\n") + inca; }

bool EsteExecutabil(const std::string& cale) {
    struct stat st {};
    return ::stat(cale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(cale.c_str(), X_OK) == 0;
}

// A document that is there but empty, or that does not parse, was most
// likely cut short by a failed save; exporting into it would start a new
// document and bury the earlier one in its archive copy.
void OferaRestaurareDocument(Intrebari& intrebari, Fereastra owner, const std::string& director,
                             const std::string& fisier) {
    const std::string cale = director.empty() ? fisier : director + (director.back() == '/' ? "" : "/") + fisier;
    std::string text;
    {
        FisierDeschis f;
        // Nothing to offer; the export's own writing refuses what is no regular file.
        if (DeschideFisierObisnuit(cale, "rb", f.f).esuat()) return;
        char bloc[1 << 16];
        std::size_t n;
        while ((n = std::fread(bloc, 1, sizeof bloc, f.f)) > 0 && text.size() < (std::size_t{64} << 20))
            text.append(bloc, n);
    }
    cJSON* arbore = cJSON_ParseWithLength(text.data(), text.size());
    const bool intreg = arbore && (cJSON_IsObject(arbore) || cJSON_IsArray(arbore));
    cJSON_Delete(arbore);
    if (intreg) return;
    const std::string arhiva = ArhivaCeaMaiNoua(cale);
    if (arhiva.empty()) return;
    const std::string intrebare = "Documentul " + cale +
                                  " este gol sau incomplet (probabil o salvare esuata).\nDocumentul anterior se afla "
                                  "in copia arhiva " + arhiva + ".\nIl restaurati inainte de export?";
    if (intrebari.intreaba(owner, intrebare, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) == raspuns::IDYES) {
        const RezultatOperatie r = RestaureazaArhiva(arhiva, cale);
        MesajBox(nullptr, r.motiv, "ATENTIE!", MB_OK | (r.esuat() ? MB_ICONHAND : MB_ICONASTERISK));
    }
}

// What a JSON value is, for a message about a document that holds the
// wrong one.
std::string FelValoareJson(const cJSON* v) {
    if (cJSON_IsArray(v)) return TextFormatat("o lista [...] de %d elemente", cJSON_GetArraySize(v));
    if (cJSON_IsString(v)) return "un text";
    if (cJSON_IsNumber(v)) return "un numar";
    if (cJSON_IsBool(v)) return "o valoare true/false";
    if (cJSON_IsNull(v)) return "valoarea null";
    return "o valoare";
}

// The document the export adds to: the file's object, a new one when there
// is no file yet (the message list says so), or none, with the reason, when
// the file cannot be read or holds something else.
Arbore DocumentDeCompletat(const std::string& director, const std::string& fisier, std::string& motiv) {
    cJSON* incarcat = nullptr;
    std::uint64_t marime = 0;
    std::string mesaj;
    if (IncarcaInMemorieFisierJSON(director, fisier, incarcat, marime, mesaj)) {
        Arbore document(incarcat);
        if (cJSON_IsObject(incarcat)) return document;
        // Materials are members of an object; a file holding anything else
        // is not ours to add to, and is left as it is.
        motiv = "Documentul " + CaleAfisata(director, fisier) + " contine " + FelValoareJson(incarcat) +
                ", nu un obiect JSON cu materiale ({\"NUME\": {...}, ...}); materialele nu se pot adauga in el. "
                "Documentul a ramas neschimbat.";
        return nullptr;
    }
    if (marime != 0) {
        motiv = "Eroare IncarcaInMemorieFisierJSON()\n" + mesaj;
        return nullptr;
    }
    AfiseazaMesajInLista(mesaj, NivelInformatie);
    Arbore nou(cJSON_CreateObject());
    if (!nou) motiv = TextEroareNodJson(EroareJsonCreareObiect, "root");
    return nou;
}

}  // namespace

int IncarcaListaSticleSubstrat(Fereastra owner, const std::string& directorSticle, int producator,
                               const std::string& filtru, std::vector<std::string>& linii, std::string& motiv) {
    MaterialOptic cerere;
    std::memset(&cerere, 0, sizeof cerere);
    cerere.producator = static_cast<std::uint16_t>(producator);
    CopiazaInCamp(cerere.nume, filtru);
    tag_OptiuniCautareMaterial optiuni;
    std::memset(&optiuni, 0, sizeof optiuni);
    optiuni.cautaDupaProducator = 1;
    optiuni.idLista = IdListaSticleSubstrat;
    const int cod = CautaMaterialOpticCuOptiuni(directorSticle, cerere, owner, 0, optiuni, linii);
    if (cod != 0) motiv = TextFormatat("Eroare la incarcarea listei cu sticle, cod eroare: %d", cod);
    return cod;
}

RezultatExportSubstrat ExportaSticleSubstrat(Intrebari& intrebari, Fereastra owner,
                                             const DirectoareExportSubstrat& directoare,
                                             const std::vector<std::string>& linii, int producator, Progres& progres) {
    RezultatExportSubstrat r;
    if (!ExistaDirectorMl(intrebari, directoare.ml, r.motiv)) return r;
    if (linii.empty()) return r;
    const std::string& director = directoare.ml;
    const std::string fisier = NumeFisierExportSubstrat;

    OferaRestaurareDocument(intrebari, owner, director, fisier);
    Arbore document = DocumentDeCompletat(director, fisier, r.motiv);
    r.documentFolosit = document != nullptr;

    std::string ultimul;
    if (document) {
        r.trecereCompleta = true;
        MaterialeLista materiale(owner, directoare.sticle, linii, progres);
        // Stopped by the user during the pass: the document stays as it was.
        if (progres.anulat()) return r;
        DocumentMaterialeJson materialeDocument(document.get(), directoare.sticle);
        for (std::size_t i = 0; i < linii.size(); ++i) {
            std::string nume;
            if (!NumeDinLinie(linii[i], nume)) {
                r.motiv = linii[i];
                r.trecereCompleta = false;
                break;
            }
            ultimul = nume;
            const MaterialOptic* m = materiale.cauta(i, nume, producator, owner);
            if (!m) {
                r.motiv = EroareCautare(nume);
                r.trecereCompleta = false;
                break;
            }
            materialeDocument.propune(*m, fisier, &intrebari);
        }
        if (materialeDocument.adaugaPropuse() != 0) {
            AdaugaMotiv(r.motiv, materialeDocument.eroare());
            r.trecereCompleta = false;
        }

        cJSON* deSalvat = document.release();
        const RezultatOperatie salvare = SalveazaDateJsonInFisier(director, fisier, deSalvat, true);
        r.salvat = !salvare.esuat();
        if (!r.salvat)
            AdaugaMotiv(r.motiv, TextFormatat("Eroare salvat date %s ptr. materialul %s", "structura acoperire",
                                              ultimul.c_str()) +
                                     "\n" + salvare.motiv);
    }

    if (r.documentFolosit &&
        intrebari.intreabaVizualizare(owner, MesajDeschideExportul, ReturneazaMesajEroare({}, MesajDeschideExportul),
                                      MB_YESNO | MB_ICONQUESTION) == raspuns::IDYES)
        DeschideFisierExportat(owner, director, fisier);
    return r;
}

std::string LipsuriMaterialSubstrat(const MaterialOptic& m) {
    bool chimica = m.clasa_toxicitate != 0;
    for (std::uint16_t c : m.stabilitate_chimica) chimica = chimica || c != 0;
    // In the order of ValoriVerificateSubstrat, whose labels they are.
    const bool lipsa[] = {!(m.duritate_knoop > 0.0f),
                          !(m.modul_young > 0.0f),
                          !(m.raport_poisson > 0.0f),
                          !(m.duritate_abraziune > 0.0f),
                          !(m.caldura_specifica[0] > 0.0f),
                          !(m.conductibilitate_termica[0] > 0.0f),
                          !(m.dilatare[0] > 0.0f),
                          m.temperaturi[0] == 0,
                          !chimica};
    static_assert(sizeof lipsa / sizeof lipsa[0] == std::size(ValoriVerificateSubstrat));
    std::string lipsuri;
    for (std::size_t i = 0; i < std::size(lipsa); ++i)
        if (lipsa[i]) (lipsuri += ValoriVerificateSubstrat[i].eticheta) += '\t';
    return lipsuri;
}

std::size_t VerificaSticleSubstrat(Fereastra owner, const std::string& directorSticle, std::vector<std::string>& linii,
                                   int producator, std::string& motiv, Progres& progres) {
    platforma().cursorAsteptare(true);
    // What each listed material lacks is worked out during the one pass over
    // the database; the records themselves are not kept.
    std::vector<std::string> nume;
    nume.reserve(linii.size());
    for (const std::string& linie : linii) nume.push_back(linie.substr(0, linie.find('\t')));
    std::vector<std::optional<std::string>> lipsuri(linii.size());
    ParcurgeMaterialeOptice(directorSticle, owner, nume,
                            [&](std::size_t i, const MaterialOptic& m) { lipsuri[i] = LipsuriMaterialSubstrat(m); },
                            progres);
    if (progres.anulat()) {
        platforma().cursorAsteptare(false);
        return 0;
    }
    std::size_t verificate = 0;
    for (std::size_t i = 0; i < linii.size(); ++i) {
        std::string numeLinie;
        if (!NumeDinLinie(linii[i], numeLinie)) {
            motiv = linii[i];
            break;
        }
        if (!lipsuri[i]) {
            // Not found in the pass: the single search tells the user why.
            MaterialOptic m;
            if (!CautaMaterial(directorSticle, numeLinie, producator, nullptr, m)) {
                motiv = EroareCautare(numeLinie);
                break;
            }
            lipsuri[i] = LipsuriMaterialSubstrat(m);
        }
        if (!lipsuri[i]->empty()) linii[i] = numeLinie + "\t" + *lipsuri[i];
        ++verificate;
    }
    platforma().cursorAsteptare(false);
    return verificate;
}

std::string CautaEditorExtern() {
    const char* cale = std::getenv("PATH");
    if (!cale) return {};
    // The Windows name first, then the names the editor has where it is
    // packaged for this system.
    static constexpr const char* Nume[] = {"Notepad++.exe", "notepad++.exe", "notepad++", "notepad-plus-plus"};
    for (const char* nume : Nume) {
        const std::string lista = cale;
        std::size_t inceput = 0;
        while (inceput <= lista.size()) {
            std::size_t sfarsit = lista.find(':', inceput);
            if (sfarsit == std::string::npos) sfarsit = lista.size();
            const std::string director = lista.substr(inceput, sfarsit - inceput);
            if (!director.empty()) {
                const std::string candidat = director + (director.back() == '/' ? "" : "/") + nume;
                if (EsteExecutabil(candidat)) return candidat;
            }
            inceput = sfarsit + 1;
        }
    }
    return {};
}

int DeschideFisierExportat(Fereastra owner, const std::string& director, const std::string& numeFisier) {
    const std::string editor = CautaEditorExtern();
    if (!editor.empty()) {
        const std::string argument =
            numeFisier.find(' ') == std::string::npos ? numeFisier : "\"" + numeFisier + "\"";
        return DeschideCuAplicatiaAsociata(owner, editor, argument, director);
    }
    const std::string cale = director.empty() ? numeFisier : director + (director.back() == '/' ? "" : "/") + numeFisier;
    return DeschideCuAplicatiaAsociata(owner, cale, "", director);
}

}  // namespace vitramor
