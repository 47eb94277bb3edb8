// The coefficient table on the clipboard says what the boxes say, in both its forms; the export
// dialog writes the type its filter or the typed extension asks for.
#include "test_comportement_commun.h"

namespace {

// The rows of the clipboard's table, from its text; its HTML must hold the very same cells.
QList<QStringList> TableauCopie() {
    const QMimeData* donnees = QGuiApplication::clipboard()->mimeData();
    QList<QStringList> lignes;
    QStringList cellules, html;
    for (const QString& ligne : donnees->text().split('\n', Qt::SkipEmptyParts))
        cellules << (lignes << ligne.split('\t')).back();
    static const QRegularExpression cellule("<t[dh]>([^<]*)</t[dh]>");
    for (auto m = cellule.globalMatch(donnees->html()); m.hasNext();)
        html << m.next().captured(1);
    EXPECT_EQ(html, cellules);
    return lignes;
}

double Nombre(QString texte) {
    return texte.replace(',', '.').toDouble();
}

} // namespace

TEST_F(Comportement, TableauCommeLesBoites) {
    for (auto [rang, valeur] : {std::pair{0, -35}, {1, 80}, {7, 100}, {10, -5}})
        Regle(rang, valeur);
    f().mnuCopierTableau->trigger();
    auto lignes = TableauCopie();
    ASSERT_EQ(lignes.size(), 12);
    EXPECT_EQ(lignes[0], QStringList({"Rang", "Amplitude (%)"}));
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(lignes[n + 1], QStringList({QString::number(n), f().txtHarmonic[n]->text()}));

    const std::pair<int, const char*> cas[] = {{0, "50"}, {0, "33"}, {1, "50"}, {1, "20"},
                                               {2, "50"}, {2, "0"},  {2, "100"}};
    for (auto [signal, rapport] : cas) {
        Prepare(signal, rapport, {});
        f().mnuCopierTableau->trigger();
        lignes = TableauCopie();
        ASSERT_EQ(lignes.size(), 12) << signal << " " << rapport;
        EXPECT_EQ(lignes[0], QStringList({"Rang", "An", "Bn", "Cn", "φn"}));
        EXPECT_EQ(lignes[1], QStringList({"0", f().txtHarmonic[0]->text(), "", "", ""}));
        for (int n = 1; n <= 10; ++n)
            EXPECT_EQ(
                lignes[n + 1],
                QStringList({QString::number(n), f().TxtAn[n - 1]->text(), f().txtBn[n - 1]->text(),
                             f().txtCn[n - 1]->text(), f().txtPhin[n - 1]->text()}))
                << signal << " " << rapport << " rang " << n;
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
    for (int i : {0, 17, 50, 83}) {
        double somme = 0;
        for (int k = 11; k <= 2000; ++k) {
            ASSERT_EQ(lignes[k + 1][0], QString::number(k));
            const double x = 2 * M_PI * k * i / 100;
            somme +=
                Nombre(lignes[k + 1][1]) * std::cos(x) + Nombre(lignes[k + 1][2]) * std::sin(x);
        }
        EXPECT_NEAR(somme, etat().SommeRangsSup[i], 0.05) << "échantillon " << i;
    }

    // A duty cycle the triangle cannot take: the boxes still show the rectangle's coefficients,
    // which must not be copied as the triangle's.
    AttendMessage([&] {
        f().txtRapportCyclique->setText("0");
        ChoisitSignal(1);
    });
    AttendMessage([&] { f().mnuCopierTableau->trigger(); },
                  "Les coefficients ne peuvent pas être calculés pour ce rapport cyclique.\nLe "
                  "tableau n'a pas été copié.");
    EXPECT_EQ(TableauCopie().size(), 2002);
}

TEST_F(Comportement, ExportParLeDialogue) {
    QTemporaryDir dossier;
    const struct {
        const char* nom;
        int filtre;
        const char* fichier;
        QByteArray debut;
    } cas[] = {
        {"a", 1, "a.pdf", "%PDF"}, {"b.SVG", 2, "b.SVG", "<?xml"}, {"c", 2, "c.png", "\x89PNG"}};
    for (const auto& c : cas) {
        BoiteModale boite([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_TRUE(d);
            auto* types = d->findChild<QComboBox*>("fileTypeCombo");
            types->setCurrentIndex(c.filtre);
            emit types->activated(c.filtre);
            emit types->textActivated(types->currentText());
            d->findChild<QLineEdit*>("fileNameEdit")->setText(dossier.filePath(c.nom));
            QMetaObject::invokeMethod(d, "accept");
        });
        f().mnuExporter->trigger();
        QFile fichier(dossier.filePath(c.fichier));
        EXPECT_TRUE(fichier.open(QIODevice::ReadOnly) && fichier.read(c.debut.size()) == c.debut)
            << c.fichier;
    }
}
