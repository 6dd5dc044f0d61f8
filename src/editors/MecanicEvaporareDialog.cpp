#include "editors/MecanicEvaporareDialog.h"

#include <QLineEdit>

#include "editors/CelulaNumerica.h"
#include "editors/MecanicWindow.h"
#include "editors/ProprietatiMecanice.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 431, Inaltime = 148;
constexpr int XCelula = 110, LatimeCelula = 50, H = 9;

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "MecanicEvaporare";
    d.formatTitlu = std::string(TitluMecanicEvaporare) + "%s";
    d.comanda = IdComandaMecanic;
    d.pozitie = {45, 18};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

constexpr OptiuniCelula Informare{MesajValoareRespinsa, 0x40, false, true};
// The layer-thickness range and the test thickness are checked values of the
// dialog that do not mark the material changed on their own.
constexpr OptiuniCelula InformareFaraModificare{MesajValoareRespinsa, 0x40, false, false};

bool minimValid(const MaterialOptic& m, float v) { return v > 0.0f && v <= m.grosime_max; }
bool maximValid(const MaterialOptic& m, float v) { return v >= m.grosime_min; }

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MecanicEvaporareDialog::MecanicEvaporareDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Mecanic, indexMaterial, proprietar, descriereEditor()) {
    const struct {
        int id;
        const char* eticheta;
        const char* unitate;
        CampFloat camp;
        RegulaValoare regula;
        OptiuniCelula optiuni;
    } proprietati[] = {
        {101, "Densitate", "g/cm^3", [](MaterialOptic& m) -> float& { return m.densitate; }, ValoarePozitiva, {}},
        {102, "Modul Young", "GPa", [](MaterialOptic& m) -> float& { return m.modul_young; }, ValoarePozitiva, {}},
        {104, "Raport Poisson", "", [](MaterialOptic& m) -> float& { return m.raport_poisson; }, ValoareNeNegativa, {}},
        {106, "Knoop hardness", "", [](MaterialOptic& m) -> float& { return m.duritate_knoop; }, ValoareNeNegativa, {}},
        {107, "Abrasion hardness", "", [](MaterialOptic& m) -> float& { return m.duritate_abraziune; }, OriceValoare, {}},
        {105, "Masa molara", "g/mol", [](MaterialOptic& m) -> float& { return m.masa_molara; }, ValoareNeNegativa, {}},
        {110, "Grosime ALD", "nm", [](MaterialOptic& m) -> float& { return m.grosime_ald; }, ValoareNeNegativa, Informare},
    };
    int y = 8;
    for (const auto& c : proprietati) {
        adaugaEticheta(QString::fromLatin1(c.eticheta), {8, y});
        adaugaCelulaFloat(c.id, {XCelula, y, LatimeCelula, H}, c.camp, "%g", c.regula, c.optiuni);
        adaugaEticheta(QString::fromLatin1(c.unitate), {XCelula + LatimeCelula + 4, y});
        y += 14;
    }

    adaugaEticheta(QStringLiteral("Surface stress (in ec. thickness t in nm)"), {220, 4});
    adaugaEticheta(QStringLiteral("Ec. surface stress (S) vs. thickness (t): S = a0 + a1*t + a2*t^2"), {220, 14},
                   Latime - 226);
    const struct {
        int id, x;
        const char* nume;
        CampFloat camp;
    } coeficienti[] = {{114, 220, "a0", [](MaterialOptic& m) -> float& { return m.stres_suprafata[0]; }},
                       {115, 290, "a1", [](MaterialOptic& m) -> float& { return m.stres_suprafata[1]; }},
                       {116, 360, "a2", [](MaterialOptic& m) -> float& { return m.stres_suprafata[2]; }}};
    for (const auto& c : coeficienti) {
        adaugaEticheta(QString::fromLatin1(c.nume), {c.x, 28});
        adaugaCelulaFloat(c.id, {c.x + 12, 28, LatimeCelula, H}, c.camp, "%g", OriceValoare);
    }
    adaugaEticheta(QStringLiteral("Test thickness"), {220, 44});
    adaugaCelula(
        QString::number(IdGrosimeTest), -1, {300, 44, LatimeCelula, H},
        [this](const MaterialOptic&) { return q(FormatG(grosimeTest_)); },
        [this](MaterialOptic&, const std::string& text) {
            const std::optional<float> t = CitesteFloatMinim(text, 0.0f);
            if (!t) return false;
            grosimeTest_ = *t;
            return true;
        },
        {}, InformareFaraModificare);
    adaugaEticheta(QStringLiteral("nm"), {354, 44});
    adaugaEticheta(QStringLiteral("Surface stress"), {220, 58});
    stresSuprafata_ = adaugaCelula(QString::number(IdStresSuprafata), -1, {300, 58, LatimeCelula, H},
                                   [this](const MaterialOptic& m) { return q(TextStresSuprafata(m, grosimeTest_)); },
                                   [](MaterialOptic&, const std::string&) { return false; });
    adaugaEticheta(QStringLiteral("[N/m]"), {354, 58});
    adaugaEticheta(QStringLiteral("Stres"), {220, 72});
    stres_ = adaugaCelula(QString::number(IdStres), -1, {300, 72, LatimeCelula, H},
                          [this](const MaterialOptic& m) { return q(TextStres(m, grosimeTest_)); },
                          [](MaterialOptic&, const std::string&) { return false; });
    adaugaEticheta(QStringLiteral("MPa"), {354, 72});
    stresSuprafata_->setReadOnly(true);
    stres_->setReadOnly(true);

    adaugaEticheta(QStringLiteral("Grosime strat"), {220, 90});
    adaugaEticheta(QStringLiteral("min"), {220, 102});
    adaugaCelulaFloat(108, {240, 102, LatimeCelula, H}, [](MaterialOptic& m) -> float& { return m.grosime_min; }, "%g",
                      minimValid, InformareFaraModificare);
    adaugaEticheta(QStringLiteral("max"), {300, 102});
    adaugaCelulaFloat(109, {320, 102, LatimeCelula, H}, [](MaterialOptic& m) -> float& { return m.grosime_max; }, "%g",
                      maximValid, InformareFaraModificare);
    adaugaEticheta(QStringLiteral("nm"), {374, 102});

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(8, 128, 50, 14));
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Cancel"), QRect(64, 128, 50, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(120, 128, 50, 14));
    faModal();
    reimprospateaza();
}

void MecanicEvaporareDialog::arataStres() {
    const MaterialOptic* m = material();
    if (!m) return;
    arataInCelula(stresSuprafata_, q(TextStresSuprafata(*m, grosimeTest_)));
    arataInCelula(stres_, q(TextStres(*m, grosimeTest_)));
}

void MecanicEvaporareDialog::laReimprospatare() { arataStres(); }
void MecanicEvaporareDialog::laPreluare() { arataStres(); }

void MecanicEvaporareDialog::ajutor() { eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0); }

void MecanicEvaporareDialog::deseneaza(QPainter& p, const UnitatiDialog& u) {
    ZonaSus(p, u.x(2), u.y(2), u.x(212), u.y(122));
    ZonaSus(p, u.x(216), u.y(2), u.x(Latime - 2), u.y(84));
    ZonaSus(p, u.x(216), u.y(87), u.x(Latime - 2), u.y(122));
}

}  // namespace vitramor
