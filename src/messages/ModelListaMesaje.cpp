#include "messages/ModelListaMesaje.h"

#include <cerrno>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <new>
#include <optional>
#include <utility>

#include "database/FisierCatalog.h"
#include "fileutil/AlegereFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "suite/Vedora.h"

namespace vitramor {

using namespace stil;

namespace {

// A line may be reported from any thread before it is queued to the
// window, so the flag is read and written atomically.
std::atomic<bool> avertizariInAsteptare{false};

constexpr unsigned StilIntrebare = MB_YESNO | MB_ICONQUESTION;  // 36
constexpr unsigned StilAvertizare = MB_ICONEXCLAMATION;         // 48
constexpr unsigned StilInformatie = MB_ICONASTERISK;            // 64

bool existaFisier(const std::string& nume) {
    struct stat st {};
    return ::stat(nume.c_str(), &st) == 0;
}

}  // namespace

bool AvertizariInAsteptare() { return avertizariInAsteptare.load(); }
void SeteazaAvertizariInAsteptare(bool activ) { avertizariInAsteptare.store(activ); }

std::vector<int> InceputuriColoane(const std::vector<int>& latimiParti, int tabulator) {
    std::vector<int> inceputuri;
    if (latimiParti.empty()) return inceputuri;
    const int pas = std::max(tabulator, *std::max_element(latimiParti.begin(), latimiParti.end()));
    inceputuri.reserve(latimiParti.size());
    for (std::size_t i = 0; i < latimiParti.size(); ++i) inceputuri.push_back(static_cast<int>(i) * pas);
    return inceputuri;
}

int LatimeColoane(const std::vector<int>& latimiParti, int tabulator) {
    if (latimiParti.empty()) return 0;
    return InceputuriColoane(latimiParti, tabulator).back() + latimiParti.back();
}

const std::vector<ComandaListaMesaje>& ComenziListaMesaje() {
    static const std::vector<ComandaListaMesaje> comenzi{
        {comandaLista::AmCitit, "Am citit", false},
        {comandaLista::StergeMesaje, "Sterge mesaje", false},
        {comandaLista::CopiazaMesaj, "Copiaza mesaj", false},
        {comandaLista::SalveazaMesaje, "Salveaza mesaje", false},
        {comandaLista::PrintMesaje, "Print mesaje", false},
        {comandaLista::InsereazaLaInceput, "Insereaza la inceput", true},
        {comandaLista::InsereazaLaSfarsit, "Insereaza la sfarsit", false},
        {comandaLista::ArataDupaInserare, "Arata fereastra dupa inserare", false},
        {comandaLista::SetTabs, "Set tabs...", false},
    };
    return comenzi;
}

bool StareMeniuListaMesaje::activ(int id) const {
    switch (id) {
        case comandaLista::AmCitit: return amCitit;
        case comandaLista::StergeMesaje: return sterge;
        case comandaLista::CopiazaMesaj: return copiaza;
        case comandaLista::SalveazaMesaje: return salveaza;
        case comandaLista::PrintMesaje: return print;
        default: return true;
    }
}

bool StareMeniuListaMesaje::bifat(int id) const {
    switch (id) {
        case comandaLista::InsereazaLaInceput: return bifaInceput;
        case comandaLista::InsereazaLaSfarsit: return bifaSfarsit;
        case comandaLista::ArataDupaInserare: return bifaArata;
        default: return false;
    }
}

namespace {

std::string OraCurenta() {
    const std::time_t acum = std::time(nullptr);
    std::tm local{};
    localtime_r(&acum, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

}  // namespace

int ModelListaMesaje::adaugaLinie(const std::string& text, int nivel) {
    if (nivel > 0) SeteazaAvertizariInAsteptare(true);
    try {
        LinieMesaj l{text, nivel, OraCurenta()};
        const bool laSfarsit = inserareLaSfarsit();
        // A full list gives up its oldest line: the first one when new lines
        // go to the end, the last one when they go to the beginning.
        if (numarLinii() >= NumarMaximLiniiMesaje) sterge(laSfarsit ? 0 : numarLinii() - 1);

        const int index = laSfarsit ? numarLinii() : 0;
        if (notificari_) notificari_->inainteInserare(index);
        if (laSfarsit) {
            linii_.push_back(std::move(l));
        } else {
            linii_.push_front(std::move(l));
            if (ultimaAvertizare_ >= 0) ++ultimaAvertizare_;
            if (linieApasata_ >= 0) ++linieApasata_;
        }
        if (nivel > 0) ultimaAvertizare_ = index;
        if (notificari_) notificari_->dupaInserare();
        return 1;
    } catch (const std::bad_alloc&) {
        platforma().beep();
        return 0;
    }
}

void ModelListaMesaje::sterge(int index) {
    if (notificari_) notificari_->inainteStergere(index);
    linii_.erase(linii_.begin() + index);
    if (linieApasata_ == index) {
        linieApasata_ = -1;
    } else if (linieApasata_ > index) {
        --linieApasata_;
    }
    if (ultimaAvertizare_ == index) {
        cautaUltimaAvertizare();
    } else if (ultimaAvertizare_ > index) {
        --ultimaAvertizare_;
    }
    if (notificari_) notificari_->dupaStergere();
}

// The newest warning left: the lines keep their order of arrival from the
// insertion side inwards.
void ModelListaMesaje::cautaUltimaAvertizare() {
    ultimaAvertizare_ = -1;
    const int n = numarLinii();
    for (int k = 0; k < n; ++k) {
        const int i = inserareLaSfarsit() ? n - 1 - k : k;
        if (linii_[static_cast<std::size_t>(i)].nivel > 0) {
            ultimaAvertizare_ = i;
            return;
        }
    }
}

std::vector<std::string> ModelListaMesaje::texte() const {
    std::vector<std::string> r;
    r.reserve(linii_.size());
    for (const LinieMesaj& l : linii_) r.push_back(l.text);
    return r;
}

int ModelListaMesaje::seteazaTabulator(Fereastra owner, int valoare) {
    if (valoare < 1) {
        MesajNumarul(owner, StilAvertizare, 10);
        return 0;
    }
    tabulator_ = valoare;
    return 1;
}

void ModelListaMesaje::amCitit() {
    for (LinieMesaj& l : linii_) l.nivel = 0;
    ultimaAvertizare_ = -1;
    SeteazaAvertizariInAsteptare(false);
    if (notificari_) notificari_->niveleSchimbate();
}

int ModelListaMesaje::stergeMesaje(Fereastra owner) {
    if (existaAvertizariNecitite()) {
        MesajBox(owner, "Mai intai confirmati ca ati citit mesajele de averizare (cele cu rosu)", "", MB_OK);
        return 0;
    }
    if (notificari_) notificari_->inainteResetare();
    linii_.clear();
    linieApasata_ = -1;
    ultimaAvertizare_ = -1;
    if (notificari_) notificari_->dupaResetare();
    return 1;
}

int ModelListaMesaje::copiazaMesaj(Fereastra owner) {
    if (linieApasata_ < 0 || linieApasata_ >= numarLinii()) {
        MesajBox(owner, "Selectati un mesaj", "", MB_OK);
        return 0;
    }
    try {
        if (!platforma().scrieClipboard(linie(linieApasata_).text)) {
            MesajNumarul(owner, StilAvertizare, 362);
            return 0;
        }
    } catch (const std::bad_alloc&) {
        MesajNumarul(owner, StilAvertizare, 1);
        return 0;
    }
    return 1;
}

int ModelListaMesaje::salveazaMesaje(Intrebari& intrebari, Fereastra owner) {
    std::string director = DirectorCurent();
    std::string nume = NumeFisierMesaje;
    if (AlegeFisierSalvare(owner, tipfisier::Text, director, nume) != 0) return 0;

    if (!director.empty() && !ExistaDirector(director)) {
        MesajNumarul(owner, StilInformatie, 144);
        return 0;
    }
    const std::string cale = CaleInDirector(director, nume);
    if (existaFisier(cale) && IntrebareNumarul(intrebari, owner, StilIntrebare | MB_DEFBUTTON2, 947) == raspuns::IDNO)
        return 0;

    std::string text;
    for (const LinieMesaj& l : linii_) text += l.text + '\n';
    if (const RezultatOperatie r = ScrieFisierIntreg(cale, text); r.esuat()) {
        // A full disk shows up here; an older file of that name is kept.
        MesajBox(owner, r.motiv, nume, MB_OK | StilInformatie);
        return 0;
    }

    if (IntrebareNumarul(intrebari, owner, StilIntrebare, 568) != raspuns::IDNO)
        DeschideCuAplicatiaAsociata(owner, nume, "", director);
    return 1;
}

void ModelListaMesaje::insereazaLaInceput(Intrebari& intrebari, Fereastra owner) {
    if (!inserareLaSfarsit()) return;
    optiuni_ &= ~OptiuneInserareLaSfarsit;
    inverseaza(intrebari, owner);
}

void ModelListaMesaje::insereazaLaSfarsit(Intrebari& intrebari, Fereastra owner) {
    if (inserareLaSfarsit()) return;
    optiuni_ |= OptiuneInserareLaSfarsit;
    inverseaza(intrebari, owner);
}

// After a switch of the insertion side the newest lines would sit on the
// wrong side; reversing puts them back where new lines now arrive.
void ModelListaMesaje::inverseaza(Intrebari& intrebari, Fereastra owner) {
    const int n = numarLinii();
    if (n < 2) return;
    if (intrebari.intreaba(owner, "Inversati liniile din lista ?", "", StilIntrebare) == raspuns::IDNO) return;

    const bool toateGoale =
        std::all_of(linii_.begin(), linii_.end(), [](const LinieMesaj& l) { return l.text.empty(); });
    if (toateGoale) {
        MesajBox(owner, "Lungime linii text < 1", "", StilAvertizare);
        return;
    }
    if (notificari_) notificari_->inainteResetare();
    std::reverse(linii_.begin(), linii_.end());
    if (ultimaAvertizare_ >= 0) ultimaAvertizare_ = n - 1 - ultimaAvertizare_;
    if (linieApasata_ >= 0 && linieApasata_ < n) linieApasata_ = n - 1 - linieApasata_;
    if (notificari_) notificari_->dupaResetare();
}

StareMeniuListaMesaje ModelListaMesaje::stareMeniu() const {
    StareMeniuListaMesaje s;
    const bool areLinii = numarLinii() > 0;
    s.amCitit = areLinii && existaAvertizariNecitite();
    s.sterge = s.copiaza = s.salveaza = s.print = areLinii;
    s.bifaSfarsit = inserareLaSfarsit();
    s.bifaInceput = !inserareLaSfarsit();
    s.bifaArata = arataDupaInserare();
    return s;
}

int ModelListaMesaje::bataieTimer() {
    if (AvertizariInAsteptare()) platforma().beep();
    fazaClipire_ = !fazaClipire_;
    return ultimaAvertizare_;
}

bool ModelListaMesaje::poateFiInchisa(Fereastra owner) const {
    if (!existaAvertizariNecitite()) return true;
    MesajBox(owner, "Mai intai marcati ca citite mesajele noi", "ATENTIE !", MB_OK);
    return false;
}

}  // namespace vitramor
