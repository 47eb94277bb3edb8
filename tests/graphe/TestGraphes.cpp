// The graphs: the frame on the windows' surfaces, twips, density, scales, sums, curves drawn.
#include "calcul/SignalTotal.h"
#include "calcul/Trace.h"
#include "graphe/FrmGrapheHarmonic.h"
#include "graphe/FrmGrapheSignal.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "commun/Pixels.h"

#include <QCoreApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

namespace {

constexpr QRgb Blanc = 0xFFFFFF, Bleu = 0x0000FF, Noir = 0x000000, Rouge = 0xFF0000;

// Columns g..d, rows h..b, inclusive.
const auto Boite = [](int g, int h, int d, int b) { return QRect(QPoint(g, h), QPoint(d, b)); };
const auto Px = [](const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };

const auto Etendue = [](const QImage& i, const QRect& z, QRgb c) {
    QRect r;
    return Compte(i, z, c, &r), r;
};

} // namespace

TEST(SurfaceGraphe, LeRepereDesFenetresChargeesChaqueElementASesPixels) {
    // Each element spans its box exactly with so many pixels (a line: all of them).
    const std::tuple<const char*, QRect, QRgb, int> elements[] = {
        {"axe des temps", Boite(1, 149, 510, 149), Bleu, 510},
        {"axe des valeurs", Boite(19, 8, 19, 291), Bleu, 284},
        {"fleche des temps, haut", Boite(501, 145, 508, 148), Bleu, 18},
        {"fleche des temps, bas", Boite(501, 150, 508, 153), Bleu, 18},
        {"fleche des valeurs", Boite(15, 8, 23, 17), Bleu, 46},
        {"graduation demi-periode", Boite(246, 145, 246, 153), Bleu, 9},
        {"graduation periode", Boite(473, 145, 473, 153), Bleu, 9},
        {"barre de fraction", Boite(250, 130, 265, 130), Noir, 16},
        {"libelle 0", Boite(8, 156, 12, 164), Noir, 20},
        {"libelle T de T/2", Boite(254, 122, 260, 129), Noir, 18},
        {"libelle 2 de T/2", Boite(254, 134, 260, 142), Noir, 21},
        {"libelle T", Boite(480, 156, 486, 164), Noir, 19},
        {"libelle t", Boite(499, 161, 502, 168), Noir, 12}};
    FrmGrapheHarmonic harmonic;
    FrmGrapheSignal signal(harmonic);
    // The designs differ (7725 x 4545 and 7695 x 4575 twips): the signal takes the harmonic's.
    EXPECT_EQ(harmonic.pctGrapheHarmonic->geometry(), QRect(0, 0, 515, 303));
    EXPECT_EQ(signal.pctGrapheSignal->geometry(), QRect(0, 0, 515, 303));
    const QImage image = harmonic.pctGrapheHarmonic->Image();
    EXPECT_EQ(signal.pctGrapheSignal->Image(), image);
    for (const auto& [nom, zone, couleur, pixels] : elements) {
        EXPECT_EQ(Etendue(image, zone, couleur), zone) << nom;
        EXPECT_EQ(Compte(image, zone, couleur), pixels) << nom;
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            bool attendu = Px(image, x, y) == Blanc;
            for (const auto& [nom, zone, couleur, pixels] : elements)
                attendu |= Px(image, x, y) == couleur && zone.contains(x, y);
            ASSERT_TRUE(attendu) << "(" << x << ", " << y << ")";
        }
    harmonic.pctGrapheHarmonic->Ligne(0, 0, 7000, 4000, Qt::red);
    harmonic.pctGrapheHarmonic->Efface();
    EXPECT_EQ(harmonic.pctGrapheHarmonic->Image(), image); // cleared = freshly loaded
}

TEST(SurfaceGraphe, LesTwipsTombentSurLesPixelsDuRepereEtHors16BitsSontBornes) {
    const std::tuple<const char*, QLine, QRect> cas[] = {
        {"sur l'axe des temps", QLine(290, 2240, 7090, 2240), Boite(19, 149, 473, 149)},
        {"sur la graduation T", QLine(7090, 2000, 7090, 2500), Boite(473, 133, 473, 167)},
        {"borne, non replie, hors 16 bits", QLine(-40000, 600, 3000, 600), Boite(0, 40, 200, 40)}};
    for (const auto& [nom, l, pixels] : cas) {
        SurfaceGraphe surface;
        surface.Ligne(l.x1(), l.y1(), l.x2(), l.y2(), QColor(Rouge));
        const QImage image = surface.Image();
        EXPECT_EQ(Etendue(image, image.rect(), Rouge), pixels) << nom;
        EXPECT_EQ(Compte(image, pixels, Rouge), pixels.width() * pixels.height()) << nom;
    }
}

