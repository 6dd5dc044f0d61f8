#pragma once
// "Verifica materialele substrat ptr. export": before an export, the user
// lists one producer's materials and has each chosen line rewritten with
// the values the coating software needs and the material lacks. A
// double-click loads the material of a line into the main window, so that
// the missing values can be filled in while the window stays open.

#include <QWidget>
#include <functional>
#include <string>

namespace vitramor {

class SelectieSticleWidget;

inline constexpr const char* TitluVerificaSubstrat = "Verifica materialele substrat ptr. export";
inline constexpr const char* PozitieVerificaSubstrat = "VerificaSticlePtrExportSubstratWnd";

// Loads a material by name and producer into the current slot of the main
// window's working set, through the main window's material search.
using IncarcaMaterialInFereastra = std::function<void(const std::string& nume, int producator)>;

class VerificaSubstratWindow : public QWidget {
    Q_OBJECT
public:
    VerificaSubstratWindow(QWidget* parent, IncarcaMaterialInFereastra incarca);

    SelectieSticleWidget* selectie() const { return selectie_; }

public Q_SLOTS:
    void verifica();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void inchide(bool salveazaPozitia);

    SelectieSticleWidget* selectie_;
    IncarcaMaterialInFereastra incarca_;
    bool salveazaLaInchidere_ = true;
};

// Command "Verifica materiale substrat ptr. export..." (40086). The window
// is single: a second command brings it back (restored when minimised) and
// gives it the focus. It closes with its owner.
void ComandaVerificaSubstrat(QWidget* fereastraPrincipala, IncarcaMaterialInFereastra incarca);
// The open window, or null.
VerificaSubstratWindow* FereastraVerificaSubstrat();
// Closes the window if it is open, keeping its position (at shutdown).
void InchideVerificaSubstrat();

}  // namespace vitramor
