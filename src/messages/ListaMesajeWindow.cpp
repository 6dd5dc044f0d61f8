#include "messages/ListaMesajeWindow.h"

#include <QAbstractListModel>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "messages/ListaMesaje.h"
#include "messages/TabulatorDialog.h"
#include "record/CodificareText.h"
#include "settings/PozitieFereastra.h"
#include "settings/PozitieFereastraUi.h"
#include "suite/UnitatiDialog.h"
#include "suite/VedoraUi.h"
#include "record/TextFormatat.h"

namespace vitramor {

namespace {

constexpr int RolNivel = Qt::UserRole + 1;
const QColor CuloareAvertizare(255, 0, 0);
const QColor CuloareCadruSelectie(0, 0, 64);

QPointer<ListaMesajeWindow>& fereastraCurenta() {
    static QPointer<ListaMesajeWindow> w;
    return w;
}

int& intervalClipire() {
    static int ms = IntervalClipireImplicit;
    return ms;
}

bool& esecCreare() {
    static bool esec = false;
    return esec;
}

// The name under which the window would keep its position; the position
// functions know this window and keep nothing under it.
std::string cheiePozitie() {
    return std::string(TitluAplicatieListaMesaje) + "-" + ClasaListaErori;
}

// Lines name materials in their Windows-1252 bytes among UTF-8 paths.
QString textLinie(const std::string& s) { return QString::fromStdString(Utf8DinMesaj(s)); }

std::vector<int> latimiParti(const QFontMetrics& fm, const QStringList& parti) {
    std::vector<int> latimi;
    latimi.reserve(static_cast<std::size_t>(parti.size()));
    for (const QString& p : parti) latimi.push_back(fm.horizontalAdvance(p));
    return latimi;
}

}  // namespace

// The list control. Only what the user picks with the mouse or the keys is
// the clicked line; the view's own choice of a current row (on the first
// line, on focus) and the timer's selection of the newest warning are not.
class VedereListaMesaje final : public QListView {
public:
    VedereListaMesaje(QWidget* parent, ModelListaMesaje& model) : QListView(parent), model_(model) {}

protected:
    void mousePressEvent(QMouseEvent* ev) override {
        QListView::mousePressEvent(ev);
        const QModelIndex idx = indexAt(ev->position().toPoint());
        if (idx.isValid()) model_.seteazaLinieApasata(idx.row());
    }
    void keyPressEvent(QKeyEvent* ev) override {
        const QModelIndex inainte = currentIndex();
        QListView::keyPressEvent(ev);
        if (currentIndex().isValid() && currentIndex() != inainte) model_.seteazaLinieApasata(currentIndex().row());
    }

private:
    ModelListaMesaje& model_;
};

// The list control's view of the lines: follows the model row by row, so
// the selection and the scroll position survive each added line.
class ModelQtListaMesaje final : public QAbstractListModel, public NotificariListaMesaje {
public:
    explicit ModelQtListaMesaje(QObject* parent) : QAbstractListModel(parent) { model_.seteazaNotificari(this); }
    ~ModelQtListaMesaje() override { model_.seteazaNotificari(nullptr); }

    ModelListaMesaje& model() { return model_; }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : model_.numarLinii(); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= model_.numarLinii()) return {};
        const LinieMesaj& l = model_.linie(index.row());
        if (role == Qt::DisplayRole) return QString::fromStdString(l.ora) + QStringLiteral("  ") + textLinie(l.text);
        if (role == RolNivel) return l.nivel;
        return {};
    }

    void inainteInserare(int index) override { beginInsertRows({}, index, index); }
    void dupaInserare() override { endInsertRows(); }
    void inainteStergere(int index) override { beginRemoveRows({}, index, index); }
    void dupaStergere() override { endRemoveRows(); }
    void inainteResetare() override { beginResetModel(); }
    void dupaResetare() override { endResetModel(); }
    void niveleSchimbate() override {
        if (model_.numarLinii() > 0) Q_EMIT dataChanged(index(0), index(model_.numarLinii() - 1), {RolNivel});
    }

private:
    ModelListaMesaje model_;
};

