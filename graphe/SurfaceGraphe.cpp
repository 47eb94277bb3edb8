#include "graphe/SurfaceGraphe.h"

#include "calcul/Nombres.h"
#include "calcul/Twips.h"
#include "graphe/AccessibiliteGraphes.h"
#include "graphe/Repere.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <unordered_set>

using Calcul_Graphe::TwipsVersPixelsEchelle;
using Calcul_Graphe::VersEntier16Borne;

namespace {

std::uint64_t Cle(const SurfaceGraphe::Trait& t) {
    auto u = [](std::int16_t v) {
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v));
    };
    return u(t.x1) | u(t.y1) << 16 | u(t.x2) << 32 | u(t.y2) << 48;
}

QSize TailleAppareil(qreal ratio) {
    return QSize(static_cast<int>(std::ceil(SurfaceGraphe::LargeurDessin * ratio)),
                 static_cast<int>(std::ceil(SurfaceGraphe::HauteurDessin * ratio)));
}

// The lines that still show: of lines with the same ends, only the last one drawn.
std::vector<SurfaceGraphe::Trait> SansDoublons(const std::vector<SurfaceGraphe::Trait>& traits) {
    std::unordered_set<std::uint64_t> vues;
    vues.reserve(traits.size());
    std::vector<SurfaceGraphe::Trait> gardes;
    gardes.reserve(traits.size());
    for (auto it = traits.rbegin(); it != traits.rend(); ++it)
        if (vues.insert(Cle(*it)).second) gardes.push_back(*it);
    std::reverse(gardes.begin(), gardes.end());
    return gardes;
}

} // namespace

SurfaceGraphe::SurfaceGraphe(QWidget* parent) : QFrame(parent) {
    Calcul_Graphe::InstalleAccessibiliteGraphes();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void SurfaceGraphe::Efface() {
    traits_.clear();
    seuilCompactage_ = 4096;
    Change();
    emit effacee();
}

void SurfaceGraphe::Change() {
    // One request until the paint: a redraw clears and draws many times in one handler.
    if (!imageAJour_) return;
    imageAJour_ = false;
    // The sunken border never changes: only the drawing area is painted again.
    update(contentsRect());
}

void SurfaceGraphe::Ligne(int x1, int y1, int x2, int y2, QColor couleur) {
    const Trait trait{VersEntier16Borne(x1), VersEntier16Borne(y1), VersEntier16Borne(x2),
                      VersEntier16Borne(y2), couleur.rgb()};
    Change();
    traits_.push_back(trait);
    if (traits_.size() >= seuilCompactage_) Compacte();
}

void SurfaceGraphe::Compacte() {
    traits_ = SansDoublons(traits_);
    seuilCompactage_ = std::max<std::size_t>(4096, 2 * traits_.size());
}

std::vector<SurfaceGraphe::Trait> SurfaceGraphe::Traits() const {
    return SansDoublons(traits_);
}

void SurfaceGraphe::DefinitRepere() {
    Change();
}

QImage SurfaceGraphe::ImageFond() const {
    QImage image(TailleAppareil(1.0), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    PeintFond(peintre, QPointF(0, 0), 1.0);
    return image;
}

void SurfaceGraphe::Peint(QPainter& peintre, QPointF origine, double echelle) const {
    peintre.fillRect(QRectF(origine, QSizeF(LargeurDessin * echelle, HauteurDessin * echelle)),
                     Qt::white);
    PeintFond(peintre, origine, echelle);
    const QPoint coin(static_cast<int>(std::lround(origine.x())),
                      static_cast<int>(std::lround(origine.y())));
    // Lines of one device pixel, snapped to the nearest device pixel: crisp at any ratio. On a
    // printer one device pixel is too thin to see: there the pen is one screen pixel wide.
    QPen stylo(Qt::black, 0);
    if (echelle > 2.5) stylo.setWidth(static_cast<int>(std::floor(echelle)));
    peintre.setRenderHint(QPainter::Antialiasing, false);
    // Runs of one colour go to the painter in one call.
    std::vector<QLine> lot;
    lot.reserve(std::min<std::size_t>(traits_.size(), 1024));
    auto vide = [&](QRgb couleur) {
        if (lot.empty()) return;
        stylo.setColor(QColor::fromRgb(couleur));
        peintre.setPen(stylo);
        peintre.drawLines(lot.data(), static_cast<int>(lot.size()));
        lot.clear();
    };
    for (std::size_t j = 0; j < traits_.size(); ++j) {
        const Trait& t = traits_[j];
        if (j > 0 && t.couleur != traits_[j - 1].couleur) vide(traits_[j - 1].couleur);
        lot.emplace_back(coin.x() + TwipsVersPixelsEchelle(t.x1, echelle),
                         coin.y() + TwipsVersPixelsEchelle(t.y1, echelle),
                         coin.x() + TwipsVersPixelsEchelle(t.x2, echelle),
                         coin.y() + TwipsVersPixelsEchelle(t.y2, echelle));
    }
    if (!traits_.empty()) vide(traits_.back().couleur);
}

void SurfaceGraphe::PeintFond(QPainter& peintre, QPointF origine, double echelle) const {
    peintre.save();
    peintre.translate(origine);
    peintre.scale(echelle, echelle);
    Calcul_Graphe::DessineRepere(peintre);
    peintre.restore();
}

QImage SurfaceGraphe::Image(qreal ratio) const {
    QImage image(TailleAppareil(ratio), QImage::Format_RGB32);
    image.fill(Qt::white); // the pixels a fractional ratio leaves past the painted area
    {
        QPainter peintre(&image);
        Peint(peintre, QPointF(0, 0), ratio);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

void SurfaceGraphe::Rend(QPainter& peintre, const QRectF& cible) const {
    peintre.save();
    peintre.setClipRect(cible, Qt::IntersectClip);
    Peint(peintre, cible.topLeft(), cible.width() / LargeurDessin);
    peintre.restore();
}

void SurfaceGraphe::paintEvent(QPaintEvent* evenement) {
    const qreal ratio = devicePixelRatioF();
    if (!imageAJour_ || echelleImage_ != ratio) {
        image_ = Image(ratio);
        image_.setDevicePixelRatio(1); // read below in device pixels
        echelleImage_ = ratio;
        imageAJour_ = true;
    }
    QPainter peintre(this);
    const QRect contenu = contentsRect();
    const QRect dessin(contenu.topLeft(), QSize(LargeurDessin, HauteurDessin));
    // Beyond the drawing area (a surface larger than its design) the background is white;
    // the drawing area itself is covered by the image.
    for (const QRect& blanc : (QRegion(evenement->rect().intersected(contenu)) - dessin))
        peintre.fillRect(blanc, Qt::white);
    const QRect zone = evenement->rect().intersected(dessin);
    if (!zone.isEmpty()) {
        const QRect source(
            QPoint(std::lround((zone.left() - dessin.left()) * ratio),
                   std::lround((zone.top() - dessin.top()) * ratio)),
            QSize(std::lround(zone.width() * ratio), std::lround(zone.height() * ratio)));
        peintre.drawImage(QRectF(zone), image_, QRectF(source));
    }
    if (!contenu.contains(evenement->rect())) drawFrame(&peintre);
}

void SurfaceGraphe::keyPressEvent(QKeyEvent* evenement) {
    emit toucheEnfoncee(evenement->key());
    evenement->accept();
}
