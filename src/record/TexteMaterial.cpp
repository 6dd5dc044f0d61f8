#include "record/TexteMaterial.h"

namespace vitramor {

namespace {

// Codes 4-14 never got real names; the placeholders are what users have
// always seen in the type combo, including the odd last one.
constexpr const char* TipuriMaterial[NumarCoduriTabel] = {
    "Omogen",          "Neomogen liniar", "Neomogen Lorentz-Lorenz", "Birefringent",
    "Tip material_5",  "Tip material_6",  "Tip material_7",          "Tip material_8",
    "Tip material_9",  "Tip material_10", "Tip material_11",         "Tip material_12",
    "Tip material_13", "Tip material_14", "Tip material_15",         "Tip mamaterial_16",
};

constexpr const char* Producatori[NumarCoduriTabel] = {
    "Rusia",      "Jena GW", "Shott Mainz", "Hoya",   "Romania", "Sopra",   "Ohara",        "Corning",
    "Pilkington", "CHENGDU", "Evaporation", "Sumita", "Umicore", "Haraeus", "Saint Gobain", "Producator_16",
};

constexpr const char* Standarde[NumarCoduriTabel] = {
    "GOST ???",   "DIN ???", "DIN ????", "Hoya ????", "STAS ?????", "SOPRA",   "OHARA",   "CORNING",
    "PILKINGTON", "China",   "STAS_11",  "STAS_12",   "STAS_13",    "STAS_14", "STAS_15", "STAS_16",
};

constexpr int NumarProducatoriScurti = 11;
constexpr const char* ProducatoriScurti[NumarProducatoriScurti] = {
    "Rusia", "Jena GW", "Schott Mainz", "Hoya", "Romania", "Sopra", "Ohara", "Corning", "Pilkington", "Chendu",
    "Evaporare",
};

constexpr const char* EticheteNume[5] = {"Nume", "Cod material", "Tip material", "Producator", "STAS"};

const char* dinTabel(const char* const (&tabel)[NumarCoduriTabel], int cod) {
    return cod >= 0 && cod < NumarCoduriTabel ? tabel[cod] : TextCodNecunoscut;
}

}  // namespace

const char* TextTipMaterial(int cod) { return dinTabel(TipuriMaterial, cod); }
const char* TextStas(int cod) { return dinTabel(Standarde, cod); }
const char* NumeProducatorImplicit(int cod) { return dinTabel(Producatori, cod); }

const char* NumeProducatorScurt(int cod) {
    return cod >= 0 && cod < NumarProducatoriScurti ? ProducatoriScurti[cod] : "Necunoscut";
}

void NumeProducatorScurt(int cod, std::string& text) { text = NumeProducatorScurt(cod); }

const char* SirDinTabel(int intrare) {
    if (intrare >= 1 && intrare <= 16) return TipuriMaterial[intrare - 1];
    if (intrare >= 17 && intrare <= 32) return Producatori[intrare - 17];
    if (intrare >= 33 && intrare <= 48) return Standarde[intrare - 33];
    if (intrare >= 49 && intrare <= 53) return EticheteNume[intrare - 49];
    return "";
}

}  // namespace vitramor
