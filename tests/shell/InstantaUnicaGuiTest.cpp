#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include "shell/InstantaUnica.h"
#include "support/TestDir.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

// Waits until an instance listens on `nume`; each knock also asks it to come
// forward, which does no harm.
bool asteaptaInstanta(const QString& nume, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QLocalSocket s;
        s.connectToServer(nume);
        if (s.waitForConnected(200)) return true;
        QTest::qWait(50);
    }
    return false;
}

// The server name an instance started with these private settings takes.
QString numePentruSetari(const QString& fisier) {
    const QByteArray vechi = qgetenv("VITRAMOR_SETTINGS");
    const bool aveaVechi = qEnvironmentVariableIsSet("VITRAMOR_SETTINGS");
    qputenv("VITRAMOR_SETTINGS", fisier.toLocal8Bit());
    const QString nume = NumeServerInstanta();
    if (aveaVechi)
        qputenv("VITRAMOR_SETTINGS", vechi);
    else
        qunsetenv("VITRAMOR_SETTINGS");
    return nume;
}

struct Proces : QProcess {
    explicit Proces(const QProcessEnvironment& env) {
        setProcessEnvironment(env);
        setProgram(QStringLiteral(VITRAMOR_GUI_PATH));
    }
    ~Proces() override {
        if (state() != QProcess::NotRunning) {
            kill();
            waitForFinished(5000);
        }
    }
};

}  // namespace

TEST(SingleInstance, ALaterInstanceKnocksAndTheFirstComesForward) {
    const QString nume = QStringLiteral("vitramor-test-") + QUuid::createUuid().toString(QUuid::Id128);
    InstantaUnica prima(nume);
    ASSERT_EQ(prima.porneste(), InstantaUnica::Rezultat::Prima);
    QSignalSpy cereri(&prima, &InstantaUnica::cerereAducereInFata);

    InstantaUnica aDoua(nume);
    EXPECT_EQ(aDoua.porneste(), InstantaUnica::Rezultat::ExistaAlta);
    EXPECT_TRUE(cereri.wait(2000));
}

TEST(SingleInstance, SecondProcessEndsAtOnceAndAStaleSocketIsTakenOver) {
    TestDir d;
    const QString setari = QString::fromStdString((d / "KESTRA.ini").string());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VITRAMOR_SETTINGS"), setari);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!env.contains(QStringLiteral("LSAN_OPTIONS")))
        env.insert(QStringLiteral("LSAN_OPTIONS"),
                   QStringLiteral("suppressions=" VITRAMOR_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0"));
    const QString nume = numePentruSetari(setari);

    Proces prima(env);
    prima.start();
    ASSERT_TRUE(prima.waitForStarted(5000));
    ASSERT_TRUE(asteaptaInstanta(nume, 15000));

    Proces aDoua(env);
    aDoua.start();
    ASSERT_TRUE(aDoua.waitForFinished(10000));
    EXPECT_EQ(aDoua.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(aDoua.exitCode(), 0) << aDoua.readAllStandardError().toStdString();
    EXPECT_EQ(prima.state(), QProcess::Running);

    // Killed, the first leaves its socket behind; the next start takes it over.
    prima.kill();
    prima.waitForFinished(5000);
    Proces aTreia(env);
    aTreia.start();
    ASSERT_TRUE(aTreia.waitForStarted(5000));
    EXPECT_TRUE(asteaptaInstanta(nume, 15000));
    EXPECT_EQ(aTreia.state(), QProcess::Running);
}