TEST(SurfaceGraphe, EnHauteDensiteUnTraitFaitUnPixelDAppareilEtLeRepereResteNet) {
    SurfaceGraphe surface;
    surface.Ligne(290, 1140, 7090, 1140, QColor(Rouge)); // logical row 76
    const QImage image = surface.Image(2.0);
    ASSERT_EQ(image.size(), QSize(1022, 598));
    EXPECT_EQ(Etendue(image, image.rect(), Rouge), Boite(39, 152, 945, 152));
    // The time axis covers device rows 298-299, with pure white on either side.
    EXPECT_EQ(Compte(image, Boite(2, 298, 1021, 299), Bleu), 2 * 1020);
    EXPECT_EQ(Compte(image, Boite(60, 297, 400, 297), Blanc), 341);
    EXPECT_EQ(Compte(image, Boite(60, 300, 400, 300), Blanc), 341);
}

TEST(SurfaceGraphe, RedessinerLesMemesTraitsNeFaitPasCroitreLaMemoire) {
    SurfaceGraphe surface, temoin;
    for (int fois = 0; fois < 5000; ++fois) {
        surface.Ligne(0, 0, 3000, 3000, QColor(fois % 2 ? Rouge : Bleu)); // hides the one before
        surface.Ligne(0, 3000, 3000, 0, QColor(Noir));
    }
    temoin.Ligne(0, 0, 3000, 3000, QColor(Rouge));
    temoin.Ligne(0, 3000, 3000, 0, QColor(Noir));
    EXPECT_LE(surface.TraitsEnMemoire(), 4096u);
    EXPECT_EQ(surface.Image(), temoin.Image());
    EXPECT_EQ(surface.Traits().size(), 2u);
    EXPECT_EQ(surface.Traits().at(0).couleur, QColor(Rouge).rgb()); // the last drawn is kept
}

// Lines drawn between paints reach the screen and the copy: what the window shows, and what
// the surface gives, is what a surface that only ever drew the same lines renders afresh.
TEST(SurfaceGraphe, LEcranEtLaCopieMontrentLesTraitsTracesEntreLesPeintures) {
    enum Pas { Peint, Trace, Efface };
    const std::pair<const char*, std::vector<Pas>> scenarios[] = {
        {"traits apres une peinture", {Peint, Trace, Peint}},
        {"traits avant et apres", {Trace, Peint, Trace, Peint}},
        {"effacement puis traits", {Trace, Peint, Efface, Trace, Peint}},
        {"copie sans peinture", {Peint, Trace}},
    };
    for (const auto& [nom, pas] : scenarios) {
        SurfaceGraphe surface, temoin;
        surface.resize(515, 303);
        surface.show();
        int traces = 0;
        auto trace = [&](SurfaceGraphe& s, int i) {
            const int y = 300 + 400 * (i % 10);
            s.Ligne(290 + 50 * i, y, 7090 - 30 * i, 4400 - y, QColor(i % 2 ? Rouge : Bleu));
        };
        for (Pas p : pas) {
            if (p == Peint) QCoreApplication::processEvents();
            if (p == Efface) surface.Efface(), temoin.Efface();
            for (int i = 0; p == Trace && i < 3; ++i, ++traces)
                trace(surface, traces), trace(temoin, traces);
        }
        const QImage attendu = temoin.Image();
        EXPECT_EQ(surface.Image(), attendu) << nom;
        if (pas.back() != Peint) continue;
        const QImage ecran = surface.screen()->grabWindow(surface.winId()).toImage();
        EXPECT_EQ(ecran.copy(surface.contentsRect().topLeft().x(), surface.contentsRect().top(),
                             SurfaceGraphe::LargeurDessin, SurfaceGraphe::HauteurDessin)
                      .convertToFormat(attendu.format()),
                  attendu)
            << nom;
    }
}

