#include "editors/IndiciWindow.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <cstdio>

#include "dispersion/ComenziDispersie.h"
#include "dispersion/EcuatieDispersie.h"
#include "dispersion/PotrivireEcuatieDialog.h"
#include "material/CelulaNumerica.h"
#include "material/LiniiSpectrale.h"
#include "record/SetLucru.h"
#include "suite/UnitatiDialog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

// The layout, in dialog units. The button row ends at 187, so the client
// area is 190 units tall rather than 180: the buttons are shown whole.
constexpr int Latime = 298, Inaltime = 190;
constexpr int PozitieX = 15, PozitieY = 23;
constexpr int LatimeLambda = 27, LatimeValoare = 43, InaltimeCelula = 9;
// The line label ("He-Ne" the widest) gets 19 units between wavelength and value.
constexpr int XLambda[3] = {5, 102, 199};
constexpr int XValoare[3] = {55, 152, 249};
constexpr int XEticheta[3] = {35, 132, 229};
constexpr int YPrimulRand = 16, PasRand = 11;
constexpr int YSlotSingur = 159;  // slot 13, alone under the first pair
constexpr int YButoane = 173, InaltimeButon = 14;
constexpr int SusPanou = 2, JosPanou = 170;

// Where a slot sits: its column pair and the top of its row.
struct Loc {
    int pereche;
    int y;
};

Loc locSlot(int s) {
    if (s < 13) return {0, YPrimulRand + PasRand * s};
    if (s == 13) return {0, YSlotSingur};
    if (s < 27) return {1, YPrimulRand + PasRand * (s - 14)};
    return {2, YPrimulRand + PasRand * (s - 27)};
}

constexpr const char* TitluInitDinEcuatie = "VITRAMOR V2.0";
constexpr const char* TitluAtentie = "ATTENTION !";
// Each question here is about erasing or replacing data: Enter alone answers No.
constexpr unsigned Intrebare = stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2;

DescriereEditor descriereIndici(int which) {
    DescriereEditor d;
    d.clasa = which == ColoanaN ? "EditIndiciClass" : "EditIndice_kClass";
    d.formatTitlu = which == ColoanaN ? "%s - Indici de refractie - n" : "%s - Indici de refractie - k";
    d.comanda = which == ColoanaN ? IdComandaIndiciN : IdComandaIndiciK;
    d.pozitie = {PozitieX, PozitieY};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

const double* valori(const MaterialOptic& m, int which) { return which == ColoanaK ? m.indice_k : m.indice_n; }

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FereastraIndici::FereastraIndici(int which, int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(which == ColoanaN ? TipEditor::IndiciN : TipEditor::IndiciK, indexMaterial, proprietar,
                           descriereIndici(which)),
      which_(which) {
    const QString litera = which_ == ColoanaN ? QStringLiteral("n") : QStringLiteral("k");
    seteazaZonaPanou(QRect(SusPanou, SusPanou, Latime - 2 * SusPanou, JosPanou - SusPanou));
    // Each of the three column pairs has its own header.
    for (int p = 0; p < 3; ++p) {
        adaugaEticheta(QStringLiteral("Lambda [nm]"), {XLambda[p], 6});
        adaugaEticheta(litera, {XValoare[p], 6});
    }

    // Lambda then value, slot after slot: the Tab order follows the table.
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const Loc loc = locSlot(s);
        const auto i = static_cast<std::size_t>(s);
        lambda_[i] = adaugaCelula(
            QStringLiteral("lambda%1").arg(s), s, QRect(XLambda[loc.pereche], loc.y, LatimeLambda, InaltimeCelula),
            [s](const MaterialOptic& m) { return q(TextLambda(m.lambda_indici[s])); },
            [this, s](MaterialOptic& m, const std::string& text) { return preiaLambda(m, s, text); });
        lambda_[i]->setProperty("idControl", IdPrimaCelulaLambda + s);
        valoare_[i] = adaugaCelula(
            litera + QString::number(s), s, QRect(XValoare[loc.pereche], loc.y, LatimeValoare, InaltimeCelula),
            [this, s](const MaterialOptic& m) { return q(TextValoareIndice(valori(m, which_)[s])); },
            [this, s](MaterialOptic& m, const std::string& text) { return PreiaValoareIndice(m, which_, s, text); },
            [this, s](const MaterialOptic& m) { return q(FormatG(valori(m, which_)[s])); });
        valoare_[i]->setProperty("idControl", IdPrimaCelulaValoare + s);
    }

    // The widest texts "%g" gives: a wavelength with four digits before the
    // point, a value with an exponent.
    asiguraLatime(lambda_[0], QStringLiteral("8888.88"));
    asiguraLatime(valoare_[0], QStringLiteral("8.88888e-88"));

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(4, YButoane, 45, InaltimeButon));
    init_ = adaugaButon(IdButonInitDinEcuatie, which_ == ColoanaN ? QStringLiteral("Init from n(l)")
                                                                  : QStringLiteral("Init from k(l)"),
                        QRect(53, YButoane, 55, InaltimeButon));
    adaugaButon(IdButonStergeLambda, QStringLiteral("Erase lambda"), QRect(112, YButoane, 55, InaltimeButon));
    adaugaButon(IdButonStergeValori, which_ == ColoanaN ? QStringLiteral("Erase n") : QStringLiteral("Erase k"),
                QRect(171, YButoane, 45, InaltimeButon));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(220, YButoane, 45, InaltimeButon));
    adaugaButon(IdButonPotriveste, QStringLiteral("Fit..."), QRect(268, YButoane, 27, InaltimeButon));

    seteazaTitluMeniu(QStringLiteral("&Lambda"));
    adaugaComandaFereastra(IdIncludeInainte, QStringLiteral("Include before lambda"));
    adaugaComandaFereastra(IdIncludeDupa, QStringLiteral("Include after lambda"));
    adaugaComandaFereastra(IdStergeLambdaCurenta, QStringLiteral("Delete current lambda"));

    if (which_ == ColoanaK) setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    reimprospateaza();
}

