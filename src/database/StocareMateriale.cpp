#include "database/StocareMateriale.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "record/CodificareText.h"
#include "record/LimiteFizice.h"
#include "record/TextFormatat.h"
#include "database/CatalogMateriale.h"
#include "database/EroriCatalog.h"
#include "database/FisierCatalog.h"

namespace vitramor {

namespace {

enum class Clasa { Nou, Actualizat, ConflictProducator, ConflictLot };

std::string Nume(const MaterialOptic& m) { return std::string(NumeDinCamp(m.nume)); }
std::string NumeUtf8(const MaterialOptic& m) { return Utf8DinWindows1252(NumeDinCamp(m.nume)); }

std::string NumeProducator(std::uint16_t cod) {
    std::string nume;
    ReturneazaNumeCodProducatorSticla(cod, nume, 64);
    return Utf8DinWindows1252(nume);
}

std::string Alaturate(const std::vector<std::string>& texte) {
    std::string t;
    for (const std::string& s : texte) t += (t.empty() ? "" : "; ") + s;
    return t;
}

// The question of a lot with conflicts: which names, and what each answer does.
std::string TextIntrebare(std::span<const MaterialOptic> materiale, const std::vector<Clasa>& clase,
                          const std::vector<const MaterialOptic*>& existente) {
    std::size_t conflicte = 0;
    std::string lista;
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (clase[i] != Clasa::ConflictProducator && clase[i] != Clasa::ConflictLot) continue;
        if (++conflicte > 12) continue;
        lista += "\n  " + NumeUtf8(materiale[i]) + " (" + NumeProducator(materiale[i].producator) + "): ";
        lista += clase[i] == Clasa::ConflictLot ? std::string("numele apare a doua oara in aceeasi sursa")
                                                : "numele este al unui material " + NumeProducator(existente[i]->producator);
    }
    if (conflicte > 12) lista += TextFormatat("\n  ... si inca %zu", conflicte - 12);
    return TextFormatat("%zu materiale au un nume pe care il are deja alt material:", conflicte) + lista +
           "\n\nPastrati ambele (materialul nou primeste un nume nou), sariti peste ele, sau le inlocuiti?";
}

}  // namespace

std::optional<PoliticaConflict> PoliticaConflictDinText(std::string_view text) {
    if (text == "replace") return PoliticaConflict::Inlocuieste;
    if (text == "rename") return PoliticaConflict::Redenumeste;
    if (text == "skip") return PoliticaConflict::Sari;
    return std::nullopt;
}

std::string NumeNouUnic(std::string_view nume, const std::function<bool(const std::string&)>& folosit) {
    for (int k = 2;; ++k) {
        const std::string sufix = "_" + std::to_string(k);
        const std::size_t loc = sizeof(MaterialOptic::nume) - 1 - sufix.size();
        std::string candidat = std::string(nume.substr(0, loc)) + sufix;
        if (!folosit(candidat)) return candidat;
    }
}

