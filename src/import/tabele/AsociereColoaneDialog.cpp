#include "import/tabele/AsociereColoaneDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "fileutil/AlegereFisier.h"
#include "record/CodificareText.h"
#include "import/csv/CaleCsv.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "platform/CopiereTabelUi.h"
#include "suite/Vedora.h"

namespace vitramor {

namespace {

// Table, column and source names are UTF-8, as the update's result lines are.
QString qs(const std::string& s) { return QString::fromStdString(s); }

bool Intreaba(QWidget* w, const char* text) {
    return MesajBox(w, text, {}, stil::MB_YESNO | stil::MB_ICONQUESTION) == raspuns::IDYES;
}

QLineEdit* Camp(QWidget* p, int id, int x, int y, int cx, bool doarCitire = true) {
    auto* e = new QLineEdit(p);
    e->setObjectName(QString::number(id));
    e->setReadOnly(doarCitire);
    unitatiDialog().plaseaza(e, x, y, cx, 12);
    return e;
}

void Eticheta(QWidget* p, const char* text, int x, int y, int cx) {
    unitatiDialog().plaseaza(new QLabel(QString::fromLatin1(text), p), x, y, cx, 8);
}

QString NumeColoana(const std::vector<ColoanaTabel>& coloane, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < coloane.size() ? qs(coloane[static_cast<std::size_t>(i)].nume)
                                                                   : QString();
}

}  // namespace

QStringList AnteteAsocieri() {
    return {QStringLiteral("Activ"),           QStringLiteral("Camp din material"), QStringLiteral("Valori"),
            QStringLiteral("Coloana din tabel"), QStringLiteral("Pana la coloana"),  QStringLiteral("Nr. coloane"),
            QStringLiteral("Factor conversie")};
}

AsociereColoaneDialog::AsociereColoaneDialog(QWidget* parent, ContextImportExcel& c, const std::string& numeRegistru)
    : QDialog(parent), c_(c), registru_(numeRegistru) {
    setObjectName(QStringLiteral("129"));
    setWindowTitle(qs("Asociere campuri material cu coloane din tabel " + numeRegistru));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(520, 262));
    lista_ = CreazaTabelCopiabil(this, QStringLiteral("96"), AnteteAsocieri());
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    u.plaseaza(lista_, 7, 7, 506, 130);

    activ_ = new QCheckBox(this);
    activ_->setObjectName(QStringLiteral("99"));
    u.plaseaza(activ_, 7, 145, 150, 10);
    Eticheta(this, "Valori", 162, 146, 25);
    tip_ = Camp(this, 98, 190, 144, 100);
    Eticheta(this, "Nr. valori", 300, 146, 40);
    elemente_ = Camp(this, 97, 342, 144, 25);
    Eticheta(this, "Coloana din tabel", 7, 162, 62);
    start_ = new QComboBox(this);
    start_->setObjectName(QStringLiteral("100"));
    u.plaseaza(start_, 70, 160, 110, 12);
    Eticheta(this, "Pana la", 190, 162, 30);
    stop_ = new QComboBox(this);
    stop_->setObjectName(QStringLiteral("101"));
    u.plaseaza(stop_, 222, 160, 110, 12);
    Eticheta(this, "Contine", 340, 162, 32);
    tipSql_ = Camp(this, 102, 374, 160, 80);
    Eticheta(this, "Nr. col.", 460, 162, 28);
    coloane_ = Camp(this, 103, 488, 160, 25);
    Eticheta(this, "Factor conversie", 7, 180, 62);
    factor_ = Camp(this, 104, 70, 178, 60, false);
    factor_->installEventFilter(this);
    for (const auto& k : c_.coloane) {
        start_->addItem(qs(k.nume));
        stop_->addItem(qs(k.nume));
    }

    auto* salv = ButonDialog(this, QStringLiteral("Salveaza"), 1025, 7, 200, 60, 14);
    auto* rest = ButonDialog(this, QStringLiteral("Restaureaza"), 1095, 72, 200, 60, 14);
    auto* desel = ButonDialog(this, QStringLiteral("Deselect all"), 1096, 137, 200, 60, 14);
    auto* dezact = ButonDialog(this, QStringLiteral("De-activate all"), 1125, 202, 200, 70, 14);
    auto* refr = ButonDialog(this, QStringLiteral("Refrash"), 1085, 277, 200, 50, 14);
    inFisier_ = new QCheckBox(QStringLiteral("In fisier"), this);
    inFisier_->setObjectName(QStringLiteral("1009"));
    u.plaseaza(inFisier_, 335, 202, 60, 10);
    auto* ok = ButonDialog(this, QStringLiteral("OK"), 1, 7, 228, 50, 14);
    auto* anuleaza = ButonDialog(this, QStringLiteral("Cancel"), 2, 62, 228, 50, 14);
    auto* ajutor = ButonDialog(this, QStringLiteral("Ajutor"), 1023, 117, 228, 50, 14);
    ok->setDefault(true);

