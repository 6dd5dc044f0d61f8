#pragma once
// "Recupereaza material...": the entries of the recovery file, newest first,
// with the name, producer, time and command that replaced or removed them;
// the chosen one comes back into the working set, where the user looks at
// it and saves it as usual.

#include <QDialog>
#include <vector>

#include "platform/Platforma.h"
#include "database/Recuperare.h"

class QTreeWidget;

namespace vitramor {

class RecupereazaMaterialDialog : public QDialog {
    Q_OBJECT
public:
    RecupereazaMaterialDialog(QWidget* parent, std::vector<IntrareRecuperare> intrari);
    // The chosen entry once the dialog was accepted, or -1.
    int ales() const;
    QTreeWidget* lista() const { return lista_; }

private:
    std::vector<IntrareRecuperare> intrari_;
    QTreeWidget* lista_;
};

// Shows the dialog; true with the chosen record in `m` when the user picked one.
bool AlegeMaterialRecuperat(Fereastra owner, MaterialOptic& m);

}  // namespace vitramor
