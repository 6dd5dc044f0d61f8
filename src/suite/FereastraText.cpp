#include "suite/FereastraText.h"

#include <QAction>
#include <QFontDatabase>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/FerestreMaterialUi.h"
#include "record/CodificareText.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"

namespace vitramor {

TextWindow::TextWindow(QWidget* parent, int id, const QString& titlu)
    : QWidget(parent, Qt::Window), id_(id), text_(new QPlainTextEdit(this)) {
    setObjectName(QString::number(id));
    setWindowTitle(titlu);
    setAttribute(Qt::WA_DeleteOnClose);

    text_->setObjectName(QStringLiteral("101"));
    text_->setReadOnly(true);
    // Reports are columns separated by tabs: a fixed font keeps the numbers
    // of one column under each other, and lines are not wrapped.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);

    // Ctrl+P sends the shown lines wherever the user chooses.
    auto* listare = new QAction(QStringLiteral("Listeaza..."), this);
    listare->setShortcut(QKeySequence::Print);
    connect(listare, &QAction::triggered, this, [this] { PeCeSeListeaza(this, ListareLinii, linii()); });
    addAction(listare);

    resize(unitatiDialog().dimensiune(320, 200));
}

void TextWindow::afiseazaText(const BlocText& bloc) {
    QString text = bloc ? QString::fromStdString(Utf8DinMesaj(*bloc)) : QString();
    // Blocks separate their lines with CR LF; the control wants bare LF.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
}

void TextWindow::reafiseaza(const BlocText& bloc) {
    afiseazaText(bloc);
    AduInFata(this);
}

QStringList TextWindow::linii() const {
    const QString text = text_->toPlainText();
    if (text.isEmpty()) return {};
    return text.split(QLatin1Char('\n'));
}

}  // namespace vitramor
