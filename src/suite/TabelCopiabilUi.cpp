#include "suite/TabelCopiabilUi.h"

#include <QAction>
#include <QHeaderView>
#include <QTableWidget>
#include <map>

#include "platform/Platforma.h"

namespace vitramor {

QTableWidget* CreazaTabelCopiabil(QWidget* parinte, const QString& id, const QStringList& antete) {
    auto* t = new QTableWidget(0, static_cast<int>(antete.size()), parinte);
    t->setObjectName(id);
    t->setHorizontalHeaderLabels(antete);
    t->verticalHeader()->setVisible(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 4);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setWordWrap(false);
    t->horizontalHeader()->setStretchLastSection(true);
    auto* copiaza = new QAction(t);
    copiaza->setShortcut(QKeySequence::Copy);
    copiaza->setShortcutContext(Qt::WidgetShortcut);
    t->addAction(copiaza);
    QObject::connect(copiaza, &QAction::triggered, t,
                     [t] { platforma().scrieClipboard(TextSelectieTabel(t).toStdString()); });
    return t;
}

void ScrieCelula(QTableWidget* t, int rand, int coloana, const QString& text) {
    if (QTableWidgetItem* i = t->item(rand, coloana)) i->setText(text);
    else t->setItem(rand, coloana, new QTableWidgetItem(text));
}

QString TextSelectieTabel(const QTableWidget* t) {
    std::map<int, std::map<int, QString>> randuri;
    for (const QTableWidgetItem* i : t->selectedItems()) randuri[i->row()][i->column()] = i->text();
    QString text;
    for (const auto& [rand, celule] : randuri) {
        QStringList linie;
        int urmatoarea = celule.begin()->first;
        // Columns between selected cells keep their place as empty cells.
        for (const auto& [coloana, s] : celule) {
            for (; urmatoarea < coloana; ++urmatoarea) linie << QString();
            linie << s;
            urmatoarea = coloana + 1;
        }
        text += linie.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

}  // namespace vitramor
