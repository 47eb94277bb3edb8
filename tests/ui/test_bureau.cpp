// The main window on a real desktop: values and list items whole in their boxes at any scale,
// every text and check box readable under any system palette, the duty-cycle message in the
// user's locale, and hover texts that leave a disabled control alone.
#include "test_comportement_commun.h"

#include "ui/FrmAbout.h"

#include <cmath>

namespace {

// Device pixels covered by the logical rectangle `r` at `ratio`, whole pixels only.
QRect VersAppareil(const QRect& r, qreal ratio) {
    return QRect(QPoint(int(std::ceil(r.left() * ratio)), int(std::ceil(r.top() * ratio))),
                 QPoint(int(std::floor((r.right() + 1) * ratio)) - 1,
                        int(std::floor((r.bottom() + 1) * ratio)) - 1));
}

// First and last columns of `zone` holding ink (a pixel darker than mid-grey); -1 if none.
std::pair<int, int> ColonnesEncre(const QImage& image, const QRect& zone) {
    int premiere = -1, derniere = -1;
    for (int x = zone.left(); x <= zone.right(); ++x)
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (premiere < 0) premiere = x;
                derniere = x;
                break;
            }
    return {premiere, derniere};
}

// Width in device pixels of `texte` written whole in `police`, by a label with room to spare.
int LargeurEntiere(const QString& texte, const QFont& police) {
    QLabel etiquette(texte);
    etiquette.setFont(police);
    etiquette.setMargin(10);
    etiquette.adjustSize();
    const QImage image = etiquette.grab().toImage();
    const auto [premiere, derniere] = ColonnesEncre(image, image.rect());
    return derniere - premiere + 1;
}

// Empty when `w` shows `texte` whole inside `zone` (logical: inside the frame, or before the
// list's arrow): the ink as wide as the whole text's, a blank pixel on either side of it.
std::string Coupure(QWidget* w, const QString& texte, const QRect& zone) {
    const QImage image = w->grab().toImage();
    const QRect z = VersAppareil(zone, image.devicePixelRatio());
    const auto [premiere, derniere] = ColonnesEncre(image, z);
    const int vue = derniere - premiere + 1, entiere = LargeurEntiere(texte, w->font());
    if (premiere > z.left() && derniere < z.right() && std::abs(vue - entiere) <= 1) return {};
    return QString::asprintf("%s \"%s\": encre %d..%d dans %d..%d, texte entier %d px",
                             qPrintable(w->objectName()), qPrintable(texte), premiere, derniere,
                             z.left(), z.right(), entiere)
        .toStdString();
}

QRect InterieurDuCadre(QWidget* w) {
    const int cadre = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    return w->rect().adjusted(cadre, cadre, -cadre, -cadre);
}

// The list's face from its frame to its arrow.
QRect AvantLaFleche(QComboBox* liste) {
    QStyleOptionComboBox option;
    option.initFrom(liste);
    option.currentText = liste->currentText();
    const QRect fleche = liste->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxArrow, liste);
    return QRect(QPoint(1, 1), QPoint(fleche.left() - 1, liste->height() - 2));
}

} // namespace

TEST_F(Comportement, ValeursEtSignauxEntiersDansLeursBoites) {
    const QByteArray echelle = qgetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(f().devicePixelRatioF(), echelle.isEmpty() ? 1.0 : echelle.toDouble());
    const auto verifie = [&](QLineEdit* boite) {
        EXPECT_EQ(Coupure(boite, boite->text(), InterieurDuCadre(boite)), "");
    };
    // The widest values are six characters, "-dd,dd" (sawtooth 90 %: -33,09, rectangle 24 %).
    for (const auto& [signal, rapport] : {std::pair{2, "90"}, {0, "24"}, {1, "99"}}) {
        SCOPED_TRACE(rapport);
        Prepare(signal, rapport, {});
        for (auto* rangee : {&f().TxtAn, &f().txtBn, &f().txtCn, &f().txtPhin})
            for (QLineEdit* boite : *rangee)
                verifie(boite);
    }
    // The widest forms of a value and of a phase, in the widest digit of common fonts.
    f().txtBn[0]->setText("-88,88");
    f().txtPhin[0]->setText("-180");
    verifie(f().txtBn[0]);
    verifie(f().txtPhin[0]);
    // The closed list shows each signal whole.
    for (int signal = 0; signal < 3; ++signal) {
        ChoisitSignal(signal);
        EXPECT_EQ(Coupure(f().cboChoixSignal, f().cboChoixSignal->currentText(),
                          AvantLaFleche(f().cboChoixSignal)),
                  "");
    }
}

namespace {

// WCAG relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    const auto lineaire = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(c.redF()) + 0.7152 * lineaire(c.greenF()) +
           0.0722 * lineaire(c.blueF());
}
double Contraste(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString TexteDe(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* t = qobject_cast<const QLineEdit*>(w)) return t->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    return {};
}

