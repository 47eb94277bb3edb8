// "Imprimer" through the print dialog and the menu handler: a confirmed dialog prints one page
// to the chosen PDF file; a file that cannot be written is reported, not passed for printed.
#include "Scenes.h"

#include "commun/BoiteModale.h"
#include "graphe/SurfaceGraphe.h"
#include "output/Sortie.h"
#include "ui/FrmOndalis.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Calcul_Graphe;

namespace {

// Answers the print dialog: the PDF file named `fichier`, then OK.
std::function<void(QWidget*)> ImprimeDans(const QString& fichier) {
    return [fichier](QWidget* w) {
        auto* dialogue = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dialogue, nullptr);
        auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(nom, nullptr);
        // Without a printer, the proposed file carries the program's name.
        EXPECT_TRUE(nom->text().endsWith(QStringLiteral("Ondalis.pdf")))
            << nom->text().toStdString();
        nom->setText(fichier);
        dialogue->accept();
    };
}

} // namespace

TEST(DialogueImpression, ConfirmerImprimeUnePage) {
    Ondalis app;
    PrepareRangs(app, {1});
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("choisi.pdf"));
    BoiteModale boite(ImprimeDans(pdf));
    EXPECT_EQ(Calcul_Graphe::Imprime(app, nullptr), ResultatImpression::Imprimee);
    EXPECT_TRUE(boite.vue());
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(NombrePages(pdf), 1);
}

TEST(DialogueImpression, FichierImpossibleSignale) {
    Ondalis app;
    PrepareRangs(app, {1});
    const Graphes g = app.graphes();
    g.harmonique->Ligne(290, 1000, 7090, 1000, QColor(0, 128, 0));
    const QImage harmonique = g.harmonique->Image();
    QTemporaryDir dossier;

    // The message comes once the print dialog is gone.
    std::unique_ptr<BoiteModale> message;
    BoiteModale dialogue([&](QWidget* w) {
        ImprimeDans(dossier.filePath(QStringLiteral("absent/page.pdf")))(w);
        message =
            std::make_unique<BoiteModale>([](QWidget* b) { static_cast<QDialog*>(b)->accept(); });
    });
    app.frmOndalis().mnuImprimer_Click();
    ASSERT_TRUE(dialogue.vue());
    ASSERT_TRUE(message && message->vue());
    EXPECT_EQ(message->titre(), QStringLiteral("Ondalis"));
    EXPECT_EQ(message->texte(), QStringLiteral("Impossible d'imprimer les graphes."));
    EXPECT_EQ(g.harmonique->Image(), harmonique);
}
