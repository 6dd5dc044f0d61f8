#include "operatie/RezultatOperatie.h"

#include "record/TextFormatat.h"

namespace vitramor {

RezultatOperatie RezultatOperatie::Esec(std::string motiv) {
    RezultatOperatie r;
    r.stare = StareOperatie::Esuat;
    r.motiv = std::move(motiv);
    return r;
}

RezultatOperatie RezultatOperatie::Anulare(std::string motiv) {
    RezultatOperatie r;
    r.stare = StareOperatie::Anulat;
    r.motiv = std::move(motiv);
    return r;
}

RezultatOperatie RezultatOperatie::Nimic(std::string motiv) {
    RezultatOperatie r;
    r.stare = StareOperatie::NimicDeFacut;
    r.motiv = std::move(motiv);
    return r;
}

void RezultatOperatie::refuza(std::string material, std::string motivRefuz) {
    refuzate.push_back({std::move(material), std::move(motivRefuz)});
}

RezultatOperatie::Articol& RezultatOperatie::articol(std::string material, std::string producator,
                                                     std::string rezultat, std::string detalii) {
    Articol& a = articole.emplace_back();
    a.material = std::move(material);
    a.producator = std::move(producator);
    a.rezultat = std::move(rezultat);
    a.detalii = std::move(detalii);
    return a;
}

void RezultatOperatie::adauga(const RezultatOperatie& parte) {
    noi += parte.noi;
    actualizate += parte.actualizate;
    redenumite += parte.redenumite;
    sarite += parte.sarite;
    sterse += parte.sterse;
    refuzate.insert(refuzate.end(), parte.refuzate.begin(), parte.refuzate.end());
    note.insert(note.end(), parte.note.begin(), parte.note.end());
    articole.insert(articole.end(), parte.articole.begin(), parte.articole.end());
    if (antetColoane.empty()) antetColoane = parte.antetColoane;
    // A failed or cancelled part decides the whole; nothing to do in one
    // part says nothing about the others.
    if (parte.stare == StareOperatie::Esuat || parte.stare == StareOperatie::Anulat) {
        stare = parte.stare;
        motiv = parte.motiv;
    } else if (parte.stare == StareOperatie::Facut && stare == StareOperatie::NimicDeFacut) {
        stare = StareOperatie::Facut;
    }
}

int RezultatOperatie::codIesire() const {
    switch (stare) {
        case StareOperatie::NimicDeFacut: return refuzate.empty() ? 0 : 1;
        case StareOperatie::Anulat:
        case StareOperatie::Esuat: return 1;
        case StareOperatie::Facut: break;
    }
    if (refuzate.empty()) return schimbate() + sarite > 0 ? 0 : 1;
    return schimbate() > 0 ? 4 : 1;
}

std::string RezultatOperatie::rezumat(std::size_t maximRefuzate) const {
    std::string text = rezumatFaraRefuzate();
    std::size_t aratate = 0;
    for (const MaterialRefuzat& m : refuzate) {
        if (aratate++ == maximRefuzate) {
            text += TextFormatat("\n... si inca %zu refuzate", refuzate.size() - maximRefuzate);
            break;
        }
        text += "\nRefuzat " + m.material + ": " + m.motiv;
    }
    return text;
}

std::string RezultatOperatie::rezumatFaraRefuzate() const {
    std::string text;
    switch (stare) {
        case StareOperatie::Esuat:
            text = motiv.empty() ? "Operatia nu a reusit." : motiv;
            if (schimbate() == 0) text += "\nBaza de date nu s-a schimbat.";
            break;
        case StareOperatie::Anulat:
            text = motiv.empty() ? "Operatia a fost anulata; baza de date nu s-a schimbat." : motiv;
            break;
        case StareOperatie::NimicDeFacut:
            text = motiv.empty() ? "Nu a fost nimic de facut." : motiv;
            break;
        case StareOperatie::Facut:
            if (!motiv.empty()) text = motiv + "\n";
            text += TextFormatat("%d noi, %d actualizate, %d redenumite, %d sarite, %zu refuzate", noi, actualizate,
                                 redenumite, sarite, refuzate.size());
            if (sterse > 0) text += TextFormatat(", %d sterse", sterse);
            text += '.';
            if (schimbate() == 0) text += "\nNimic nu a fost salvat.";
            break;
    }
    for (const std::string& n : note) text += "\n" + n;
    return text;
}

}  // namespace vitramor
