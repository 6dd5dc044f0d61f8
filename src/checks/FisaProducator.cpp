// The producers' datasheets: one PDF per producer family below the glass
// directory, opened with whatever the desktop uses for PDF documents.

#include "checks/FisaProducator.h"

#include "fileutil/UtilitatiFisiere.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

// The Schott chemical-properties note serves every producer that has no
// catalogue document of its own in the collection.
constexpr FisaProducator FisaSchott{"SCHOTT", "tie-30_chemical_properties_of_optical_glass.pdf"};

// Message 0: a help button without anything behind it.
constexpr int MesajFaraFunctie = 0;

}  // namespace

std::optional<FisaProducator> FisaPentruProducator(int producator) {
    switch (producator) {
        case 3: return FisaProducator{"HOYA", "OpticalGlass.pdf"};
        case 6: return FisaProducator{"OHARA", "OHARA_CHIMIC.pdf"};
        case 8: return FisaProducator{"PILKINGTON", "opticalglasscatalogue.pdf"};
        case 11: return FisaProducator{"SUMITA", "glassdata.pdf"};
        case 1:
        case 2:
        case 4:
        case 5:
        case 7:
        case 9:
        case 10: return FisaSchott;
        default: return std::nullopt;
    }
}

std::string CaleFisaProducator(const std::string& directorSticle, int producator) {
    const auto fisa = FisaPentruProducator(producator);
    if (!fisa) return {};
    // A directory given with or without its final separator names the same
    // document. The whole path is a std::string, so a glass directory at the
    // 259-character limit still gets its separator; the file system decides
    // whether the longer path exists.
    std::string cale = directorSticle;
    if (!cale.empty() && cale.back() != '/') cale += '/';
    cale += fisa->folder;
    cale += '/';
    cale += fisa->document;
    return cale;
}

RezultatOperatie DeschideFisaProducator(Fereastra, const std::string& directorSticle, int producator) {
    const auto fisa = FisaPentruProducator(producator);
    // Producer 0 and the codes past the table have no datasheet: the
    // button has nothing behind it for such a material.
    if (!fisa) return RezultatOperatie::Esec(ReturneazaMesajEroare({}, MesajFaraFunctie));
    const std::string cale = CaleFisaProducator(directorSticle, producator);
    std::string folder = directorSticle;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    folder += fisa->folder;
    // The datasheets do not come with the program: say where this one goes.
    if (!ExistaFisier("", cale, false))
        return RezultatOperatie::Esec(std::string("Nu exista fisierul\n") + cale +
                                      "\n\nCopiati fisa producatorului (PDF) cu numele " + fisa->document +
                                      " in directorul " + folder + ", apoi apasati din nou Ajutor.");
    // A refusal of the desktop (no PDF viewer) is not reported: the user
    // sees that nothing opened, and the editor carries on as before.
    platforma().deschideDocument(cale, "", folder);
    return {};
}

}  // namespace vitramor
