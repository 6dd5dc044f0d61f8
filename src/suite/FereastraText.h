#pragma once
// The text window of the display library: a read-only text, shown as the
// caller built it line by line (AddTextRAM), with tab stops the caller sets.
// Reports keep the window and hand it a fresh text while it is open.

#include <QPointer>
#include <QWidget>

#include "suite/Vedora.h"

class QPlainTextEdit;

namespace vitramor {

class TextWindow : public QWidget {
    Q_OBJECT

public:
    // A top-level window owned by `parent` (which may be null); it deletes
    // itself when the user closes it, so keep it in a QPointer.
    TextWindow(QWidget* parent, int id, const QString& titlu);

    // Replaces the shown text with a new block (the refresh request 1027).
    // An absent block shows an empty text.
    void afiseazaText(const BlocText& bloc);
    // A report asked for again while its window is open: the new text goes
    // into this window, brought back to the front (restored if minimized).
    void reafiseaza(const BlocText& bloc);
    // The text control, for tab stops (request 1037).
    QPlainTextEdit* controlText() const { return text_; }
    int id() const { return id_; }
    // The shown lines, for printing or copying them.
    QStringList linii() const;

private:
    int id_;
    QPlainTextEdit* text_;
};

}  // namespace vitramor
