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
    auto* text = new QLabel(QString::fromStdString(r.rezumatFaraRefuzate()), this);
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
        tabel->item(i, 3)->setToolTip(tabel->item(i, 3)->text());
        for (std::size_t k = 0; k < a.coloane.size(); ++k)
            ScrieCelula(tabel, i, 4 + static_cast<int>(k), QString::fromStdString(a.coloane[k]));
    }
    // Rows stay in the source's order until the user sorts them.
    tabel->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabel->setSortingEnabled(true);
    tabel->horizontalHeader()->setStretchLastSection(false);
    tabel->resizeColumnsToContents();
    tabel->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    asezare->addWidget(tabel, 1);

    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(butoane, &QDialogButtonBox::accepted, this, &QDialog::accept);
    asezare->addWidget(butoane);
    resize(900, 480);
}

}  // namespace vitramor
