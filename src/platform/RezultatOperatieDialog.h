#pragma once
// The closing summary of an import or another operation over many
// materials: the counts, then every material in a table (name, producer,
// what became of it and why), sortable and copyable, instead of a box per
// glass.

#include <QDialog>

#include "operatie/RezultatOperatie.h"

namespace vitramor {

class RezultatOperatieDialog : public QDialog {
public:
    RezultatOperatieDialog(QWidget* parinte, const QString& titlu, const RezultatOperatie& r);
};

}  // namespace vitramor
