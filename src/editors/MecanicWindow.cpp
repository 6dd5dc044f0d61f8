#include "editors/MecanicWindow.h"

#include <QPainter>

#include "editors/MecanicEvaporareDialog.h"
#include "editors/ProprietatiMecanice.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 190, Inaltime = 184;

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "EditMecanicClass";
    d.formatTitlu = "%s - Proprietati mecanice";
    d.comanda = IdComandaMecanic;
    d.pozitie = {45, 18};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

// Some values are kept as typed after a refusal, to be corrected in place.
constexpr OptiuniCelula PastreazaTextul{MesajValoareRespinsa, 0x30, true, true};

constexpr QRect Panouri[] = {{2, 2, 132, 13},  {2, 17, 132, 31},  {2, 50, 132, 13},  {2, 65, 132, 13},
                             {2, 80, 132, 13}, {2, 95, 132, 13},  {2, 110, 132, 20}, {2, 133, 132, 31},
                             {2, 166, 184, 15}, {137, 2, 49, 162}};

}  // namespace

EditMecanicClass::EditMecanicClass(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Mecanic, indexMaterial, proprietar, descriereEditor()) {
    const MaterialOptic* m = material();
    // The evaporation dialog takes negative abrasion values; so does this
    // window for a material that was moved to the evaporation producer.
    const RegulaValoare abraziune = m && EsteMaterialEvaporare(*m) ? OriceValoare : ValoareNeNegativa;
    // clang-format off
    adaugaCelulaFloat(101, {69, 4, 36, 9},   [](MaterialOptic& m) -> float& { return m.densitate; }, "%g", ValoarePozitiva);
    adaugaCelulaFloat(102, {10, 37, 44, 9},  [](MaterialOptic& m) -> float& { return m.modul_young; }, "%g", ValoareNeNegativa);
    adaugaCelulaFloat(103, {83, 37, 44, 9},  [](MaterialOptic& m) -> float& { return m.raport_poisson; }, "%g", ValoareNeNegativa);
    adaugaCelulaFloat(104, {80, 52, 32, 9},  [](MaterialOptic& m) -> float& { return m.coeficient_quer; }, "%7.5f", ValoareNeNegativa, PastreazaTextul);
    adaugaCelulaFloat(105, {94, 67, 38, 9},  [](MaterialOptic& m) -> float& { return m.duritate_abraziune; }, "%g", abraziune);
    adaugaCelulaFloat(106, {76, 82, 44, 9},  [](MaterialOptic& m) -> float& { return m.duritate_knoop; }, "%10.5f", ValoareNeNegativa);
    adaugaCelulaFloat(107, {77, 97, 44, 9},  [](MaterialOptic& m) -> float& { return m.rezistenta_inelara; }, "%10.5f", ValoareNeNegativa, PastreazaTextul);
    adaugaCelulaFloat(108, {82, 115, 44, 9}, [](MaterialOptic& m) -> float& { return m.coef_optic_tensiune; }, "%10.5f", ValoareNeNegativa, PastreazaTextul);
    adaugaCelulaFloat(109, {24, 152, 36, 9}, [](MaterialOptic& m) -> float& { return m.constante_fotoelastice[0]; }, "%8.3f", ValoareNeNegativa, PastreazaTextul);
    adaugaCelulaFloat(110, {81, 152, 36, 9}, [](MaterialOptic& m) -> float& { return m.constante_fotoelastice[1]; }, "%8.3f", ValoareNeNegativa, PastreazaTextul);
    adaugaCelulaFloat(111, {53, 169, 45, 9}, [](MaterialOptic& m) -> float& { return m.masa_molara; }, "%g", ValoareNeNegativa);
    // clang-format on

    // Each label is kept left of its cell (the width, in units).
    const struct {
        const char* text;
        int x, y, latime;
    } etichete[] = {{"Densitate", 36, 4, 32},           {"g/cm^3", 106, 4, 27},         {"Coeficient u(Quer)", 16, 52, 62},
                    {"Abrasion hardness", 24, 67, 68},  {"Knoop hardness", 16, 82, 58}, {"Rezistenta inelara", 13, 97, 62},
                    {"Coeficient optic de", 18, 112, 62}, {"tensiune", 28, 121, 50},  {"Constante fotoelastice", 29, 135, 100},
                    {"-c1", 30, 142, 20},               {"-c2", 88, 142, 20},         {"Masa molara", 4, 169, 48},
                    {"g/mol", 100, 169, 30}};
    for (const auto& e : etichete) adaugaEticheta(QString::fromLatin1(e.text), {e.x, e.y}, e.latime);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(142, 21, 40, 14));
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), QRect(142, 75, 40, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(142, 129, 40, 14));
    reimprospateaza();
    if (auto* c = panou()->findChild<QWidget*>(QStringLiteral("101"))) c->setFocus();
}

void EditMecanicClass::deseneaza(QPainter& p, const UnitatiDialog& u) {
    for (const QRect& r : Panouri) ZonaSus(p, u.x(r.left()), u.y(r.top()), u.x(r.left() + r.width()), u.y(r.top() + r.height()));
    const MaterialOptic* m = material();
    if (!m) return;
    // The elasticity labels follow the producer's catalogue.
    const EticheteElasticitate e = EticheteElasticitateProducator(m->producator);
    const bool vechi = m->producator == 0 || m->producator == 1;
    p.setPen(Qt::black);
    auto text = [&](int x, int y, const char* s) {
        p.drawText(QRect(u.punct(x, y), QSize(1, 1)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromLatin1(s));
    };
    // Each value's label is centred over its cell: with a wider font than
    // the layout was drawn for, a label started at a fixed point runs
    // past the panel's edge.
    auto peCelula = [&](int x, int y, const char* s) {
        p.drawText(QRect(u.punct(x, y), QSize(u.x(44), 1)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                   QString::fromLatin1(s));
    };
    text(vechi ? 32 : 38, 19, e.titlu);
    peCelula(10, 27, e.primul);
    peCelula(83, 27, e.alDoilea);
}

FereastraMaterial* ComandaMecanic(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::Mecanic, [=](int index) -> FereastraMaterial* {
        if (EsteMaterialEvaporare(setLucru().materiale[static_cast<std::size_t>(index)]))
            return new MecanicEvaporareDialog(index, fereastraPrincipala);
        return new EditMecanicClass(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
