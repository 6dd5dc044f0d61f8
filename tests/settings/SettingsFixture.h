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

// A store that reports a pending failure of its own, as a settings file
// that cannot be read does, over a memory store that may also refuse writes.
class StoreCuEroare final : public SettingsStore {
public:
    explicit StoreCuEroare(std::string eroare) : eroare_(std::move(eroare)) {}

    MemorySettingsStore memorie;

    bool existaCheie(const std::string& c) override { return memorie.existaCheie(c); }
    std::optional<std::string> citesteText(const std::string& c, const std::string& v) override {
        return memorie.citesteText(c, v);
    }
    bool scrieText(const std::string& c, const std::string& v, const std::string& t) override {
        return memorie.scrieText(c, v, t);
    }
    std::optional<std::int32_t> citesteIntreg(const std::string& c, const std::string& v) override {
        return memorie.citesteIntreg(c, v);
    }
    bool scrieIntreg(const std::string& c, const std::string& v, std::int32_t n) override {
        return memorie.scrieIntreg(c, v, n);
    }
    std::optional<std::vector<std::uint8_t>> citesteBinar(const std::string& c, const std::string& v) override {
        return memorie.citesteBinar(c, v);
    }
    bool scrieBinar(const std::string& c, const std::string& v, const std::vector<std::uint8_t>& d) override {
        return memorie.scrieBinar(c, v, d);
    }
    bool creazaCheie(const std::string& c) override { return memorie.creazaCheie(c); }
    std::string textEroare() override { return eroare_; }

private:
    std::string eroare_;
};

struct SettingsFixture : ::testing::Test {
    StareSetariSalvata stare;
    ScriptedPlatform p;
    ScopedPlatform guard{p};

    SettingsFixture() {
        path_user.clear();
        path_sticle.clear();
        path_help.clear();
        path_machine_learning.clear();
        nume_fisier_sticle = NumeFisierSticleImplicit;
        ActiveazaPastrarePozitii(true);
        std::fill(std::begin(culoriUtilizator), std::end(culoriUtilizator), 0u);
    }

    SettingsStore& store() { return p.setari(); }
};

inline std::string cheieFereastra(const std::string& nume) {
    return std::string(CheiePozitiiFerestre) + "\\" + nume;
}

}  // namespace vitramor::test
