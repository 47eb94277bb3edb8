// The window icon is drawn for the device pixels it covers, not an enlarged small image.
#include "graphe/Icone.h"

#include <QPixmap>
#include <gtest/gtest.h>

using namespace Calcul_Graphe;

TEST(Icone, LIconeSuitLeRapportDePixels) {
    const struct {
        int logique;
        double rapport;
    } cas[] = {{16, 1}, {32, 2}, {16, 1.5}};
    const QIcon icone = IconeProgramme();
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.logique << " px x " << c.rapport);
        const QPixmap image = icone.pixmap(QSize(c.logique, c.logique), c.rapport);
        const int appareil = qRound(c.logique * c.rapport);
        EXPECT_EQ(image.size(), QSize(appareil, appareil));
        EXPECT_EQ(image.toImage().convertToFormat(QImage::Format_ARGB32), DessinIcone(appareil));
    }
}
