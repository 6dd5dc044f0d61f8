#include "shell/FereastraPrincipala.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QToolBar>
#include <QGuiApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointingDevice>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

#include "database/BazaDateIntrerupta.h"
#include "dispersion/ComenziDispersie.h"
#include "editors/FisaMaterialWidget.h"
#include "platform/DepozitSetari.h"
#include "export/VerificaSubstratWindow.h"
#include "import/tabele/ConexiuneOdbc.h"
#include "import/tabele/SursaOdbcDialog.h"
#include "messages/ListaMesajeWindow.h"
#include "platform/FerestreMaterialUi.h"
#include "record/CodificareText.h"
#include "record/SetLucru.h"
#include "settings/Culori.h"
#include "settings/Directoare.h"
#include "settings/Registri.h"
#include "shell/ComenziMeniu.h"
#include "shell/CorectieFereastra.h"
#include "shell/DespreDialog.h"
#include "shell/IncarcaMaterialDialog.h"
#include "shell/InchidereEscape.h"
#include "shell/PanouCatalog.h"
#include "database/StergereMateriale.h"
#include "database/StocareMateriale.h"
#include "database/CatalogMateriale.h"
#include "suite/CatalixUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/Vedora.h"
#include "suite/VedoraUi.h"
#include "record/TextFormatat.h"

namespace vitramor {

void InstaleazaReimprospatareIndici() {
    legaturiDispersie().reimprospateazaFereastraIndici = [](int indexMaterial, int which) {
        ferestreMaterial().trimiteReimprospatare(which == 0 ? TipEditor::IndiciN : TipEditor::IndiciK,
                                                 indexMaterial);
    };
}

namespace {

// The share of the screen the window takes at its first start, and what it
// never goes below: the catalogue's columns and the sheet side by side.
constexpr double PartEcran = 0.85;
constexpr int LatimeMinimaInitiala = 1000, InaltimeMinimaInitiala = 640;
constexpr int InaltimeLista = 110, LatimeFisa = 250;
constexpr double PartFisa = 0.24;
constexpr const char* ValoareGeometrie = "Geometrie";
constexpr const char* ValoareStare = "Stare";
// The everyday commands: new, load, save; n, k, transmittance, plot; compare,
// substitutes, map, check.
struct ComandaBara {
    int id;  // 0: a separator
    const char* text;
};
constexpr ComandaBara ComenziBara[] = {
    {40001, "Nou"},        {40003, "Incarca"},    {40004, "Salveaza"},   {0, nullptr},
    {40013, "Indici n"},   {40027, "Indici k"},   {40016, "Transmisie"}, {40076, "Grafic n, k"},
    {0, nullptr},          {40049, "Compara"},    {40101, "Echivalente"}, {40102, "Harta"},
    {40045, "Verifica"},
};

constexpr const char* TitluAtentie = "ATENTIE !";
// Delete questions default to No: Enter alone never deletes.
constexpr unsigned IntrebareAtentie = stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2;
constexpr const char* IntrebareSalvare = "Materialul %s a fost modificat. Il salvati in SticleNou32.dat?";
constexpr const char* IntrebareSalvareSuprascris =
    "\nAtentie: o comanda (initializare, stergere sau calcul) a inlocuit date ale materialului; salvarea il scrie "
    "peste materialul cu acelasi nume din baza de date.";

std::string numeDin(const MaterialOptic& m) { return std::string(m.nume, strnlen(m.nume, sizeof m.nume)); }


}  // namespace

QString NumeAfisat(const char (&nume)[16]) {
    return TextQt(nume, sizeof nume);
}

LegaturiInchidere& legaturiInchidere() {
    static LegaturiInchidere l;
    return l;
}

FereastraPrincipala::FereastraPrincipala(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QString::fromLatin1(ClasaFereastraPrincipala));
    setProperty("clasaFereastra", QString::fromLatin1(ClasaFereastraPrincipala));
    setWindowTitle(QString::fromLatin1(TitluFereastraPrincipala));
    setWindowIcon(IconAplicatie());

