#include "import/tabele/AsociereColoaneDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <filesystem>

#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/AntetColoane.h"
#include "record/TextFormatat.h"
#include "fileutil/AlegereFisier.h"
#include "record/CodificareText.h"
#include "import/csv/CaleCsv.h"
#include "settings/Directoare.h"
#include "suite/UnitatiDialog.h"
#include "platform/CopiereTabelUi.h"
#include "suite/Vedora.h"
#include "record/NumarCatalog.h"

namespace vitramor {

namespace {

// Table, column and source names are UTF-8, as the update's result lines are.
QString qs(const std::string& s) { return QString::fromStdString(s); }

bool Intreaba(QWidget* w, const char* text) {
    return MesajBox(w, text, TitluAsociere, stil::MB_YESNO | stil::MB_ICONQUESTION) == raspuns::IDYES;
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

QComboBox* ComboColoane(QWidget* p, int id, const std::vector<ColoanaTabel>& coloane) {
    auto* c = new QComboBox(p);
    c->setObjectName(QString::number(id));
    c->setPlaceholderText(QStringLiteral("Alegeti coloana"));
    for (const auto& k : coloane) c->addItem(qs(k.nume));
    return c;
}

// A saving or a restoring that failed, told once; true when it was done.
bool RaporteazaAsocieri(QWidget* w, const RezultatOperatie& r) {
    if (r.esuat()) MesajBox(w, r.motiv, TitluAsociere, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    return !r.esuat();
}

}  // namespace

QStringList AnteteAsocieri() {
    QStringList t;
    for (const std::string& s : TitluriAsocieri()) t << qs(s);
    return t << QStringLiteral("Primul rand, stocat");
}

AsociereColoaneDialog::AsociereColoaneDialog(QWidget* parent, ContextImportExcel& c, const std::string& numeRegistru)
    : QDialog(parent), c_(c), registru_(numeRegistru) {
    setObjectName(QStringLiteral("129"));
    setWindowTitle(qs(std::string(TitluAsociere) + " " + c_.tabel));
    if (c_.esantion.coloane.size() != std::min<std::size_t>(c_.coloane.size(), MaximColoaneTabel) &&
        !CitesteEsantion(c_) && c_.sursa && !c_.sursa->eroare().empty())
        MesajBox(parent, c_.sursa->eroare(), TitluFoaieCalcul, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(620, 262));
    lista_ = CreazaTabelCopiabil(this, QStringLiteral("96"), AnteteAsocieri());
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    u.plaseaza(lista_, 7, 7, 606, 130);

    activ_ = new QCheckBox(this);
    activ_->setObjectName(QStringLiteral("99"));
    u.plaseaza(activ_, 7, 145, 150, 10);
    Eticheta(this, "Valori", 162, 146, 25);
    tip_ = Camp(this, 98, 190, 144, 100);
    Eticheta(this, "Nr. valori", 300, 146, 40);
    elemente_ = Camp(this, 97, 342, 144, 25);
    Eticheta(this, "Coloana din tabel", 7, 162, 62);
    start_ = ComboColoane(this, 100, c_.coloane);
    u.plaseaza(start_, 70, 160, 110, 12);
    Eticheta(this, "Pana la", 190, 162, 30);
    stop_ = ComboColoane(this, 101, c_.coloane);
    u.plaseaza(stop_, 222, 160, 110, 12);
    Eticheta(this, "Contine", 340, 162, 32);
    tipSql_ = Camp(this, 102, 374, 160, 80);
    Eticheta(this, "Nr. col.", 460, 162, 28);
    coloane_ = Camp(this, 103, 488, 160, 25);
    Eticheta(this, "Factor conversie", 7, 180, 62);
    factor_ = Camp(this, 104, 70, 178, 60, false);
    factor_->installEventFilter(this);
    // What is wrong with the columns chosen, or the factor a column's unit proposes.
    indicatie_ = new QLabel(this);
    indicatie_->setObjectName(QStringLiteral("105"));
    indicatie_->setWordWrap(true);
    u.plaseaza(indicatie_, 137, 175, 476, 22);

    auto* salv = ButonDialog(this, QStringLiteral("Salveaza"), 1025, 7, 200, 50, 14);
    auto* rest = ButonDialog(this, QStringLiteral("Restaureaza"), 1095, 62, 200, 60, 14);
    auto* desel = ButonDialog(this, QStringLiteral("Sterge toate asocierile"), 1096, 127, 200, 90, 14);
    auto* dezact = ButonDialog(this, QStringLiteral("Dezactiveaza toate"), 1125, 222, 200, 75, 14);
    auto* refr = ButonDialog(this, QStringLiteral("Reafiseaza"), 1085, 302, 200, 50, 14);
    inFisier_ = new QCheckBox(QStringLiteral("In fisier"), this);
    inFisier_->setObjectName(QStringLiteral("1009"));
    u.plaseaza(inFisier_, 360, 202, 60, 10);
    auto* ok = ButonDialog(this, QStringLiteral("OK"), 1, 7, 228, 50, 14);
    auto* anuleaza = ButonDialog(this, QStringLiteral("Anuleaza"), 2, 62, 228, 50, 14);
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
        if (Intreaba(this, "Stergeti toate asocierile?")) StergeAsocieri(c_.asocieri), selecteaza(c_.intrareCurenta), reumple();
    });
    connect(dezact, &QPushButton::clicked, this, [this] {
        if (Intreaba(this, "Dezactivati toate asocierile?")) DezactiveazaAsocieri(c_.asocieri), reumple();
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
        if (!a.nume[0]) continue;
        // Columns this table does not have make the entry inactive.
        VerificaAsociere(a, &c_.coloane);
        const int r = lista_->rowCount();
        lista_->insertRow(r);
        const auto celule = CeluleAsociere(c_.asocieri, i, &c_.coloane, c_.sticla.producator);
        for (std::size_t k = 0; k < celule.size(); ++k) ScrieCelula(lista_, r, static_cast<int>(k), qs(celule[k]));
        ScrieCelula(lista_, r, static_cast<int>(celule.size()), qs(PrimulRandStocat(c_, i)));
        intrari_.push_back(i);
    }
    lista_->resizeColumnsToContents();
    if (rand >= 0 && rand < lista_->rowCount()) lista_->setCurrentCell(rand, 1);
    arataIntrarea();
}

void AsociereColoaneDialog::selecteaza(int intrare) {
    c_.intrareCurenta = intrare;
    if (intrare >= 0) {
        startAles_ = c_.asocieri[intrare].coloanaStart;
        stopAles_ = c_.asocieri[intrare].coloanaStop;
    }
    indicatie_->clear();
    // The list shows the entry being edited, however it was chosen.
    const auto rand = std::find(intrari_.begin(), intrari_.end(), intrare);
    if (rand != intrari_.end() && lista_->currentRow() != rand - intrari_.begin()) {
        const QSignalBlocker b(lista_);
        lista_->setCurrentCell(static_cast<int>(rand - intrari_.begin()), 1);
    }
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
    start_->setCurrentIndex(startAles_);
    stop_->setCurrentIndex(stopAles_);
    coloane_->setText(a.nrColoane > 0 ? QString::number(a.nrColoane) : QString());
    const bool areColoana = startAles_ >= 0 && static_cast<std::size_t>(startAles_) < c_.esantion.coloane.size();
    tipSql_->setText(areColoana ? qs(FelColoana(c_.esantion.coloane[static_cast<std::size_t>(startAles_)])) : QString());
    factor_->setText(QString::asprintf("%g", static_cast<double>(a.factor == 0 ? 1.0f : a.factor)));
}

void AsociereColoaneDialog::alegeColoana(bool esteStart, int index) {
    const int n = static_cast<int>(c_.coloane.size());
    const int intrare = c_.intrareCurenta;
    if (intrare < 0 || index < 0 || index >= n) return;
    AsociereMarimeSticla& a = c_.asocieri[intrare];
    (esteStart ? startAles_ : stopAles_) = index;
    // One value, or one text: one column. The first end chosen is also the
    // other until that one is chosen.
    if (a.nrElemente == 1 || !EsteNumerica(a) || (esteStart ? stopAles_ : startAles_) < 0 ||
        (esteStart ? stopAles_ : startAles_) >= n)
        startAles_ = stopAles_ = index;
    // While the two make no range the field can take, the entry stays as it
    // was and the dialog says why; neither choice is undone.
    const std::string motiv = MotivColoane(c_, intrare, startAles_, stopAles_);
    if (!motiv.empty()) {
        indicatie_->setText(qs(motiv));
        return arataIntrarea();
    }
    a.coloanaStart = static_cast<std::int16_t>(startAles_);
    a.coloanaStop = static_cast<std::int16_t>(stopAles_);
    a.nrColoane = static_cast<std::int16_t>(stopAles_ - startAles_ + 1);
    a.activ = 1;
    indicatie_->clear();
    // A unit named in the column's header proposes the factor to the field's unit.
    if (const auto u = UnitateDinAntet(intrare, AntetColoana(c_.coloane, startAles_), c_.sticla.producator)) {
        a.factor = static_cast<float>(u->factor);
        indicatie_->setText(qs(TextFormatat("Coloana %s este in %s: factorul %g o aduce in %s.",
                                            c_.coloane[static_cast<std::size_t>(startAles_)].nume.c_str(),
                                            u->unitate.c_str(), u->factor, UnitateCamp(intrare, c_.sticla.producator).c_str())));
    }
    reumple();
}

bool AsociereColoaneDialog::eventFilter(QObject* o, QEvent* e) {
    if (o == factor_ && e->type() == QEvent::FocusOut && c_.intrareCurenta >= 0 && factor_->isModified()) {
        factor_->setModified(false);
        AsociereMarimeSticla& a = c_.asocieri[c_.intrareCurenta];
        double v = 0.0;
        const bool ok = NumarCatalog(factor_->text().toStdString(), v);
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
        RaporteazaAsocieri(this, SalveazaAsocieriInRegistri(registru_, c_.asocieri));
        return;
    }
    std::string director = (std::filesystem::path(path_sticle) / "asocieri_odbc").string(), nume = "*.aso";
    if (const RezultatOperatie r = CreazaDirector(platforma(), director); r.esuat())
        MesajBox(this, r.motiv, TitluAsociere, stil::MB_OK | stil::MB_ICONASTERISK);
    MesajBox(this, director, TitluAsociere, stil::MB_OK);
    if (AlegeFisierSalvare(static_cast<QWidget*>(this), tipfisier::Asociere, director, nume) != 0) return;
    RaporteazaAsocieri(this, SalveazaAsocieriInFisier(UnesteDirectorSiNume(director, nume), c_.asocieri));
}

void AsociereColoaneDialog::restaureaza() {
    if (!Intreaba(this, "Restaurati asocierile?")) return;
    RezultatOperatie r;
    if (inFisier_->isChecked()) {
        std::string director = (std::filesystem::path(path_sticle) / "asocieri_odbc").string(), nume = "*.aso";
        if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipfisier::Asociere, director, nume) != 0) return;
        r = IncarcaAsocieriDinFisier(UnesteDirectorSiNume(director, nume), c_.asocieri);
    } else {
        r = RestaureazaAsocieriDinRegistri(registru_, c_.asocieri);
    }
    if (!RaporteazaAsocieri(this, r)) return;
    DupaIncarcareAsocieri(c_);
    int prima = -1;
    for (int i = 0; i < NumarAsocieri && prima < 0; ++i)
        if (c_.asocieri[i].activ) prima = i;
    selecteaza(prima);
    reumple();
}

void AsociereColoaneDialog::done(int r) {
    if (r == QDialog::Accepted && !c_.asocieri[IntrareNume].activ &&
        MesajBox(this, "Primul camp <" + NumeCampAsociere(c_.asocieri[IntrareNume]) + "> nu este activ! Continuati?",
                 TitluAsociere, stil::MB_YESNO) != raspuns::IDYES)
        return;
    QDialog::done(r);
}

}  // namespace vitramor
