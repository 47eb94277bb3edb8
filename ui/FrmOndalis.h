// Main window "Ondalis - Version Béta": every control the user works with.
//
// Event -> handler (named after its control and event, e.g. cboChoixSignal_Click) -> routines
// of Calcul_Graphe -> pure kernels in calcul/ -> texts written into the controls below and
// curves drawn on the graph surfaces. The design (places, captions, fonts, tab order) is data,
// in FrmOndalisDesign.cpp; the handlers live in FrmOndalisEvenements.cpp.
#pragma once

#include "calcul/Etat.h"
#include "graphe/Graphes.h"

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class ServicesApplication;
class CurseurVertical;
class ZoneTexte;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
namespace Calcul_Graphe {
class Impression;
struct Lecon;
class LectureSon;
}

class FrmOndalis : public QMainWindow {
    Q_OBJECT
public:
    // The state it shows and changes, the surfaces it draws on, and the application's services.
    FrmOndalis(Calcul_Graphe::Etat& etat, const Calcul_Graphe::Graphes& graphes,
               ServicesApplication& services, QWidget* parent = nullptr);
    ~FrmOndalis() override;

    // Controls, under their design names. Rank n is index n of scrHarmonic, txtHarmonic and
    // chkHarmonic, and index n - 1 of TxtAn, txtBn, txtCn, txtPhin and lblnoRang.
    std::array<QPushButton*, 2> optChoix{}; // checkable, auto-exclusive: option buttons
    QLabel* LblValidation = nullptr;
    QPushButton* cmdRAZ = nullptr;
    QCheckBox* chkNoAuto = nullptr;
    QPushButton* cmdCalculer = nullptr;
    QPushButton* chkHarmonicSup = nullptr; // checkable: a check box drawn as a push button
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboChoixSignal = nullptr;
    QLabel* lblRapportCyclique = nullptr;
    QLineEdit* txtRapportCyclique = nullptr;
    QPushButton* cmdRapportCyclique = nullptr;
    QLabel* imgSignal = nullptr;
    QLabel* imgRectangulaire = nullptr;
    QLabel* imgTriangle = nullptr;
    QLabel* imgDentsdeScie = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    QTimer* Timer1 = nullptr;

    std::array<ZoneTexte*, 11> txtHarmonic{};
    std::array<CurseurVertical*, 11> scrHarmonic{};
    std::array<QCheckBox*, 11> chkHarmonic{};
    std::array<QLabel*, 4> lblHarmonic{};

    std::array<QLabel*, 10> lblnoRang{};
    std::array<QLineEdit*, 10> TxtAn{};
    std::array<QLineEdit*, 10> txtBn{};
    std::array<QLineEdit*, 10> txtCn{};
    std::array<QLineEdit*, 10> txtPhin{};
    std::array<QLabel*, 2> lblRang{};
    std::array<QLabel*, 2> lblAn{};
    std::array<QLabel*, 2> lblBn{};
    std::array<QLabel*, 2> lblCn{};
    std::array<QLabel*, 2> lblPhin{};
    std::array<QLabel*, 2> lblPhin2{};

    QMenu* mnuFichier = nullptr;
    QAction* mnuOuvrir = nullptr;
    QAction* mnuEnregister = nullptr;
    QAction* mnuImprimer = nullptr;
    QAction* mnuExporter = nullptr;
    QAction* mnuQuitter = nullptr;
    QMenu* mnuEdition = nullptr;
    QAction* mnuCopierHarmonic = nullptr;
    QAction* mnuCopierSignal = nullptr;
    QAction* mnuCopierTableau = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuRang = nullptr;
    QMenu* mnuAffichage = nullptr;
    QAction* mnuAffichageAide = nullptr;
    QAction* mnuGrapheSignal = nullptr;
    QMenu* mnuSon = nullptr;
    QAction* mnuEcouter = nullptr; // checkable
    QAction* mnuFrequence = nullptr;
    QAction* mnuEnregistrerSon = nullptr;
    QMenu* mnuAide = nullptr;
    QAction* mnuApropos = nullptr;

    Calcul_Graphe::Etat& etat() const { return etat_; }
    const Calcul_Graphe::Graphes& graphes() const { return graphes_; }

    // Makes the controls agree with ModeChoixSignal after a mode switch.
    void AfficheChoixSignal();

    // Handlers. Setting a slider or a check box from code runs its handler before the setter
    // returns, and only on a real change (direct connections to valueChanged / toggled).
    void Form_Load();
    void optChoix_Click(std::int16_t Index);
    void cboChoixSignal_Click();
    void cmdRapportCyclique_Click();
    void Timer1_Timer();
    void chkHarmonic_Click(std::int16_t Index);
    void scrHarmonic_Change(std::int16_t Index);
    void scrHarmonic_Scroll(std::int16_t Index);
    void txtHarmonic_Click(std::int16_t Index);
    void txtHarmonic_DblClick(std::int16_t Index);
    void chkNoAuto_Click();
    void cmdCalculer_Click();
    void cmdRAZ_Click();
    void chkHarmonicSup_Click();
    void mnuRang_Click();
    void mnuOuvrir_Click();
    void mnuEnregister_Click();
    void mnuImprimer_Click();
    void mnuExporter_Click();
    void mnuCopierHarmonic_Click();
    void mnuCopierSignal_Click();
    void mnuCopierTableau_Click();
    void mnuAffichageAide_Click();
    void mnuGrapheSignal_Click();
    void mnuApropos_Click();
    void mnuQuitter_Click();
    void mnuEcouter_Click();
    void mnuFrequence_Click();
    void mnuEnregistrerSon_Click();

    // The sound of the rebuilt signal, as its graph shows it (FrmOndalisSon.cpp).
    Calcul_Graphe::LectureSon& son() const { return *son_; }

    // Lessons (FrmOndalisLecons.cpp). Opening a file that is no lesson says why, naming the
    // file, and changes nothing; a failed save says why and leaves the earlier file as it was.
    bool OuvreLecon(const QString& chemin);
    bool EnregistreLecon(const QString& chemin);
    Calcul_Graphe::Lecon LeconAffichee() const;
    // Sliders, texts and boxes as the lesson has them, and both graphs drawn from it.
    void MetLecon(const Calcul_Graphe::Lecon& lecon);

protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void PlaceEnHautADroite(); // the load's placement, in twips
    void ConstruitControles(); // the design tables, turned into widgets
    void ConstruitMenus();
    void ConnecteEvenements();
    void RecopieCurseurs(); // every amplitude text from its slider
    void EcritAmplitude(std::size_t n); // rank n's amplitude text from its slider
    QSize TailleDessin() const; // the client area of the design plus the menu bar
    void SuitLeSignal(); // the sound follows every redraw of the signal graph

    Calcul_Graphe::Etat& etat_;
    Calcul_Graphe::Graphes graphes_;
    ServicesApplication& services_;
    std::unique_ptr<Calcul_Graphe::Impression> impression_; // at the first print
    QString dernierExport_; // the file the export dialog proposes
    QString derniereLecon_; // the save dialog starts from the last lesson opened or saved
    std::unique_ptr<Calcul_Graphe::LectureSon> son_;
    bool spectreAttendu_ = false; // a redraw of the signal is to be heard
};
