// Seeded random use of the real windows: clicks, double and right clicks, slider drags, wheel,
// keys, hostile texts typed and pasted, menus, the last-rank box, the print dialog, windows
// closed and brought back. After every event the invariants below must hold; on failure the
// seed and the last events are printed, and ONDALIS_GRAINE / ONDALIS_EVENEMENTS replay the run.
#include "aleatoire/Lectures.h"
#include "aleatoire/Outils.h"
#include "aleatoire/Pilote.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHash>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

using Calcul_Graphe::Etat;
using Calcul_Graphe::Faux;
using Calcul_Graphe::Vrai;

// Present in a sanitizer build only: what to do before it ends the process.
extern "C" void __sanitizer_set_death_callback(void (*)()) __attribute__((weak));

namespace {

// The journal a sanitizer's report is followed by, so that its seed can be replayed.
const Journal* journalEnCours = nullptr;
void RapportAvantArret() {
    if (!journalEnCours) return;
    const std::string r = journalEnCours->rapport("arrêt par un sanitiseur");
    std::fputs(r.c_str(), stderr);
}

long long Variable(const char* nom, long long defaut) {
    const QByteArray v = qgetenv(nom);
    bool ok = false;
    const long long n = v.toLongLong(&ok);
    return ok ? n : defaut;
}

std::string Nom(const QWidget* w) {
    return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
}

std::string Court(const QString& texte) {
    QString t = texte.left(24);
    for (QChar& c : t)
        if (c.unicode() < 0x20) c = u'·';
    return "« " + t.toStdString() +
           (texte.size() > 24 ? "… (" + std::to_string(texte.size()) + ")" : "") + " »";
}

// A sentinel no sum of the program's curves can give: a rebuilt signal still equal to it after
// an event was not recomputed during that event. Nothing reads the table between two
// computations, so writing it changes nothing the user sees.
void Empoisonne(Etat& e) {
    for (int i = 0; i < Calcul_Graphe::NombrePoints; ++i)
        e.SignalTotal[i] = i % 2 ? 32767 : -32768;
}
bool EstEmpoisonne(const Etat& e) {
    for (int i = 0; i < Calcul_Graphe::NombrePoints; ++i)
        if (e.SignalTotal[i] != (i % 2 ? 32767 : -32768)) return false;
    return true;
}

class Usage {
public:
    Usage(std::uint64_t graine, long long nombre)
        : hasard_(graine), journal_(graine, nombre), repondeur_(hasard_, journal_),
          chien_(journal_) {
        repondeur_.rangAccepte = [this](const QString& reponse) {
            rangAttendu_ = Lectures::RangMaxAttendu(reponse.toStdString());
        };
        Relie();
        journalEnCours = &journal_;
        if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(RapportAvantArret);
    }
    ~Usage() { journalEnCours = nullptr; }

    // Runs `nombre` events; the first broken invariant ends the run with its report.
    std::string Joue(long long nombre) {
        for (long long i = 1; i <= nombre; ++i) {
            Empoisonne(pilote_.etat());
            choixSignal_ = false;
            repondeur_.messageVu = false;
            chien_.debut();
            Evenement(i);
            Apaise();
            chien_.fin();
            ++joues_;
            std::string echec = !chien_.echec.empty() ? chien_.echec : repondeur_.echec;
            if (echec.empty() && !pilote_.principale()->isVisible()) echec = Fin();
            if (echec.empty()) echec = Invariants();
            if (!echec.empty()) return journal_.rapport(echec);
        }
        return {};
    }

    long long joues() const { return joues_; }
    int boites() const { return repondeur_.boites; }
    int redemarrages() const { return redemarrages_; }
    long long signauxVerifies() const { return signauxVerifies_; }

private:
    // Found once per run: a window that goes takes its controls with it.
    template <typename T = QWidget> T* C(const QString& nom) {
        QPointer<QWidget>& w = controles_[nom];
        if (!w) w = pilote_.controle(nom);
        return qobject_cast<T*>(w.data());
    }
    static QString Tab(const char* nom, int i) { return QString("%1(%2)").arg(nom).arg(i); }

