#include "ui/Adaptateurs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QPointer>
#include <QPainter>
#include <QStringList>
#include <QStyleOption>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// One band style for every slider, for the application's lifetime.
QStyle* StyleCurseurs() {
    static QPointer<StyleBandes> style;
    if (!style) {
        style = new StyleBandes();
        style->setParent(qApp);
    }
    return style;
}
} // namespace

// The shown value is the negated internal one: QScrollBar puts its minimum at the top, and only
// a plain range makes the top arrow, PageUp and the groove above the thumb raise the value.
CurseurVertical::CurseurVertical(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setStyle(StyleCurseurs());
    setTracking(false);
    setSingleStep(1);
    setPageStep(10);
    connect(this, &QAbstractSlider::valueChanged, this, &CurseurVertical::change);
    connect(this, &QAbstractSlider::sliderMoved, this, &CurseurVertical::defilement);
}

void CurseurVertical::DefinitBornes(int haut, int bas) {
    setRange(-haut, -bas);
}

int CurseurVertical::Valeur() const {
    return -value();
}

void CurseurVertical::DefinitValeur(int valeur) {
    setValue(-valeur);
}

int CurseurVertical::ValeurDefilement() const {
    return -sliderPosition();
}

void ZoneValeur::paintEvent(QPaintEvent* evenement) {
    if (!isReadOnly()) return QLineEdit::paintEvent(evenement);
    QPainter peintre(this);
    QStyleOptionFrame panneau;
    initStyleOption(&panneau);
    PeintPanneauLigne(peintre, panneau, this);
    // One pixel of air between the value and the frame.
    const QRect contenu =
        style()->subElementRect(QStyle::SE_LineEditContents, &panneau, this).adjusted(1, 0, -1, 0);
    peintre.setFont(PoliceAjustee(font(), text(), contenu.width()));
    style()->drawItemText(&peintre, contenu,
                          QStyle::visualAlignment(layoutDirection(), alignment()), panneau.palette,
                          isEnabled(), text(), QPalette::Text);
}

namespace {
// Room for the arrow glyph and a little air on either side of it.
constexpr int LargeurFleche = 10;
} // namespace

StyleListe::StyleListe() : QProxyStyle(QApplication::style()->name()) {}

QRect StyleListe::subControlRect(ComplexControl controle, const QStyleOptionComplex* option,
                                 SubControl partie, const QWidget* widget) const {
    const QRect rect = QProxyStyle::subControlRect(controle, option, partie, widget);
    if (controle != CC_ComboBox || (partie != SC_ComboBoxArrow && partie != SC_ComboBoxEditField))
        return rect;
    // Worked left to right, then mirrored back for a right-to-left layout.
    const auto miroir = [option](const QRect& r) {
        return visualRect(option->direction, option->rect, r);
    };
    QRect fleche = miroir(QProxyStyle::subControlRect(controle, option, SC_ComboBoxArrow, widget));
    if (fleche.width() > LargeurFleche) fleche.setLeft(fleche.right() - LargeurFleche + 1);
    if (partie == SC_ComboBoxArrow) return miroir(fleche);
    // The field runs from just inside the frame to the arrow.
    QRect champ = miroir(rect);
    champ.setLeft(std::min(champ.left(), option->rect.left() + 2));
    champ.setRight(std::max(champ.right(), fleche.left() - 1));
    return miroir(champ);
}

void StyleListe::drawControl(ControlElement element, const QStyleOption* option, QPainter* peintre,
                             const QWidget* widget) const {
    const auto* liste = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (element != CE_ComboBoxLabel || !liste || liste->editable)
        return QProxyStyle::drawControl(element, option, peintre, widget);
    // The label is drawn one pixel inside the field on either side.
    const QRect champ = subControlRect(CC_ComboBox, liste, SC_ComboBoxEditField, widget);
    peintre->save();
    peintre->setFont(PoliceAjustee(peintre->font(), liste->currentText, champ.width() - 2));
    QProxyStyle::drawControl(element, option, peintre, widget);
    peintre->restore();
}

