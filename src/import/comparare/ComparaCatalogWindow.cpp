#include "import/comparare/ComparaCatalogWindow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QScreen>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "database/CitesteIntrareFisierText.h"
#include "dispersion/MarimiOptice.h"
#include "fileutil/AlegereFisier.h"
#include "fileutil/ListaTextComboUi.h"
#include "platform/CopiereTabelUi.h"
#include "record/CodificareText.h"
#include "settings/Directoare.h"
#include "database/CatalogMateriale.h"
#include "suite/GraficWidget.h"
#include "suite/LucruInFundalUi.h"
#include "database/ProducatoriComboUi.h"

namespace vitramor {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The classes in the user's words, in the order of ClasaComparatie.
const char* const TexteClase[] = {"noua", "schimbata", "neschimbata", "disparuta din catalog", "nume luat de alt producator"};

struct OptiuneActiune {
    ActiuneSticla actiune;
    const char* text;
};
std::vector<OptiuneActiune> OptiuniPentru(ClasaComparatie c) {
    switch (c) {
        case ClasaComparatie::Nou: return {{ActiuneSticla::Stocheaza, "stocheaza"}, {ActiuneSticla::Nimic, "nu stoca"}};
        case ClasaComparatie::Schimbat:
        case ClasaComparatie::Neschimbat:
            return {{ActiuneSticla::Stocheaza, "actualizeaza"}, {ActiuneSticla::Nimic, "pastreaza cea din baza"}};
        case ClasaComparatie::Conflict:
            return {{ActiuneSticla::Nimic, "sari"}, {ActiuneSticla::Stocheaza, "stocheaza (se intreaba cum)"}};
        case ClasaComparatie::Disparut:
            return {{ActiuneSticla::Nimic, "pastreaza"},
                    {ActiuneSticla::Marcheaza, "pastreaza cu categoria de marcaj"},
                    {ActiuneSticla::Sterge, "sterge"}};
    }
    return {};
}
const char* TextActiune(ClasaComparatie c, ActiuneSticla a) {
    for (const OptiuneActiune& o : OptiuniPentru(c))
        if (o.actiune == a) return o.text;
    return "-";
}

enum Coloana { ColNume, ColClasa, ColActiune, ColDn, ColLambda, ColDnD, ColDvd, ColDpgf, ColDtau, ColCampuri, NumarColoane };

// One cell: its text, and the number it sorts by.
QStandardItem* Celula(const QString& text, double sortare = NAN) {
    auto* c = new QStandardItem(text);
    c->setEditable(false);
    c->setData(std::isnan(sortare) ? QVariant(text) : QVariant(sortare), Qt::UserRole);
    return c;
}
QStandardItem* Numar(double v, char format, int zecimale, bool areValoare) {
    if (!areValoare) return Celula(QString(), -1);
    // A difference too small for the digits shown is none: "0", never "-0.0000".
    const double pas = std::pow(10.0, -zecimale);
    const bool zero = v == 0 || (format == 'f' && std::abs(v) < pas / 2);
    return Celula(zero ? QStringLiteral("0") : QString::number(v, format, zecimale), zero ? 0.0 : std::abs(v));
}

// Class and name at once; the name matches anywhere, without regard to case.
class FiltruSticle : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void seteaza(int clasa, const QString& nume) {
        clasa_ = clasa, nume_ = nume;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int rand, const QModelIndex& parinte) const override {
        const QAbstractItemModel* m = sourceModel();
        if (clasa_ >= 0 && m->index(rand, ColClasa, parinte).data().toString() != QLatin1String(TexteClase[clasa_]))
            return false;
        return nume_.isEmpty() || m->index(rand, ColNume, parinte).data().toString().contains(nume_, Qt::CaseInsensitive);
    }

private:
    int clasa_ = -1;
    QString nume_;
};

std::string Valoare(const std::optional<MaterialOptic>& m, const std::function<std::string(const MaterialOptic&)>& f) {
    return m ? f(*m) : std::string();
}
std::string Zecimale(double v, int z) { return AreValoare(v) && v != 0 ? QString::number(v, 'f', z).toStdString() : std::string(); }

}  // namespace