    lista_ = new QListWidget(this);
    lista_->setObjectName(QString::number(IdListaMateriale));
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* dockLista = new QDockWidget(QStringLiteral("Materiale deschise"), this);
    dockLista->setObjectName(QStringLiteral("dockMateriale"));
    dockLista->setWidget(lista_);
    addDockWidget(Qt::RightDockWidgetArea, dockLista);
    fisa_ = new FisaMaterialWidget(this);
    auto* dockFisa = new QDockWidget(QStringLiteral("Fisa material"), this);
    dockFisa->setObjectName(QStringLiteral("dockFisa"));
    dockFisa->setWidget(fisa_);
    // The open materials above the sheet, both beside the catalogue: the
    // catalogue keeps the width its columns need.
    splitDockWidget(dockLista, dockFisa, Qt::Vertical);
    // Until the catalogue takes the centre (once the directories are known).
    setCentralWidget(new QWidget(this));
    setFocusProxy(lista_);
    connect(lista_, &QListWidget::currentRowChanged, this, &FereastraPrincipala::laSelectie);
    // A click on the row already shown selected chooses it too: after a copy
    // that row is the original's while the copy is current.
    connect(lista_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* rand) { laSelectie(lista_->row(rand)); });

    InstaleazaInchidereCuEscape();
    construiesteMeniu();
    construiesteBaraComenzi();
    aseazaInitial();
    // The menu is right before it is first opened too.
    actualizeazaMeniu();
}

void FereastraPrincipala::construiesteBaraComenzi() {
    bara_ = addToolBar(QStringLiteral("Comenzi"));
    bara_->setObjectName(QStringLiteral("baraComenzi"));
    bara_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ComandaBara& c : ComenziBara) {
        if (c.id == 0) {
            bara_->addSeparator();
        } else if (QAction* a = actiune(c.id)) {
            // The toolbar shows the short text, the menu and tooltip the whole one.
            a->setIconText(QString::fromLatin1(c.text));
            a->setToolTip(a->text().remove(QLatin1Char('&')));
            bara_->addAction(a);
        }
    }
}

// A sensible share of the screen the first time, the user's own size and
// place (and docks) afterwards.
void FereastraPrincipala::aseazaInitial() {
    QRect ecran(0, 0, 1280, 1024);
    if (const QScreen* s = QGuiApplication::primaryScreen()) ecran = s->availableGeometry();
    const QSize marime(std::max(std::min(LatimeMinimaInitiala, ecran.width()), int(ecran.width() * PartEcran)),
                       std::max(std::min(InaltimeMinimaInitiala, ecran.height()), int(ecran.height() * PartEcran)));
    resize(marime);
    move(ecran.center() - QPoint(marime.width() / 2, marime.height() / 2));
    QDockWidget* lista = findChild<QDockWidget*>(QStringLiteral("dockMateriale"));
    QDockWidget* fisa = findChild<QDockWidget*>(QStringLiteral("dockFisa"));
    resizeDocks({lista}, {std::max(LatimeFisa, int(marime.width() * PartFisa))}, Qt::Horizontal);
    resizeDocks({lista, fisa}, {InaltimeLista, marime.height()}, Qt::Vertical);
    DepozitSetari& s = platforma().setari();
    if (const auto g = s.citesteBinar(CheieSetariFereastra, ValoareGeometrie); g && !g->empty())
        restoreGeometry(QByteArray(reinterpret_cast<const char*>(g->data()), static_cast<qsizetype>(g->size())));
    if (const auto st = s.citesteBinar(CheieSetariFereastra, ValoareStare); st && !st->empty())
        restoreState(QByteArray(reinterpret_cast<const char*>(st->data()), static_cast<qsizetype>(st->size())));
}

void FereastraPrincipala::pastreazaAsezarea() {
    const auto scrie = [](const char* valoare, const QByteArray& b) {
        platforma().setari().scrieBinar(CheieSetariFereastra, valoare,
                                        std::vector<std::uint8_t>(b.begin(), b.end()));
    };
    scrie(ValoareGeometrie, saveGeometry());
    scrie(ValoareStare, saveState());
}

