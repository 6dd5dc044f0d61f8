#pragma once
// Settings tests run on a scripted platform whose store lives in memory (or
// in a scratch INI file): the user's own settings are never read or
// written. The process-wide buffers and the colour palette are put back
// after every test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>

#include "support/PlatformaScriptata.h"
#include "settings/Culori.h"
#include "settings/Directoare.h"
#include "settings/PozitieFereastra.h"

namespace vitramor::test {

// Holds the process-wide settings state and restores it.
class StareSetariSalvata {
public:
    StareSetariSalvata()
        : user_(path_user), sticle_(path_sticle), help_(path_help), ml_(path_machine_learning),
          fisier_(nume_fisier_sticle), pastrare_(PastrarePozitiiActiva()) {
        std::copy(std::begin(culoriUtilizator), std::end(culoriUtilizator), culori_);
    }
    ~StareSetariSalvata() {
        path_user = user_;
        path_sticle = sticle_;
        path_help = help_;
        path_machine_learning = ml_;
        nume_fisier_sticle = fisier_;
        ActiveazaPastrarePozitii(pastrare_);
        std::copy(std::begin(culori_), std::end(culori_), culoriUtilizator);
    }

private:
    std::string user_, sticle_, help_, ml_, fisier_;
    bool pastrare_;
    std::uint32_t culori_[NumarCuloriUtilizator];
};

struct SettingsFixture : ::testing::Test {
    StareSetariSalvata stare;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};

    SettingsFixture() {
        path_user.clear();
        path_sticle.clear();
        path_help.clear();
        path_machine_learning.clear();
        nume_fisier_sticle = NumeFisierSticleImplicit;
        ActiveazaPastrarePozitii(true);
        std::fill(std::begin(culoriUtilizator), std::end(culoriUtilizator), 0u);
    }

    DepozitSetari& store() { return p.setari(); }
};

inline std::string cheieFereastra(const std::string& nume) {
    return std::string(CheiePozitiiFerestre) + "\\" + nume;
}

}  // namespace vitramor::test
