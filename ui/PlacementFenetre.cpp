#include "ui/PlacementFenetre.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace Calcul_Graphe {

namespace {

bool EstEncadree(const QWidget& fenetre) {
    const QWindow* w = fenetre.windowHandle();
    return fenetre.isVisible() && w && w->isExposed();
}

// Keeps a window's rule and applies it again once the window manager has framed the window.
class SuiviCadre : public QObject {
public:
    explicit SuiviCadre(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
        setObjectName(QStringLiteral("suiviCadre"));
        fenetre.installEventFilter(this);
    }

    void Place(RegleCadre regle) {
        regle_ = std::move(regle);
        reprises_ = 0;
        Applique();
    }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        switch (evenement->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
            if (objet == &fenetre_ && aVerifier_ && EstEncadree(fenetre_)) Verifie();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void Applique() {
        // The rule may resize the window: the size to check is the one it leaves.
        cible_ = regle_(TailleCadre(fenetre_));
        taille_ = TailleCadre(fenetre_);
        // A window already framed goes where it is told; a window not yet framed is checked
        // once it is (a later move is the user's and stays).
        aVerifier_ = !EstEncadree(fenetre_);
        QWindow* w = fenetre_.windowHandle();
        if (w && w->devicePixelRatio() != 1.0) {
            // Scaled, a frame's extents may be a fraction of a logical pixel, which the
            // widget's own geometry rounds: ask for the frame's corner itself.
            w->setFramePosition(cible_);
        } else {
            // Before the native window exists, Qt takes the point as the frame's corner and
            // asks the window manager for it when it creates the window; afterwards it offsets
            // it by the frame it knows.
            fenetre_.move(cible_);
        }
    }

    void Verifie() {
        const QRect cadre = fenetre_.frameGeometry();
        if (cadre.size() == taille_ && cadre.topLeft() == cible_) {
            aVerifier_ = false;
            return;
        }
        // A few tries only: a window manager that refuses the place keeps its own.
        if (++reprises_ > 3) {
            aVerifier_ = false;
            return;
        }
        Applique();
    }

    QWidget& fenetre_;
    RegleCadre regle_;
    QSize taille_;
    QPoint cible_;
    bool aVerifier_ = false;
    int reprises_ = 0;
};

} // namespace

QMargins MargesCadre(const QWidget& fenetre) {
    if (const QWindow* w = fenetre.windowHandle();
        w && (EstEncadree(fenetre) || !w->frameMargins().isNull()))
        return w->frameMargins();
    for (const QWidget* autre : QApplication::topLevelWidgets())
        if (autre != &fenetre && EstEncadree(*autre) &&
            !autre->windowHandle()->frameMargins().isNull())
            return autre->windowHandle()->frameMargins();
    return {};
}

QSize TailleCadre(const QWidget& fenetre) {
    const QMargins m = MargesCadre(fenetre);
    return fenetre.size().grownBy(m);
}

void PlaceCadre(QWidget& fenetre, RegleCadre regle) {
    // Found by name: the class has no meta-object of its own.
    auto* suivi = static_cast<SuiviCadre*>(
        fenetre.findChild<QObject*>(QStringLiteral("suiviCadre"), Qt::FindDirectChildrenOnly));
    if (!suivi) suivi = new SuiviCadre(fenetre);
    suivi->Place(std::move(regle));
}

void AttendCadre(QWidget& fenetre, int delaiMs) {
    if (EstEncadree(fenetre) || !fenetre.isVisible()) return;
    QEventLoop boucle;
    // Ends at the window's expose itself, not at the next tick of a poll.
    class Guet : public QObject {
    public:
        Guet(QWidget& fenetre, QEventLoop& boucle) : fenetre_(fenetre), boucle_(boucle) {}

    protected:
        bool eventFilter(QObject*, QEvent* evenement) override {
            if (evenement->type() == QEvent::Expose || evenement->type() == QEvent::Hide)
                QTimer::singleShot(0, &boucle_, [this] {
                    if (EstEncadree(fenetre_) || !fenetre_.isVisible()) boucle_.quit();
                });
            return false;
        }

    private:
        QWidget& fenetre_;
        QEventLoop& boucle_;
    } guet(fenetre, boucle);
    if (QWindow* w = fenetre.windowHandle()) w->installEventFilter(&guet);
    QTimer::singleShot(delaiMs, &boucle, &QEventLoop::quit);
    boucle.exec();
}

} // namespace Calcul_Graphe
