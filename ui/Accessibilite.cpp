#include "ui/Accessibilite.h"

#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/TextesCouleurs.h"
#include "ui/FrmOndalis.h"
#include "ui/RoutinesOndalis.h"
#include "ui/TextesAide.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <array>

namespace Calcul_Graphe {

using DessinOndalis::Controle;
using DessinOndalis::Genre;

namespace {

// The design's hover tip of rank n ("Valeur moyenne", "Fondamental", "Harmonique 2"): the name
// of the rank everywhere it is shown.
QString NomRang(int n) {
    for (const Controle& c : DessinOndalis::Controles())
        if (c.nom == u"txtHarmonic" && c.index == n) return c.bulle;
    return {};
}

QString Rang(int index) {
    return Calcul_Graphe::TexteEntier(index);
}

// A slider tells the value it shows (+100 at the top), not Qt's reversed one, and a locked one
// cannot be set from a reader either.
class AccesCurseur : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccesCurseur(CurseurVertical* curseur)
        : QAccessibleWidget(curseur, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Calcul_Graphe::TexteEntier(curseur()->Valeur());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return curseur()->Valeur(); }
    void setCurrentValue(const QVariant& valeur) override {
        if (curseur()->isEnabled()) curseur()->DefinitValeur(valeur.toInt());
    }
    QVariant maximumValue() const override { return -curseur()->minimum(); }
    QVariant minimumValue() const override { return -curseur()->maximum(); }
    QVariant minimumStepSize() const override { return curseur()->singleStep(); }

private:
    CurseurVertical* curseur() const { return static_cast<CurseurVertical*>(object()); }
};

// A locked slider makes its amplitude box's help say that it cannot be set.
class VerrouCurseur : public QObject {
public:
    VerrouCurseur(QWidget* curseur, QWidget* texte, int rang)
        : QObject(curseur), texte_(texte), rang_(rang) {}
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::EnabledChange)
            texte_->setAccessibleDescription(TexteQt(TexteSurvol(
                QStringLiteral("txtHarmonic"), rang_, static_cast<QWidget*>(objet)->isEnabled())));
        return false;
    }

private:
    QWidget* texte_;
    int rang_;
};

// A list keeps its label as its name once an item is chosen, and the item is its value: Qt's
// own interface names a list after its current item on Linux, and the reader loses the label.
class AccesListe : public QAccessibleWidget {
public:
    explicit AccesListe(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return liste()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.expandable = true;
        etat.expanded = liste()->view()->isVisible();
        etat.collapsed = !etat.expanded;
        return etat;
    }
    // Its one child is the popup with the items.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(liste()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant && enfant->object() == liste()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            liste()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* liste() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
    if (classe == u"QComboBox")
        if (auto* liste = qobject_cast<QComboBox*>(objet); liste && !liste->isEditable())
            return new AccesListe(liste);
    if (classe == u"CurseurVertical")
        if (auto* curseur = qobject_cast<CurseurVertical*>(objet)) return new AccesCurseur(curseur);
    // The help panel is a window of its own, named by its caption.
    if (classe == u"FrmAide" && objet->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Window);
    return nullptr;
}

} // namespace

QString NomAccessible(const Controle& c) {
    const QString rang = Rang(c.index + 1);
    if (c.nom == u"scrHarmonic") return QStringLiteral("Curseur ") + NomRang(c.index);
    if (c.nom == u"chkHarmonic") return QStringLiteral("Validation ") + NomRang(c.index);
    if (c.nom == u"TxtAn") return QStringLiteral("Coefficient A") + rang;
    if (c.nom == u"txtBn") return QStringLiteral("Coefficient B") + rang;
    if (c.nom == u"txtCn") return QStringLiteral("Coefficient C") + rang;
    if (c.nom == u"txtPhin") return QStringLiteral("Phase du rang ") + rang;
    if (c.nom == u"cboChoixSignal") return QStringLiteral("Signal prédéfini");
    if (c.nom == u"Label2") return QStringLiteral("Zone du signal prédéfini");
    if (c.nom == u"txtRapportCyclique") return QStringLiteral("Rapport cyclique (%)");
    if (c.nom == u"imgSignal") return QStringLiteral("Signal choisi");
    if (c.nom == u"Frame1") return QStringLiteral("Coefficients des rangs 1 à 5");
    if (c.nom == u"Frame2") return QStringLiteral("Coefficients des rangs 6 à 10");
    if (!c.bulle.isEmpty()) return c.bulle;
    // A text box's text is its content, not its name.
    if (c.genre != Genre::Texte) return TexteQt(c.texte).simplified();
    return {};
}

QString DescriptionAccessible(const Controle& c) {
    // The buttons whose hover leaves the panel as it is still say what they do.
    if (c.nom == u"cmdCalculer") return QStringLiteral("Calcule et trace les harmoniques validés.");
    if (c.nom == u"cmdRapportCyclique")
        return QStringLiteral("Valide le rapport cyclique entré et recalcule le signal.");
    if (c.nom == u"scrHarmonic") return TexteQt(TexteCurseur(c.index));
    // The list's help is written by the zone around it.
    const QString nom = c.nom == u"cboChoixSignal" ? QStringLiteral("Label2") : c.nom;
    return TexteQt(TexteSurvol(nom, c.index));
}

void DecritControle(QWidget& w, const Controle& c) {
    // Labels keep their own caption as their name, so a caption changed later is read.
    if (c.genre != Genre::Etiquette || c.texte.isEmpty()) w.setAccessibleName(NomAccessible(c));
    w.setAccessibleDescription(DescriptionAccessible(c));
}

void SuitLesChangements(FrmOndalis& f) {
    f.menuBar()->setAccessibleName(QStringLiteral("Barre de menus"));
    f.cboChoixSignal->view()->setAccessibleName(QStringLiteral("Liste des signaux prédéfinis"));
    const std::array<QLabel*, 3> images = {f.imgRectangulaire, f.imgTriangle, f.imgDentsdeScie};
    for (int i = 0; i < static_cast<int>(images.size()) && i < f.cboChoixSignal->count(); ++i)
        images[static_cast<std::size_t>(i)]->setAccessibleName(f.cboChoixSignal->itemText(i));
    QObject::connect(f.cboChoixSignal, &QComboBox::activated, f.imgSignal, [&f](int index) {
        if (index >= 0) f.imgSignal->setAccessibleName(f.cboChoixSignal->itemText(index));
    });
    for (std::size_t n = 0; n < f.scrHarmonic.size(); ++n)
        f.scrHarmonic[n]->installEventFilter(
            new VerrouCurseur(f.scrHarmonic[n], f.txtHarmonic[n], static_cast<int>(n)));
}

void InstalleAccessibiliteFenetres() {
    static const bool installee = (QAccessible::installFactory(Fabrique), true);
    (void)installee;
}

} // namespace Calcul_Graphe
