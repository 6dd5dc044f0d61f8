#pragma once
// A glass directory and an export directory of their own for each test,
// the scripted platform recording every box, and the message-list lines
// collected; the directory buffers and the current directory are put back.

#include <gtest/gtest.h>

#include <cjson/cJSON.h>

#include <memory>
#include <string>
#include <vector>

#include "fileutil/GardaDirectorCurent.h"
#include "messages/ListaMesaje.h"
#include "support/PlatformaScriptata.h"
#include "settings/Directoare.h"
#include "support/RecordImage.h"
#include "support/TestDir.h"

namespace vitramor::test {

struct LinieMesaj {
    std::string text;
    int nivel;
    bool operator==(const LinieMesaj&) const = default;
};

struct StergeJson {
    void operator()(cJSON* c) const { cJSON_Delete(c); }
};
using Json = std::unique_ptr<cJSON, StergeJson>;

// The document text as the file store writes it, or without layout for
// checking values.
inline std::string Tiparit(const cJSON* c, bool cuAsezare = true) {
    char* t = cuAsezare ? cJSON_Print(c) : cJSON_PrintUnformatted(c);
    std::string s = t ? t : "";
    cJSON_free(t);
    return s;
}
inline std::string Compact(const cJSON* c) { return Tiparit(c, false); }

// The member names of an object, in order.
inline std::vector<std::string> Chei(const cJSON* d) {
    std::vector<std::string> k;
    for (const cJSON* c = d ? d->child : nullptr; c; c = c->next) k.emplace_back(c->string);
    return k;
}

// A substrate material with every value the substrate check asks for.
inline MaterialOptic Complet(const std::string& nume, std::uint16_t producator = 2) {
    MaterialOptic m = namedRecord(nume, producator);
    m.duritate_knoop = 610;
    m.modul_young = 82;
    m.raport_poisson = 0.206f;
    m.duritate_abraziune = 1;
    m.caldura_specifica[0] = 858;
    m.conductibilitate_termica[0] = 1.114f;
    m.dilatare[0] = 7.1f;
    m.temperaturi[0] = 557;
    m.stabilitate_chimica[0] = 1;
    return m;
}

class ExportFixture : public ::testing::Test {
protected:
    ExportFixture() : savedGlass_(path_sticle), savedMl_(path_machine_learning), savedDb_(nume_fisier_sticle) {
        path_sticle = glass.str();
        path_machine_learning = (ml.path() / "ML").string();
        nume_fisier_sticle = NumeFisierSticleImplicit;
        InstaleazaDestinatieMesaje([this](const std::string& text, int nivel) {
            linii.push_back({text, nivel});
            return 1;
        });
    }
    ~ExportFixture() override {
        InstaleazaDestinatieMesaje(nullptr);
        path_sticle = savedGlass_;
        path_machine_learning = savedMl_;
        nume_fisier_sticle = savedDb_;
    }

    std::string mlFile(const std::string& name) const { return readFile(std::filesystem::path(path_machine_learning) / name); }
    bool mlExists(const std::string& name) const {
        return std::filesystem::exists(std::filesystem::path(path_machine_learning) / name);
    }
    void writeMl(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(path_machine_learning);
        writeFile(std::filesystem::path(path_machine_learning) / name, bytes);
    }

    CurrentDirGuard cwd;
    TestDir glass;
    TestDir ml;
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    std::vector<LinieMesaj> linii;

private:
    std::string savedGlass_, savedMl_, savedDb_;
};

}  // namespace vitramor::test