ComparaCatalogWindow::ComparaCatalogWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ComparaCatalog"));
    setWindowTitle(QString::fromLatin1(TitluComparaCatalog));
    auto* radacina = new QVBoxLayout(this);
    radacina->addWidget(construiesteSursa());
    radacina->addLayout(construiesteFiltre());
    construiesteTabel();
    QWidget* jos = construiesteDetalii();
    auto* imparte = new QSplitter(Qt::Vertical, this);
    imparte->addWidget(tabel_);
    imparte->addWidget(jos);
    imparte->setStretchFactor(0, 2);
    imparte->setStretchFactor(1, 3);
    radacina->addWidget(imparte, 1);
    radacina->addLayout(construiesteButoane());
    connect(tabel_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ComparaCatalogWindow::aratDetalii);
    const QScreen* ecran = screen();
    const QSize loc = ecran ? ecran->availableGeometry().size() : QSize(1100, 900);
    resize(std::min(1100, loc.width()), std::min(900, loc.height()));
}

// The new catalogue: its file, format, maker and what the format needs besides.
QGroupBox* ComparaCatalogWindow::construiesteSursa() {
    auto* sursa = new QGroupBox(QStringLiteral("Catalogul nou"), this);
    auto* forma = new QFormLayout(sursa);
    fisier_ = new QLineEdit(sursa);
    fisier_->setObjectName(QStringLiteral("fisier"));
    auto* alege = new QPushButton(QStringLiteral("Alege..."), sursa);
    alege->setObjectName(QStringLiteral("alegeFisier"));
    auto* randFisier = new QHBoxLayout;
    randFisier->addWidget(fisier_, 1);
    randFisier->addWidget(alege);
    forma->addRow(QStringLiteral("Fisier:"), randFisier);
    format_ = new QComboBox(sursa);
    format_->setObjectName(QStringLiteral("format"));
    format_->addItems({QStringLiteral("Catalog AGF (*.agf)"), QStringLiteral("Foaie de calcul cu asocieri (*.xlsx, *.xls, *.csv)"),
                       QStringLiteral("Catalog text al producatorului (*.txt)"),
                       QStringLiteral("Alt fisier de materiale (*.dat)"), QStringLiteral("refractiveindex.info (*.yml)")});
    forma->addRow(QStringLiteral("Format:"), format_);
    producator_ = new QComboBox(sursa);
    producator_->setObjectName(QStringLiteral("producator"));
    UmpleComboProducatori(producator_, this);
    producator_->setCurrentIndex(2);
    forma->addRow(QStringLiteral("Producator:"), producator_);
    cod_ = new QSpinBox(sursa);
    cod_->setObjectName(QStringLiteral("cod"));
    cod_->setRange(1, 5);
    forma->addRow(QStringLiteral("Cod catalog (text 1-5, foaie 1 sau 3):"), cod_);
    asocieri_ = new QLineEdit(sursa);
    asocieri_->setObjectName(QStringLiteral("asocieri"));
    forma->addRow(QStringLiteral("Fisier de asocieri (*.aso):"), asocieri_);
    tabelNume_ = new QLineEdit(sursa);
    tabelNume_->setObjectName(QStringLiteral("tabel"));
    tabelNume_->setPlaceholderText(QStringLiteral("foaia de calcul, sau numele materialului refractiveindex.info"));
    forma->addRow(QStringLiteral("Tabel / nume material:"), tabelNume_);
    auto* compara = new QPushButton(QStringLiteral("Compara"), sursa);
    compara->setObjectName(QStringLiteral("compara"));
    forma->addRow(QString(), compara);
    connect(alege, &QPushButton::clicked, this, [this] {
        static const int tipuri[] = {tipfisier::Agf, tipfisier::Orice, tipfisier::Text, tipfisier::MaterialeOptice, tipfisier::Yml};
        std::string director = path_user, nume;
        if (AlegeFisierDeschidere(static_cast<QWidget*>(this), tipuri[format_->currentIndex()], director, nume) != 0) return;
        const std::string cale = (std::filesystem::path(director) / nume).string();
        fisier_->setText(Text(cale));
        if (const auto f = FormatCatalogDinFisier(cale)) format_->setCurrentIndex(static_cast<int>(*f));
    });
    connect(compara, &QPushButton::clicked, this, &ComparaCatalogWindow::compara);
    return sursa;
}

