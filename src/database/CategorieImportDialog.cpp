#include "database/CategorieImportDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/CategoriiMaterial.h"
#include "database/CitesteIntrareFisierText.h"
#include "fileutil/ListaTextComboUi.h"

namespace vitramor {

int AlegeCategorieImport(QWidget* parinte, const std::string& directorSticle) {
    const CategoriiImport categorii(directorSticle);
    if (categorii.dupaDiagramaAbbe() || !categorii.areIntrari()) return -1;

    QDialog d(parinte);
    d.setObjectName(QStringLiteral("CategorieImport"));
    d.setWindowTitle(QStringLiteral("Categoria materialelor importate"));
    auto* text = new QLabel(QStringLiteral("Fisierul %1 nu are categoriile \"Crown\" si \"Flint\", dupa care "
                                           "fiecare sticla si-ar primi categoria din nd si vd.\n"
                                           "Alegeti categoria pe care o primesc materialele importate:")
                                .arg(QString::fromLatin1(NumeFisierCategorii)),
                            &d);
    text->setWordWrap(true);
    auto* combo = new QComboBox(&d);
    combo->setObjectName(QStringLiteral("categorie"));
    UmpleComboDinFisierText(combo, directorSticle, NumeFisierCategorii, true, 0);
    combo->setPlaceholderText(QStringLiteral("Alegeti categoria"));
    combo->setCurrentIndex(-1);
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QPushButton* ok = butoane->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ok"));
    butoane->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    // Nothing is given until the user has chosen.
    ok->setEnabled(false);
    QObject::connect(combo, &QComboBox::currentIndexChanged, ok, [ok](int i) { ok->setEnabled(i >= 0); });
    QObject::connect(butoane, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto* l = new QVBoxLayout(&d);
    l->addWidget(text);
    l->addWidget(combo);
    l->addWidget(butoane);
    if (d.exec() != QDialog::Accepted || combo->currentIndex() < 0) return -2;
    return combo->currentData().toInt();
}

}  // namespace vitramor
