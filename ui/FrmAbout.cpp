#include "ui/FrmAbout.h"

#include "graphe/RectTwips.h"

#include "OndalisVersion.h"
#include "calcul/Twips.h"
#include "graphe/Icone.h"
#include "ui/TextesCouleurs.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

using namespace Calcul_Graphe;

namespace {

// Client area and its place on the screen, in twips.
constexpr int LargeurClient = 5730;
constexpr int HauteurClient = 4680;
constexpr int GaucheClient = 2340;
constexpr int HautClient = 1935;

// A label of the design: place in twips, Times New Roman at the given size, black or blue.
struct Etiquette {
    QLabel* FrmAbout::*controle;
    int index; // -1, or the index in lblDescription
    const char* nom;
    const char* texte;
    int gauche, haut, largeur, hauteur;
    double points;
    bool gras, souligne, bleu;
};

// Author block and address: a neutral text and a reserved example domain.
const Etiquette Etiquettes[] = {
    {&FrmAbout::lblTitle, -1, "lblTitle", "", 1050, 240, 3885, 480, 14.25, true, false, true},
    {&FrmAbout::lblVersion, -1, "lblVersion", "Version " ONDALIS_VERSION, 1050, 780, 3885, 225,
     9.75, false, false, false},
    {&FrmAbout::Label5, -1, "Label5", "Description", 1080, 1080, 1215, 255, 9.75, false, false,
     false},
    {nullptr, 0, "lblDescription(0)",
     "Reconstitution d'un signal par addition des harmoniques de rang 1 à 10 et de sa valeur "
     "moyenne.",
     1200, 1365, 3885, 450, 8.25, false, false, false},
    {nullptr, 1, "lblDescription(1)",
     "Possibilité de régler l'amplitude de chaque harmonique ou de choisir un signal prédéfini",
     1200, 1800, 3885, 570, 8.25, false, false, false},
    {&FrmAbout::Label4, -1, "Label4", "Auteur :", 1080, 2400, 1095, 375, 9.75, false, true, false},
    {&FrmAbout::Label3, -1, "Label3", "L'équipe Ondalis", 2160, 2400, 1575, 615, 9.75, false, false,
     false},
    {&FrmAbout::lblEmail, -1, "lblEmail", "contact@example.org", 2160, 2880, 2415, 255, 9.75, false,
     true, true},
    {&FrmAbout::Label2, -1, "Label2", "Avertissement :", 360, 3240, 1455, 255, 9.75, false, true,
     false},
    {&FrmAbout::lblDisclaimer, -1, "lblDisclaimer", "  ", 360, 3480, 3495, 705, 9.0, false, false,
     false},
    {&FrmAbout::Label1, -1, "Label1",
     "  Toute remarque permettant l'améloration de ce logiciel est la bienvenue.", 360, 3960, 3375,
     495, 9.0, false, false, false},
};

// One transparent icon for every About box: the X platform keeps a picture of each icon it is
// given in Qt's pixmap cache, so a fresh icon per box would leave one more picture each time.
const QIcon& IconeVide() {
    static const QIcon icone = [] {
        QPixmap vide(16, 16);
        vide.fill(Qt::transparent);
        return QIcon(vide);
    }();
    return icone;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    // Closing unloads it: the next use of the menu entry loads a fresh one.
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // No icon in the title bar, whatever icon the application carries.
    setWindowIcon(IconeVide());
    // The design places the client area itself; no code moves it afterwards.
    setGeometry(RectTwips(GaucheClient, HautClient, LargeurClient, HauteurClient));
    setFixedSize(TwipsVersPixels(LargeurClient), TwipsVersPixels(HauteurClient));
    // Its texts have fixed colours: so has the face they are written on.
    FixeCouleurs(this, Qt::black, FaceClaire());

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(RectTwips(4365, 3585, 1260, 465));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(RectTwips(120, 240, 480, 480));
    // Drawn for the screen's pixel ratio, so it stays sharp when the desktop is scaled.
    picIcon->setPixmap(IconeProgramme().pixmap(QSize(32, 32), devicePixelRatioF()));

    for (const Etiquette& e : Etiquettes) {
        auto* etiquette = new QLabel(TexteQt(QString::fromUtf8(e.texte)), this);
        etiquette->setObjectName(QString::fromLatin1(e.nom));
        etiquette->setGeometry(RectTwips(e.gauche, e.haut, e.largeur, e.hauteur));
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etiquette->setWordWrap(true);
        // The address looks like a link but a click on it does nothing.
        etiquette->setTextInteractionFlags(Qt::NoTextInteraction);
        QFont police(QStringLiteral("Times New Roman"));
        police.setPointSizeF(e.points);
        police.setBold(e.gras);
        police.setUnderline(e.souligne);
        etiquette->setFont(police);
        QPalette palette = etiquette->palette();
        palette.setColor(QPalette::WindowText, e.bleu ? QColor(0x00, 0x00, 0xFF) : Qt::black);
        etiquette->setPalette(palette);
        if (e.controle)
            this->*(e.controle) = etiquette;
        else
            lblDescription[static_cast<std::size_t>(e.index)] = etiquette;
    }

    // The only control that takes the focus, so Enter presses it from the start.
    cmdOK->setFocus();
    Form_Load();
}

void FrmAbout::Form_Load() {
    const QString titre = QStringLiteral(ONDALIS_TITRE);
    setWindowTitle(QStringLiteral("À propos de ") + titre);
    lblVersion->setText(QStringLiteral("Version " ONDALIS_VERSION));
    lblTitle->setText(titre);
}

void FrmAbout::cmdOK_Click() {
    close();
}

void FrmAbout::paintEvent(QPaintEvent* evenement) {
    QDialog::paintEvent(evenement);
    // The etched separator: a grey line with a white line two pixels thick just under it.
    QPainter peintre(this);
    const int haut = TwipsVersPixels(3165);
    const int gaucheGris = TwipsVersPixels(120);
    peintre.fillRect(gaucheGris, haut, TwipsVersPixels(5684) - gaucheGris, 1,
                     QColor(0x80, 0x80, 0x80));
    const int gaucheBlanc = TwipsVersPixels(105);
    peintre.fillRect(gaucheBlanc, TwipsVersPixels(3180), TwipsVersPixels(5654) - gaucheBlanc, 2,
                     Qt::white);
}
