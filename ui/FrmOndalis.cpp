// The main window: its controls built from the design tables, its menus, the wiring of every
// event to its handler, the load, the hover texts and the end of the run.
#include "ui/FrmOndalis.h"

#include "calcul/Twips.h"
#include "graphe/Icone.h"
#include "graphe/RectTwips.h"
#include "output/Sortie.h"
#include "output/SortieSon.h"
#include "ui/Accessibilite.h"
#include "ui/CurseurVertical.h"
#include "ui/StyleListe.h"
#include "ui/TextesCouleurs.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmAide.h"
#include "ui/FrmOndalisDesign.h"
#include "ui/Garde.h"
#include "ui/ImagesSignaux.h"
#include "ui/StyleCase.h"
#include "ui/TextesAide.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

using namespace Calcul_Graphe;
using namespace DessinOndalis;

namespace {

QFont PoliceDe(Police police) {
    QFont f(QStringLiteral("Times New Roman"));
    switch (police) {
    case Police::Defaut:
        // The window sets no font: a small sans-serif, slightly narrowed so that captions
        // sized for the system's dialog font fit their boxes.
        f = QFont(QStringLiteral("Arial"));
        f.setPointSizeF(8.25);
        f.setStretch(90);
        break;
    case Police::Choix:
        f.setPointSizeF(12);
        f.setBold(true);
        break;
    case Police::Invite:
        f.setPointSizeF(11.25);
        f.setBold(true);
        break;
    case Police::Petite:
        f.setPointSizeF(8.25);
        break;
    case Police::Minuscule:
        f.setPointSizeF(6);
        break;
    case Police::Phi:
        // The phase title is the Greek letter itself, in a serif font.
        f.setPointSizeF(14.25);
        break;
    }
    return f;
}

QWidget* CreeWidget(const Controle& c, QWidget* parent) {
    const bool enveloppe = c.drapeaux & Enveloppe;
    switch (c.genre) {
    case Genre::Option:
    case Genre::BoutonBascule: {
        auto* bouton = new QPushButton(parent);
        bouton->setCheckable(true);
        bouton->setAutoExclusive(c.genre == Genre::Option);
        bouton->setChecked(c.drapeaux & Coche);
        return bouton;
    }
    case Genre::Bouton:
        return new QPushButton(parent);
    case Genre::Case: {
        auto* caseACocher = new QCheckBox(parent);
        caseACocher->setStyle(StyleCase::Commun());
        return caseACocher;
    }
    case Genre::Etiquette:
    case Genre::Image: {
        // Transparent unless its row gives it a background colour (FondBordure).
        auto* etiquette = new QLabel(parent);
        etiquette->setWordWrap(enveloppe);
        if (c.drapeaux & Bordure) {
            etiquette->setFrameShape(QFrame::Box);
            etiquette->setLineWidth(1);
        }
        if (c.genre == Genre::Image) etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Genre::Liste: {
        auto* liste = new QComboBox(parent);
        auto* style = new StyleListe();
        style->setParent(liste);
        liste->setStyle(style);
        return liste;
    }
    case Genre::Texte: {
        if (c.drapeaux & LectureSeule) return new ZoneValeur(parent);
        auto* boite = new QLineEdit(parent);
        boite->setValidator(new PremiereLigne(boite));
        return boite;
    }
    case Genre::TexteAmplitude:
        return new ZoneTexte(parent);
    case Genre::Curseur: {
        auto* curseur = new CurseurVertical(parent);
        curseur->setFocusPolicy(Qt::StrongFocus);
        // Design ranges; the load gives all eleven +100 to -100.
        curseur->DefinitBornes(c.index == 0 ? 50 : 100, c.index == 0 ? -50 : 0);
        return curseur;
    }
    case Genre::Cadre: {
        auto* cadre = new QFrame(parent);
        cadre->setFrameStyle(QFrame::Box | QFrame::Sunken);
        cadre->setAutoFillBackground(true); // it covers the sliders behind it
        return cadre;
    }
    }
    return nullptr;
}

void DefinitTexte(QWidget* w, const Controle& c) {
    const QString texte = c.texte;
    const int largeurUtile = TwipsVersPixels(c.largeur) - (c.genre == Genre::Case ? 22 : 8);
    const QString affiche = (c.drapeaux & Enveloppe) && c.genre != Genre::Etiquette
                                ? TexteEnveloppe(texte, w->font(), largeurUtile)
                                : texte;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(affiche);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(affiche);
    else if (auto* t = qobject_cast<QLineEdit*>(w))
        t->setText(affiche);
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (c.drapeaux & Centre) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (c.drapeaux & Droite) l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    if (auto* t = qobject_cast<QLineEdit*>(w)) {
        if (c.drapeaux & Centre) t->setAlignment(Qt::AlignCenter);
        t->setReadOnly(c.drapeaux & LectureSeule);
    }
}

// A colour the design fixes comes with its partner, so that the pair stays readable whatever
// the system palette.
void DefinitCouleurs(QWidget* w, const Controle& c) {
    const QColor rouge(0xFF, 0, 0);
    if (c.drapeaux & TexteRouge) FixeCouleurs(w, rouge, FondPour(rouge));
    if (c.drapeaux & FondBordure) FixeCouleurs(w, Qt::black, QColor(0xC0, 0xC0, 0xC0));
}

} // namespace

FrmOndalis::FrmOndalis(Etat& etat, const Graphes& graphes, ServicesApplication& services,
                       QWidget* parent)
    : QMainWindow(parent), etat_(etat), graphes_(graphes), services_(services) {
    InstalleAccessibiliteFenetres(); // before the first slider is made
    setObjectName(QStringLiteral("frmOndalis"));
    setWindowTitle(QStringLiteral("Ondalis - Version Béta"));
    // Fixed size: a title, a system menu and a close box, no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setWindowIcon(IconeProgramme());
    ConstruitControles();
    ConstruitMenus();
    setFixedSize(TailleDessin());
    ConnecteEvenements();
    SuitLeSignal();
}

FrmOndalis::~FrmOndalis() = default;

void FrmOndalis::ConstruitControles() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("zoneClient"));
    client->setFont(PoliceDe(Police::Defaut));
    client->setFixedSize(TwipsVersPixels(LargeurClient), TwipsVersPixels(HauteurClient));
    setCentralWidget(client);

    QHash<QString, QWidget*> widgets;
    for (const Controle& c : Controles()) {
        QWidget* conteneur = c.conteneur == Conteneur::Fenetre  ? client
                             : c.conteneur == Conteneur::Frame1 ? widgets.value("Frame1")
                                                                : widgets.value("Frame2");
        QWidget* w = CreeWidget(c, conteneur);
        const QString nom = NomObjet(c.nom, c.index);
        w->setObjectName(nom);
        if (c.police != Police::Defaut) w->setFont(PoliceDe(c.police));
        DefinitTexte(w, c);
        DefinitCouleurs(w, c);
        w->setGeometry(RectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
        if (!c.bulle.isEmpty()) w->setToolTip(c.bulle);
        if (c.drapeaux & PointeurIcone) w->setCursor(Qt::PointingHandCursor);
        if (c.drapeaux & Cache) w->setVisible(false);
        // Hover texts, and the window's shortcuts taking precedence over text copy.
        w->installEventFilter(this);
        if (!TexteSurvol(c.nom, c.index).isEmpty()) w->setMouseTracking(true);
        DecritControle(*w, c);
        // Labels and pictures lie behind the windowed controls; frames in front of them.
        if (c.genre == Genre::Etiquette || c.genre == Genre::Image) w->lower();
        widgets.insert(nom, w);
    }
    for (QWidget* w : widgets)
        if (qobject_cast<QFrame*>(w) && w->objectName().startsWith(u"Frame")) w->raise();

    auto prend = [&widgets](auto& membre, const QString& nom, int index = -1) {
        using Type = std::remove_pointer_t<std::remove_reference_t<decltype(membre)>>;
        membre = ControleLie<Type>(widgets, nom, index);
    };
    auto prendTableau = [&prend](auto& tableau, const QString& nom) {
        for (int i = 0; i < static_cast<int>(tableau.size()); ++i)
            prend(tableau[i], nom, i);
    };
    prendTableau(optChoix, "optChoix");
    prend(LblValidation, "LblValidation");
    prend(cmdRAZ, "cmdRAZ");
    prend(chkNoAuto, "chkNoAuto");
    prend(cmdCalculer, "cmdCalculer");
    prend(chkHarmonicSup, "chkHarmonicSup");
    prend(Label1, "Label1");
    prend(Label2, "Label2");
    prend(cboChoixSignal, "cboChoixSignal");
    prend(lblRapportCyclique, "lblRapportCyclique");
    prend(txtRapportCyclique, "txtRapportCyclique");
    prend(cmdRapportCyclique, "cmdRapportCyclique");
    prend(imgSignal, "imgSignal");
    prend(imgRectangulaire, "imgRectangulaire");
    prend(imgTriangle, "imgTriangle");
    prend(imgDentsdeScie, "imgDentsdeScie");
    prend(Frame1, "Frame1");
    prend(Frame2, "Frame2");
    prendTableau(txtHarmonic, "txtHarmonic");
    prendTableau(scrHarmonic, "scrHarmonic");
    prendTableau(chkHarmonic, "chkHarmonic");
    prendTableau(lblHarmonic, "lblHarmonic");
    prendTableau(lblnoRang, "lblnoRang");
    prendTableau(TxtAn, "TxtAn");
    prendTableau(txtBn, "txtBn");
    prendTableau(txtCn, "txtCn");
    prendTableau(txtPhin, "txtPhin");
    prendTableau(lblRang, "lblRang");
    prendTableau(lblAn, "lblAn");
    prendTableau(lblBn, "lblBn");
    prendTableau(lblCn, "lblCn");
    prendTableau(lblPhin, "lblPhin");
    prendTableau(lblPhin2, "lblPhin2");

    // The signal pictures, drawn at the screen's ratio.
    const qreal ratio = devicePixelRatioF();
    imgRectangulaire->setPixmap(
        QPixmap::fromImage(DessineImageSignal(FormeSignal::Rectangulaire, ratio)));
    imgTriangle->setPixmap(QPixmap::fromImage(DessineImageSignal(FormeSignal::Triangle, ratio)));
    imgDentsdeScie->setPixmap(
        QPixmap::fromImage(DessineImageSignal(FormeSignal::DentsDeScie, ratio)));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    // Tab order: by tab index; a frame's boxes take their turn at the frame's index.
    std::vector<const Controle*> ordre;
    for (const Controle& c : Controles())
        if (c.conteneur == Conteneur::Fenetre && c.tabulation >= 0) ordre.push_back(&c);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [](auto* a, auto* b) { return a->tabulation < b->tabulation; });
    QWidget* precedent = nullptr;
    auto suivant = [&precedent](QWidget* w) {
        if (w->focusPolicy() == Qt::NoFocus) return;
        if (precedent) setTabOrder(precedent, w);
        precedent = w;
    };
    for (const Controle* c : ordre) {
        if (c->genre != Genre::Cadre) {
            suivant(widgets.value(NomObjet(c->nom, c->index)));
            continue;
        }
        const Conteneur cadre = c->nom == u"Frame1" ? Conteneur::Frame1 : Conteneur::Frame2;
        std::vector<const Controle*> enfants;
        for (const Controle& e : Controles())
            if (e.conteneur == cadre && e.tabulation >= 0) enfants.push_back(&e);
        std::stable_sort(enfants.begin(), enfants.end(),
                         [](auto* a, auto* b) { return a->tabulation < b->tabulation; });
        for (const Controle* e : enfants)
            suivant(widgets.value(NomObjet(e->nom, e->index)));
    }
}

