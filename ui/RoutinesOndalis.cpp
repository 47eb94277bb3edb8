#include "ui/RoutinesOndalis.h"

#include "app/Ondalis.h"
#include "calcul/Nombres.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmOndalis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

namespace Calcul_Graphe {

char SeparateurDecimal() {
    const QString point = QLocale().decimalPoint();
    // A separator outside ASCII cannot be typed back through the number reading: use '.'.
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

QString TexteEntier(int valeur) {
    return QString::fromStdString(TexteNombre(static_cast<double>(valeur), SeparateurDecimal()));
}

namespace {

// Sawtooth, before its coefficients: mean value 50, set, ticked and locked. Each change raises
// its handler at once, which writes the text, validates rank 0 and draws.
void FixeValeurMoyenneDentsDeScie(FrmOndalis& f) {
    f.scrHarmonic[0]->DefinitValeur(50);
    f.scrHarmonic[0]->setEnabled(false);
    f.chkHarmonic[0]->setChecked(true);
    f.chkHarmonic[0]->setEnabled(false);
}

// Clears RAZEnCours however the reset ends, so the sliders never stay mute.
struct DrapeauRAZ {
    explicit DrapeauRAZ(Etat& etat) : etat_(etat) { etat_.RAZEnCours = Vrai; }
    ~DrapeauRAZ() { etat_.RAZEnCours = Faux; }
    DrapeauRAZ(const DrapeauRAZ&) = delete;
    DrapeauRAZ& operator=(const DrapeauRAZ&) = delete;
    Etat& etat_;
};

void Avertit(Ondalis& app, const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral(ONDALIS_TITRE), TexteQt(texte),
                      QMessageBox::Ok, &app.frmOndalis());
    boite.exec();
}

} // namespace

void CalculeSignalChoisi(Ondalis& app) {
    FrmOndalis& f = app.frmOndalis();
    Etat& etat = app.etat();
    const char separateur = SeparateurDecimal();
    etat.RapportCyclique =
        LitRapportCyclique(f.txtRapportCyclique->text().toStdString(), separateur);
    const int index = f.cboChoixSignal->currentIndex();
    if (index < 0 || index > 2) return;
    if (index == 2) FixeValeurMoyenneDentsDeScie(f);
    CalculeSignal(etat, index, [&](std::int16_t rang, const CoefficientsRang& coefficients) {
        const TextesCoefficients textes = TexteCoefficients(coefficients, separateur);
        const int i = rang - 1;
        f.TxtAn[i]->setText(QString::fromStdString(textes.An));
        f.txtBn[i]->setText(QString::fromStdString(textes.Bn));
        f.txtCn[i]->setText(QString::fromStdString(textes.Cn));
        f.txtPhin[i]->setText(QString::fromStdString(textes.Phin));
    });
}

void RAZHarmoniques(Ondalis& app) {
    FrmOndalis& f = app.frmOndalis();
    Etat& etat = app.etat();
    const DrapeauRAZ drapeau(etat);
    // A counter of its own: the nested handlers use the shared one.
    for (std::int16_t rang = 0; rang < NombreRangs; ++rang) {
        f.scrHarmonic[rang]->DefinitValeur(0);
        etat.Validation[rang] = 0;
        f.chkHarmonic[rang]->setChecked(false);
    }
}

void EffaceGraphes(Ondalis& app) {
    const Graphes graphes = app.graphes();
    graphes.harmonique->Efface();
    graphes.signal->Efface();
}

void RAZComplete(Ondalis& app) {
    RAZHarmoniques(app);
    EffaceGraphes(app);
}

void CalculeHarmoniqueReglee(Ondalis& app, std::int16_t n) {
    const QString texte = app.frmOndalis().txtHarmonic[n]->text();
    RemplitColonneReglee(app.etat(), n, LitNombre(texte.toStdString(), SeparateurDecimal()));
}

void ValideHarmonique(Ondalis& app, std::int16_t n) {
    app.etat().Validation[n] = 1;
}

void DevalideHarmonique(Ondalis& app, std::int16_t n) {
    app.etat().Validation[n] = 0;
    app.frmOndalis().chkHarmonic[n]->setChecked(false);
}

void FonctionNonDisponible(Ondalis& app) {
    Avertit(app, QStringLiteral("C'est fonction n'est pas disponible dans la version Béta"));
}

void SignaleErreurRapportCyclique(Ondalis& app) {
    // The second line names the separator the reading expects, that of the user's locale.
    const QString separateur =
        SeparateurDecimal() == '.'
            ? QStringLiteral("Attention le séparateur décimal est le point.")
            : QStringLiteral("Attention le séparateur décimal est la virgule.");
    Avertit(app, QStringLiteral("Le format du rapport cyclique est incorrect.\r") + separateur);
    app.frmOndalis().txtRapportCyclique->setFocus();
}

} // namespace Calcul_Graphe
