#pragma once
// The dialog "Editare producatori materiale optice": the producer table of
// the catalogue library as a list, one entry in edits below it, and buttons
// to start a new producer, store the entry or delete it. The rules live in
// EditorProducatori; this window shows its state and forwards the user.

#include <QDialog>

#include "database/EditorProducatori.h"

class QLineEdit;
class QListWidget;

namespace vitramor {

inline constexpr int IdListaProducatori = 101;
inline constexpr int IdEditNumeProducator = 1079;
inline constexpr int IdEditDirectorProducator = 103;
inline constexpr int IdEditCodProducator = 1097;
inline constexpr int IdButonAlegeDirectorProducator = 1073;
inline constexpr int IdButonProducatorNou = 1069;
inline constexpr int IdButonIncludeProducator = 1070;
inline constexpr int IdButonStergeProducator = 1026;

class ProducatoriDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProducatoriDialog(QWidget* parent);

    const EditorProducatori& editor() const { return editor_; }

    // Takes an edit over as it would on losing the focus after a change.
    void preiaCamp(QLineEdit* camp);

    void alegeDirector();
    void creeazaNou();
    void include();
    void sterge();

protected:
    bool eventFilter(QObject* obj, QEvent* ev) override;

private:
    void laSelectie(int rand);
    void arataLista();
    void arataIntrarea();

    EditorProducatori editor_;
    QListWidget* lista_;
    QLineEdit* nume_;
    QLineEdit* cod_;
    QLineEdit* director_;
    bool actualizare_ = false;  // the list is being changed by us, not the user
};

// Menu command 40060 "Edit producatori...": opens the dialog modally.
void ComandaEditProducatori(QWidget* fereastraPrincipala);

}  // namespace vitramor
