// The small adapters: a slider with +100 at the top, text boxes reporting clicks, the button
// look of option buttons, and the line-break conversion.
#include "ui/Adaptateurs.h"

#include <QFont>
#include <QFontMetrics>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QRect Pouce(CurseurVertical& c) {
    QStyleOptionSlider o;
    o.initFrom(&c);
    o.orientation = Qt::Vertical;
    o.minimum = c.minimum();
    o.maximum = c.maximum();
    o.sliderPosition = c.sliderPosition();
    o.sliderValue = c.value();
    o.pageStep = c.pageStep();
    o.singleStep = c.singleStep();
    return c.style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, &c);
}

struct Curseur : ::testing::Test {
    CurseurVertical c;
    void SetUp() override {
        c.setGeometry(0, 0, 17, 113);
        c.DefinitBornes(100, -100);
        c.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    }
};

} // namespace

TEST_F(Curseur, LeHautVautPlusCent) {
    c.DefinitValeur(100);
    EXPECT_LT(Pouce(c).top(), 30);
    c.DefinitValeur(-100);
    EXPECT_GT(Pouce(c).bottom(), 83);
}

TEST_F(Curseur, ToucheEtFlecheDuHautMontentLaValeur) {
    struct Cas {
        const char* nom;
        std::function<void()> action;
        int attendu;
    };
    const Cas cas[] = {
        {"Haut", [this] { QTest::keyClick(&c, Qt::Key_Up); }, 1},
        {"PageHaut", [this] { QTest::keyClick(&c, Qt::Key_PageUp); }, 10},
        {"Bas", [this] { QTest::keyClick(&c, Qt::Key_Down); }, -1},
        {"FlecheDuHaut", [this] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 4)); }, 1},
        {"SillonAuDessus", [this] { QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(8, 25)); },
         10},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        c.DefinitValeur(0);
        QSignalSpy changes(&c, &CurseurVertical::change);
        k.action();
        EXPECT_EQ(c.Valeur(), k.attendu);
        EXPECT_EQ(changes.count(), 1);
    }
}

TEST_F(Curseur, DefinitValeurNotifieSeulementUnVraiChangement) {
    int vus = 0;
    int valeurVue = 999;
    QObject::connect(&c, &CurseurVertical::change, [&] {
        ++vus;
        valeurVue = c.Valeur();
    });
    c.DefinitValeur(37);
    EXPECT_EQ(vus, 1); // before DefinitValeur returned
    EXPECT_EQ(valeurVue, 37);
    c.DefinitValeur(37);
    EXPECT_EQ(vus, 1);
    c.DefinitValeur(-5);
    EXPECT_EQ(vus, 2);
    EXPECT_EQ(c.Valeur(), -5);
}

TEST_F(Curseur, UnGlisserDonneDesDefilementsPuisUnSeulChangement) {
    c.DefinitValeur(0);
    QSignalSpy changes(&c, &CurseurVertical::change);
    int dernierDefilement = 0;
    int defilements = 0;
    QObject::connect(&c, &CurseurVertical::defilement, [&] {
        ++defilements;
        dernierDefilement = c.ValeurDefilement();
    });
    const QPoint depart = Pouce(c).center();
    QTest::mousePress(&c, Qt::LeftButton, {}, depart);
    QTest::mouseMove(&c, depart - QPoint(0, 10));
    QTest::mouseMove(&c, depart - QPoint(0, 20));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_GE(defilements, 1);
    EXPECT_GT(dernierDefilement, 0); // dragged up: the value rises
    QTest::mouseRelease(&c, Qt::LeftButton, {}, depart - QPoint(0, 20));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(c.Valeur(), dernierDefilement);
}

TEST(ZoneTexte, SignaleClicEtDoubleClic) {
    ZoneTexte z;
    z.show();
    QSignalSpy clics(&z, &ZoneTexte::clic);
    QSignalSpy doubles(&z, &ZoneTexte::doubleClic);
    QTest::mouseClick(&z, Qt::LeftButton);
    EXPECT_EQ(clics.count(), 1);
    EXPECT_EQ(doubles.count(), 0);
    QTest::mouseDClick(&z, Qt::LeftButton);
    EXPECT_EQ(doubles.count(), 1);
}

TEST(TexteQt, LeRetourChariotCoupeLaLigne) {
    EXPECT_EQ(TexteQt(QStringLiteral("a") + QChar(13) + QStringLiteral("b")), QStringLiteral("a\nb"));
    EXPECT_EQ(TexteQt(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
    EXPECT_EQ(TexteQt(QStringLiteral("sans")), QStringLiteral("sans"));
}

TEST(TexteEnveloppe, ChaqueLigneTientDansLaLargeur) {
    QFont police(QStringLiteral("Times New Roman"));
    police.setPointSizeF(8.25);
    const QString texte = QStringLiteral("Ajouter les harmoniques de rang supérieur");
    const QString coupe = TexteEnveloppe(texte, police, 80);
    EXPECT_GE(coupe.count(QChar(u'\n')), 1);
    for (const QString& ligne : coupe.split(QChar(u'\n')))
        EXPECT_LE(QFontMetrics(police).horizontalAdvance(ligne), 80) << ligne.toStdString();
    EXPECT_EQ(QString(coupe).replace(QChar(u'\n'), QChar(u' ')), texte);
}
