#pragma once
// "Compara materiale optice": picks two or more of the open materials and
// what to compare, then opens the comparison window on them.

#include <QDialog>

#include "record/SetLucru.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vitramor {

inline constexpr int IdListaComparare = 101;
inline constexpr int IdButonCompara = 102;
inline constexpr int IdIndici = 103, IdTransmisie = 104, IdMecanic = 105, IdChimic = 106;
inline constexpr int IdTermic = 107, IdGrosimeComparare = 110;
inline constexpr int IdAjutorComparare = 109;

class ComparaSticleDialog : public QDialog {
    Q_OBJECT
public:
    ComparaSticleDialog(QWidget* parent, const SetLucru& set = setLucru());

    QListWidget* lista() const { return lista_; }
    QPushButton* butonCompara() const { return compara_; }

public Q_SLOTS:
    // Fills the request and opens the window; with fewer than two lines
    // selected it only beeps.
    void compara();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const SetLucru& set_;
    QListWidget* lista_;
    QPushButton* compara_;
    QLineEdit* grosime_ = nullptr;
    int continut_ = 1;
};

// 40049 "Compara sticle...": the dialog over the main window.
void ComandaComparaSticle(QWidget* fereastraPrincipala);

}  // namespace vitramor