void FereastraPrincipala::arataFisaMaterialDeschis(int index) {
    const SetLucru& set = setLucru();
    if (index < 0) index = set.materialCurent;
    if (index >= 0 && index < set.numarMateriale()) fisa_->arata(set.materiale[static_cast<std::size_t>(index)]);
}

FereastraPrincipala::~FereastraPrincipala() {
    if (!inchis_) laDistrugere();
}

// One QAction per command of the table: objectName and data are the id, so
// tests and later code find a command by its number. Menus are created in
// the order the table first names them.
void FereastraPrincipala::construiesteMeniu() {
    // The submenus' and the given mnemonics are taken before any item chooses one.
    for (const ComandaMeniu& c : TabelaComenzi()) {
        if (!c.meniu) continue;
        const std::string cale = c.meniu;
        if (const auto slash = cale.rfind('/'); slash != std::string::npos)
            TextCuMnemonica(cale.substr(slash + 1), mnemonici_[cale.substr(0, slash)]);
        if (std::strchr(c.text, '&')) TextCuMnemonica(c.text, mnemonici_[cale]);
    }
    // Texts with few letters choose first: "Termic" has fewer letters to
    // choose from than "Verifica indici / ec. dispersie...".
    std::vector<const ComandaMeniu*> ordine;
    for (const ComandaMeniu& c : TabelaComenzi())
        if (c.meniu) ordine.push_back(&c);
    const auto litere = [](const char* t) {
        std::string l;
        for (; *t; ++t)
            if (std::isalnum(static_cast<unsigned char>(*t)) && l.find(static_cast<char>(std::tolower(*t))) == std::string::npos)
                l += static_cast<char>(std::tolower(*t));
        return l.size();
    };
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&](const ComandaMeniu* a, const ComandaMeniu* b) { return litere(a->text) < litere(b->text); });
    std::map<int, std::string> texte;
    for (const ComandaMeniu* c : ordine) texte[c->id] = TextCuMnemonica(c->text, mnemonici_[c->meniu]);
    for (const ComandaMeniu& c : TabelaComenzi()) {
        const std::string text = c.meniu ? texte[c.id] : c.text;
        auto* a = new QAction(QString::fromLatin1(text), this);
        if (const char* tasta = ScurtaturaComanda(c.id)) a->setShortcut(QKeySequence(QString::fromLatin1(tasta)));
        a->setObjectName(QString::number(c.id));
        a->setData(c.id);
        connect(a, &QAction::triggered, this, [this, id = c.id] { executaComanda(id); });
        actiuni_[c.id] = a;
        if (!c.meniu) {
            addAction(a);
            continue;
        }
        QMenu* m = meniu(c.meniu);
        if (c.separatorInainte && !m->isEmpty()) m->addSeparator();
        m->addAction(a);
    }
}

QMenu* FereastraPrincipala::meniu(const std::string& cale) {
    if (auto it = meniuri_.find(cale); it != meniuri_.end()) return it->second;
    const auto slash = cale.rfind('/');
    QMenu* m;
    if (slash == std::string::npos) {
        m = menuBar()->addMenu(QString::fromStdString(cale));
    } else {
        QMenu* parinte = meniu(cale.substr(0, slash));
        if (!parinte->isEmpty()) parinte->addSeparator();
        m = parinte->addMenu(QString::fromStdString(cale.substr(slash + 1)));
    }
    m->setObjectName(QString::fromStdString(cale));
    connect(m, &QMenu::aboutToShow, this, &FereastraPrincipala::actualizeazaMeniu);
    meniuri_[cale] = m;
    return m;
}

QAction* FereastraPrincipala::actiune(int id) const {
    const auto it = actiuni_.find(id);
    return it == actiuni_.end() ? nullptr : it->second;
}

void FereastraPrincipala::actualizeazaMeniu() {
    corectieFereastra() = MasoaraCorectieFereastra(this);
}

