#include "suite/ListaTabulatoriUi.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

#include "suite/DialogUnits.h"

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
        const QRect zona = stil->subElementRect(QStyle::SE_ItemViewItemText, &opt, w);

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

}  // namespace vitramor
