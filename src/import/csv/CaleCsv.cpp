#include "import/csv/CaleCsv.h"

#include <array>

#include "fileutil/UtilitatiFisiere.h"

namespace vitramor {

namespace {

// Folders as the producers' catalogue collections are named on disk; the
// names are used as they stand, this file system minding their case.
constexpr std::array<const char*, 12> Subdirectoare{
    "RUSIA", "JENA_GW", "Schott", "Hoya", "ROMANIA", "SOPRA", "OHARA", "Corning", "PILKINGTON", "CHENGDU",
    "EVAPOR", "SUMITA",
};

bool EsteModel(const std::string& nume) { return nume.find_first_of("*?") != std::string::npos; }

}  // namespace

const char* SubdirectorCsvProducator(int producator) {
    if (producator < 0 || producator >= static_cast<int>(Subdirectoare.size())) return nullptr;
    return Subdirectoare[static_cast<std::size_t>(producator)];
}

std::string UnesteDirectorSiNume(const std::string& director, const std::string& nume) {
    if (director.empty()) return nume;
    if (director.back() == '/') return director + nume;
    return director + "/" + nume;
}

std::string DirectorCsvProducator(const std::string& directorSticle, int producator) {
    const char* sub = SubdirectorCsvProducator(producator);
    return sub ? UnesteDirectorSiNume(directorSticle, sub) : directorSticle;
}

std::string CaleCsvProducator(const std::string& directorSticle, int producator) {
    return UnesteDirectorSiNume(DirectorCsvProducator(directorSticle, producator), ModelCsv);
}

std::string VerificaCaleCsv(const std::string& directorSticle, const std::string& text) {
    if (text.empty() || text.size() > LungimeMaximaCaleCsv) return {};
    const std::string cale = text.front() == '/' ? text : UnesteDirectorSiNume(directorSticle, text);
    if (cale.size() > LungimeMaximaCaleCsv) return {};
    const std::size_t separator = cale.find_last_of('/');
    const std::string nume = separator == std::string::npos ? cale : cale.substr(separator + 1);
    if (nume.empty()) return {};
    if (EsteModel(nume)) {
        const std::string director = separator == std::string::npos ? std::string(".")
                                     : separator == 0               ? std::string("/")
                                                                    : cale.substr(0, separator);
        return ExistaDirector(director) ? cale : std::string();
    }
    return ExistaFisier("", cale, false) ? cale : std::string();
}

}  // namespace vitramor