void FereastraPrincipala::executaComanda(int id) {
    const ComandaMeniu* c = GasesteComanda(id);
    if (!c) return;
    if (!c->handler) {
        eroare(path_help, proprietar(), 48, 0);
        return;
    }
    if (const int n = setLucru().numarMateriale(); !ComandaActiva(*c, n)) {
        MesajBox(proprietar(), TextComandaIndisponibila(*c, n), TitluFereastraPrincipala,
                 stil::MB_OK | stil::MB_ICONASTERISK);
        return;
    }
    c->handler(*this);
    // The toolbar shows the enabling without a menu being opened, and the
    // sheet what the command made of the current material.
    if (!inchis_) {
        actualizeazaMeniu();
        arataFisaMaterialDeschis();
    }
}

bool FereastraPrincipala::initializeaza() {
    const QPointingDevice* mouse = QPointingDevice::primaryPointingDevice();
    if (!mouse || mouse->buttonCount() == 0) MesajBox(proprietar(), "No mouse !", "WARNING !", stil::MB_OK);
    // Measured once: every window lays itself out in these units.
    unitatiDialog();
    CitesteRegistriVitramor();
    InstaleazaDialoguriDispersie();
    InstaleazaReimprospatareIndici();
    InstaleazaListaMesajeInFereastra();
    legaturiInchidere().inchideVerificareExport = InchideVerificaSubstrat;
    legaturiInchidere().inchideConexiuniOdbc = InchideToateConexiunileOdbc;
    InstaleazaDialogSursaOdbc();
    CitesteRegistriCuloriUtilizator(culoriUtilizator, NumarCuloriUtilizator);
    SetareCuloriSystem(0);
    // A rewrite cut off between its renames left archives but no database;
    // an append cut off part-way left a database ending in a fragment.
    if (const RezultatOperatie r = OferaRestaurareBazaDate(platforma(), proprietar(), path_sticle); DeRaportat(r))
        RaporteazaRezultat(proprietar(), TitluRestaurareBazaDate, r);
    VerificaBazaDateIntreaga(proprietar(), path_sticle);
    InstaleazaPanouCatalog(*this);
    return true;
}

// List row i is record i of the working set; a row chosen by the user makes
// its record the current one. Rows selected by the program are not choices
// (see selecteazaPrimulCuPrefix).
void FereastraPrincipala::laSelectie(int rand) {
    if (rand >= 0 && rand < setLucru().numarMateriale()) {
        setLucru().materialCurent = rand;
        arataFisaMaterialDeschis(rand);
    }
}

void FereastraPrincipala::reumpleLista() {
    const QSignalBlocker b(lista_);
    lista_->clear();
    for (const MaterialOptic& m : setLucru().materiale) lista_->addItem(NumeAfisat(m.nume));
}

int FereastraPrincipala::selecteazaPrimulCuPrefix(const std::string& nume) {
    const QString prefix = TextQt(nume);
    for (int i = 0; i < lista_->count(); ++i) {
        if (lista_->item(i)->text().startsWith(prefix, Qt::CaseInsensitive)) {
            const QSignalBlocker b(lista_);
            lista_->setCurrentRow(i);
            return i;
        }
    }
    return -1;
}

void FereastraPrincipala::actualizeazaRandCurent() {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    const QSignalBlocker b(lista_);
    if (QListWidgetItem* rand = lista_->item(set.materialCurent)) rand->setText(NumeAfisat(set.curent().nume));
    lista_->setCurrentRow(set.materialCurent);
}

bool FereastraPrincipala::creazaMaterial() {
    SetLucru& set = setLucru();
    if (lista_->count() > NumarMaximMateriale - 1) {
        platforma().beep();
        return false;
    }
    const int index = set.numarMateriale();
    const MaterialOptic m = MaterialNou(index);
    try {
        set.adauga(m);
    } catch (const std::bad_alloc&) {
        eroare(path_help, proprietar(), 48, 1);
        return false;
    }
    set.materialCurent = index;

    lista_->addItem(NumeAfisat(m.nume));
    if (selecteazaPrimulCuPrefix(numeDin(m)) < 0)
        MesajBox(proprietar(), "Materialul nou creat nu este in lista !!!!", TitluFereastraPrincipala, stil::MB_OK);
    return true;
}

