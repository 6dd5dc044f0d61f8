// Archive names "name#_N.ext" and the small path-splitting helpers they need.

#include <sys/stat.h>

#include <fcntl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

// Position of the "." that starts the extension, or npos. Only the last
// component counts (a "." in a directory name is not an extension), and a
// leading "." of that component names a hidden file, not an extension.
std::size_t PozitiePunctExtensie(const std::string& cale) {
    const std::size_t slash = cale.find_last_of('/');
    const std::size_t inceputNume = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t punct = cale.find_last_of('.');
    if (punct == std::string::npos || punct <= inceputNume) return std::string::npos;
    return punct;
}

bool ExistaIntrare(const std::string& cale) {
    struct stat st {};
    return ::lstat(cale.c_str(), &st) == 0;
}

// The time stamp that decides which archive is the newest. Linux keeps a
// birth time on most file systems (ext4, xfs, btrfs, tmpfs) and statx hands
// it out; where the file system has none, the modification time stands in,
// which for an archive made by rename is the time its content was written.
std::optional<struct statx_timestamp> MomentCreare(const std::string& cale) {
    struct statx sx {};
    if (::statx(AT_FDCWD, cale.c_str(), AT_SYMLINK_NOFOLLOW, STATX_BTIME | STATX_MTIME, &sx) != 0) return std::nullopt;
    // A birth time of zero is a file system answering "unknown" politely.
    if ((sx.stx_mask & STATX_BTIME) && (sx.stx_btime.tv_sec != 0 || sx.stx_btime.tv_nsec != 0)) return sx.stx_btime;
    return sx.stx_mtime;
}

bool MaiNou(const struct statx_timestamp& a, const struct statx_timestamp& b) {
    if (a.tv_sec != b.tv_sec) return a.tv_sec > b.tv_sec;
    return a.tv_nsec > b.tv_nsec;
}

std::string NumeArhiva(const std::string& faraExtensie, int index, const std::string& extensie) {
    return faraExtensie + "#_" + std::to_string(index) + "." + extensie;
}

// The files matching "<name>#_*.<ext>" next to the data file, newest
// creation time first.
std::vector<std::string> ArhiveDupaVarsta(const std::string& faraExtensie, const std::string& extensie) {
    namespace fs = std::filesystem;
    const fs::path baza(faraExtensie);
    const fs::path director = baza.has_parent_path() ? baza.parent_path() : fs::path(".");
    const std::string prefix = baza.filename().string() + "#_";
    const std::string sufix = "." + extensie;

    std::vector<std::pair<struct statx_timestamp, std::string>> gasite;
    std::error_code ec;
    for (fs::directory_iterator it(director, ec), sfarsit; !ec && it != sfarsit; it.increment(ec)) {
        const std::string nume = it->path().filename().string();
        if (nume.size() < prefix.size() + sufix.size()) continue;
        if (nume.compare(0, prefix.size(), prefix) != 0) continue;
        if (nume.compare(nume.size() - sufix.size(), sufix.size(), sufix) != 0) continue;
        const std::string cale = baza.has_parent_path() ? (director / nume).string() : nume;
        if (const auto moment = MomentCreare(cale)) gasite.emplace_back(*moment, cale);
    }
    std::stable_sort(gasite.begin(), gasite.end(),
                     [](const auto& a, const auto& b) { return MaiNou(a.first, b.first); });
    std::vector<std::string> cai;
    for (auto& g : gasite) cai.push_back(std::move(g.second));
    return cai;
}

std::string CeaMaiNouaArhiva(const std::string& faraExtensie, const std::string& extensie) {
    const std::vector<std::string> toate = ArhiveDupaVarsta(faraExtensie, extensie);
    return toate.empty() ? std::string() : toate.front();
}

}  // namespace

int ReturneazaExtensieFisier(const std::string& cale, std::string& extensie, int lungimeMaxima) {
    extensie.clear();
    const std::size_t punct = PozitiePunctExtensie(cale);
    if (punct != std::string::npos) {
        const std::string gasita = cale.substr(punct + 1);
        if (!gasita.empty() && gasita.size() <= static_cast<std::size_t>(lungimeMaxima)) {
            extensie = gasita;
            return 1;
        }
    }
    return 0;
}

std::string ArhivaCeaMaiNoua(const std::string& cale) {
    const std::vector<std::string> toate = ArhiveDeLaCeaMaiNoua(cale);
    return toate.empty() ? std::string() : toate.front();
}

std::vector<std::string> ArhiveDeLaCeaMaiNoua(const std::string& cale) {
    const std::size_t punct = PozitiePunctExtensie(cale);
    if (punct == std::string::npos) return {};
    return ArhiveDupaVarsta(cale.substr(0, punct), cale.substr(punct + 1));
}

std::string NumeFaraExtensie(const std::string& cale) {
    const std::size_t punct = PozitiePunctExtensie(cale);
    return punct == std::string::npos ? cale : cale.substr(0, punct);
}

RezultatOperatie CreazaNumeFisierArhiva(const std::string& cale, std::string& numeArhiva, int limita) {
    numeArhiva.clear();
    std::string extensie;
    if (!ReturneazaExtensieFisier(cale, extensie, LungimeMaximaExtensie))
        return RezultatOperatie::Esec(
            TextFormatat("Eroare ReturneazaExtensieFisier() ptr. %s, lungime max. extensie %d", cale.c_str(),
                         LungimeMaximaExtensie));
    try {
        const std::string faraExtensie = NumeFaraExtensie(cale);
        int index = 0;
        std::string nume = NumeArhiva(faraExtensie, index, extensie);
        while (ExistaIntrare(nume)) {
            ++index;
            if (index > limita) {
                const std::string deSters = CeaMaiNouaArhiva(faraExtensie, extensie);
                if (!deSters.empty() && std::remove(deSters.c_str()) == 0) {
                    const std::string text = TextFormatat("Index > %d. S-a sters fisierul arhiva %s", limita,
                                                          deSters.c_str());
                    MesajBox(nullptr, text, "CreazaNumeFisierArhiva()", MB_OK | MB_ICONASTERISK);
                }
            }
            nume = NumeArhiva(faraExtensie, index, extensie);
        }
        numeArhiva = std::move(nume);
    } catch (const std::bad_alloc&) {
        return RezultatOperatie::Esec("Eroare alocare memorie ptr. numele arhivei fisierului " + cale);
    }
    return {};
}

}  // namespace vitramor