// Draws each line itself: tabs become aligned columns, unread warnings
// blink red, the selected line gets a dark-blue frame instead of a filled
// highlight so the red text stays readable.
class DelegatLinieMesaj final : public QStyledItemDelegate {
public:
    explicit DelegatLinieMesaj(ListaMesajeWindow* w) : QStyledItemDelegate(w), w_(w) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        p->save();
        const QRect r = opt.rect;
        const bool rosu = index.data(RolNivel).toInt() != 0 && w_->model().fazaClipire();
        p->setPen(rosu ? CuloareAvertizare : QColor(Qt::black));
        p->setFont(opt.font);
        const QStringList parti = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\t'));
        const std::vector<int> inceputuri =
            InceputuriColoane(latimiParti(opt.fontMetrics, parti), w_->tabulatorPixeli());
        for (qsizetype i = 0; i < parti.size(); ++i) {
            const QRect celula(r.left() + inceputuri[static_cast<std::size_t>(i)], r.top(), r.width(), r.height());
            p->drawText(celula, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parti[i]);
        }
        p->setBrush(Qt::NoBrush);
        if (opt.state & QStyle::State_Selected) {
            p->setPen(CuloareCadruSelectie);
            p->drawRect(r.adjusted(0, 0, -1, -1));
        }
        if (opt.state & QStyle::State_HasFocus) {
            p->setPen(QPen(QColor(Qt::gray), 1, Qt::DotLine));
            p->drawRect(r.adjusted(1, 1, -2, -2));
        }
        p->restore();
    }

    // Every line is as wide as the scrollable extent and ten vertical
    // dialog units high, so the view can take one size for all of them.
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {std::max(1, w_->extensieOrizontala()), unitatiDialog().y(10)};
    }

    void extensieSchimbata(const QModelIndex& index) { Q_EMIT sizeHintChanged(index); }

private:
    ListaMesajeWindow* w_;
};

ListaMesajeWindow::ListaMesajeWindow() : QWidget(nullptr, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Lines arrive while the user works elsewhere; the window comes up
    // without taking the focus away.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setProperty("clasaFereastra", QString::fromLatin1(ClasaListaErori));
    const std::string titlu = TextFormatat("Lista mesaje - %s", TitluAplicatieListaMesaje);
    setWindowTitle(QString::fromLatin1(titlu));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    modelQt_ = new ModelQtListaMesaje(this);
    delegat_ = new DelegatLinieMesaj(this);
    lista_ = new VedereListaMesaje(this, modelQt_->model());
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setModel(modelQt_);
    lista_->setItemDelegate(delegat_);
    lista_->setUniformItemSizes(true);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lista_->setContextMenuPolicy(Qt::CustomContextMenu);
    lista_->viewport()->installEventFilter(this);

    bara_ = new QMenuBar(this);
    construiesteMeniuri();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bara_);
    layout->addWidget(lista_);

    connect(lista_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { meniuContext_->popup(lista_->viewport()->mapToGlobal(p)); });

    timer_ = new QTimer(this);
    timer_->setInterval(intervalClipire());
    connect(timer_, &QTimer::timeout, this, [this] { bataieTimer(); });

    SeteazaAvertizariInAsteptare(false);
}

ListaMesajeWindow::~ListaMesajeWindow() {
    // The view goes before the lines it shows, and without reporting its
    // last resizes to a window that is half gone.
    lista_->viewport()->removeEventFilter(this);
    delete lista_;
    lista_ = nullptr;
}

ModelListaMesaje& ListaMesajeWindow::model() { return modelQt_->model(); }
const ModelListaMesaje& ListaMesajeWindow::model() const { return modelQt_->model(); }

void ListaMesajeWindow::construiesteMeniuri() {
    meniuFereastra_ = bara_->addMenu(QStringLiteral("&Mesaje"));
    meniuFereastra_->setObjectName(QStringLiteral("meniuFereastra"));
    meniuContext_ = new QMenu(this);
    meniuContext_->setObjectName(QStringLiteral("meniuContext"));
    for (const ComandaListaMesaje& c : ComenziListaMesaje()) {
        auto* a = new QAction(QString::fromLatin1(c.text), this);
        a->setObjectName(QString::number(c.id));
        a->setCheckable(c.id == comandaLista::InsereazaLaInceput || c.id == comandaLista::InsereazaLaSfarsit ||
                        c.id == comandaLista::ArataDupaInserare);
        connect(a, &QAction::triggered, this, [this, id = c.id] { executaComanda(id); });
        for (QMenu* m : {meniuFereastra_, meniuContext_}) {
            if (c.separatorInainte) m->addSeparator();
            m->addAction(a);
        }
    }
    for (QMenu* m : {meniuFereastra_, meniuContext_})
        connect(m, &QMenu::aboutToShow, this, [this] { actualizeazaMeniu(); });
}

