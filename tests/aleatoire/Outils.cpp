#include "aleatoire/Outils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>

void Journal::note(long long numero, const std::string& evenement) {
    const std::lock_guard<std::mutex> garde(verrou_);
    // ONDALIS_BAVARD=1 prints every event once it is complete, for a replay.
    static const bool bavard = qEnvironmentVariableIsSet("ONDALIS_BAVARD");
    if (bavard && !derniers_.empty()) std::printf("%s\n", derniers_.back().c_str());
    derniers_.push_back(std::to_string(numero) + " " + evenement);
    if (derniers_.size() > 30) derniers_.pop_front();
}

void Journal::ajoute(const std::string& detail) {
    const std::lock_guard<std::mutex> garde(verrou_);
    if (!derniers_.empty()) derniers_.back() += " | " + detail;
}

std::string Journal::rapport(const std::string& echec) const {
    const std::lock_guard<std::mutex> garde(verrou_);
    std::ostringstream o;
    o << "Usage aléatoire en échec : " << echec << "\n  graine " << graine_ << " (" << prevus_
      << " événements prévus); rejouer avec ONDALIS_GRAINE=" << graine_
      << " ONDALIS_EVENEMENTS=" << prevus_ << "\n  derniers événements :\n";
    for (const std::string& e : derniers_)
        o << "    " << e << "\n";
    return o.str();
}

QString TexteHostile(Hasard& hasard) {
    static const QStringList fixes = {"",
                                      " ",
                                      "abc",
                                      "0,5",
                                      "0.5",
                                      "1e309",
                                      "-1e309",
                                      "1e-400",
                                      "nan",
                                      "NaN",
                                      "inf",
                                      "-inf",
                                      "-0",
                                      "0",
                                      "50",
                                      "100",
                                      "150",
                                      "-3,2",
                                      "12,9",
                                      "0,29",
                                      "0,333",
                                      "0,004",
                                      "2000",
                                      "2001",
                                      "1999",
                                      "1999.9",
                                      "2500",
                                      "100000",
                                      "-100000",
                                      "32767",
                                      "32768",
                                      "-32768",
                                      "-32769",
                                      "15,7",
                                      "15.7",
                                      "12abc",
                                      "  7",
                                      "\t3",
                                      "+5",
                                      ".5",
                                      "5.",
                                      "1e3",
                                      "2E+3",
                                      "1e",
                                      "e5",
                                      "--5",
                                      "%50",
                                      "50%",
                                      "1 000",
                                      "0x10",
                                      "1e99999999999",
                                      "-0,0",
                                      "99999999999999999999",
                                      QString(10000, '9'),
                                      "0," + QString(9998, '0') + "1",
                                      QString("\x01\x02\r\n\x1b\x7f"),
                                      QString::fromUtf8("\u0663\u0664"),
                                      QString::fromUtf8("\uff11\uff12"),
                                      QString::fromUtf8("\u00a012"),
                                      QString::fromUtf8("\u0967\u0968"),
                                      QString::fromUtf8("\u00bd"),
                                      QString::fromUtf8("−5"),
                                      QString::fromUtf8("é")};
    if (hasard.piece(0.7)) return hasard.parmi(fixes);
    static const QString alphabet = "0123456789,.-+eE \t";
    QString texte;
    for (int n = hasard.entre(0, 24); n > 0; --n)
        texte += alphabet[hasard.entre(0, static_cast<int>(alphabet.size()) - 1)];
    return texte;
}

