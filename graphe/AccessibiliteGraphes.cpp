#include "graphe/AccessibiliteGraphes.h"

#include "calcul/Nombres.h"
#include "graphe/SurfaceGraphe.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QTimer>
#include <algorithm>

namespace Calcul_Graphe {

namespace {

// What a surface tells screen readers, kept beside it (its child) and reset by its clear.
class DescriptionSurface : public QObject {
    Q_OBJECT
public:
    explicit DescriptionSurface(SurfaceGraphe& surface) : QObject(&surface), surface_(surface) {
        connect(&surface, &SurfaceGraphe::effacee, this, [this] {
            courbes_.clear();
            Definit(nue_);
        });
    }

    static DescriptionSurface& De(const SurfaceGraphe& surface) {
        auto* d = surface.findChild<DescriptionSurface*>(QString(), Qt::FindDirectChildrenOnly);
        return d ? *d : *new DescriptionSurface(const_cast<SurfaceGraphe&>(surface));
    }

    void Definit(const QString& texte) {
        texte_ = texte;
        if (annoncePrevue_ || texte_ == annonce_) return;
        annoncePrevue_ = true;
        QTimer::singleShot(0, this, [this] {
            annoncePrevue_ = false;
            if (texte_ == annonce_) return;
            annonce_ = texte_;
            QAccessibleEvent evenement(&surface_, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&evenement);
        });
    }

    void DefinitNue(const QString& texte) {
        const bool nue = texte_ == nue_;
        nue_ = texte;
        if (nue) Definit(texte);
    }

    void NoteCourbe(int cle) {
        const auto place = std::lower_bound(courbes_.begin(), courbes_.end(), cle);
        if (place == courbes_.end() || *place != cle) courbes_.insert(place, cle);
    }

    SurfaceGraphe& surface_;
    QString texte_, nue_, annonce_;
    bool annoncePrevue_ = false;
    std::vector<int> courbes_;
};

// A surface is a chart; its description is the sentence its drawing routines keep.
class AccesSurface : public QAccessibleWidget {
public:
    explicit AccesSurface(SurfaceGraphe* surface)
        : QAccessibleWidget(surface, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return Description(*static_cast<const SurfaceGraphe*>(object()));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
    if (classe == u"SurfaceGraphe")
        if (auto* surface = qobject_cast<SurfaceGraphe*>(objet)) return new AccesSurface(surface);
    // Top-level windows of their own, named by their caption.
    if (classe == u"FrmGrapheHarmonic" || classe == u"FrmGrapheSignal")
        if (objet->isWidgetType())
            return new QAccessibleWidget(static_cast<QWidget*>(objet), QAccessible::Window);
    return nullptr;
}

QString Entier(int valeur) {
    return QString::fromStdString(TexteNombre(static_cast<double>(valeur), ','));
}

} // namespace

void InstalleAccessibiliteGraphes() {
    static const bool installee = (QAccessible::installFactory(Fabrique), true);
    (void)installee;
}

QString NomGrapheHarmonic() {
    return QStringLiteral("Graphe des Harmoniques");
}

QString NomGrapheSignal() {
    return QStringLiteral("Graphe du signal");
}

QString TexteRangsValides(const std::vector<int>& rangs) {
    if (rangs.empty()) return QStringLiteral("Aucun rang validé");
    QStringList nombres;
    for (const int rang : rangs)
        nombres << Entier(rang);
    return (rangs.size() == 1 ? QStringLiteral("Rang validé : ")
                              : QStringLiteral("Rangs validés : ")) +
           nombres.join(QStringLiteral(", "));
}

QString TexteValeurExtreme(std::int16_t valeurMax) {
    return QStringLiteral("Valeur extrême : ") + Entier(valeurMax);
}

QString TexteSignalNonTrace() {
    return QStringLiteral("Aucun signal tracé");
}

QString Description(const SurfaceGraphe& surface) {
    return DescriptionSurface::De(surface).texte_;
}

void DefinitDescriptionNue(SurfaceGraphe& surface, const QString& texte) {
    DescriptionSurface::De(surface).DefinitNue(texte);
}

std::vector<int> Courbes(const SurfaceGraphe& surface) {
    return DescriptionSurface::De(surface).courbes_;
}

void DecritRangTrace(SurfaceGraphe& surface, std::int16_t n) {
    DescriptionSurface& d = DescriptionSurface::De(surface);
    d.NoteCourbe(n);
    d.Definit(TexteRangsValides(d.courbes_));
}

void DecritSignalTrace(SurfaceGraphe& surface, std::int16_t valeurMax) {
    DescriptionSurface::De(surface).Definit(TexteValeurExtreme(valeurMax));
}

} // namespace Calcul_Graphe

#include "AccessibiliteGraphes.moc"
