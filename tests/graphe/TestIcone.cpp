// The program icon: its small sizes pixel for pixel, its larger sizes sharp, the icon drawn at the
// screen's pixel ratio, and the SVG written for the desktop tracing the same drawing.
#include "graphe/Icone.h"

#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace Calcul_Graphe;

namespace {

// One letter per pixel: '.' transparent, N black, F dark grey, C light grey, V green, B white.
const std::map<char, QRgb> Lettres{{'.', 0x00000000}, {'N', 0xFF000000}, {'F', 0xFF808080},
                                   {'C', 0xFFC0C0C0}, {'V', 0xFF008000}, {'B', 0xFFFFFFFF}};

// The icon as the program has always shown it in title bars and in the About box.
const char* const Icone16[] = {
    "................", ".FFFFFFFFFFFFFFF", ".CCCCCCCCCCCCCCF", ".CCNNBNVNNNVNNCF",
    ".CCNBBBVNNNVNNCF", ".CCBNNNBNNNVNNCF", ".CCBNNNVBNNVNNCF", ".CCVVVVVBVVVBVCF",
    ".CCNNNNVNBNVBNCF", ".CCNNNNVNNBBNNCF", ".CCNNNNVNNNVNNCF", ".CCCCCCCCCCCCCCF",
    ".CCCCCCCCCCCCCCF", "......FFFF......", "....CCCCCCCCF...", "....FFFFFFFFF...",
};
const char* const Icone32[] = {
    "................................", "................................",
    ".FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.", ".FCCCCCCCCCCCCCCCCCCCCCCCCCCCCF.",
    ".FCCCCCCCCCCCCCCCCCCCCCCCCCCCCF.", ".FCCCNNNNVNNNVNNNVNNNVNNNVNCCCF.",
    ".FCCCNNNNVBNNVNNNVNNNVNNNVNCCCF.", ".FCCCNNNNBNBNVNNNVNNNVNNNVNCCCF.",
    ".FCCCNNNBVNNBVNNNVNNNVNNNVNCCCF.", ".FCCCVVBVVVVVBVVVVVVVVVVVVVCCCF.",
    ".FCCCNBNNVNNNVBNNVNNNVNNNVNCCCF.", ".FCCCBNNNVNNNVBNNVNNNVNNNVNCCCF.",
    ".FCCCBNNNVNNNVNBNVNNNVNNNVNCCCF.", ".FCCCVVVVVVVVVVVBVVVVVVVVBVCCCF.",
    ".FCCCNNNNVNNNVNNBVNNNVNNNBNCCCF.", ".FCCCNNNNVNNNVNNNBNNNVNNBVNCCCF.",
    ".FCCCNNNNVNNNVNNNVBNNVNBNVNCCCF.", ".FCCCVVVVVVVVVVVVVVBVVBVVVVCCCF.",
    ".FCCCNNNNVNNNVNNNVNNBBNNNVNCCCF.", ".FCCCNNNNVNNNVNNNVNNNVNNNVNCCCF.",
    ".FCCCNNNNVNNNVNNNVNNNVNNNVNCCCF.", ".FCCCCCCCCCCCCCCCCCCCCCCCCCCCCF.",
    ".FCCCCCCCCCCCCCCCCCCCCCCCCCCCCF.", ".FCCCCCCCCCCCCCCCCCCCCCCCCCCCCF.",
    ".FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF.", "............FFFFFFFF............",
    "............FFFFFFFF............", ".......FCCCCCCCCCCCCCCCCF.......",
    ".......FCCCCCCCCCCCCCCCCF.......", ".......FFFFFFFFFFFFFFFFFF.......",
    "................................", "................................",
};

QRgb Pixel(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qAlpha(p) == 0 ? 0x00000000 : p;
}

} // namespace

TEST(Icone, LesPetitesTaillesRestentPixelPourPixel) {
    const struct {
        int taille;
        const char* const* lignes;
    } cas[] = {{16, Icone16}, {32, Icone32}};
    for (const auto& c : cas) {
        const QImage image = DessinIcone(c.taille);
        ASSERT_EQ(image.size(), QSize(c.taille, c.taille));
        for (int y = 0; y < c.taille; ++y)
            for (int x = 0; x < c.taille; ++x)
                ASSERT_EQ(Pixel(image, x, y), Lettres.at(c.lignes[y][x]))
                    << c.taille << " px, pixel (" << x << ", " << y << ")";
    }
}

