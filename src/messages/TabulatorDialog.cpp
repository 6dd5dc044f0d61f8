#include "messages/TabulatorDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

#include "record/NumarCatalog.h"

namespace vitramor {

TabulatorDialog::TabulatorDialog(QWidget* parent, ModelListaMesaje& model)
    : QDialog(parent), model_(model), camp_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Set tabs"));
    camp_->setObjectName(QStringLiteral("101"));
    camp_->setText(QString::asprintf("%d", model_.tabulator()));
    camp_->selectAll();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* anuleaza = new QPushButton(QStringLiteral("Cancel"), this);
    anuleaza->setObjectName(QStringLiteral("2"));
    connect(ok, &QPushButton::clicked, this, &TabulatorDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &TabulatorDialog::reject);

    auto* butoane = new QHBoxLayout;
    butoane->addWidget(ok);
    butoane->addWidget(anuleaza);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(camp_);
    layout->addLayout(butoane);
}

// Text that is not a number counts as 0 and is refused like any stop below 1;
// the field then shows the stop in force again and the dialog stays open.
void TabulatorDialog::accept() {
    const long long valoare = NumarIntreg(camp_->text().toStdString(), INT_MIN, INT_MAX).value_or(0);
    if (!model_.seteazaTabulator(static_cast<QWidget*>(this), static_cast<int>(valoare))) {
        camp_->setText(QString::asprintf("%d", model_.tabulator()));
        camp_->selectAll();
        camp_->setFocus();
        return;
    }
    QDialog::accept();
}

int CereTabulatorListaMesaje(QWidget* parent, ModelListaMesaje& model) {
    TabulatorDialog d(parent, model);
    return d.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace vitramor
