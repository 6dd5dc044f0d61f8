#pragma once
// "Exporta catalog AGF (*.agf)...": the user lists one producer's
// materials, as for the substrate export, selects some and writes them to
// an AGF catalogue chosen on "Exporta".

#include <QDialog>

namespace vitramor {

class SelectieSticleWidget;

class ExportAgfDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportAgfDialog(QWidget* parent);

    SelectieSticleWidget* selectie() const { return selectie_; }

public Q_SLOTS:
    void exporta();

private:
    SelectieSticleWidget* selectie_;
};

// Command 40123: the dialog, modal, owned by the main window.
void ComandaExportAgf(QWidget* fereastraPrincipala);

}  // namespace vitramor
