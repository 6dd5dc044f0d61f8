#include "editors/TermicEvaporareDialog.h"

#include <QComboBox>

#include "editors/CelulaNumerica.h"
#include "editors/ProprietatiTermice.h"
#include "editors/TermicWindow.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 335, Inaltime = 190;
constexpr int XEticheta = 8, XCelula = 160, LatimeCelula = 50, XIncredere = 280, H = 9;

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "TermicEvaporare";
    d.formatTitlu = std::string(TitluTermicEvaporare) + "%s";
    d.comanda = IdComandaTermic;
    d.pozitie = {2, 7};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

QString dilatare(const MaterialOptic& m, int slot) {
    return QString::fromStdString(FormatG(m.dilatare[slot] * FactorDilatareEvaporare));
}

}  // namespace

TermicEvaporareDialog::TermicEvaporareDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Termic, indexMaterial, proprietar, descriereEditor()) {
    // Confidences outside 0.01..1 mean nothing; the dialog puts the defaults
    // in their place before showing them.
    if (MaterialOptic* m = material()) AsiguraIncrederi(*m);

    adaugaEticheta(QStringLiteral("Conductibilitate termica [W/(m*K)]"), {XEticheta, 8});
    adaugaCelulaFloat(101, {XCelula, 8, LatimeCelula, H},
                      [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[0]; }, "%g", ValoarePozitiva);
    adaugaEticheta(QStringLiteral("Caldura specifica [J/(kg*K)]"), {XEticheta, 22});
    adaugaCelulaFloat(102, {XCelula, 22, LatimeCelula, H},
                      [](MaterialOptic& m) -> float& { return m.caldura_specifica[0]; }, "%g", ValoareNeNegativa);
    adaugaEticheta(QStringLiteral("Coef. dilatare (valor inmultite cu 1.0E+06)"), {XEticheta, 36});
    for (int i = 0; i < 2; ++i) {
        adaugaEticheta(i == 0 ? QStringLiteral("-60 la +20 C") : QStringLiteral("20 la 120 C"), {XEticheta + 8, 48 + 12 * i});
        adaugaCelula(
            QString::number(103 + i), -1, {XCelula, 48 + 12 * i, LatimeCelula, H},
            [i](const MaterialOptic& m) { return dilatare(m, i); },
            [i](MaterialOptic& m, const std::string& text) {
                const std::optional<float> v = CitesteFloatMinim(text, 0.0f, true);
                if (v) m.dilatare[i] = static_cast<float>(*v / FactorDilatareEvaporare);
                return v.has_value();
            });
    }
    const struct {
        int id, y;
        CampFloat camp;
    } increderi[] = {{105, 8, [](MaterialOptic& m) -> float& { return m.incredere[0]; }},
                     {106, 22, [](MaterialOptic& m) -> float& { return m.incredere[1]; }},
                     {107, 48, [](MaterialOptic& m) -> float& { return m.incredere[2]; }},
                     {111, 80, [](MaterialOptic& m) -> float& { return m.incredere[3]; }}};
    for (const auto& c : increderi) {
        adaugaEticheta(QStringLiteral("Incredere"), {XIncredere - 40, c.y});
        adaugaCelulaFloat(c.id, {XIncredere, c.y, 40, H}, c.camp, "%g", ValoarePozitiva);
    }

    const struct {
        int id;
        const char* eticheta;
        CampIntreg camp;
    } temperaturi[] = {{108, "Tmelt [C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[0]; }},
                       {109, "Tsubstrat [C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[1]; }},
                       {110, "Tdamage [C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[2]; }}};
    int y = 80;
    for (const auto& t : temperaturi) {
        adaugaEticheta(QString::fromLatin1(t.eticheta), {XEticheta, y});
        adaugaCelulaIntreg(t.id, {XCelula, y, LatimeCelula, H}, t.camp);
        y += 14;
    }
    adaugaEticheta(QStringLiteral("Rata evaporare [nm/s]"), {XEticheta, y});
    adaugaCelulaFloat(112, {XCelula, y, LatimeCelula, H}, [](MaterialOptic& m) -> float& { return m.rata_evaporare; },
                      "%g", ValoarePozitiva);

    // The method and source lists are not kept in the record yet: offered empty.
    const struct {
        int id;
        const char* eticheta;
    } liste[] = {{1132, "Metoda de evaporare"}, {1133, "Sursa evaporare"}};
    y = 144;
    for (const auto& l : liste) {
        adaugaEticheta(QString::fromLatin1(l.eticheta), {XEticheta, y + 1});
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(l.id));
        unitatiDialog().plaseaza(c, XCelula, y, 100, 12);
        y += 14;
    }

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(8, 173, 50, 14));
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Cancel"), QRect(64, 173, 50, 14));
    adaugaButon(IdInitIncredere, QStringLiteral("Init confidence"), QRect(120, 173, 70, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(196, 173, 50, 14));
    faModal();
    reimprospateaza();
}

void TermicEvaporareDialog::executaComanda(int id) {
    if (id != IdInitIncredere) return;
    if (MaterialOptic* m = material()) InitIncrederi(*m);
    reimprospateaza();
}

void TermicEvaporareDialog::ajutor() { eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0); }

void TermicEvaporareDialog::deseneaza(QPainter& p, const UnitatiDialog& u) {
    ZonaSus(p, u.x(2), u.y(2), u.x(Latime - 2), u.y(136));
    ZonaSus(p, u.x(2), u.y(139), u.x(Latime - 2), u.y(170));
}

}  // namespace vitramor
