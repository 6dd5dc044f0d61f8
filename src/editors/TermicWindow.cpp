#include "editors/TermicWindow.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "material/CelulaNumerica.h"
#include "material/ProprietatiTermice.h"
#include "editors/TermicEvaporareDialog.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "EditTermicClass";
    d.formatTitlu = "%s - Proprietati termice";
    d.comanda = IdComandaTermic;
    d.pozitie = {2, 7};
    return d;
}

QString u8(const char* s) { return QString::fromUtf8(s); }

// The expansion rows: what each slot is, its unit (K^-1 or K^-2) and format.
struct RandDilatare {
    const char* nume;
    const char* unitate;
    const char* format;
};
constexpr RandDilatare RanduriDilatare[4] = {{"α -60...+20 °C", "/K", "%.2f"},
                                             {"α +20...+120 °C", "/K", "%.2f"},
                                             {"Coeficient a", "/K", "%.2f"},
                                             {"Coeficient m", "/K²", "%.3f"}};

QString etichetaDilatare(int slot, std::uint16_t producator) {
    const RandDilatare& r = RanduriDilatare[slot];
    const char* scala = FactorDilatareProducator(producator) == 1e7 ? "10⁻⁷" : "10⁻⁶";
    return u8(r.nume) + u8(" [") + u8(scala) + u8(r.unitate) + QLatin1Char(']');
}

QString dilatare(const MaterialOptic& m, int slot) {
    const float v = m.dilatare[slot];
    if (v == 0.0f) return {};
    const double factor = FactorDilatareProducator(m.producator);
    return QString::fromStdString(TextFormatat(RanduriDilatare[slot].format, DilatareAfisata(v, m.producator, factor)));
}

}  // namespace

EditTermicClass::EditTermicClass(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Termic, indexMaterial, proprietar, descriereEditor()) {
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

    // Specific heat and conductivity at four temperatures: a table.
    auto* grup = new QGroupBox(QStringLiteral("Caldura specifica si conductibilitate termica"), panou());
    auto* tabel = new QGridLayout(grup);
    const char* temperaturi[] = {"-50 °C", "0 °C", "+20 °C", "+50 °C"};
    for (int i = 0; i < 4; ++i) tabel->addWidget(new QLabel(u8(temperaturi[i]), grup), 0, 1 + i, Qt::AlignCenter);
    tabel->addWidget(new QLabel(u8("Caldura specifica c [J/(kg·K)]"), grup), 1, 0);
    tabel->addWidget(new QLabel(u8("Conductibilitate termica [W/(m·K)]"), grup), 2, 0);
    for (int i = 0; i < 4; ++i) {
        tabel->addWidget(adaugaCelulaFloat(101 + i, {}, caldura[i], "%g", ValoareNeNegativa), 1, 1 + i);
        tabel->addWidget(adaugaCelulaFloat(105 + i, {}, conductibilitate[i], "%g", ValoareNeNegativa), 2, 1 + i);
    }
    coloana()->addWidget(grup);

    const MaterialOptic* m = material();
    QFormLayout* f = adaugaGrup(QStringLiteral("Dilatare termica liniara"));
    for (int i = 0; i < 4; ++i) {
        // Shown and typed in the producer's scale, kept in the scale the record uses.
        QLineEdit* c = adaugaCelula(
            QString::number(109 + i), -1, {}, [i](const MaterialOptic& m) { return dilatare(m, i); },
            [i](MaterialOptic& m, const std::string& text) {
                const std::optional<float> v = CitesteFloatMinim(text, 0.0f);
                if (v)
                    m.dilatare[i] =
                        DilatareDinAfisata(*v, m.dilatare[i], m.producator, FactorDilatareProducator(m.producator));
                return v.has_value();
            });
        etichetaDilatare_[static_cast<std::size_t>(i)] = new QLabel(etichetaDilatare(i, m ? m->producator : 2), panou());
        f->addRow(etichetaDilatare_[static_cast<std::size_t>(i)], c);
    }

    f = adaugaGrup(QStringLiteral("Temperaturi"));
    f->addRow(u8("Temperatura de vitrifiere Tg [°C]"),
              adaugaCelulaIntreg(117, {}, [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[0]; }));
    const char* vascozitati[] = {"Temperatura la vascozitatea 10¹⁴ P [°C]", "Temperatura la vascozitatea 10¹³ P [°C]",
                                 "Temperatura la vascozitatea 10¹⁰ P [°C]", "Temperatura la vascozitatea 10⁸ P [°C]"};
    for (int i = 0; i < 4; ++i)
        f->addRow(u8(vascozitati[i]), adaugaCelulaFloat(113 + i, {}, vascozitate[i], "%4.0f", ValoareNeNegativa));

    f = adaugaGrup(QStringLiteral("Depunere"));
    f->addRow(QStringLiteral("Grosime ALD [nm]"),
              adaugaCelulaFloat(118, {}, [](MaterialOptic& m) -> float& { return m.grosime_ald; }, "%g", ValoareNeNegativa));
    coloana()->addStretch(1);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    reimprospateaza();
    if (auto* c = panou()->findChild<QWidget*>(QStringLiteral("101"))) c->setFocus();
}

void EditTermicClass::laReimprospatare() {
    if (const MaterialOptic* m = material())
        for (int i = 0; i < 4; ++i) etichetaDilatare_[static_cast<std::size_t>(i)]->setText(etichetaDilatare(i, m->producator));
}

FereastraMaterial* ComandaTermic(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::Termic, [=](int index) -> FereastraMaterial* {
        if (EsteMaterialEvaporare(setLucru().materiale[static_cast<std::size_t>(index)]))
            return new TermicEvaporareDialog(index, fereastraPrincipala);
        return new EditTermicClass(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
