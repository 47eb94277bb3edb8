#include "graphe/AccessibiliteGraphes.h"

#include "calcul/Nombres.h"
#include "graphe/SurfaceGraphe.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

namespace Calcul_Graphe {

namespace {

// A surface is a chart; its description is the sentence its drawing routines keep.
class AccesSurface : public QAccessibleWidget {
public:
    explicit AccesSurface(SurfaceGraphe* surface)
        : QAccessibleWidget(surface, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return static_cast<const SurfaceGraphe*>(object())->Description();
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

void DecritRangTrace(SurfaceGraphe& surface, std::int16_t n) {
    surface.NoteCourbe(n);
    surface.DefinitDescription(TexteRangsValides(surface.Courbes()));
}

void DecritSignalTrace(SurfaceGraphe& surface, std::int16_t valeurMax) {
    surface.DefinitDescription(TexteValeurExtreme(valeurMax));
}

} // namespace Calcul_Graphe
