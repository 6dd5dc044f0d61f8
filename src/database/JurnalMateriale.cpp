#include "database/JurnalMateriale.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>

#include <QCryptographicHash>

#include "fileutil/UtilitatiFisiere.h"
#include "platform/SistemFisiere.h"
#include "record/CampuriMaterial.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

std::string CaleJurnal(const std::string& directorSticle) { return directorSticle + "/" + NumeFisierJurnal; }

std::string NumeFisier(const std::string& cale) {
    const std::size_t p = cale.find_last_of('/');
    return p == std::string::npos ? cale : cale.substr(p + 1);
}

// Tabs and line ends inside a field would split the line.
std::string Camp(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text.empty() ? "-" : text;
}

std::string Acum() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

}  // namespace

const char* TextOperatieJurnal(OperatieJurnal o) {
    switch (o) {
        case OperatieJurnal::Nou: return "nou";
        case OperatieJurnal::Actualizat: return "actualizat";
        case OperatieJurnal::Redenumit: return "redenumit";
        case OperatieJurnal::Sters: return "sters";
        case OperatieJurnal::Editat: return "editat";
    }
    return "-";
}

SursaMateriale SursaDinOcteti(const std::string& cale, std::string_view octeti) {
    const QByteArray h = QCryptographicHash::hash(QByteArrayView(octeti.data(), static_cast<qsizetype>(octeti.size())),
                                                  QCryptographicHash::Sha256);
    return {Camp(NumeFisier(cale)), h.toHex().toStdString()};
}

SursaMateriale SursaDinFisier(const std::string& cale) {
    SursaMateriale s;
    s.fisier = Camp(NumeFisier(cale));
    FisierDeschis f;
    if (EsteNeobisnuit(cale) || !(f.f = std::fopen(cale.c_str(), "rb"))) return s;
    QCryptographicHash h(QCryptographicHash::Sha256);
    std::vector<char> bloc(1 << 20);
    while (const std::size_t n = std::fread(bloc.data(), 1, bloc.size(), f.f))
        h.addData(QByteArrayView(bloc.data(), static_cast<qsizetype>(n)));
    if (!std::ferror(f.f)) s.sha256 = h.result().toHex().toStdString();
    return s;
}

std::string CampuriSchimbate(const MaterialOptic& vechi, const MaterialOptic& nou) {
    const auto* a = reinterpret_cast<const unsigned char*>(&vechi);
    const auto* b = reinterpret_cast<const unsigned char*>(&nou);
    std::string campuri;
    auto adauga = [&](const CampMaterial& c) {
        if (c.vedere || std::memcmp(a + c.offset, b + c.offset, c.latime()) == 0) return;
        if (!campuri.empty()) campuri += ',';
        campuri += c.nume;
    };
    // A material read with the evaporation overlay names the overlay's fields.
    const bool evaporare = vechi.producator == 10 && nou.producator == 10;
    for (const CampMaterial& c : CampuriMaterial()) {
        if (evaporare && (std::strcmp(c.nume, "lambda_Ti") == 0 || std::strcmp(c.nume, "lidt_lambda") == 0)) {
            // The overlay owns the first bytes of these; the rest still count.
            if (std::memcmp(a + c.offset, b + c.offset, c.latime()) == 0) continue;
        }
        adauga(c);
    }
    if (evaporare)
        for (const CampMaterial& c : CampuriEvaporare()) adauga(c);
    return campuri;
}

void AdaugaInJurnal(const std::string& directorSticle, const SursaMateriale& sursa,
                    std::span<const IntrareJurnal> intrari, RezultatOperatie& r) {
    if (std::string nota = AdaugaInJurnal(directorSticle, sursa, intrari); !nota.empty())
        r.note.push_back(std::move(nota));
}

std::string AdaugaInJurnal(const std::string& directorSticle, const SursaMateriale& sursa,
                           std::span<const IntrareJurnal> intrari) {
    if (intrari.empty() || directorSticle.empty()) return {};
    const std::string data = Acum();
    std::string text;
    for (const IntrareJurnal& i : intrari) {
        const std::string producator = Utf8DinWindows1252(NumeProducatorSticla(directorSticle, i.producator));
        text += data + '\t' + Camp(Utf8DinWindows1252(i.nume)) + '\t' + Camp(producator) + '\t' +
                TextOperatieJurnal(i.operatie) + '\t' + Camp(sursa.fisier) + '\t' + Camp(sursa.sha256) + '\t' +
                Camp(i.campuri) + '\n';
    }
    const std::string cale = CaleJurnal(directorSticle);
    auto esec = [&](const std::string& deCe) {
        return TextFormatat(
            "Jurnalul %s nu a putut fi scris: %s\nMaterialele au fost salvate; jurnalul nu le "
            "contine.",
            cale.c_str(), deCe.c_str());
    };
    if (const std::string neobisnuit = TextNeobisnuit(cale); !neobisnuit.empty()) return esec(neobisnuit);
    const int fd = ::open(cale.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return esec(TextEroareSistem(errno));
    // A line cut off by a crash is closed first, so that the new lines start whole.
    struct stat st {};
    char ultim = '\n';
    if (::fstat(fd, &st) == 0 && st.st_size > 0 && ::pread(fd, &ultim, 1, st.st_size - 1) == 1 && ultim != '\n')
        text.insert(text.begin(), '\n');
    int cod = platforma().fisiere().scrie(fd, text.data(), text.size());
    if (cod == 0) cod = platforma().fisiere().sincronizeazaDate(fd);
    ::close(fd);
    return cod == 0 ? std::string() : esec(TextEroareSistem(cod));
}

std::vector<LinieJurnal> IstoricMaterial(const std::string& directorSticle, std::string_view numeUtf8) {
    std::vector<LinieJurnal> linii;
    const std::string cale = CaleJurnal(directorSticle);
    if (EsteNeobisnuit(cale)) return linii;
    std::ifstream in(cale, std::ios::binary);
    // A last line without its end was cut off by a crash: getline still
    // returns it, but it is not a whole line.
    for (std::string linie; std::getline(in, linie) && !in.eof();) {
        // The sheet asks on every material shown, and the journal only
        // grows: a line of another material costs a comparison, not a split.
        const std::size_t t1 = linie.find('\t');
        if (t1 == std::string::npos || linie.compare(t1 + 1, numeUtf8.size(), numeUtf8) != 0 ||
            linie.size() <= t1 + 1 + numeUtf8.size() || linie[t1 + 1 + numeUtf8.size()] != '\t')
            continue;
        std::vector<std::string> campuri;
        std::size_t inceput = 0;
        for (std::size_t p; (p = linie.find('\t', inceput)) != std::string::npos; inceput = p + 1)
            campuri.push_back(linie.substr(inceput, p - inceput));
        campuri.push_back(linie.substr(inceput));
        if (campuri.size() != 7 || campuri[1] != numeUtf8) continue;
        linii.push_back({campuri[0], campuri[1], campuri[2], campuri[3], campuri[4], campuri[5], campuri[6]});
    }
    return linii;
}

}  // namespace vitramor
