#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <memory>

#include "support/PlatformaScriptata.h"
#include "shell/DespreDialog.h"
#include "shell/FereastraPrincipala.h"

using namespace vitramor;

namespace {

QString adresaLocala(quint16 port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

}  // namespace

// The site button is enabled only once the site answered; a refused
// connection (nothing listens on the port any more) leaves it disabled.
TEST(AboutDialog, TheSiteButtonWorksOnlyWhenTheSiteAnswers) {
    for (const bool raspunde : {true, false}) {
        PlatformaScriptata p;
        PlatformaInstalata guard(p);
        auto site = std::make_unique<QTcpServer>();
        ASSERT_TRUE(site->listen(QHostAddress::LocalHost));
        const QString adresa = adresaLocala(site->serverPort());
        if (!raspunde) site.reset();

        DespreDialog d(nullptr, adresa);
        // One version, the main window's.
        EXPECT_EQ(d.windowTitle(), "Despre VITRAMOR");
        EXPECT_EQ(d.findChild<QLabel*>("versiune")->text(), TitluFereastraPrincipala);
        EXPECT_FALSE(d.findChild<QLabel*>("icon")->pixmap().isNull());
        QSignalSpy gata(&d, &DespreDialog::verificareIncheiata);
        ASSERT_TRUE(gata.wait(3000));
        EXPECT_EQ(gata.front().front().toBool(), raspunde);
        QPushButton* buton = d.findChild<QPushButton*>("101");
        ASSERT_EQ(buton->isEnabled(), raspunde);
        if (!raspunde) continue;
        buton->click();
        EXPECT_EQ(p.documenteDeschise, std::vector<std::string>{adresa.toStdString()});
    }
}
