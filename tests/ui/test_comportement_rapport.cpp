// Duty-cycle confirmation, its message, and the same message on the paths without a handler
// of their own (signal list, higher ranks, last rank).
#include "test_comportement_commun.h"

#include <QApplication>

using namespace Calcul_Graphe;

namespace {

struct CasRapport {
    const char* nom;
    const char* saisi;
    const char* ecrit;
    float rapport;
};

class RapportConfirme : public Comportement, public ::testing::WithParamInterface<CasRapport> {};

TEST_P(RapportConfirme, ReecritLeTexteEtRecalcule) {
    ChoisitMode(1);
    ChoisitSignal(0);
    Coche(1);
    BoiteModale garde(RefuseTouteBoite());
    ConfirmeRapport(GetParam().saisi);
    EXPECT_EQ(f().txtRapportCyclique->text(), GetParam().ecrit);
    EXPECT_FLOAT_EQ(etat().RapportCyclique, GetParam().rapport);
    EXPECT_TRUE(Contient(surfaceHarmonique().Image(), 0x000080)) << "rang 1 retracé";
}

INSTANTIATE_TEST_SUITE_P(Textes, RapportConfirme,
                         ::testing::Values(CasRapport{"Quart", "0,25", "25", 0.25f},
                                           CasRapport{"Un", "1", "1", 0.01f},
                                           CasRapport{"PresqueRien", "0,004", "0", 0.0f},
                                           CasRapport{"DouzeVirguleNeuf", "12,9", "12", 0.12f},
                                           CasRapport{"Negatif", "-3,2", "-4", -0.04f},
                                           CasRapport{"CentCinquante", "150", "150", 1.5f},
                                           CasRapport{"VingtNeufPourCent", "0,29", "29", 0.29f}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Comportement, ConfirmerRetraceLesRangsValidesAvecLeNouveauRapport) {
    ChoisitMode(1);
    ChoisitSignal(0);
    Coche(2);
    const QImage avant = surfaceHarmonique().Image();
    ASSERT_EQ(etat().Harmonique[10][2], 0.0f); // rank 2 of a square wave is zero
    ConfirmeRapport("25");
    EXPECT_NE(etat().Harmonique[10][2], 0.0f);
    EXPECT_NE(surfaceHarmonique().Image(), avant);
    EXPECT_EQ(f().txtCn[1]->text(), "31,83");
}

struct CasIllisible {
    const char* nom;
    int signal;
    const char* texte;
};

const auto Illisibles = ::testing::Values(
    CasIllisible{"Vide", 0, ""}, CasIllisible{"Lettres", 0, "abc"}, CasIllisible{"Point", 0, "0.5"},
    CasIllisible{"Pourcent", 0, "50 %"}, CasIllisible{"HorsDouble", 0, "1e309"},
    CasIllisible{"Nan", 0, "nan"}, CasIllisible{"Infini", 0, "inf"},
    CasIllisible{"TropGrandPourSimple", 0, "1e300"}, CasIllisible{"TriangleAZero", 1, "0"},
    CasIllisible{"TriangleACent", 1, "100"});

const auto NomIllisible = [](const auto& info) { return std::string(info.param.nom); };

class RapportIllisible : public Comportement, public ::testing::WithParamInterface<CasIllisible> {
protected:
    // The chosen signal at 50 % with ranks 0, 1 and 3 drawn, then the bad text typed.
    void Prepare() {
        ChoisitMode(1);
        f().txtRapportCyclique->setText("50");
        ChoisitSignal(GetParam().signal);
        Coche(0);
        Coche(1);
        Coche(3);
        f().txtRapportCyclique->setText(GetParam().texte);
    }
    void VerifieMessage(const BoiteModale& boite) {
        EXPECT_TRUE(boite.vue());
        EXPECT_EQ(boite.titre(), "Ondalis");
        EXPECT_EQ(boite.texte(), MessageRapportCyclique);
        EXPECT_EQ(f().focusWidget(), f().txtRapportCyclique);
    }
};

TEST_P(RapportIllisible, ConfirmerAfficheLeMessageEtNeChangeRien) {
    Prepare();
    const Instantane avant = Photographie();
    BoiteModale boite(RepondOk());
    QTest::mouseClick(f().cmdRapportCyclique, Qt::LeftButton);
    VerifieMessage(boite);
    Instantane apres = Photographie();
    // The floor rule may already have rewritten a number that fails only afterwards.
    if (QString(GetParam().texte) == "1e300") apres.textes.back() = avant.textes.back();
    EXPECT_TRUE(apres == avant);
    if (QString(GetParam().texte) != "1e300") {
        EXPECT_EQ(f().txtRapportCyclique->text(), GetParam().texte);
    }
    // The window goes on: a good value computes again.
    ConfirmeRapport("25");
    EXPECT_EQ(f().txtRapportCyclique->text(), "25");
}

TEST_P(RapportIllisible, ChoisirLeSignalAfficheLeMessage) {
    Prepare();
    const QStringList coefficients = TextesCoefficients();
    BoiteModale boite(RepondOk());
    ChoisitSignal(GetParam().signal);
    VerifieMessage(boite);
    // The reset before the calculation stays done; the table keeps its texts.
    EXPECT_EQ(TextesCoefficients(), coefficients);
    for (int n = 0; n < 11; ++n)
        EXPECT_EQ(etat().Validation[n], 0) << n;
    EXPECT_FALSE(f().imgSignal->isHidden());
}

TEST_P(RapportIllisible, RangsSuperieursAffichentLeMessage) {
    Prepare();
    const QImage signal = surfaceSignal().Image();
    BoiteModale boite(RepondOk());
    f().chkHarmonicSup->click();
    VerifieMessage(boite);
    EXPECT_EQ(etat().RangsSupActifs, Vrai);
    EXPECT_EQ(surfaceSignal().Image(), signal);
}

TEST_P(RapportIllisible, DernierRangAfficheLeMessage) {
    Prepare();
    const QImage signal = surfaceSignal().Image();
    std::unique_ptr<BoiteModale> message;
    BoiteModale saisie([&](QWidget* w) {
        auto* dialogue = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialogue, nullptr);
        message = std::make_unique<BoiteModale>(RepondOk());
        dialogue->setTextValue("500");
        dialogue->accept();
    });
    f().mnuRang->trigger();
    ASSERT_TRUE(saisie.vue());
    ASSERT_TRUE(message);
    VerifieMessage(*message);
    EXPECT_EQ(etat().RangMax, 500);
    EXPECT_EQ(surfaceSignal().Image(), signal);
}

INSTANTIATE_TEST_SUITE_P(Textes, RapportIllisible, Illisibles, NomIllisible);

} // namespace
