// A graph surface: a white drawing area with a background picture (the coordinate frame) and
// the lines drawn on it since its last clear, in twips. It keeps those lines rather than only
// pixels so that one paint routine renders them at any scale: the screen at any device pixel
// ratio, the clipboard at the surface's own pixel size, the printer at its resolution.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

class SurfaceGraphe : public QFrame {
    Q_OBJECT
public:
    // The drawing area of a graph surface, in pixels at 15 twips per pixel.
    static constexpr int LargeurDessin = 511;
    static constexpr int HauteurDessin = 299;

    explicit SurfaceGraphe(QWidget* parent = nullptr);

    // Erases every drawing: the background picture on white remains.
    void Efface();
    // Nothing drawn since the last clear.
    bool Nue() const { return traits_.empty(); }
    // A line in twips, one device pixel wide, clipped at the edges of the drawing area.
    // Coordinates beyond 16 bits are clipped to that range.
    void Ligne(int x1, int y1, int x2, int y2, QColor couleur);

    // Background picture: the coordinate frame, drawn at any scale; Efface restores it.
    void DefinitRepere();
    // The background at the drawing area's size (LargeurDessin x HauteurDessin), on white.
    QImage ImageFond() const;

    // The current content (white, background picture, lines) at the given device pixel ratio:
    // LargeurDessin x HauteurDessin pixels at ratio 1.
    QImage Image(qreal ratio = 1.0) const;
    // Paints the current content at `cible`'s top-left corner, scaled uniformly so that the
    // drawing area spans `cible`'s width, clipped to `cible` (any device: printer, PDF, image).
    // The painter's units are taken as device pixels: lines are snapped to them.
    void Rend(QPainter& peintre, const QRectF& cible) const;

    struct Trait {
        std::int16_t x1, y1, x2, y2;
        QRgb couleur;
        friend bool operator==(const Trait&, const Trait&) = default;
    };
    // The lines that still show, in the order drawn.
    std::vector<Trait> Traits() const;
    // The lines kept in memory: at most about twice those that show, however often the same
    // curves are drawn again without a clear.
    std::size_t TraitsEnMemoire() const { return traits_.size(); }

signals:
    // A key went down while the surface had the focus (the window decides what it means).
    void toucheEnfoncee(int touche);
    // The surface was cleared (its sentence for screen readers goes back to the bare one).
    void effacee();

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    // Everything at `echelle` device pixels per logical pixel, the drawing area's top-left
    // corner at `origine` (device pixels, painter without transform).
    void Peint(QPainter& peintre, QPointF origine, double echelle) const;
    void PeintFond(QPainter& peintre, QPointF origine, double echelle) const;
    void Compacte();
    // The drawing changed: paint it again (the border stays as it is).
    void Change();

    // A line drawn again over exactly the same ends hides the earlier one completely, so the
    // earlier one can be dropped without changing the picture at any scale. Done in batches
    // when the list has doubled: redrawing the same curves without a clear does not grow memory.
    std::vector<Trait> traits_;
    std::size_t seuilCompactage_ = 4096;

    // The drawing area at the screen's ratio, in device pixels, painted again at the first
    // paint after a change: a redraw clears and draws many lines in one handler.
    QImage image_;
    qreal echelleImage_ = 0;
    bool imageAJour_ = false;
};