QHBoxLayout* ComparaCatalogWindow::construiesteFiltre() {
    auto* randFiltru = new QHBoxLayout;
    filtruClasa_ = new QComboBox(this);
    filtruClasa_->setObjectName(QStringLiteral("filtruClasa"));
    filtruClasa_->addItem(QStringLiteral("toate"));
    for (const char* t : TexteClase) filtruClasa_->addItem(QString::fromLatin1(t));
    filtruNume_ = new QLineEdit(this);
    filtruNume_->setObjectName(QStringLiteral("filtruNume"));
    filtruNume_->setPlaceholderText(QStringLiteral("parte din nume"));
    randFiltru->addWidget(new QLabel(QStringLiteral("Arata clasa:"), this));
    randFiltru->addWidget(filtruClasa_);
    randFiltru->addWidget(new QLabel(QStringLiteral("Nume:"), this));
    randFiltru->addWidget(filtruNume_, 1);
    auto refiltreaza = [this] {
        static_cast<FiltruSticle*>(filtru_)->seteaza(filtruClasa_->currentIndex() - 1, filtruNume_->text());
    };
    connect(filtruClasa_, &QComboBox::currentIndexChanged, this, refiltreaza);
    connect(filtruNume_, &QLineEdit::textChanged, this, refiltreaza);
    return randFiltru;
}

void ComparaCatalogWindow::construiesteTabel() {
    model_ = new QStandardItemModel(0, NumarColoane, this);
    model_->setHorizontalHeaderLabels({QStringLiteral("Sticla"), QStringLiteral("Clasa"), QStringLiteral("Ce se face"),
                                       QStringLiteral("|Δn| maxim"), QStringLiteral("la λ [nm]"), QStringLiteral("Δn la d"),
                                       QStringLiteral("Δvd"), QStringLiteral("ΔP g,F"), QStringLiteral("|Δτ| maxim"),
                                       QStringLiteral("Alte campuri schimbate")});
    filtru_ = new FiltruSticle(this);
    filtru_->setSourceModel(model_);
    filtru_->setSortRole(Qt::UserRole);
    tabel_ = new QTableView(this);
    tabel_->setObjectName(QStringLiteral("tabelSticle"));
    tabel_->setModel(filtru_);
    tabel_->setSortingEnabled(true);
    tabel_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // the release's own order until a click
    tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabel_->horizontalHeader()->setStretchLastSection(true);
    tabel_->verticalHeader()->hide();
    PermiteCopiereTabel(tabel_);
}

