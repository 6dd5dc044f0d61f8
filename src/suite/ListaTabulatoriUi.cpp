#include "suite/ListaTabulatoriUi.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QStandardItemModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTextOption>

#include "suite/UnitatiDialog.h"

namespace vitramor {

namespace {

class DelegatTabulatori final : public QStyledItemDelegate {
public:
    DelegatTabulatori(QObject* parinte, QList<qreal> pozitii, qreal interval)
        : QStyledItemDelegate(parinte), pozitii_(std::move(pozitii)), interval_(interval) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* w = opt.widget;
        QStyle* stil = w ? w->style() : QApplication::style();
        // Background, selection and focus as the style draws them; the text
        // ourselves, because the style's text drawing knows no tab stops.
        stil->drawControl(QStyle::CE_ItemViewItem, &opt, painter, w);
        // The style's own item text keeps this margin inside its rectangle;
        // the header's sections count on it.
        const int margine = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        const QRect zona = stil->subElementRect(QStyle::SE_ItemViewItemText, &opt, w).adjusted(margine, 0, -margine, 0);

        QTextOption optiuni(Qt::AlignLeft | Qt::AlignVCenter);
        optiuni.setWrapMode(QTextOption::NoWrap);
        optiuni.setTabArray(pozitii_);
        optiuni.setTabStopDistance(interval_);
        painter->save();
        const bool selectat = opt.state & QStyle::State_Selected;
        painter->setPen(opt.palette.color(selectat ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(opt.font);
        painter->setClipRect(zona);
        painter->drawText(QRectF(zona), text, optiuni);
        painter->restore();
    }

    const QList<qreal>& pozitii() const { return pozitii_; }

private:
    QList<qreal> pozitii_;
    qreal interval_;
};

}  // namespace

void SeteazaTabulatoriLista(QListWidget* lista, const UnitatiDialog& unitati, const std::vector<int>& stopuri) {
    if (!lista) return;
    QList<qreal> pozitii;
    int anterior = 0;
    int interval = 32;  // list boxes without stops put one every 32 units
    for (int s : stopuri) {
        pozitii << unitati.x(s);
        if (s > anterior) interval = s - anterior;
        anterior = s;
    }
    lista->setItemDelegate(new DelegatTabulatori(lista, pozitii, unitati.x(interval)));
}

void SeteazaTabulatoriLista(QListWidget* lista, const std::vector<int>& stopuri) {
    SeteazaTabulatoriLista(lista, unitatiDialog(), stopuri);
}

QHeaderView* SeteazaAntetLista(QListWidget* lista, const QStringList& titluri) {
    QWidget* parinte = lista ? lista->parentWidget() : nullptr;
    if (!parinte) return nullptr;
    auto* antet = new QHeaderView(Qt::Horizontal, parinte);
    antet->setObjectName(QStringLiteral("antet") + lista->objectName());
    auto* model = new QStandardItemModel(0, static_cast<int>(titluri.size()), antet);
    model->setHorizontalHeaderLabels(titluri);
    antet->setModel(model);
    antet->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    antet->setSectionResizeMode(QHeaderView::Fixed);
    antet->setStretchLastSection(true);
    // Section k ends where column k + 1 starts: at its tab stop, measured
    // from the text's left edge inside the list's frame.
    const auto* delegat = dynamic_cast<const DelegatTabulatori*>(lista->itemDelegate());
    const int margine = lista->frameWidth() + lista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lista) + 1;
    qreal inceput = 0;
    for (int k = 0; delegat && k < titluri.size() - 1 && k < delegat->pozitii().size(); ++k) {
        const qreal stop = delegat->pozitii()[k];
        antet->resizeSection(k, static_cast<int>(stop - inceput) + (k == 0 ? margine : 0));
        inceput = stop;
    }
    const int inaltime = antet->sizeHint().height();
    antet->setFixedHeight(inaltime);
    auto* cutie = qobject_cast<QBoxLayout*>(parinte->layout());
    if (const int loc = cutie ? cutie->indexOf(lista) : -1; loc >= 0) {
        // Header and list together, without the layout's spacing between them.
        const int intindere = cutie->stretch(loc);
        cutie->removeWidget(lista);
        auto* impreuna = new QVBoxLayout;
        impreuna->setSpacing(0);
        impreuna->addWidget(antet);
        impreuna->addWidget(lista);
        cutie->insertLayout(loc, impreuna, intindere);
    } else {
        const QRect g = lista->geometry();
        antet->setGeometry(g.x(), g.y(), g.width(), inaltime);
        lista->setGeometry(g.adjusted(0, inaltime, 0, 0));
    }
    antet->show();
    return antet;
}

}  // namespace vitramor
