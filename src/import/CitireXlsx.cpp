// Office Open XML workbooks: a zip archive of XML parts. Only what a
// catalogue needs is read: the sheet names and their parts, the shared
// strings, and each cell's number or text.

#include <zip.h>

#include <QByteArray>
#include <QXmlStreamReader>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>

#include "fileutil/FileUtil.h"
#include "import/FoaieCalcul.h"

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

class RegistruXlsx : public RegistruCalcul {
public:
    RegistruXlsx(std::string cale, zip_t* z) : cale_(std::move(cale)), zip_(z) {}
    ~RegistruXlsx() override { zip_discard(zip_); }

    bool deschide() {
        QByteArray wb, rels;
        if (!citestePartea("xl/workbook.xml", wb) || !citestePartea("xl/_rels/workbook.xml.rels", rels)) return false;
        std::map<QString, QString> tinte;
        QXmlStreamReader x(rels);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"Relationship")
                tinte[x.attributes().value(QLatin1String("Id")).toString()] = x.attributes().value(QLatin1String("Target")).toString();
        }
        if (x.hasError()) return defect("xl/_rels/workbook.xml.rels: " + x.errorString().toStdString());
        QXmlStreamReader w(wb);
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
        if (w.hasError()) return defect("xl/workbook.xml: " + w.errorString().toStdString());
        QByteArray ss;
        if (zip_name_locate(zip_, "xl/sharedStrings.xml", 0) >= 0) {
            if (!citestePartea("xl/sharedStrings.xml", ss)) return false;
            citesteTexteComune(ss);
        }
        return true;
    }

    const std::vector<std::string>& numeFoi() const override { return nume_; }

    bool citesteFoaie(std::size_t index, FoaieCalcul& foaie) override {
        foaie = {};
        foaie.nume = nume_[index];
        QByteArray xml;
        if (!citestePartea(parti_[index], xml)) return false;
        QXmlStreamReader x(xml);
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
                } else if (tip == u"str" || tip == u"inlineStr" || tip == u"e") {
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
        if (x.hasError()) return defect(parti_[index] + ": " + x.errorString().toStdString());
        return true;
    }

private:
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

    void citesteTexteComune(const QByteArray& xml) {
        QXmlStreamReader x(xml);
        while (!x.atEnd()) {
            if (x.readNext() == QXmlStreamReader::StartElement && x.name() == u"si")
                texte_.push_back(textBogat(x).toStdString());
        }
    }

    bool defect(const std::string& detaliu) {
        RaporteazaFoaieCalcul("Registrul Excel " + cale_ + " este deteriorat (" + detaliu + ").");
        return false;
    }

    bool citestePartea(const std::string& nume, QByteArray& date) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat(zip_, nume.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
            return defect("lipseste " + nume);
        // A catalogue part is a few megabytes; a size beyond reason is a damaged or hostile archive.
        if (st.size > (512u << 20)) return defect(nume + " prea mare");
        zip_file_t* f = zip_fopen(zip_, nume.c_str(), 0);
        if (!f) return defect(nume + ": " + zip_strerror(zip_));
        date.resize(static_cast<qsizetype>(st.size));
        const zip_int64_t citit = zip_fread(f, date.data(), st.size);
        const bool ok = citit == static_cast<zip_int64_t>(st.size);
        const std::string eroare = ok ? "" : zip_file_strerror(f);
        zip_fclose(f);
        return ok ? true : defect(nume + ": " + eroare);
    }

    std::string cale_;
    zip_t* zip_;
    std::vector<std::string> nume_, parti_, texte_;
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
