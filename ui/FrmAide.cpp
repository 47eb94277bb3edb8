#include "ui/FrmAide.h"

#include "calcul/Twips.h"
#include "ui/Accessibilite.h"
#include "graphe/Ecran.h"
#include "ui/TextesCouleurs.h"
#include "ui/PlacementFenetre.h"
#include "ui/ServicesApplication.h"
#include "ui/TextesAide.h"

#include <QEvent>
#include <QLabel>
#include <cmath>

using namespace Calcul_Graphe;

namespace {
constexpr int LargeurClient = 4590;
constexpr int HauteurClient = 1590;
} // namespace

FrmAide::FrmAide(const ServicesApplication& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    InstalleAccessibiliteFenetres(); // before the caption tells readers of this window
    setObjectName(QStringLiteral("frmAide"));
    setWindowTitle(QStringLiteral("Aide"));
    // A small tool window with a close box only; closing it discards it, and the next text
    // written recreates it, hidden.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsVersPixels(LargeurClient), TwipsVersPixels(HauteurClient));

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(0, 0, TwipsVersPixels(4575), TwipsVersPixels(1575));
    lblInfo->setFrameShape(QFrame::Box);
    lblInfo->setLineWidth(1);
    lblInfo->setAutoFillBackground(true);
    QPalette palette = lblInfo->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0xC0));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xC0));
    lblInfo->setPalette(palette);
    QFont police(QStringLiteral("Times New Roman"));
    police.setPointSizeF(9.75);
    police.setBold(true);
    lblInfo->setFont(police);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo->setWordWrap(true);
    lblInfo->setMargin(2);
    lblInfo->setText(TexteQt(TexteInitialLblInfo()));
    lblInfo->setMouseTracking(true);
    lblInfo->installEventFilter(this);
    Form_Load();
}

void FrmAide::Form_Load() {
    PlaceCadre(*this, [this](QSize cadre) {
        const QRect ecran = EcranTwips();
        // The main window is only read: it is loaded (and placed) before it shows the panel.
        const QWidget* principale = services_.FenetrePrincipale();
        const auto largeurPrincipale =
            static_cast<float>(principale ? PixelsVersTwips(TailleCadre(*principale).width()) : 0);
        const auto largeur = static_cast<float>(PixelsVersTwips(cadre.width()));
        const auto hauteur = static_cast<float>(PixelsVersTwips(cadre.height()));
        const auto gauche = static_cast<int>(
            std::floor((static_cast<float>(ecran.width()) - largeurPrincipale - largeur) * 0.5f));
        const auto haut =
            static_cast<int>(std::floor((static_cast<float>(ecran.height()) - hauteur) * 0.5f));
        return QPoint(TwipsVersPixels(ecran.left() + gauche), TwipsVersPixels(ecran.top() + haut));
    });
}

void FrmAide::DefinitInfo(const QString& texte) {
    lblInfo->setText(TexteQt(texte));
}

bool FrmAide::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == lblInfo && evenement->type() == QEvent::MouseMove) DefinitInfo(TexteLblInfo());
    return QWidget::eventFilter(objet, evenement);
}
