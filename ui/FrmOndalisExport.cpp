// Handlers of the handouts: the graphs exported to a file, the coefficient table copied.
#include "ui/FrmOndalis.h"

#include "calcul/Nombres.h"
#include "calcul/TableauCoefficients.h"
#include "output/Export.h"
#include "output/Sortie.h"
#include "ui/CurseurVertical.h"
#include "ui/RoutinesOndalis.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Calcul_Graphe;

void FrmOndalis::mnuExporter_Click() {
    if (dernierExport_.isEmpty())
        dernierExport_ = QDir::home().filePath(QStringLiteral("Ondalis.svg"));
    QFileDialog dialogue(this, QStringLiteral("Exporter les graphes"), dernierExport_,
                         FiltresExport());
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without extension takes that of the chosen type.
    const auto suffixe = [&dialogue](const QString& filtre) {
        dialogue.setDefaultSuffix(Extension(FormatDuFichier({}, filtre)));
    };
    const FormatExport propose = FormatDuFichier(dernierExport_, {});
    dialogue.selectNameFilter(
        FiltresExport().split(QStringLiteral(";;"))[static_cast<int>(propose)]);
    suffixe(dialogue.selectedNameFilter());
    connect(&dialogue, &QFileDialog::filterSelected, &dialogue, suffixe);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return;

    QString fichier = dialogue.selectedFiles().constFirst();
    const FormatExport format = FormatDuFichier(fichier, dialogue.selectedNameFilter());
    // Platform dialogs may leave the name as typed.
    if (QFileInfo(fichier).suffix().isEmpty()) fichier += '.' + Extension(format);
    const QString echec = ExporteGraphes(graphes_, fichier, format);
    if (echec.isEmpty())
        dernierExport_ = fichier;
    else
        Avertit(*this, echec);
}

void FrmOndalis::mnuCopierTableau_Click() {
    const char separateur = SeparateurDecimal();
    if (etat_.ModeChoixSignal == Faux) {
        std::array<int, NombreRangs> amplitudes{};
        for (std::size_t n = 0; n < amplitudes.size(); ++n)
            amplitudes[n] = scrHarmonic[n]->Valeur();
        CopieTableau(TableauReglage(amplitudes, separateur));
        return;
    }
    try {
        CopieTableau(TableauSignal(etat_, cboChoixSignal->currentIndex(), scrHarmonic[0]->Valeur(),
                                   separateur));
    } catch (const ErreurExecution&) {
        // The boxes still show the coefficients of an earlier, valid duty cycle.
        Avertit(*this, QStringLiteral("Les coefficients ne peuvent pas être calculés pour ce "
                                      "rapport cyclique.\rLe tableau n'a pas été copié."));
    }
}