StyleBandes::StyleBandes() : QProxyStyle(QApplication::style()->name()) {}

namespace {

bool Entier(qreal v) {
    return v == std::floor(v);
}

// Whether `peintre` puts logical pixels on whole device pixels at its device's own ratio: there
// a picture painted apart at that ratio lands exactly as if it had been painted in place (at a
// fractional ratio the style's own pictures, such as arrows, would be resampled differently).
bool GrilleEntiere(const QPainter& peintre) {
    const qreal ratio = peintre.device() ? peintre.device()->devicePixelRatioF() : 0;
    const QTransform appareil = peintre.deviceTransform();
    return appareil.type() <= QTransform::TxScale && ratio >= 1 && Entier(ratio) &&
           appareil.m11() == ratio && appareil.m22() == ratio && Entier(appareil.dx()) &&
           Entier(appareil.dy());
}

// The key of a kept picture: what it shows, the style that paints it, and every value of the
// option and the ratio that its pixels depend on.
QString CleImage(QLatin1StringView genre, const QStyle& style, qreal ratio,
                 std::initializer_list<qint64> valeurs) {
    QString cle = QStringLiteral("ondalis-") + genre + QLatin1Char('-') + style.name() +
                  QLatin1Char('-') + QString::number(ratio);
    for (const qint64 v : valeurs)
        cle += QLatin1Char('-') + QString::number(v);
    return cle;
}

// The picture under `cle`, painted by `peint` when the cache has none.
QPixmap ImageGardee(const QString& cle, const std::function<QPixmap()>& peint) {
    QPixmap image;
    if (!QPixmapCache::find(cle, &image)) {
        image = peint();
        QPixmapCache::insert(cle, image);
    }
    return image;
}

QString CleCurseur(const QStyle& style, const QStyleOptionSlider& o, qreal ratio) {
    return CleImage(QLatin1StringView("curseur"), style, ratio,
                    {o.rect.width(), o.rect.height(), o.minimum, o.maximum, o.sliderPosition,
                     o.sliderValue, o.singleStep, o.pageStep, o.upsideDown, o.orientation,
                     qint64(o.state), qint64(o.subControls), qint64(o.activeSubControls),
                     o.direction, o.palette.cacheKey()});
}

} // namespace

void StyleBandes::drawComplexControl(ComplexControl controle, const QStyleOptionComplex* option,
                                     QPainter* peintre, const QWidget* widget) const {
    const auto* curseur = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (controle != CC_ScrollBar || !curseur || !GrilleEntiere(*peintre))
        return QProxyStyle::drawComplexControl(controle, option, peintre, widget);
    const qreal ratio = peintre->device()->devicePixelRatioF();
    const QTransform appareil = peintre->deviceTransform();
    const QRect zone = appareil.mapRect(QRectF(option->rect)).toAlignedRect();
    const QPixmap image = ImageGardee(CleCurseur(*baseStyle(), *curseur, ratio), [&] {
        return QPixmap::fromImage(ImageParBandes(*curseur, ratio, zone.size(), widget));
    });
    // Device pixel for device pixel at the slider's place.
    peintre->save();
    peintre->setWorldTransform(QTransform::fromTranslate(zone.left(), zone.top()) *
                               appareil.inverted() * peintre->worldTransform());
    peintre->drawPixmap(QPoint(0, 0), image);
    peintre->restore();
}

QImage StyleBandes::ImageParBandes(const QStyleOptionSlider& option, qreal ratio, QSize taille,
                                   const QWidget* widget) const {
    constexpr int LignesParBande = 64;
    QImage image(taille, QImage::Format_ARGB32_Premultiplied);
    QImage bande(taille.width(), LignesParBande, QImage::Format_ARGB32_Premultiplied);
    QPainter assemblage(&image);
    assemblage.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < taille.height(); y += LignesParBande) {
        bande.setDevicePixelRatio(ratio);
        bande.fill(Qt::transparent);
        {
            QPainter p(&bande);
            p.setWorldTransform(QTransform::fromTranslate(-option.rect.left(),
                                                          -option.rect.top() - y / ratio));
            QProxyStyle::drawComplexControl(CC_ScrollBar, &option, &p, widget);
        }
        bande.setDevicePixelRatio(1);
        assemblage.drawImage(QPoint(0, y), bande);
    }
    return image;
}

