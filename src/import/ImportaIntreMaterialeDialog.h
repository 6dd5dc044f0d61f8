#pragma once
// "Importa n,k" / "Importa ec. de dispersie": the user picks another open
// material and copies its index tables or its dispersion equations into the
// current one. The dialog stays open after an import, so several tries in a
// row need no reopening.

#include <QDialog>

#include "platform/Platforma.h"
#include "record/SetLucru.h"

class QListWidget;
class QPushButton;

namespace vitramor {

inline constexpr int IdListaSurseImport = 1066;
inline constexpr int IdButonImportaIntreMateriale = 1065;
inline constexpr int IdButonAjutorImportaIntreMateriale = 1005;

class ImportaIntreMaterialeDialog : public QDialog {
    Q_OBJECT
public:
    // `comanda` is the command that opened it: 40057 (index tables) or
    // 40058 (dispersion equations).
    ImportaIntreMaterialeDialog(QWidget* parent, int comanda, SetLucru& set = setLucru());

    int comanda() const { return comanda_; }
    // The chosen source material, -1 before a choice.
    int sursa() const { return sursa_; }

public Q_SLOTS:
    void importa();

private:
    void laAlegere(int rand);

    int comanda_;
    SetLucru& set_;
    int sursa_ = -1;
    QListWidget* lista_;
    QPushButton* importa_;
};

// Command 40057, "Importa n,k...".
void ComandaImportaIndici(QWidget* fereastraPrincipala);
// Command 40058, "Importa ec. dispersie...".
void ComandaImportaEcuatii(QWidget* fereastraPrincipala);

}  // namespace vitramor
