#include "ui/RoutinesOndalis.h"

#include "OndalisVersion.h"
#include "calcul/Nombres.h"
#include "calcul/Reglage.h"
#include "calcul/Signaux.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/CurseurVertical.h"
#include "ui/TextesCouleurs.h"
#include "ui/ZonesTexte.h"
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
    return QString::fromStdString(TexteEntier(valeur, SeparateurDecimal()));
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

// A read-only box shown again with the same text: laying it out and painting it again would
// show nothing new.
void EcritSiChange(QLineEdit& boite, const std::string& texte) {
    const QString nouveau = QString::fromStdString(texte);
    if (boite.text() != nouveau) boite.setText(nouveau);
}

} // namespace

void Avertit(FrmOndalis& f, const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral(ONDALIS_TITRE), TexteQt(texte),
                      QMessageBox::Ok, &f);
    boite.exec();
}

QString TexteSeparateurDecimal() {
    // Names the separator the reading expects, that of the user's locale.
    return SeparateurDecimal() == '.'
               ? QStringLiteral("Attention le séparateur décimal est le point.")
               : QStringLiteral("Attention le séparateur décimal est la virgule.");
}

void CalculeSignalChoisi(FrmOndalis& f) {
    Etat& etat = f.etat();
    const char separateur = SeparateurDecimal();
    etat.RapportCyclique =
        LitRapportCyclique(f.txtRapportCyclique->text().toStdString(), separateur);
    const int index = f.cboChoixSignal->currentIndex();
    if (index < 0 || index > 2) return;
    if (index == 2) FixeValeurMoyenneDentsDeScie(f);
    CalculeSignal(etat, index, [&](std::int16_t rang, const CoefficientsRang& coefficients) {
        const TextesCoefficients textes = TexteCoefficients(coefficients, separateur);
        const int i = rang - 1;
        EcritSiChange(*f.TxtAn[i], textes.An);
        EcritSiChange(*f.txtBn[i], textes.Bn);
        EcritSiChange(*f.txtCn[i], textes.Cn);
        EcritSiChange(*f.txtPhin[i], textes.Phin);
    });
}

void RAZHarmoniques(FrmOndalis& f) {
    Etat& etat = f.etat();
    const DrapeauRAZ drapeau(etat);
    for (std::int16_t rang = 0; rang < NombreRangs; ++rang) {
        f.scrHarmonic[rang]->DefinitValeur(0);
        etat.Validation[rang] = 0;
        f.chkHarmonic[rang]->setChecked(false);
    }
}

void EffaceGraphes(FrmOndalis& f) {
    const Graphes graphes = f.graphes();
    graphes.harmonic->Efface();
    graphes.signal->Efface();
}

void RAZComplete(FrmOndalis& f) {
    RAZHarmoniques(f);
    EffaceGraphes(f);
}

void CalculeHarmoniqueReglee(FrmOndalis& f, std::int16_t n) {
    const QString texte = f.txtHarmonic[n]->text();
    RemplitColonneReglee(f.etat(), n, LitNombre(texte.toStdString(), SeparateurDecimal()));
}

void ValideHarmonique(FrmOndalis& f, std::int16_t n) {
    f.etat().Validation[n] = 1;
}

void DevalideHarmonique(FrmOndalis& f, std::int16_t n) {
    f.etat().Validation[n] = 0;
    f.chkHarmonic[n]->setChecked(false);
}

void CalculeOuSignaleErreur(FrmOndalis& f, const std::function<void()>& calcul) {
    try {
        calcul();
    } catch (const ErreurExecution&) {
        SignaleErreurRapportCyclique(f);
    }
}

void SignaleErreurRapportCyclique(FrmOndalis& f) {
    Avertit(f, QStringLiteral("Le format du rapport cyclique est incorrect.\r") +
                   TexteSeparateurDecimal());
    f.txtRapportCyclique->setFocus();
}

} // namespace Calcul_Graphe
