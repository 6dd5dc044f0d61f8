#include "platform/CopiereTabelUi.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStringList>
#include <QTableWidget>
#include <QTableView>
#include <QTreeView>
#include <map>
#include <set>

#include "platform/Platforma.h"

namespace vitramor {

namespace {

// The header as the user sees it: a column moved by dragging keeps its
// place in the copy, a hidden one stays out.
const QHeaderView* AntetOrizontal(const QAbstractItemView* tabel) {
    if (const auto* t = qobject_cast<const QTableView*>(tabel)) return t->horizontalHeader();
    if (const auto* t = qobject_cast<const QTreeView*>(tabel)) return t->header();
    return nullptr;
}

}  // namespace

QString TextCeluleSelectate(const QAbstractItemView* tabel) {
    const QAbstractItemModel* model = tabel->model();
    if (!model || !tabel->selectionModel()) return {};
    const QHeaderView* antet = AntetOrizontal(tabel);
    const auto pozitie = [antet](int coloana) { return antet ? antet->visualIndex(coloana) : coloana; };
    std::map<int, std::map<int, QString>> randuri;  // row -> visual column -> text
    std::set<std::pair<int, int>> coloane;           // (visual position, logical column)
    for (const QModelIndex& i : tabel->selectionModel()->selectedIndexes()) {
        if (antet && antet->isSectionHidden(i.column())) continue;
        randuri[i.row()][pozitie(i.column())] = i.data(Qt::DisplayRole).toString();
        coloane.insert({pozitie(i.column()), i.column()});
    }
    if (randuri.empty()) return {};
    QStringList linii;
    QStringList titluri;
    for (const auto& [vizual, coloana] : coloane)
        titluri << model->headerData(coloana, Qt::Horizontal, Qt::DisplayRole).toString();
    linii << titluri.join(QLatin1Char('\t'));
    for (const auto& [rand, celule] : randuri) {
        QStringList valori;
        for (const auto& [vizual, coloana] : coloane) {
            const auto it = celule.find(vizual);
            valori << (it == celule.end() ? QString() : it->second);
        }
        linii << valori.join(QLatin1Char('\t'));
    }
    return linii.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

// The key is taken before the view sees it: the view's own Ctrl+C copies
// only the current cell, past the platform's clipboard.
class CopiereLaCtrlC : public QObject {
public:
    explicit CopiereLaCtrlC(QAbstractItemView* tabel) : QObject(tabel), tabel_(tabel) {}

    void copiaza() const {
        const QString text = TextCeluleSelectate(tabel_);
        if (!text.isEmpty()) platforma().scrieClipboard(text.toStdString());
    }

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
            if (static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
                e->accept();
                if (e->type() == QEvent::KeyPress) copiaza();
                return true;
            }
        }
        return QObject::eventFilter(obiect, e);
    }

private:
    QAbstractItemView* tabel_;
};

}  // namespace

void PermiteCopiereTabel(QAbstractItemView* tabel) {
    auto* filtru = new CopiereLaCtrlC(tabel);
    tabel->installEventFilter(filtru);
    auto* copiaza = new QAction(QStringLiteral("Copiaza (Ctrl+C)"), tabel);
    QObject::connect(copiaza, &QAction::triggered, filtru, [filtru] { filtru->copiaza(); });
    tabel->addAction(copiaza);
    tabel->setContextMenuPolicy(Qt::ActionsContextMenu);
}

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
    PermiteCopiereTabel(t);
    return t;
}

void ScrieCelula(QTableWidget* t, int rand, int coloana, const QString& text) {
    if (QTableWidgetItem* i = t->item(rand, coloana)) i->setText(text);
    else t->setItem(rand, coloana, new QTableWidgetItem(text));
}

}  // namespace vitramor
