#include "graphe/Repere.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <initializer_list>

namespace Calcul_Graphe {

namespace {

const QColor Bleu(0x00, 0x00, 0xFF);
const QColor Noir(0x00, 0x00, 0x00);

// A pixel rectangle: columns gauche..droite, rows haut..bas, inclusive.
QRectF Pixels(int gauche, int haut, int droite, int bas) {
    return QRectF(gauche, haut, droite - gauche + 1, bas - haut + 1);
}

// The glyphs of `texte` in a serif face, fitted into the pixel box. The outline is mapped onto
// the box's pixel edges and filled, then outlined with a one-device-pixel pen so that thin
// strokes survive at small sizes; aliased drawing keeps every pixel inside the box.
void DessineLibelle(QPainter& peintre, const QString& texte, int gauche, int haut, int droite,
                    int bas) {
    QFont police(QStringLiteral("Times New Roman"));
    police.setStyleHint(QFont::Serif);
    police.setPixelSize(100);
    QPainterPath chemin;
    chemin.addText(0, 0, police, texte);
    const QRectF encre = chemin.boundingRect();
    if (encre.isEmpty()) return;
    // Pixel edges: the outline pen paints to the right of and below its path, hence the
    // right and bottom edges one pixel in.
    const QRectF boite(gauche, haut, droite - gauche, bas - haut);
    QTransform ajuste;
    ajuste.translate(boite.left(), boite.top());
    ajuste.scale(boite.width() / encre.width(), boite.height() / encre.height());
    ajuste.translate(-encre.left(), -encre.top());
    const QPainterPath place = ajuste.map(chemin);
    peintre.setPen(QPen(Noir, 0));
    peintre.setBrush(Noir);
    peintre.drawPath(place);
}

// The labels as hand-set pixel glyphs for the screen, where a nine-pixel outline font turns
// into blots: one string per row, '#' a black pixel.
struct Glyphe {
    int gauche, haut;
    std::initializer_list<const char*> lignes;
};

const Glyphe GlyphesEcran[] = {
    {8, 156, {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {254,
     122,
     {"#######", "#..#..#", "...#...", "...#...", "...#...", "...#...", "...#...", "..###.."}},
    {254,
     134,
     {".#####.", "#.....#", "......#", ".....#.", "....#..", "...#...", "..#....", ".#....#",
      "#######"}},
    {480,
     156,
     {"#######", "#..#..#", "...#...", "...#...", "...#...", "...#...", "...#...", "...#...",
      "..###.."}},
    {499, 161, {".#..", ".#..", "####", ".#..", ".#..", ".#..", ".#.#", "..#."}},
};

void DessineGlyphe(QPainter& peintre, const Glyphe& glyphe) {
    int rang = glyphe.haut;
    for (const char* ligne : glyphe.lignes) {
        for (int colonne = 0; ligne[colonne] != '\0'; ++colonne)
            if (ligne[colonne] == '#')
                peintre.fillRect(QRectF(glyphe.gauche + colonne, rang, 1, 1), Noir);
        ++rang;
    }
}

} // namespace

void DessineRepere(QPainter& peintre) {
    peintre.save();
    peintre.setRenderHint(QPainter::Antialiasing, false);

    // Axes and ticks as whole pixels: one picture pixel thick at any scale.
    peintre.fillRect(Pixels(1, 149, 510, 149), Bleu);   // time axis
    peintre.fillRect(Pixels(19, 8, 19, 291), Bleu);     // value axis
    peintre.fillRect(Pixels(246, 145, 246, 153), Bleu); // half-period tick
    peintre.fillRect(Pixels(473, 145, 473, 153), Bleu); // one-period tick

    // Arrowheads: filled triangles whose pixel centres span columns 501..510, rows 145..153
    // (time axis) and rows 8..17, columns 15..23 (value axis).
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Bleu);
    peintre.drawPolygon(QPolygonF({QPointF(501, 145), QPointF(511, 149.5), QPointF(501, 154)}));
    peintre.drawPolygon(QPolygonF({QPointF(15, 18), QPointF(19.5, 8), QPointF(24, 18)}));

    peintre.fillRect(Pixels(250, 130, 265, 130), Noir); // fraction bar
    // Screens (up to twice the picture's resolution) get the pixel glyphs; a printer, many
    // device pixels per picture pixel, gets the serif outlines.
    if (peintre.deviceTransform().m11() <= 2.0) {
        for (const Glyphe& glyphe : GlyphesEcran)
            DessineGlyphe(peintre, glyphe);
    } else {
        DessineLibelle(peintre, QStringLiteral("0"), 8, 156, 12, 164);
        DessineLibelle(peintre, QStringLiteral("T"), 254, 122, 260, 129);
        DessineLibelle(peintre, QStringLiteral("2"), 254, 134, 260, 142);
        DessineLibelle(peintre, QStringLiteral("T"), 480, 156, 486, 164);
        DessineLibelle(peintre, QStringLiteral("t"), 499, 161, 502, 168);
    }
    peintre.restore();
}

} // namespace Calcul_Graphe
