#include "ui/ContenuDefilant.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QStyle>

namespace Calcul_Graphe {

void AjusteALaPlace(QMainWindow& fenetre, QSize design, QSize place) {
    auto* defilement = qobject_cast<QScrollArea*>(fenetre.centralWidget());
    if (design.width() <= place.width() && design.height() <= place.height()) {
        if (defilement) {
            QWidget* contenu = defilement->takeWidget();
            fenetre.setCentralWidget(contenu);
            contenu->show();
            delete defilement; // at once, not at the next turn of the loop
        }
        fenetre.setFixedSize(design);
        return;
    }
    if (!defilement) {
        defilement = new QScrollArea;
        defilement->setObjectName(QStringLiteral("defilementClient"));
        defilement->setFrameShape(QFrame::NoFrame);
        defilement->setWidget(fenetre.takeCentralWidget());
        fenetre.setCentralWidget(defilement);
    }
    // A scroll bar takes room from the content: the window grows by its width where the
    // screen allows, so that one direction of scrolling is enough when it can be.
    const int barre = fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, defilement);
    bool verticale = design.height() > place.height();
    bool horizontale = design.width() > place.width();
    for (int passe = 0; passe < 2; ++passe) {
        horizontale = horizontale || design.width() + (verticale ? barre : 0) > place.width();
        verticale = verticale || design.height() + (horizontale ? barre : 0) > place.height();
    }
    const QSize voulue(design.width() + (verticale ? barre : 0),
                       design.height() + (horizontale ? barre : 0));
    fenetre.setFixedSize(voulue.boundedTo(place));
}

} // namespace Calcul_Graphe
