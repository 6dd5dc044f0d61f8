#include "import/ImportaIntreMaterialeDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "import/ImportaIntreMateriale.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "platform/FerestreMaterialUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

// The layout, in dialog units.
constexpr int LatimeDialog = 160, InaltimeDialog = 130;
constexpr int ButonY = 108, ButonCx = 45, ButonCy = 14;

constexpr int MesajFaraFunctie = 0;

QPushButton* buton(QWidget* parent, const char* text, int id, int x) {
    return ButonDialog(parent, QString::fromLatin1(text), id, x, ButonY, ButonCx, ButonCy);
}

QString NumeInLista(const MaterialOptic& m) {
    return TextQt(m.nume, sizeof m.nume);
}

}  // namespace

ImportaIntreMaterialeDialog::ImportaIntreMaterialeDialog(QWidget* parent, int comanda, SetLucru& set)
    : QDialog(parent), comanda_(comanda), set_(set) {
    setWindowTitle(QString::fromStdString(TitluImportaIntreMateriale(comanda)));
    setObjectName(QStringLiteral("ImportaIntreMateriale"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(LatimeDialog, InaltimeDialog));

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaSurseImport));
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    u.plaseaza(lista_, 7, 7, LatimeDialog - 14, ButonY - 12);
    for (const MaterialOptic& m : set_.materiale) lista_->addItem(NumeInLista(m));
    // No row is current yet: the first choice, even of row 0, is a change.
    lista_->setCurrentRow(-1);

    importa_ = buton(this, "Importa", IdButonImportaIntreMateriale, 7);
    importa_->setEnabled(false);
    QPushButton* ok = buton(this, "OK", raspuns::IDOK, 57);
    QPushButton* ajutor = buton(this, "Ajutor", IdButonAjutorImportaIntreMateriale, 108);
    ok->setDefault(true);

    // The choice is read once the list has applied it: a mouse press makes
    // the row current first and selects it afterwards, so clearing a refused
    // choice any earlier would be undone by the press itself.
    connect(lista_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> alese = lista_->selectedItems();
        if (!alese.isEmpty()) laAlegere(lista_->row(alese.front()));
    });
    connect(importa_, &QPushButton::clicked, this, &ImportaIntreMaterialeDialog::importa);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(ajutor, &QPushButton::clicked, this,
            [this] { eroare(path_help, static_cast<QWidget*>(this), 48, MesajFaraFunctie); });

    // Centred over the main window, as QDialog places a dialog with a parent.
}

void ImportaIntreMaterialeDialog::laAlegere(int rand) {
    if (rand < 0) return;
    if (rand == set_.materialCurent) {
        MesajBox(static_cast<QWidget*>(this), TextAlegetiAltaSticla, TitluCasetaImportaIntreMateriale, stil::MB_OK);
        // Clearing the choice must not come back here as another choice.
        const QSignalBlocker blocare(lista_);
        lista_->clearSelection();
        lista_->setCurrentRow(-1);
        sursa_ = -1;
        importa_->setEnabled(false);
        return;
    }
    sursa_ = rand;
    importa_->setEnabled(true);
}

void ImportaIntreMaterialeDialog::importa() {
    if (sursa_ < 0) return;
    if (!ImportaInMaterialCurent(platforma(), static_cast<QWidget*>(this), comanda_, set_, sursa_)) return;
    if (comanda_ == IdComandaImportaIndici) {
        // The open n and k windows of the current material show the copied
        // tables at once; windows that are not open read the record later.
        ferestreMaterial().trimiteReimprospatare(TipEditor::IndiciN, set_.materialCurent);
        ferestreMaterial().trimiteReimprospatare(TipEditor::IndiciK, set_.materialCurent);
    }
}

namespace {

void DeschideImportaIntreMateriale(QWidget* fereastraPrincipala, int comanda) {
    // The command is enabled only with materials open; a call without any
    // has no current material to import into.
    if (setLucru().gol()) return;
    ImportaIntreMaterialeDialog dialog(fereastraPrincipala, comanda);
    dialog.exec();
}

}  // namespace

void ComandaImportaIndici(QWidget* fereastraPrincipala) {
    DeschideImportaIntreMateriale(fereastraPrincipala, IdComandaImportaIndici);
}

void ComandaImportaEcuatii(QWidget* fereastraPrincipala) {
    DeschideImportaIntreMateriale(fereastraPrincipala, IdComandaImportaEcuatii);
}

}  // namespace vitramor