    connect(lista_, &QTableWidget::currentCellChanged, this, [this](int r) {
        if (r >= 0 && static_cast<std::size_t>(r) < intrari_.size()) selecteaza(intrari_[static_cast<std::size_t>(r)]);
    });
    connect(activ_, &QCheckBox::toggled, this, [this](bool v) {
        if (c_.intrareCurenta < 0) return;
        c_.asocieri[c_.intrareCurenta].activ = v ? 1 : 0;
        reumple();
    });
    connect(start_, &QComboBox::activated, this, [this](int i) { alegeColoana(true, i); });
    connect(stop_, &QComboBox::activated, this, [this](int i) { alegeColoana(false, i); });
    connect(salv, &QPushButton::clicked, this, &AsociereColoaneDialog::salveaza);
    connect(rest, &QPushButton::clicked, this, &AsociereColoaneDialog::restaureaza);
    connect(desel, &QPushButton::clicked, this, [this] {
        if (Intreaba(this, "Deselectati tot?")) StergeAsocieri(c_.asocieri), reumple();
    });
    connect(dezact, &QPushButton::clicked, this, [this] {
        if (Intreaba(this, "De-activati tot?")) DezactiveazaAsocieri(c_.asocieri), reumple();
    });
    connect(refr, &QPushButton::clicked, this, &AsociereColoaneDialog::reumple);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
    connect(ajutor, &QPushButton::clicked, this, [this] { eroare(path_help, this, stil::MB_OK, 0); });
    reumple();
}

void AsociereColoaneDialog::reumple() {
    const QSignalBlocker b(lista_);
    const int rand = lista_->currentRow();
    lista_->setRowCount(0);
    intrari_.clear();
    for (int i = 0; i < NumarAsocieri; ++i) {
        AsociereMarimeSticla& a = c_.asocieri[i];
        // LinieAsociere checks the entry against this table first (columns
        // it does not have make the entry inactive) and skips unnamed ones.
        if (LinieAsociere(a, &c_.coloane).empty()) continue;
        const int r = lista_->rowCount();
        lista_->insertRow(r);
        const bool activ = a.activ != 0;
        ScrieCelula(lista_, r, 0, activ ? QStringLiteral("da") : QString());
        ScrieCelula(lista_, r, 1, QString::fromStdString(Utf8DinWindows1252(NumeCampAsociere(a))));
        ScrieCelula(lista_, r, 2, qs(DescriereValoriAsociere(a)));
        ScrieCelula(lista_, r, 3, activ ? NumeColoana(c_.coloane, a.coloanaStart) : QString());
        ScrieCelula(lista_, r, 4, activ ? NumeColoana(c_.coloane, a.coloanaStop) : QString());
        ScrieCelula(lista_, r, 5, activ ? QString::number(a.nrColoane) : QString());
        ScrieCelula(lista_, r, 6, activ ? QString::asprintf("%g", static_cast<double>(a.factor)) : QString());
        intrari_.push_back(i);
    }
    lista_->resizeColumnsToContents();
    if (rand >= 0 && rand < lista_->rowCount()) lista_->setCurrentCell(rand, 1);
    arataIntrarea();
}

void AsociereColoaneDialog::selecteaza(int intrare) {
    c_.intrareCurenta = intrare;
    arataIntrarea();
}

void AsociereColoaneDialog::arataIntrarea() {
    const bool are = c_.intrareCurenta >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{activ_, start_, stop_, factor_}) w->setEnabled(are);
    if (!are) return;
    const AsociereMarimeSticla& a = c_.asocieri[c_.intrareCurenta];
    const QSignalBlocker b1(activ_), b2(start_), b3(stop_);
    activ_->setText(QString::fromStdString(Utf8DinWindows1252(NumeCampAsociere(a))));
    activ_->setChecked(a.activ != 0);
    tip_->setText(qs(DescriereValoriAsociere(a)));
    elemente_->setText(QString::number(a.nrElemente));
    start_->setCurrentIndex(a.coloanaStart);
    stop_->setCurrentIndex(a.coloanaStop);
    coloane_->setText(QString::number(a.nrColoane));
    const bool areColoana = a.coloanaStart >= 0 && static_cast<std::size_t>(a.coloanaStart) < c_.coloane.size();
    tipSql_->setText(areColoana ? QString::fromLatin1(FelColoanaTabel(c_.coloane[static_cast<std::size_t>(a.coloanaStart)].tipSql))
                                : QString());
    factor_->setText(QString::asprintf("%g", static_cast<double>(a.factor == 0 ? 1.0f : a.factor)));
}

