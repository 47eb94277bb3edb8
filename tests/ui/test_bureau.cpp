// The main window on a real desktop: values and list items whole in their boxes at any scale,
// and the duty-cycle message in the user's locale.
#include "test_comportement_commun.h"

#include <QProcess>
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
    // Every digit in the widest form, and the widest phase.
    for (char c = '0'; c <= '9'; ++c) {
        f().txtBn[0]->setText(QStringLiteral("-%1%1,%1%1").arg(c));
        verifie(f().txtBn[0]);
    }
    f().txtPhin[0]->setText("-180");
    verifie(f().txtPhin[0]);
    // The closed list shows each signal whole.
    for (int signal = 0; signal < 3; ++signal) {
        ChoisitSignal(signal);
        EXPECT_EQ(Coupure(f().cboChoixSignal, f().cboChoixSignal->currentText(),
                          AvantLaFleche(f().cboChoixSignal)),
                  "");
    }
}

// The same, with the screen at 150 % and 200 % (a run of its own each: the scale is fixed when
// the application starts).
TEST(Echelles, ValeursEtSignauxEntiersAUneEtDemieEtADeux) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) GTEST_SKIP() << "déjà à l'échelle";
    for (const char* echelle : {"1.5", "2"}) {
        QProcess execution;
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("QT_SCALE_FACTOR", echelle);
        execution.setProcessEnvironment(environnement);
        execution.setProcessChannelMode(QProcess::MergedChannels);
        execution.start(QCoreApplication::applicationFilePath(),
                        {"--gtest_filter=Comportement.ValeursEtSignauxEntiersDansLeursBoites"});
        ASSERT_TRUE(execution.waitForFinished(120000)) << echelle;
        const QString sortie = execution.readAll();
        EXPECT_TRUE(execution.exitCode() == 0 && sortie.contains("[  PASSED  ] 1 test"))
            << "échelle " << echelle << ":\n"
            << sortie.toStdString();
    }
}

TEST_F(Comportement, LeMessageDuRapportNommeLeSeparateurDeLaLangue) {
    const QString premiere = "Le format du rapport cyclique est incorrect.\n";
    const QString virgule = premiere + "Attention le séparateur décimal est la virgule.";
    const QString point = premiere + "Attention le séparateur décimal est le point.";
    const std::tuple<const char*, QLocale, const char*, QString> cas[] = {
        {"français", QLocale(QLocale::French, QLocale::France), "0.5", virgule},
        {"anglais des États-Unis", QLocale(QLocale::English, QLocale::UnitedStates), "0,5", point},
    };
    const QLocale francais;
    Prepare(0, "50", {});
    for (const auto& [nom, langue, texte, message] : cas) {
        SCOPED_TRACE(nom);
        QLocale::setDefault(langue);
        f().txtRapportCyclique->setText(texte);
        AttendMessage([&] { f().cmdRapportCyclique->click(); }, message);
        EXPECT_EQ(f().txtRapportCyclique->text(), texte);
    }
    QLocale::setDefault(francais);
}
