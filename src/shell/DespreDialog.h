#pragma once
// "Despre Vitramor": version, the application icon, the licence, the
// libraries the program uses with their versions, and the maker's web
// address (a button, enabled only once a connection to the site has been
// made).

#include <QDialog>
#include <QIcon>

class QPushButton;
class QTcpSocket;
class QTimer;

namespace vitramor {

// The maker's site. A placeholder until the maker's real address is known:
// the reserved .example domain never resolves, so the button stays disabled.
inline constexpr const char* AdresaWebProducator = "https://www.kestra-optics.example";
inline constexpr int IdButonAdresaWeb = 101;
// How long the connection check may take before it gives up.
inline constexpr int TimpMaximVerificareConexiuneMs = 3000;

class DespreDialog : public QDialog {
    Q_OBJECT
public:
    // `adresa` is the site shown and checked: its host, on the address's port
    // or else 443.
    explicit DespreDialog(QWidget* parent = nullptr, const QString& adresa = QString::fromLatin1(AdresaWebProducator));


Q_SIGNALS:
    // The connection check has ended; `reusita` tells whether the site answered.
    void verificareIncheiata(bool reusita);

private:
    void pornesteVerificarea();
    void incheieVerificarea(bool reusita);

    QString url_;
    QPushButton* adresa_;
    QTcpSocket* socket_;
    QTimer* limita_;
    bool terminata_ = false;
};

// Opens the About dialog modally.
void DeschideDespre(QWidget* owner);

// The application icon: a lens.
QIcon IconAplicatie();

}  // namespace vitramor
