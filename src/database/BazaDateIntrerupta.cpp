#include "database/BazaDateIntrerupta.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "database/RescriereBazaDate.h"
#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "database/FisierCatalog.h"
#include "database/Recuperare.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

bool Exista(const std::string& cale) {
    struct stat st {};
    return ::lstat(cale.c_str(), &st) == 0;
}

// The work files of rewrites that were left behind.
std::vector<std::string> LucruRamas(const std::string& director) {
    std::vector<std::string> ramase;
    for (const char* temp : {NumeFisierTemporarRescriere, NumeTemporarCatalog})
        if (const std::string cale = CaleAfisata(director, temp); Exista(cale)) ramase.push_back(cale);
    return ramase;
}

std::string Restante(const std::string& director, const std::string& arhiva) {
    std::string text = arhiva;
    for (const std::string& cale : LucruRamas(director)) text += ", " + cale;
    return text;
}

// Why an archive cannot stand in for the database, or empty when it can:
// only a regular file of whole records, read to its end, with at least one
// material in it. An empty copy would restore nothing, and a copy of the
// right length that holds no material name (blocks a crash left zero) only
// looks like a database.
std::string DeCeNu(const std::string& arhiva) {
    struct stat st {};
    if (::stat(arhiva.c_str(), &st) != 0) {
        if (errno == ENOENT) return "este o legatura catre un fisier care nu exista";
        return "nu se poate citi: " + TextEroareSistem(errno);
    }
    if (!S_ISREG(st.st_mode)) return "este " + DescriereNeobisnuit(arhiva);
    if (st.st_size == 0) return "este gol (0 octeti)";
    if (st.st_size % static_cast<off_t>(MarimeMaterialOptic) != 0)
        return TextFormatat("are %lld octeti, care nu fac un numar intreg de inregistrari",
                            static_cast<long long>(st.st_size));
    FisierDeschis f;
    if (DeschideFisierObisnuit(arhiva, "rb", f.f).esuat()) return "nu se poate citi: " + TextEroareSistem(errno);
    bool areMaterial = false;
    const ParcurgereFisier r = ParcurgeMateriale(
        f.f, [&](const MaterialOptic& m, std::size_t) { areMaterial = areMaterial || NumeMaterialCurat(m.nume); });
    if (r.cod != 0) return "nu se poate citi: " + TextEroareSistem(r.cod);
    if (!areMaterial) return "nu contine niciun material (nicio inregistrare cu nume valid)";
    return {};
}

