#include "editors/TermicWindow.h"

#include <cstdio>

#include "editors/CelulaNumerica.h"
#include "editors/ProprietatiTermice.h"
#include "editors/TermicEvaporareDialog.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int Latime = 306, Inaltime = 146;
constexpr int XColoana[4] = {110, 158, 206, 254};
constexpr int LatimeCelula = 44, H = 9;

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "EditTermicClass";
    d.formatTitlu = "%s - Proprietati termice";
    d.comanda = IdComandaTermic;
    d.pozitie = {2, 7};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

// The panels, one per group of cells.
constexpr QRect Panouri[] = {{2, 2, 302, 28}, {2, 32, 302, 28}, {2, 62, 302, 32}, {2, 96, 302, 28}, {2, 126, 302, 18}};

QString dilatare(const MaterialOptic& m, int slot, const char* format) {
    const float v = m.dilatare[slot];
    return QString::fromStdString(TextFormatat(format, DilatareAfisata(v, m.producator)));
}

}  // namespace

EditTermicClass::EditTermicClass(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Termic, indexMaterial, proprietar, descriereEditor()) {
    const char* temperaturi[] = {"-50 C", "0 C", "+20 C", "+50 C"};
    const char* vascozitati[] = {"10^14", "10^13", "10^10", "10^8"};
    const CampFloat caldura[] = {
        [](MaterialOptic& m) -> float& { return m.caldura_specifica[0]; },
        [](MaterialOptic& m) -> float& { return m.caldura_specifica[1]; },
        [](MaterialOptic& m) -> float& { return m.caldura_specifica[2]; },
        [](MaterialOptic& m) -> float& { return m.caldura_specifica[3]; }};
    const CampFloat conductibilitate[] = {
        [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[0]; },
        [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[1]; },
        [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[2]; },
        [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[3]; }};
    const CampFloat vascozitate[] = {
        [](MaterialOptic& m) -> float& { return m.temperaturi_vascozitate[0]; },
        [](MaterialOptic& m) -> float& { return m.temperaturi_vascozitate[1]; },
        [](MaterialOptic& m) -> float& { return m.temperaturi_vascozitate[2]; },
        [](MaterialOptic& m) -> float& { return m.temperaturi_vascozitate[3]; }};

    adaugaEticheta(QStringLiteral("Caldura specifica"), {4, 4});
    adaugaEticheta(QStringLiteral("c [J / (kg*K)]"), {4, 17});
    adaugaEticheta(QStringLiteral("Conductibilitate termica"), {4, 34});
    adaugaEticheta(QStringLiteral("[W / (M*K)]"), {4, 47});
    for (int i = 0; i < 4; ++i) {
        adaugaEticheta(QString::fromLatin1(temperaturi[i]), {XColoana[i], 4});
        adaugaCelulaFloat(101 + i, {XColoana[i], 17, LatimeCelula, H}, caldura[i], "%g", ValoareNeNegativa);
        adaugaEticheta(QString::fromLatin1(temperaturi[i]), {XColoana[i], 34});
        adaugaCelulaFloat(105 + i, {XColoana[i], 47, LatimeCelula, H}, conductibilitate[i], "%g", ValoareNeNegativa);
    }

    adaugaEticheta(QStringLiteral("Coeficientul de dilatare"), {4, 64});
    adaugaEticheta(QStringLiteral("liniara"), {4, 72});
    adaugaEticheta(QStringLiteral("*10^7 [grd^-1]"), {4, 80});
    const struct {
        const char* sus;
        const char* jos;
        const char* format;
    } dilatari[] = {{"-60 la +20 C", "", "%.2f"}, {"20 la 120 C", "", "%.2f"}, {"a*10^7", "[grd^-1]", "%.2f"},
                    {"m*10^7", "[grd^-2]", "%.3f"}};
    for (int i = 0; i < 4; ++i) {
        adaugaEticheta(QString::fromLatin1(dilatari[i].sus), {XColoana[i], 64});
        adaugaEticheta(QString::fromLatin1(dilatari[i].jos), {XColoana[i], 72});
        // Shown and typed in 10^-7/K, kept in the scale the record uses.
        const char* format = dilatari[i].format;
        adaugaCelula(
            QString::number(109 + i), -1, {XColoana[i], 82, LatimeCelula, H},
            [i, format](const MaterialOptic& m) { return dilatare(m, i, format); },
            [i](MaterialOptic& m, const std::string& text) {
                const std::optional<float> v = CitesteFloatMinim(text, 0.0f);
                if (v) m.dilatare[i] = DilatareDinAfisata(*v, m.dilatare[i], m.producator);
                return v.has_value();
            },
            [i, format](const MaterialOptic& m) { return dilatare(m, i, format); });
    }

    adaugaEticheta(QStringLiteral("Vascozitate = f(temperatura)"), {4, 98});
    adaugaEticheta(QStringLiteral("[Poise]"), {4, 106});
    adaugaEticheta(QStringLiteral("t [ C]"), {XColoana[0] - 24, 113});
    for (int i = 0; i < 4; ++i) {
        adaugaEticheta(QString::fromLatin1(vascozitati[i]), {XColoana[i], 100});
        adaugaCelulaFloat(113 + i, {XColoana[i], 113, LatimeCelula, H}, vascozitate[i], "%4.0f", ValoareNeNegativa);
    }

    adaugaEticheta(QStringLiteral("Tg"), {4, 131});
    adaugaCelulaIntreg(117, {16, 130, 30, H}, [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[0]; });
    adaugaEticheta(QStringLiteral("C"), {49, 131});
    adaugaEticheta(QStringLiteral("Grosime ALD"), {60, 131}, 42);
    adaugaCelulaFloat(118, {104, 130, 40, H}, [](MaterialOptic& m) -> float& { return m.grosime_ald; }, "%g",
                      ValoareNeNegativa);
    adaugaEticheta(QStringLiteral("nm"), {147, 131});

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(166, 128, 42, 14));
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), QRect(212, 128, 42, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(258, 128, 42, 14));
    reimprospateaza();
    if (auto* c = panou()->findChild<QWidget*>(QStringLiteral("101"))) c->setFocus();
}

void EditTermicClass::deseneaza(QPainter& p, const UnitatiDialog& u) {
    for (const QRect& r : Panouri)
        ZonaSus(p, u.x(r.left()), u.y(r.top()), u.x(r.left() + r.width()), u.y(r.top() + r.height()));
}

FereastraMaterial* ComandaTermic(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::Termic, [=](int index) -> FereastraMaterial* {
        if (EsteMaterialEvaporare(setLucru().materiale[static_cast<std::size_t>(index)]))
            return new TermicEvaporareDialog(index, fereastraPrincipala);
        return new EditTermicClass(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
