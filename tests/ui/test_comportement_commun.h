// Shared fixture of the main window's behaviour tests: a fresh application per test, actions
// through the real widgets, and readings of the controls, the state and the surfaces' pixels.
#pragma once

#include "app/Ondalis.h"
#include "commun/BoiteModale.h"
#include "graphe/SurfaceGraphe.h"
#include "ui/Adaptateurs.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalis.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

inline const QString MessageRapportCyclique =
    QStringLiteral("Le format du rapport cyclique est incorrect.\nAttention le séparateur décimal "
                   "est la virgule.");

// Palette colours as the surfaces draw them.
inline constexpr QRgb Cyan = 0x008080;       // rank 3
inline constexpr QRgb RougeClair = 0xFF0000; // rebuilt signal
inline constexpr QRgb Noir = 0x000000;       // rank 0

// Answers a message box with its OK button after checking its form; anything else is refused.
inline std::function<void(QWidget*)> RepondOk() {
    return [](QWidget* boite) {
        auto* message = qobject_cast<QMessageBox*>(boite);
        if (!message) {
            ADD_FAILURE() << "pas une boîte de message";
            if (auto* dialogue = qobject_cast<QDialog*>(boite)) dialogue->reject();
            return;
        }
        EXPECT_EQ(message->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(message->buttons().size(), 1);
        message->button(QMessageBox::Ok)->click();
    };
}

// Any modal box is a failure; it is closed so the test goes on.
inline std::function<void(QWidget*)> RefuseTouteBoite() {
    return [](QWidget* boite) {
        ADD_FAILURE() << "boîte inattendue: " << boite->windowTitle().toStdString();
        if (auto* dialogue = qobject_cast<QDialog*>(boite)) dialogue->reject();
    };
}

// What a failed action must leave untouched.
struct Instantane {
    QStringList textes; // coefficient table, amplitude texts, duty cycle
    std::array<bool, 11> coches{};
    std::array<std::int16_t, 11> validation{};
    std::array<std::array<float, 11>, 101> harmonique{};
    QImage imageHarmonique, imageSignal;
    bool operator==(const Instantane&) const = default;
};

class Comportement : public ::testing::Test {
protected:
    void SetUp() override { app.Main(); }

    FrmOndalis& f() { return app.frmOndalis(); }
    Calcul_Graphe::Etat& etat() { return app.etat(); }
    SurfaceGraphe& surfaceHarmonique() { return *app.graphes().harmonique; }
    SurfaceGraphe& surfaceSignal() { return *app.graphes().signal; }

    void ChoisitMode(int index) { QTest::mouseClick(f().optChoix[index], Qt::LeftButton); }
    // The list reports a user's choice with `activated`, also when the item does not change.
    void ChoisitSignal(int index) {
        f().cboChoixSignal->setCurrentIndex(index);
        emit f().cboChoixSignal->activated(index);
    }
    void ConfirmeRapport(const QString& texte) {
        f().txtRapportCyclique->setText(texte);
        QTest::mouseClick(f().cmdRapportCyclique, Qt::LeftButton);
    }
    void Coche(int rang, bool coche = true) {
        if (f().chkHarmonic[rang]->isChecked() != coche) f().chkHarmonic[rang]->click();
    }
    // A completed slider change, as an arrow key or the end of a drag gives it.
    void Regle(int rang, int valeur) { f().scrHarmonic[rang]->DefinitValeur(valeur); }
    // The last-rank entry answered with `reponse` (empty optional: cancelled).
    void RepondRang(const std::optional<QString>& reponse) {
        BoiteModale boite([reponse](QWidget* w) {
            auto* saisie = qobject_cast<QInputDialog*>(w);
            ASSERT_NE(saisie, nullptr);
            if (!reponse) return saisie->reject();
            saisie->setTextValue(*reponse);
            saisie->accept();
        });
        f().mnuRang->trigger();
        EXPECT_TRUE(boite.vue());
    }

    QStringList TextesCoefficients() {
        QStringList textes;
        for (int i = 0; i < 10; ++i)
            textes << f().TxtAn[i]->text() << f().txtBn[i]->text() << f().txtCn[i]->text()
                   << f().txtPhin[i]->text();
        return textes;
    }
    Instantane Photographie() {
        Instantane p;
        p.textes = TextesCoefficients();
        for (int n = 0; n < 11; ++n) {
            p.textes << f().txtHarmonic[n]->text();
            p.coches[n] = f().chkHarmonic[n]->isChecked();
        }
        p.textes << f().txtRapportCyclique->text();
        p.validation = etat().Validation;
        p.harmonique = etat().Harmonique;
        p.imageHarmonique = surfaceHarmonique().Image();
        p.imageSignal = surfaceSignal().Image();
        return p;
    }

    // Rows of column x (pixels) of a surface image drawn in `couleur`.
    static std::vector<int> Lignes(const QImage& image, int x, QRgb couleur) {
        std::vector<int> lignes;
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) & 0xFFFFFF) == couleur) lignes.push_back(y);
        return lignes;
    }
    static bool Contient(const QImage& image, QRgb couleur) {
        for (int x = 0; x < image.width(); ++x)
            if (!Lignes(image, x, couleur).empty()) return true;
        return false;
    }
    // Pixel column of sample k and pixel row of a value v at 22 twips per percent.
    static int Colonne(int k) { return qRound((290 + 68 * k) / 15.0); }
    static double Ligne(double v) { return (2240 - 22 * v) / 15.0; }

    Ondalis app;
};
