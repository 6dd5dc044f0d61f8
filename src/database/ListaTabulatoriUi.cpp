#include "database/ListaTabulatoriUi.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <utility>

#include "suite/DialogUnits.h"

namespace vitramor {

namespace {

class DelegatTabulatori : public QStyledItemDelegate {
public:
    DelegatTabulatori(QObject* parinte, QList<qreal> pozitii)
        : QStyledItemDelegate(parinte), pozitii_(std::move(pozitii)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& optiune, const QModelIndex& index) const override {
        QStyleOptionViewItem o = optiune;
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* stil = w ? w->style() : QApplication::style();
        // Background, selection and focus as the style draws them; the text
        // is ours, because the style's text drawing ignores tab stops.
        stil->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
        const QRect zona = stil->subElementRect(QStyle::SE_ItemViewItemText, &o, w);

        QTextOption optiuni(Qt::AlignLeft | Qt::AlignVCenter);
        optiuni.setWrapMode(QTextOption::NoWrap);
        optiuni.setTabArray(pozitii_);
        const QPalette::ColorGroup grup = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                          : (o.state & QStyle::State_Active) ? QPalette::Active
                                                                              : QPalette::Inactive;
        p->save();
        p->setClipRect(zona);
        p->setFont(o.font);
        p->setPen(o.palette.color(grup, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                             : QPalette::Text));
        p->drawText(QRectF(zona), text, optiuni);
        p->restore();
    }

private:
    QList<qreal> pozitii_;
};

}  // namespace

void SeteazaTabulatoriLista(QListWidget* lista, const std::vector<int>& stopuri) {
    if (!lista) return;
    const UnitatiDialog& u = unitatiDialog();
    QList<qreal> pozitii;
    for (int s : stopuri) pozitii.append(u.x(s));
    // The list owns the new delegate; the one it had stays its child too.
    lista->setItemDelegate(new DelegatTabulatori(lista, pozitii));
}

}  // namespace vitramor
