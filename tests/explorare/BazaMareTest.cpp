// A database well above the size at which the passes over it were once split
// in two halves: every pass gives what a plain reading of the file, record
// after record, gives.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "explorare/RezumatCatalog.h"
#include "checks/VerificariDispersie.h"
#include "database/GlassDirFixture.h"
#include "database/ListaSticle.h"
#include "database/CatalogMateriale.h"
#include "settings/Directoare.h"
#include "database/Recuperare.h"

using namespace vitramor;
using namespace vitramor::test;

namespace {

class BazaMare : public GlassDirFixture {};

TEST_F(BazaMare, EveryPassGivesWhatARecordByRecordReadingGives) {
    constexpr int N = 5000;
    std::vector<MaterialOptic> toate;
    for (int i = 0; i < N; ++i) {
        char nume[16];
        // Names met again in the second half: a search finds the first record.
        std::snprintf(nume, sizeof nume, "G%04d", i >= N / 2 && i % 7 == 0 ? i - N / 2 : i);
        MaterialOptic m = namedRecord(nume, static_cast<std::uint16_t>(i % 16));
        m.lambda_indici[0] = 587.56f;
        m.indice_n[0] = 1.5 + i * 1e-5 + (i % 3 == 0 ? 0.01 : 0.0);  // every third disagrees with its equation
        m.ec_dispersie_n = 0;
        m.coef_disp_n[0] = 1.5 + i * 1e-5;
        m.domeniu_n[0] = 400, m.domeniu_n[1] = 700;
        m.stas = static_cast<std::uint16_t>(i);
        toate.push_back(m);
    }
    std::string octeti(reinterpret_cast<const char*>(toate.data()), toate.size() * sizeof(MaterialOptic));
    writeDb(octeti);

    std::vector<std::string> cautate;
    for (int i = 0; i < N; i += 9) cautate.push_back(toate[static_cast<std::size_t>(i)].nume);
    cautate.push_back("LIPSA");
    std::vector<int> gasite(cautate.size(), -1);
    ASSERT_EQ(ParcurgeMaterialeOptice(path_sticle, nullptr, cautate,
                                      [&](std::size_t i, const MaterialOptic& m) { gasite[i] = m.stas; }),
              0);
    for (std::size_t i = 0; i < cautate.size(); ++i) {
        int primul = -1;
        for (int k = 0; k < N && primul < 0; ++k)
            if (cautate[i] == toate[static_cast<std::size_t>(k)].nume) primul = k;
        EXPECT_EQ(gasite[i], primul) << cautate[i];
    }

    std::vector<RezumatMaterial> rezumat;
    ASSERT_TRUE(CitesteRezumatCatalog(CaleBazaDate(path_sticle), rezumat).ok);
    ASSERT_EQ(rezumat.size(), static_cast<std::size_t>(N));
    for (int i = 0; i < N; ++i) {
        const RezumatMaterial r = RezumaMaterial(toate[static_cast<std::size_t>(i)], static_cast<std::uint32_t>(i));
        ASSERT_EQ(rezumat[static_cast<std::size_t>(i)].numeText(), r.numeText()) << i;
        ASSERT_EQ(rezumat[static_cast<std::size_t>(i)].index, r.index) << i;
        ASSERT_EQ(rezumat[static_cast<std::size_t>(i)].producator, r.producator) << i;
    }

    std::vector<LinieSticla> linii;
    ASSERT_FALSE(ListeazaSticleInLista(path_sticle, linii).esuat());
    ASSERT_EQ(linii.size(), static_cast<std::size_t>(N));
    for (int i = 0; i < N; ++i) {
        std::string linie;
        LinieListaSticla(path_sticle, toate[static_cast<std::size_t>(i)], linie);
        ASSERT_EQ(linii[static_cast<std::size_t>(i)].text, linie) << i;
    }

    BlocText raport;
    std::string motiv;
    ASSERT_EQ(VerificaBazaDate(nullptr, path_sticle, SetariVerificare{}, raport, motiv), 1) << motiv;
    ASSERT_TRUE(raport);
    int probleme = 0;
    for (const MaterialOptic& m : toate) {
        if (MaterialConformEcuatiilor(m, SetariVerificare{})) continue;
        ++probleme;
        EXPECT_NE(raport->find(std::string(m.nume) + "\t"), std::string::npos) << m.nume;
    }
    EXPECT_EQ(probleme, N / 3 + 1);
}

}  // namespace
