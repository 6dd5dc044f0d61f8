#include "import/csv/ImportaCsvDialog.h"
#include "database/ProducatoriComboUi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <climits>
#include <filesystem>

#include "fileutil/AlegereFisier.h"
#include "import/tabele/ActualizareExcelDialog.h"
#include "import/tabele/AsociereColoaneDialog.h"
#include "import/csv/CaleCsv.h"
#include "record/NumarCatalog.h"
#include "record/TexteMaterial.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "platform/CopiereTabelUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

// Buttons, in dialog units.
constexpr int ButonCx = 50, ButonCy = 14;

constexpr int ProducatorInitial = 2;  // Schott: the catalogues most often updated

constexpr int MesajFaraFunctie = 0;
constexpr int MesajFisierInutilizabil = 40;


QLabel* eticheta(QWidget* parent, const char* text, int x, int y, int cx) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    unitatiDialog().plaseaza(l, x, y, cx, 8);
    return l;
}

QPushButton* buton(QWidget* parent, const char* text, int id, int x, int y, int cx) {
    return ButonDialog(parent, QString::fromLatin1(text), id, x, y, cx, ButonCy);
}

void FaraFunctie(QWidget* w) { eroare(path_help, w, stil::MB_OK | stil::MB_ICONEXCLAMATION, MesajFaraFunctie); }

}  // namespace

ImportaCsvDialog::ImportaCsvDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Importa sticle din fisiere *.csv"));
    setObjectName(QStringLiteral("134"));
    // Laid out by the font's own measures, so every text shows whole.
    auto* grila = new QGridLayout(this);

    grila->addWidget(new QLabel(QStringLiteral("Producator"), this), 0, 0);
    producatori_ = new QComboBox(this);
    producatori_->setObjectName(QString::number(IdComboProducatorCsv));
    grila->addWidget(producatori_, 0, 1, 1, 2);

    grila->addWidget(new QLabel(QStringLiteral("Fisier *.csv"), this), 1, 0);
    campCale_ = new QLineEdit(this);
    campCale_->setObjectName(QString::number(IdCampCaleCsv));
    campCale_->setMaxLength(static_cast<int>(LungimeMaximaCale));
    campCale_->setMinimumWidth(campCale_->fontMetrics().averageCharWidth() * 50);
    campCale_->installEventFilter(this);
    grila->addWidget(campCale_, 1, 1);
    QPushButton* alege = buton(this, "...", IdButonAlegeCsv, 0, 0, 22);
    alege->setMaximumWidth(alege->fontMetrics().horizontalAdvance(QStringLiteral("...")) * 4);
    grila->addWidget(alege, 1, 2);

    auto* eticheta = new QLabel(
        QStringLiteral("Linia din fisierul *.csv care numeste coloanele (incepe de la 1; 0 = gasita din celule)"), this);
    eticheta->setWordWrap(true);
    grila->addWidget(eticheta, 2, 0, 1, 2);
    auto* linie = new QLineEdit(this);
    linie->setObjectName(QString::number(IdCampLinieAntet));
    linie->setMaximumWidth(linie->fontMetrics().averageCharWidth() * 8);
    grila->addWidget(linie, 2, 2);

    auto* actiuni = new QHBoxLayout;
    QPushButton* asociere = buton(this, "Defineste asociere date sticle cu coloane ", IdButonAsociereCsv, 0, 0, 170);
    QPushButton* actualizeaza = buton(this, "Actualizeaza", IdButonActualizeazaCsv, 0, 0, 72);
    actiuni->addWidget(asociere);
    actiuni->addWidget(actualizeaza);
    actiuni->addStretch();
    grila->addLayout(actiuni, 3, 0, 1, 3);

    auto* jos = new QHBoxLayout;
    QPushButton* ok = buton(this, "OK", raspuns::IDOK, 0, 0, ButonCx);
    QPushButton* anuleaza = buton(this, "Cancel", raspuns::IDCANCEL, 0, 0, ButonCx);
    QPushButton* ajutor = buton(this, "Ajutor", IdButonAjutorCsv, 0, 0, ButonCx);
    for (QPushButton* b : {ok, anuleaza, ajutor}) jos->addWidget(b);
    jos->addStretch();
    grila->addLayout(jos, 4, 0, 1, 3);
    grila->setColumnStretch(1, 1);
    grila->setSizeConstraint(QLayout::SetFixedSize);
    ok->setDefault(true);

    pregatit_ = umpleProducatori();
    if (!pregatit_) return;
    {
        const QSignalBlocker blocare(producatori_);
        producatori_->setCurrentIndex(std::min(ProducatorInitial, producatori_->count() - 1));
    }
    // The folder last chosen from comes first when it is still there.
    alegeDirector(producatori_->currentIndex(), true);

    connect(producatori_, &QComboBox::currentIndexChanged, this, &ImportaCsvDialog::alegeProducator);
    connect(campCale_, &QLineEdit::textEdited, this, [this] { caleSchimbata_ = true; });
    connect(alege, &QPushButton::clicked, this, &ImportaCsvDialog::alegeFisier);
    connect(asociere, &QPushButton::clicked, this, &ImportaCsvDialog::definesteAsociere);
    // The update over the chosen file, with the header line given here.
    connect(actualizeaza, &QPushButton::clicked, this, [this, linie] {
        preiaCale();
        if (cale_.find_first_of("*?") != std::string::npos) {
            MesajBox(this, "Alegeti intai fisierul *.csv de actualizat.", "ATENTIE!",
                     stil::MB_OK | stil::MB_ICONEXCLAMATION);
            return;
        }
        const long long rand = NumarIntreg(linie->text().toStdString(), 0, INT_MAX).value_or(0);
        ActualizareExcelDialog d(this, cale_, static_cast<int>(rand));
        d.exec();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this, [this] { FaraFunctie(this); });
}

