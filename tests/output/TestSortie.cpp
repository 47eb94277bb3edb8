// Page arithmetic, printing and copy: each graph printed as its surface shows it, sharp, one page
// a print; a cancelled or failed print changes nothing; a copy is the surface's own image.
#include "app/Ondalis.h"
#include "calcul/MiseEnPage.h"
#include "calcul/Reglage.h"
#include "commun/BoiteModale.h"
#include "commun/Pixels.h"
#include "graphe/SurfaceGraphe.h"
#include "graphe/TraceGraphes.h"
#include "output/Sortie.h"
#include "ui/FrmOndalis.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace Calcul_Graphe;

namespace {

// 600 x 800 points (12000 x 16000 twips) at 72 dpi, 20 twips a pixel: X 600, Wd 10800, Hp 7022.
const QRect ZoneSignal(30, 40, 540, 351), ZoneHarmonique(30, 400, 540, 351);

// Ranks 1 (80 % sine) and 2 (40 %, twice the frequency) filled in, the given ones drawn.
void PrepareRangs(Ondalis& app, std::initializer_list<int> rangs) {
    InitialiseConstantes(app.etat());
    RemplitColonneReglee(app.etat(), 1, 80.0);
    RemplitColonneReglee(app.etat(), 2, 40.0);
    for (int n : rangs)
        app.etat().Validation[n] = 1;
    RetraceHarmoniques(app.etat(), app.graphes());
}

// The colours of the frame (blue), rebuilt signal (red) and ranks 1 and 2 (navy, green) in `zone`.
QString Couleurs(const QImage& page, const QRect& zone) {
    QStringList noms;
    for (const char* nom : {"blue", "red", "navy", "green"})
        if (Compte(page, zone, QColor(nom).rgb()) > 0) noms << nom;
    return noms.join(' ');
}

QByteArray Sh(const QString& commande) {
    QProcess p;
    p.start("sh", {"-c", commande});
    return p.waitForFinished() ? p.readAllStandardOutput().trimmed() : QByteArray();
}
// Prints on a 600 x 800 point page into `pdf` and rasterises it at 72 dpi; null unless that
// gives one page.
QImage Imprime(Ondalis& app, const QString& pdf) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFileName(pdf);
    imprimante.setPageLayout(
        QPageLayout(QPageSize(QSizeF(600, 800), QPageSize::Point, "", QPageSize::ExactMatch),
                    QPageLayout::Portrait, {}));
    if (!ImprimeGraphes(app.etat(), app.graphes(), imprimante) ||
        Sh("pdfinfo " + pdf + " | awk '/^Pages/{print $2}'") != "1")
        return {};
    return QImage::fromData(Sh("pdftoppm -r 72 -aa no -aaVector no -png -singlefile " + pdf));
}

} // namespace

TEST(MiseEnPage, Tableau) {
    constexpr int L = 7665, H = 4485; // the drawing area, 511 x 299 pixels
    // clang-format off
    struct Ligne { const char* nom; double pw, ph; int ld, hd; std::array<int, 8> attendu; };
    const Ligne lignes[] = { // attendu: PW PH Wd Hd X Y1 Y2 Hp, all zero when no page
        {"exemple 12000 x 16000", 12000, 16000, L, H, {12000, 16000, 10800, 14400, 600, 800, 8000, 7022}},
        {"X 601,5 vers le pair", 12030, 16000, L, H, {12030, 16000, 10827, 14400, 602, 800, 8000, 7039}},
        {"Y2 8001,5 vers le pair", 12000, 16003, L, H, {12000, 16003, 10800, 14402, 600, 800, 8002, 7022}},
        {"A0, au-delà de 32767", 33110, 46820, L, H, {33110, 46820, 29799, 42138, 1656, 2341, 23410, 19374}},
        {"largeur nulle", 0, 16000, L, H, {}},
        {"largeur NaN", NAN, 16000, L, H, {}},
        {"au-delà de 32 bits", 3e9, 16000, L, H, {}},
        {"zone de dessin sans largeur", 12000, 16000, 0, H, {}},
        {"hauteur imprimée hors 32 bits", 2e9, 16000, 1, 100, {}},
    };
    // clang-format on
    for (const Ligne& l : lignes) {
        const auto p = CalculeMiseEnPage(l.pw, l.ph, l.ld, l.hd);
        const auto obtenu = p ? std::array{p->PW, p->PH, p->Wd, p->Hd, p->X, p->Y1, p->Y2, p->Hp}
                              : std::array<int, 8>{};
        EXPECT_EQ(obtenu, l.attendu) << l.nom;
    }
}

