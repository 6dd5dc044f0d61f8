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
    const FisierDeschis f(EsteNeobisnuit(cale) ? nullptr : std::fopen(cale.c_str(), "rb"));
    if (!f.f) return false;
    unsigned char b[8] = {};
    return std::fread(b, 1, 8, f.f) == 8 && std::memcmp(b, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) == 0;
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

    std::unique_ptr<CititorFoaie> deschideFoaie(std::size_t index) override;

    // Notes why the workbook cannot be read, naming it.
    bool defect(const std::string& detaliu) const {
        return esec("Registrul Excel " + cale_ + " este deteriorat (" + detaliu + ").");
    }
    // The part's own trouble after a parse, reported; false when there was one.
    bool parteBuna(const std::string& nume, const ParteArhiva& parte, const QXmlStreamReader& x) const {
        if (parte.preaMare())
            return defect(nume + " depaseste " + std::to_string(LimitaParte >> 20) + " MB despachetat (sau registrul " +
                          std::to_string(LimitaRegistru >> 20) + " MB)");
        if (!parte.eroare().empty()) return defect(nume + ": " + parte.eroare());
        if (x.hasError()) return defect(nume + ": " + x.errorString().toStdString());
        return true;
    }
    // An open part of the archive, reported when it cannot be had.
    zip_file_t* deschideParte(const std::string& nume) const {
        zip_file_t* z = zip_fopen(zip_, nume.c_str(), 0);
        if (!z) defect(zip_name_locate(zip_, nume.c_str(), 0) < 0 ? "lipseste " + nume : nume + ": " + zip_strerror(zip_));
        return z;
    }

    const std::vector<std::string>& texte() const { return texte_; }
    qint64 totalInflat() const { return totalInflat_; }

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

private:
    // Parses one part with `f`, inflating it as the parser reads; reports a
    // missing, damaged or oversized part.
    template <class F>
    bool citeste(const std::string& nume, F&& f) {
        zip_file_t* z = deschideParte(nume);
        if (!z) return false;
        ParteArhiva parte(z, totalInflat_);
        QXmlStreamReader x(&parte);
        f(x);
        return parteBuna(nume, parte, x);
    }

    std::string cale_;
    zip_t* zip_;
    std::vector<std::string> nume_, parti_, texte_;
    qint64 totalInflat_ = 0;
};

// A sheet's part parsed as it is inflated, handing out a row at a time.
// The inflated total starts from what opening the workbook inflated, so the
// workbook's limit holds for each read of the sheet.
class CititorXlsx : public CititorFoaie {
public:
    CititorXlsx(const RegistruXlsx& r, zip_file_t* z, std::string parte)
        : registru_(r), nume_(std::move(parte)), total_(r.totalInflat()), parte_(z, total_), x_(&parte_) {}

    int urmatorul(RandFoaie& rand) override {
        while (!x_.atEnd()) {
            const auto t = x_.readNext();
            if (t == QXmlStreamReader::StartElement) {
                inceput();
            } else if (t == QXmlStreamReader::EndElement && x_.name() == u"c" && celulaGata()) {
                // A cell of another row: the row before is whole.
                const bool altRand = !curent_.celule.empty() && curent_.index != randCelula_;
                if (altRand) da(rand);
                curent_.index = randCelula_;
                curent_.adauga(static_cast<std::uint32_t>(coloanaCelula_), std::move(celula_));
                if (altRand) return 1;
            }
        }
        if (!registru_.parteBuna(nume_, parte_, x_)) return -1;
        if (curent_.celule.empty()) return 0;
        da(rand);
        return 1;
    }

private:
    void inceput() {
        const auto n = x_.name();
        if (n == u"row") {
            const int r = x_.attributes().value(QLatin1String("r")).toInt();
            rand_ = r > 0 ? r : rand_ + 1;
            coloana_ = 0;
        } else if (n == u"c") {
            const auto ref = x_.attributes().value(QLatin1String("r"));
            const int c = ColoanaDinReferinta(ref);
            coloanaCelula_ = c >= 0 ? c : coloana_;
            const int r = c >= 0 ? RandDinReferinta(ref) : -1;
            randXml_ = r > 0 ? r : rand_;
            tip_ = x_.attributes().value(QLatin1String("t")).toString();
            valoare_.clear();
            areValoare_ = false;
        } else if (n == u"v") {
            valoare_ = x_.readElementText();
            areValoare_ = true;
        } else if (n == u"is") {
            valoare_ = RegistruXlsx::textBogat(x_);
            areValoare_ = true;
        }
    }