bool ImportaCsvDialog::umpleProducatori() {
    if (UmpleComboProducatori(producatori_, this)) return true;
    // A glass directory without a producer table still knows the built-in
    // producers; a table that exists but cannot be read has been reported
    // by the library, and the dialog does not open on a list it cannot trust.
    std::error_code ec;
    return !(std::filesystem::exists(std::filesystem::path(path_sticle) / NumeFisierProducatori, ec) || ec);
}

void ImportaCsvDialog::alegeProducator(int cod) { alegeDirector(cod, false); }

void ImportaCsvDialog::alegeDirector(int cod, bool laDeschidere) {
    if (cod < 0) return;
    producator_ = cod;
    const std::string producatorului = DirectorCsvProducator(path_sticle, cod);
    const std::string amintit = UltimulDirectorAles(tipfisier::Csv);
    // A producer chosen by the user comes before the remembered folder; a
    // folder that is not there is never proposed.
    directorProducator_ = laDeschidere ? PrimulDirectorExistent({amintit, producatorului, path_sticle})
                                       : PrimulDirectorExistent({producatorului, amintit, path_sticle});
    cale_ = UnesteDirectorSiNume(directorProducator_, ModelCsv);
    campCale_->setText(QString::fromStdString(cale_));
    caleSchimbata_ = false;
}

void ImportaCsvDialog::tineMinteDirectorul() {
    const std::size_t separator = cale_.find_last_of('/');
    if (separator == std::string::npos || separator == 0) return;
    TineMinteDirectorAles(tipfisier::Csv, cale_.substr(0, separator));
}

void ImportaCsvDialog::alegeFisier() {
    std::string director = directorProducator_;
    std::string nume = ModelCsv;
    if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipfisier::Csv, director, nume) != 0) return;
    directorProducator_ = director;
    cale_ = UnesteDirectorSiNume(director, nume);
    campCale_->setText(QString::fromStdString(cale_));
    caleSchimbata_ = false;
    tineMinteDirectorul();
    campCale_->setFocus();
}

void ImportaCsvDialog::preiaCale() {
    if (!caleSchimbata_) return;
    caleSchimbata_ = false;
    const std::string acceptata = VerificaCaleCsv(path_sticle, campCale_->text().toStdString());
    if (acceptata.empty()) {
        eroare(path_help, static_cast<QWidget*>(this), stil::MB_OK | stil::MB_ICONEXCLAMATION,
               MesajFisierInutilizabil);
        campCale_->setText(QString::fromStdString(cale_));
        return;
    }
    cale_ = acceptata;
    campCale_->setText(QString::fromStdString(cale_));
    tineMinteDirectorul();
}

bool ImportaCsvDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == campCale_ && e->type() == QEvent::FocusOut) preiaCale();
    return QDialog::eventFilter(o, e);
}

void ImportaCsvDialog::definesteAsociere() {
    AsociereGoalaDialog dialog(this);
    dialog.exec();
}

AsociereGoalaDialog::AsociereGoalaDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Asociere campuri material cu coloane din tabel"));
    setObjectName(QStringLiteral("129"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(330, 222));

    u.plaseaza(CreazaTabelCopiabil(this, QStringLiteral("96"), AnteteAsocieri()), 7, 7, 316, 100);

    auto* activa = new QCheckBox(this);
    activa->setObjectName(QStringLiteral("99"));
    u.plaseaza(activa, 7, 113, 90, 10);
    const auto camp = [this, &u](int id, int x, int y, int cx) {
        auto* c = new QLineEdit(this);
        c->setObjectName(QString::number(id));
        c->setReadOnly(true);
        u.plaseaza(c, x, y, cx, 12);
    };
    camp(98, 102, 112, 60);
    camp(97, 167, 112, 30);
    eticheta(this, "Coloana din tabel", 7, 130, 110);
    eticheta(this, "Pana la coloana", 132, 130, 110);
    const auto combo = [this, &u](int id, int x, int y) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::number(id));
        u.plaseaza(c, x, y, 120, 12);
    };
    combo(100, 7, 140);
    combo(101, 132, 140);
    camp(102, 257, 140, 66);
    camp(103, 7, 158, 30);
    eticheta(this, "Conversie", 42, 160, 40);
    camp(104, 82, 158, 60);

    buton(this, "Salveaza", 1025, 7, 178, 58);
    buton(this, "Restaureaza", 1095, 70, 178, 58);
    buton(this, "Deselect all", 1096, 133, 178, 58);
    buton(this, "De-activate all", 1125, 196, 178, 62);
    buton(this, "Refrash", 1085, 263, 178, 60);
    auto* inFisier = new QCheckBox(QStringLiteral("In fisier"), this);
    inFisier->setObjectName(QStringLiteral("1009"));
    u.plaseaza(inFisier, 7, 202, 50, 10);
    QPushButton* ok = buton(this, "OK", raspuns::IDOK, 161, 200, 50);
    buton(this, "Cancel", raspuns::IDCANCEL, 216, 200, 50);
    buton(this, "Ajutor", IdButonAjutorCsv, 271, 200, 52);
    ok->setDefault(true);
    // Without a catalogue there is nothing to associate: only "OK" acts.
    // The close box still closes, so the window never traps the user.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ComandaImportaCsv(QWidget* fereastraPrincipala) {
    ImportaCsvDialog dialog(fereastraPrincipala);
    if (!dialog.pregatit()) return;
    dialog.exec();
}

}  // namespace vitramor
