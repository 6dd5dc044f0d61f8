// Putting a rewritten file in place: the old file becomes its next archive
// copy before the temporary file takes its name, so at every moment either
// the old file, its archive or the new file holds the data.

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fileutil/FileUtil.h"

namespace vitramor {

using namespace stil;

namespace {

void Inchide(std::FILE*& f) {
    if (f) std::fclose(f);
    f = nullptr;
}

void ArataEroareSistem(const std::string& titlu) {
    const std::string text = platforma().textUltimaEroare();
    if (!text.empty()) MesajBox(nullptr, text, titlu, MB_OK | MB_ICONASTERISK);
}

// The standard error-number text of a failure, up to its first line break
// and at most 259 characters, as the error boxes show it.
std::string TextNumarEroare(int cod) {
    std::string text = std::strerror(cod);
    const std::size_t rand = text.find_first_of("\r\n");
    if (rand != std::string::npos) text.resize(rand);
    if (text.size() > 259) text.resize(259);
    return text;
}

}  // namespace

int InlocuiesteFisierCuTemporar(const std::string& caleDate, std::FILE*& fDate, const std::string& caleTemp,
                                std::FILE*& fTemp) {
    Inchide(fDate);
    Inchide(fTemp);

    // A data file that does not exist yet (a first export, say) has nothing
    // to keep: the temporary file simply takes its name.
    struct stat st {};
    if (::stat(caleDate.c_str(), &st) == 0) {
        std::string arhiva;
        int rezultat;
        if (CreazaNumeFisierArhiva(caleDate, arhiva, LimitaArhive)) {
            rezultat = std::rename(caleDate.c_str(), arhiva.c_str());
            if (rezultat == 0) {
                char text[600];
                std::snprintf(text, sizeof text, "S-a creat fisierul arhiva %s", arhiva.c_str());
                MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
            }
        } else {
            // Without an extension there is no archive name; the old file
            // goes so that the new one can take its place.
            rezultat = std::remove(caleDate.c_str());
        }
        if (rezultat != 0) {
            const int cod = errno;
            MesajBox(nullptr, TextNumarEroare(cod), "ATENTIE!", MB_OK | MB_ICONHAND);
            errno = cod;
            ArataEroareSistem(caleDate);
            return 0;
        }
    }

    if (::stat(caleTemp.c_str(), &st) != 0) return 0;

    if (st.st_size == 0) {
        char text[600];
        std::snprintf(text, sizeof text, "Fisierul %s nu contine date. Se va sterge", caleTemp.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
        std::remove(caleTemp.c_str());
        return 1;
    }
    if (std::rename(caleTemp.c_str(), caleDate.c_str()) != 0) {
        // The old file is already safe in its archive and the new content
        // stays in the temporary file; the caller learns that the data file
        // is not in place.
        ArataEroareSistem("Eroare rename().");
        return 0;
    }
    return 1;
}

int CopiazaInArhiva(const std::string& cale, bool raporteaza, int limita) {
    std::FILE* sursa = nullptr;
    if (!DeschideFisierCuMesaj(cale, "rb", sursa, true)) return 0;
    std::string arhiva;
    if (!CreazaNumeFisierArhiva(cale, arhiva, limita)) {
        std::fclose(sursa);
        return 0;
    }
    std::FILE* destinatie = nullptr;
    if (!DeschideFisierCuMesaj(arhiva, "wb", destinatie, true)) {
        std::fclose(sursa);
        return 0;
    }

    platforma().cursorAsteptare(true);
    std::vector<char> buffer(1 << 20);
    bool bun = true;
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), sursa);
        if (n > 0 && std::fwrite(buffer.data(), 1, n, destinatie) != n) {
            bun = false;
            break;
        }
        if (n < buffer.size()) {
            if (std::ferror(sursa)) bun = false;
            break;
        }
    }
    std::fclose(sursa);
    if (std::fclose(destinatie) != 0) bun = false;
    platforma().cursorAsteptare(false);

    if (!bun) {
        // A half-written archive would pass for a good copy later on.
        ArataEroareSistem("CopiazaInArhiva()");
        std::remove(arhiva.c_str());
        return 0;
    }
    if (raporteaza) {
        char text[600];
        std::snprintf(text, sizeof text, "S-a creat fisier arhiva %s", arhiva.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
    }
    return 1;
}

}  // namespace vitramor
