#include "editors/MecanicWindow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "editors/MecanicEvaporareDialog.h"
#include "material/ProprietatiMecanice.h"

namespace vitramor {

namespace {

DescriereEditor descriereEditor() {
    DescriereEditor d;
    d.clasa = "EditMecanicClass";
    d.formatTitlu = "%s - Proprietati mecanice";
    d.comanda = IdComandaMecanic;
    d.pozitie = {45, 18};
    return d;
}

// Some values are kept as typed after a refusal, to be corrected in place.
constexpr OptiuniCelula PastreazaTextul{MesajValoareRespinsa, 0x30, true, true};

QString u8(const char* s) { return QString::fromUtf8(s); }

}  // namespace

EditMecanicClass::EditMecanicClass(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Mecanic, indexMaterial, proprietar, descriereEditor()) {
    const MaterialOptic* m = material();
    // The evaporation dialog takes negative abrasion values; so does this
    // window for a material that was moved to the evaporation producer.
    const RegulaValoare abraziune = m && EsteMaterialEvaporare(*m) ? OriceValoare : ValoareNeNegativa;
    const auto celula = [this](int id, CampFloat camp, const char* format, RegulaValoare regula,
                               OptiuniCelula optiuni = {}) {
        return adaugaCelulaFloat(id, {}, camp, format, regula, optiuni);
    };
    QFormLayout* f = adaugaGrup(QStringLiteral("Generale"));
    f->addRow(u8("Densitate [g/cm³]"), celula(101, [](MaterialOptic& m) -> float& { return m.densitate; }, "%g", ValoarePozitiva));
    f->addRow(QStringLiteral("Masa molara [g/mol]"), celula(111, [](MaterialOptic& m) -> float& { return m.masa_molara; }, "%g", ValoareNeNegativa));

    const EticheteElasticitate e = EticheteElasticitateProducator(m ? m->producator : 0);
    elasticitate_ = adaugaGrup(QString::fromLatin1(e.titlu));
    elasticitate_->addRow(QString::fromLatin1(e.primul), celula(102, [](MaterialOptic& m) -> float& { return m.modul_young; }, "%g", ValoareNeNegativa));
    elasticitate_->addRow(QString::fromLatin1(e.alDoilea), celula(103, [](MaterialOptic& m) -> float& { return m.raport_poisson; }, "%g", ValoareNeNegativa));
    elasticitate_->addRow(u8("Coeficient Poisson µ (Quer)"),
                          celula(104, [](MaterialOptic& m) -> float& { return m.coeficient_quer; }, "%7.5f", ValoareNeNegativa, PastreazaTextul));

    f = adaugaGrup(QStringLiteral("Duritate"));
    f->addRow(QStringLiteral("Duritate la abraziune HG (ISO 12844)"),
              celula(105, [](MaterialOptic& m) -> float& { return m.duritate_abraziune; }, "%g", abraziune));
    f->addRow(QStringLiteral("Duritate Knoop HK (ISO 9385)"),
              celula(106, [](MaterialOptic& m) -> float& { return m.duritate_knoop; }, "%10.5f", ValoareNeNegativa));

    f = adaugaGrup(QStringLiteral("Tensiuni"));
    f->addRow(QStringLiteral("Rezistenta inelara"),
              celula(107, [](MaterialOptic& m) -> float& { return m.rezistenta_inelara; }, "%10.5f", ValoareNeNegativa, PastreazaTextul));
    f->addRow(u8("Coeficient optic de tensiune K [10⁻⁶ mm²/N]"),
              celula(108, [](MaterialOptic& m) -> float& { return m.coef_optic_tensiune; }, "%10.5f", ValoareNeNegativa, PastreazaTextul));
    f->addRow(QStringLiteral("Constanta fotoelastica -c1"),
              celula(109, [](MaterialOptic& m) -> float& { return m.constante_fotoelastice[0]; }, "%8.3f", ValoareNeNegativa, PastreazaTextul));
    f->addRow(QStringLiteral("Constanta fotoelastica -c2"),
              celula(110, [](MaterialOptic& m) -> float& { return m.constante_fotoelastice[1]; }, "%8.3f", ValoareNeNegativa, PastreazaTextul));
    coloana()->addStretch(1);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(raspuns::IDCANCEL, QStringLiteral("Anuleaza"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    reimprospateaza();
    if (auto* c = panou()->findChild<QWidget*>(QStringLiteral("101"))) c->setFocus();
}

// The elasticity labels follow the producer's catalogue, which may change
// while the window is open.
void EditMecanicClass::laReimprospatare() {
    const MaterialOptic* m = material();
    if (!m) return;
    const EticheteElasticitate e = EticheteElasticitateProducator(m->producator);
    static_cast<QGroupBox*>(elasticitate_->parentWidget())->setTitle(QString::fromLatin1(e.titlu));
    const char* texte[] = {e.primul, e.alDoilea};
    for (int r = 0; r < 2; ++r)
        if (auto* l = qobject_cast<QLabel*>(elasticitate_->itemAt(r, QFormLayout::LabelRole)->widget()))
            l->setText(QString::fromLatin1(texte[r]));
}

FereastraMaterial* ComandaMecanic(QWidget* fereastraPrincipala) {
    return DeschideEditorMaterialCurent(TipEditor::Mecanic, [=](int index) -> FereastraMaterial* {
        if (EsteMaterialEvaporare(setLucru().materiale[static_cast<std::size_t>(index)]))
            return new MecanicEvaporareDialog(index, fereastraPrincipala);
        return new EditMecanicClass(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
