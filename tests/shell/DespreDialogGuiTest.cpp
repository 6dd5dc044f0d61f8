#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <regex>

#include "platform/ScriptedPlatform.h"
#include "shell/DespreDialog.h"

using namespace vitramor;

namespace {

QString adresaLocala(quint16 port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

}  // namespace

TEST(AboutDialog, TheSiteButtonWorksOnlyWhenTheSiteAnswers) {
    ScriptedPlatform p;
    ScopedPlatform guard(p);
    QTcpServer site;
    ASSERT_TRUE(site.listen(QHostAddress::LocalHost));

    DespreDialog d(nullptr, adresaLocala(site.serverPort()));
    EXPECT_EQ(d.objectName(), "ABOUTDLG");
    EXPECT_EQ(d.windowTitle(), "Despre Vitramor V2.1");
    EXPECT_EQ(d.findChild<QLabel*>("versiune")->text(), "Vitramor V2.2");
    EXPECT_FALSE(d.findChild<QLabel*>("icon")->pixmap().isNull());
    QSignalSpy gata(&d, &DespreDialog::verificareIncheiata);
    ASSERT_TRUE(gata.wait(3000));
    EXPECT_TRUE(gata.front().front().toBool());
    QPushButton* adresa = d.findChild<QPushButton*>("101");
    EXPECT_TRUE(adresa->isEnabled());
    adresa->click();
    ASSERT_EQ(p.documenteDeschise.size(), 1u);
    EXPECT_EQ(p.documenteDeschise[0], adresaLocala(site.serverPort()).toStdString());

    d.findChild<QPushButton*>("1102")->click();
    EXPECT_TRUE(std::regex_match(p.ultima().text, std::regex("Dx = -?[0-9]+  Dy = -?[0-9]+")));
}

TEST(AboutDialog, ARefusedConnectionLeavesTheButtonDisabled) {
    quint16 port;
    {
        QTcpServer liber;
        ASSERT_TRUE(liber.listen(QHostAddress::LocalHost));
        port = liber.serverPort();
    }
    DespreDialog d(nullptr, adresaLocala(port));
    QSignalSpy gata(&d, &DespreDialog::verificareIncheiata);
    ASSERT_TRUE(gata.wait(3000));
    EXPECT_FALSE(gata.front().front().toBool());
    EXPECT_FALSE(d.findChild<QPushButton*>("101")->isEnabled());
}
