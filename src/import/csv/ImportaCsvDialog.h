#pragma once
// "Importa sticle din fisiere *.csv": the user picks a producer and a CSV
// catalogue file below that producer's folder. It starts in a folder that
// exists: the one last chosen from, else the producer's, else the glass
// directory, else the home directory. "Actualizeaza" reads it
// through the Excel update dialog, with the header line given here.

#include <QDialog>
#include <string>

#include "platform/Platforma.h"

class QComboBox;
class QLineEdit;

namespace vitramor {

inline constexpr int IdComboProducatorCsv = 1121;
inline constexpr int IdCampCaleCsv = 1079;
inline constexpr int IdButonAlegeCsv = 1122;
inline constexpr int IdCampLinieAntet = 1123;
inline constexpr int IdButonAsociereCsv = 1084;
inline constexpr int IdButonActualizeazaCsv = 1099;
inline constexpr int IdButonAjutorCsv = 1023;

class ImportaCsvDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportaCsvDialog(QWidget* parent);

    // False when the producer list could not be filled: the dialog is not
    // to be shown.
    bool pregatit() const { return pregatit_; }

    int producator() const { return producator_; }
    const std::string& cale() const { return cale_; }

    QComboBox* producatori() const { return producatori_; }
    QLineEdit* campCale() const { return campCale_; }

public Q_SLOTS:
    void alegeProducator(int cod);
    void alegeFisier();
    void definesteAsociere();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    bool umpleProducatori();
    void alegeDirector(int cod, bool laDeschidere);
    void tineMinteDirectorul();
    void preiaCale();

    bool pregatit_ = false;
    int producator_ = 0;
    std::string directorProducator_;
    std::string cale_;
    bool caleSchimbata_ = false;
    QComboBox* producatori_;
    QLineEdit* campCale_;
};

// The column-association dialog shown without data: every control empty,
// "OK" ends it with 1 and the other controls do nothing yet.
class AsociereGoalaDialog : public QDialog {
    Q_OBJECT
public:
    explicit AsociereGoalaDialog(QWidget* parent);
};

// Command 40034, "Import sticle din CSV file (*.csv)...".
void ComandaImportaCsv(QWidget* fereastraPrincipala);

}  // namespace vitramor
