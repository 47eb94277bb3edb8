// Texts and colours as the program's widgets need them: line breaks, wrapped and condensed
// captions, and the fixed colours of the design with their partners.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// `police`, condensed just enough for `texte` to fit in `largeur` pixels (unchanged if it fits).
QFont PoliceAjustee(const QFont& police, const QString& texte, qreal largeur);

// The light face of controls in the style's own colours, whatever the system palette: the
// partner of a text colour the design fixes.
QColor FaceClaire();
// The background for a text colour the design fixes: the system window's colour where the text
// reads on it (3:1, the bar for the large bold captions such colours are given to), otherwise
// the light face. A dark desktop keeps its dark face behind the red prompt.
QColor FondPour(const QColor& texte);
// A text colour and its background fixed together on `w`, which then fills its background.
void FixeCouleurs(QWidget* w, const QColor& texte, const QColor& fond);

namespace Calcul_Graphe {

// The program's texts break lines with the single character 13; Qt's labels and dialogs need
// '\n'. Every text that reaches a label or a dialog passes through here.
QString TexteQt(const QString& texte);

// Check boxes and push buttons draw their caption on one line: this breaks it at blanks so
// that each line fits in `largeur` pixels, for the captions the design wraps.
QString TexteEnveloppe(const QString& texte, const QFont& police, int largeur);

} // namespace Calcul_Graphe
