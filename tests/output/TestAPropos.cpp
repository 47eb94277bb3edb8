// The About box: texts at load, design places and fonts, the etched separator, the keys that
// close it and the single instance behind the menu entry.
#include "app/Ondalis.h"
#include "ui/FrmAbout.h"
#include "ui/FrmOndalis.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLabel* Etiquette(FrmAbout& boite, const char* nom) {
    return boite.findChild<QLabel*>(QString::fromLatin1(nom));
}

int NombreFenetresAPropos() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<FrmAbout*>(w) && w->isVisible()) ++n;
    return n;
}

} // namespace

TEST(APropos, TextesDuChargement) {
    FrmAbout boite;
    EXPECT_EQ(boite.windowTitle(), QStringLiteral("À propos de Ondalis"));
    EXPECT_EQ(boite.lblVersion->text(), QStringLiteral("Version 1.0.0"));
    EXPECT_EQ(boite.lblTitle->text(), QStringLiteral("Ondalis"));
    EXPECT_EQ(boite.cmdOK->text(), QStringLiteral("OK"));
}

TEST(APropos, FenetreFixeEtPlacee) {
    FrmAbout boite;
    // 5730 x 4680 twips at 15 twips per pixel, client top-left at 2340, 1935 twips.
    EXPECT_EQ(boite.geometry(), QRect(156, 129, 382, 312));
    EXPECT_EQ(boite.minimumSize(), boite.maximumSize());
    const Qt::WindowFlags drapeaux = boite.windowFlags();
    EXPECT_TRUE(drapeaux.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(drapeaux.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(drapeaux.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(boite.isModal());
}

TEST(APropos, ControlesDuDessin) {
    struct Ligne {
        const char* nom;
        QString texte;
        QRect place; // pixels
        qreal points;
        bool gras, souligne;
        QColor couleur;
    };
    const QColor noir(0, 0, 0), bleu(0, 0, 255);
    const Ligne lignes[] = {
        {"lblTitle", "Ondalis", {70, 16, 259, 32}, 14.25, true, false, bleu},
        {"lblVersion", "Version 1.0.0", {70, 52, 259, 15}, 9.75, false, false, noir},
        {"Label5", "Description", {72, 72, 81, 17}, 9.75, false, false, noir},
        {"lblDescription(0)",
         "Reconstitution d'un signal par addition des harmoniques de rang 1 à 10 et de sa valeur "
         "moyenne.",
         {80, 91, 259, 30},
         8.25,
         false,
         false,
         noir},
        {"lblDescription(1)",
         "Possibilité de régler l'amplitude de chaque harmonique ou de choisir un signal "
         "prédéfini",
         {80, 120, 259, 38},
         8.25,
         false,
         false,
         noir},
        {"Label4", "Auteur :", {72, 160, 73, 25}, 9.75, false, true, noir},
        {"lblEmail", "contact@example.org", {144, 192, 161, 17}, 9.75, false, true, bleu},
        {"Label2", "Avertissement :", {24, 216, 97, 17}, 9.75, false, true, noir},
        {"lblDisclaimer", "  ", {24, 232, 233, 47}, 9.0, false, false, noir},
        {"Label1",
         "  Toute remarque permettant l'améloration de ce logiciel est la bienvenue.",
         {24, 264, 225, 33},
         9.0,
         false,
         false,
         noir},
    };
    FrmAbout boite;
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        QLabel* etiquette = Etiquette(boite, l.nom);
        ASSERT_NE(etiquette, nullptr);
        EXPECT_EQ(etiquette->text(), l.texte);
        EXPECT_EQ(etiquette->geometry(), l.place);
        EXPECT_DOUBLE_EQ(etiquette->font().pointSizeF(), l.points);
        EXPECT_EQ(etiquette->font().bold(), l.gras);
        EXPECT_EQ(etiquette->font().underline(), l.souligne);
        EXPECT_EQ(etiquette->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(etiquette->palette().color(QPalette::WindowText), l.couleur);
        EXPECT_TRUE(etiquette->wordWrap());
    }
    EXPECT_EQ(boite.cmdOK->geometry(), QRect(291, 239, 84, 31));
    EXPECT_EQ(boite.picIcon->geometry(), QRect(8, 16, 32, 32));
    EXPECT_EQ(boite.picIcon->pixmap().size(), QSize(32, 32));
    // The author block holds a neutral text and an address at a reserved example domain.
    EXPECT_TRUE(boite.lblEmail->text().endsWith(QStringLiteral("@example.org")));
}

TEST(APropos, SeparateurGrave) {
    FrmAbout boite;
    boite.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&boite));
    const QImage image = boite.grab().toImage();
    // Grey row 211 (columns 8 to 378), white rows 212 and 213 (columns 7 to 376).
    EXPECT_EQ(image.pixelColor(8, 211), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(378, 211), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(200, 212), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(200, 213), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(200, 210), QColor(0x80, 0x80, 0x80));
    EXPECT_NE(image.pixelColor(200, 214), QColor(Qt::white));
}

TEST(APropos, ClicSurLAdresseNeFaitRien) {
    QPointer<FrmAbout> boite = new FrmAbout;
    boite->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(boite));
    QTest::mouseClick(boite->lblEmail, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(boite.isNull());
    EXPECT_TRUE(boite->isVisible());
    EXPECT_EQ(boite->lblEmail->text(), QStringLiteral("contact@example.org"));
    delete boite.data();
}

TEST(APropos, ToucheQuiFerme) {
    struct Ligne {
        const char* nom;
        int touche;
    };
    const Ligne lignes[] = {
        {"Entrée", Qt::Key_Return}, {"Entrée du pavé", Qt::Key_Enter}, {"Échap", Qt::Key_Escape}};
    for (const Ligne& l : lignes) {
        SCOPED_TRACE(l.nom);
        QPointer<FrmAbout> boite = new FrmAbout;
        boite->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(boite));
        QTest::keyClick(boite, static_cast<Qt::Key>(l.touche));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Unloaded: closed and deleted.
        EXPECT_TRUE(boite.isNull());
        delete boite.data();
    }
}

TEST(APropos, OKDechargeEtLeMenuRecharge) {
    Ondalis app;
    FrmOndalis& principale = app.frmOndalis();
    principale.mnuApropos_Click();
    principale.mnuApropos_Click();
    EXPECT_EQ(NombreFenetresAPropos(), 1);
    QPointer<FrmAbout> premiere = &app.frmAbout();
    premiere->lblTitle->setText(QStringLiteral("touché"));
    // A second use only brings it forward: the load does not run again.
    principale.mnuApropos_Click();
    EXPECT_EQ(premiere->lblTitle->text(), QStringLiteral("touché"));

    QTest::mouseClick(premiere->cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(premiere.isNull());
    EXPECT_FALSE(app.frmAboutCharge());
    EXPECT_EQ(NombreFenetresAPropos(), 0);

    principale.mnuApropos_Click();
    EXPECT_EQ(NombreFenetresAPropos(), 1);
    EXPECT_EQ(app.frmAbout().lblTitle->text(), QStringLiteral("Ondalis"));
}
