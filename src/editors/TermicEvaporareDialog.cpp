#include "editors/TermicEvaporareDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "material/CelulaNumerica.h"
#include "material/ProprietatiTermice.h"
#include "editors/TermicWindow.h"
#include "settings/Directoare.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "TermicEvaporare";
    d.formatTitlu = std::string(TitluTermicEvaporare) + "%s";
    d.comanda = IdComandaTermic;
    d.pozitie = {2, 7};
    return d;
}

QString u8(const char* s) { return QString::fromUtf8(s); }

QString dilatare(const MaterialOptic& m, int slot) {
    return m.dilatare[slot] == 0.0f ? QString() : QString::fromStdString(FormatG(m.dilatare[slot] * FactorDilatareEvaporare));
}

// A confidence is always given (the dialog puts its default in when it opens).
constexpr OptiuniCelula Incredere{MesajValoareRespinsa, 0x30, false, true, false};
bool incredereValida(const MaterialOptic&, float v) { return IncredereValida(v); }

}  // namespace

TermicEvaporareDialog::TermicEvaporareDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Termic, indexMaterial, proprietar, descriereEditor()) {
    // Confidences outside 0.01..1 mean nothing; the dialog puts the defaults
    // in their place before showing them.
    if (MaterialOptic* m = material()) AsiguraIncrederi(*m);

    // Each value with the confidence of its source beside it.
    auto* grup = new QGroupBox(QStringLiteral("Proprietati termice"), panou());
    auto* tabel = new QGridLayout(grup);
    tabel->addWidget(new QLabel(QStringLiteral("Incredere (0.01 - 1)"), grup), 0, 2);
    int rand = 1;
    const auto valoare = [&](const char* eticheta, QLineEdit* celula, int idIncredere, CampFloat incredere) {
        tabel->addWidget(new QLabel(u8(eticheta), grup), rand, 0);
        tabel->addWidget(celula, rand, 1);
        if (idIncredere)
            tabel->addWidget(adaugaCelulaFloat(idIncredere, {}, incredere, "%g", incredereValida, Incredere), rand, 2);
        ++rand;
    };
    valoare("Conductibilitate termica [W/(m·K)]",
            adaugaCelulaFloat(101, {}, [](MaterialOptic& m) -> float& { return m.conductibilitate_termica[0]; }, "%g", ValoarePozitiva),
            105, [](MaterialOptic& m) -> float& { return m.incredere[0]; });
    valoare("Caldura specifica [J/(kg·K)]",
            adaugaCelulaFloat(102, {}, [](MaterialOptic& m) -> float& { return m.caldura_specifica[0]; }, "%g", ValoareNeNegativa),
            106, [](MaterialOptic& m) -> float& { return m.incredere[1]; });
    for (int i = 0; i < 2; ++i) {
        QLineEdit* c = adaugaCelula(
            QString::number(103 + i), -1, {}, [i](const MaterialOptic& m) { return dilatare(m, i); },
            [i](MaterialOptic& m, const std::string& text) {
                if (CelulaGoala(text)) {
                    m.dilatare[i] = 0.0f;  // not given
                    return true;
                }
                const std::optional<float> v = CitesteFloatMinim(text, 0.0f, true);
                if (v) m.dilatare[i] = static_cast<float>(*v / FactorDilatareEvaporare);
                return v.has_value();
            });
        valoare(i == 0 ? "Dilatare α -60...+20 °C [10⁻⁶/K]" : "Dilatare α +20...+120 °C [10⁻⁶/K]", c, i == 0 ? 107 : 0,
                [](MaterialOptic& m) -> float& { return m.incredere[2]; });
    }
    const struct {
        int id;
        const char* eticheta;
        CampIntreg camp;
    } temperaturi[] = {{108, "Temperatura de topire [°C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[0]; }},
                       {109, "Temperatura substratului [°C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[1]; }},
                       {110, "Temperatura de deteriorare [°C]", [](MaterialOptic& m) -> std::uint16_t& { return m.temperaturi[2]; }}};
    for (const auto& t : temperaturi)
        valoare(t.eticheta, adaugaCelulaIntreg(t.id, {}, t.camp), t.id == 108 ? 111 : 0,
                [](MaterialOptic& m) -> float& { return m.incredere[3]; });
    valoare("Rata de evaporare [nm/s]",
            adaugaCelulaFloat(112, {}, [](MaterialOptic& m) -> float& { return m.rata_evaporare; }, "%g", ValoarePozitiva), 0, nullptr);
    coloana()->addWidget(grup);

    // The method and source are not kept in the record yet: shown, closed.
    QFormLayout* f = adaugaGrup(QStringLiteral("Evaporare (nu se pastreaza in inregistrare)"));
    const struct {
        int id;
        const char* eticheta;
    } liste[] = {{1132, "Metoda de evaporare"}, {1133, "Sursa de evaporare"}};
    for (const auto& l : liste) {
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(l.id));
        c->setEnabled(false);
        f->addRow(QString::fromLatin1(l.eticheta), c);
    }
    coloana()->addStretch(1);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), {});
    adaugaButon(IdInitIncredere, QStringLiteral("Increderi implicite"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    faModal();
    reimprospateaza();
}

void TermicEvaporareDialog::executaComanda(int id) {
    if (id != IdInitIncredere) return;
    memoreazaPentruAnulare();
    if (MaterialOptic* m = material()) InitIncrederi(*m);
    reimprospateaza();
}

void TermicEvaporareDialog::ajutor() { eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0); }

}  // namespace vitramor
