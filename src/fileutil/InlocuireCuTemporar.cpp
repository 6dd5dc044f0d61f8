// Putting a rewritten file in place: the old file becomes its next archive
// copy before the temporary file takes its name, so at every moment either
// the old file, its archive or the new file holds the data.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/TextFormatat.h"

namespace vitramor {

using namespace stil;

namespace {

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

int InlocuiesteFisierCuTemporar(const std::string& caleDate, const std::string& caleTemp, bool golPastrat) {
    // Checked before anything moves: a device or a directory under the data
    // file's name is neither archived nor deleted nor replaced.
    if (RefuzaNeobisnuit(caleDate)) return 0;
    SistemFisiere& fs = platforma().fisiere();

    // A data file that does not exist yet (a first export, say) has nothing
    // to keep: the temporary file simply takes its name.
    struct stat st {};
    std::string arhiva;
    if (::stat(caleDate.c_str(), &st) == 0) {
        int cod;
        if (CreazaNumeFisierArhiva(caleDate, arhiva, LimitaArhive)) {
            cod = fs.redenumeste(caleDate, arhiva);
            if (cod == 0) {
                // Named by its file name: it sits beside the data file.
                const std::string text = TextFormatat("S-a creat fisierul arhiva %s",
                                                      std::filesystem::path(arhiva).filename().c_str());
                MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
            }
        } else {
            // Without an extension there is no archive name; the old file
            // goes so that the new one can take its place.
            cod = std::remove(caleDate.c_str()) == 0 ? 0 : errno;
        }
        if (cod != 0) {
            MesajBox(nullptr, TextNumarEroare(cod), "ATENTIE!", MB_OK | MB_ICONHAND);
            errno = cod;
            ArataEroareSistem(caleDate);
            return 0;
        }
    }

    if (::stat(caleTemp.c_str(), &st) != 0) return 0;

    if (st.st_size == 0 && !golPastrat) {
        const std::string text = TextFormatat("Fisierul %s nu contine date. Se va sterge", caleTemp.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
        std::remove(caleTemp.c_str());
        fs.sincronizeazaDirector(caleDate);
        return 1;
    }
    if (const int cod = fs.redenumeste(caleTemp, caleDate)) {
        errno = cod;
        ArataEroareSistem("Eroare rename().");
        // The archive goes back under the data file's name, so that the
        // caller's failure leaves the file as it was; only if that fails
        // too do the archive and the work file stay for the next start to
        // find.
        if (!arhiva.empty() && fs.redenumeste(arhiva, caleDate) == 0) std::remove(caleTemp.c_str());
        fs.sincronizeazaDirector(caleDate);
        return 0;
    }
    // Until the directory is on the disk, a power cut could bring back the
    // old name pointing nowhere.
    fs.sincronizeazaDirector(caleDate);
    return 1;
}

std::string TextArhivaRestaurata(const std::string& arhiva, const std::string& cale) {
    return TextFormatat("Fisierul %s a fost restaurat din %s", cale.c_str(), arhiva.c_str());
}

int RestaureazaArhiva(const std::string& arhiva, const std::string& cale, bool anuntaReusita) {
    FisierDeschis sursa;
    if (!DeschideFisierCuMesaj(arhiva, "rb", sursa.f, true)) return 0;
    SistemFisiere& fs = platforma().fisiere();
    const std::string temp = cale + ".tmp";
    int fd = -1;
    int cod = fs.creeaza(temp, fd);
    if (cod == 0) {
        std::vector<char> buffer(1 << 20);
        std::size_t n;
        while (cod == 0 && (n = std::fread(buffer.data(), 1, buffer.size(), sursa.f)) > 0) cod = fs.scrie(fd, buffer.data(), n);
        if (cod == 0 && std::ferror(sursa.f)) cod = EIO;
        if (cod == 0) cod = fs.sincronizeaza(fd);
        ::close(fd);
        if (cod == 0) cod = fs.redenumeste(temp, cale);
        if (cod != 0) std::remove(temp.c_str());
    }
    sursa.inchide();
    if (cod != 0) {
        const std::string text = TextFormatat("Eroare la restaurarea fisierului %s din %s:\n%s", cale.c_str(),
                                              arhiva.c_str(), std::strerror(cod));
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONHAND);
        return 0;
    }
    fs.sincronizeazaDirector(cale);
    if (anuntaReusita)
        MesajBox(nullptr, TextArhivaRestaurata(arhiva, cale), "ATENTIE!", MB_OK | MB_ICONASTERISK);
    return 1;
}

int CopiazaInArhiva(const std::string& cale, bool raporteaza, int limita) {
    FisierDeschis sursa;
    if (!DeschideFisierCuMesaj(cale, "rb", sursa.f, true)) return 0;
    std::string arhiva;
    if (!CreazaNumeFisierArhiva(cale, arhiva, limita)) return 0;
    FisierDeschis destinatie;
    if (!DeschideFisierCuMesaj(arhiva, "wb", destinatie.f, true)) return 0;

    platforma().cursorAsteptare(true);
    std::vector<char> buffer(1 << 20);
    bool bun = true;
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), sursa.f);
        if (n > 0 && std::fwrite(buffer.data(), 1, n, destinatie.f) != n) {
            bun = false;
            break;
        }
        if (n < buffer.size()) {
            if (std::ferror(sursa.f)) bun = false;
            break;
        }
    }
    sursa.inchide();
    // The copy is only worth its name once it is on the disk.
    if (bun && (std::fflush(destinatie.f) != 0 || platforma().fisiere().sincronizeaza(::fileno(destinatie.f)) != 0))
        bun = false;
    if (!destinatie.inchide()) bun = false;
    if (bun) platforma().fisiere().sincronizeazaDirector(arhiva);
    platforma().cursorAsteptare(false);

    if (!bun) {
        // A half-written archive would pass for a good copy later on.
        ArataEroareSistem("CopiazaInArhiva()");
        std::remove(arhiva.c_str());
        return 0;
    }
    if (raporteaza) {
        const std::string text = TextFormatat("S-a creat fisier arhiva %s", arhiva.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
    }
    return 1;
}

}  // namespace vitramor
