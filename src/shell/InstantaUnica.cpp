#include "shell/InstantaUnica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include "platform/DepozitSetari.h"
#include "platform/FerestreMaterialUi.h"

namespace vitramor {

namespace {

// A running instance answers at once even inside a modal box: the socket is
// accepted by the system, not by our event loop.
constexpr int TimpConectareMs = 1000;
constexpr int TimpScriereMs = 1000;
constexpr char CerereAratare[] = "arata\n";

QString numeUtilizator() {
    QString u = qEnvironmentVariable("USER");
    if (u.isEmpty()) u = qEnvironmentVariable("USERNAME");
    if (u.isEmpty()) u = QDir::home().dirName();
    if (u.isEmpty()) u = QStringLiteral("utilizator");
    // Only characters that are safe in a socket file or pipe name.
    for (QChar& c : u)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_') && c != QLatin1Char('-')) c = QLatin1Char('_');
    return u;
}

}  // namespace

QString NumeServerInstanta() {
    QString nume = QStringLiteral("vitramor-") + numeUtilizator();
    const std::string setari = caleFisierSetariImplicit();
    if (!setari.empty()) {
        const QByteArray h = QCryptographicHash::hash(QByteArray::fromStdString(setari), QCryptographicHash::Sha1);
        nume += QLatin1Char('-') + QString::fromLatin1(h.toHex().left(12));
    }
    return nume;
}

InstantaUnica::InstantaUnica(QString nume, QObject* parent) : QObject(parent), nume_(std::move(nume)) {}

InstantaUnica::~InstantaUnica() {
    if (server_) server_->close();
}

bool InstantaUnica::anuntaInstantaExistenta() {
    QLocalSocket s;
    s.connectToServer(nume_);
    if (!s.waitForConnected(TimpConectareMs)) return false;
    s.write(CerereAratare, sizeof CerereAratare - 1);
    s.waitForBytesWritten(TimpScriereMs);
    s.disconnectFromServer();
    if (s.state() != QLocalSocket::UnconnectedState) s.waitForDisconnected(TimpScriereMs);
    return true;
}

InstantaUnica::Rezultat InstantaUnica::porneste() {
    if (anuntaInstantaExistenta()) return Rezultat::ExistaAlta;
    if (!server_) {
        server_ = new QLocalServer(this);
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server_, &QLocalServer::newConnection, this, &InstantaUnica::laConexiuneNoua);
    }
    if (server_->listen(nume_)) return Rezultat::Prima;
    // Either an instance started between our knock and now, or the name is
    // held by the socket of an instance that ended without closing it.
    if (anuntaInstantaExistenta()) return Rezultat::ExistaAlta;
    QLocalServer::removeServer(nume_);
    if (server_->listen(nume_)) return Rezultat::Prima;
    return Rezultat::FaraServer;
}

void InstantaUnica::laConexiuneNoua() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        // Whatever the later start wrote, it wants the window; its text is
        // only read to empty the socket.
        connect(s, &QLocalSocket::readyRead, s, [s] { s->readAll(); });
        AduInFata(fereastra_);
        Q_EMIT cerereAducereInFata();
    }
}

}  // namespace vitramor
