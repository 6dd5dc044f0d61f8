// Office Open XML workbooks: a zip archive of XML parts. Only what a
// catalogue needs is read: the sheet names and their parts, the shared
// strings, and each cell's number or text.

#include <zip.h>

#include <QByteArray>
#include <QIODevice>
#include <QXmlStreamReader>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>

#include "fileutil/UtilitatiFisiere.h"
#include "import/tabele/FoaieCalcul.h"

namespace vitramor {

namespace {

bool EsteOle(const std::string& cale) {
    std::FILE* f = EsteNeobisnuit(cale) ? nullptr : std::fopen(cale.c_str(), "rb");
    if (!f) return false;
    unsigned char b[8] = {};
    const bool ole = std::fread(b, 1, 8, f) == 8 && std::memcmp(b, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) == 0;
    std::fclose(f);
    return ole;
}

// "AB12" -> column 27 (0-based); -1 for a reference without letters.
int ColoanaDinReferinta(QStringView r) {
    int c = 0, litere = 0;
    for (QChar q : r) {
        const char16_t u = q.unicode();
        if (u < u'A' || u > u'Z') break;
        c = c * 26 + (u - u'A' + 1);
        if (++litere > 3) return -1;
    }
    return litere ? c - 1 : -1;
}

int RandDinReferinta(QStringView r) {
    qsizetype i = 0;
    while (i < r.size() && r[i].isLetter()) ++i;
    bool ok = false;
    const int v = r.mid(i).toInt(&ok);
    return ok ? v : -1;
}

// What a workbook may inflate to. Catalogue parts are a few megabytes; a
// part or a workbook beyond these is damaged or hostile, whatever its
// compressed size claims.
constexpr qint64 LimitaParte = 128ll << 20;
constexpr qint64 LimitaRegistru = 512ll << 20;

// One part of the archive, inflated as the XML reader asks for it: nothing
// is inflated whole, and reading stops at the limits.
class ParteArhiva : public QIODevice {
public:
    ParteArhiva(zip_file_t* f, qint64& totalRegistru) : f_(f), total_(totalRegistru) { open(QIODevice::ReadOnly); }
    ~ParteArhiva() override { zip_fclose(f_); }
    bool isSequential() const override { return true; }
    bool preaMare() const { return preaMare_; }
    const std::string& eroare() const { return eroare_; }

protected:
    qint64 readData(char* date, qint64 maxim) override {
        if (preaMare_ || !eroare_.empty()) return -1;
        const zip_int64_t n = zip_fread(f_, date, static_cast<zip_uint64_t>(maxim));
        if (n < 0) {
            eroare_ = zip_file_strerror(f_);
            return -1;
        }
        citit_ += n;
        total_ += n;
        if (citit_ > LimitaParte || total_ > LimitaRegistru) {
            preaMare_ = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file_t* f_;
    qint64& total_;
    qint64 citit_ = 0;
    bool preaMare_ = false;
    std::string eroare_;
};

class RegistruXlsx : public RegistruCalcul {
public:
    RegistruXlsx(std::string cale, zip_t* z) : cale_(std::move(cale)), zip_(z) {}
    ~RegistruXlsx() override { zip_discard(zip_); }

    bool deschide() {
        std::map<QString, QString> tinte;
        const bool ok = citeste("xl/_rels/workbook.xml.rels", [&](QXmlStreamReader& x) {
            while (!x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == u"Relationship")
                    tinte[x.attributes().value(QLatin1String("Id")).toString()] =
                        x.attributes().value(QLatin1String("Target")).toString();
            }
        });
        if (!ok || !citeste("xl/workbook.xml", [&](QXmlStreamReader& w) {
                while (!w.atEnd()) {
                    w.readNext();
                    if (!w.isStartElement() || w.name() != u"sheet") continue;
                    QString id;
                    for (const auto& a : w.attributes())
                        if (a.name() == u"id") id = a.value().toString();
                    QString tinta = tinte[id];
                    if (tinta.startsWith(u'/')) tinta = tinta.mid(1);
                    else tinta = "xl/" + tinta;
                    nume_.push_back(w.attributes().value(QLatin1String("name")).toString().toStdString());
                    parti_.push_back(tinta.toStdString());
                }
            }))
            return false;
        if (zip_name_locate(zip_, "xl/sharedStrings.xml", 0) >= 0 &&
            !citeste("xl/sharedStrings.xml", [&](QXmlStreamReader& x) {
                while (!x.atEnd())
                    if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si")
                        texte_.push_back(textBogat(x).toStdString());
            }))
            return false;
        return true;
    }

    const std::vector<std::string>& numeFoi() const override { return nume_; }

    bool citesteFoaie(std::size_t index, FoaieCalcul& foaie) override {
        foaie = {};
        foaie.nume = nume_[index];
        return citeste(parti_[index], [&](QXmlStreamReader& x) { citesteCelule(x, foaie); });
    }

private:
    void citesteCelule(QXmlStreamReader& x, FoaieCalcul& foaie) {
        int rand = 0, coloana = 0;
        QString tip;
        int randCelula = 0, coloanaCelula = 0;
        QString valoare;
        bool areValoare = false;
        while (!x.atEnd()) {
            const auto t = x.readNext();
            if (t == QXmlStreamReader::StartElement) {
                const auto n = x.name();
                if (n == u"row") {
                    const int r = x.attributes().value(QLatin1String("r")).toInt();
                    rand = r > 0 ? r : rand + 1;
                    coloana = 0;
                } else if (n == u"c") {
                    const auto ref = x.attributes().value(QLatin1String("r"));
                    const int c = ColoanaDinReferinta(ref);
                    coloanaCelula = c >= 0 ? c : coloana;
                    randCelula = c >= 0 && RandDinReferinta(ref) > 0 ? RandDinReferinta(ref) : rand;
                    tip = x.attributes().value(QLatin1String("t")).toString();
                    valoare.clear();
                    areValoare = false;
                } else if (n == u"v") {
                    valoare = x.readElementText();
                    areValoare = true;
                } else if (n == u"is") {
                    valoare = textBogat(x);
                    areValoare = true;
                }
            } else if (t == QXmlStreamReader::EndElement && x.name() == u"c") {
                coloana = coloanaCelula + 1;
                if (!areValoare || randCelula <= 0 || randCelula > 1048576) continue;
                CelulaFoaie c;
                if (tip == u"s") {
                    const int i = valoare.toInt();
                    if (i >= 0 && static_cast<std::size_t>(i) < texte_.size()) {
                        c.tip = CelulaFoaie::Text;
                        c.text = texte_[static_cast<std::size_t>(i)];
                    }
                } else if (tip == u"e") {
                    continue;  // an error value (#N/A) is no value
                } else if (tip == u"str" || tip == u"inlineStr") {
                    c.tip = CelulaFoaie::Text;
                    c.text = valoare.toStdString();
                } else {
                    const std::string v = valoare.trimmed().toStdString();
                    const auto r = std::from_chars(v.data(), v.data() + v.size(), c.numar);
                    if (!v.empty() && r.ec == std::errc() && r.ptr == v.data() + v.size()) {
                        c.tip = CelulaFoaie::Numar;
                    } else if (!v.empty()) {
                        c.tip = CelulaFoaie::Text;
                        c.text = v;
                    }
                }
                foaie.adauga(static_cast<std::uint32_t>(randCelula - 1), static_cast<std::uint32_t>(coloanaCelula),
                             std::move(c));
            }
        }
        foaie.termina();
    }

    // The text of an <si> or <is>: every <t> in it, phonetic runs left out.
    static QString textBogat(QXmlStreamReader& x) {
        QString text;
        const QString capat = x.name().toString();
        int fonetic = 0;
        while (!x.atEnd()) {
            const auto t = x.readNext();
            if (t == QXmlStreamReader::StartElement) {
                if (x.name() == u"rPh") ++fonetic;
                else if (x.name() == u"t" && fonetic == 0) text += x.readElementText();
            } else if (t == QXmlStreamReader::EndElement) {
                if (x.name() == u"rPh") --fonetic;
                else if (x.name() == capat) break;
            }
        }
        return text;
    }

    bool defect(const std::string& detaliu) {
        RaporteazaFoaieCalcul("Registrul Excel " + cale_ + " este deteriorat (" + detaliu + ").");
        return false;
    }

    // Parses one part with `f`, inflating it as the parser reads; reports a
    // missing, damaged or oversized part.
    template <class F>
    bool citeste(const std::string& nume, F&& f) {
        zip_file_t* z = zip_fopen(zip_, nume.c_str(), 0);
        if (!z) return defect(zip_name_locate(zip_, nume.c_str(), 0) < 0 ? "lipseste " + nume : nume + ": " + zip_strerror(zip_));
        ParteArhiva parte(z, totalInflat_);
        QXmlStreamReader x(&parte);
        f(x);
        if (parte.preaMare())
            return defect(nume + " depaseste " + std::to_string(LimitaParte >> 20) + " MB despachetat (sau registrul " +
                          std::to_string(LimitaRegistru >> 20) + " MB)");
        if (!parte.eroare().empty()) return defect(nume + ": " + parte.eroare());
        if (x.hasError()) return defect(nume + ": " + x.errorString().toStdString());
        return true;
    }

    std::string cale_;
    zip_t* zip_;
    std::vector<std::string> nume_, parti_, texte_;
    qint64 totalInflat_ = 0;
};

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruXlsx(const std::string& cale) {
    if (EsteOle(cale)) {
        RaporteazaFoaieCalcul("Registrul Excel " + cale +
                              " este criptat (protejat cu parola) sau este in formatul vechi; salvati-l fara "
                              "parola ca .xlsx.");
        return nullptr;
    }
    int cod = 0;
    zip_t* z = zip_open(cale.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &cod);
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, cod);
        RaporteazaFoaieCalcul("Fisierul " + cale + " nu este un registru Excel .xlsx valid (" + zip_error_strerror(&e) +
                              ").");
        zip_error_fini(&e);
        return nullptr;
    }
    auto r = std::make_unique<RegistruXlsx>(cale, z);
    if (!r->deschide()) return nullptr;
    return r;
}

}  // namespace vitramor
