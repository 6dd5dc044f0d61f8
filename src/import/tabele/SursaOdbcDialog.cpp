#include "import/tabele/SursaOdbcDialog.h"

#include <sql.h>
#include <sqlext.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "import/tabele/ConexiuneOdbc.h"
#include "suite/UnitatiDialog.h"

namespace vitramor {

SursaOdbcDialog::SursaOdbcDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Sursa de date ODBC"));
    const UnitatiDialog& u = unitatiDialog();
    setFixedSize(u.dimensiune(300, 190));
    u.plaseaza(new QLabel(QStringLiteral("Drivere"), this), 7, 5, 140, 8);
    u.plaseaza(new QLabel(QStringLiteral("Surse de date (DSN)"), this), 153, 5, 140, 8);
    drivere_ = new QListWidget(this);
    surse_ = new QListWidget(this);
    u.plaseaza(drivere_, 7, 15, 140, 110);
    u.plaseaza(surse_, 153, 15, 140, 110);
    // Workbooks and CSV files are opened by the import dialog's own file
    // button; this chooser is for the sources the driver manager knows.
    u.plaseaza(new QLabel(QStringLiteral("Atribute conexiune (de ex. UID=utilizator; PWD=parola)"), this), 7, 131, 286, 8);
    atribute_ = new QLineEdit(this);
    u.plaseaza(atribute_, 7, 141, 286, 12);
    auto* ok = ButonDialog(this, QStringLiteral("OK"), 1, 7, 170, 50, 14);
    auto* anuleaza = ButonDialog(this, QStringLiteral("Cancel"), 2, 62, 170, 50, 14);
    ok->setDefault(true);

    SQLHENV env = SQL_NULL_HENV;
    if (SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env))) {
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLCHAR nume[256], descriere[512];
        SQLSMALLINT ln = 0, ld = 0;
        for (SQLUSMALLINT dir = SQL_FETCH_FIRST;
             SQL_SUCCEEDED(SQLDrivers(env, dir, nume, sizeof nume, &ln, descriere, sizeof descriere, &ld));
             dir = SQL_FETCH_NEXT)
            drivere_->addItem(QString::fromLatin1(reinterpret_cast<char*>(nume)));
        for (SQLUSMALLINT dir = SQL_FETCH_FIRST;
             SQL_SUCCEEDED(SQLDataSources(env, dir, nume, sizeof nume, &ln, descriere, sizeof descriere, &ld));
             dir = SQL_FETCH_NEXT)
            surse_->addItem(QString::fromLatin1(reinterpret_cast<char*>(nume)));
        SQLFreeHandle(SQL_HANDLE_ENV, env);
    }
    // One choice at a time: a data source or a driver.
    connect(drivere_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) surse_->setCurrentRow(-1);
    });
    connect(surse_, &QListWidget::currentRowChanged, this, [this](int r) {
        if (r >= 0) drivere_->setCurrentRow(-1);
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(anuleaza, &QPushButton::clicked, this, &QDialog::reject);
}

std::string SursaOdbcDialog::sirConexiune() const {
    std::string s;
    if (surse_->currentItem()) s = "DSN=" + surse_->currentItem()->text().toStdString() + ";";
    else if (drivere_->currentItem()) s = "DRIVER={" + drivere_->currentItem()->text().toStdString() + "};";
    s += atribute_->text().trimmed().toStdString();
    return s;
}

void InstaleazaDialogSursaOdbc() {
    InstaleazaAlegereSursaOdbc([](Fereastra owner) -> std::optional<std::string> {
        SursaOdbcDialog d(static_cast<QWidget*>(owner));
        if (d.exec() != QDialog::Accepted || d.sirConexiune().empty()) return std::nullopt;
        return d.sirConexiune();
    });
}

}  // namespace vitramor