void FereastraPrincipala::copiazaMaterial() {
    SetLucru& set = setLucru();
    if (lista_->count() == 0 || lista_->count() > NumarMaximMateriale - 1 || set.gol()) {
        platforma().beep();
        return;
    }
    const int sursa = set.materialCurent;
    if (!creazaMaterial()) return;
    std::memcpy(&set.curent(), &set.materiale[static_cast<std::size_t>(sursa)], sizeof(MaterialOptic));
    marcheazaNemodificat(set.materialCurent);
    reumpleLista();
    // The copy stays current; the row shown selected is the first of that
    // name, which is the original's when the name was unique.
    if (selecteazaPrimulCuPrefix(numeDin(set.curent())) < 0)
        MesajBox(proprietar(), "Materialul nou creat nu este in lista !!!!", TitluFereastraPrincipala, stil::MB_OK);
}

void FereastraPrincipala::distrugeMaterial() {
    SetLucru& set = setLucru();
    if (set.gol()) {
        platforma().beep();
        return;
    }
    const std::string nume = numeDin(set.curent());
    if (materialModificat(set.materialCurent)) {
        // The save question is the close question too: No closes without saving.
        if (!poatePleca(set.materialCurent)) return;
    } else if (MesajBox(proprietar(), TextFormatat("Distrugeti materialul curent %s ?", nume.c_str()),
                        TitluFereastraPrincipala, stil::MB_YESNO | stil::MB_DEFBUTTON2) != raspuns::IDYES) {
        return;
    }
    // The current material's row is row materialCurent. Looking it up by
    // name instead would take the first row that merely begins with the
    // same letters, another material's, and the list would stop matching
    // the array.
    {
        const QSignalBlocker b(lista_);
        delete lista_->takeItem(set.materialCurent);
    }
    if (set.numarMateriale() == 1) {
        set.goleste();
        return;
    }
    set.scoate(set.materialCurent);
    if (set.materialCurent >= set.numarMateriale()) set.materialCurent = set.numarMateriale() - 1;
    const std::string primul = numeDin(set.materiale.front());
    if (selecteazaPrimulCuPrefix(primul) < 0)
        MesajBox(proprietar(), TextFormatat("Materialul %s nu este in lista!", primul.c_str()), TitluFereastraPrincipala,
                 stil::MB_OK);
}

void FereastraPrincipala::incarcaMaterial(const char* numePropus) {
    SetLucru& set = setLucru();
    // With nothing open the material comes into a new place, which goes
    // again when nothing is loaded into it.
    const bool loculNou = set.gol();
    if (loculNou && !creazaMaterial()) return;
    const int slot = set.materialCurent;
    const int rezultat = IncarcaMaterialInSetLucru(this, set, numePropus, [this, slot] { return poatePleca(slot); });
    if (rezultat == 1) {
        set.modificat = 0;
    } else if (loculNou) {
        {
            const QSignalBlocker b(lista_);
            lista_->clear();
        }
        set.goleste();
        return;
    }
    // Whatever happened, the row shows the record it stands for.
    actualizeazaRandCurent();
    update();
}

void FereastraPrincipala::salveazaMaterial() {
    if (!setLucru().gol()) salveaza(setLucru().materialCurent, true);
}