// Below the table: the choice for the selected glass or its class, the
// selected glass old and new, and its Δn.
QWidget* ComparaCatalogWindow::construiesteDetalii() {
    auto* jos = new QWidget(this);
    auto* layoutJos = new QVBoxLayout(jos);
    layoutJos->setContentsMargins(0, 0, 0, 0);
    auto* randActiune = new QHBoxLayout;
    actiuneSticla_ = new QComboBox(jos);
    actiuneSticla_->setObjectName(QStringLiteral("actiuneSticla"));
    clasaAleasa_ = new QComboBox(jos);
    clasaAleasa_->setObjectName(QStringLiteral("clasaAleasa"));
    for (const char* t : TexteClase) clasaAleasa_->addItem(QString::fromLatin1(t));
    actiuneClasa_ = new QComboBox(jos);
    actiuneClasa_->setObjectName(QStringLiteral("actiuneClasa"));
    auto* aplicaClasa = new QPushButton(QStringLiteral("Pentru toata clasa"), jos);
    aplicaClasa->setObjectName(QStringLiteral("aplicaClasa"));
    randActiune->addWidget(new QLabel(QStringLiteral("Sticla aleasa:"), jos));
    randActiune->addWidget(actiuneSticla_);
    randActiune->addSpacing(16);
    randActiune->addWidget(new QLabel(QStringLiteral("Clasa:"), jos));
    randActiune->addWidget(clasaAleasa_);
    randActiune->addWidget(actiuneClasa_);
    randActiune->addWidget(aplicaClasa);
    randActiune->addStretch(1);
    layoutJos->addLayout(randActiune);
    auto* detaliiSiGrafic = new QHBoxLayout;
    detalii_ = CreazaTabelCopiabil(jos, QStringLiteral("detalii"),
                                   {QStringLiteral("Marime"), QStringLiteral("In baza de date"), QStringLiteral("In catalogul nou")});
    detalii_->horizontalHeader()->setStretchLastSection(true);
    grafic_ = new GraficWidget(jos);
    grafic_->setObjectName(QStringLiteral("graficDeltaN"));
    grafic_->seteazaAxe(QStringLiteral("Lungime de unda [nm]"), QStringLiteral("Δn = n nou − n vechi"));
    grafic_->setMinimumSize(380, 260);  // room for its ticks and both axis titles
    detaliiSiGrafic->addWidget(detalii_, 1);
    detaliiSiGrafic->addWidget(grafic_, 1);
    layoutJos->addLayout(detaliiSiGrafic, 1);
    connect(actiuneSticla_, &QComboBox::activated, this, [this](int i) {
        if (const int r = randSelectat(); r >= 0) schimbaActiune(r, static_cast<ActiuneSticla>(actiuneSticla_->itemData(i).toInt()));
    });
    auto umpleActiuniClasa = [this] {
        actiuneClasa_->clear();
        for (const OptiuneActiune& o : OptiuniPentru(static_cast<ClasaComparatie>(clasaAleasa_->currentIndex())))
            actiuneClasa_->addItem(QString::fromLatin1(o.text), static_cast<int>(o.actiune));
    };
    umpleActiuniClasa();
    connect(clasaAleasa_, &QComboBox::currentIndexChanged, this, umpleActiuniClasa);
    connect(aplicaClasa, &QPushButton::clicked, this, [this] {
        const auto clasa = static_cast<ClasaComparatie>(clasaAleasa_->currentIndex());
        const auto a = static_cast<ActiuneSticla>(actiuneClasa_->currentData().toInt());
        for (std::size_t i = 0; i < comparatie_.sticle.size(); ++i)
            if (comparatie_.sticle[i].clasa == clasa) schimbaActiune(static_cast<int>(i), a);
        aratDetalii();
    });
    return jos;
}

QHBoxLayout* ComparaCatalogWindow::construiesteButoane() {
    auto* randButoane = new QHBoxLayout;
    marcaj_ = new QComboBox(this);
    marcaj_->setObjectName(QStringLiteral("categorieMarcaj"));
    UmpleComboDinFisierText(marcaj_, path_sticle, NumeFisierCategorii, true, 0);
    randButoane->addWidget(new QLabel(QStringLiteral("Categoria de marcaj a sticlelor disparute:"), this));
    randButoane->addWidget(marcaj_);
    randButoane->addStretch(1);
    auto* aplica = new QPushButton(QStringLiteral("Aplica alegerile"), this);
    aplica->setObjectName(QStringLiteral("aplica"));
    auto* inchide = new QPushButton(QStringLiteral("Inchide"), this);
    randButoane->addWidget(aplica);
    randButoane->addWidget(inchide);
    connect(aplica, &QPushButton::clicked, this, &ComparaCatalogWindow::aplica);
    connect(inchide, &QPushButton::clicked, this, &QDialog::reject);
    return randButoane;
}

