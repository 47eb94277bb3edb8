#include "ui/ImagesSignaux.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace Calcul_Graphe {

namespace {

// Rows and columns of the common frame.
constexpr int AxeVertical = 20;  // column of the vertical axis
constexpr int AxeTemps = 73;     // row of the time axis
constexpr int FinAxe = 217;      // tip of the time axis
constexpr int DemiPeriode = 91;  // tick T/2
constexpr int Periode = 163;     // tick T
constexpr int LigneFleche = 112; // row of the aT double arrow

struct Gabarit {
    int colonneAT;  // aT
    int ligneHaute; // high level or peak
    int ligneBasse; // low level or trough
    int ligneMoyenne;
    const char* legende;
};

Gabarit GabaritDe(FormeSignal forme) {
    // The rectangle and the triangle share the duty-cycle layout.
    if (forme == FormeSignal::DentsDeScie)
        return {133, 19, AxeTemps, 55, "a : rapport du temps de montée"};
    return {78, 18, 101, 66, "a : rapport cyclique"};
}

QFont PoliceImage(int pixels) {
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(pixels);
    // Three colours only, as in a 16-colour bitmap: no grey edges on the letters.
    police.setStyleStrategy(QFont::NoAntialias);
    return police;
}

void Pointilles(QPainter& p, QPoint a, QPoint b) {
    QPen pen(Qt::black, 0, Qt::CustomDashLine);
    pen.setDashPattern({3, 2});
    p.setPen(pen);
    p.drawLine(a, b);
}

// A "V" with a bar over it (the mean value), its top-left corner at (x, y).
void VBarre(QPainter& p, int x, int y) {
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(x, y, x + 6, y);
    p.setFont(PoliceImage(12));
    p.drawText(QRect(x - 1, y + 1, 10, 12), Qt::AlignCenter, QStringLiteral("V"));
}

void FlecheDouble(QPainter& p, int x1, int x2, int y) {
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(x1, y, x2, y);
    p.drawLine(x1, y, x1 + 4, y - 3);
    p.drawLine(x1, y, x1 + 4, y + 3);
    p.drawLine(x2, y, x2 - 4, y - 3);
    p.drawLine(x2, y, x2 - 4, y + 3);
}

void Cadre(QPainter& p, const Gabarit& g) {
    p.setPen(QPen(Qt::black, 0));
    // Axes with their arrow heads.
    p.drawLine(AxeVertical, 4, AxeVertical, 118);
    p.drawLine(AxeVertical, 4, AxeVertical - 3, 9);
    p.drawLine(AxeVertical, 4, AxeVertical + 3, 9);
    p.drawLine(AxeVertical, AxeTemps, FinAxe, AxeTemps);
    p.drawLine(FinAxe, AxeTemps, FinAxe - 5, AxeTemps - 3);
    p.drawLine(FinAxe, AxeTemps, FinAxe - 5, AxeTemps + 3);
    // Ticks T/2 (a fraction) and T, above the axis.
    p.drawLine(DemiPeriode, AxeTemps - 3, DemiPeriode, AxeTemps + 3);
    p.drawLine(Periode, AxeTemps - 3, Periode, AxeTemps + 3);
    p.setFont(PoliceImage(11));
    p.drawText(QRect(DemiPeriode + 2, AxeTemps - 26, 10, 11), Qt::AlignCenter, "T");
    p.drawLine(DemiPeriode + 3, AxeTemps - 14, DemiPeriode + 10, AxeTemps - 14);
    p.drawText(QRect(DemiPeriode + 2, AxeTemps - 14, 10, 11), Qt::AlignCenter, "2");
    p.drawText(QRect(Periode + 2, AxeTemps - 16, 10, 12), Qt::AlignCenter, "T");
    p.drawText(QRect(FinAxe - 8, AxeTemps + 3, 10, 12), Qt::AlignCenter, "t");
    // Mean value: dashed line labelled V barred at its left end.
    Pointilles(p, {AxeVertical + 1, g.ligneMoyenne}, {FinAxe - 6, g.ligneMoyenne});
    VBarre(p, 6, g.ligneMoyenne - 6);
    // Double arrow from the vertical axis to aT, and its label.
    FlecheDouble(p, AxeVertical, g.colonneAT, LigneFleche);
    p.setFont(PoliceImage(12));
    p.drawText(QRect(AxeVertical, LigneFleche + 1, g.colonneAT - AxeVertical, 13), Qt::AlignCenter,
               "aT");
    // Legend along the bottom edge.
    p.setFont(PoliceImage(11));
    p.drawText(QRect(2, 126, 225, 12), Qt::AlignLeft | Qt::AlignVCenter, g.legende);
    VBarre(p, 3, 139);
    p.drawText(QRect(12, 139, 215, 13), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral(" : valeur moyenne"));
}

QPolygon Courbe(FormeSignal forme, const Gabarit& g) {
    const int aT = g.colonneAT;
    const int T = Periode - AxeVertical; // one period in columns
    const int h = g.ligneHaute;
    const int b = g.ligneBasse;
    switch (forme) {
    case FormeSignal::Rectangulaire:
        return QPolygon({{AxeVertical, h},
                         {aT, h},
                         {aT, b},
                         {Periode, b},
                         {Periode, h},
                         {aT + T, h},
                         {aT + T, b},
                         {aT + T + 8, b}});
    case FormeSignal::Triangle: {
        const int milieuBas = (aT + Periode) / 2;
        const int sommet = (AxeVertical + aT) / 2;
        return QPolygon({{AxeVertical, AxeTemps},
                         {sommet, h},
                         {aT, AxeTemps},
                         {milieuBas, b},
                         {Periode, AxeTemps},
                         {sommet + T, h},
                         {aT + T, AxeTemps},
                         {aT + T + 8, AxeTemps + 5}});
    }
    case FormeSignal::DentsDeScie:
        break;
    }
    // Slow rise to the peak at aT, steep fall back to the axis at T, then the next rise.
    const int finMontee = Periode + 50;
    const int hauteurFin = AxeTemps - (AxeTemps - h) * (finMontee - Periode) / (aT - AxeVertical);
    return QPolygon(
        {{AxeVertical, AxeTemps}, {aT, h}, {Periode, AxeTemps}, {finMontee, hauteurFin}});
}

} // namespace

QImage DessineImageSignal(FormeSignal forme, qreal ratio) {
    QImage image(qRound(LargeurImageSignal * ratio), qRound(HauteurImageSignal * ratio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    const Gabarit g = GabaritDe(forme);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, ratio > 1.0);
    // Dashed guides at aT and T below the axis; one from the peak down for the sawtooth.
    if (forme == FormeSignal::DentsDeScie) {
        Pointilles(p, {g.colonneAT, g.ligneHaute + 1}, {g.colonneAT, 118});
    } else {
        Pointilles(p, {g.colonneAT, AxeTemps + 1}, {g.colonneAT, 118});
        Pointilles(p, {Periode, AxeTemps + 1}, {Periode, 118});
    }
    Cadre(p, g);
    p.setPen(QPen(QColor(0xFF, 0, 0), 0));
    p.drawPolyline(Courbe(forme, g));
    return image;
}

} // namespace Calcul_Graphe
