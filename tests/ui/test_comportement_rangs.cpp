// Rank options (higher ranks, last rank) and the file menu.
#include "test_comportement_commun.h"

#include <algorithm>

using namespace Calcul_Graphe;

namespace {

struct CasRang {
    const char* nom;
    const char* reponse;
    int attendu;
};

class DernierRang : public Comportement, public ::testing::WithParamInterface<CasRang> {};

TEST_P(DernierRang, LitLaReponse) {
    ChoisitMode(1);
    ChoisitSignal(0);
    RepondRang(QString::fromUtf8(GetParam().reponse));
    EXPECT_EQ(etat().RangMax, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Reponses, DernierRang,
    ::testing::Values(CasRang{"AuDelaDeLaLimite", "2500", 2000}, CasRang{"Limite", "2000", 2000},
                      CasRang{"SousLaLimite", "1999", 1999},
                      CasRang{"HorsEntier16", "100000", 2000},
                      CasRang{"HorsEntier16Negatif", "-100000", 2000}, CasRang{"Point", "15.7", 15},
                      CasRang{"Virgule", "15,7", 15}, CasRang{"LettresApres", "12abc", 12},
                      CasRang{"Lettres", "abc", 0}, CasRang{"Vide", "", 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Comportement, LaSaisieDuDernierRangProposeLaValeurCourante) {
    ChoisitMode(1);
    for (const char* attendu : {"100", "321"}) {
        QString propose;
        BoiteModale boite([&](QWidget* w) {
            auto* saisie = qobject_cast<QInputDialog*>(w);
            ASSERT_NE(saisie, nullptr);
            propose = saisie->textValue();
            saisie->setTextValue("321");
            saisie->accept();
        });
        f().mnuRang->trigger();
        ASSERT_TRUE(boite.vue());
        EXPECT_EQ(boite.titre(), "Rang supérieur");
        EXPECT_EQ(boite.texte(), "Entrez le rang du dernier harmonique pris en compte.\n"
                                 "Plus la valeur est grande plus les performances sont faibles.\n"
                                 "LA VALEUR EST LIMITE A 2000 !");
        EXPECT_EQ(propose, attendu);
    }
}

TEST_F(Comportement, AnnulerLeDernierRangNeChangeRien) {
    ChoisitMode(1);
    ChoisitSignal(0);
    RepondRang(QStringLiteral("300"));
    // A recomputation would now fail with a message: none may come after the cancel.
    f().txtRapportCyclique->setText("abc");
    std::unique_ptr<BoiteModale> garde;
    BoiteModale saisie([&](QWidget* w) {
        auto* dialogue = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialogue, nullptr);
        garde = std::make_unique<BoiteModale>(RefuseTouteBoite(), 300);
        dialogue->reject();
    });
    f().mnuRang->trigger();
    ASSERT_TRUE(saisie.vue());
    QTest::qWait(50);
    EXPECT_EQ(etat().RangMax, 300);
}

TEST_F(Comportement, LeMenuDuDernierRangNExisteQuEnModeChoix) {
    EXPECT_FALSE(f().mnuRang->isEnabled());
    f().mnuRang->trigger(); // disabled: no box
    EXPECT_EQ(etat().RangMax, 100);
}

TEST_F(Comportement, RangsSuperieursAjoutesAuSignalReconstruit) {
    ChoisitMode(1);
    ChoisitSignal(0);
    for (int n = 1; n <= 10; ++n)
        Coche(n);
    const std::int16_t sansRangsSup = etat().SignalTotal[25];
    const std::vector<int> lignesAvant = Lignes(surfaceSignal().Image(), Colonne(25), RougeClair);
    ASSERT_FALSE(lignesAvant.empty());
    const QImage harmoniques = surfaceHarmonique().Image();
    RepondRang(QStringLiteral("2000"));
    f().chkHarmonicSup->click();
    EXPECT_EQ(etat().RangsSupActifs, Vrai);
    // A square wave of half-height 50: the higher ranks pull the ripple of ranks 1 to 10
    // (54 at a quarter period) towards 50.
    EXPECT_EQ(sansRangsSup, 54);
    EXPECT_NEAR(etat().SignalTotal[25], 50, 2);
    const std::vector<int> lignes = Lignes(surfaceSignal().Image(), Colonne(25), RougeClair);
    ASSERT_FALSE(lignes.empty());
    // Rounded to whole percent, the higher ranks leave the flat top at 52 rather than 50.
    EXPECT_GT(lignes.front(), lignesAvant.front());
    EXPECT_NEAR(lignes.front(), Ligne(50), 4.0);
    // Only the rebuilt signal shows the higher ranks.
    EXPECT_EQ(surfaceHarmonique().Image(), harmoniques);

    f().chkHarmonicSup->click();
    EXPECT_EQ(etat().RangsSupActifs, Faux);
    EXPECT_EQ(etat().SignalTotal[25], sansRangsSup);
}

TEST_F(Comportement, RangsSuperieursSansEffetSousLeRangOnze) {
    ChoisitMode(1);
    ChoisitSignal(0);
    Coche(1);
    RepondRang(QStringLiteral("10"));
    const auto signal = etat().SignalTotal;
    f().chkHarmonicSup->click();
    EXPECT_EQ(etat().SignalTotal, signal);
}

TEST_F(Comportement, OuvrirEtEnregistrerNeSontPasDisponibles) {
    for (QAction* entree : {f().mnuOuvrir, f().mnuEnregister}) {
        BoiteModale boite(RepondOk());
        entree->trigger();
        EXPECT_TRUE(boite.vue());
        EXPECT_EQ(boite.titre(), "Ondalis");
        EXPECT_EQ(boite.texte(), "C'est fonction n'est pas disponible dans la version Béta");
    }
    ChoisitMode(1);
    EXPECT_FALSE(f().mnuOuvrir->isEnabled());
    EXPECT_FALSE(f().mnuEnregister->isEnabled());
}

} // namespace
