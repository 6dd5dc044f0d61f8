#include "explorare/RezumatCatalog.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>


#include "fileutil/UtilitatiFisiere.h"
#include "record/OrdineOcteti.h"
#include "database/CatalogMateriale.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

constexpr int MarimeNumeProducator = 47;

bool AreValoriN(const double (&v)[NumarSloturiTabel], const float (&l)[NumarSloturiTabel]) {
    for (int i = 0; i < NumarSloturiTabel; ++i)
        if (v[i] > 0.0 && l[i] > 0.0f) return true;
    return false;
}

// The file through the one opening that refuses devices and FIFOs (a FIFO
// under the database's name would block the window for good).
bool Deschide(const std::string& caleFisier, FisierDeschis& fisier, CitireRezumat& r) {
    RezultatOperatie deschis = DeschideFisierObisnuit(caleFisier, "rb", fisier.f);
    if (!deschis.esuat()) return true;
    if (errno == ENOENT) {
        r.lipsa = true;
        return false;
    }
    r.ok = false;
    r.eroare = errno == EINVAL
                   ? std::move(deschis.motiv)
                   : TextFormatat("Eroare deschidere %s:\n%s", caleFisier.c_str(), TextEroareSistem(errno).c_str());
    return false;
}

}  // namespace

std::string RezumatMaterial::numeText() const { return std::string(nume, strnlen(nume, sizeof nume)); }

RezumatMaterial RezumaMaterial(const MaterialOptic& m, std::uint32_t index) {
    RezumatMaterial r;
    std::memcpy(r.nume, m.nume, sizeof r.nume);
    r.producator = m.producator;
    r.categorie = m.categorie;
    r.domeniuN[0] = m.domeniu_n[0];
    r.domeniuN[1] = m.domeniu_n[1];
    r.index = index;
    if (AreValoriN(m.indice_n, m.lambda_indici)) r.are |= continutRecord::TabelN;
    if (AreValoriN(m.indice_k, m.lambda_indici)) r.are |= continutRecord::TabelK;
    if (m.ec_dispersie_n != 0 && m.ec_dispersie_n != 10) r.are |= continutRecord::EcuatieN;
    if (m.ec_dispersie_k != 0 && m.ec_dispersie_k != 10) r.are |= continutRecord::EcuatieK;
    // The evaporation overlay keeps other quantities where the glass keeps
    // its transmittance wavelengths; only the absorption values tell.
    for (float a : m.transmisia_interna)
        if (a != 0.0f) {
            r.are |= continutRecord::Transmisie;
            break;
        }
    const MarimiOptice q = CalculeazaMarimiPrincipale(m);
    r.nd = q.nd;
    r.vd = q.vd;
    r.pgF = q.pgF;
    r.deltaPgF = q.deltaPgF;
    return r;
}

CitireRezumat ParcurgeBazaDate(const std::string& caleFisier,
                               const std::function<void(const MaterialOptic&, std::uint32_t)>& f, Progres& progres) {
    CitireRezumat r;
    FisierDeschis fisier;
    if (!Deschide(caleFisier, fisier, r)) return r;
    const ParcurgereFisier p = ParcurgeMateriale(
        fisier.f, [&](const MaterialOptic& m, std::size_t index) { f(m, static_cast<std::uint32_t>(index)); }, progres);
    if (p.anulat) {
        r.ok = false;
        r.anulat = true;
    } else if (p.cod != 0) {
        r.ok = false;
        r.eroare = TextFormatat("Eroare citire %s:\n%s", caleFisier.c_str(), TextEroareSistem(p.cod).c_str());
    }
    return r;
}

CitireRezumat CitesteRezumatCatalog(const std::string& caleFisier, std::vector<RezumatMaterial>& randuri) {
    randuri.clear();
    return ParcurgeBazaDate(caleFisier, [&](const MaterialOptic& m, std::uint32_t index) {
        randuri.push_back(RezumaMaterial(m, index));
    });
}

std::string AmprentaFisier(const std::string& cale) {
    struct stat s {};
    if (::stat(cale.c_str(), &s) != 0) return {};
    return TextFormatat("%llu:%llu:%lld:%lld.%09ld", static_cast<unsigned long long>(s.st_dev),
                        static_cast<unsigned long long>(s.st_ino), static_cast<long long>(s.st_size),
                        static_cast<long long>(s.st_mtim.tv_sec), static_cast<long>(s.st_mtim.tv_nsec));
}

NumeProducatori::NumeProducatori(const std::string& directorSticle) : director_(directorSticle) {
    for (std::uint16_t cod = 0; cod < 16; ++cod)
        nume_.push_back(NumeProducatorSticla(director_, cod, MarimeNumeProducator));
}

std::string NumeProducatori::nume(std::uint16_t cod) const {
    return cod < nume_.size() ? nume_[cod] : NumeProducatorSticla(director_, cod, MarimeNumeProducator);
}

}  // namespace vitramor