namespace {

// Types a text as keys; characters without a key of their own arrive as text alone.
void Tape(QWidget* w, const QString& texte) {
    for (const QChar c : texte) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(w, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

bool EstBoiteOuMenu(const QWidget* w) {
    return w->isWindow() && (w->isModal() || w->windowType() == Qt::Popup);
}

} // namespace

Repondeur::Repondeur(Hasard& hasard, Journal& journal) : hasard_(hasard), journal_(journal) {
    qApp->installEventFilter(this);
}

Repondeur::~Repondeur() {
    qApp->removeEventFilter(this);
}

bool Repondeur::ouverte() {
    return QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

void Repondeur::fermeTout() {
    for (int i = 0; i < 20 && ouverte(); ++i) {
        if (QWidget* p = QApplication::activePopupWidget()) p->close();
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
        QCoreApplication::processEvents();
    }
}

bool Repondeur::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objet);
        // Answered from the loop the box runs, as soon as it turns.
        if (EstBoiteOuMenu(w))
            QTimer::singleShot(0, this, [this, p = QPointer<QWidget>(w)] { repond(p, 0); });
    }
    return false;
}

void Repondeur::repond(QPointer<QWidget> boite, int essai) {
    if (!boite || !boite->isVisible()) return;
    if (essai >= 5) {
        if (echec.empty())
            echec = std::string("boîte restée ouverte : ") + boite->metaObject()->className() +
                    " " + boite->windowTitle().toStdString();
        if (auto* d = qobject_cast<QDialog*>(boite.data()))
            d->reject();
        else
            boite->close();
        return;
    }
    ++boites;
    if (qobject_cast<QMessageBox*>(boite))
        repondMessage(boite);
    else if (qobject_cast<QInputDialog*>(boite))
        repondRang(boite);
    else if (auto* impression = qobject_cast<QPrintDialog*>(boite)) {
        journal_.ajoute("impression annulée");
        if (hasard_.piece(0.5))
            QTest::keyClick(impression, Qt::Key_Escape);
        else
            impression->reject();
    } else if (auto* fichier = qobject_cast<QFileDialog*>(boite)) {
        journal_.ajoute("exportation annulée"); // nothing written outside the test
        fichier->reject();
    } else if (qobject_cast<QMenu*>(boite))
        repondMenu(boite);
    else if (boite->findChild<QAbstractItemView*>())
        repondListe(boite);
    else {
        if (echec.empty())
            echec = std::string("boîte inattendue : ") + boite->metaObject()->className() + " " +
                    boite->windowTitle().toStdString();
        if (auto* d = qobject_cast<QDialog*>(boite.data())) d->reject();
        boite->close();
    }
    // A key that did not close it: answer again.
    if (boite && boite->isVisible())
        QTimer::singleShot(0, this, [this, boite, essai] { repond(boite, essai + 1); });
}

void Repondeur::repondMessage(QWidget* w) {
    auto* boite = static_cast<QMessageBox*>(w);
    messageVu = true;
    const QString texte = boite->text();
    journal_.ajoute("message « " + texte.left(40).toStdString() + " »");
    const bool texteConnu = texte.startsWith(u"Le format du rapport cyclique est incorrect.") ||
                            texte == u"C'est fonction n'est pas disponible dans la version Béta" ||
                            texte.startsWith(u"Les coefficients ne peuvent pas être calculés");
    if (echec.empty() &&
        (boite->windowTitle() != u"Ondalis" || boite->buttons().size() != 1 ||
         !boite->button(QMessageBox::Ok) || boite->icon() != QMessageBox::NoIcon || !texteConnu))
        echec = "message de forme inattendue : " + boite->windowTitle().toStdString() + " / " +
                texte.toStdString();
    switch (hasard_.entre(0, 2)) {
    case 0:
        return boite->button(QMessageBox::Ok)->click();
    case 1:
        return QTest::keyClick(boite, Qt::Key_Return);
    default:
        return QTest::keyClick(boite, Qt::Key_Escape);
    }
}