// The colour a text of `w` is written in, and the colour behind it: the widget's own face for
// boxes, buttons and lists, else that of the nearest widget below that fills its background.
std::pair<QColor, QColor> Couleurs(const QWidget* w) {
    const QColor texte = w->palette().color(w->foregroundRole());
    const QWidget* fond = w;
    const bool sonPanneau = qobject_cast<const QLineEdit*>(w) ||
                            qobject_cast<const QComboBox*>(w) ||
                            qobject_cast<const QPushButton*>(w);
    while (!sonPanneau && !fond->autoFillBackground() && !fond->isWindow())
        fond = fond->parentWidget();
    return {texte, fond->palette().color(fond->backgroundRole())};
}

QPalette Palette(QColor face, QColor texte) {
    QPalette p = QApplication::style()->standardPalette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, face);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, texte);
    return p;
}

} // namespace

TEST(Palettes, ChaqueTexteResteLisibleEtLAideGardeSesCouleurs) {
    const QPalette systeme = QApplication::palette();
    // The red prompt lies on the window's own face wherever red reads on it: no light block on
    // a dark desktop.
    const std::tuple<const char*, QPalette, bool> palettes[] = {
        {"claire", QApplication::style()->standardPalette(), true},
        {"sombre", Palette(QColor(0x30, 0x30, 0x30), QColor(0xE0, 0xE0, 0xE0)), true},
        {"bleu nuit", Palette(QColor(0x00, 0x00, 0x40), QColor(0xFF, 0xFF, 0x80)), true},
        {"gris moyen", Palette(QColor(0x80, 0x80, 0x80), Qt::black), false},
    };
    for (const auto& [nom, palette, inviteSurLaFenetre] : palettes) {
        SCOPED_TRACE(nom);
        QApplication::setPalette(palette);
        Ondalis app;
        app.Main();
        FrmOndalis& f = app.frmOndalis();
        f.optChoix[1]->click();
        f.cboChoixSignal->setCurrentIndex(2);
        emit f.cboChoixSignal->activated(2);
        f.mnuApropos_Click();
        int vus = 0;
        for (QWidget* fenetre : {static_cast<QWidget*>(&f), static_cast<QWidget*>(&app.frmAbout())})
            for (const QWidget* w : fenetre->findChildren<QWidget*>()) {
                if (TexteDe(w).trimmed().isEmpty()) continue;
                const auto [texte, fond] = Couleurs(w);
                // The prompt's pure red, a colour of the design, reaches 4 even on white: it is
                // held to 3, the bar for large bold text.
                const double seuil = w == f.Label1 ? 3.0 : 4.5;
                EXPECT_GE(Contraste(texte, fond), seuil)
                    << w->objectName().toStdString() << " " << texte.name().toStdString() << " sur "
                    << fond.name().toStdString();
                ++vus;
            }
        EXPECT_GT(vus, 80);
        EXPECT_EQ(Couleurs(f.Label1).second == palette.color(QPalette::Window), inviteSurLaFenetre);
        // An unticked square stands out from what lies behind it by 3:1, the bar for the parts
        // of a control, measured on the window's pixels; a locked one may be dimmed.
        const QImage image = f.grab().toImage();
        int cases = 0;
        for (const QCheckBox* c : f.findChildren<QCheckBox*>()) {
            if (!c->isVisible() || !c->isEnabled()) continue;
            QStyleOptionButton option;
            option.initFrom(c);
            const QRect logique =
                c->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, c);
            const QRect carre =
                VersAppareil(logique.translated(c->mapTo(&f, QPoint())), image.devicePixelRatio());
            const QColor fond = Couleurs(c).second;
            double ecart = 1;
            for (int y = carre.top(); y <= carre.bottom(); ++y)
                for (int x = carre.left(); x <= carre.right(); ++x)
                    ecart = std::max(ecart, Contraste(image.pixelColor(x, y), fond));
            EXPECT_GE(ecart, 3.0) << c->objectName().toStdString() << " sur "
                                  << fond.name().toStdString();
            ++cases;
        }
        EXPECT_GE(cases, 10);
        const auto [texte, fond] = Couleurs(app.frmAide().lblInfo);
        EXPECT_EQ(texte.name() + " " + fond.name(), "#0000c0 #ffe0c0");
    }
    QApplication::setPalette(systeme);
}

TEST_F(Comportement, LeMessageDuRapportNommeLeSeparateurDeLaLangue) {
    // In French the comma (the other tests); in American English the point, and the text stays.
    const QLocale avant;
    Prepare(0, "50", {});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    f().txtRapportCyclique->setText("0,5");
    AttendMessage([&] { f().cmdRapportCyclique->click(); },
                  "Le format du rapport cyclique est incorrect.\nAttention le séparateur décimal "
                  "est le point.");
    EXPECT_EQ(f().txtRapportCyclique->text(), "0,5");
    QLocale::setDefault(avant);
}
