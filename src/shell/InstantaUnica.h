#pragma once
// One VITRAMOR per user: the first instance listens on a local socket named
// after the user (and, where the settings are a file, after that file, so a
// run with private settings is an instance of its own). A later start
// connects to it, asks it to bring its main window forward and ends. A
// socket left behind by an instance that crashed answers nobody; it is
// removed and the new instance takes its place.

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

namespace vitramor {

// The local server name of this user's instance.
QString NumeServerInstanta();

class InstantaUnica : public QObject {
    Q_OBJECT
public:
    explicit InstantaUnica(QString nume = NumeServerInstanta(), QObject* parent = nullptr);
    ~InstantaUnica() override;

    enum class Rezultat {
        Prima,       // this is the instance; it listens for later starts
        ExistaAlta,  // a running instance answered and was asked to come forward
        FaraServer,  // the name could not be taken: run without the check
    };
    // Looks for a running instance and, when there is none, takes the name.
    Rezultat porneste();

    // The window that later starts bring forward.
    void seteazaFereastra(QWidget* fereastra) { fereastra_ = fereastra; }

    // True when a running instance answered; it has been asked to come forward.
    bool anuntaInstantaExistenta();

    const QString& nume() const { return nume_; }

Q_SIGNALS:
    // A later start asked for the window.
    void cerereAducereInFata();

private:
    void laConexiuneNoua();

    QString nume_;
    QLocalServer* server_ = nullptr;
    QPointer<QWidget> fereastra_;
};

}  // namespace vitramor