void ComparaCatalogWindow::compara() {
    Fereastra owner = static_cast<QWidget*>(this);
    CerereComparatie c;
    c.directorSticle = path_sticle;
    c.fisier = fisier_->text().toStdString();
    c.format = static_cast<FormatCatalog>(format_->currentIndex());
    c.cod = cod_->value();
    c.asocieri = asocieri_->text().toStdString();
    c.tabel = tabelNume_->text().toStdString();
    c.nume = Windows1252DinQt(tabelNume_->text());
    if (c.fisier.empty() || producator_->currentIndex() < 0) {
        MesajBox(owner, "Alegeti fisierul catalogului nou si producatorul lui.", TitluComparaCatalog,
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    c.producator = static_cast<std::uint16_t>(producator_->currentIndex());
    ComparatieCatalog r;
    RezultatOperatie rezultat;
    RuleazaCuProgres(this, QString::fromLatin1(TitluComparaCatalog),
                     [&](Progres& progres) { rezultat = ComparaCatalog(owner, path_sticle, c, r, progres); });
    if (rezultat.esuat() && !rezultat.motiv.empty())
        MesajBox(owner, rezultat.motiv, TitluComparaCatalog, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    if (rezultat.stare != StareOperatie::Facut) return;
    comparatie_ = std::move(r);
    actiuni_.clear();
    for (const SticlaComparata& s : comparatie_.sticle) actiuni_.push_back(OptiuniPentru(s.clasa).front().actiune);
    umpleTabel();
}

void ComparaCatalogWindow::umpleTabel() {
    model_->removeRows(0, model_->rowCount());
    for (std::size_t i = 0; i < comparatie_.sticle.size(); ++i) {
        const SticlaComparata& s = comparatie_.sticle[i];
        const bool ambele = s.clasa == ClasaComparatie::Schimbat || s.clasa == ClasaComparatie::Neschimbat;
        QList<QStandardItem*> rand;
        rand << Celula(TextQt(s.nume)) << Celula(QString::fromLatin1(TexteClase[static_cast<int>(s.clasa)]))
             << Celula(QString::fromLatin1(TextActiune(s.clasa, actiuni_[i])))
             << Numar(s.dnMax, 'e', 2, ambele) << Numar(s.lambdaDnMax, 'f', 1, ambele && s.dnMax > 0)
             << Numar(s.dnD, 'e', 2, ambele) << Numar(s.dvd, 'f', 4, ambele) << Numar(s.dpgf, 'f', 4, ambele)
             << Numar(s.dtau, 'f', 4, ambele) << Celula(ambele ? Text(s.textCampuri()) : QString());
        rand.front()->setData(static_cast<int>(i), Qt::UserRole + 1);
        model_->appendRow(rand);
    }
    tabel_->resizeColumnsToContents();
    if (filtru_->rowCount() > 0) tabel_->selectRow(0);
}

int ComparaCatalogWindow::randSelectat() const {
    const QModelIndex i = tabel_->currentIndex();
    if (!i.isValid()) return -1;
    return filtru_->mapToSource(i).siblingAtColumn(ColNume).data(Qt::UserRole + 1).toInt();
}

void ComparaCatalogWindow::schimbaActiune(int rand, ActiuneSticla a) {
    const SticlaComparata& s = comparatie_.sticle[static_cast<std::size_t>(rand)];
    actiuni_[static_cast<std::size_t>(rand)] = a;
    for (int r = 0; r < model_->rowCount(); ++r)
        if (model_->item(r, ColNume)->data(Qt::UserRole + 1).toInt() == rand)
            model_->item(r, ColActiune)->setText(QString::fromLatin1(TextActiune(s.clasa, a)));
}

void ComparaCatalogWindow::aratDetalii() {
    const int r = randSelectat();
    detalii_->setRowCount(0);
    grafic_->sterge();
    actiuneSticla_->clear();
    if (r < 0) return;
    const SticlaComparata& s = comparatie_.sticle[static_cast<std::size_t>(r)];
    for (const OptiuneActiune& o : OptiuniPentru(s.clasa)) actiuneSticla_->addItem(QString::fromLatin1(o.text), static_cast<int>(o.actiune));
    actiuneSticla_->setCurrentIndex(actiuneSticla_->findData(static_cast<int>(actiuni_[static_cast<std::size_t>(r)])));
    const std::optional<MaterialOptic> vechi = s.clasa == ClasaComparatie::Nou ? std::nullopt : s.vechi;
    const auto rand = [&](const char* marime, const std::function<std::string(const MaterialOptic&)>& f) {
        const int i = detalii_->rowCount();
        detalii_->insertRow(i);
        detalii_->setItem(i, 0, new QTableWidgetItem(QString::fromUtf8(marime)));
        detalii_->setItem(i, 1, new QTableWidgetItem(Text(Valoare(vechi, f))));
        detalii_->setItem(i, 2, new QTableWidgetItem(Text(Valoare(s.nou, f))));
    };
    rand("Producator",
         [](const MaterialOptic& m) { return Utf8DinWindows1252(NumeProducatorSticla(path_sticle, m.producator)); });
    rand("nd", [](const MaterialOptic& m) { return Zecimale(CalculeazaMarimiPrincipale(m).nd, 6); });
    rand("vd", [](const MaterialOptic& m) { return Zecimale(CalculeazaMarimiPrincipale(m).vd, 2); });
    rand("P g,F", [](const MaterialOptic& m) { return Zecimale(CalculeazaMarimiPrincipale(m).pgF, 4); });
    rand("Ecuatia de dispersie n (cod)", [](const MaterialOptic& m) { return std::to_string(m.ec_dispersie_n); });
    rand("Domeniul ecuatiei n [nm]", [](const MaterialOptic& m) {
        return m.domeniu_n[1] ? std::to_string(m.domeniu_n[0]) + " - " + std::to_string(m.domeniu_n[1]) : std::string();
    });
    rand("Densitate [g/cm³]", [](const MaterialOptic& m) { return Zecimale(m.densitate, 3); });
    rand("Dilatare -30..70 °C [10⁻⁶/K]", [](const MaterialOptic& m) { return Zecimale(m.dilatare[0], 2); });
    rand("Grosimea transmisiei [mm]", [](const MaterialOptic& m) { return Zecimale(m.grosime_transmisie, 1); });
    if (s.clasa == ClasaComparatie::Schimbat) {
        const int i = detalii_->rowCount();
        detalii_->insertRow(i);
        detalii_->setItem(i, 0, new QTableWidgetItem(QStringLiteral("Alte campuri schimbate")));
        detalii_->setItem(i, 2, new QTableWidgetItem(Text(s.textCampuri())));
    }
    detalii_->resizeColumnsToContents();
    if (!vechi || !s.nou) {
        grafic_->seteazaMesajGol(QStringLiteral("Sticla nu este si in baza de date si in catalogul nou."));
        return;
    }
    std::vector<QPointF> puncte;
    for (const auto& [lambda, dn] : CurbaDeltaN(*vechi, *s.nou)) puncte.emplace_back(lambda, dn);
    if (puncte.empty()) {
        grafic_->seteazaMesajGol(QStringLiteral("Nu exista un domeniu comun al indicilor."));
        return;
    }
    grafic_->adaugaCurba(QStringLiteral("Δn"), puncte);
}

void ComparaCatalogWindow::aplica() {
    Fereastra owner = static_cast<QWidget*>(this);
    OptiuniAplicare o;
    o.actiuni = actiuni_;
    o.categorieMarcaj = marcaj_->currentIndex() >= 0 ? marcaj_->currentData().toInt() : -1;
    bool marcaj = false;
    for (ActiuneSticla a : actiuni_) marcaj = marcaj || a == ActiuneSticla::Marcheaza;
    if (marcaj && o.categorieMarcaj < 0) {
        MesajBox(owner, "Alegeti categoria cu care se marcheaza sticlele disparute.", TitluComparaCatalog,
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return;
    }
    RezultatOperatie r;
    RuleazaCuProgres(this, QString::fromLatin1(TitluComparaCatalog), [&](Progres& progres) {
        r = AplicaComparatia(platforma(), owner, path_sticle, comparatie_, o, progres);
    });
    RaporteazaRezultat(owner, TitluComparaCatalog, r);
    if (r.schimbate() > 0) compara();  // what is left to do
}

void ComandaComparaCatalog(QWidget* fereastraPrincipala) {
    auto* w = new ComparaCatalogWindow(fereastraPrincipala);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
}

}  // namespace vitramor
