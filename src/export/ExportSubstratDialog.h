#pragma once
// "Exporta sticle in fisierul SubstrateMaterials.json": the user lists one
// producer's materials, selects some and adds them to the coating
// software's substrate document.

#include <QDialog>

namespace vitramor {

class SelectieSticleWidget;

inline constexpr const char* TitluExportSubstrat = "Exporta sticle in fisierul SubstrateMaterials.json";

class ExportSubstratDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportSubstratDialog(QWidget* parent);

    SelectieSticleWidget* selectie() const { return selectie_; }

public Q_SLOTS:
    void exporta();

private:
    SelectieSticleWidget* selectie_;
};

// Command "Exporta sticle in SubstrateMaterials.json..." (40084): the dialog,
// modal, owned by the main window.
void ComandaExportSubstrat(QWidget* fereastraPrincipala);

}  // namespace vitramor