QAction* ListaMesajeWindow::actiune(int id) const {
    return findChild<QAction*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void ListaMesajeWindow::actualizeazaMeniu() {
    const StareMeniuListaMesaje s = model().stareMeniu();
    for (const ComandaListaMesaje& c : ComenziListaMesaje()) {
        QAction* a = actiune(c.id);
        if (!a) continue;
        a->setEnabled(s.activ(c.id));
        if (a->isCheckable()) a->setChecked(s.bifat(c.id));
    }
}

int ListaMesajeWindow::tabulatorPixeli() const { return unitatiDialog().x(model().tabulator()); }

int ListaMesajeWindow::latimeDesenata(const QString& text) const {
    const QFontMetrics fm = lista_->fontMetrics();
    return LatimeColoane(latimiParti(fm, text.split(QLatin1Char('\t'))), tabulatorPixeli());
}

void ListaMesajeWindow::seteazaExtensie(int latime) {
    if (latime == extensie_) return;
    extensie_ = latime;
    if (model().numarLinii() > 0) delegat_->extensieSchimbata(modelQt_->index(0));
}

// The scrollable width never falls below the visible width, and never
// below the widest line: a narrower window keeps its long lines reachable.
void ListaMesajeWindow::extensieDupaMarime() {
    const int client = lista_->viewport()->width();
    seteazaExtensie(std::max(client, celMaiLatRand_ > 0 ? celMaiLatRand_ + 20 : 0));
}

void ListaMesajeWindow::remasoaraLinii() {
    celMaiLatRand_ = 0;
    const ModelListaMesaje& m = model();
    for (int i = 0; i < m.numarLinii(); ++i)
        celMaiLatRand_ = std::max(celMaiLatRand_, latimeDesenata(QString::fromStdString(m.linie(i).ora) + QStringLiteral("  ") + textLinie(m.linie(i).text)));
    extensieDupaMarime();
}

int ListaMesajeWindow::adaugaLinie(const std::string& text, int nivel) {
    const int latime = latimeDesenata(QStringLiteral("00:00:00  ") + textLinie(text));
    celMaiLatRand_ = std::max(celMaiLatRand_, latime);
    if (latime > extensie_) seteazaExtensie(latime + 20);

    const int r = model().adaugaLinie(text, nivel);
    if (r && model().arataDupaInserare()) {
        if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
        if (!isVisible()) show();
        raise();
    }
    return r;
}

void ListaMesajeWindow::selecteazaDinProgram(int rand) {
    QItemSelectionModel* sel = lista_->selectionModel();
    if (rand >= 0 && rand < model().numarLinii()) {
        const QModelIndex idx = modelQt_->index(rand);
        sel->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect);
        lista_->scrollTo(idx);
    } else {
        sel->clearSelection();
    }
}

void ListaMesajeWindow::bataieTimer() {
    if (isMinimized()) return;
    const int rand = model().bataieTimer();
    lista_->viewport()->update();
    selecteazaDinProgram(rand);
}

void ListaMesajeWindow::cereTabulator() {
    if (CereTabulatorListaMesaje(this, model())) {
        remasoaraLinii();
        lista_->viewport()->update();
    }
}