// Enlarged, the case, the screen and the grid keep plain palette colours with sharp edges: only
// the sine may be smoothed, and it stays inside the screen.
TEST(Icone, LesGrandesTaillesSontNettes) {
    std::set<QRgb> palette;
    for (const auto& [lettre, couleur] : Lettres)
        palette.insert(couleur);
    for (int taille : {24, 48, 64, 100, 128, 256}) {
        SCOPED_TRACE(taille);
        const QImage image = DessinIcone(taille);
        const double u = taille / 32.0;
        const QRect ecran(qRound(5 * u), qRound(5 * u), qRound(22 * u), qRound(16 * u));
        double encre = 0; // the sine's white, the only colour with red in the screen
        for (int y = 0; y < taille; ++y)
            for (int x = 0; x < taille; ++x) {
                const QRgb p = Pixel(image, x, y);
                if (ecran.contains(x, y)) {
                    encre += qRed(p) / 255.0;
                } else {
                    ASSERT_TRUE(palette.count(p))
                        << "pixel (" << x << ", " << y << ") " << std::hex << p;
                    ASSERT_NE(p, 0xFFFFFFFF)
                        << "sine outside the screen at (" << x << ", " << y << ")";
                }
            }
        // The sine's pen grows with the icon: a one-pixel line at 256 px would vanish.
        EXPECT_GT(encre, ecran.width() * std::max(1, qRound(u)));
    }
}

// The window icon is drawn for the device pixels it covers, not an enlarged small image.
TEST(Icone, LIconeSuitLeRapportDePixels) {
    const struct {
        int logique;
        double rapport;
    } cas[] = {{16, 1}, {32, 1}, {32, 2}, {16, 1.5}, {48, 2}, {32, 3}};
    const QIcon icone = IconeProgramme();
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.logique << " px x " << c.rapport);
        const QPixmap image = icone.pixmap(QSize(c.logique, c.logique), c.rapport);
        const int appareil = qRound(c.logique * c.rapport);
        EXPECT_EQ(image.size(), QSize(appareil, appareil));
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), c.rapport);
        EXPECT_EQ(image.toImage().convertToFormat(QImage::Format_ARGB32), DessinIcone(appareil));
    }
}

// The SVG traced by hand at 32 px: its rectangles give every pixel the PNG shows outside the
// sine, and every white pixel of the PNG lies on its polyline.
TEST(Icone, LeSvgEstLeMemeDessin) {
    QImage rectangles(32, 32, QImage::Format_ARGB32);
    rectangles.fill(Qt::transparent);
    QPainter peintre(&rectangles);
    QPainterPath sinus;
    QXmlStreamReader svg(IconeSvg());
    int formes = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = svg.attributes();
        if (svg.name() == QStringLiteral("svg")) {
            EXPECT_EQ(a.value("viewBox"), QStringLiteral("0 0 32 32"));
        } else if (svg.name() == QStringLiteral("rect")) {
            ++formes;
            peintre.fillRect(QRectF(a.value("x").toDouble(), a.value("y").toDouble(),
                                    a.value("width").toDouble(), a.value("height").toDouble()),
                             QColor(a.value("fill").toString()));
        } else {
            ASSERT_EQ(svg.name(), QStringLiteral("polyline"));
            EXPECT_EQ(a.value("stroke"), QStringLiteral("#ffffff"));
            const auto points = a.value("points").split(u' ');
            for (qsizetype i = 0; i < points.size(); ++i) {
                const auto xy = points[i].split(u',');
                ASSERT_EQ(xy.size(), 2);
                const QPointF p(xy[0].toDouble(), xy[1].toDouble());
                i == 0 ? sinus.moveTo(p) : sinus.lineTo(p);
            }
        }
    }
    peintre.end();
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GT(formes, 6);
    ASSERT_FALSE(sinus.isEmpty());

    QPainterPathStroker bande;
    bande.setWidth(2.2); // the pen's width and the pixel's half diagonal on either side
    const QPainterPath autour = bande.createStroke(sinus);
    const QImage png = DessinIcone(32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QPointF centre(x + 0.5, y + 0.5);
            if (Pixel(png, x, y) == 0xFFFFFFFF)
                EXPECT_TRUE(autour.contains(centre)) << "pixel (" << x << ", " << y << ")";
            else
                EXPECT_EQ(Pixel(png, x, y), Pixel(rectangles, x, y))
                    << "pixel (" << x << ", " << y << ")";
        }
}
