// The drawing routines on the real windows' surfaces.
#include "Pixels.h"
#include "calcul/Etat.h"
#include "calcul/Twips.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace Calcul_Graphe;
using namespace TestsGraphe;

namespace {

class TraceGraphes : public ::testing::Test {
protected:
    void SetUp() override {
        InitialiseConstantes(etat);
        harmonic = std::make_unique<FrmGrapheHarmonic>();
        signal = std::make_unique<FrmGrapheSignal>(*harmonic);
        graphes = {harmonic->pctGrapheHarmonic, signal->pctGrapheSignal};
    }
    void Remplit(int n, float valeur) {
        for (auto& echantillon : etat.Harmonique)
            echantillon[n] = valeur;
    }
    void RemplitSinus(int n, float amplitude) {
        for (int i = 0; i < NombrePoints; ++i)
            etat.Harmonique[i][n] =
                amplitude * std::sin(2.0f * n * etat.Pi * etat.Abscisse[i] / etat.LargeurPeriode);
    }
    QImage Nue() {
        SurfaceGraphe surface;
        surface.DefinitRepere();
        return surface.Image();
    }

    Etat etat;
    std::unique_ptr<FrmGrapheHarmonic> harmonic;
    std::unique_ptr<FrmGrapheSignal> signal;
    Graphes graphes;
};

} // namespace

TEST_F(TraceGraphes, MeanValueDrawsAVerticalStrokeThenAHorizontalLine) {
    Remplit(0, 50.0f);
    etat.Validation[0] = 1;
    TraceHarmonique(etat, graphes, 0);
    const auto traits = graphes.harmonique->Traits();
    ASSERT_EQ(traits.size(), 101u);
    EXPECT_EQ(traits[0].x1, 290);
    EXPECT_EQ(traits[0].y1, 2240);
    EXPECT_EQ(traits[0].x2, 290);
    EXPECT_EQ(traits[0].y2, 1140);
    EXPECT_EQ(traits[100].x2, 7090);
    EXPECT_EQ(traits[100].y2, 1140);
    for (const auto& t : traits)
        EXPECT_EQ(t.couleur & 0xFFFFFF, 0x000000u);
    const QImage image = graphes.harmonique->Image();
    EXPECT_EQ(Compte(image, QRect(QPoint(20, 76), QPoint(473, 76)), Noir), 473 - 20 + 1);
    EXPECT_EQ(Compte(image, QRect(QPoint(19, 77), QPoint(19, 148)), Noir), 148 - 77 + 1);

    // The signal: the same shape, in light red, scale -22.
    const auto courbe = graphes.signal->Traits();
    ASSERT_EQ(courbe.size(), 101u);
    EXPECT_EQ(courbe[0].y2, 1140);
    EXPECT_EQ(courbe[50].y2, 1140);
    EXPECT_EQ(courbe[50].couleur & 0xFFFFFF, 0xFF0000u);
}

TEST_F(TraceGraphes, EveryRankInItsColour) {
    const QRgb attendu[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                            0x808000, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF};
    for (std::int16_t n = 0; n <= 10; ++n) {
        graphes.harmonique->Efface();
        Remplit(n, 40.0f);
        TraceHarmonique(etat, graphes, n);
        EXPECT_EQ(Rvb(graphes.harmonique->Image(), 200, 91), attendu[n]) << "rang " << n;
    }
}

TEST_F(TraceGraphes, RedrawingKRanksRecomputesTheSignalKTimes) {
    QSignalSpy effacementsSignal(graphes.signal, &SurfaceGraphe::effacee);
    QSignalSpy effacementsHarmonic(graphes.harmonique, &SurfaceGraphe::effacee);
    RemplitSinus(1, 60.0f);
    RemplitSinus(3, 20.0f);
    Remplit(0, 10.0f);
    etat.Validation = {1, 1, 0, 1};
    RetraceHarmoniques(etat, graphes);
    EXPECT_EQ(effacementsHarmonic.count(), 1);
    EXPECT_EQ(effacementsSignal.count(), 3);
    const QImage image = graphes.harmonique->Image();
    for (const QRgb couleur : {0x000000u, 0x000080u, 0x008080u})
        EXPECT_GT(Compte(image, QRect(20, 0, 450, 299), couleur), 100) << std::hex << couleur;
    // The last run had the complete set: the signal at sample 0 is 10 (both sines are 0).
    EXPECT_EQ(etat.SignalTotal[0], 10);
    EXPECT_EQ(graphes.signal->Traits().size(), 101u);
}

TEST_F(TraceGraphes, NoValidatedRankLeavesTheFrameAndTheSignalAlone) {
    Remplit(2, 30.0f);
    etat.Validation[2] = 1;
    RetraceHarmoniques(etat, graphes);
    const QImage signalAvant = graphes.signal->Image();
    etat.Validation[2] = 0;
    QSignalSpy effacementsSignal(graphes.signal, &SurfaceGraphe::effacee);
    RetraceHarmoniques(etat, graphes);
    EXPECT_EQ(graphes.harmonique->Image(), Nue());
    EXPECT_EQ(effacementsSignal.count(), 0);
    EXPECT_EQ(graphes.signal->Image(), signalAvant);
}

TEST_F(TraceGraphes, TracingARankTwiceWithoutClearingKeepsBothCurves) {
    Remplit(4, 20.0f);
    TraceHarmonique(etat, graphes, 4);
    Remplit(4, -20.0f);
    TraceHarmonique(etat, graphes, 4);
    const QImage image = graphes.harmonique->Image();
    const QRgb rouge = 0x800000;
    EXPECT_EQ(Rvb(image, 300, TwipsVersPixels(2240 - 440)), rouge);
    EXPECT_EQ(Rvb(image, 300, TwipsVersPixels(2240 + 440)), rouge);
}

TEST_F(TraceGraphes, SignalScaleFollowsTheMagnitudeOfItsExtreme) {
    struct Cas {
        const char* nom;
        float valeur;
        int y;
    } cas[] = {{"cent", 100.0f, 40},
               {"cent cinquante", 150.0f, -10},
               {"moins cent cinquante", -150.0f, 4490},
               {"zero", 0.0f, 2240}};
    etat.Validation[0] = 1;
    for (const Cas& c : cas) {
        Remplit(0, c.valeur);
        RetraceHarmoniques(etat, graphes);
        const auto courbe = graphes.signal->Traits();
        ASSERT_EQ(courbe.size(), 101u) << c.nom;
        EXPECT_EQ(courbe[60].y2, c.y) << c.nom;
        EXPECT_EQ(courbe[0].y1, 2240) << c.nom;
    }
}

TEST_F(TraceGraphes, HugeSamplesAreClippedInsteadOfFailing) {
    Remplit(5, 3.0e6f);
    etat.Validation[5] = 1;
    EXPECT_NO_THROW(RetraceHarmoniques(etat, graphes));
    EXPECT_EQ(graphes.harmonique->Traits()[50].y2, -32768);
    EXPECT_EQ(etat.SignalTotal[10], 32767);
}