void PeintPanneauLigne(QPainter& peintre, const QStyleOptionFrame& option, const QWidget* widget) {
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (!GrilleEntiere(peintre))
        return style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &peintre, widget);
    const qreal ratio = peintre.device()->devicePixelRatioF();
    const QString cle = CleImage(
        QLatin1StringView("panneau"), *style, ratio,
        {option.rect.width(), option.rect.height(), qint64(option.state), option.lineWidth,
         option.midLineWidth, qint64(option.features), option.direction,
         option.palette.cacheKey()});
    const QPixmap image = ImageGardee(cle, [&] {
        QPixmap panneau(option.rect.size() * ratio);
        panneau.setDevicePixelRatio(ratio);
        panneau.fill(Qt::transparent);
        QPainter p(&panneau);
        p.translate(-option.rect.topLeft());
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &p, widget);
        p.end();
        return panneau;
    });
    peintre.drawPixmap(option.rect.topLeft(), image);
}

QFont PoliceAjustee(const QFont& police, const QString& texte, qreal largeur) {
    const qreal naturelle = QFontMetricsF(police).horizontalAdvance(texte);
    if (naturelle <= largeur || largeur <= 0) return police;
    QFont ajustee = police;
    const int etirement = police.stretch() > 0 ? police.stretch() : 100;
    // Proportional first, then down step by step: advances do not scale exactly.
    for (int e = qFloor(etirement * largeur / naturelle); e >= 50; --e) {
        ajustee.setStretch(e);
        if (QFontMetricsF(ajustee).horizontalAdvance(texte) <= largeur) break;
    }
    return ajustee;
}

QColor FaceClaire() {
    return QApplication::style()->standardPalette().color(QPalette::Active, QPalette::Window);
}

QColor FondPour(const QColor& texte) {
    // WCAG relative luminance and contrast ratio.
    const auto luminance = [](const QColor& c) {
        const auto lineaire = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) +
               0.0722 * lineaire(c.blueF());
    };
    const QColor fenetre = QApplication::palette().color(QPalette::Active, QPalette::Window);
    const double a = luminance(texte), b = luminance(fenetre);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 3 ? fenetre : FaceClaire();
}

void FixeCouleurs(QWidget* w, const QColor& texte, const QColor& fond) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, texte);
    palette.setColor(QPalette::Window, fond);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void ZoneTexte::mousePressEvent(QMouseEvent* evenement) {
    QLineEdit::mousePressEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit clic();
}

void ZoneTexte::mouseDoubleClickEvent(QMouseEvent* evenement) {
    QLineEdit::mouseDoubleClickEvent(evenement);
    if (evenement->button() == Qt::LeftButton) emit doubleClic();
}

namespace Calcul_Graphe {

QString TexteQt(const QString& texte) {
    QString resultat = texte;
    resultat.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    resultat.replace(QChar(u'\r'), QChar(u'\n'));
    return resultat;
}

QString TexteEnveloppe(const QString& texte, const QFont& police, int largeur) {
    const QFontMetrics mesure(police);
    QStringList lignes;
    QString ligne;
    for (const QString& mot : texte.split(QChar(u' '), Qt::SkipEmptyParts)) {
        const QString essai = ligne.isEmpty() ? mot : ligne + QChar(u' ') + mot;
        if (!ligne.isEmpty() && mesure.horizontalAdvance(essai) > largeur) {
            lignes << ligne;
            ligne = mot;
        } else {
            ligne = essai;
        }
    }
    if (!ligne.isEmpty()) lignes << ligne;
    return lignes.join(QChar(u'\n'));
}

} // namespace Calcul_Graphe
