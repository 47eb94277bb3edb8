// Key pixels of the three signal pictures: the frame they share and each waveform's levels.
#include "ui/ImagesSignaux.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

const QRgb Blanc = qRgb(255, 255, 255);
const QRgb Noir = qRgb(0, 0, 0);
const QRgb Rouge = qRgb(255, 0, 0);

// Black pixels of a row between two columns: a dashed line has some, not all.
int NoirsDansLaLigne(const QImage& im, int ligne, int de, int a) {
    int n = 0;
    for (int x = de; x <= a; ++x) n += im.pixel(x, ligne) == Noir;
    return n;
}
int NoirsDansLaColonne(const QImage& im, int colonne, int de, int a) {
    int n = 0;
    for (int y = de; y <= a; ++y) n += im.pixel(colonne, y) == Noir;
    return n;
}

} // namespace

struct Pixel {
    int x, y;
    QRgb couleur;
};

struct CasImage {
    const char* nom;
    FormeSignal forme;
    int colonneAT;
    int ligneMoyenne;
    std::vector<Pixel> pixels;
};

TEST(ImagesSignaux, PixelsClefs) {
    const CasImage cas[] = {
        {"rectangle", FormeSignal::Rectangulaire, 78, 66,
         {{50, 18, Rouge}, {78, 50, Rouge}, {120, 101, Rouge}, {163, 50, Rouge}, {190, 18, Rouge},
          {120, 18, Blanc}, {50, 101, Blanc}}},
        {"triangle", FormeSignal::Triangle, 78, 66,
         {{49, 18, Rouge}, {120, 101, Rouge}, {49, 101, Blanc}, {120, 18, Blanc}}},
        {"dents de scie", FormeSignal::DentsDeScie, 133, 55,
         {{133, 19, Rouge}, {163, 73, Rouge}, {133, 5, Blanc}, {76, 46, Rouge}}},
    };
    for (const CasImage& c : cas) {
        SCOPED_TRACE(c.nom);
        const QImage im = DessineImageSignal(c.forme).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(im.size(), QSize(227, 152));
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(im.pixel(p.x, p.y), p.couleur) << p.x << "," << p.y;
        // Axes: vertical in column 20, time axis in row 73; ticks at T/2 and T.
        EXPECT_EQ(im.pixel(20, 40), Noir);
        EXPECT_EQ(im.pixel(20, 110), Noir);
        EXPECT_EQ(im.pixel(200, 73), Noir);
        EXPECT_EQ(im.pixel(91, 71), Noir);
        EXPECT_EQ(im.pixel(163, 71) == Noir || im.pixel(163, 71) == Rouge, true);
        // Dashed mean line and dashed line at aT below the axis.
        const int moyenne = NoirsDansLaLigne(im, c.ligneMoyenne, 30, 70);
        EXPECT_GT(moyenne, 10);
        EXPECT_LT(moyenne, 35);
        const int pointilles = NoirsDansLaColonne(im, c.colonneAT, 104, 118);
        EXPECT_GT(pointilles, 4);
        EXPECT_LT(pointilles, 15);
        // The double arrow spans the vertical axis to aT, in row 112.
        EXPECT_EQ(im.pixel(c.colonneAT - 1, 112), Noir);
        EXPECT_EQ(im.pixel(c.colonneAT + 3, 112), Blanc);
        // Three colours only.
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) {
                const QRgb p = im.pixel(x, y);
                ASSERT_TRUE(p == Blanc || p == Noir || p == Rouge) << x << "," << y;
            }
        // A legend along the bottom edge.
        EXPECT_GT(NoirsDansLaLigne(im, 132, 0, 226) + NoirsDansLaLigne(im, 145, 0, 226), 10);
    }
}

TEST(ImagesSignaux, PlusNetteAUnRapportDeDeux) {
    const QImage im = DessineImageSignal(FormeSignal::Rectangulaire, 2.0);
    EXPECT_EQ(im.size(), QSize(454, 304));
    EXPECT_DOUBLE_EQ(im.devicePixelRatio(), 2.0);
}
