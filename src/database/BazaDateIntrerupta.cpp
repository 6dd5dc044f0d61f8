#include "database/BazaDateIntrerupta.h"

#include <sys/stat.h>

#include <cstdio>

#include "database/RescriereBazaDate.h"
#include "fileutil/BlocareFisier.h"
#include "fileutil/FileUtil.h"
#include "settings/Directoare.h"
#include "suite/CatalogFile.h"
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

}  // namespace

int OferaRestaurareBazaDate(Fereastra owner) {
    if (path_sticle.empty()) return 0;
    const std::string baza = CaleBazaDate(path_sticle);
    if (Exista(baza)) return 0;
    const std::string arhiva = ArhivaCeaMaiNoua(baza);
    if (arhiva.empty()) return 0;
    char text[2000];
    std::snprintf(text, sizeof text,
                  "Fisierul %s lipseste, dar exista %s.\nO rescriere a bazei de date a fost probabil "
                  "intrerupta.\nRestaurati copia arhiva cea mai noua, %s?",
                  baza.c_str(), Restante(arhiva).c_str(), arhiva.c_str());
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
    const std::string arhiva = ArhivaCeaMaiNoua(baza);
    if (arhiva.empty()) {
        std::snprintf(text, sizeof text, "Nu exista nicio copie arhiva a fisierului %s.", baza.c_str());
        MesajBox(owner, text, "ATENTIE!", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    return RestaureazaArhiva(arhiva, baza);
}

}  // namespace vitramor
