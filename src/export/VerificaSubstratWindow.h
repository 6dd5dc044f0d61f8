#pragma once
// "Verifica materialele substrat ptr. export": before an export, the user
// lists one producer's materials and checks the chosen ones against the
// values the coating software needs. The result is a table below the list:
// a row per material, a column per value, a mark where the value is
// missing, and a summary line. A double-click on a material of either
// loads it into the main window, so that the missing values can be filled
// in while the window stays open.
//
// Controls: the selection's ids, the table "rezultate", the line "sumar".

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QTableWidget;

namespace vitramor {

// The mark of a missing value in the results table.
inline constexpr const char* MarcajValoareLipsa = "lipsa";

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
    QTableWidget* rezultate() const { return rezultate_; }
    QLabel* sumar() const { return sumar_; }

public Q_SLOTS:
    void verifica();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void inchide(bool salveazaPozitia);

    SelectieSticleWidget* selectie_;
    QTableWidget* rezultate_;
    QLabel* sumar_;
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