TEST(Ordonnees, HarmoniquePlancherDuProduitSignalResserreAuDelaDeCentSelonLAmpleur) {
    const std::pair<float, int> harmoniques[] = {
        {100.0f, 40}, {-33.3f, 2972}, {0.00002f, 2239}, {-0.00002f, 2240}, // tiny values
        {2000.0f, -32768}, {-2000.0f, 32767}};                              // clipped
    const std::int16_t kh = FacteurHarmonique(2240);
    ASSERT_EQ(kh, -22);
    for (const auto& [valeur, y] : harmoniques)
        EXPECT_EQ(OrdonneeHarmonique(kh, valeur, 2240), y) << valeur;
    // ValeurMax, its K, where a peak of ValeurMax lands.
    const std::tuple<std::int16_t, int, int> signaux[] = {
        {100, -22, 40}, {101, -22, 18}, {102, -21, 98}, {150, -15, -10},
        {292, -8, -96}, {1000, -2, 240}, {-150, -15, 4490}};
    for (const auto& [valeurMax, k, y] : signaux) {
        EXPECT_EQ(FacteurSignal(valeurMax, 2240), k) << valeurMax;
        EXPECT_EQ(OrdonneeSignal(FacteurSignal(valeurMax, 2240), valeurMax, 2240), y) << valeurMax;
    }
}

namespace {

class TraceGraphes : public ::testing::Test {
protected:
    void SetUp() override { InitialiseConstantes(etat); }
    void Remplit(int n, float valeur, std::int16_t valide = 1) {
        for (auto& echantillon : etat.Harmonique)
            echantillon[n] = valeur;
        etat.Validation[n] = valide;
    }
    Etat etat;
    FrmGrapheHarmonic harmonic;
    FrmGrapheSignal signal{harmonic};
    Graphes graphes{harmonic.pctGrapheHarmonic, signal.pctGrapheSignal};
};

} // namespace

TEST_F(TraceGraphes, LeSignalEstLaSommeArrondieApresChaqueTerme) {
    // Ranks 0 and 1, constant over the period.
    const std::tuple<const char*, float, std::int16_t, float, int, int> cas[] = {
        {"deux moities donnent zero", 0.5f, 1, 0.5f, 0, 0},
        {"un et demi puis un", 1.5f, 1, 1.0f, 3, 3},
        {"somme partielle retenue", 80, 1, -60, 20, 80},
        {"a ampleur egale le premier extreme reste", 70, 1, -140, -70, 70},
        {"rang non valide ignore", 80, 0, -60, -60, -60},
        {"depassement borne", 30000, 1, 30000, 32767, 32767}};
    for (const auto& [nom, rang0, valide0, rang1, somme, valeurMax] : cas) {
        Remplit(0, rang0, valide0);
        Remplit(1, rang1);
        etat.ValeurMax = 999; // rebuilt from zero on every call
        CalculeSignalTotal(etat);
        EXPECT_EQ(etat.SignalTotal[0], somme) << nom;
        EXPECT_EQ(etat.ValeurMax, valeurMax) << nom;
    }
}

TEST_F(TraceGraphes, RetracerTroisRangsRecalculeLeSignalUneFoisSansRangLeLaisseIntact) {
    QSignalSpy effacementsSignal(graphes.signal, &SurfaceGraphe::effacee);
    QSignalSpy effacementsHarmonic(graphes.harmonic, &SurfaceGraphe::effacee);
    const QImage nu = graphes.harmonic->Image();
    Remplit(0, 60.0f);
    Remplit(1, 80.0f);
    Remplit(3, -20.0f);
    RetraceHarmoniques(etat, graphes);
    EXPECT_EQ(effacementsHarmonic.count(), 1);
    EXPECT_EQ(effacementsSignal.count(), 1);
    // The run had the complete set: 120, scaled by the partial sum 140 (K -16).
    EXPECT_EQ(etat.SignalTotal[0], 120);
    EXPECT_EQ(graphes.signal->Traits().at(60).y2, 320);
    // No validated rank: the bare frame, and the signal neither cleared nor redrawn.
    const QImage signalAvant = graphes.signal->Image();
    etat.Validation.fill(0);
    RetraceHarmoniques(etat, graphes);
    EXPECT_EQ(graphes.harmonic->Image(), nu);
    EXPECT_EQ(effacementsSignal.count(), 1);
    EXPECT_EQ(graphes.signal->Image(), signalAvant);
}