    // The cell just ended into celula_; false when it holds nothing.
    bool celulaGata() {
        coloana_ = coloanaCelula_ + 1;
        celula_ = {};
        if (!areValoare_ || randXml_ <= 0 || randXml_ > 1048576) return false;
        randCelula_ = static_cast<std::uint32_t>(randXml_ - 1);
        if (tip_ == u"s") {
            const int i = valoare_.toInt();
            if (i >= 0 && static_cast<std::size_t>(i) < registru_.texte().size()) {
                celula_.tip = CelulaFoaie::Text;
                celula_.text = registru_.texte()[static_cast<std::size_t>(i)];
            }
        } else if (tip_ == u"e") {
            return false;  // an error value (#N/A) is no value
        } else if (tip_ == u"str" || tip_ == u"inlineStr") {
            celula_.tip = CelulaFoaie::Text;
            celula_.text = valoare_.toStdString();
        } else {
            const std::string v = valoare_.trimmed().toStdString();
            const auto r = std::from_chars(v.data(), v.data() + v.size(), celula_.numar);
            if (!v.empty() && r.ec == std::errc() && r.ptr == v.data() + v.size()) {
                celula_.tip = CelulaFoaie::Numar;
            } else if (!v.empty()) {
                celula_.tip = CelulaFoaie::Text;
                celula_.text = v;
            }
        }
        return celula_.tip != CelulaFoaie::Goala && !(celula_.tip == CelulaFoaie::Text && celula_.text.empty());
    }

    void da(RandFoaie& rand) {
        std::swap(rand, curent_);
        curent_.celule.clear();
        rand.ordoneaza();
    }

    const RegistruXlsx& registru_;
    std::string nume_;
    qint64 total_;
    ParteArhiva parte_;
    QXmlStreamReader x_;
    int rand_ = 0, coloana_ = 0, randXml_ = 0, coloanaCelula_ = 0;
    std::uint32_t randCelula_ = 0;
    QString tip_, valoare_;
    bool areValoare_ = false;
    CelulaFoaie celula_;
    RandFoaie curent_;
};

std::unique_ptr<CititorFoaie> RegistruXlsx::deschideFoaie(std::size_t index) {
    zip_file_t* z = deschideParte(parti_[index]);
    if (!z) return nullptr;
    return std::make_unique<CititorXlsx>(*this, z, parti_[index]);
}

}  // namespace

std::unique_ptr<RegistruCalcul> DeschideRegistruXlsx(const std::string& cale, std::string& eroare) {
    if (EsteOle(cale)) {
        eroare = "Registrul Excel " + cale +
                 " este criptat (protejat cu parola) sau este in formatul vechi; salvati-l fara parola ca .xlsx.";
        return nullptr;
    }
    int cod = 0;
    zip_t* z = zip_open(cale.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &cod);
    if (!z) {
        zip_error_t e;
        zip_error_init_with_code(&e, cod);
        eroare = "Fisierul " + cale + " nu este un registru Excel .xlsx valid (" + zip_error_strerror(&e) + ").";
        zip_error_fini(&e);
        return nullptr;
    }
    auto r = std::make_unique<RegistruXlsx>(cale, z);
    if (!r->deschide()) return eroare = r->eroare(), nullptr;
    return r;
}

}  // namespace vitramor
