#include "shell/DespreDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cjson/cJSON.h>
#include <vector>
#include <zipconf.h>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "import/tabele/FoaieCalcul.h"
#include "platform/CopiereTabelUi.h"
#include "platform/Platforma.h"
#include "shell/FereastraPrincipala.h"

namespace vitramor {

namespace {

constexpr int PortHttps = 443;

struct Biblioteca {
    const char* nume;
    QString versiune;
    const char* licenta;
};

// The libraries the program is built on, each with the version it runs
// with where the library can say (Qt, cJSON, libgsf), else the one of the
// headers it was built against.
std::vector<Biblioteca> BibliotecileFolosite() {
    return {
        {"Qt (Core, Widgets, Charts, Svg, Concurrent)", QString::fromLatin1(qVersion()), "LGPL 3"},
        {"cJSON", QString::fromLatin1(cJSON_Version()), "MIT"},
        {"yaml-cpp", QStringLiteral(VITRAMOR_YAML_CPP), "MIT"},
        {"libzip", QStringLiteral(LIBZIP_VERSION), "BSD 3"},
        {"libgsf", QString::fromStdString(VersiuneLibgsf()), "LGPL 2.1"},
        {"unixODBC", QStringLiteral("(a sistemului)"), "LGPL 2.1"},
    };
}

}  // namespace

DespreDialog::DespreDialog(QWidget* parent, const QString& adresa) : QDialog(parent), url_(adresa) {
    setObjectName(QStringLiteral("ABOUTDLG"));
    setWindowTitle(QStringLiteral("Despre VITRAMOR"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(IconAplicatie().pixmap(32, 32));
    auto* versiune = new QLabel(QString::fromLatin1(TitluFereastraPrincipala), this);
    versiune->setObjectName(QStringLiteral("versiune"));
    QFont f = versiune->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    versiune->setFont(f);
    auto* descriere = new QLabel(QStringLiteral("Catalogul materialelor optice: sticle, cristale si materiale de evaporare."), this);
    auto* licenta = new QLabel(QStringLiteral("\u00a9 2026 KESTRA. Licenta: proprietara - programul se foloseste si se "
                                              "copiaza numai in termenii licentei acordate de KESTRA."),
                               this);
    licenta->setObjectName(QStringLiteral("licenta"));
    licenta->setWordWrap(true);

    const std::vector<Biblioteca> biblioteci = BibliotecileFolosite();
    QTableWidget* tabel = CreazaTabelCopiabil(this, QStringLiteral("biblioteci"),
                                              {QStringLiteral("Biblioteca"), QStringLiteral("Versiune"), QStringLiteral("Licenta")});
    tabel->setRowCount(static_cast<int>(biblioteci.size()));
    for (int r = 0; r < tabel->rowCount(); ++r) {
        const Biblioteca& b = biblioteci[static_cast<std::size_t>(r)];
        tabel->setItem(r, 0, new QTableWidgetItem(QString::fromLatin1(b.nume)));
        tabel->setItem(r, 1, new QTableWidgetItem(b.versiune));
        tabel->setItem(r, 2, new QTableWidgetItem(QString::fromLatin1(b.licenta)));
    }
    tabel->verticalHeader()->hide();
    // Every row and column shown whole: the list is short and fixed.
    tabel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabel->resizeColumnsToContents();
    tabel->horizontalHeader()->setStretchLastSection(true);
    tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int inaltime = tabel->horizontalHeader()->sizeHint().height() + 2 * tabel->frameWidth();
    for (int r = 0; r < tabel->rowCount(); ++r) inaltime += tabel->rowHeight(r);
    tabel->setFixedHeight(inaltime);
    int latime = 2 * tabel->frameWidth();
    for (int c = 0; c < tabel->columnCount(); ++c) latime += tabel->columnWidth(c);
    tabel->setMinimumWidth(latime);

    adresa_ = new QPushButton(url_, this);
    adresa_->setObjectName(QString::number(IdButonAdresaWeb));
    adresa_->setEnabled(false);
    // An address of the reserved .example domain is no address to show.
    adresa_->setVisible(!QUrl(url_).host().endsWith(QStringLiteral(".example")));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(raspuns::IDOK));
    ok->setDefault(true);

    auto* antet = new QHBoxLayout;
    antet->addWidget(icon);
    antet->addWidget(versiune, 1);
    auto* butoane = new QHBoxLayout;
    butoane->addWidget(adresa_);
    butoane->addStretch(1);
    butoane->addWidget(ok);
    auto* l = new QVBoxLayout(this);
    l->addLayout(antet);
    l->addWidget(descriere);
    l->addWidget(licenta);
    l->addWidget(new QLabel(QStringLiteral("Biblioteci folosite:"), this));
    l->addWidget(tabel);
    l->addLayout(butoane);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(adresa_, &QPushButton::clicked, this,
            [this] { platforma().deschideDocument(url_.toStdString(), "", ""); });

    socket_ = new QTcpSocket(this);
    limita_ = new QTimer(this);
    limita_->setSingleShot(true);
    pornesteVerificarea();
}

// The check runs while the dialog is already usable: with no network the
// name lookup or the connection can take long, and the dialog must neither
// wait for it nor keep trying past the limit.
void DespreDialog::pornesteVerificarea() {
    const QUrl url(url_);
    const QString gazda = url.host();
    if (gazda.isEmpty()) {
        incheieVerificarea(false);
        return;
    }
    connect(socket_, &QTcpSocket::connected, this, [this] { incheieVerificarea(true); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] { incheieVerificarea(false); });
    connect(limita_, &QTimer::timeout, this, [this] { incheieVerificarea(false); });
    limita_->start(TimpMaximVerificareConexiuneMs);
    socket_->connectToHost(gazda, static_cast<quint16>(url.port(PortHttps)));
}

void DespreDialog::incheieVerificarea(bool reusita) {
    if (terminata_) return;
    terminata_ = true;
    limita_->stop();
    socket_->disconnect(this);
    socket_->abort();
    adresa_->setEnabled(reusita);
    Q_EMIT verificareIncheiata(reusita);
}

void DeschideDespre(QWidget* owner) {
    DespreDialog d(owner);
    d.exec();
}

QIcon IconAplicatie() {
    // Drawn on each call: a static QIcon would outlive the application object.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A biconvex lens seen edge-on, with a ray bent through it.
    QPainterPath lentila;
    lentila.moveTo(16, 2);
    lentila.quadTo(28, 16, 16, 30);
    lentila.quadTo(4, 16, 16, 2);
    p.setPen(QPen(QColor(0, 0, 128), 1.5));
    p.setBrush(QColor(120, 180, 255));
    p.drawPath(lentila);
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    p.drawLine(QPointF(1, 10), QPointF(11, 10));
    p.drawLine(QPointF(11, 10), QPointF(21, 14));
    p.drawLine(QPointF(21, 14), QPointF(31, 24));
    p.end();
    return QIcon(pm);
}

}  // namespace vitramor
