// The coefficient table on the clipboard says what the boxes say, in both its forms.
#include "test_comportement_commun.h"

namespace {

// The rows of the clipboard's table, headings first, from its text; its HTML says the same.
QList<QStringList> TableauCopie() {
    const QMimeData* donnees = QGuiApplication::clipboard()->mimeData();
    QString html = donnees->html();
    html.replace(QRegularExpression("</t[dh]><t[dh]>"), "\t").remove(QRegularExpression("<[^>]*>"));
    EXPECT_EQ(html.trimmed(), donnees->text().trimmed());
    QList<QStringList> lignes;
    for (const QString& ligne : donnees->text().split('\n', Qt::SkipEmptyParts))
        lignes << ligne.split('\t');
    return lignes;
}

} // namespace

TEST_F(Comportement, TableauCommeLesBoites) {
    // Signal -1: manual mode, sliders set by hand.
    const std::pair<int, const char*> cas[] = {{-1, ""},  {0, "50"}, {0, "33"}, {1, "50"},
                                               {1, "20"}, {2, "50"}, {2, "0"},  {2, "100"}};
    for (auto [signal, rapport] : cas) {
        if (signal < 0)
            for (auto [rang, valeur] : {std::pair{0, -35}, {1, 80}, {7, 100}, {10, -5}})
                Regle(rang, valeur);
        else
            Prepare(signal, rapport, {});
        f().mnuCopierTableau->trigger();
        const auto lignes = TableauCopie();
        ASSERT_EQ(lignes.size(), 12) << rapport;
        for (int n = 0; n <= 10; ++n) {
            const QStringList reglage{QString::number(n), f().txtHarmonic[n]->text()};
            const QStringList coefficients =
                n == 0 ? reglage + QStringList{"", "", ""}
                       : QStringList{reglage[0], f().TxtAn[n - 1]->text(), f().txtBn[n - 1]->text(),
                                     f().txtCn[n - 1]->text(), f().txtPhin[n - 1]->text()};
            EXPECT_EQ(lignes[n + 1], signal < 0 ? reglage : coefficients) << rapport << " " << n;
        }
    }
}

TEST_F(Comportement, TableauJusquAuDernierRang) {
    Prepare(0, "33", {});
    RepondRang("2000");
    f().chkHarmonicSup->click();
    f().mnuCopierTableau->trigger();
    const auto lignes = TableauCopie();
    ASSERT_EQ(lignes.size(), 2002);
    // The higher ranks written are those the rebuilt signal adds: summed, they give it back.
    auto nombre = [](QString texte) { return texte.replace(',', '.').toDouble(); };
    for (int i : {0, 17, 50, 83}) {
        double somme = 0;
        for (int k = 11; k <= 2000; ++k) {
            const double x = 2 * M_PI * k * i / 100;
            somme +=
                nombre(lignes[k + 1][1]) * std::cos(x) + nombre(lignes[k + 1][2]) * std::sin(x);
        }
        EXPECT_NEAR(somme, etat().SommeRangsSup[i], 0.05) << "échantillon " << i;
    }
    // The triangle cannot take 0 %: the boxes keep the rectangle's coefficients, not to be
    // copied as the triangle's.
    AttendMessage([&] {
        f().txtRapportCyclique->setText("0");
        ChoisitSignal(1);
    });
    AttendMessage([&] { f().mnuCopierTableau->trigger(); },
                  "Les coefficients ne peuvent pas être calculés pour ce rapport cyclique.\nLe "
                  "tableau n'a pas été copié.");
    EXPECT_EQ(TableauCopie().size(), 2002);
}
