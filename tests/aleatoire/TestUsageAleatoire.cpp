// Random use of the windows: seeded events on the real controls, every box answered. It looks
// for what only a long random walk finds: a crash, a hang (ctest's timeout), a warning (a
// stopped handler reports one), and states the controls contradict. Long runs:
// scripts/usage-aleatoire.sh.
#include "app/Ondalis.h"
#include "ui/CurseurVertical.h"
#include "ui/ZonesTexte.h"
#include "ui/FrmOndalis.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

using namespace Calcul_Graphe;

namespace {

std::mt19937_64 hasard;
int Entre(int min, int max) {
    return std::uniform_int_distribution<int>(min, max)(hasard);
}
template <typename Liste> auto Parmi(const Liste& liste) {
    return liste[static_cast<std::size_t>(Entre(0, static_cast<int>(std::size(liste)) - 1))];
}

// What a user may type or answer: numbers in either separator, out of range, non-finite, long,
// control characters, letters, nothing.
QString TexteHostile() {
    const QString formes[] = {"", "0", "50", "-100", "100", "0,5", "0.5", "1e309", "-1e-400",
                              "nan", "inf", "abc", "12abc", " 7 ", "2,9E-1", "99999", "-0",
                              "1,5e3", "\t\n", "٣", QString(300, '9'), "0,0001", "0,00009"};
    QString texte = Parmi(formes);
    if (Entre(0, 3) == 0) texte += Parmi(formes);
    return texte;
}

std::string echec;

// Any warning is a fault: a handler that stopped on an exception reports one.
QtMessageHandler precedent = nullptr;
void Filtre(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    // Qt Multimedia says so when "Écouter" finds no audio server; the program says it too.
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(u"This plugin does not support") &&
        !message.startsWith(u"PulseAudioService:") && echec.empty())
        echec = "message : " + message.toStdString();
    precedent(type, contexte, message);
}

// Answers every box and popup an event opens: messages by OK, the last-rank entry with a hostile
// text accepted or cancelled, anything else cancelled.
void Repond() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup->close(), void();
    QWidget* boite = QApplication::activeModalWidget();
    if (!boite) return;
    if (auto* saisie = qobject_cast<QInputDialog*>(boite)) {
        saisie->setTextValue(TexteHostile());
        return saisie->done(Entre(0, 1) ? QDialog::Accepted : QDialog::Rejected);
    }
    if (auto* dialogue = qobject_cast<QDialog*>(boite)) return dialogue->reject();
    boite->close();
}

// One event on a control or a menu entry of the main window.
void Evenement(FrmOndalis& f) {
    QList<QWidget*> controles;
    for (QWidget* w : f.findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && !w->objectName().isEmpty() &&
            (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
             qobject_cast<QScrollBar*>(w) || qobject_cast<QComboBox*>(w)))
            controles << w;
    QList<QAction*> entrees;
    for (QAction* a : f.findChildren<QAction*>())
        if (a->isEnabled() && !a->menu() && !a->isSeparator() && a != f.mnuQuitter &&
            !a->objectName().isEmpty())
            entrees << a;
    if (Entre(0, 5) == 0) {
        return Parmi(entrees)->trigger();
    }
    QWidget* w = Parmi(controles);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->click();
    if (auto* l = qobject_cast<QComboBox*>(w)) {
        const int i = Entre(0, l->count() - 1);
        l->setCurrentIndex(i);
        return emit l->activated(i);
    }
    w->setFocus();
    if (auto* t = qobject_cast<QLineEdit*>(w)) {
        t->selectAll();
        const QString texte = TexteHostile();
        QApplication::clipboard()->setText(texte);
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        return QTest::keyClick(t, Parmi(std::array{Qt::Key_Return, Qt::Key_Tab, Qt::Key_F5}));
    }
    QTest::keyClick(w, Parmi(std::array{Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End}));
}

// What the controls must agree on after any event (the units check the numbers they show).
std::string Contradiction(Ondalis& app) {
    FrmOndalis& f = app.frmOndalis();
    for (int n = 0; n <= 10; ++n) {
        const int v = f.scrHarmonic[n]->Valeur();
        if (v < -100 || v > 100 || f.txtHarmonic[n]->text() != QString::number(v) ||
            app.etat().Validation[n] != (f.chkHarmonic[n]->isChecked() ? 1 : 0))
            return "rang " + std::to_string(n) + " : le curseur, son texte et sa case divergent";
    }
    return f.optChoix[0]->isChecked() == f.optChoix[1]->isChecked() ? "deux modes choisis" : "";
}

long long Variable(const char* nom, long long defaut) {
    const QByteArray v = qgetenv(nom);
    return v.isEmpty() ? defaut : v.toLongLong();
}

} // namespace

TEST(UsageAleatoire, NiPlantageNiBlocageNiAvertissementNiContradiction) {
    const auto graine = static_cast<std::uint64_t>(Variable("ONDALIS_GRAINE", 1));
    const long long nombre = Variable("ONDALIS_EVENEMENTS", 1000);
    hasard.seed(graine);
    precedent = qInstallMessageHandler(Filtre);
    Ondalis app;
    app.Main();
    QTimer repondeur;
    QObject::connect(&repondeur, &QTimer::timeout, Repond);
    repondeur.start(5);
    long long joues = 0;
    for (; joues < nombre && echec.empty(); ++joues) {
        Evenement(app.frmOndalis());
        for (int k = 0; k < 50 && (k < 2 || QApplication::activeModalWidget()); ++k)
            QCoreApplication::processEvents();
        if (echec.empty()) echec = Contradiction(app);
    }
    qInstallMessageHandler(precedent);
    std::printf("usage aléatoire : graine %llu, %lld événements joués\n",
                static_cast<unsigned long long>(graine), joues);
    EXPECT_EQ(echec, "") << "graine " << graine << ", événement n° " << joues;
}
