#include "platform/RezultatOperatieDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/CopiereTabelUi.h"

namespace vitramor {

RezultatOperatieDialog::RezultatOperatieDialog(QWidget* parinte, const QString& titlu, const RezultatOperatie& r)
    : QDialog(parinte) {
    setObjectName(QStringLiteral("RezultatOperatie"));
    setWindowTitle(titlu);
    auto* asezare = new QVBoxLayout(this);
    // The table lists every refused material; the text keeps the counts.
    RezultatOperatie fara = r;
    fara.refuzate.clear();
    auto* text = new QLabel(QString::fromStdString(fara.rezumat()), this);
    text->setObjectName(QStringLiteral("rezumat"));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setWordWrap(true);
    asezare->addWidget(text);

    QStringList antete{QStringLiteral("Material"), QStringLiteral("Producator"), QStringLiteral("Rezultat"),
                       QStringLiteral("Detalii")};
    for (const std::string& a : r.antetColoane) antete << QString::fromStdString(a);
    QTableWidget* tabel = CreazaTabelCopiabil(this, QStringLiteral("articole"), antete);
    tabel->setRowCount(static_cast<int>(r.articole.size()));
    for (int i = 0; i < tabel->rowCount(); ++i) {
        const RezultatOperatie::Articol& a = r.articole[static_cast<std::size_t>(i)];
        ScrieCelula(tabel, i, 0, QString::fromStdString(a.material));
        ScrieCelula(tabel, i, 1, QString::fromStdString(a.producator));
        ScrieCelula(tabel, i, 2, QString::fromStdString(a.rezultat));
        ScrieCelula(tabel, i, 3, QString::fromStdString(a.detalii));
        for (std::size_t k = 0; k < a.coloane.size(); ++k)
            ScrieCelula(tabel, i, 4 + static_cast<int>(k), QString::fromStdString(a.coloane[k]));
    }
    tabel->setSortingEnabled(true);
    tabel->resizeColumnsToContents();
    tabel->horizontalHeader()->setStretchLastSection(true);
    asezare->addWidget(tabel, 1);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    asezare->addWidget(butoane);
    resize(760, 460);
}

}  // namespace vitramor
