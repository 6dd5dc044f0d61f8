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

std::string TextCod(int cod) { return cod != 0 ? std::strerror(cod) : "eroare necunoscuta"; }

}  // namespace

RezultatOperatie InlocuiesteFisierCuTemporar(const std::string& caleDate, const std::string& caleTemp,
                                             bool golPastrat) {
    // Checked before anything moves: a device or a directory under the data
    // file's name is neither archived nor deleted nor replaced.
    if (std::string text = TextNeobisnuit(caleDate); !text.empty()) return RezultatOperatie::Esec(std::move(text));
    SistemFisiere& fs = platforma().fisiere();

    // A data file that does not exist yet (a first export, say) has nothing
    // to keep: the temporary file simply takes its name.
    struct stat st {};
    std::string arhiva;
    if (::stat(caleDate.c_str(), &st) == 0) {
        int cod;
        if (!CreazaNumeFisierArhiva(caleDate, arhiva, LimitaArhive).esuat()) {
            cod = fs.redenumeste(caleDate, arhiva);
            if (cod != 0) arhiva.clear();
        } else {
            // Without an extension there is no archive name; the old file
            // goes so that the new one can take its place.
            cod = std::remove(caleDate.c_str()) == 0 ? 0 : errno;
        }
        if (cod != 0)
            return RezultatOperatie::Esec(TextFormatat("Fisierul %s nu poate fi mutat deoparte ca arhiva:\n%s",
                                                       caleDate.c_str(), TextCod(cod).c_str()));
    }

    // Named by its file name: it sits beside the data file. Said once the
    // archive stays; one put back after a failed rename is no news.
    const std::string textArhiva =
        arhiva.empty() ? std::string()
                       : TextFormatat("S-a creat fisierul arhiva %s", std::filesystem::path(arhiva).filename().c_str());
    if (::stat(caleTemp.c_str(), &st) != 0) {
        const int cod = errno;
        return RezultatOperatie::Esec(
            TextFormatat("Fisierul %s nu poate fi citit:\n%s", caleTemp.c_str(), TextCod(cod).c_str()) +
            (textArhiva.empty() ? "" : "\n" + textArhiva));
    }
    if (st.st_size == 0 && !golPastrat) {
        if (!textArhiva.empty()) MesajBox(nullptr, textArhiva, "ATENTIE!", MB_OK | MB_ICONASTERISK);
        const std::string text = TextFormatat("Fisierul %s nu contine date. Se va sterge", caleTemp.c_str());
        MesajBox(nullptr, text, "ATENTIE!", MB_OK | MB_ICONASTERISK);
        std::remove(caleTemp.c_str());
        fs.sincronizeazaDirector(caleDate);
        return {};
    }
    if (const int cod = fs.redenumeste(caleTemp, caleDate)) {
        // The archive goes back under the data file's name, so that the
        // caller's failure leaves the file as it was; only if that fails
        // too do the archive and the work file stay for the next start to
        // find.
        const bool inapoi = !arhiva.empty() && fs.redenumeste(arhiva, caleDate) == 0;
        if (inapoi) std::remove(caleTemp.c_str());
        fs.sincronizeazaDirector(caleDate);
        return RezultatOperatie::Esec(
            TextFormatat("Eroare rename() %s -> %s:\n%s", caleTemp.c_str(), caleDate.c_str(), TextCod(cod).c_str()) +
            (arhiva.empty() || inapoi ? "" : "\n" + textArhiva));
    }
    // Until the directory is on the disk, a power cut could bring back the
    // old name pointing nowhere.
    fs.sincronizeazaDirector(caleDate);
    if (!textArhiva.empty()) MesajBox(nullptr, textArhiva, "ATENTIE!", MB_OK | MB_ICONASTERISK);
    return {};
}

std::string TextArhivaRestaurata(const std::string& arhiva, const std::string& cale) {
    return TextFormatat("Fisierul %s a fost restaurat din %s", cale.c_str(), arhiva.c_str());
}

RezultatOperatie RestaureazaArhiva(const std::string& arhiva, const std::string& cale) {
    FisierDeschis sursa;
    if (RezultatOperatie r = DeschideFisierObisnuit(arhiva, "rb", sursa.f); r.esuat()) return r;
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
    if (cod != 0)
        return RezultatOperatie::Esec(TextFormatat("Eroare la restaurarea fisierului %s din %s:\n%s", cale.c_str(),
                                                   arhiva.c_str(), std::strerror(cod)));
    fs.sincronizeazaDirector(cale);
    RezultatOperatie facut;
    facut.motiv = TextArhivaRestaurata(arhiva, cale);
    return facut;
}

RezultatOperatie CopiazaInArhiva(const std::string& cale, int limita) {
    FisierDeschis sursa;
    if (RezultatOperatie r = DeschideFisierObisnuit(cale, "rb", sursa.f); r.esuat()) return r;
    std::string arhiva;
    if (RezultatOperatie r = CreazaNumeFisierArhiva(cale, arhiva, limita); r.esuat()) return r;
    FisierDeschis destinatie;
    if (RezultatOperatie r = DeschideFisierObisnuit(arhiva, "wb", destinatie.f); r.esuat()) return r;

    platforma().cursorAsteptare(true);
    std::vector<char> buffer(1 << 20);
    int cod = 0;
    for (;;) {
        errno = 0;
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), sursa.f);
        if (n > 0 && std::fwrite(buffer.data(), 1, n, destinatie.f) != n) {
            cod = errno != 0 ? errno : EIO;
            break;
        }
        if (n < buffer.size()) {
            if (std::ferror(sursa.f)) cod = errno != 0 ? errno : EIO;
            break;
        }
    }
    sursa.inchide();
    // The copy is only worth its name once it is on the disk.
    if (cod == 0 && std::fflush(destinatie.f) != 0) cod = errno != 0 ? errno : EIO;
    if (cod == 0) cod = platforma().fisiere().sincronizeaza(::fileno(destinatie.f));
    if (!destinatie.inchide() && cod == 0) cod = errno != 0 ? errno : EIO;
    if (cod == 0) platforma().fisiere().sincronizeazaDirector(arhiva);
    platforma().cursorAsteptare(false);

    if (cod != 0) {
        // A half-written archive would pass for a good copy later on.
        std::remove(arhiva.c_str());
        return RezultatOperatie::Esec(TextFormatat("Eroare la copierea fisierului %s in %s:\n%s", cale.c_str(),
                                                   arhiva.c_str(), TextCod(cod).c_str()));
    }
    RezultatOperatie facut;
    facut.motiv = TextFormatat("S-a creat fisier arhiva %s", arhiva.c_str());
    return facut;
}

}  // namespace vitramor
