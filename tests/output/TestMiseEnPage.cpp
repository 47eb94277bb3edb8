// The page arithmetic of printing: worked example, halves to even, pages beyond 16 bits and
// pages that cannot be composed.
#include "calcul/MiseEnPage.h"

#include <gtest/gtest.h>

using namespace Calcul_Graphe;

namespace {
constexpr int LargeurDessin = 7665; // 511 pixels
constexpr int HauteurDessin = 4485; // 299 pixels
} // namespace

TEST(MiseEnPage, Tableau) {
    struct Ligne {
        const char* nom;
        double pw, ph;
        MiseEnPage attendu;
    };
    const Ligne lignes[] = {
        {"exemple 12000 x 16000",
         12000,
         16000,
         {12000, 16000, 10800, 14400, 600, 800, 8000, 1.5655577f, 7022}},
        // 12001 x 0.9 = 10800.9 -> 10800; X = 600.5 -> 600 (even).
        {"demi vers le pair, 12001",
         12001,
         16000,
         {12001, 16000, 10800, 14400, 600, 800, 8000, 1.5656883f, 7022}},
        // 12030 x 0.9 = 10827; X = 601.5 -> 602 (even).
        {"demi vers le pair, 12030",
         12030,
         16000,
         {12030, 16000, 10827, 14400, 602, 800, 8000, 1.5694716f, 7039}},
        // PH 16001: Hd 14400, Y1 = 800.5 -> 800, Y2 = 8000.5 -> 8000.
        {"hauteur impaire",
         12000,
         16001,
         {12000, 16001, 10800, 14400, 600, 800, 8000, 1.5655577f, 7022}},
        // PH 16003: Hd 14402, Y1 = 800.5 -> 800, Y2 = 8001.5 -> 8002.
        {"hauteur impaire, demi impair",
         12000,
         16003,
         {12000, 16003, 10800, 14402, 600, 800, 8002, 1.5655577f, 7022}},
        // A0 paper (33110 x 46820 twips) leaves 16 bits.
        {"page au-delà de 32767",
         33110,
         46820,
         {33110, 46820, 29799, 42138, 1656, 2341, 23410, 4.3196344f, 19374}},
        // Sizes are read through single precision, then rounded half to even.
        {"taille fractionnaire",
         11999.5,
         16000.5,
         {12000, 16000, 10800, 14400, 600, 800, 8000, 1.5655577f, 7022}},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        const auto p = CalculeMiseEnPage(l.pw, l.ph, LargeurDessin, HauteurDessin);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->PW, l.attendu.PW);
        EXPECT_EQ(p->PH, l.attendu.PH);
        EXPECT_EQ(p->Wd, l.attendu.Wd);
        EXPECT_EQ(p->Hd, l.attendu.Hd);
        EXPECT_EQ(p->X, l.attendu.X);
        EXPECT_EQ(p->Y1, l.attendu.Y1);
        EXPECT_EQ(p->Y2, l.attendu.Y2);
        EXPECT_FLOAT_EQ(p->R, l.attendu.R);
        EXPECT_EQ(p->Hp, l.attendu.Hp);
    }
}

TEST(MiseEnPage, ExempleCouvreLesRectanglesAttendus) {
    const auto p = CalculeMiseEnPage(12000, 16000, LargeurDessin, HauteurDessin);
    ASSERT_TRUE(p.has_value());
    // Signal graph y 800 to 7822, harmonic graph y 8000 to 15022, both x 600 to 11400.
    EXPECT_EQ(p->Y1 + p->Hp, 7822);
    EXPECT_EQ(p->Y2 + p->Hp, 15022);
    EXPECT_EQ(p->X + p->Wd, 11400);
}

TEST(MiseEnPage, PageInutilisable) {
    struct Ligne {
        const char* nom;
        double pw, ph;
        int ld, hd;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Ligne lignes[] = {
        {"largeur nulle", 0, 16000, LargeurDessin, HauteurDessin},
        {"hauteur négative", 12000, -5, LargeurDessin, HauteurDessin},
        {"moins d'un twip", 0.4, 16000, LargeurDessin, HauteurDessin},
        {"largeur NaN", nan, 16000, LargeurDessin, HauteurDessin},
        {"hauteur infinie", 12000, inf, LargeurDessin, HauteurDessin},
        {"au-delà de 32 bits", 3e9, 16000, LargeurDessin, HauteurDessin},
        {"au-delà des simples", 1e40, 16000, LargeurDessin, HauteurDessin},
        {"zone de dessin sans largeur", 12000, 16000, 0, HauteurDessin},
        {"zone de dessin sans hauteur", 12000, 16000, LargeurDessin, 0},
        {"hauteur imprimée hors 32 bits", 2e9, 16000, 1, 100},
    };
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        EXPECT_FALSE(CalculeMiseEnPage(l.pw, l.ph, l.ld, l.hd).has_value());
    }
}
