#include "import/tabele/ImportExcelDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <climits>
#include <memory>

#include "database/CategorieImportDialog.h"
#include "fileutil/AlegereFisier.h"
#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/AsociereColoaneDialog.h"
#include "import/csv/CaleCsv.h"
#include "record/NumarCatalog.h"
#include "record/TextFormatat.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "platform/CopiereTabelUi.h"
#include "suite/VedoraUi.h"

namespace vitramor {

namespace {

// Enough rows to recognise the table and tell its columns apart.
constexpr int RanduriPrevizualizare = 10;

// Table, column and source names are UTF-8, as the update's result lines are.
QString qs(const std::string& s) { return QString::fromStdString(s); }

void Eticheta(QWidget* p, const char* text, int x, int y, int cx) {
    unitatiDialog().plaseaza(new QLabel(QString::fromLatin1(text), p), x, y, cx, 8);
}

// Scrolls so that the new line shows: at the top while the list is short,
// then four lines above it.
void AdaugaSiDefileaza(QTableWidget* t, const std::string& linie) {
    const int i = t->rowCount();
    t->insertRow(i);
    const QStringList celule = qs(linie).split(QLatin1Char('\t'));
    if (celule.size() > t->columnCount()) t->setColumnCount(static_cast<int>(celule.size()));
    for (int k = 0; k < celule.size(); ++k) ScrieCelula(t, i, k, celule[k]);
    t->scrollToItem(t->item(i < 7 ? i : i - 4, 0), QAbstractItemView::PositionAtTop);
}

void SeteazaAntet(QTableWidget* t, const std::string& antet) {
    t->setRowCount(0);
    const QStringList titluri = qs(antet).split(QLatin1Char('\t'));
    t->setColumnCount(static_cast<int>(titluri.size()));
    t->setHorizontalHeaderLabels(titluri);
}

}  // namespace

ImportExcelDialog::ImportExcelDialog(QWidget* parent, ContextImportExcel& c, std::function<bool()> actualizeaza)
    : QDialog(parent), c_(c), actualizeaza_(std::move(actualizeaza)) {
    setObjectName(QStringLiteral("128"));
    odbc_.folosesteRegistri = 1;
    // Sheet names of a workbook take brackets, as the Excel driver wants them.
    odbc_.sursaExcel = 1;
    std::string motiv;
    if (!NumeRegistruProducator(c_.codProducator, odbc_.numeRegistru, motiv)) {
        MesajBox(parent, motiv, {}, stil::MB_OK);
        pregatit_ = false;
        return;
    }
    setWindowTitle(qs("Incarca sticle " + odbc_.numeRegistru + " din fisier Excel"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(420, 336));
    // Files are opened by the button beside it; the data-source chooser is
    // for sources the driver manager knows by name.
    conectare_ = new QCheckBox(QStringLiteral("Sursa de date ODBC (DSN)"), this);
    conectare_->setObjectName(QStringLiteral("1077"));
    u.plaseaza(conectare_, 7, 7, 140, 10);
    auto* fisier = ButonDialog(this, QStringLiteral("Fisier Excel/CSV..."), 1086, 150, 5, 80, 14);
    Eticheta(this, "Rand antet (0 = automat)", 240, 8, 90);
    randAntet_ = new QLineEdit(QStringLiteral("0"), this);
    randAntet_->setObjectName(QStringLiteral("1087"));
    u.plaseaza(randAntet_, 332, 6, 30, 12);
    sursa_ = new QLineEdit(this);
    sursa_->setObjectName(QStringLiteral("1079"));
    sursa_->setReadOnly(true);
    u.plaseaza(sursa_, 7, 24, 300, 12);
    info_ = ButonDialog(this, QStringLiteral("Info"), 1080, 312, 23, 45, 14);
    sterge_ = ButonDialog(this, QStringLiteral("Sterge registri"), 1026, 360, 23, 55, 14);
    Eticheta(this, "Tabele", 7, 44, 100);
    tabele_ = new QComboBox(this);
    tabele_->setObjectName(QStringLiteral("1082"));
    tabele_->setPlaceholderText(QStringLiteral("Alegeti tabelul"));
    u.plaseaza(tabele_, 7, 54, 150, 12);
    Eticheta(this, "Coloane tabel selectat", 165, 44, 120);
    coloane_ = new QComboBox(this);
    coloane_->setObjectName(QStringLiteral("1083"));
    u.plaseaza(coloane_, 165, 54, 150, 12);
    Eticheta(this, "Primele randuri din tabel", 7, 72, 200);
    previzualizare_ = CreazaTabelCopiabil(this, QStringLiteral("1088"), {});
    u.plaseaza(previzualizare_, 7, 82, 406, 96);
    lista_ = CreazaTabelCopiabil(this, QStringLiteral("1066"), {});
    u.plaseaza(lista_, 7, 184, 406, 106);
    asociere_ = ButonDialog(this, QStringLiteral("Defineste asociere date sticle cu coloane "), 1084, 7, 296, 160, 14);
    detect_ = ButonDialog(this, QStringLiteral("Detecteaza lungimile de unda"), 1124, 172, 296, 115, 14);
    update_ = ButonDialog(this, QStringLiteral("Actualizeaza lista"), 1085, 292, 296, 75, 14);
    auto* ok = ButonDialog(this, QStringLiteral("OK"), 1, 7, 316, 50, 14);
    auto* anuleaza = ButonDialog(this, QStringLiteral("Anuleaza"), 2, 62, 316, 50, 14);
    auto* ajutor = ButonDialog(this, QStringLiteral("Ajutor"), 1023, 117, 316, 50, 14);
    leaga(fisier, ok, anuleaza, ajutor);
    stari();
}

void ImportExcelDialog::leaga(QPushButton* fisier, QPushButton* ok, QPushButton* anuleaza, QPushButton* ajutor) {
    connect(conectare_, &QCheckBox::clicked, this, &ImportExcelDialog::conecteaza);
    connect(fisier, &QPushButton::clicked, this, [this] {
        std::string director = path_sticle, nume = "*.*";
        if (AlegeFisierDeschidere(static_cast<QWidget*>(this), 17, director, nume) == 0)
            deschideFisier(UnesteDirectorSiNume(director, nume));
        stari();
    });
    connect(info_, &QPushButton::clicked, this, [this] {
        const BlocText raport = RaportConexiuneOdbc(odbc_);
        if (fereastraInfo_)
            fereastraInfo_->reafiseaza(raport);
        else
            fereastraInfo_ = InitInstanceAfisWnd(this, 0, IdFereastraTextInfo, "Informatii conexiune", raport);
    });
    connect(sterge_, &QPushButton::clicked, this, [this] {
        const RezultatOperatie r = StergeConexiuneDinRegistri(odbc_.numeRegistru, &platforma());
        if (r.esuat()) MesajBox(this, r.motiv, "Sursa de date ODBC", stil::MB_OK | stil::MB_ICONEXCLAMATION);
    });
    connect(tabele_, &QComboBox::activated, this, &ImportExcelDialog::alegeTabel);
    connect(coloane_, &QComboBox::activated, this, [this](int i) { odbc_.coloanaSelectata = i; });
    connect(asociere_, &QPushButton::clicked, this, [this] {
        AsociereColoaneDialog d(this, c_, odbc_.numeRegistru);
        d.exec();
        stari();
    });
    connect(detect_, &QPushButton::clicked, this, &ImportExcelDialog::detecteazaLambda);
    connect(update_, &QPushButton::clicked, this, &ImportExcelDialog::actualizeazaLista);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this, [this] { eroare(path_help, this, stil::MB_OK, 0); });
}

ImportExcelDialog::~ImportExcelDialog() {
    c_.sursa.reset();
    DeconecteazaOdbc(odbc_);
    ElibereazaHandleOdbc(odbc_);
}

void ImportExcelDialog::umpleTabele() {
    std::vector<std::string> t;
    tabele_->clear();
    coloane_->clear();
    c_.coloane.clear();
    if (c_.sursa && c_.sursa->citesteTabele(t))
        for (const auto& n : t) tabele_->addItem(qs(n));
    else if (c_.sursa && !c_.sursa->eroare().empty())
        MesajBox(this, c_.sursa->eroare(), TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    // No table looks chosen before the user chose it; the only one is
    // chosen for him.
    tabele_->setCurrentIndex(tabele_->count() == 1 ? 0 : -1);
    if (tabele_->count() == 1) alegeTabel(0);
    else arataPrimeleRanduri();
}

void ImportExcelDialog::arataPrimeleRanduri() {
    previzualizare_->setRowCount(0);
    const int n = std::min<int>(static_cast<int>(c_.coloane.size()), MaximColoaneTabel);
    previzualizare_->setColumnCount(n);
    QStringList antete;
    for (int k = 0; k < n; ++k) antete << qs(c_.coloane[static_cast<std::size_t>(k)].nume);
    previzualizare_->setHorizontalHeaderLabels(antete);
    // The rows the association dialog also judges the columns by.
    if (!CitesteEsantion(c_) && c_.sursa && !c_.sursa->eroare().empty())
        MesajBox(this, c_.sursa->eroare(), TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    const auto& randuri = c_.esantion.randuri;
    for (int r = 0; r < std::min<int>(static_cast<int>(randuri.size()), RanduriPrevizualizare); ++r) {
        previzualizare_->insertRow(r);
        for (int k = 0; k < n; ++k) ScrieCelula(previzualizare_, r, k, QString::fromStdString(randuri[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)]));
    }
    previzualizare_->resizeColumnsToContents();
}

void ImportExcelDialog::conecteaza(bool da) {
    c_.sursa.reset();
    if (da) {
        platforma().cursorAsteptare(true);
        const RezultatOperatie r = ConecteazaOdbcSourceSiSalveazaInRegistri(&platforma(), this, odbc_);
        platforma().cursorAsteptare(false);
        // What the connection found on the way (a key not there yet, the string kept), said once.
        std::string note;
        for (const auto& n : r.note) note += (note.empty() ? "" : "\n") + n;
        if (r.stare == StareOperatie::Facut) {
            if (!note.empty()) MesajBox(this, note, "Sursa de date ODBC", stil::MB_OK);
            c_.sursa = CreazaSursaOdbc(odbc_);
            c_.caleSursa.clear();
            sursa_->setText(qs(odbc_.numeSursaDate));
            umpleTabele();
        } else {
            MesajBox(this,
                     "Conectarea la sursa de date ODBC nu a reusit." + (r.motiv.empty() ? "" : "\n" + r.motiv) +
                         (note.empty() ? "" : "\n" + note),
                     windowTitle().toStdString(), stil::MB_OK);
            conectare_->setChecked(false);
        }
    } else {
        DeconecteazaOdbc(odbc_);
        sursa_->clear();
        tabele_->clear();
        coloane_->clear();
        c_.coloane.clear();
        arataPrimeleRanduri();
    }
    stari();
}

bool ImportExcelDialog::deschideFisier(const std::string& cale) {
    if (odbc_.conectat) conecteaza(false);
    conectare_->setChecked(false);
    const long long antet = NumarIntreg(randAntet_->text().toStdString(), 0, INT_MAX).value_or(0);
    std::string eroare;
    c_.sursa = DeschideFisierFoaieCalcul(cale, eroare, static_cast<int>(antet));
    if (!c_.sursa) MesajBox(this, eroare, TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    c_.caleSursa = cale;
    sursa_->setText(c_.sursa ? qs(c_.sursa->numeSursa()) : QString());
    umpleTabele();
    stari();
    return c_.sursa != nullptr;
}

void ImportExcelDialog::alegeTabel(int index) {
    odbc_.tabelSelectat = index;
    coloane_->clear();
    c_.coloane.clear();
    c_.tabel = tabele_->itemText(index).toStdString();
    if (c_.sursa && index >= 0 && c_.sursa->citesteColoane(c_.tabel, c_.coloane))
        for (const auto& k : c_.coloane) coloane_->addItem(qs(k.nume));
    else if (c_.sursa && index >= 0 && !c_.sursa->eroare().empty())
        MesajBox(this, c_.sursa->eroare(), TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    arataPrimeleRanduri();
    stari();
}

void ImportExcelDialog::detecteazaLambda() {
    std::vector<std::string> linii;
    if (!DetecteazaLambda(c_, c_.codProducator, linii)) MesajBox(this, c_.motivDetectie, {}, stil::MB_OK);
    // The wavelengths found, one line per kind, until the rows replace them
    // under the titles of their own cells.
    std::size_t celule = 1;
    for (const auto& l : linii)
        celule = std::max(celule, static_cast<std::size_t>(std::count(l.begin(), l.end(), '\t')) + 1);
    std::string antet = "Coloane si lungimi de unda [nm]";
    for (std::size_t k = 1; k < celule; ++k) antet += TextFormatat("\t%zu", k);
    SeteazaAntet(lista_, antet);
    for (const auto& l : linii) AdaugaSiDefileaza(lista_, l);
    lista_->resizeColumnsToContents();
    stari();
}

void ImportExcelDialog::actualizeazaLista() {
    // Checked, never entered: the update reaches the glass directory by its paths.
    if (!ExistaDirector(path_sticle))
        MesajBox(this, "Directorul cu materiale (STICLE) nu exista sau nu poate fi citit: " + path_sticle, "ATENTIE!",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
    // The wavelengths and the thickness as the columns, the producer and
    // the thickness typed stand now.
    std::vector<std::string> linii;
    if (!DetecteazaLambda(c_, c_.codProducator, linii)) {
        MesajBox(this, c_.motivDetectie, {}, stil::MB_OK);
        return stari();
    }
    lista_->setFocus();
    OptiuniActualizare o;
    o.intrebari = &platforma();
    o.directorSticle = path_sticle;
    o.actualizeaza = actualizeaza_ && actualizeaza_();
    if (o.actualizeaza) {
        o.categorie = AlegeCategorieImport(this, path_sticle);
        if (o.categorie == -2) return stari();
    }
    // Rows are listed as they come; the window keeps answering and Cancel
    // stops after the current row. The progress opens after the question
    // above and closes before those of the storing: it never covers one.
    auto progres = std::make_unique<QProgressDialog>(QStringLiteral("Actualizare din catalog..."),
                                                     QStringLiteral("Anuleaza"), 0, 0, this);
    progres->setWindowModality(Qt::WindowModal);
    progres->setMinimumDuration(300);
    int randuri = 0;
    o.codProducator = c_.codProducator;
    o.owner = this;
    o.antet = [this](const std::string& antet) { SeteazaAntet(lista_, antet); };
    o.linie = [&](const std::string& l) {
        AdaugaSiDefileaza(lista_, l);
        progres->setLabelText(QStringLiteral("Randuri citite: %1").arg(++randuri));
        QApplication::processEvents();
        return !progres->wasCanceled();
    };
    o.dupaCitire = [&] { progres.reset(); };
    const RezultatOperatie r = ImportaTabelExcel(c_, o);
    if (o.actualizeaza || r.stare == StareOperatie::Esuat) RaporteazaRezultat(this, TitluActualizareExcel, r);
    stari();
}

void ImportExcelDialog::stari() {
    const bool conectat = c_.sursa != nullptr;
    const bool odbc = odbc_.conectat != 0;
    sterge_->setEnabled(!odbc);
    info_->setEnabled(odbc);
    tabele_->setEnabled(conectat);
    const bool coloane = conectat && !c_.coloane.empty();
    coloane_->setEnabled(coloane);
    asociere_->setEnabled(coloane);
    bool asociat = false;
    for (const auto& a : c_.asocieri) asociat |= a.nume[0] && a.activ && a.tip;
    detect_->setEnabled(coloane && asociat);
    // "Actualizeaza lista" detects the wavelengths again itself.
    update_->setEnabled(coloane && asociat);
}

}  // namespace vitramor
