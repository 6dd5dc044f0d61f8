#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/Cli.h"
#include "fileutil/UtilitatiFisiere.h"
#include "platform/Platforma.h"
#include "settings/Directoare.h"
#include "suite/Catalix.h"

namespace vitramor::cli {

namespace {

MaterialOptic inregistrareCuNume(const std::string& nume) {
    MaterialOptic m;
    std::memset(&m, 0, sizeof m);
    std::strncpy(m.nume, nume.c_str(), sizeof m.nume - 1);
    return m;
}

}  // namespace

int ComandaStore(Context& c) {
    CereArgumente(c, 1, 1);
    const std::string& cale = c.argumente[0];
    std::FILE* deschis = nullptr;
    if (!DeschideFisierCuMesaj(cale, "rb", deschis, false) && errno == EINVAL) return IesireEsec;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(deschis, &std::fclose);
    if (!f) {
        MesajBox(nullptr, "Eroare deschidere fisier " + cale + ": " + platforma().textUltimaEroare(), "Open",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    MaterialOptic m;
    std::size_t citite = 0;
    while ((citite = std::fread(&m, 1, sizeof m, f.get())) == sizeof m) {
        if (CautaMaterialOptic(path_sticle, m, nullptr, SalveazaOp) != 0) return IesireEsec;
    }
    if (std::ferror(f.get())) {
        MesajBox(nullptr, "Eroare citire fisier " + cale + ": " + platforma().textUltimaEroare(), "Read",
                 stil::MB_OK | stil::MB_ICONEXCLAMATION);
        return IesireEsec;
    }
    if (citite != 0) {
        // A trailing fragment is not a record: everything before it was stored.
        MesajBox(nullptr,
                 "Fisierul " + cale + " se termina cu " + std::to_string(citite) +
                     " octeti care nu formeaza o inregistrare; au fost ignorati",
                 "ATENTIE!", stil::MB_OK | stil::MB_ICONASTERISK);
    }
    return IesireOk;
}

int ComandaDelete(Context& c) {
    const bool toate = ScoateOptiune(c, "--all");
    CereArgumente(c, 1, 1);
    MaterialOptic m = inregistrareCuNume(NumeMaterialDinArgument(c.argumente[0]));
    return CautaMaterialOptic(path_sticle, m, nullptr, toate ? StergeToateOp : StergeOp) == 0 ? IesireOk
                                                                                              : IesireEsec;
}

int ComandaClean(Context& c) {
    CereArgumente(c, 0, 0);
    MaterialOptic m = inregistrareCuNume("");
    return CautaMaterialOptic(path_sticle, m, nullptr, CurataOp) == 0 ? IesireOk : IesireEsec;
}

}  // namespace vitramor::cli
