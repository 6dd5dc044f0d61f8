#include "editors/StabilitateChimicaDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "database/CatalogMateriale.h"
#include "editors/StabChimDialog.h"
#include "material/CelulaNumerica.h"
#include "material/ClaseChimice.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"

namespace vitramor {

namespace {

std::string numeProducator(int indexMaterial) {
    const SetLucru& set = setLucru();
    if (indexMaterial < 0 || indexMaterial >= set.numarMateriale()) return {};
    return Utf8DinWindows1252(
        NumeProducatorSticla(path_sticle, set.materiale[static_cast<std::size_t>(indexMaterial)].producator));
}

DescriereEditor descriereEditor(int indexMaterial) {
    DescriereEditor d;
    d.clasa = "StabilitateChimica";
    d.formatTitlu = "%s - Stabilitate chimica: " + numeProducator(indexMaterial);
    d.comanda = IdComandaChimic;
    d.pozitie = {60, 10};
    return d;
}

}  // namespace

StabilitateChimicaDialog::StabilitateChimicaDialog(int indexMaterial, QWidget* proprietar)
    : EditorMaterialWindow(TipEditor::Chimic, indexMaterial, proprietar, descriereEditor(indexMaterial)) {
    const MaterialOptic* m = material();
    const std::uint16_t producator = m ? m->producator : 0;
    const std::vector<std::string>& scale = NumeScaleChimice(producator);
    const bool cuValori = ListeChimiceCuValori(producator);
    QFormLayout* f = adaugaGrup(QStringLiteral("Clasele producatorului ") + QString::fromStdString(numeProducator(indexMaterial)));
    for (int i = 0; i < 8; ++i) {
        auto* c = new QComboBox(panou());
        c->setObjectName(QString::number(101 + i));
        liste_[static_cast<std::size_t>(i)] = c;
        if (static_cast<std::size_t>(i) >= scale.size()) {
            // A scale this producer does not have.
            c->setEnabled(false);
            c->hide();
            continue;
        }
        f->addRow(QString::fromStdString(scale[static_cast<std::size_t>(i)]), c);
        // Only the Schott-type scales have lists to choose from; the other
        // producers' classes are shown as they are stored.
        c->setEnabled(cuValori && i < 5);
        if (cuValori && i < 5)
            for (const std::string& t : ScalaSchott(i).intrari) c->addItem(QString::fromStdString(t));
        else
            c->addItem(QString());
        connect(c, &QComboBox::activated, this, [this, i](int index) { alegeClasa(i, index); });
    }
    toxicitate_ = new QComboBox(panou());
    toxicitate_->setObjectName(QStringLiteral("109"));
    for (const std::string& t : ClaseToxicitate()) toxicitate_->addItem(QString::fromStdString(t));
    f = adaugaGrup(QStringLiteral("Alte date"));
    f->addRow(QStringLiteral("Clasa de toxicitate"), toxicitate_);
    connect(toxicitate_, &QComboBox::activated, this, &StabilitateChimicaDialog::alegeToxicitate);

    // A glass keeps its laser lines in the purity's bytes: no purity there.
    QLineEdit* puritate = adaugaCelula(
        QStringLiteral("110"), -1, {},
        [](const MaterialOptic& m) {
            return EsteMaterialEvaporare(m) && m.puritate != 0.0f ? QString::fromStdString(FormatG(m.puritate)) : QString();
        },
        [](MaterialOptic& m, const std::string& text) {
            const std::optional<float> v = CitesteFloatMinim(text, 0.0f, true);
            if (!v || !EsteMaterialEvaporare(m)) return false;
            m.puritate = *v;
            return true;
        });
    if (producator == ProducatorEvaporare) {
        f->addRow(QStringLiteral("Puritate [%]"), puritate);
    } else {
        puritate->setEnabled(false);
        puritate->hide();
    }
    coloana()->addStretch(1);

    adaugaButon(raspuns::IDOK, QStringLiteral("OK"), {});
    adaugaButon(IdButonAjutorEditor, QStringLiteral("Ajutor"), {});
    faModal();
    reimprospateaza();
}

void StabilitateChimicaDialog::laReimprospatare() {
    const MaterialOptic* m = material();
    const bool cuValori = m && ListeChimiceCuValori(m->producator);
    for (int i = 0; i < 8 && m; ++i) {
        QComboBox* c = liste_[static_cast<std::size_t>(i)];
        const QSignalBlocker b(c);
        if (cuValori && i < 5) {
            c->setCurrentIndex(ScalaSchott(i).indexDinValoare(m->stabilitate_chimica[i]));
        } else if (!c->isHidden()) {
            const std::uint16_t v = m->stabilitate_chimica[i];
            c->setItemText(0, v == 0 ? QString() : QString::number(v));
            c->setCurrentIndex(0);
        }
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
    memoreazaPentruAnulare();
    m->stabilitate_chimica[lista] = static_cast<std::uint16_t>(ScalaSchott(lista).valoareDinIndex(index));
    panou()->update();
}

void StabilitateChimicaDialog::alegeToxicitate(int index) {
    MaterialOptic* m = material();
    if (!m || index < 0 || m->clasa_toxicitate == index) return;
    memoreazaPentruAnulare();
    m->clasa_toxicitate = static_cast<std::uint16_t>(index);
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
