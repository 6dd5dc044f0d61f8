#include "shell/DespreDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include "platform/Platforma.h"
#include "shell/FereastraPrincipala.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

namespace {

constexpr int PortHttps = 443;

QPushButton* buton(QWidget* parent, const QString& text, int id, int x, int y, int cx) {
    return ButonDialog(parent, text, id, x, y, cx, 14);
}

}  // namespace

DespreDialog::DespreDialog(QWidget* parent, const QString& adresa) : QDialog(parent), url_(adresa) {
    setObjectName(QStringLiteral("ABOUTDLG"));
    setWindowTitle(QStringLiteral("Despre VITRAMOR"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(186, 92));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(IconAplicatie().pixmap(32, 32));
    icon->setGeometry(QRect(u.punct(10, 10), QSize(32, 32)));

    auto* versiune = new QLabel(QString::fromLatin1(TitluFereastraPrincipala), this);
    versiune->setObjectName(QStringLiteral("versiune"));
    u.plaseaza(versiune, 50, 12, 120, 10);

    adresa_ = buton(this, url_, IdButonAdresaWeb, 50, 30, 126);
    adresa_->setEnabled(false);
    QPushButton* ok = buton(this, QStringLiteral("OK"), raspuns::IDOK, 136, 72, 40);
    ok->setDefault(true);

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
