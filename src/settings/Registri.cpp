#include "settings/Registri.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Platforma.h"
#include "platform/DepozitSetari.h"
#include "settings/Culori.h"
#include "settings/Directoare.h"

namespace vitramor {

namespace {

// Without drive letters the defaults live in the user's home folder, so a
// missing value never points at a directory the user cannot write.
std::string directorAcasa() {
#ifdef _WIN32
    const char* h = std::getenv("USERPROFILE");
#else
    const char* h = std::getenv("HOME");
#endif
    return (h && *h) ? std::string(h) : std::string(".");
}

// The "pending system error" of a settings operation is the store's own
// failure; errno is not consulted, since the settings library leaves it set
// by harmless probes (a settings file that does not exist yet).
void aratEroareaSistem(const std::string& titlu) {
    const std::string text = platforma().setari().textEroare();
    if (!text.empty()) MesajBox(nullptr, text, titlu, stil::MB_OK | stil::MB_ICONASTERISK);
}

void citesteValoare(DepozitSetari& s, const char* valoare, const char* titlu, std::string& buffer,
                    const std::string& implicit) {
    auto v = s.citesteText(CheieDirectoare, valoare);
    if (!v) {
        aratEroareaSistem(titlu);
        buffer = implicit;
        return;
    }
    buffer = v->substr(0, LungimeMaximaCale - 1);
}

}  // namespace

std::string DirectorSticlaImplicit() {
#ifdef _WIN32
    // The drive of the current directory, as the program was started from it.
    char disc = 'C';
    std::error_code ec;
    const std::string radacina = std::filesystem::current_path(ec).root_name().string();
    if (!ec && radacina.size() == 2 && radacina[1] == ':') disc = radacina[0];
    return std::string(1, disc) + ":\\OPTIC\\STICLA";
#else
    return directorAcasa() + "/OPTIC/STICLA";
#endif
}

std::string DirectorMachineLearningImplicit() {
#ifdef _WIN32
    return "C:\\OPTIC\\PLANOTEX\\MACHINE_LEARNING\\DATA";
#else
    return directorAcasa() + "/OPTIC/PLANOTEX/MACHINE_LEARNING/DATA";
#endif
}

void CitesteRegistriVitramor() {
    DepozitSetari& s = platforma().setari();
    if (!s.existaCheie(CheieDirectoare)) {
        aratEroareaSistem("CitesteRegistriVitramor");
        return;
    }
    citesteValoare(s, "USER", "path_user", path_user, DirectorSticlaImplicit());
    citesteValoare(s, "STICLE", "path_sticle", path_sticle, DirectorSticlaImplicit());
    citesteValoare(s, "HELP", "path_help", path_help, DirectorSticlaImplicit());
    citesteValoare(s, "ML", "path_machine_learning", path_machine_learning, DirectorMachineLearningImplicit());
}

int ScrieRegistriDirectori() {
    DepozitSetari& s = platforma().setari();
    bool ok = s.creazaCheie(CheieDirectoare);
    ok = s.scrieText(CheieDirectoare, "USER", path_user) && ok;
    ok = s.scrieText(CheieDirectoare, "STICLE", path_sticle) && ok;
    ok = s.scrieText(CheieDirectoare, "HELP", path_help) && ok;
    ok = s.scrieText(CheieDirectoare, "ML", path_machine_learning) && ok;
    if (!ok) aratEroareaSistem("ScrieRegistriDirectori");
    // The colours go with the directories even when a directory value
    // failed: each is reported on its own and neither stops the other.
    ScrieRegistriCuloriUtilizator(culoriUtilizator, NumarCuloriUtilizator);
    return ok ? 1 : 0;
}

bool DirectorSticlaSetat() {
    return !path_sticle.empty();
}

}  // namespace vitramor
