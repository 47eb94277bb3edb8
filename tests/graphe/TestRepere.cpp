// The coordinate frame: every element on the pixels the twip coordinates rely on.
#include "Pixels.h"
#include "graphe/Repere.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace TestsGraphe;
using Calcul_Graphe::ImageRepere;

namespace {

struct Element {
    const char* nom;
    QRect zone;   // inclusive pixel box
    QRgb couleur; // the only colour of the element
    bool plein;   // every pixel of the box has the colour
};

// Boxes as (left, top, right, bottom) pixel columns and rows.
QRect Boite(int g, int h, int d, int b) {
    return QRect(QPoint(g, h), QPoint(d, b));
}

const Element Elements[] = {
    {"axe des temps", Boite(1, 149, 510, 149), Bleu, true},
    {"axe des valeurs", Boite(19, 8, 19, 291), Bleu, true},
    {"fleche des temps", Boite(501, 145, 510, 153), Bleu, false},
    {"fleche des valeurs", Boite(15, 8, 23, 17), Bleu, false},
    {"graduation demi-periode", Boite(246, 145, 246, 153), Bleu, true},
    {"graduation periode", Boite(473, 145, 473, 153), Bleu, true},
    {"libelle 0", Boite(8, 156, 12, 164), Noir, false},
    {"libelle T/2", Boite(250, 122, 265, 142), Noir, false},
    {"barre de fraction", Boite(250, 130, 265, 130), Noir, true},
    {"libelle T", Boite(480, 156, 486, 164), Noir, false},
    {"libelle t", Boite(499, 161, 502, 168), Noir, false},
};

bool DansUnElement(int x, int y, QRgb couleur) {
    for (const Element& e : Elements)
        if (e.couleur == couleur && e.zone.contains(x, y)) return true;
    return false;
}

} // namespace

TEST(Repere, EveryElementAtItsPixels) {
    const QImage image = ImageRepere();
    ASSERT_EQ(image.size(), QSize(514, 295));
    for (const Element& e : Elements) {
        const int n = Compte(image, e.zone, e.couleur);
        if (e.plein)
            EXPECT_EQ(n, e.zone.width() * e.zone.height()) << e.nom;
        else
            EXPECT_GT(n, 3) << e.nom;
    }
}

TEST(Repere, ArrowheadsReachTheirStatedExtents) {
    const QImage image = ImageRepere();
    // Outside the axes themselves, the arrowheads are what spans these boxes.
    EXPECT_EQ(Etendue(image, Boite(495, 140, 513, 158), Bleu), Boite(495, 145, 510, 153));
    EXPECT_EQ(Etendue(image, Boite(10, 0, 30, 17), Bleu), Boite(15, 8, 23, 17));
    // Apexes: the tip pixel alone on its column / row.
    EXPECT_EQ(Compte(image, Boite(510, 140, 510, 158), Bleu), 1);
    EXPECT_EQ(Compte(image, Boite(10, 8, 30, 8), Bleu), 1);
}

TEST(Repere, ThreeColoursAndNothingOutsideTheElements) {
    const QImage image = ImageRepere();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = Rvb(image, x, y);
            if (c == Blanc) continue;
            ASSERT_TRUE(c == Bleu || c == Noir)
                << "couleur " << std::hex << c << std::dec << " en (" << x << ", " << y << ")";
            ASSERT_TRUE(DansUnElement(x, y, c)) << "pixel isole en (" << x << ", " << y << ")";
        }
    // The three rightmost columns are white: they fall outside the drawing area.
    EXPECT_EQ(Compte(image, Boite(511, 0, 513, 294), Blanc), 3 * 295);
}

TEST(Repere, SharpAtTwiceTheResolution) {
    const QImage image = ImageRepere(QSize(514, 295), 2.0);
    ASSERT_EQ(image.size(), QSize(1028, 590));
    // The time axis covers exactly device rows 298 and 299; no blended colour anywhere.
    EXPECT_EQ(Compte(image, Boite(2, 298, 1021, 299), Bleu), 2 * 1020);
    EXPECT_EQ(Compte(image, Boite(60, 297, 400, 297), Bleu), 0);
    EXPECT_EQ(Compte(image, Boite(60, 300, 400, 300), Bleu), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = Rvb(image, x, y);
            ASSERT_TRUE(c == Blanc || c == Bleu || c == Noir) << x << ", " << y;
        }
}
