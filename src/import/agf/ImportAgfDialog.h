#pragma once
// The list of an AGF catalogue's glasses with nd, vd and status, the
// producer to store them under, and the import of the checked ones.
// Glasses with an error are listed with it (checked, they are reported as
// refused); withdrawn glasses start unchecked.

#include <QDialog>
#include <string>

#include "database/JurnalMateriale.h"
#include "import/agf/CatalogAgf.h"

class QComboBox;
class QTreeWidget;

namespace vitramor {

inline constexpr int IdListaSticleAgf = 1201;
inline constexpr int IdProducatorAgf = 1202;
inline constexpr int IdButonToateAgf = 1203;
inline constexpr int IdButonNiciunaAgf = 1204;

class ImportAgfDialog : public QDialog {
    Q_OBJECT
public:
    ImportAgfDialog(QWidget* parent, std::string cale, SursaMateriale sursa, CatalogAgf catalog);

    std::vector<bool> selectie() const;

public Q_SLOTS:
    void importa();

private:
    void bifeaza(bool toate);

    std::string cale_;
    SursaMateriale sursa_;  // the file and its digest, for the journal
    CatalogAgf catalog_;
    QTreeWidget* lista_;
    QComboBox* producator_;
};

// "Import catalog AGF (*.agf)...": chooses the file, reads it and opens the
// dialog.
void ComandaImportAgf(QWidget* fereastraPrincipala);

}  // namespace vitramor