void Repondeur::repondRang(QWidget* w) {
    auto* boite = static_cast<QInputDialog*>(w);
    if (echec.empty() && boite->windowTitle() != u"Rang supérieur")
        echec = "boîte de saisie inattendue : " + boite->windowTitle().toStdString();
    QLineEdit* saisie = boite->findChild<QLineEdit*>();
    QObject::connect(boite, &QDialog::finished, this, [this, boite](int resultat) {
        const QString reponse = boite->textValue();
        journal_.ajoute((resultat == QDialog::Accepted ? "rang accepté « " : "rang annulé « ") +
                        reponse.left(40).toStdString() + " »");
        if (resultat == QDialog::Accepted && rangAccepte) rangAccepte(reponse);
    });
    if (!hasard_.piece(0.15)) { // else the default answer, confirmed unchanged
        const QString texte = TexteHostile(hasard_);
        const int maniere = hasard_.entre(0, 2);
        if (maniere == 0 || texte.size() > 40 || !saisie) {
            boite->setTextValue(texte);
        } else if (maniere == 1) {
            QTest::keyClick(saisie, Qt::Key_A, Qt::ControlModifier);
            Tape(saisie, texte); // a Return typed here answers the box at once
        } else {
            QGuiApplication::clipboard()->setText(texte);
            QTest::keyClick(saisie, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(saisie, Qt::Key_V, Qt::ControlModifier);
        }
    }
    if (!boite->isVisible()) return;
    const bool accepte = hasard_.piece(0.75);
    auto* boutons = boite->findChild<QDialogButtonBox*>();
    if (boutons && hasard_.piece(0.5)) {
        if (QPushButton* b =
                boutons->button(accepte ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel))
            return b->click();
    }
    if (saisie && hasard_.piece(0.5))
        return QTest::keyClick(saisie, accepte ? Qt::Key_Return : Qt::Key_Escape);
    boite->done(accepte ? QDialog::Accepted : QDialog::Rejected);
}

void Repondeur::repondMenu(QWidget* w) {
    auto* menu = static_cast<QMenu*>(w);
    QList<QAction*> entrees;
    for (QAction* a : menu->actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator()) entrees << a;
    if (entrees.isEmpty() || hasard_.piece(0.2)) {
        journal_.ajoute("menu fermé");
        return QTest::keyClick(menu, Qt::Key_Escape);
    }
    QAction* a = hasard_.parmi(entrees);
    journal_.ajoute("menu « " + a->text().toStdString() + " »");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
}

void Repondeur::repondListe(QWidget* w) {
    auto* vue = w->findChild<QAbstractItemView*>();
    const int lignes = vue->model() ? vue->model()->rowCount(vue->rootIndex()) : 0;
    if (lignes == 0 || hasard_.piece(0.2)) {
        journal_.ajoute("liste fermée");
        return QTest::keyClick(vue, Qt::Key_Escape);
    }
    // By keys: a list ignores the release of the click that opened it for a moment.
    const int ligne = hasard_.entre(0, lignes - 1);
    journal_.ajoute("liste ligne " + std::to_string(ligne));
    QTest::keyClick(vue, Qt::Key_Home);
    for (int i = 0; i < ligne; ++i)
        QTest::keyClick(vue, Qt::Key_Down);
    QTest::keyClick(vue, Qt::Key_Return);
}

Chien::Chien(Journal& journal) : journal_(journal) {
    pouls_ = maintenant();
    minuterie_.setInterval(100);
    QObject::connect(&minuterie_, &QTimer::timeout, this, [this] {
        pouls_ = maintenant();
        const long long d = debut_.load();
        if (d != 0 && maintenant() - d > 10000 && Repondeur::ouverte()) {
            if (echec.empty()) echec = "une boîte ou un menu est resté ouvert 10 s";
            Repondeur::fermeTout();
        }
    });
    minuterie_.start();
    fil_ = std::thread([this] {
        while (!arret_.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (debut_.load() == 0 || maintenant() - pouls_.load() <= 2000) continue;
            const std::string r = journal_.rapport("la boucle d'événements n'a pas répondu en 2 s");
            std::fputs(r.c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(EXIT_FAILURE);
        }
    });
}

Chien::~Chien() {
    arret_ = true;
    fil_.join();
}

long long Chien::maintenant() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Chien::debut() {
    pouls_ = maintenant();
    debut_ = maintenant();
}

void Chien::fin() {
    debut_ = 0;
}
