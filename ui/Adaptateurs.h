// Small adapters where a Qt widget behaves differently from what the program relies on.
#pragma once

#include <QImage>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QString>

class QFont;
class QPainter;
class QStyleOptionFrame;
class QStyleOptionSlider;

// A vertical slider whose top end is the greater value (+100 at the top, -100 at the bottom
// after the load). "change" is emitted once per completed change (arrow, trough click, key,
// end of a drag, or a value set from code, only when it really changes), synchronously;
// "defilement" while the thumb is dragged.
class CurseurVertical : public QScrollBar {
    Q_OBJECT
public:
    explicit CurseurVertical(QWidget* parent = nullptr);

    // The range as the design gives it: the value at the top end, the value at the bottom end.
    void DefinitBornes(int haut, int bas);
    int Valeur() const;             // the shown value
    void DefinitValeur(int valeur); // emits change before returning, on a real change
    int ValeurDefilement() const;   // the value under the thumb while it is dragged

signals:
    void change();
    void defilement();
};

// A read-only box that shows its whole value, centred. The design's boxes are barely wider
// than their widest values, and QLineEdit, which reserves room for the font's most
// overhanging glyphs, would scroll such a value and put its minus sign on the frame. The value
// is drawn here instead, condensed if the box is still too narrow for it. Editable: as usual.
class ZoneValeur : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

// A text box that reports clicks and double clicks (the amplitude texts).
class ZoneTexte : public ZoneValeur {
    Q_OBJECT
public:
    using ZoneValeur::ZoneValeur;

signals:
    void clic();
    void doubleClic();

protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
};

// The drop-down list of the design is narrower than its items: a narrower arrow, and the
// chosen item drawn whole in the field beside it, condensed if it still does not fit.
class StyleListe : public QProxyStyle {
    Q_OBJECT
public:
    StyleListe(); // on a fresh instance of the application's style

    QRect subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                         SubControl partie, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* peintre,
                     const QWidget* widget) const override;
};

// The sliders' pictures, each painted once and kept (QPixmapCache) for as long as its look
// stays the same: a reset shows eleven sliders alike. Qt's raster engine hands every fill or
// line of 96 device rows or more to its thread pool and waits for it, which costs several
// times the painting itself, so a picture is painted in bands of fewer rows and assembled;
// the style covers the slider's rectangle, so the picture is opaque and lands as if painted in
// place. Where it would not land on whole device pixels, the style paints directly.
class StyleBandes : public QProxyStyle {
    Q_OBJECT
public:
    StyleBandes(); // on a fresh instance of the application's style

    void drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option,
                            QPainter* peintre, const QWidget* widget) const override;

private:
    QImage ImageParBandes(const QStyleOptionSlider& option, qreal ratio, QSize taille,
                          const QWidget* widget) const;
};

// The frame and face of a line edit, as the widget's style draws it (PE_PanelLineEdit), from a
// picture kept per style, size, ratio, state and palette: drawing its rounded frame again for
// each of the forty value boxes of an action costs more than the rest of their paint. Where a
// picture would not land on whole device pixels, it is drawn directly.
void PeintPanneauLigne(QPainter& peintre, const QStyleOptionFrame& option, const QWidget* widget);

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
