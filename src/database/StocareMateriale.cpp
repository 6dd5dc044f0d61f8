#include "database/StocareMateriale.h"

#include <optional>
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

std::string NumeProducator(const std::string& directorSticle, std::uint16_t cod) {
    return Utf8DinWindows1252(NumeProducatorSticla(directorSticle, cod));
}

std::string Alaturate(const std::vector<std::string>& texte) {
    std::string t;
    for (const std::string& s : texte) t += (t.empty() ? "" : "; ") + s;
    return t;
}

// The question of a lot with conflicts: which names, and what each answer does.
std::string TextIntrebare(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                          const std::vector<Clasa>& clase, const std::vector<const MaterialOptic*>& existente) {
    std::size_t conflicte = 0;
    std::string lista;
    for (std::size_t i = 0; i < materiale.size(); ++i) {
        if (clase[i] != Clasa::ConflictProducator && clase[i] != Clasa::ConflictLot) continue;
        if (++conflicte > 12) continue;
        lista +=
            "\n  " + NumeUtf8(materiale[i]) + " (" + NumeProducator(directorSticle, materiale[i].producator) + "): ";
        lista += clase[i] == Clasa::ConflictLot
                     ? std::string("numele apare a doua oara in aceeasi sursa")
                     : "numele este al unui material " + NumeProducator(directorSticle, existente[i]->producator);
    }
    if (conflicte > 12) lista += TextFormatat("\n  ... si inca %zu", conflicte - 12);
    return TextFormatat("%zu materiale au un nume pe care il are deja alt material:", conflicte) + lista +
           "\n\nPastrati ambele (materialul nou primeste un nume nou), sariti peste ele, sau le inlocuiti?";
}

// The materials that may be stored, and what the store decides for each
// once the pass over the database has seen what the database holds.
struct LotDeStocat {
    std::string directorSticle;  // whose producer table names the producers
    std::vector<MaterialOptic> bune;
    std::vector<std::size_t> dinSursa;  // the index in the source of bune[i]
    std::vector<Clasa> clase;
    std::vector<std::string> campuri;  // the fields an update changes
    std::vector<DecizieSalvare> decizii;
    std::vector<bool> existaInBaza;
    std::vector<std::size_t> primulAlNumelui;          // the lot's first material of each one's name
    std::unordered_map<std::string, std::size_t> primul;  // name -> the lot's first material of it
    bool anulat = false;
};

// Refused materials are named and left out before the database is touched.
LotDeStocat AlegeStocabile(const std::string& directorSticle, std::span<const MaterialOptic> materiale,
                           RezultatOperatie& r) {
    for (const MaterialOptic& m : materiale) r.articol(NumeUtf8(m), NumeProducator(directorSticle, m.producator), {});
    LotDeStocat l;
    l.directorSticle = directorSticle;
    l.bune.reserve(materiale.size());
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
        l.bune.push_back(m);
        l.dinSursa.push_back(i);
    }
    const std::size_t n = l.bune.size();
    l.clase.assign(n, Clasa::Nou);
    l.campuri.assign(n, {});
    l.decizii.assign(n, {});
    l.existaInBaza.assign(n, false);
    l.primulAlNumelui.assign(n, 0);
    return l;
}

// Each material against what the database holds; returns the number of conflicts.
std::size_t Clasifica(LotDeStocat& l, const GasiteLaSalvare& g, const OptiuniStocare& o) {
    std::size_t conflicte = 0;
    l.primul.clear();
    for (std::size_t i = 0; i < l.bune.size(); ++i) {
        const std::string nume = Nume(l.bune[i]);
        const auto [it, nou] = l.primul.emplace(nume, i);
        l.primulAlNumelui[i] = it->second;
        const MaterialOptic* e = g.existente[i];
        if (!nou || o.numeStocate.count(nume) > 0) {
            l.clase[i] = Clasa::ConflictLot;
        } else if (!e) {
            l.clase[i] = Clasa::Nou;
        } else if (e->producator == l.bune[i].producator) {
            l.clase[i] = Clasa::Actualizat;
        } else {
            l.clase[i] = Clasa::ConflictProducator;
        }
        l.existaInBaza[i] = e != nullptr;
        if (e) l.campuri[i] = CampuriSchimbate(*e, l.bune[i]);
        conflicte += l.clase[i] == Clasa::ConflictLot || l.clase[i] == Clasa::ConflictProducator;
    }
    return conflicte;
}

// The conflicts settled by the policy: skipped, renamed, or the newcomer
// replacing the material of its name.
void AplicaPolitica(LotDeStocat& l, const GasiteLaSalvare& g, PoliticaConflict politica) {
    std::unordered_set<std::string> noi;
    auto folosit = [&](const std::string& nume) {
        return g.numeInFisier->count(nume) > 0 || l.primul.count(nume) > 0 || noi.count(nume) > 0;
    };
    const std::size_t n = l.bune.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (l.clase[i] != Clasa::ConflictLot && l.clase[i] != Clasa::ConflictProducator) continue;
        if (politica == PoliticaConflict::Sari) {
            l.decizii[i].salveaza = false;
        } else if (politica == PoliticaConflict::Redenumeste) {
            l.decizii[i].numeNou = NumeNouUnic(Nume(l.bune[i]), folosit);
            noi.insert(l.decizii[i].numeNou);
        } else if (l.clase[i] == Clasa::ConflictLot && l.primulAlNumelui[i] != i) {
            // The later material of the lot replaces the earlier one.
            l.decizii[l.primulAlNumelui[i]].salveaza = false;
            l.primulAlNumelui[i] = i;
            for (std::size_t k = i + 1; k < n; ++k)
                if (Nume(l.bune[k]) == Nume(l.bune[i])) l.primulAlNumelui[k] = i;
        }
    }
}

