#include "database/EditorProducatori.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "suite/Vedora.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

using namespace stil;

constexpr int MesajValoareIncorecta = 10;
constexpr int MesajInAfaraDomeniului = 38;
constexpr int MesajProducatorModificat = 205;
constexpr int MesajCodProducatorMare = 216;

constexpr unsigned StilIntrebare = MB_YESNO | MB_ICONQUESTION;
constexpr unsigned StilAvertisment = MB_OK | MB_ICONEXCLAMATION;

constexpr long long CodMaximCamp = 0xFFFF;  // the code is a 16-bit field

template <std::size_t N>
std::string TextDinCamp(const char (&camp)[N]) {
    return std::string(camp, strnlen(camp, N));
}

}  // namespace

int CodDinLinieProducator(const std::string& linie) {
    const std::string_view camp = std::string_view(linie).substr(0, linie.find('\t'));
    const std::optional<long long> cod = NumarIntreg(camp, 0, CodMaximCamp);
    return cod ? static_cast<int>(*cod) : -1;
}

EditorProducatori::EditorProducatori(Intrebari& intrebari, Fereastra owner, std::string directorSticle)
    : intrebari_(intrebari), owner_(owner), directorSticle_(std::move(directorSticle)) {}

int EditorProducatori::umpleLista() {
    int index = 0;
    tag_ProducatorMatOptic deLucru = intrare_;
    const int ok = IncarcaProducatoriSticla(owner_, directorSticle_, ListeazaProducatori, index, codMaxim_, deLucru,
                                            &linii_);
    if (ok != 1) linii_.clear();
    if (randSelectat_ >= static_cast<int>(linii_.size())) randSelectat_ = -1;
    return ok;
}

std::string EditorProducatori::linieIntrare() const {
    return TextFormatat("%2d\t%s\t%s", intrare_.cod, TextDinCamp(intrare_.nume).c_str(),
                        TextDinCamp(intrare_.director).c_str());
}

int EditorProducatori::randCuInceputul(const std::string& linie) const {
    for (std::size_t i = 0; i < linii_.size(); ++i)
        if (linii_[i].starts_with(linie)) return static_cast<int>(i);
    return -1;
}

bool EditorProducatori::oferaSalvarea() {
    if (!modificata_) return true;
    if (IntrebareNumarul(intrebari_, owner_, StilIntrebare, MesajProducatorModificat) != raspuns::IDYES) {
        modificata_ = false;  // the user let the changes go
        return true;
    }
    if (!stocheaza()) return false;
    umpleLista();
    return true;
}

int EditorProducatori::stocheaza() {
    if (TextDinCamp(intrare_.nume).empty()) {
        // A nameless entry would blank the name every list shows for its code.
        MesajNumarul(owner_, StilAvertisment, MesajValoareIncorecta);
        return 0;
    }
    int index = 0;
    tag_ProducatorMatOptic deLucru = intrare_;
    if (IncarcaProducatoriSticla(owner_, directorSticle_, SalveazaProducator, index, codMaxim_, deLucru, nullptr) != 1)
        return 0;
    intrare_ = deLucru;
    modificata_ = false;
    return 1;
}

int EditorProducatori::incarcaCod(int cod) {
    int index = 0;
    tag_ProducatorMatOptic deLucru{};
    deLucru.cod = static_cast<std::uint16_t>(cod);
    if (IncarcaProducatoriSticla(owner_, directorSticle_, IncarcaProducator, index, codMaxim_, deLucru, nullptr) != 1)
        return 0;
    intrare_ = deLucru;
    modificata_ = false;
    randSelectat_ = randCuInceputul(linieIntrare());
    return 1;
}

int EditorProducatori::selecteazaRand(int rand) {
    if (rand < 0 || rand >= static_cast<int>(linii_.size())) return 0;
    // The code is read before a store may refill the list under the row.
    const int cod = CodDinLinieProducator(linii_[static_cast<std::size_t>(rand)]);
    if (!oferaSalvarea()) return 0;
    if (cod < 0) return 0;
    return incarcaCod(cod);
}

void EditorProducatori::preiaNume(const std::string& text) {
    CopiazaInCamp(intrare_.nume, text);
    modificata_ = true;
}

void EditorProducatori::preiaDirector(const std::string& text) {
    CopiazaInCamp(intrare_.director, text);
    modificata_ = true;
}

bool EditorProducatori::preiaCod(const std::string& text) {
    const std::optional<long long> cod = NumarIntreg(text, 1, CodMaximCamp);
    if (!cod) {
        MesajNumarul(owner_, StilAvertisment, MesajValoareIncorecta);
        return false;
    }
    intrare_.cod = static_cast<std::uint16_t>(*cod);
    modificata_ = true;
    return true;
}

int EditorProducatori::creeazaNou() {
    if (!oferaSalvarea()) return 0;
    const long cod = static_cast<long>(codMaxim_) + 1;
    if (cod > CodMaximProducatorNou) {
        if (IntrebareNumarul(intrebari_, owner_, StilIntrebare, MesajCodProducatorMare) != raspuns::IDYES) return 0;
        if (cod > CodMaximCamp) {
            MesajNumarul(owner_, StilAvertisment, MesajInAfaraDomeniului);
            return 0;
        }
    }
    intrare_ = {};
    intrare_.cod = static_cast<std::uint16_t>(cod);
    CopiazaInCamp(intrare_.nume, "?");
    CopiazaInCamp(intrare_.director, directorSticle_);
    modificata_ = false;
    randSelectat_ = -1;
    return 1;
}

int EditorProducatori::include() {
    if (!stocheaza()) return 0;
    umpleLista();
    randSelectat_ = randCuInceputul(linieIntrare());
    return 1;
}

int EditorProducatori::sterge() {
    // The question names what goes; Enter alone keeps it.
    const std::string text = "Stergeti producatorul " + TextDinCamp(intrare_.nume) + " (cod " +
                             std::to_string(intrare_.cod) + ") din tabelul producatorilor?";
    if (intrebari_.intreaba(owner_, text, TitluEditorProducatori, StilIntrebare | MB_DEFBUTTON2) != raspuns::IDYES)
        return 0;
    int index = 0;
    tag_ProducatorMatOptic deLucru = intrare_;
    if (IncarcaProducatoriSticla(owner_, directorSticle_, StergeProducator, index, codMaxim_, deLucru, nullptr) != 1)
        return 0;
    modificata_ = false;
    randSelectat_ = -1;
    umpleLista();
    if (!linii_.empty()) {
        if (index >= static_cast<int>(linii_.size())) index = static_cast<int>(linii_.size()) - 1;
        const int cod = CodDinLinieProducator(linii_[static_cast<std::size_t>(index)]);
        if (cod >= 0) incarcaCod(cod);
    }
    return 1;
}

}  // namespace vitramor
