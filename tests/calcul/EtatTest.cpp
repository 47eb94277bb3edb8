#include "calcul/Etat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace Calcul_Graphe;

TEST(InitialiseConstantes, ValeursDeDepart) {
    Etat etat;
    InitialiseConstantes(etat);
    EXPECT_EQ(etat.Pi, 3.14159274f);
    EXPECT_EQ(etat.RangMax, 100);
    EXPECT_EQ(etat.LargeurPeriode, 6800);
    EXPECT_EQ(etat.OrigineX, 290);
    EXPECT_EQ(etat.OrigineY, 2240);
    EXPECT_EQ(etat.CalculAutoInhibe, Faux);
    for (int i = 0; i < NombrePoints; ++i)
        ASSERT_EQ(etat.Abscisse[i], 68 * i) << "i = " << i;
    EXPECT_EQ(etat.Abscisse[100], 6800);
}

// The numeric core is built and tested without Qt: no file of it may include a Qt header.
TEST(CoeurNumerique, AucunEnTeteQt) {
    const std::filesystem::path dossier = std::filesystem::path(ONDALIS_SOURCES) / "calcul";
    int fichiers = 0;
    for (const auto& entree : std::filesystem::directory_iterator(dossier)) {
        const auto extension = entree.path().extension();
        if (extension != ".h" && extension != ".cpp") continue;
        ++fichiers;
        std::ifstream flux(entree.path());
        std::string ligne;
        for (int numero = 1; std::getline(flux, ligne); ++numero) {
            const auto debut = ligne.find_first_not_of(" \t");
            if (debut == std::string::npos || ligne.compare(debut, 1, "#") != 0) continue;
            const bool inclutQt =
                ligne.find("include") != std::string::npos &&
                (ligne.find("<Q") != std::string::npos || ligne.find("\"Q") != std::string::npos);
            EXPECT_FALSE(inclutQt) << entree.path() << ":" << numero << ": " << ligne;
        }
    }
    EXPECT_GE(fichiers, 4) << "sources not found in " << dossier;
}