// The store's decision, taken under its lock once the file was read: one
// question for the whole lot when the policy is to ask.
std::vector<DecizieSalvare> Decide(LotDeStocat& l, const GasiteLaSalvare& g, OptiuniStocare& o, Fereastra owner) {
    const std::size_t conflicte = Clasifica(l, g, o);
    PoliticaConflict politica = o.laConflict;
    if (conflicte > 0 && politica == PoliticaConflict::Intreaba) {
        const int ales =
            o.intrebari->intreabaOptiuni(owner, TextIntrebare(l.directorSticle, l.bune, l.clase, g.existente), o.titlu,
                                         {"Pastreaza ambele (nume nou)", "Sari peste ele", "Inlocuieste"}, 0, 1, 0);
        if (ales < 0) {
            l.anulat = true;
            for (DecizieSalvare& d : l.decizii) d.salveaza = false;
            return l.decizii;
        }
        politica = ales == 0   ? PoliticaConflict::Redenumeste
                   : ales == 1 ? PoliticaConflict::Sari
                               : PoliticaConflict::Inlocuieste;
        o.laConflict = politica;
    }
    AplicaPolitica(l, g, politica);
    return l.decizii;
}

// What became of material i of the lot, counted and described in `r`; its
// journal line when it was stored.
std::optional<IntrareJurnal> ConsemneazaMaterial(const LotDeStocat& l, std::size_t i, int cod, bool editare,
                                                 RezultatOperatie& r) {
    RezultatOperatie::Articol& a = r.articole[l.dinSursa[i]];
    const MaterialOptic& m = l.bune[i];
    if (cod == MaterialNestocat) {
        ++r.sarite;
        a.rezultat = "sarit";
        a.detalii = l.clase[i] == Clasa::ConflictLot ? "numele apare a doua oara in sursa"
                                                     : "numele este al altui material";
        return std::nullopt;
    }
    IntrareJurnal j{Nume(m), m.producator, OperatieJurnal::Nou, l.campuri[i]};
    const std::string& numeNou = l.decizii[i].numeNou;
    if (!numeNou.empty()) {
        ++r.redenumite;
        j.nume = numeNou;
        j.operatie = OperatieJurnal::Redenumit;
        j.campuri = "nume";
        a.rezultat = "redenumit";
        a.detalii = "salvat ca " + Utf8DinWindows1252(numeNou);
        r.note.push_back(NumeUtf8(m) + " (" + NumeProducator(l.directorSticle, m.producator) + ") a fost salvat ca " +
                         Utf8DinWindows1252(numeNou));
    } else if (!l.existaInBaza[i]) {
        ++r.noi;
        j.campuri.clear();
        a.rezultat = "nou";
    } else {
        ++r.actualizate;
        j.operatie = editare ? OperatieJurnal::Editat : OperatieJurnal::Actualizat;
        a.rezultat = "actualizat";
        a.detalii = l.campuri[i].empty() ? "nimic schimbat" : "schimbat: " + l.campuri[i];
        if (l.clase[i] == Clasa::ConflictProducator) {
            a.detalii = "a inlocuit materialul altui producator; " + a.detalii;
            r.note.push_back(NumeUtf8(m) + " a inlocuit materialul cu acelasi nume al altui producator");
        }
    }
    return j;
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
    LotDeStocat l = AlegeStocabile(directorSticle, materiale, r);
    if (l.bune.empty()) return r;
    std::vector<int> coduri;
    std::string motiv;
    const int cod = SalveazaLotCatalog(
        *o.intrebari, directorSticle, l.bune, owner, coduri,
        [&](const GasiteLaSalvare& g) { return Decide(l, g, o, owner); }, motiv);
    if (l.anulat) return RezultatOperatie::Anulare();
    if (cod != CatalogOk) {
        // The write failed; nothing was stored.
        r.stare = StareOperatie::Esuat;
        r.motiv = motiv.empty() ? "Materialele nu au fost salvate." : std::move(motiv);
        for (std::size_t i : l.dinSursa) r.articole[i].rezultat = "nesalvat";
        return r;
    }
    std::vector<IntrareJurnal> jurnal;
    for (std::size_t i = 0; i < l.bune.size(); ++i) {
        if (std::optional<IntrareJurnal> j = ConsemneazaMaterial(l, i, coduri[i], o.editare, r)) {
            o.numeStocate.insert(j->nume);
            r.articole[l.dinSursa[i]].numeStocat = j->nume;
            jurnal.push_back(std::move(*j));
        }
    }
    AdaugaInJurnal(directorSticle, o.sursa, jurnal, r);
    return r;
}

}  // namespace vitramor
