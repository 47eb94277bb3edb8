#include "graphe/SurfaceGraphe.h"

#include "calcul/Nombres.h"
#include "calcul/Twips.h"
#include "graphe/AccessibiliteGraphes.h"
#include "graphe/Repere.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
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
    // The cached image stays: a redraw that gives the very same lines keeps it.
    suiteAVerifier_ = true;
    courbes_.clear();
    DefinitDescription(descriptionNue_);
    MetAJourDessin();
    emit effacee();
}

void SurfaceGraphe::MetAJourDessin() {
    // One request until the paint: a redraw clears and draws many times in one handler.
    if (dessinDemande_) return;
    dessinDemande_ = true;
    // The sunken border never changes: only the drawing area is painted again.
    update(contentsRect());
}

void SurfaceGraphe::DefinitDescription(const QString& texte) {
    description_ = texte;
    if (annoncePrevue_ || description_ == descriptionAnnoncee_) return;
    annoncePrevue_ = true;
    QTimer::singleShot(0, this, [this] {
        annoncePrevue_ = false;
        if (description_ == descriptionAnnoncee_) return;
        descriptionAnnoncee_ = description_;
        QAccessibleEvent evenement(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&evenement);
    });
}

void SurfaceGraphe::DefinitDescriptionNue(const QString& texte) {
    const bool nue = description_ == descriptionNue_;
    descriptionNue_ = texte;
    if (nue) DefinitDescription(texte);
}

void SurfaceGraphe::NoteCourbe(int cle) {
    const auto place = std::lower_bound(courbes_.begin(), courbes_.end(), cle);
    if (place == courbes_.end() || *place != cle) courbes_.insert(place, cle);
}

void SurfaceGraphe::Ligne(int x1, int y1, int x2, int y2, QColor couleur) {
    const Trait trait{VersEntier16Borne(x1), VersEntier16Borne(y1), VersEntier16Borne(x2),
                      VersEntier16Borne(y2), couleur.rgb()};
    // The lines reach the cached image at the next paint, all at once: a curve is one batch.
    MetAJourDessin();
    traits_.push_back(trait);
    if (traits_.size() >= seuilCompactage_) Compacte();
}

void SurfaceGraphe::Compacte() {
    // The cached image is brought up to the list, which then loses only hidden lines: the
    // image is that of the shorter list too.
    if (cacheValide_) CompleteCache();
    traits_ = SansDoublons(traits_);
    if (cacheValide_) enCache_ = traits_;
    seuilCompactage_ = std::max<std::size_t>(4096, 2 * traits_.size());
}

std::vector<SurfaceGraphe::Trait> SurfaceGraphe::Traits() const {
    return SansDoublons(traits_);
}

void SurfaceGraphe::DefinitRepere() {
    fondCache_ = QImage();
    cacheValide_ = false;
    MetAJourDessin();
}