RezultatOperatie StocheazaMateriale(Fereastra owner, const std::string& directorSticle,
                                    std::span<const MaterialOptic> materiale, OptiuniStocare& o) {
    RezultatOperatie r;
    for (const MaterialOptic& m : materiale) r.articol(NumeUtf8(m), NumeProducator(m.producator), {});
    // Refused materials are named and left out before the database is touched.
    std::vector<MaterialOptic> bune;
    std::vector<std::size_t> dinSursa;
    bune.reserve(materiale.size());
    auto refuza = [&](std::size_t i, std::string motiv) {
        r.articole[i].rezultat = "refuzat";
        r.articole[i].detalii = motiv;
        r.refuza(NumeUtf8(materiale[i]), std::move(motiv));
    };
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        const MaterialOptic& m = materiale[i];
        if (!NumeMaterialCurat(m.nume)) {
            refuza(i, "numele nu poate fi salvat: un nume are 1 pana la 15 caractere, fara caractere de control");
            continue;
        }
        const std::vector<std::string> motive = ValoriNefizice(m);
        if (!motive.empty()) {
            refuza(i, Alaturate(motive));
            continue;
        }
        bune.push_back(m);
        dinSursa.push_back(i);
    }
    if (bune.empty()) return r;

    const std::size_t n = bune.size();
    std::vector<Clasa> clase(n, Clasa::Nou);
    std::vector<std::string> campuri(n);
    std::vector<DecizieSalvare> decizii(n);
    std::vector<bool> existaInBaza(n, false);
    bool anulat = false;
    auto decide = [&](const GasiteLaSalvare& g) {
        std::vector<std::size_t> primulAlNumelui(n);
        std::unordered_map<std::string, std::size_t> primul;
        std::size_t conflicte = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::string nume = Nume(bune[i]);
            const auto [it, nou] = primul.emplace(nume, i);
            primulAlNumelui[i] = it->second;
            const MaterialOptic* e = g.existente[i];
            if (!nou || o.numeStocate.count(nume) > 0) {
                clase[i] = Clasa::ConflictLot;
            } else if (!e) {
                clase[i] = Clasa::Nou;
            } else if (e->producator == bune[i].producator) {
                clase[i] = Clasa::Actualizat;
            } else {
                clase[i] = Clasa::ConflictProducator;
            }
            existaInBaza[i] = e != nullptr;
            if (e) campuri[i] = CampuriSchimbate(*e, bune[i]);
            conflicte += clase[i] == Clasa::ConflictLot || clase[i] == Clasa::ConflictProducator;
        }
        PoliticaConflict politica = o.laConflict;
        if (conflicte > 0 && politica == PoliticaConflict::Intreaba) {
            const int ales = platforma().intrebareOptiuni(
                owner, TextIntrebare(bune, clase, g.existente), o.titlu,
                {"Pastreaza ambele (nume nou)", "Sari peste ele", "Inlocuieste"}, 0, 1, 0);
            if (ales < 0) {
                anulat = true;
                for (DecizieSalvare& d : decizii) d.salveaza = false;
                return decizii;
            }
            politica = ales == 0 ? PoliticaConflict::Redenumeste
                       : ales == 1 ? PoliticaConflict::Sari
                                   : PoliticaConflict::Inlocuieste;
            o.laConflict = politica;
        }
        std::unordered_set<std::string> noi;
        auto folosit = [&](const std::string& nume) {
            return g.numeInFisier->count(nume) > 0 || primul.count(nume) > 0 || noi.count(nume) > 0;
        };
        for (std::size_t i = 0; i < n; ++i) {
            if (clase[i] != Clasa::ConflictLot && clase[i] != Clasa::ConflictProducator) continue;
            if (politica == PoliticaConflict::Sari) {
                decizii[i].salveaza = false;
            } else if (politica == PoliticaConflict::Redenumeste) {
                decizii[i].numeNou = NumeNouUnic(Nume(bune[i]), folosit);
                noi.insert(decizii[i].numeNou);
            } else if (clase[i] == Clasa::ConflictLot && primulAlNumelui[i] != i) {
                // The later material of the lot replaces the earlier one.
                decizii[primulAlNumelui[i]].salveaza = false;
                primulAlNumelui[i] = i;
                for (std::size_t k = i + 1; k < n; ++k)
                    if (Nume(bune[k]) == Nume(bune[i])) primulAlNumelui[k] = i;
            }
        }
        return decizii;
    };

    std::vector<int> coduri;
    const int cod = SalveazaMaterialeOptice(directorSticle, bune, owner, coduri, decide);
    if (anulat) return RezultatOperatie::Anulare();
    if (cod != CatalogOk) {
        // The write failed and was reported; nothing was stored.
        r.stare = StareOperatie::Esuat;
        for (std::size_t i : dinSursa) r.articole[i].rezultat = "nesalvat";
        return r;
    }

    std::vector<IntrareJurnal> jurnal;
    for (std::size_t i = 0; i < n; ++i) {
        RezultatOperatie::Articol& a = r.articole[dinSursa[i]];
        if (coduri[i] == MaterialNestocat) {
            ++r.sarite;
            a.rezultat = "sarit";
            a.detalii = clase[i] == Clasa::ConflictLot ? "numele apare a doua oara in sursa"
                                                       : "numele este al altui material";
            continue;
        }
        IntrareJurnal j{Nume(bune[i]), bune[i].producator, OperatieJurnal::Nou, campuri[i]};
        if (!decizii[i].numeNou.empty()) {
            ++r.redenumite;
            j.nume = decizii[i].numeNou;
            j.operatie = OperatieJurnal::Redenumit;
            j.campuri = "nume";
            a.rezultat = "redenumit";
            a.detalii = "salvat ca " + Utf8DinWindows1252(decizii[i].numeNou);
            r.note.push_back(NumeUtf8(bune[i]) + " (" + NumeProducator(bune[i].producator) + ") a fost salvat ca " +
                             Utf8DinWindows1252(decizii[i].numeNou));
        } else if (!existaInBaza[i]) {
            ++r.noi;
            j.campuri.clear();
            a.rezultat = "nou";
        } else {
            ++r.actualizate;
            j.operatie = o.editare ? OperatieJurnal::Editat : OperatieJurnal::Actualizat;
            a.rezultat = "actualizat";
            a.detalii = campuri[i].empty() ? "nimic schimbat" : "schimbat: " + campuri[i];
            if (clase[i] == Clasa::ConflictProducator) {
                a.detalii = "a inlocuit materialul altui producator; " + a.detalii;
                r.note.push_back(NumeUtf8(bune[i]) + " a inlocuit materialul cu acelasi nume al altui producator");
            }
        }
        o.numeStocate.insert(j.nume);
        a.numeStocat = j.nume;
        jurnal.push_back(std::move(j));
    }
    AdaugaInJurnal(owner, directorSticle, o.sursa, jurnal);
    return r;
}

}  // namespace vitramor