// Older versions removed the database instead of leaving it empty when its
// last materials were deleted. Such a deletion is on record: the newest
// entries of the recovery file are one deletion's, written after the newest
// archive's content, and they are that archive's records, every one of them
// in its order. The archive is then the state before a deletion the user
// wanted, not a rewrite to finish.
bool StergereIncheiata(const std::string& director, const std::string& arhiva) {
    if (!LucruRamas(director).empty()) return false;
    struct stat st {};
    if (::stat(arhiva.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::vector<IntrareRecuperare> intrari;
    std::string motiv;
    if (!CitesteRecuperare(director, intrari, motiv)) return false;
    const auto n = static_cast<std::size_t>(st.st_size) / MarimeMaterialOptic;
    if (n == 0 || intrari.size() < n || static_cast<off_t>(n * MarimeMaterialOptic) != st.st_size) return false;
    const IntrareRecuperare* primul = &intrari[intrari.size() - n];
    FisierDeschis f;
    if (DeschideFisierObisnuit(arhiva, "rb", f.f).esuat()) return false;
    bool aceleasi = primul->moment >= st.st_mtim.tv_sec;
    const ParcurgereFisier r = ParcurgeMateriale(f.f, [&](const MaterialOptic& m, std::size_t i) {
        if (i >= n) return void(aceleasi = false);  // grown since it was measured
        const IntrareRecuperare& e = primul[i];
        aceleasi = aceleasi && e.comanda != RecuperareSalvare && e.comanda == primul->comanda &&
                   e.moment == primul->moment && std::memcmp(&e.material, &m, sizeof m) == 0;
    });
    return aceleasi && r.cod == 0 && r.recorduri == n;
}

// The newest archive that can stand in for the database, or empty; `sarite`
// gets a line for each newer one passed over, with the reason.
std::string ArhivaBuna(const std::string& baza, std::string& sarite) {
    sarite.clear();
    for (const std::string& arhiva : ArhiveDeLaCeaMaiNoua(baza)) {
        const std::string motiv = DeCeNu(arhiva);
        if (motiv.empty()) return arhiva;
        sarite += "\n" + arhiva + " " + motiv + ";";
    }
    return {};
}

std::string TextSarite(const std::string& sarite) {
    return sarite.empty() ? std::string() : "Copii arhiva care nu se folosesc:" + sarite + "\n";
}

// The copy put in place; its records counted as new.
RezultatOperatie Restaureaza(const std::string& arhiva, const std::string& baza) {
    RezultatOperatie r = RestaureazaArhiva(arhiva, baza);
    if (r.esuat()) return r;
    struct stat st {};
    r.noi = ::stat(baza.c_str(), &st) == 0 ? static_cast<int>(st.st_size / MarimeMaterialOptic) : 0;
    return r;
}

}  // namespace

bool DeRaportat(const RezultatOperatie& r) { return r.stare != StareOperatie::NimicDeFacut || !r.motiv.empty(); }

RezultatOperatie OferaRestaurareBazaDate(Intrebari& intrebari, Fereastra owner, const std::string& directorSticle) {
    if (directorSticle.empty()) return RezultatOperatie::Nimic();
    const std::string baza = CaleBazaDate(directorSticle);
    if (Exista(baza)) return RezultatOperatie::Nimic();
    const std::vector<std::string> arhive = ArhiveDeLaCeaMaiNoua(baza);
    if (arhive.empty()) return RezultatOperatie::Nimic();
    if (StergereIncheiata(directorSticle, arhive.front())) {
        BlocareFisier blocare(baza, true);
        if (!blocare.ok()) return blocare.esec();
        if (Exista(baza)) return RezultatOperatie::Nimic();
        if (std::string motiv; CreazaFisierNou(baza, {}, motiv) != 0) return RezultatOperatie::Esec(std::move(motiv));
        return RezultatOperatie::Nimic(
            TextFormatat("Fisierul %s lipsea dupa stergerea ultimelor materiale (%s); s-a creat o baza de date "
                         "goala. Copiile arhiva au ramas.",
                         baza.c_str(), NumeFisierRecuperare));
    }
    std::string sarite;
    const std::string arhiva = ArhivaBuna(baza, sarite);
    if (arhiva.empty()) {
        std::string motiv = "Fisierul " + baza + " lipseste si nicio copie arhiva nu il poate inlocui.\n" + TextSarite(sarite);
        if (motiv.ends_with('\n')) motiv.pop_back();
        return RezultatOperatie::Esec(motiv);
    }
    const std::string text =
        TextFormatat("Fisierul %s lipseste, dar exista %s.\nO rescriere a bazei de date a fost probabil "
                     "intrerupta.\n%sRestaurati cea mai noua copie arhiva buna, %s?",
                     baza.c_str(), Restante(directorSticle, arhiva).c_str(), TextSarite(sarite).c_str(), arhiva.c_str());
    if (intrebari.intreaba(owner, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES)
        return RezultatOperatie::Anulare();
    BlocareFisier blocare(baza, true);
    if (!blocare.ok()) return blocare.esec();
    if (Exista(baza)) return RezultatOperatie::Nimic();
    return Restaureaza(arhiva, baza);
}

RezultatOperatie RestaureazaBazaDate(const std::string& directorSticle) {
    const std::string baza = CaleBazaDate(directorSticle);
    BlocareFisier blocare(baza, true);
    if (!blocare.ok()) return blocare.esec();
    if (Exista(baza)) return RezultatOperatie::Esec(TextFormatat("Fisierul %s exista; nu se restaureaza nimic.", baza.c_str()));
    std::string sarite;
    const std::string arhiva = ArhivaBuna(baza, sarite);
    if (arhiva.empty()) {
        std::string motiv = TextFormatat("Nu exista nicio copie arhiva buna a fisierului %s.", baza.c_str());
        if (!sarite.empty()) motiv += "\n" + TextSarite(sarite);
        if (motiv.ends_with('\n')) motiv.pop_back();
        return RezultatOperatie::Esec(std::move(motiv));
    }
    RezultatOperatie r = Restaureaza(arhiva, baza);
    if (!sarite.empty()) {
        std::string nota = TextSarite(sarite);
        if (nota.ends_with('\n')) nota.pop_back();
        r.note.push_back(std::move(nota));
    }
    return r;
}

}  // namespace vitramor