TEST(Sortie, ImpressionsEtCopiesDUneSeance) {
    Ondalis app;
    app.Main();
    PrepareRangs(app, {});
    const Graphes g = app.graphes();
    QTemporaryDir dossier;
    const QString a = dossier.filePath("a.pdf"), b = dossier.filePath("b.pdf");
    const QImage nu = Imprime(app, a); // no validated rank: only the frames
    EXPECT_EQ(Couleurs(nu, ZoneSignal) + " / " + Couleurs(nu, ZoneHarmonique), "blue / blue");

    PrepareRangs(app, {1, 2});
    const QImage signal = g.signal->Image(), harmonique = g.harmonic->Image();
    const QImage page = Imprime(app, a);
    EXPECT_LT(PartManquante(signal, page, QRectF(30, 40, 540, 351.1)), 0.005);
    EXPECT_LT(PartManquante(harmonique, page, QRectF(30, 400, 540, 351.1)), 0.005);
    // Lines at the printer's resolution, no enlarged screen bitmap; the surfaces come back.
    EXPECT_EQ(Sh("pdfimages -list " + a + " | tail -n +3 | wc -l"), "0");
    EXPECT_TRUE(g.harmonic->Image() == harmonique && g.signal->Image() == signal);

    // Ctrl+X copies the signal graph, cutting nothing; Ctrl+C replaces it by the harmonic graph.
    app.frmOndalis().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.frmOndalis()));
    for (auto [touche, surface] : {std::pair{Qt::Key_X, signal}, {Qt::Key_C, harmonique}}) {
        QTest::keyClick(&app.frmOndalis(), touche, Qt::ControlModifier);
        const QImage copie = QGuiApplication::clipboard()->image();
        EXPECT_EQ(copie.size(), QSize(511, 299));
        EXPECT_EQ(copie.convertToFormat(QImage::Format_RGB32), surface);
    }

    // Rank 2 unvalidated: redrawn as if nothing had been copied, and the next page does not
    // show it; printing over a file replaces it.
    app.etat().Validation[2] = 0;
    RetraceHarmoniques(app.etat(), g);
    Ondalis temoin;
    PrepareRangs(temoin, {1});
    EXPECT_EQ(g.harmonic->Image(), temoin.graphes().harmonic->Image());
    EXPECT_EQ(Couleurs(Imprime(app, b), ZoneHarmonique) + " / " +
                  Couleurs(Imprime(app, a), ZoneHarmonique),
              "blue navy / blue navy");

    // Rank 1 unvalidated, not redrawn. The menu's print dialog cancelled, or confirmed with a
    // file that cannot be written (reported), changes nothing; confirmed with a good file, it
    // prints one page, then both surfaces end bare: no rank is left to draw the signal again.
    app.etat().Validation[1] = 0;
    const QImage reste = g.harmonic->Image(), rebati = g.signal->Image();
    QString propose = QDir::home().filePath("Ondalis.pdf");
    for (QString fichier : {"", "x/y.pdf", "c.pdf"}) {
        std::optional<BoiteModale> message; // comes once the print dialog is gone
        BoiteModale dialogue([&](QWidget* w) {
            auto* d = qobject_cast<QPrintDialog*>(w);
            auto* nom = w->findChild<QLineEdit*>("filename");
            ASSERT_TRUE(d && nom);
            if (fichier.isEmpty()) return d->reject();
            // Without a printer, the file first proposed carries the program's name; then the
            // dialog proposes the file chosen last.
            EXPECT_EQ(nom->text(), propose);
            propose = dossier.filePath(fichier);
            nom->setText(propose);
            message.emplace([](QWidget* b) { b->close(); });
            d->accept();
        });
        app.frmOndalis().mnuImprimer_Click();
        EXPECT_TRUE(dialogue.vue());
        const bool imprime = fichier == "c.pdf";
        EXPECT_EQ(Sh("pdfinfo " + dossier.filePath(fichier) + " | awk '/^Pages/{print $2}'"),
                  imprime ? "1" : "");
        EXPECT_EQ(g.harmonic->Image(), imprime ? g.harmonic->ImageFond() : reste);
        EXPECT_EQ(g.signal->Image(), imprime ? g.signal->ImageFond() : rebati);
        EXPECT_EQ(message && message->vue() ? message->titre() + " : " + message->texte() : "",
                  fichier == "x/y.pdf" ? "Ondalis : Impossible d'imprimer les graphes." : "");
    }
}
