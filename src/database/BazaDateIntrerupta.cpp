#include "database/BazaDateIntrerupta.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "database/RescriereBazaDate.h"
#include "fileutil/BlocareFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "settings/Directoare.h"
#include "suite/FisierCatalog.h"
#include "suite/Recuperare.h"

namespace vitramor {

using namespace stil;

namespace {

bool Exista(const std::string& cale) {
    struct stat st {};
    return ::lstat(cale.c_str(), &st) == 0;
}

std::string Restante(const std::string& arhiva) {
    std::string text = arhiva;
    for (const char* temp : {NumeFisierTemporarRescriere, NumeTemporarCatalog}) {
        const std::string cale = CaleAfisata(path_sticle, temp);
        if (Exista(cale)) text += ", " + cale;
    }
    return text;
}

// Why an archive cannot stand in for the database, or empty when it can:
// only a regular file of whole records that can be read.
std::string DeCeNu(const std::string& arhiva) {
    struct stat st {};
    if (::stat(arhiva.c_str(), &st) != 0) {
        if (errno == ENOENT) return "este o legatura catre un fisier care nu exista";
        return "nu se poate citi: " + TextEroareSistem(errno);
    }
    if (!S_ISREG(st.st_mode)) return "este " + DescriereNeobisnuit(arhiva);
    if (st.st_size % static_cast<off_t>(MarimeMaterialOptic) != 0)
        return TextFormatat("are %lld octeti, care nu fac un numar intreg de inregistrari",
                            static_cast<long long>(st.st_size));
    if (::access(arhiva.c_str(), R_OK) != 0) return "nu se poate citi: " + TextEroareSistem(errno);
    return {};
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

}  // namespace

int OferaRestaurareBazaDate(Fereastra owner) {
    if (path_sticle.empty()) return 0;
    const std::string baza = CaleBazaDate(path_sticle);
    if (Exista(baza)) return 0;
    std::string sarite;
    const std::string arhiva = ArhivaBuna(baza, sarite);
    if (arhiva.empty()) {
        if (!sarite.empty())
            MesajBox(owner,
                     "Fisierul " + baza + " lipseste si nicio copie arhiva nu il poate inlocui.\n" + TextSarite(sarite),
                     "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    char text[4000];
    std::snprintf(text, sizeof text,
                  "Fisierul %s lipseste, dar exista %s.\nO rescriere a bazei de date a fost probabil "
                  "intrerupta.\n%sRestaurati cea mai noua copie arhiva buna, %s?",
                  baza.c_str(), Restante(arhiva).c_str(), TextSarite(sarite).c_str(), arhiva.c_str());
    if (MesajBox(owner, text, "ATENTIE!", MB_YESNO | MB_ICONQUESTION) != raspuns::IDYES) return 0;
    BlocareFisier blocare(owner, baza, true);
    if (!blocare.ok() || Exista(baza)) return 0;
    return RestaureazaArhiva(arhiva, baza);
}

int RestaureazaBazaDate(Fereastra owner) {
    const std::string baza = CaleBazaDate(path_sticle);
    BlocareFisier blocare(owner, baza, true);
    if (!blocare.ok()) return 0;
    char text[1200];
    if (Exista(baza)) {
        std::snprintf(text, sizeof text, "Fisierul %s exista; nu se restaureaza nimic.", baza.c_str());
        MesajBox(owner, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    std::string sarite;
    const std::string arhiva = ArhivaBuna(baza, sarite);
    if (!sarite.empty()) MesajBox(owner, TextSarite(sarite), "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
    if (arhiva.empty()) {
        std::snprintf(text, sizeof text, "Nu exista nicio copie arhiva buna a fisierului %s.", baza.c_str());
        MesajBox(owner, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return RestaureazaArhiva(arhiva, baza);
}

}  // namespace vitramor
