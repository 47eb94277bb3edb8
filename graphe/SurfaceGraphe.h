// A graph surface: a white drawing area with a background picture (the coordinate frame) and
// the lines drawn on it since its last clear, in twips. It keeps those lines rather than only
// pixels so that one paint routine renders them at any scale: the screen at any device pixel
// ratio, the clipboard at the surface's own pixel size, the printer at its resolution.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QRect>
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
    // A line in twips, one device pixel wide, clipped at the edges of the drawing area.
    void Ligne(int x1, int y1, int x2, int y2, QColor couleur);
    // The picture shown beneath the drawings and restored by Efface.
    void DefinitImageFond(const QImage& image);
    QImage ImageFond() const;

    // The current content (white, background picture, lines) at the given device pixel ratio:
    // LargeurDessin x HauteurDessin pixels at ratio 1.
    QImage Image(qreal ratio = 1.0) const;
    // Paints the current content scaled into `cible` (any device: printer, PDF, image).
    void Rend(QPainter& peintre, const QRectF& cible) const;

    struct Trait {
        int x1, y1, x2, y2;
        QColor couleur;
    };
    const std::vector<Trait>& Traits() const { return traits_; }

signals:
    // A key went down while the surface had the focus (the window decides what it means).
    void toucheEnfoncee(int touche);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QImage fond_;
    std::vector<Trait> traits_;
};
