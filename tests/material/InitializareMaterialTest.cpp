#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "material/InitializareMaterial.h"
#include "support/PlatformaScriptata.h"
#include "support/RecordImage.h"

using namespace vitramor;
using vitramor::test::bytesOf;

namespace {

// A record in which every byte is non-zero and differs from its neighbours,
// so that a field cleared or kept by mistake shows in the byte comparison.
std::string octetiAmestecati() {
    std::string b(MarimeMaterialOptic, '\0');
    std::uint32_t x = 0x9E3779B9u;
    for (char& c : b) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>((x >> 24) | 1u);
    }
    return b;
}

MaterialOptic dinOcteti(const std::string& b) {
    MaterialOptic m;
    std::memcpy(&m, b.data(), sizeof m);
    return m;
}

// The expected image, edited by file offset.
struct Imagine {
    std::string b;
    void zero(std::size_t de, std::size_t pana) { std::memset(&b[de], 0, pana - de); }
    void f32(std::size_t off, float v) { std::memcpy(&b[off], &v, 4); }
    void u16(std::size_t off, std::uint16_t v) { std::memcpy(&b[off], &v, 2); }
    std::uint16_t u16(std::size_t off) const {
        std::uint16_t v;
        std::memcpy(&v, &b[off], 2);
        return v;
    }
};

// The standard wavelengths of a new index table, nm.
const float standard[35] = {312.6f,  334.1f, 350.7f, 356.4f,  365.0f,  404.66f, 435.83f, 479.99f, 486.13f,
                            488.0f,  514.0f, 520.8f, 530.0f,  546.07f, 568.2f,  587.56f, 589.29f, 632.8f,
                            643.85f, 647.1f, 656.27f, 694.3f, 706.52f, 768.2f,  852.1f,  890.0f,  1013.9f,
                            1060.0f, 1128.6f, 1395.1f, 1529.6f, 1813.1f, 1970.1f, 2249.3f, 2325.4f};

void lambdaIndiciStandard(Imagine& e) {
    for (std::size_t i = 0; i < 35; ++i) e.f32(52 + 4 * i, standard[i]);
    e.zero(52 + 4 * 35, 52 + 4 * 40);  // slots 35-39; 40-49 stay
}

void indiciZero(Imagine& e) {
    lambdaIndiciStandard(e);
    e.zero(256, 1068);   // n, k, both type codes, both ranges
    e.zero(1080, 1464);  // both coefficient arrays; the dialog's words at 1068-1079 stay
}

void transmisieStandard(Imagine& e) {
    e.f32(1464, 10.0f);
    for (std::size_t i = 0; i < 50; ++i) e.u16(1468 + 2 * i, static_cast<std::uint16_t>(280 + 10 * i));
    e.zero(1568, 1772);  // absorption 0 in every slot, and the word at 1768
}

}  // namespace

TEST(Initialise, EachCommandChangesExactlyItsOwnBytes) {
    const std::string original = octetiAmestecati();
    const struct {
        const char* comanda;
        void (*op)(MaterialOptic&);
        void (*asteptat)(Imagine&);
    } cazuri[] = {
        {"Init lambda indici", InitLambdaIndici, lambdaIndiciStandard},
        {"Init indici", InitIndici, indiciZero},
        {"Init lambda transmisie", InitLambdaTransmisie, transmisieStandard},
        {"Initializeaza material", InitializeazaMaterial,
         [](Imagine& e) {
             indiciZero(e);
             transmisieStandard(e);
             e.zero(6, 20);           // relative price and the reserved header words
             e.zero(38, 39);          // the code, emptied
             e.zero(1772, 2000);      // mechanical and thermal data, reserved run
             e.zero(2012, 2068);      // laser damage (both readings), surface stress
             e.zero(2076, 2080);
             e.u16(2080, e.u16(2082));  // catalogue class back to its default
             e.zero(2084, 2086);      // CR; FR, SR, AR, PR stay
         }},
    };
    for (const auto& c : cazuri) {
        SCOPED_TRACE(c.comanda);
        MaterialOptic m = dinOcteti(original);
        c.op(m);
        Imagine e{original};
        c.asteptat(e);
        const std::string obtinut = bytesOf(m);
        ASSERT_EQ(obtinut.size(), e.b.size());
        for (std::size_t i = 0; i < obtinut.size(); ++i)
            if (obtinut[i] != e.b[i]) ADD_FAILURE() << "byte " << i << " differs";
    }

    // An evaporation material keeps its rate and confidences where slots 0-9
    // were, and those slots as the transmittance editor leaves them.
    Imagine e{original};
    e.u16(4, ProducatorEvaporare);
    MaterialOptic m = dinOcteti(e.b);
    InitLambdaTransmisie(m);
    transmisieStandard(e);
    std::memcpy(&e.b[1468], &original[1468], 20);
    std::memcpy(&e.b[1568], &original[1568], 40);
    EXPECT_TRUE(bytesOf(m) == e.b);
}

// Each command asks first, naming the material; No (the default) changes
// nothing, Yes changes the current material only, and one undo puts back
// what the last one blanked.
TEST(Initialise, CommandsAskFirstAndTheLastOneCanBeUndone) {
    PlatformaScriptata p;
    PlatformaInstalata guard{p};
    SetLucru set;
    int (*const comenzi[])(Intrebari&, Fereastra, SetLucru&) = {ComandaInitializeazaMaterial, ComandaInitLambdaIndici,
                                                                ComandaInitIndici, ComandaInitLambdaTransmisie};
    for (auto* comanda : comenzi) EXPECT_EQ(comanda(p, nullptr, set), 0);

    set.materiale = {vitramor::test::namedRecord("A"), vitramor::test::namedRecord("B")};
    set.materialCurent = 1;
    set.materiale[1].pret_relativ = 17;
    const std::string a = bytesOf(set.materiale[0]), b = bytesOf(set.materiale[1]);
    for (auto* comanda : comenzi) {
        p.raspunde(raspuns::IDNO);
        EXPECT_EQ(comanda(p, nullptr, set), 2);
        EXPECT_EQ(p.ultima().style, stil::MB_YESNO | stil::MB_ICONQUESTION | stil::MB_DEFBUTTON2);
        EXPECT_NE(p.ultima().text.find(" B?"), std::string::npos) << p.ultima().text;
    }
    EXPECT_EQ(bytesOf(set.materiale[1]), b);
    EXPECT_FALSE(set.suprascris(1));

    p.raspunde({raspuns::IDYES, raspuns::IDYES});
    EXPECT_EQ(ComandaInitLambdaTransmisie(p, nullptr, set), 1);
    EXPECT_EQ(set.materiale[1].lambda_Ti[49], 770);
    EXPECT_EQ(ComandaInitializeazaMaterial(p, nullptr, set), 1);
    EXPECT_EQ(set.materiale[1].pret_relativ, 0);
    EXPECT_TRUE(set.suprascris(1));
    EXPECT_EQ(bytesOf(set.materiale[0]), a);
    EXPECT_EQ(set.modificat, 0);

    ASSERT_TRUE(set.anuleazaUltimaModificare(1));
    EXPECT_EQ(set.materiale[1].pret_relativ, 17);
    EXPECT_EQ(set.materiale[1].lambda_Ti[49], 770);
    EXPECT_TRUE(set.suprascris(1));  // the first initialisation still stands
    EXPECT_FALSE(set.anuleazaUltimaModificare(1));
}
