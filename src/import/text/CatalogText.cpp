#include "import/text/CatalogText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <memory>
#include <span>

#include "database/CategoriiMaterial.h"
#include "fileutil/UtilitatiFisiere.h"
#include "import/text/ColoaneText.h"
#include "messages/ListaMesaje.h"
#include "record/CodificareText.h"
#include "record/TextFormatat.h"
#include "database/CatalogMateriale.h"

namespace vitramor {

namespace {

// clang-format off
constexpr DescriereCatalogText Catalog[] = {
    {1, "schott/schott010507d.txt",     '\t', 7, 1, 2, false, 2},
    {2, "hoya/Hoya_glass.txt",          ',',  1, 2, 4, false, 3},
    {3, "ohara/ohara_eco.txt",          '\t', 2, 2, 3, true,  6},
    {4, "sumita/glassdata.txt",         '\t', 2, 3, 2, true,  11},
    {5, "pilkington/Pilkington_2.txt",  '\t', 2, 1, 2, true,  8},
};
// clang-format on

std::string Formatat(const char* format, const std::string& a, int n = 0, int m = 0) {
    return TextFormatat(format, n, a.c_str(), m);
}

std::string NumeIntrare(std::string_view t) {
    t = t.substr(0, CaractereNumeCatalogText);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return std::string(t);
}

// Skips the header lines; the columns of the last one are what a comma
// separated data line is held against.
int SariAntet(CititorLiniiText& cititor, const DescriereCatalogText& d) {
    int coloane = 0;
    for (int i = 0; i < d.liniiAntet && cititor.citeste(); ++i)
        coloane = static_cast<int>(std::count(cititor.linie().begin(), cititor.linie().end(), d.separator)) + 1;
    return coloane;
}

// Only a regular file is opened: a FIFO under a catalogue's name would block
// the reading for good, and a device would read without end.
bool Deschide(const std::string& cale, std::ifstream& in) {
    std::error_code ec;
    const auto stare = std::filesystem::status(cale, ec);
    if (!ec && std::filesystem::exists(stare) && !std::filesystem::is_regular_file(stare)) return false;
    in.open(cale, std::ios::binary);
    return in.is_open();
}

RezultatOperatie EroareDeschidere(const std::string& ce) {
    return RezultatOperatie::Esec("Eroare deschidere fisier " + ce);
}

}  // namespace

const DescriereCatalogText* DescriereCatalog(int cod) {
    for (const auto& d : Catalog)
        if (d.cod == cod) return &d;
    return nullptr;
}

std::string CaleCatalogText(const std::string& directorSticle, int cod) {
    const DescriereCatalogText* d = DescriereCatalog(cod);
    if (!d) return "????????????";
    return CaleInDirector(directorSticle, d->fisier);
}

std::string DirectorPilkington(const std::string& directorSticle) {
    return CaleInDirector(directorSticle, "pilkington");
}

std::string IntrareCatalogText::text() const {
    const std::string nd = TextFormatat("\t%7.5f", this->nd);
    return nume + nd;
}

std::vector<IntrareCatalogText> ListeazaCatalogText(int cod, std::istream& in, const std::string& numeFisier) {
    std::vector<IntrareCatalogText> intrari;
    const DescriereCatalogText* d = DescriereCatalog(cod);
    if (!d) return intrari;
    CititorLiniiText cititor(in);
    const int coloaneAntet = SariAntet(cititor, *d);
    for (int k = 0; cititor.citeste(); ++k) {
        if (cititor.lunga())
            AfiseazaMesajInLista(Formatat("Linia %d din %s are peste 4095 caractere; restul ei nu se citeste", numeFisier,
                                          cititor.numarLinie()),
                                 NivelAvertizare);
        const std::string& linie = cititor.linie();
        const ColoaneText c(linie, d->separator, std::max(d->coloanaNume, d->coloanaNd));
        // In a comma-separated file a decimal comma splits a value in two and
        // moves every column after it.
        const int coloane =
            d->separator == ',' ? static_cast<int>(std::count(linie.begin(), linie.end(), ',')) + 1 : 0;
        if (d->separator == ',' && coloaneAntet > 0 && coloane > coloaneAntet)
            AfiseazaMesajInLista(
                Formatat("Linia %d din %s are %d coloane, mai multe decat antetul: virgula zecimala?", numeFisier,
                         cititor.numarLinie(), coloane),
                NivelAvertizare);
        const std::string nume = NumeIntrare(c.coloana(d->coloanaNume));
        if (nume.empty() && cod <= 3) break;
        if (nume.empty() && cod == 4) continue;
        const std::string nd = d->ndDupaUnu ? "1." + std::string(c.coloana(d->coloanaNd)) : std::string(c.coloana(d->coloanaNd));
        intrari.push_back({nume, static_cast<double>(RealText(nd)), k});
    }
    return intrari;
}

SticleCatalogText ConstruiesteSticleCatalogText(int cod, std::istream& in, std::istream* in1, std::vector<int> linii,
                                                CategoriiImport& categorii, Progres& progres) {
    SticleCatalogText r;
    const DescriereCatalogText* d = DescriereCatalog(cod);
    if (!d) return r;
    std::sort(linii.begin(), linii.end());
    linii.erase(std::unique(linii.begin(), linii.end()), linii.end());
    linii.erase(linii.begin(), std::lower_bound(linii.begin(), linii.end(), 0));
    r.linii = linii;

    CititorLiniiText cititor(in);
    SariAntet(cititor, *d);
    std::istringstream gol;
    CititorLiniiText cititor1(in1 ? *in1 : static_cast<std::istream&>(gol));
    if (cod == CodCatalogPilkington) SariAntet(cititor1, *d);

    // The chosen lines are read first, then built, and the glasses are
    // stored together: storing
    // them one by one would read the whole database once per glass.
    auto urmatoarea = linii.begin();
    for (int k = 0; urmatoarea != linii.end(); ++k) {
        const bool citit = cititor.citeste();
        // The Pilkington pair is read in step until the equations' file ends;
        // a names' file that ends first gives empty lines.
        if (!(cod == CodCatalogPilkington ? cititor1.citeste() : citit)) break;
        if (*urmatoarea != k) continue;
        ++urmatoarea;
        r.alese.emplace_back(cititor.linie(), cititor1.linie());
    }
    r.sticle.resize(r.alese.size());
    r.stari.resize(r.alese.size());
    for (std::size_t i = 0; i < r.alese.size(); ++i) {
        r.stari[i] = ParseazaLinieCatalogText(cod, r.alese[i].first, r.alese[i].second, r.sticle[i]);
        if (r.stari[i] == StareLinieText::Stocheaza) r.sticle[i].categorie = categorii.categorie(r.sticle[i]);
        if (i % 256 == 0) progres.pas(i, r.alese.size());
    }
    return r;
}

RezultatOperatie ImportaCatalogText(int cod, std::istream& in, std::istream* in1, std::vector<int> linii,
                                    MaterialOptic& lucru, Fereastra owner, const std::string& directorSticle,
                                    PoliticaConflict laConflict,
                                    const SursaMateriale& sursa, int categorieAleasa, Progres& progres) {
    const DescriereCatalogText* d = DescriereCatalog(cod);
    if (!d) return RezultatOperatie::Esec(TextFormatat("Catalogul cu codul %d nu exista.", cod));
    CategoriiImport categorii(directorSticle, categorieAleasa);
    SticleCatalogText construite = ConstruiesteSticleCatalogText(cod, in, in1, std::move(linii), categorii, progres);
    if (construite.linii.empty()) return RezultatOperatie::Esec("Nu a fost selectata nicio sticla din catalog.");
    linii = construite.linii;
    const auto& alese = construite.alese;
    std::vector<MaterialOptic>& sticle = construite.sticle;
    const std::vector<StareLinieText>& stari = construite.stari;
    // Until here nothing has changed: a stop leaves the database and the
    // working record as they were.
    if (progres.anulat()) return RezultatOperatie::Anulare("Importul a fost anulat; baza de date nu s-a schimbat.");

    // The working record ends as the last line built left it.
    if (!alese.empty()) lucru = sticle[alese.size() - 1];
    // The glasses to store are gathered at the front of the same memory.
    RezultatOperatie refuzate;
    std::size_t deSalvat = 0;
    for (std::size_t i = 0; i < alese.size(); ++i) {
        const std::string nume = Utf8DinWindows1252(NumeIntrare(ColoaneText(alese[i].first, d->separator)
                                                                    .coloana(d->coloanaNume)));
        const std::string material = nume.empty() ? TextFormatat("(linia %d)", linii[i] + 1) : nume;
        switch (stari[i]) {
            case StareLinieText::Stocheaza:
                if (deSalvat != i) sticle[deSalvat] = sticle[i];
                ++deSalvat;
                continue;
            case StareLinieText::NumeGol: refuzate.refuza(material, "linia nu are numele sticlei"); break;
            case StareLinieText::FaraIndicator:
                refuzate.refuza(material, "prima coloana nu este un indicator intreg nenul");
                break;
            case StareLinieText::NumeDiferite:
                refuzate.refuza(material, "numele sticlei nu coincid in cele doua fisiere");
                break;
            case StareLinieText::NumePreaLung:
                refuzate.refuza(material, "numele are mai mult de " + std::to_string(CaractereNumeCatalogText) +
                                              " caractere, cat tine catalogul");
                break;
        }
    }
    if (const std::string t = categorii.raport(); !t.empty()) AfiseazaMesajInLista(t, NivelAvertizare);
    OptiuniStocare o(platforma());
    o.laConflict = laConflict;
    o.sursa = sursa;
    o.titlu = TitluImportCatalogText;
    RezultatOperatie r = StocheazaMateriale(owner, directorSticle, std::span<const MaterialOptic>(sticle.data(), deSalvat), o);
    for (const MaterialRefuzat& m : refuzate.refuzate) r.articol(m.material, {}, "refuzat", m.motiv);
    r.refuzate.insert(r.refuzate.begin(), refuzate.refuzate.begin(), refuzate.refuzate.end());
    return r;
}

RezultatOperatie ListeazaFisierCatalogText(int cod, const std::string& cale, std::vector<IntrareCatalogText>& intrari) {
    const std::string fisier = cod == CodCatalogPilkington ? CaleInDirector(cale, NumeFisierPilkington2) : cale;
    std::ifstream in;
    if (!Deschide(fisier, in)) return EroareDeschidere(fisier);
    intrari = ListeazaCatalogText(cod, in, fisier);
    return {};
}

RezultatOperatie ImportaFisierCatalogText(int cod, const std::string& cale, const std::vector<int>& linii,
                                          MaterialOptic& lucru, Fereastra owner, const std::string& directorSticle,
                                          PoliticaConflict laConflict,
                                          int categorieAleasa, Progres& progres) {
    const bool pilkington = cod == CodCatalogPilkington;
    const std::string fisier = pilkington ? CaleInDirector(cale, NumeFisierPilkington2) : cale;
    std::ifstream in;
    if (!Deschide(fisier, in)) return EroareDeschidere(fisier);
    std::ifstream in1;
    if (pilkington && !Deschide(CaleInDirector(cale, NumeFisierPilkington1), in1))
        return EroareDeschidere(CaleInDirector(cale, NumeFisierPilkington1));
    return ImportaCatalogText(cod, in, pilkington ? &in1 : nullptr, linii, lucru, owner, directorSticle, laConflict,
                              SursaDinFisier(fisier), categorieAleasa, progres);
}

RezultatOperatie ConstruiesteFisierCatalogText(int cod, const std::string& cale, CategoriiImport& categorii,
                                               SticleCatalogText& sticle, SursaMateriale& sursa, Progres& progres) {
    std::vector<IntrareCatalogText> intrari;
    if (RezultatOperatie r = ListeazaFisierCatalogText(cod, cale, intrari); r.esuat()) return r;
    const bool pilkington = cod == CodCatalogPilkington;
    const std::string fisier = pilkington ? CaleInDirector(cale, NumeFisierPilkington2) : cale;
    std::ifstream in, in1;
    if (!Deschide(fisier, in) || (pilkington && !Deschide(CaleInDirector(cale, NumeFisierPilkington1), in1)))
        return EroareDeschidere(fisier);
    std::vector<int> linii;
    for (const IntrareCatalogText& e : intrari) linii.push_back(e.linie);
    sticle = ConstruiesteSticleCatalogText(cod, in, pilkington ? &in1 : nullptr, linii, categorii, progres);
    sursa = SursaDinFisier(fisier);
    return {};
}

}  // namespace vitramor
