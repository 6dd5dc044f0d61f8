#pragma once
// Fills a list control with the list lines of the database file.

class QListWidget;
class QWidget;

namespace vitramor {

// The list is emptied and gets one line per record, in file order, with the
// record's producer code as item data (Qt::UserRole). 1 on success, 0 when
// the file cannot be opened (the messages are shown).
int ListeazaSticleInLista(QListWidget* lista);
// The list is the child of `dialog` whose objectName is the control id.
int ListeazaSticleInLista(QWidget* dialog, int idLista);

}  // namespace vitramor
