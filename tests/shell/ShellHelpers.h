#pragma once
// The main window under test, on the scripted platform and a glass directory
// of its own, with an empty working set before and after.

#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "support/PlatformaScriptata.h"
#include "record/SetLucru.h"
#include "settings/Directoare.h"
#include "shell/ComenziMeniu.h"
#include "shell/FereastraPrincipala.h"
#include "support/TestDir.h"

namespace vitramor::test {

// Runs before the window exists and after it is gone.
struct StareCurata {
    std::string glass = path_sticle, name = nume_fisier_sticle;
    explicit StareCurata(const TestDir& d) {
        setLucru() = SetLucru{};
        path_sticle = d.str();
        nume_fisier_sticle = NumeFisierSticleImplicit;
    }
    ~StareCurata() {
        setLucru() = SetLucru{};
        path_sticle = glass;
        nume_fisier_sticle = name;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    TestDir d;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    StareCurata stare{d};
    FereastraPrincipala w;

    // What choosing a menu item does: the menu opens (enabling runs), then
    // the item is triggered; a disabled item does nothing.
    void alege(int id) {
        QAction* a = w.actiune(id);
        ASSERT_NE(a, nullptr) << id;
        deschideMeniul(a);
        a->trigger();
    }
    void deschideMeniul(QAction* a) {
        bool inMeniu = false;
        for (QMenu* m : w.findChildren<QMenu*>())
            if (m->actions().contains(a)) {
                Q_EMIT m->aboutToShow();
                inMeniu = true;
            }
        // Commands without a menu item are enabled whenever any menu opens.
        if (!inMeniu) Q_EMIT w.findChildren<QMenu*>().front()->aboutToShow();
    }
    // Whether a command runs now: every item stays enabled, and one that
    // cannot run says why instead.
    bool activa(int id) {
        QAction* a = w.actiune(id);
        EXPECT_NE(a, nullptr) << id;
        deschideMeniul(a);
        const ComandaMeniu* c = GasesteComanda(id);
        return a && a->isEnabled() && c && ComandaActiva(*c, setLucru().numarMateriale());
    }
    QStringList randuri() const {
        QStringList r;
        for (int i = 0; i < w.lista()->count(); ++i) r << w.lista()->item(i)->text();
        return r;
    }
};

}  // namespace vitramor::test
