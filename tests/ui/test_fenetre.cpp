// The help panel, the slider and the signal pictures of the main window.
#include "app/Ondalis.h"
#include "ui/CurseurVertical.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"
#include "ui/ImagesSignaux.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

namespace {

// The thumb as the style draws it.
struct AccesOption : CurseurVertical {
    using QScrollBar::initStyleOption;
};
QRect Pouce(CurseurVertical& c) {
    QStyleOptionSlider o;
    (c.*&AccesOption::initStyleOption)(&o);
    return c.style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, &c);
}

// The main window alone, shown: the graph windows of a full start would lie over it.
struct Aide : ::testing::Test {
    Ondalis app;
    FrmOndalis& f = app.frmOndalis();
    void SetUp() override {
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
};

} // namespace

TEST_F(Aide, PlaceAuMilieuDeLaZoneAGaucheDeLaFenetrePrincipale) {
    // Offscreen: an 800 x 800 screen, 4-pixel frames. In twips, Int((12000 - 5535 - 4650) * 0.5)
    // = 907 gives 60.47 pixels; Int((12000 - 1650) * 0.5) = 5175, 345 pixels.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    EXPECT_EQ(app.frmAide().frameGeometry(), QRect(60, 345, 310, 110));
}

TEST(Curseur, PlusCentEnHautEtUnChangementAussitotParVraiChangement) {
    CurseurVertical c;
    c.setGeometry(0, 0, 17, 113);
    c.DefinitBornes(100, -100);
    c.show();
    c.DefinitValeur(100);
    EXPECT_LT(Pouce(c).top(), 30);
    QList<int> vues; // the value each change sees, before the action returns
    QObject::connect(&c, &CurseurVertical::change, [&] { vues << c.Valeur(); });
    const std::pair<std::function<void()>, int> cas[] = {
        {[&c] { QTest::keyClick(&c, Qt::Key_Up); }, 1},
        {[&c] { QTest::keyClick(&c, Qt::Key_PageUp); }, 10},
        {[&c] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 4)); }, 1},   // top arrow
        {[&c] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 25)); }, 10}, // trough
        {[&c] { c.DefinitValeur(37); }, 37}};
    for (const auto& [action, attendu] : cas) {
        c.DefinitValeur(0);
        vues.clear();
        action();
        EXPECT_EQ(vues, QList<int>{attendu});
    }
    c.DefinitValeur(37);
    EXPECT_EQ(vues, QList<int>{37}); // no change, no notification
    // A drag scrolls, then changes once, at the release.
    int defilement = 0;
    QObject::connect(&c, &CurseurVertical::defilement, [&] { defilement = c.ValeurDefilement(); });
    const QRect avant = Pouce(c);
    const QPoint depart = avant.center(), arrivee = depart - QPoint(0, 20);
    QTest::mousePress(&c, Qt::LeftButton, {}, depart);
    const QImage imagePresse = c.grab().toImage(); // pressed, not moved yet
    QTest::mouseMove(&c, arrivee);
    EXPECT_TRUE(vues.size() == 1 && defilement > 37) << defilement; // no change yet, going up
    // The thumb is drawn where it is dragged: rows it now covers and rows it left both change.
    const QRect pendant = Pouce(c);
    ASSERT_LT(pendant.bottom() + 2, avant.bottom());
    const QImage image = c.grab().toImage();
    for (const int y : {pendant.top() + 2, avant.bottom() - 1})
        EXPECT_NE(image.copy(0, y, c.width(), 1), imagePresse.copy(0, y, c.width(), 1)) << y;
    QTest::mouseRelease(&c, Qt::LeftButton, {}, arrivee);
    EXPECT_EQ(vues, QList<int>({37, defilement}));
}

TEST(ImagesSignaux, PixelsClefs) {
    const QRgb B = qRgb(255, 255, 255), N = qRgb(0, 0, 0), R = qRgb(255, 0, 0);
    // The aT column and the mean row, then signal pixels: high, low, on the edges.
    const std::tuple<FormeSignal, int, int, std::vector<std::tuple<int, int, QRgb>>> cas[] = {
        {FormeSignal::Rectangulaire, 78, 66, {{50, 18, R}, {78, 50, R}, {120, 101, R},
          {163, 50, R}, {190, 18, R}, {120, 18, B}, {50, 101, B}}},
        {FormeSignal::Triangle, 78, 66, {{49, 18, R}, {120, 101, R}, {49, 101, B}, {120, 18, B}}},
        {FormeSignal::DentsDeScie, 133, 55,
         {{133, 19, R}, {163, 73, R}, {133, 5, B}, {76, 46, R}}}};
    for (auto [forme, aT, moyenne, pixels] : cas) {
        const QImage im = DessineImageSignal(forme).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(im.size(), QSize(227, 152));
        // Axes in column 20 and row 73, tick at T/2; the double arrow to aT in row 112.
        pixels.insert(pixels.end(), {{20, 40, N}, {20, 110, N}, {200, 73, N}, {91, 71, N},
                                     {aT - 1, 112, N}, {aT + 3, 112, B}});
        for (const auto& [x, y, c] : pixels) EXPECT_EQ(im.pixel(x, y), c) << x << "," << y;
        int noirsMoyenne = 0, noirsAT = 0;
        for (int x = 30; x <= 70; ++x) noirsMoyenne += im.pixel(x, moyenne) == N;
        for (int y = 104; y <= 118; ++y) noirsAT += im.pixel(aT, y) == N;
        EXPECT_TRUE(noirsMoyenne > 10 && noirsMoyenne < 35 && noirsAT > 4 && noirsAT < 15) << aT;
    }
}
// clang-format on
