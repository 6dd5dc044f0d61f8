#include "editors/StabilitateChimicaDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>

#include "editors/CelulaNumerica.h"
#include "editors/ClaseChimice.h"
#include "editors/StabChimDialog.h"
#include "record/CodificareText.h"
#include "suite/Catalix.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

constexpr int Latime = 185, Inaltime = 231;
constexpr int PasRand = 21, XLista = 116, XValoare = 153, RandToxicitate = 8, RandPuritate = 9;

int yRand(int r) { return 4 + PasRand * r; }

DescriereEditor descriereEditor(int indexMaterial) {
    const SetLucru& set = setLucru();
    std::string producator;
    if (indexMaterial >= 0 && indexMaterial < set.numarMateriale())
        ReturneazaNumeProducatorMatOptic(set.materiale[static_cast<std::size_t>(indexMaterial)].producator, producator);
    DescriereEditor d;
    d.clasa = "StabilitateChimica";
    d.formatTitlu = "%s - Stabilitate chimica: " + Utf8DinWindows1252(producator);
    d.comanda = IdComandaChimic;
    d.pozitie = {60, 10};
    d.dimensiune = {Latime, Inaltime};
    return d;
}

}  // namespace

StabilitateChimicaDialog::StabilitateChimicaDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Chimic, indexMaterial, proprietar, descriereEditor(indexMaterial)) {
    const MaterialOptic* m = material();
    const std::uint16_t producator = m ? m->producator : 0;
    const int active = ListeChimiceActive(producator);
    const bool cuValori = ListeChimiceCuValori(producator);
    for (int i = 0; i < 8; ++i) {
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(101 + i));
        unitatiDialog().plaseaza(c, XLista, yRand(i), 34, 12);
        c->setEnabled(i < active);
        if (cuValori && i < 5)
            for (const std::string& t : ScalaSchott(i).intrari) c->addItem(QString::fromStdString(t));
        connect(c, &QComboBox::activated, this, [this, i](int index) { alegeClasa(i, index); });
        liste_[static_cast<std::size_t>(i)] = c;
    }
    toxicitate_ = new QComboBox(panou());
    toxicitate_->setObjectName(QStringLiteral("109"));
    for (const std::string& t : ClaseToxicitate()) toxicitate_->addItem(QString::fromStdString(t));
    unitatiDialog().plaseaza(toxicitate_, XLista - 30, yRand(RandToxicitate), 64, 12);
    connect(toxicitate_, &QComboBox::activated, this, &StabilitateChimicaDialog::alegeToxicitate);

    // A glass keeps its laser lines in the purity's bytes: nothing to show there.
    QLineEdit* puritate = adaugaCelula(
        QStringLiteral("110"), -1, {XLista, yRand(RandPuritate) + 1, 34, 9},
        [](const MaterialOptic& m) {
            return EsteMaterialEvaporare(m) ? QString::fromStdString(FormatG(m.puritate)) : QString();
        },
        [](MaterialOptic& m, const std::string& text) {
            const std::optional<float> v = CitesteFloatMinim(text, 0.0f, true);
            if (!v || !EsteMaterialEvaporare(m)) return false;
            m.puritate = *v;
            return true;
        });
    puritate->setEnabled(producator == ProducatorEvaporare);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), QRect(4, 213, 50, 14));
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), QRect(60, 213, 50, 14));
    faModal();
    reimprospateaza();
}

void StabilitateChimicaDialog::laReimprospatare() {
    const MaterialOptic* m = material();
    const bool cuValori = m && ListeChimiceCuValori(m->producator);
    for (int i = 0; i < 5; ++i) {
        const QSignalBlocker b(liste_[static_cast<std::size_t>(i)]);
        liste_[static_cast<std::size_t>(i)]->setCurrentIndex(
            cuValori ? ScalaSchott(i).indexDinValoare(m->stabilitate_chimica[i]) : -1);
    }
    const QSignalBlocker b(toxicitate_);
    toxicitate_->setCurrentIndex(m && m->clasa_toxicitate < 4 ? m->clasa_toxicitate : -1);
}

// Picked classes and the toxicity go straight into the record, as a pick
// of a list is the whole edit; they do not mark the material changed.
void StabilitateChimicaDialog::alegeClasa(int lista, int index) {
    MaterialOptic* m = material();
    if (!m || index < 0 || lista >= 5 || !ListeChimiceCuValori(m->producator)) return;
    // The entry shown stands for the stored class, which it may round.
    if (index == ScalaSchott(lista).indexDinValoare(m->stabilitate_chimica[lista])) return;
    m->stabilitate_chimica[lista] = static_cast<std::uint16_t>(ScalaSchott(lista).valoareDinIndex(index));
    panou()->update();
}

void StabilitateChimicaDialog::alegeToxicitate(int index) {
    MaterialOptic* m = material();
    if (!m || index < 0) return;
    m->clasa_toxicitate = static_cast<std::uint16_t>(index);
}

void StabilitateChimicaDialog::deseneaza(QPainter& p, const UnitatiDialog& u) {
    const MaterialOptic* m = material();
    if (!m) return;
    const std::vector<std::string>& scale = NumeScaleChimice(m->producator);
    for (int r = 0; r <= RandPuritate; ++r) ZonaSus(p, u.x(2), u.y(yRand(r) - 2), u.x(Latime - 2), u.y(yRand(r) + 16));
    p.setPen(Qt::black);
    for (std::size_t i = 0; i < scale.size(); ++i) {
        const int y = yRand(static_cast<int>(i)) + 2;
        deseneazaTextInLatime(p, u.dreptunghi(5, y, XLista - 7, 9), QString::fromStdString(scale[i]));
        p.drawText(u.dreptunghi(XValoare, y, Latime - XValoare - 4, 9), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("(%1)").arg(m->stabilitate_chimica[i]));
    }
    p.drawText(u.dreptunghi(5, yRand(RandToxicitate) + 2, 80, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Clasa toxicitate"));
    p.drawText(u.dreptunghi(5, yRand(RandPuritate) + 2, 80, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Puritate"));
    p.drawText(u.dreptunghi(XValoare, yRand(RandPuritate) + 2, 20, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("[%]"));
}

FereastraMaterial* ComandaChimic(QWidget* fereastraPrincipala) {
    SetLucru& set = setLucru();
    if (!set.gol() && DialogChimicProducator(set.curent().producator) == DialogChimic::Niciunul) return nullptr;
    return DeschideEditorMaterialCurent(TipEditor::Chimic, [=](int index) -> FereastraMaterial* {
        if (DialogChimicProducator(setLucru().materiale[static_cast<std::size_t>(index)].producator) ==
            DialogChimic::DouaScale)
            return new StabChimDialog(index, fereastraPrincipala);
        return new StabilitateChimicaDialog(index, fereastraPrincipala);
    });
}

}  // namespace vitramor