    void Relie() {
        QObject::connect(C<QComboBox>("cboChoixSignal"), &QComboBox::activated,
                         [this] { choixSignal_ = true; });
    }

    // Lets queued answers and popups run until nothing is left open.
    void Apaise() {
        for (int k = 0; k < 200; ++k) {
            QCoreApplication::processEvents();
            if (!Repondeur::ouverte() && k >= 1) break;
        }
        if (Repondeur::ouverte()) {
            if (repondeur_.echec.empty()) repondeur_.echec = "une boîte ou un menu reste ouvert";
            Repondeur::fermeTout();
        }
        bool recu = false;
        QMetaObject::invokeMethod(
            qApp, [&recu] { recu = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        if (!recu && chien_.echec.empty()) chien_.echec = "la boucle d'événements ne répond pas";
    }

    // The run ended (Quitter, or the main window closed): every window is gone; start again.
    std::string Fin() {
        if (!pilote_.fenetresVisibles().isEmpty())
            return "fin du programme avec une fenêtre encore visible : " +
                   Nom(pilote_.fenetresVisibles().first());
        journal_.ajoute("fin du programme, nouveau départ");
        pilote_.Redemarre();
        rangAttendu_ = 100;
        ++redemarrages_;
        Relie();
        return {};
    }

    std::string Invariants() {
        Etat& e = pilote_.etat();
        for (int n = 0; n <= 10; ++n) {
            auto* curseur = C<QScrollBar>(Tab("scrHarmonic", n));
            const int v = Pilote::valeurCurseur(curseur);
            const QString texte = C<QLineEdit>(Tab("txtHarmonic", n))->text();
            if (v < -100 || v > 100 || texte != QString::number(v))
                return "rang " + std::to_string(n) + " : curseur " + std::to_string(v) +
                       (curseur->isSliderDown() ? " (enfoncé)" : "") + ", position " +
                       std::to_string(-curseur->sliderPosition()) + ", texte " + Court(texte);
            const bool coche = C<QCheckBox>(Tab("chkHarmonic", n))->checkState() == Qt::Checked;
            if (e.Validation[n] != (coche ? 1 : 0))
                return "rang " + std::to_string(n) + " : Validation " +
                       std::to_string(e.Validation[n]) + ", case " + (coche ? "cochée" : "vide");
        }
        if (e.RAZEnCours != Faux) return "RAZEnCours reste levé";
        const bool inhibe = C<QCheckBox>("chkNoAuto")->isChecked();
        if (e.CalculAutoInhibe != (inhibe ? Vrai : Faux) || C("cmdCalculer")->isHidden() == inhibe)
            return "le calcul automatique ne suit pas chkNoAuto";
        const bool choix = C<QPushButton>(Tab("optChoix", 1))->isChecked();
        if (C<QPushButton>(Tab("optChoix", 0))->isChecked() == choix ||
            e.ModeChoixSignal != (choix ? Vrai : Faux))
            return "le mode ne suit pas les boutons d'option";
        if (C("cboChoixSignal")->isHidden() == choix || C("chkNoAuto")->isHidden() != choix ||
            C("Frame1")->isHidden() == choix || pilote_.entree("mnuRang")->isEnabled() != choix)
            return "les contrôles montrés ne suivent pas le mode";
        if (e.RangMax > 2000 || e.RangMax != rangAttendu_)
            return "RangMax " + std::to_string(e.RangMax) + ", attendu " +
                   std::to_string(rangAttendu_);
        // Recomputed during this event, drawn, with a rank still validated, and not left
        // behind by a signal choice (whose reset draws before the new columns exist) or by a
        // failed calculation. Unticking the last rank leaves the signal graph as it was.
        const bool valide =
            std::find(e.Validation.begin(), e.Validation.end(), 1) != e.Validation.end();
        if (!EstEmpoisonne(e) && !pilote_.signalNu() && valide && !choixSignal_ &&
            !repondeur_.messageVu) {
            ++signauxVerifies_;
            const auto attendu = Lectures::SignalAttendu(e);
            for (int i = 0; i < Calcul_Graphe::NombrePoints; ++i)
                if (e.SignalTotal[i] != attendu[i])
                    return "signal reconstitué, échantillon " + std::to_string(i) + " : " +
                           std::to_string(e.SignalTotal[i]) + ", somme des colonnes validées " +
                           std::to_string(attendu[i]);
        }
        return {};
    }

    // ---- Targets -------------------------------------------------------------------------

    QWidget* FenetreAuHasard() {
        const QList<QWidget*> fenetres = pilote_.fenetresVisibles();
        if (fenetres.isEmpty() || hasard_.piece(0.6)) return pilote_.principale();
        return hasard_.parmi(fenetres);
    }

    // A control the user can see, by object name, in a window shown now.
    QWidget* ControleAuHasard(QWidget* fenetre = nullptr) {
        if (!fenetre) fenetre = FenetreAuHasard();
        // The prompt blinks on a timer: it is a candidate whenever it belongs on screen, so
        // that the choice of a target never depends on the time a seed's run takes.
        const bool invite = C("cboChoixSignal")->isVisible();
        QList<QWidget*> controles = {fenetre};
        for (QWidget* w : fenetre->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_") &&
                (w->isVisible() || (invite && w->objectName() == u"Label1")) && w->width() > 0 &&
                w->height() > 0)
                controles << w;
        return hasard_.parmi(controles);
    }

    QPoint PointDans(const QWidget* w) {
        return {hasard_.entre(0, std::max(0, w->width() - 1)),
                hasard_.entre(0, std::max(0, w->height() - 1))};
    }

    std::string Decrit(const QWidget* w, QPoint p) {
        return Nom(w) + "@" + std::to_string(p.x()) + "," + std::to_string(p.y());
    }

    QList<QLineEdit*> BoitesTexte() {
        QList<QLineEdit*> boites;
        for (QWidget* f : pilote_.fenetresVisibles())
            for (QLineEdit* t : f->findChildren<QLineEdit*>())
                if (t->isVisible()) boites << t;
        return boites;
    }

    // ---- Events --------------------------------------------------------------------------

    void Evenement(long long numero) {
        struct Genre {
            int poids;
            void (Usage::*fait)(long long);
        };
        static const Genre genres[] = {
            {20, &Usage::Clic},     {8, &Usage::Coche},      {5, &Usage::DoubleClic},
            {4, &Usage::ClicDroit}, {10, &Usage::Glisse},    {6, &Usage::Molette},
            {12, &Usage::Touche},   {8, &Usage::TexteTape},  {5, &Usage::TexteColle},
            {7, &Usage::Menu},      {3, &Usage::BarreMenus}, {5, &Usage::Rang},
            {5, &Usage::Mode},      {5, &Usage::Signal},     {3, &Usage::Ferme},
            {3, &Usage::F5},        {3, &Usage::Copie},      {4, &Usage::Survol},
            {1, &Usage::Quitte},
        };
        static const int total = [] {
            int t = 0;
            for (const Genre& g : genres)
                t += g.poids;
            return t;
        }();
        int tirage = hasard_.entre(0, total - 1);
        for (const Genre& g : genres) {
            if (tirage < g.poids) return (this->*g.fait)(numero);
            tirage -= g.poids;
        }
    }

    void Note(long long numero, const std::string& texte) { journal_.note(numero, texte); }

    void Clic(long long n) {
        QWidget* w = ControleAuHasard();
        const QPoint p = PointDans(w);
        Note(n, "clic " + Decrit(w, p));
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
    }

    // The validation boxes, often enough that curves get drawn and summed.
    void Coche(long long n) {
        QWidget* boite = C(Tab("chkHarmonic", hasard_.entre(0, 10)));
        if (!boite->isVisible()) return Clic(n);
        Note(n, "coche " + Nom(boite));
        QTest::mouseClick(boite, Qt::LeftButton, {}, QPoint(6, boite->height() / 2));
    }

    void DoubleClic(long long n) {
        QWidget* w = ControleAuHasard();
        const QPoint p = PointDans(w);
        Note(n, "double clic " + Decrit(w, p));
        // What the platform sends: press, release, the second press as a double click, release.
        // The test's double click alone would leave the button held down.
        const QPointer<QWidget> cible = w;
        QTest::mouseClick(w, Qt::LeftButton, {}, p);
        if (cible) QTest::mouseDClick(w, Qt::LeftButton, {}, p);
        if (cible) QTest::mouseRelease(w, Qt::LeftButton, {}, p);
    }

    void ClicDroit(long long n) {
        QWidget* w = ControleAuHasard();
        const QPoint p = PointDans(w);
        Note(n, "clic droit " + Decrit(w, p));
        QTest::mouseClick(w, Qt::RightButton, {}, p);
        // The platform follows a right click with a context-menu request; the test's click
        // alone does not.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
        QApplication::sendEvent(w, &menu);
    }

    QScrollBar* CurseurAuHasard() {
        QList<QScrollBar*> curseurs;
        for (int i = 0; i <= 10; ++i)
            if (auto* c = C<QScrollBar>(Tab("scrHarmonic", i)); c && c->isVisible()) curseurs << c;
        return curseurs.isEmpty() ? nullptr : hasard_.parmi(curseurs);
    }

    // Presses the thumb, moves it a few times and lets it go (or clicks the arrows and groove).
    void Glisse(long long n) {
        QScrollBar* c = CurseurAuHasard();
        if (!c) return Clic(n);
        QStyleOptionSlider o;
        o.initFrom(c);
        o.subControls = QStyle::SC_All;
        o.orientation = c->orientation();
        o.minimum = c->minimum();
        o.maximum = c->maximum();
        o.sliderPosition = c->sliderPosition();
        o.sliderValue = c->value();
        o.singleStep = c->singleStep();
        o.pageStep = c->pageStep();
        o.upsideDown = c->invertedAppearance();
        const QRect pouce =
            c->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, c);
        const QPoint depart = hasard_.piece(0.8) ? pouce.center() : PointDans(c);
        std::string d = "glisse " + Decrit(c, depart);
        std::vector<QPoint> chemin(static_cast<std::size_t>(hasard_.entre(0, 4)));
        for (QPoint& p : chemin) {
            p = QPoint(depart.x(), hasard_.entre(-20, c->height() + 20));
            d += " →" + std::to_string(p.y());
        }
        Note(n, d);
        QTest::mousePress(c, Qt::LeftButton, {}, depart);
        for (const QPoint& p : chemin)
            QTest::mouseMove(c, p);
        QTest::mouseRelease(c, Qt::LeftButton, {}, chemin.empty() ? depart : chemin.back());
    }

    void Molette(long long n) {
        QWidget* w = hasard_.piece(0.5) ? static_cast<QWidget*>(CurseurAuHasard()) : nullptr;
        if (!w && hasard_.piece(0.3)) w = C("cboChoixSignal");
        if (!w || !w->isVisible()) w = ControleAuHasard();
        const QPoint p = PointDans(w);
        const int crans = hasard_.entre(-3, 3);
        Note(n, "molette " + std::to_string(crans) + " " + Decrit(w, p));
        QWheelEvent roue(p, w->mapToGlobal(p), QPoint(), QPoint(0, 120 * crans), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &roue);
    }

    // A window made active by the user, as a key goes to the active window.
    QWidget* Active(QWidget* fenetre) {
        fenetre->activateWindow();
        QCoreApplication::processEvents();
        QWidget* cible = QApplication::focusWidget();
        return cible && cible->window() == fenetre ? cible : fenetre;
    }

    void Touche(long long n) {
        static const Qt::Key touches[] = {
            Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Left,  Qt::Key_Right,   Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,   Qt::Key_Space,   Qt::Key_Return,
            Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Backspace,
            Qt::Key_Delete,   Qt::Key_F1,     Qt::Key_F4,    Qt::Key_F5,      Qt::Key_A,
            Qt::Key_C,        Qt::Key_X,      Qt::Key_O,     Qt::Key_S,       Qt::Key_R,
            Qt::Key_V,        Qt::Key_Z,      Qt::Key_F,     Qt::Key_E,       Qt::Key_0,
            Qt::Key_5,        Qt::Key_9,      Qt::Key_Comma, Qt::Key_Period,  Qt::Key_Minus};
        static const Qt::KeyboardModifiers modes[] = {Qt::NoModifier,  Qt::NoModifier,
                                                      Qt::NoModifier,  Qt::ControlModifier,
                                                      Qt::AltModifier, Qt::ShiftModifier};
        QWidget* cible = Active(FenetreAuHasard());
        const Qt::Key touche = hasard_.parmi(touches);
        const Qt::KeyboardModifiers mode = hasard_.parmi(modes);
        Note(n, "touche " + QKeySequence(touche | mode).toString().toStdString() + " sur " +
                    Nom(cible));
        QTest::keyClick(cible, touche, mode);
    }

    QLineEdit* BoiteAuHasard() {
        auto* rapport = C<QLineEdit>("txtRapportCyclique");
        if (rapport->isVisible() && hasard_.piece(0.7)) return rapport;
        const QList<QLineEdit*> boites = BoitesTexte();
        return boites.isEmpty() ? nullptr : hasard_.parmi(boites);
    }

    // The duty cycle confirmed after an entry, as a user would, half of the time.
    void ConfirmePeutEtre() {
        QWidget* ok = C("cmdRapportCyclique");
        if (!ok->isVisible() || !hasard_.piece(0.5)) return;
        journal_.ajoute("Ok");
        QTest::mouseClick(ok, Qt::LeftButton);
    }

    void TexteTape(long long n) {
        QLineEdit* boite = BoiteAuHasard();
        if (!boite) return Clic(n);
        QString texte = TexteHostile(hasard_);
        texte.truncate(60);
        Note(n, "tape " + Court(texte) + " dans " + Nom(boite));
        QTest::mouseClick(boite, Qt::LeftButton);
        if (hasard_.piece(0.7)) QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : texte) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                QTest::keyClick(boite, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, boite, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        ConfirmePeutEtre();
    }

    void TexteColle(long long n) {
        QLineEdit* boite = BoiteAuHasard();
        if (!boite) return Clic(n);
        const QString texte = TexteHostile(hasard_);
        Note(n, "colle " + Court(texte) + " dans " + Nom(boite));
        QGuiApplication::clipboard()->setText(texte);
        QTest::mouseClick(boite, Qt::LeftButton);
        if (hasard_.piece(0.7)) QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
        ConfirmePeutEtre();
    }

    void Menu(long long n) {
        static const char* entrees[] = {"mnuOuvrir",         "mnuEnregister",   "mnuImprimer",
                                        "mnuCopierHarmonic", "mnuCopierSignal", "mnuRang",
                                        "mnuAffichageAide",  "mnuGrapheSignal", "mnuApropos"};
        QAction* a = pilote_.entree(hasard_.parmi(entrees));
        Note(n, "menu " + a->objectName().toStdString() + (a->isEnabled() ? "" : " (inactif)"));
        if (a->isEnabled()) a->trigger();
    }

    void BarreMenus(long long n) {
        auto* barre = pilote_.principale()->findChild<QMenuBar*>();
        const QList<QAction*> menus = barre->actions();
        QAction* m = hasard_.parmi(menus);
        Note(n, "barre de menus " + m->text().toStdString());
        QTest::mouseClick(barre, Qt::LeftButton, {}, barre->actionGeometry(m).center());
    }

    void Rang(long long n) {
        QAction* rang = pilote_.entree("mnuRang");
        if (!rang->isEnabled()) {
            Note(n, "mode signal puis rang");
            QTest::mouseClick(C(Tab("optChoix", 1)), Qt::LeftButton);
        } else {
            Note(n, "rang");
        }
        if (hasard_.piece(0.5))
            QTest::keyClick(Active(pilote_.principale()), Qt::Key_R, Qt::ControlModifier);
        else
            rang->trigger();
    }

    void Mode(long long n) {
        const int i = hasard_.entre(0, 1);
        Note(n, "mode " + std::to_string(i));
        QTest::mouseClick(C(Tab("optChoix", i)), Qt::LeftButton);
    }

    void Signal(long long n) {
        auto* liste = C<QComboBox>("cboChoixSignal");
        if (!liste->isVisible()) return Mode(n);
        if (hasard_.piece(0.6)) {
            Note(n, "ouvre la liste des signaux");
            QTest::mouseClick(liste, Qt::LeftButton);
        } else {
            const Qt::Key touche = hasard_.piece(0.5) ? Qt::Key_Down : Qt::Key_Up;
            Note(n, std::string("liste des signaux ") + (touche == Qt::Key_Down ? "bas" : "haut"));
            liste->setFocus();
            QTest::keyClick(liste, touche);
        }
    }

    void Ferme(long long n) {
        QList<QWidget*> fenetres;
        for (QWidget* f : pilote_.fenetresVisibles())
            if (f != pilote_.principale()) fenetres << f;
        if (fenetres.isEmpty()) return Menu(n);
        QWidget* f = hasard_.parmi(fenetres);
        Note(n, "ferme " + Nom(f));
        f->close();
    }

    void F5(long long n) {
        QWidget* graphe = C(hasard_.piece(0.5) ? "pctGrapheHarmonic" : "pctGrapheSignal");
        if (hasard_.piece(0.5) && graphe->isVisible()) {
            Note(n, "F5 dans " + Nom(graphe->window()));
            Active(graphe->window());
            QTest::keyClick(graphe, Qt::Key_F5);
        } else {
            Note(n, "F5 dans la fenêtre principale");
            QTest::keyClick(Active(pilote_.principale()), Qt::Key_F5);
        }
    }

    void Copie(long long n) {
        const Qt::Key touche = hasard_.piece(0.5) ? Qt::Key_C : Qt::Key_X;
        Note(n, touche == Qt::Key_C ? "Ctrl+C" : "Ctrl+X");
        QTest::keyClick(Active(pilote_.principale()), touche, Qt::ControlModifier);
    }

    void Survol(long long n) {
        QWidget* w = ControleAuHasard();
        const QPoint p = PointDans(w);
        Note(n, "survol " + Decrit(w, p));
        QTest::mouseMove(w, p);
    }

    void Quitte(long long n) {
        // Rare: each end of the run starts a new one.
        if (!hasard_.piece(0.1)) return Clic(n);
        const bool menu = hasard_.piece(0.5);
        Note(n, menu ? "Quitter" : "ferme la fenêtre principale");
        if (menu)
            pilote_.entree("mnuQuitter")->trigger();
        else
            pilote_.principale()->close();
    }

    Hasard hasard_;
    Journal journal_;
    Pilote pilote_;
    Repondeur repondeur_;
    Chien chien_;
    QHash<QString, QPointer<QWidget>> controles_;
    int rangAttendu_ = 100;
    bool choixSignal_ = false;
    long long joues_ = 0;
    int redemarrages_ = 0;
    long long signauxVerifies_ = 0;
};

} // namespace

namespace {

// The offscreen platform's notices on every raise or grab would bury the report.
QtMessageHandler precedent = nullptr;
void Filtre(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (!message.startsWith(u"This plugin does not support")) precedent(type, contexte, message);
}

} // namespace

TEST(UsageAleatoire, LesInvariantsTiennentApresChaqueEvenement) {
    precedent = qInstallMessageHandler(Filtre);
    const auto graine = static_cast<std::uint64_t>(Variable("ONDALIS_GRAINE", 1));
    const long long nombre = Variable("ONDALIS_EVENEMENTS", 5000);
    const auto debut = std::chrono::steady_clock::now();
    Usage usage(graine, nombre);
    const std::string echec = usage.Joue(nombre);
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    std::printf("usage aléatoire : graine %llu, %lld événements joués, %d boîtes et menus "
                "répondus, %lld signaux vérifiés, %d redémarrages, %.1f s\n",
                static_cast<unsigned long long>(graine), usage.joues(), usage.boites(),
                usage.signauxVerifies(), usage.redemarrages(), secondes);
    std::fflush(stdout);
    qInstallMessageHandler(precedent);
    EXPECT_TRUE(echec.empty()) << echec;
}
