// Pictures of the n and k windows as a user sees them, written next to the
// build ("capturi/") so that a layout change can be looked at, not only
// measured. The test checks what a picture can show without a human: the
// window is drawn whole and the grey panel is not covered by anything it
// should not be.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <cstring>

#include "editors/EditorFixture.h"
#include "editors/IndiciWindow.h"
#include "editors/InitializareMaterial.h"
#include "editors/TabelIndici.h"
#include "support/RecordImage.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

QString directorCapturi() {
    // The command-line program sits in <build>/src; the pictures go to <build>/capturi.
    QDir d = QFileInfo(QStringLiteral(VITRAMOR_CLI_PATH)).dir();
    d.cdUp();
    d.mkpath(QStringLiteral("capturi"));
    return d.filePath(QStringLiteral("capturi"));
}

class Capturi : public EditorFixture {
protected:
    Capturi() {
        MaterialOptic m = namedRecord("N-BK7", 2);
        InitLambdaIndici(m);
        m.ec_dispersie_n = 4;
        const double c[] = {1.03961212, 0.231792344, 1.01046945, 0.00600069867, 0.0200179144, 103.560653};
        std::memcpy(m.coef_disp_n, c, sizeof c);
        InitDinEcuatie(m, ColoanaN);
        // Absorption rising towards the ultraviolet, as a glass datasheet gives it.
        m.ec_dispersie_k = 12;
        m.coef_disp_k[0] = 1.0;
        m.coef_disp_k[1] = 0.01;
        InitDinEcuatie(m, ColoanaK);
        setLucru().materiale = {m};
    }

    QImage captura(FereastraMaterial* w, const char* nume) {
        activeaza(w);
        const QImage img = w->grab().toImage();
        const QString cale = QDir(directorCapturi()).filePath(QString::fromLatin1(nume) + ".png");
        EXPECT_TRUE(img.save(cale)) << cale.toStdString();
        return img;
    }
};

}  // namespace

TEST_F(Capturi, BothIndexWindows) {
    auto* n = dynamic_cast<FereastraIndici*>(ComandaIndiciN(nullptr));
    ASSERT_NE(n, nullptr);
    const QImage in = captura(n, "EditIndiciClass");
    auto* k = dynamic_cast<FereastraIndici*>(ComandaIndiciK(nullptr));
    ASSERT_NE(k, nullptr);
    const QImage ik = captura(k, "EditIndice_kClass");

    for (const QImage* img : {&in, &ik}) {
        ASSERT_FALSE(img->isNull());
        EXPECT_EQ(img->size(), n->size() * img->devicePixelRatio());
    }
    // Below the last button, the panel's grey shows: the button row is not cut off.
    const QRect ajutor = buton(n, IdButonAjutorEditor)->geometry().translated(n->panou()->pos());
    EXPECT_LT(ajutor.bottom() + 1, n->height());
    EXPECT_EQ(in.pixelColor(ajutor.center().x(), n->height() - 1), QColor(128, 128, 128));
}