void ListaMesajeWindow::executaComanda(int id) {
    ModelListaMesaje& m = model();
    switch (id) {
        case comandaLista::AmCitit:
            m.amCitit();
            lista_->viewport()->update();
            break;
        case comandaLista::StergeMesaje:
            if (m.stergeMesaje(owner())) {
                celMaiLatRand_ = 0;
                extensieDupaMarime();
            }
            break;
        case comandaLista::CopiazaMesaj: m.copiazaMesaj(owner()); break;
        case comandaLista::SalveazaMesaje: m.salveazaMesaje(platforma(), owner()); break;
        case comandaLista::PrintMesaje: {
            QStringList linii;
            linii.reserve(m.numarLinii());
            for (int i = 0; i < m.numarLinii(); ++i) linii << textLinie(m.linie(i).text);
            PeCeSeListeaza(this, ListareLinii, linii);
            break;
        }
        case comandaLista::InsereazaLaInceput: m.insereazaLaInceput(platforma(), owner()); break;
        case comandaLista::InsereazaLaSfarsit: m.insereazaLaSfarsit(platforma(), owner()); break;
        case comandaLista::ArataDupaInserare: m.comutaArataDupaInserare(); break;
        case comandaLista::SetTabs: cereTabulator(); break;
        default: break;
    }
}

void ListaMesajeWindow::closeEvent(QCloseEvent* ev) {
    if (!model().poateFiInchisa(owner())) {
        ev->ignore();
        return;
    }
    timer_->stop();
    SalveazaPozitieFereastraInRegistri(this, cheiePozitie());
    ev->accept();
}

bool ListaMesajeWindow::eventFilter(QObject* obj, QEvent* ev) {
    if (lista_ && obj == lista_->viewport() && ev->type() == QEvent::Resize) extensieDupaMarime();
    return QWidget::eventFilter(obj, ev);
}

int CreazaFereastraListaMesaje() {
    if (fereastraCurenta()) return 1;
    if (esecCreare() || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const std::string text = platforma().textUltimaEroare();
        if (!text.empty()) MesajBox(nullptr, text, "CreazaFereastraListaMesaje", stil::MB_OK | stil::MB_ICONASTERISK);
        return 0;
    }
    auto* w = new ListaMesajeWindow();
    fereastraCurenta() = w;

    const QScreen* ecran = QGuiApplication::primaryScreen();
    // The corner the panels leave free: a taskbar would hide the newest lines.
    const QRect g = ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768);
    w->resize(LatimeListaMesaje, InaltimeListaMesaje);
    w->move(g.x() + g.width() - DistantaDreaptaListaMesaje, g.y() + g.height() - DistantaJosListaMesaje);
    RestaureazaPozitieFereastra(w, cheiePozitie());
    w->show();
    // The size is the whole window; once the frame is known, the client
    // area gives up what the frame takes.
    const QSize margini = w->frameGeometry().size() - w->geometry().size();
    if (margini.width() > 0 || margini.height() > 0)
        w->resize(LatimeListaMesaje - margini.width(), InaltimeListaMesaje - margini.height());
    w->timerClipire()->start();
    return 1;
}

ListaMesajeWindow* FereastraListaMesaje() { return fereastraCurenta().data(); }

void DistrugeFereastraListaMesaje() { delete fereastraCurenta().data(); }

int AfiseazaMesajInFereastraListaMesaje(const std::string& text, int nivel) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread()) {
        // The sender is released at once; the line is added when the
        // user-interface thread gets to it.
        QMetaObject::invokeMethod(
            app, [text, nivel] { AfiseazaMesajInFereastraListaMesaje(text, nivel); }, Qt::QueuedConnection);
        return 1;
    }

    const QPointer<QWidget> focus = QApplication::focusWidget();
    if (!CreazaFereastraListaMesaje()) {
        MesajBox(focus ? static_cast<QWidget*>(focus->window()) : nullptr, text, "Mesaj", stil::MB_OK);
        return 0;
    }
    ListaMesajeWindow* w = FereastraListaMesaje();
    const int r = w->adaugaLinie(text, nivel);
    if (focus && focus->window() != w) {
        if (!focus->window()->isActiveWindow()) focus->window()->activateWindow();
        if (QApplication::focusWidget() != focus) focus->setFocus(Qt::OtherFocusReason);
    }
    return r;
}

void InstaleazaListaMesajeInFereastra() { InstaleazaDestinatieMesaje(AfiseazaMesajInFereastraListaMesaje); }

void SeteazaIntervalClipireListaMesaje(int milisecunde) { intervalClipire() = milisecunde; }
void SimuleazaEsecCreareListaMesaje(bool esec) { esecCreare() = esec; }

}  // namespace vitramor