void AsociereColoaneDialog::alegeColoana(bool esteStart, int index) {
    const int n = static_cast<int>(c_.coloane.size());
    if (c_.intrareCurenta < 0 || index < 0 || index >= n) return;
    AsociereMarimeSticla& a = c_.asocieri[c_.intrareCurenta];
    const auto vechi = a;
    // Columns left in the entry from a wider table mean nothing on this one.
    if (a.coloanaStart >= n) a.coloanaStart = -1;
    if (a.coloanaStop >= n || a.coloanaStop < a.coloanaStart) a.coloanaStop = -1;
    if (esteStart) {
        if (a.coloanaStop >= 0 && index > a.coloanaStop) {
            MesajBox(this, "ColStop >= ColStart", {}, stil::MB_OK);
            return arataIntrarea();
        }
        a.coloanaStart = static_cast<std::int16_t>(index);
        if (a.coloanaStop < 0) a.coloanaStop = a.coloanaStart;
    } else {
        if (index < a.coloanaStart) {
            MesajBox(this, "ColStop >= ColStart", {}, stil::MB_OK);
            return arataIntrarea();
        }
        a.coloanaStop = static_cast<std::int16_t>(index);
        if (a.coloanaStart < 0) a.coloanaStart = a.coloanaStop;
    }
    for (int k = a.coloanaStart; k <= a.coloanaStop; ++k)
        if (c_.coloane[static_cast<std::size_t>(k)].tipSql != c_.coloane[static_cast<std::size_t>(a.coloanaStart)].tipSql) {
            MesajBox(this, "Coloanele selectate nu au acelasi tip", "ATENTIE!", stil::MB_OK);
            a = vechi;
            return arataIntrarea();
        }
    a.nrColoane = static_cast<std::int16_t>(a.coloanaStop - a.coloanaStart + 1);
    if (a.nrColoane > a.nrElemente) {
        MesajBox(this, "Nr. coloane > nr. elemente", {}, stil::MB_OK);
        a.coloanaStop = -1;
        a.nrColoane = 1;
    }
    tipSql_->setText(QString::fromLatin1(FelColoanaTabel(c_.coloane[static_cast<std::size_t>(index)].tipSql)));
    reumple();
}

bool AsociereColoaneDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == factor_ && e->type() == QEvent::FocusOut && c_.intrareCurenta >= 0 && factor_->isModified()) {
        factor_->setModified(false);
        AsociereMarimeSticla& a = c_.asocieri[c_.intrareCurenta];
        bool ok = false;
        const double v = factor_->text().toDouble(&ok);
        if (ok && v > 0) {
            a.factor = static_cast<float>(v);
            reumple();
        } else {
            factor_->setText(QString::asprintf("%g", static_cast<double>(a.factor)));
            eroare(path_help, this, stil::MB_OK | stil::MB_ICONEXCLAMATION, 10);
        }
    }
    return QDialog::eventFilter(o, e);
}

void AsociereColoaneDialog::salveaza() {
    if (!Intreaba(this, "Salvati asocierile?")) return;
    if (!inFisier_->isChecked()) {
        SalveazaAsocieriInRegistri(registru_, c_.asocieri);
        return;
    }
    std::string director = (std::filesystem::path(path_sticle) / "asocieri_odbc").string(), nume = "*.aso";
    CreazaDirector(director);
    MesajBox(this, director, {}, stil::MB_OK);
    if (AlegeFisierSalvare(static_cast<QWidget*>(this), tipfisier::Asociere, director, nume) != 0) return;
    SalveazaAsocieriInFisier(UnesteDirectorSiNume(director, nume), c_.asocieri);
}

void AsociereColoaneDialog::restaureaza() {
    if (!Intreaba(this, "Restaurati asocierile?")) return;
    int ok = 0;
    if (inFisier_->isChecked()) {
        std::string director = (std::filesystem::path(path_sticle) / "asocieri_odbc").string(), nume = "*.aso";
        if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipfisier::Asociere, director, nume) != 0) return;
        ok = IncarcaAsocieriDinFisier(UnesteDirectorSiNume(director, nume), c_.asocieri);
    } else {
        ok = RestaureazaAsocieriDinRegistri(registru_, c_.asocieri);
    }
    if (!ok) return;
    DupaIncarcareAsocieri(c_);
    c_.intrareCurenta = -1;
    for (int i = 0; i < NumarAsocieri && c_.intrareCurenta < 0; ++i)
        if (c_.asocieri[i].activ) c_.intrareCurenta = i;
    reumple();
}

void AsociereColoaneDialog::done(int r) {
    if (r == QDialog::Accepted && !c_.asocieri[0].activ &&
        MesajBox(this, "Primul camp <" + NumeCampAsociere(c_.asocieri[0]) + "> nu este activ! Continuati?",
                 "ATENTIE!", stil::MB_YESNO) != raspuns::IDYES)
        return;
    QDialog::done(r);
}

}  // namespace vitramor