bool FereastraPrincipala::salveaza(int index, bool intreabaNemodificat) {
    SetLucru& set = setLucru();
    MaterialOptic& m = set.materiale.at(static_cast<std::size_t>(index));
    // Modified or not as the user left it, before the ranges are completed.
    const bool modificat = set.esteModificat(index);
    if (const std::string avertizare = CompleteazaDomeniiPentruSalvare(m); !avertizare.empty())
        MesajBox(proprietar(), avertizare, TitluAplicatie(), stil::MB_OK | stil::MB_ICONEXCLAMATION);
    if (intreabaNemodificat && !modificat && eroare(path_help, proprietar(), 36, 23) != raspuns::IDYES)
        return false;
    // The one store: a name another maker's material holds is a question,
    // never a silent replacement, and the journal keeps the edit.
    OptiuniStocare o(platforma());
    o.editare = true;
    o.titlu = "Salvare material";
    const RezultatOperatie r = StocheazaMateriale(proprietar(), path_sticle, std::span<const MaterialOptic>(&m, 1), o);
    if (r.schimbate() == 0) {
        if (r.stare == StareOperatie::Esuat && r.refuzate.empty())
            eroare(path_help, proprietar(), 48, 22);
        else
            RaporteazaRezultat(proprietar(), o.titlu, r);
        return false;
    }
    // Stored under a new name: the open material is that one from now on.
    const std::string& stocat = r.articole.front().numeStocat;
    if (stocat != numeDin(m)) {
        std::memset(m.nume, 0, sizeof m.nume);
        std::memcpy(m.nume, stocat.data(), std::min(stocat.size(), sizeof m.nume - 1));
        RaporteazaRezultat(proprietar(), o.titlu, r);
        actualizeazaRandCurent();
    }
    set.modificat = 0;
    marcheazaNemodificat(index);
    eroare(path_help, proprietar(), 48, 21);
    return true;
}

bool FereastraPrincipala::materialModificat(int index) { return setLucru().esteModificat(index); }

void FereastraPrincipala::marcheazaNemodificat(int index) { setLucru().marcheazaNemodificat(index); }

void FereastraPrincipala::potrivesteCuBazaDate(int index) {
    SetLucru& set = setLucru();
    if (index < 0 || index >= set.numarMateriale()) return;
    const MaterialOptic& m = set.materiale[static_cast<std::size_t>(index)];
    MaterialeGasite gasite;
    if (CautaMaterialeOptice(path_sticle, proprietar(), {numeDin(m)}, gasite) != 0 || gasite.empty()) {
        // Unknown to the database as far as can be told: worth a question.
        set.potrivesteCuBaza(index, nullptr);
        return;
    }
    set.potrivesteCuBaza(index, gasite.front() ? &*gasite.front() : nullptr);
}

bool FereastraPrincipala::poatePleca(int index) {
    if (!materialModificat(index)) return true;
    SetLucru& set = setLucru();
    std::string text = TextFormatat(IntrebareSalvare, numeDin(set.materiale.at(static_cast<std::size_t>(index))).c_str());
    unsigned stilIntrebare = stil::MB_YESNOCANCEL | stil::MB_ICONQUESTION;
    // After a command blanked or replaced its data, a Yes stores that over
    // the database's material: Enter alone answers Cancel, which loses nothing.
    if (set.suprascris(index)) {
        text += IntrebareSalvareSuprascris;
        stilIntrebare |= stil::MB_DEFBUTTON3;
    }
    switch (MesajBox(proprietar(), text, TitluFereastraPrincipala, stilIntrebare)) {
    case raspuns::IDYES: return salveaza(index, false);
    case raspuns::IDNO: return true;
    default: return false;
    }
}

