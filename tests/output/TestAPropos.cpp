// The About box: texts and places of the design; one window at most behind the menu
// entry; Enter and Escape unload it; a click on the address does nothing.
#include "OndalisVersion.h"
#include "app/Ondalis.h"
#include "ui/FrmAbout.h"
#include "ui/FrmOndalis.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

TEST(APropos, TextesEtPlaces) {
    FrmAbout boite;
    EXPECT_EQ(boite.windowTitle(), "À propos de Ondalis");
    EXPECT_EQ(boite.geometry(), QRect(156, 129, 382, 312)); // 2340, 1935, 5730 x 4680 twips
    // clang-format off
    const std::tuple<const char*, const char*, QRect> lignes[] = {
        {"lblTitle", "Ondalis", {70, 16, 259, 32}},
        {"lblVersion", "Version " ONDALIS_VERSION, {70, 52, 259, 15}},
        {"Label5", "Description", {72, 72, 81, 17}},
        {"lblDescription(0)", "Reconstitution d'un signal par addition des harmoniques de rang 1 à 10 et de sa valeur moyenne.", {80, 91, 259, 30}},
        {"lblDescription(1)", "Possibilité de régler l'amplitude de chaque harmonique ou de choisir un signal prédéfini", {80, 120, 259, 38}},
        {"Label4", "Auteur :", {72, 160, 73, 25}},
        {"Label3", "L'équipe Ondalis", {144, 160, 105, 41}},
        {"lblEmail", "contact@example.org", {144, 192, 161, 17}},
        {"Label2", "Avertissement :", {24, 216, 97, 17}},
        {"lblDisclaimer", "  ", {24, 232, 233, 47}},
        {"Label1", "  Toute remarque permettant l'améloration de ce logiciel est la bienvenue.", {24, 264, 225, 33}},
        {"cmdOK", "OK", {291, 239, 84, 31}},
        {"picIcon", "", {8, 16, 32, 32}},
    };
    // clang-format on
    for (const auto& [nom, texte, place] : lignes) {
        auto* w = boite.findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr) << nom;
        EXPECT_EQ(w->property("text").toString(), QString::fromUtf8(texte)) << nom;
        EXPECT_EQ(w->geometry(), place) << nom;
    }
}

TEST(APropos, UneSeuleFenetreQueEntreeEtEchapDechargent) {
    Ondalis app;
    for (Qt::Key touche : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        app.frmOndalis().mnuApropos_Click();
        QPointer<FrmAbout> boite = &app.frmAbout();
        const auto fenetres = QApplication::topLevelWidgets().size();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(boite));
        // A click on the address does nothing; the menu again only brings the box forward.
        QTest::mouseClick(boite->findChild<QWidget*>("lblEmail"), Qt::LeftButton);
        app.frmOndalis().mnuApropos_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(boite && boite->isVisible());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), fenetres);
        QTest::keyClick(boite, touche);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(boite.isNull() && !app.frmAboutCharge()) << "touche " << touche;
    }
}
