// Shared fixture of the main window's behaviour tests: a fresh application per test, actions
// through the real widgets, and readings of the controls, the state and the surfaces' pixels.
#pragma once

#include "app/Ondalis.h"
#include "commun/BoiteModale.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

inline const QString MessageRapport("Le format du rapport cyclique est incorrect.\nAttention le "
                                    "séparateur décimal est la virgule.");
// Palette colours as the surfaces draw them: rank 0, rank 1, rank 3, rebuilt signal.
inline constexpr QRgb Noir = 0x000000, Bleu = 0x000080, Cyan = 0x008080, RougeClair = 0xFF0000;

// Any modal box is a failure, closed so the test goes on, but RepondOk's plain message box.
inline void RefuseTouteBoite(QWidget* boite) {
    ADD_FAILURE() << "boîte inattendue: " << boite->windowTitle().toStdString();
    qobject_cast<QDialog*>(boite)->reject();
}
inline void RepondOk(QWidget* boite) {
    auto* m = qobject_cast<QMessageBox*>(boite);
    if (m && m->icon() == QMessageBox::NoIcon && m->buttons().size() == 1)
        return m->button(QMessageBox::Ok)->click();
    RefuseTouteBoite(boite);
}

class Comportement : public ::testing::Test {
protected:
    void SetUp() override { app.Main(); }
    FrmOndalis& f() { return app.frmOndalis(); }
    Etat& etat() { return app.etat(); }
    SurfaceGraphe& harmoniques() { return *app.graphes().harmonic; }
    SurfaceGraphe& signal() { return *app.graphes().signal; }

    void ChoisitMode(int index) { QTest::mouseClick(f().optChoix[index], Qt::LeftButton); }
    // The list reports a user's choice with `activated`, also when the item does not change.
    void ChoisitSignal(int index) {
        f().cboChoixSignal->setCurrentIndex(index);
        emit f().cboChoixSignal->activated(index);
    }
    void Coche(int rang) { f().chkHarmonic[rang]->click(); } // ticks or unticks
    // A completed slider change, as an arrow key or the end of a drag gives it.
    void Regle(int rang, int valeur) { f().scrHarmonic[rang]->DefinitValeur(valeur); }
    // Signal `signal` chosen at `rapport` with `rangs` ticked, the focus away from the duty cycle.
    void Prepare(int signal, const QString& rapport, std::initializer_list<int> rangs) {
        if (etat().ModeChoixSignal == Faux) ChoisitMode(1);
        f().txtRapportCyclique->setText(rapport);
        ChoisitSignal(signal);
        for (const int rang : rangs)
            Coche(rang);
        f().cboChoixSignal->setFocus();
    }
    // Answers the last-rank entry (nullopt: cancels); `suite` answers the
    // box that may follow, while the returned guard lives.
    std::unique_ptr<BoiteModale> RepondRang(std::optional<QString> reponse,
                                            std::function<void(QWidget*)> suite = nullptr) {
        std::unique_ptr<BoiteModale> suivante;
        BoiteModale boite([&](QWidget* w) {
            auto* saisie = qobject_cast<QInputDialog*>(w);
            if (!saisie) return RefuseTouteBoite(w);
            if (suite) suivante = std::make_unique<BoiteModale>(suite);
            if (reponse) saisie->setTextValue(*reponse);
            saisie->done(reponse ? QDialog::Accepted : QDialog::Rejected);
        });
        f().mnuRang->trigger();
        EXPECT_TRUE(boite.vue() && boite.titre() == "Rang supérieur");
        return suivante;
    }
    // The message `texte` was shown, titled "Ondalis"; the duty-cycle one puts the focus back
    // into its box (moved away again after the check).
    void VerifieMessage(const BoiteModale& boite, const QString& texte = MessageRapport) {
        EXPECT_TRUE(boite.vue() && boite.titre() == "Ondalis");
        EXPECT_EQ(boite.texte(), texte);
        EXPECT_TRUE(texte != MessageRapport || f().focusWidget() == f().txtRapportCyclique);
        f().cboChoixSignal->setFocus();
    }
    void AttendMessage(const std::function<void()>& action, const QString& texte = MessageRapport) {
        BoiteModale boite(RepondOk);
        action();
        VerifieMessage(boite, texte);
    }
    bool Nus() { return harmoniques().Traits().empty() && signal().Traits().empty(); }

    // What a failed action must leave untouched: texts, ticks, state and surfaces.
    auto Photographie() {
        QStringList textes, coches;
        for (const QLineEdit* t : f().findChildren<QLineEdit*>())
            textes << t->text();
        for (const QCheckBox* c : f().findChildren<QCheckBox*>())
            coches << QString::number(c->isChecked());
        const auto& e = etat();
        return std::tuple{
            textes, coches, e.Validation, e.Harmonique, harmoniques().Image(), signal().Image()};
    }

    // Whether a curve in `couleur` crosses the column of sample k within `ecart` pixels of the
    // value v (axis at 2240 twips, 22 twips per percent, 15 twips per pixel); without v, at all.
    static bool Passe(const QImage& image, QRgb couleur, int k, double v = NAN, double ecart = 3) {
        const int x = qRound((290 + 68 * k) / 15.0);
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) & 0xFFFFFF) == couleur &&
                !(std::abs(y - (2240 - 22 * v) / 15) > ecart))
                return true;
        return false;
    }

    Ondalis app;
};
