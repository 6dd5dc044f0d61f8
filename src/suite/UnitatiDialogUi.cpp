#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "suite/UnitatiDialog.h"

#include <QPushButton>

namespace vitramor {

namespace {

// n * numarator / numitor rounded to the nearest integer, halves away from
// zero: the rounding dialog templates use, so that our layouts land on the
// same pixels for the same base units.
int inmultesteImparte(int n, int numarator, int numitor) {
    const std::int64_t p = static_cast<std::int64_t>(n) * numarator;
    const std::int64_t jumatate = numitor / 2;
    return static_cast<int>(p >= 0 ? (p + jumatate) / numitor : -((-p + jumatate) / numitor));
}

// Edit controls start with a stop every 32 units.
constexpr int TabulatorImplicit = 32;

QTextOption optiuniTabulatori(QTextOption opt, const UnitatiDialog& u, const std::vector<int>& stopuri) {
    if (stopuri.size() <= 1) {
        const int pas = stopuri.empty() ? TabulatorImplicit : stopuri.front();
        opt.setTabArray({});
        opt.setTabStopDistance(u.x(pas > 0 ? pas : TabulatorImplicit));
        return opt;
    }
    QList<qreal> pozitii;
    int anterior = 0;
    int interval = TabulatorImplicit;
    for (int s : stopuri) {
        pozitii << u.x(s);
        if (s > anterior) interval = s - anterior;
        anterior = s;
    }
    opt.setTabArray(pozitii);
    opt.setTabStopDistance(u.x(interval));
    return opt;
}

std::optional<UnitatiDialog>& unitatiAplicatie() {
    static std::optional<UnitatiDialog> u;
    return u;
}

}  // namespace

int latimeMedieCaracter(const QFont& font) {
    const QFontMetrics fm(font);
    const int latime = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (latime / 26 + 1) / 2;
}

UnitatiDialog::UnitatiDialog(int bazaX, int bazaY) : bazaX_(bazaX > 0 ? bazaX : 1), bazaY_(bazaY > 0 ? bazaY : 1) {}

UnitatiDialog::UnitatiDialog(const QFont& font) : UnitatiDialog(latimeMedieCaracter(font), QFontMetrics(font).height()) {}

int UnitatiDialog::x(int unitati) const { return inmultesteImparte(unitati, bazaX_, 4); }
int UnitatiDialog::y(int unitati) const { return inmultesteImparte(unitati, bazaY_, 8); }

QPoint UnitatiDialog::punct(int px, int py) const { return {x(px), y(py)}; }

QSize UnitatiDialog::dimensiune(int cx, int cy) const { return {x(cx), y(cy)}; }

QRect UnitatiDialog::dreptunghi(int px, int py, int cx, int cy) const {
    const int stanga = x(px);
    const int sus = y(py);
    return {stanga, sus, x(px + cx) - stanga, y(py + cy) - sus};
}

void UnitatiDialog::plaseaza(QWidget* w, int px, int py, int cx, int cy) const {
    if (!w) return;
    w->setGeometry(dreptunghi(px, py, cx, cy));
}

void UnitatiDialog::tabulatori(QPlainTextEdit* control, const std::vector<int>& stopuri) const {
    if (!control) return;
    QTextDocument* doc = control->document();
    doc->setDefaultTextOption(optiuniTabulatori(doc->defaultTextOption(), *this, stopuri));
}

void UnitatiDialog::tabulatori(QTextEdit* control, const std::vector<int>& stopuri) const {
    if (!control) return;
    QTextDocument* doc = control->document();
    doc->setDefaultTextOption(optiuniTabulatori(doc->defaultTextOption(), *this, stopuri));
}

const UnitatiDialog& unitatiDialog() {
    auto& u = unitatiAplicatie();
    if (!u) u.emplace(QApplication::font());
    return *u;
}

const UnitatiDialog& remasoaraUnitatiDialog() {
    unitatiAplicatie().emplace(QApplication::font());
    return *unitatiAplicatie();
}

QPushButton* ButonComanda(QWidget* parinte, const QString& text, int id) {
    auto* b = new QPushButton(text, parinte);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    return b;
}

QPushButton* ButonDialog(QWidget* parinte, const QString& text, int id, int x, int y, int cx, int cy) {
    auto* b = new QPushButton(text, parinte);
    b->setObjectName(QString::number(id));
    unitatiDialog().plaseaza(b, x, y, cx, cy);
    return b;
}

}  // namespace vitramor