EditIndiciClass::EditIndiciClass(int indexMaterial, QWidget* proprietar)
    : FereastraIndici(ColoanaN, indexMaterial, proprietar) {}

EditIndice_kClass::EditIndice_kClass(int indexMaterial, QWidget* proprietar)
    : FereastraIndici(ColoanaK, indexMaterial, proprietar) {}

QString FereastraIndici::etichetaSlot(int slot) const {
    const MaterialOptic* m = material();
    if (!m || slot < 0 || slot >= NumarSloturiEditabile) return QStringLiteral("  ");
    return QString::fromLatin1(EtichetaLinieSpectrala(m->lambda_indici[slot]));
}

void FereastraIndici::reimprospateazaCealalta() { ferestreMaterial().trimiteReimprospatare(tipCealalta(), indexMaterial()); }

bool FereastraIndici::preiaLambda(MaterialOptic& m, int slot, const std::string& text) {
    if (!PreiaLambda(m, which_, slot, text)) return false;
    panou()->update();  // the spectral-line label follows the wavelength
    reimprospateazaCealalta();
    return true;
}

void FereastraIndici::laReimprospatare() {
    const MaterialOptic* m = material();
    const std::int16_t cod = m ? (which_ == ColoanaN ? m->ec_dispersie_n : m->ec_dispersie_k) : EcuatieTabelata;
    // A tabulated material has no equation to fill the table from.
    init_->setEnabled(cod != EcuatieTabelata);
}

void FereastraIndici::executaComanda(int id) {
    switch (id) {
    case IdButonInitDinEcuatie:
        initDinEcuatie();
        break;
    case IdButonStergeLambda:
        stergeLungimiUnda();
        break;
    case IdButonStergeValori:
        stergeValori();
        break;
    case IdButonPotriveste:
        if (material()) ComandaPotrivireEcuatie(this, indexMaterial(), which_ == ColoanaN ? 0 : 1);
        break;
    case IdIncludeInainte:
    case IdIncludeDupa:
    case IdStergeLambdaCurenta:
        comandaSlot(id);
        break;
    default:
        break;
    }
}

