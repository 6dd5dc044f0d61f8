#include "database/RecupereazaMaterialDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/CopiereTabelUi.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"

namespace vitramor {

RecupereazaMaterialDialog::RecupereazaMaterialDialog(QWidget* parent, std::vector<IntrareRecuperare> intrari)
    : QDialog(parent), intrari_(std::move(intrari)) {
    setWindowTitle(QStringLiteral("Recupereaza material"));
    auto* asezare = new QVBoxLayout(this);
    lista_ = new QTreeWidget(this);
    PermiteCopiereTabel(lista_);
    lista_->setRootIsDecorated(false);
    lista_->setHeaderLabels({QStringLiteral("Nume"), QStringLiteral("Producator"), QStringLiteral("Cand"),
                             QStringLiteral("Comanda")});
    // Newest first: the material just lost by mistake is the one wanted.
    for (std::size_t i = intrari_.size(); i-- > 0;) {
        const std::string linie = Utf8DinWindows1252(LinieRecuperare(path_sticle, intrari_[i]));
        auto* rand = new QTreeWidgetItem(lista_, QString::fromUtf8(linie.c_str()).split(QLatin1Char('\t')));
        rand->setData(0, Qt::UserRole, static_cast<int>(i));
    }
    lista_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (lista_->topLevelItemCount() > 0) lista_->setCurrentItem(lista_->topLevelItem(0));
    asezare->addWidget(lista_);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    butoane->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Recupereaza"));
    asezare->addWidget(butoane);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(butoane, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lista_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(520, 360);
}

int RecupereazaMaterialDialog::ales() const {
    const QTreeWidgetItem* rand = lista_->currentItem();
    return rand ? rand->data(0, Qt::UserRole).toInt() : -1;
}

bool AlegeMaterialRecuperat(Fereastra owner, MaterialOptic& m) {
    std::vector<IntrareRecuperare> intrari;
    if (std::string motiv; !CitesteRecuperare(path_sticle, intrari, motiv)) {
        MesajBox(owner, motiv, "ATENTIE!", stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return false;
    }
    if (intrari.empty()) {
        MesajBox(owner, "Fisierul de recuperare nu contine materiale.", "ATENTIE!",
                 stil::MB_OK | stil::MB_ICONASTERISK);
        return false;
    }
    RecupereazaMaterialDialog d(static_cast<QWidget*>(owner), intrari);
    if (d.exec() != QDialog::Accepted || d.ales() < 0) return false;
    m = intrari[static_cast<std::size_t>(d.ales())].material;
    return true;
}

}  // namespace vitramor