QImage SurfaceGraphe::ImageFond() const {
    if (fondEchelle_ == 1.0 && !fondCache_.isNull()) return fondCache_;
    QImage image(TailleAppareil(1.0), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter peintre(&image);
    PeintFond(peintre, QPointF(0, 0), 1.0);
    return image;
}

const QImage& SurfaceGraphe::FondAEchelle(qreal ratio) const {
    if (!fondCache_.isNull() && fondEchelle_ == ratio) return fondCache_;
    QImage image(TailleAppareil(ratio), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        PeintFond(peintre, QPointF(0, 0), ratio);
    }
    fondCache_ = image;
    fondEchelle_ = ratio;
    return fondCache_;
}

void SurfaceGraphe::PeintFond(QPainter& peintre, QPointF origine, double echelle) const {
    peintre.save();
    peintre.translate(origine);
    peintre.scale(echelle, echelle);
    Calcul_Graphe::DessineRepere(peintre);
    peintre.restore();
}

void SurfaceGraphe::PeintTraits(QPainter& peintre, const Trait* debut, const Trait* fin,
                                QPoint origine, double echelle) const {
    // Lines of one device pixel, snapped to the nearest device pixel: crisp at any ratio. On a
    // printer one device pixel is too thin to see: there the pen is one screen pixel wide.
    QPen stylo(Qt::black, 0);
    if (echelle > 2.5) stylo.setWidth(static_cast<int>(std::floor(echelle)));
    peintre.setRenderHint(QPainter::Antialiasing, false);
    // Runs of one colour go to the painter in one call.
    std::vector<QLine> lot;
    lot.reserve(std::min<std::size_t>(static_cast<std::size_t>(fin - debut), 1024));
    auto vide = [&](QRgb couleur) {
        if (lot.empty()) return;
        stylo.setColor(QColor::fromRgb(couleur));
        peintre.setPen(stylo);
        peintre.drawLines(lot.data(), static_cast<int>(lot.size()));
        lot.clear();
    };
    for (const Trait* t = debut; t != fin; ++t) {
        if (t != debut && t->couleur != (t - 1)->couleur) vide((t - 1)->couleur);
        lot.emplace_back(origine.x() + TwipsVersPixelsEchelle(t->x1, echelle),
                         origine.y() + TwipsVersPixelsEchelle(t->y1, echelle),
                         origine.x() + TwipsVersPixelsEchelle(t->x2, echelle),
                         origine.y() + TwipsVersPixelsEchelle(t->y2, echelle));
    }
    if (fin != debut) vide((fin - 1)->couleur);
}

void SurfaceGraphe::Peint(QPainter& peintre, QPointF origine, double echelle,
                          bool fondEnCache) const {
    if (fondEnCache) {
        peintre.drawImage(origine, FondAEchelle(echelle));
    } else {
        peintre.fillRect(QRectF(origine, QSizeF(LargeurDessin * echelle, HauteurDessin * echelle)),
                         Qt::white);
        PeintFond(peintre, origine, echelle);
    }
    const QPoint coin(static_cast<int>(std::lround(origine.x())),
                      static_cast<int>(std::lround(origine.y())));
    PeintTraits(peintre, traits_.data(), traits_.data() + traits_.size(), coin, echelle);
}

QImage SurfaceGraphe::Image(qreal ratio) const {
    QImage image;
    if (cacheValide_ && cacheEchelle_ == ratio) {
        CompleteCache();
        image = cache_.copy();
        image.setDevicePixelRatio(ratio);
        return image;
    }
    image = QImage(TailleAppareil(ratio), QImage::Format_RGB32);
    {
        QPainter peintre(&image);
        Peint(peintre, QPointF(0, 0), ratio, true);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

void SurfaceGraphe::Rend(QPainter& peintre, const QRectF& cible) const {
    peintre.save();
    peintre.setClipRect(cible, Qt::IntersectClip);
    Peint(peintre, cible.topLeft(), cible.width() / LargeurDessin, false);
    peintre.restore();
}

void SurfaceGraphe::RepeintCache(qreal ratio) const {
    // Device pixels, ratio 1: lines are snapped to device pixels by hand.
    if (cache_.size() != TailleAppareil(ratio))
        cache_ = QImage(TailleAppareil(ratio), QImage::Format_RGB32);
    QPainter peintre(&cache_);
    Peint(peintre, QPointF(0, 0), ratio, true);
    cacheEchelle_ = ratio;
    cacheValide_ = true;
    enCache_ = traits_;
    suiteAVerifier_ = false;
}

void SurfaceGraphe::CompleteCache() const {
    // Since a clear, the lines continue those in the image only if they start with them all:
    // a redraw of the same curves adds nothing; anything else is painted afresh.
    if (suiteAVerifier_) {
        suiteAVerifier_ = false;
        if (traits_.size() < enCache_.size() ||
            !std::equal(enCache_.begin(), enCache_.end(), traits_.begin()))
            return RepeintCache(cacheEchelle_);
    }
    if (enCache_.size() >= traits_.size()) return;
    QPainter peintre(&cache_);
    PeintTraits(peintre, traits_.data() + enCache_.size(), traits_.data() + traits_.size(),
                QPoint(0, 0), cacheEchelle_);
    enCache_.insert(enCache_.end(), traits_.begin() + static_cast<std::ptrdiff_t>(enCache_.size()),
                    traits_.end());
}

void SurfaceGraphe::paintEvent(QPaintEvent* evenement) {
    dessinDemande_ = false;
    const qreal ratio = devicePixelRatioF();
    if (!cacheValide_ || cacheEchelle_ != ratio)
        RepeintCache(ratio);
    else
        CompleteCache();
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
        peintre.drawImage(QRectF(zone), cache_, QRectF(source));
    }
    if (!contenu.contains(evenement->rect())) drawFrame(&peintre);
}

void SurfaceGraphe::keyPressEvent(QKeyEvent* evenement) {
    emit toucheEnfoncee(evenement->key());
    evenement->accept();
}