// The delete commands change only the database file: the material stays
// open, no longer "modified" since the file no longer holds another version
// of it. A failed delete leaves the working set as it was.
void FereastraPrincipala::stergeMaterialCurent() {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    // The record of this material's producer: another maker's glass of the
    // same name stays.
    const std::string nume = numeDin(set.curent());
    const std::string producator = NumeProducatorSticla(path_sticle, set.curent().producator);
    if (MesajBox(proprietar(),
                 TextFormatat("Stergeti materialul %s al producatorului %s din SticleNou32.dat ?\n(File > Recupereaza "
                              "material il poate aduce inapoi.)",
                              Utf8DinWindows1252(nume).c_str(), Utf8DinWindows1252(producator).c_str()),
                 TitluAtentie, IntrebareAtentie) != raspuns::IDYES)
        return;
    const RezultatOperatie r =
        StergeMaterialeCuNume(platforma(), proprietar(), path_sticle, nume, false, set.curent().producator);
    if (r.esuat()) MesajBox(proprietar(), r.motiv, TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    if (r.schimbate() == 0) return;
    set.modificat = 0;
    MesajBox(proprietar(), TextFormatat("Materialul %s a fost sters din SticleNou32.dat; ramane deschis.", nume.c_str()),
             TitluAtentie, stil::MB_OK | stil::MB_ICONASTERISK);
}

void FereastraPrincipala::stergeMaterialeAcelasiNume() {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    if (MesajBox(proprietar(), TextFormatat("Stergeti toate materialele cu numele %s ?", numeDin(set.curent()).c_str()),
                 TitluAtentie, IntrebareAtentie) != raspuns::IDYES)
        return;
    const RezultatOperatie r =
        StergeMaterialeCuNume(platforma(), proprietar(), path_sticle, numeDin(set.curent()), true);
    if (r.esuat()) MesajBox(proprietar(), r.motiv, TitluAtentie, stil::MB_OK | stil::MB_ICONEXCLAMATION);
    if (r.schimbate() > 0) set.modificat = 0;
}

void FereastraPrincipala::curataMateriale() {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    if (MesajBox(proprietar(), "Curatati materialele?", TitluAtentie, IntrebareAtentie) != raspuns::IDYES) return;
    CautaMaterialOptic(path_sticle, set.curent(), proprietar(), CurataOp);
}

void FereastraPrincipala::anuleazaUltimaModificare() {
    SetLucru& set = setLucru();
    if (set.gol()) return;
    const int i = set.materialCurent;
    if (!set.anuleazaUltimaModificare(i)) {
        MesajBox(proprietar(), TextFormatat("Materialul %s nu are o modificare de anulat.", numeDin(set.curent()).c_str()),
                 TitluFereastraPrincipala, stil::MB_OK | stil::MB_ICONASTERISK);
        return;
    }
    set.modificat = set.esteModificat(i) ? 1 : 0;
    ferestreMaterial().reimprospateazaMaterial(i);
    actualizeazaRandCurent();
}

void FereastraPrincipala::iesire() {
    // Posted, as a close request from the menu is: the command returns first.
    QTimer::singleShot(0, this, &QWidget::close);
}

void FereastraPrincipala::closeEvent(QCloseEvent* e) {
    if (inchis_) {
        e->accept();
        return;
    }
    // Each modified material first: its question answers the close question too.
    bool intrebat = false;
    for (int i = 0; i < setLucru().numarMateriale(); ++i) {
        if (!materialModificat(i)) continue;
        intrebat = true;
        if (!poatePleca(i)) {
            e->ignore();
            return;
        }
    }
    if (!intrebat && MesajBox(proprietar(), "Inchideti aplicatia VITRAMOR ?", TitluFereastraPrincipala,
                              stil::MB_YESNO) != raspuns::IDYES) {
        e->ignore();
        return;
    }
    ScrieRegistriDirectori();  // the directories, then the user colours
    pastreazaAsezarea();
    if (legaturiInchidere().inchideConexiuniOdbc) legaturiInchidere().inchideConexiuniOdbc();
    if (legaturiInchidere().inchideVerificareExport) legaturiInchidere().inchideVerificareExport();
    e->accept();
    laDistrugere();
}

// The end of the shutdown: editor windows are cancelled before the records
// they show go away. The suite's colours are put back unconditionally: the
// sibling applications of the suite that might still want them cannot be
// seen from here, and each of them installs its colours again at start-up.
void FereastraPrincipala::laDistrugere() {
    inchis_ = true;
    ferestreMaterial().inchideToate();
    SetLucru& set = setLucru();
    {
        const QSignalBlocker b(lista_);
        lista_->clear();
    }
    set.goleste();
    set.modificat = 0;
    DistrugeFereastraListaMesaje();
    SetareCuloriSystem(1);
    Q_EMIT terminata();
}

}  // namespace vitramor