void FrmOndalis::ConstruitMenus() {
    menuBar()->setObjectName(QStringLiteral("barreMenus"));
    QMenu* menu = nullptr;
    for (const EntreeMenu& e : Menus()) {
        const QString nom = QString::fromLatin1(e.nom);
        if (e.menu) {
            menu = menuBar()->addMenu(e.texte);
            menu->setObjectName(nom);
            menu->menuAction()->setObjectName(nom);
            this->*e.menu = menu;
            continue;
        }
        QAction* action = menu->addAction(e.texte);
        action->setObjectName(nom);
        if (!e.raccourci.isEmpty()) {
            action->setShortcut(QKeySequence(e.raccourci, QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setEnabled(e.actif);
        this->*e.entree = action;
    }
}

void FrmOndalis::ConnecteEvenements() {
    // One thread: every connection is direct, so a value set from code runs its handler
    // before the setter returns.
    // Every handler runs under the guard. A calculation error that reaches it can only come
    // from an amplitude text that no longer says what its slider holds: write them again.
    const auto garde = [this](const char* nom, auto gestionnaire) {
        return [this, nom, gestionnaire] {
            Garde(nom, gestionnaire, [this](const ErreurExecution&) { RecopieCurseurs(); });
        };
    };
    for (int i = 0; i < static_cast<int>(optChoix.size()); ++i)
        connect(optChoix[i], &QPushButton::toggled, this, garde("optChoix_Click", [this, i] {
                    if (optChoix[i]->isChecked()) optChoix_Click(static_cast<std::int16_t>(i));
                }));
    connect(cboChoixSignal, &QComboBox::activated, this,
            garde("cboChoixSignal_Click", [this] { cboChoixSignal_Click(); }));
    connect(cmdRapportCyclique, &QPushButton::clicked, this,
            garde("cmdRapportCyclique_Click", [this] { cmdRapportCyclique_Click(); }));
    connect(cmdRAZ, &QPushButton::clicked, this, garde("cmdRAZ_Click", [this] { cmdRAZ_Click(); }));
    connect(cmdCalculer, &QPushButton::clicked, this,
            garde("cmdCalculer_Click", [this] { cmdCalculer_Click(); }));
    connect(chkNoAuto, &QCheckBox::toggled, this,
            garde("chkNoAuto_Click", [this] { chkNoAuto_Click(); }));
    connect(chkHarmonicSup, &QPushButton::toggled, this,
            garde("chkHarmonicSup_Click", [this] { chkHarmonicSup_Click(); }));
    for (int n = 0; n < static_cast<int>(scrHarmonic.size()); ++n) {
        const auto rang = static_cast<std::int16_t>(n);
        connect(chkHarmonic[n], &QCheckBox::toggled, this,
                garde("chkHarmonic_Click", [this, rang] { chkHarmonic_Click(rang); }));
        connect(scrHarmonic[n], &CurseurVertical::change, this,
                garde("scrHarmonic_Change", [this, rang] { scrHarmonic_Change(rang); }));
        connect(scrHarmonic[n], &CurseurVertical::defilement, this,
                garde("scrHarmonic_Scroll", [this, rang] { scrHarmonic_Scroll(rang); }));
        connect(txtHarmonic[n], &ZoneTexte::clic, this,
                garde("txtHarmonic_Click", [this, rang] { txtHarmonic_Click(rang); }));
        connect(txtHarmonic[n], &ZoneTexte::doubleClic, this,
                garde("txtHarmonic_DblClick", [this, rang] { txtHarmonic_DblClick(rang); }));
    }
    connect(Timer1, &QTimer::timeout, this, garde("Timer1_Timer", [this] { Timer1_Timer(); }));
    for (const EntreeMenu& e : Menus())
        if (e.entree)
            connect(this->*e.entree, &QAction::triggered, this,
                    garde(e.nom, [this, g = e.gestionnaire] { (this->*g)(); }));
}

QSize FrmOndalis::TailleDessin() const {
    return {TwipsVersPixels(LargeurClient),
            TwipsVersPixels(HauteurClient) + menuBar()->sizeHint().height()};
}