void FereastraIndici::initDinEcuatie() {
    if (!material()) return;
    if (MesajBox(proprietar(), "Initializati datele cu ecuatia de dispersie ?", TitluInitDinEcuatie, Intrebare) !=
        raspuns::IDYES)
        return;
    MaterialOptic* m = material();
    if (!m) return;
    memoreazaPentruAnulare(true);
    const RezultateInitDinEcuatie r = InitDinEcuatie(*m, which_);
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        const SlotCalculat& slot = r[static_cast<std::size_t>(s)];
        QLineEdit* celula = valoare_[static_cast<std::size_t>(s)];
        if (slot.rezultat == RezultatSlot::Calculat) {
            arataInCelula(celula, q(TextValoareCalculata(which_, slot.valoare)));
            setLucru().modificat = 1;
        } else if (slot.rezultat == RezultatSlot::Eroare) {
            arataInCelula(celula, QString::fromLatin1(TextEroareCalcul));
        }
    }
}

void FereastraIndici::stergeLungimiUnda() {
    if (!material()) return;
    // Only the n window asks: it is the one a whole catalogue table is typed into.
    if (which_ == ColoanaN &&
        MesajBox(proprietar(), "Erase the wavelengths ?", TitluAplicatie(), Intrebare) != raspuns::IDYES)
        return;
    memoreazaPentruAnulare(true);
    if (MaterialOptic* m = material()) StergeLungimiUnda(*m);
    reimprospateaza();
    reimprospateazaCealalta();
}

void FereastraIndici::stergeValori() {
    if (!material()) return;
    if (which_ == ColoanaN &&
        MesajBox(proprietar(), "Erase the refractive indexes ?", TitluAplicatie(), Intrebare) != raspuns::IDYES)
        return;
    memoreazaPentruAnulare(true);
    if (MaterialOptic* m = material()) StergeValori(*m, which_);
    reimprospateaza();
}

void FereastraIndici::comandaSlot(int id) {
    const int f = slotFocalizat();
    if (f < 0 || f >= NumarSloturiEditabile) {
        MesajBox(proprietar(), "Set focus on a wavelength", TitluAtentie, stil::MB_OK);
        return;
    }
    MaterialOptic* m = material();
    if (!m) return;
    if (id == IdIncludeInainte) {
        memoreazaPentruAnulare();
        IncludeInainte(*m, which_, f);
    } else if (id == IdIncludeDupa) {
        memoreazaPentruAnulare();
        IncludeDupa(*m, which_, f);
    } else {
        const std::string text = TextFormatat(which_ == ColoanaN ? "Delete data for %g nm ?" : "Delete %g ?",
                                              static_cast<double>(m->lambda_indici[f]));
        if (MesajBox(proprietar(), text, TitluAtentie, Intrebare) != raspuns::IDYES) {
            reimprospateaza();
            return;
        }
        m = material();
        if (!m) return;
        memoreazaPentruAnulare();
        StergeSlot(*m, which_, f);
    }
    reimprospateaza();
    // The wavelengths moved under the other window's values too.
    reimprospateazaCealalta();
}

void FereastraIndici::deseneaza(QPainter& p, const UnitatiDialog& u) {
    const MaterialOptic* m = material();
    if (!m) return;
    for (int s = 0; s < NumarSloturiEditabile; ++s) {
        if (!AreEtichetaLinieSpectrala(m->lambda_indici[s])) continue;
        const Loc loc = locSlot(s);
        const QRect r = u.dreptunghi(XEticheta[loc.pereche], loc.y, XValoare[loc.pereche] - XEticheta[loc.pereche] - 1,
                                     InaltimeCelula);
        deseneazaTextInLatime(p, r, QString::fromLatin1(EtichetaLinieSpectrala(m->lambda_indici[s])));
    }
}

namespace {

FereastraMaterial* deschide(QWidget* fereastraPrincipala, int which) {
    SetLucru& set = setLucru();
    if (set.gol()) {
        platforma().beep();
        return nullptr;
    }
    const int index = set.materialCurent;
    const TipEditor tip = which == ColoanaN ? TipEditor::IndiciN : TipEditor::IndiciK;
    return ferestreMaterial().deschide(tip, index, [=]() -> FereastraMaterial* {
        if (which == ColoanaN) return new EditIndiciClass(index, fereastraPrincipala);
        return new EditIndice_kClass(index, fereastraPrincipala);
    });
}

}  // namespace

FereastraMaterial* ComandaIndiciN(QWidget* fereastraPrincipala) { return deschide(fereastraPrincipala, ColoanaN); }
FereastraMaterial* ComandaIndiciK(QWidget* fereastraPrincipala) { return deschide(fereastraPrincipala, ColoanaK); }

}  // namespace vitramor
