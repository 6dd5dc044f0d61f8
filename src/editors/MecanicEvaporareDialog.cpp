#include "editors/MecanicEvaporareDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "material/CelulaNumerica.h"
#include "editors/MecanicWindow.h"
#include "material/ProprietatiMecanice.h"
#include "settings/Directoare.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "MecanicEvaporare";
    d.formatTitlu = std::string(TitluMecanicEvaporare) + "%s";
    d.comanda = IdComandaMecanic;
    d.pozitie = {45, 18};
    return d;
}

constexpr OptiuniCelula Informare{MesajValoareRespinsa, 0x40, false, true};
// The layer-thickness range and the test thickness are checked values of the
// dialog that do not mark the material changed on their own.
constexpr OptiuniCelula InformareFaraModificare{MesajValoareRespinsa, 0x40, false, false};

bool minimValid(const MaterialOptic& m, float v) { return v > 0.0f && v <= m.grosime_max; }
bool maximValid(const MaterialOptic& m, float v) { return v >= m.grosime_min; }

QString q(const std::string& s) { return QString::fromStdString(s); }
QString u8(const char* s) { return QString::fromUtf8(s); }
// No stress data (all coefficients 0): nothing to show.
QString cuDate(const MaterialOptic& m, const std::string& text) {
    const float* a = m.stres_suprafata;
    return a[0] == 0.0f && a[1] == 0.0f && a[2] == 0.0f ? QString() : q(text);
}

}  // namespace

MecanicEvaporareDialog::MecanicEvaporareDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Mecanic, indexMaterial, proprietar, descriereEditor()) {
    const struct {
        int id;
        const char* eticheta;
        CampFloat camp;
        RegulaValoare regula;
        OptiuniCelula optiuni;
    } proprietati[] = {
        {101, "Densitate [g/cm³]", [](MaterialOptic& m) -> float& { return m.densitate; }, ValoarePozitiva, {}},
        {102, "Modul Young E [GPa]", [](MaterialOptic& m) -> float& { return m.modul_young; }, ValoarePozitiva, {}},
        {104, "Raport Poisson", [](MaterialOptic& m) -> float& { return m.raport_poisson; }, ValoareNeNegativa, {}},
        {106, "Duritate Knoop HK", [](MaterialOptic& m) -> float& { return m.duritate_knoop; }, ValoareNeNegativa, {}},
        {107, "Duritate la abraziune", [](MaterialOptic& m) -> float& { return m.duritate_abraziune; }, OriceValoare, {}},
        {105, "Masa molara [g/mol]", [](MaterialOptic& m) -> float& { return m.masa_molara; }, ValoareNeNegativa, {}},
        {110, "Grosime ALD [nm]", [](MaterialOptic& m) -> float& { return m.grosime_ald; }, ValoareNeNegativa, Informare},
    };
    auto* coloane = new QHBoxLayout;
    coloana()->addLayout(coloane);
    QFormLayout* f = adaugaGrup(QStringLiteral("Proprietati mecanice"), coloane);
    for (const auto& c : proprietati) f->addRow(u8(c.eticheta), adaugaCelulaFloat(c.id, {}, c.camp, "%g", c.regula, c.optiuni));
    auto* dreapta = new QVBoxLayout;
    coloane->addLayout(dreapta);

    f = adaugaGrup(QStringLiteral("Tensiunea de suprafata a stratului"), dreapta);
    f->addRow(new QLabel(u8("S = a0 + a1·t + a2·t²\n(t: grosimea stratului in nm)"), panou()));
    const struct {
        int id;
        const char* nume;
        CampFloat camp;
    } coeficienti[] = {{114, "a0 [N/m]", [](MaterialOptic& m) -> float& { return m.stres_suprafata[0]; }},
                       {115, "a1 [N/(m·nm)]", [](MaterialOptic& m) -> float& { return m.stres_suprafata[1]; }},
                       {116, "a2 [N/(m·nm²)]", [](MaterialOptic& m) -> float& { return m.stres_suprafata[2]; }}};
    for (const auto& c : coeficienti) f->addRow(u8(c.nume), adaugaCelulaFloat(c.id, {}, c.camp, "%g", OriceValoare));
    f->addRow(QStringLiteral("Grosime de proba t [nm]"),
              adaugaCelula(
                  QString::number(IdGrosimeTest), -1, {},
                  [this](const MaterialOptic&) { return q(FormatG(grosimeTest_)); },
                  [this](MaterialOptic&, const std::string& text) {
                      const std::optional<float> t = CitesteFloatMinim(text, 0.0f);
                      if (!t) return false;
                      grosimeTest_ = *t;
                      return true;
                  },
                  {}, InformareFaraModificare));
    stresSuprafata_ = adaugaCelula(QString::number(IdStresSuprafata), -1, {},
                                   [this](const MaterialOptic& m) { return cuDate(m, TextStresSuprafata(m, grosimeTest_)); },
                                   [](MaterialOptic&, const std::string&) { return false; });
    f->addRow(QStringLiteral("Tensiune de suprafata S [N/m]"), stresSuprafata_);
    stres_ = adaugaCelula(QString::number(IdStres), -1, {},
                          [this](const MaterialOptic& m) { return cuDate(m, TextStres(m, grosimeTest_)); },
                          [](MaterialOptic&, const std::string&) { return false; });
    f->addRow(QStringLiteral("Tensiune in strat S/t [MPa]"), stres_);
    stresSuprafata_->setReadOnly(true);
    stres_->setReadOnly(true);

    f = adaugaGrup(QStringLiteral("Grosimea stratului [nm]"), dreapta);
    f->addRow(QStringLiteral("Minima"), adaugaCelulaFloat(108, {}, [](MaterialOptic& m) -> float& { return m.grosime_min; },
                                                          "%g", minimValid, InformareFaraModificare));
    f->addRow(QStringLiteral("Maxima"), adaugaCelulaFloat(109, {}, [](MaterialOptic& m) -> float& { return m.grosime_max; },
                                                          "%g", maximValid, InformareFaraModificare));
    dreapta->addStretch(1);
    coloana()->addStretch(1);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    faModal();
    reimprospateaza();
}

void MecanicEvaporareDialog::arataStres() {
    const MaterialOptic* m = material();
    if (!m) return;
    arataInCelula(stresSuprafata_, cuDate(*m, TextStresSuprafata(*m, grosimeTest_)));
    arataInCelula(stres_, cuDate(*m, TextStres(*m, grosimeTest_)));
}

void MecanicEvaporareDialog::laReimprospatare() { arataStres(); }
void MecanicEvaporareDialog::laPreluare() { arataStres(); }

void MecanicEvaporareDialog::ajutor() { eroare(path_help, proprietar(), stil::MB_ICONEXCLAMATION, 0); }

}  // namespace vitramor
