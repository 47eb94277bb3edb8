// Help panel: one label, lblInfo, where the main window explains the control under the mouse.
#pragma once

#include <QWidget>

class Ondalis;
class QLabel;

class FrmAide : public QWidget {
    Q_OBJECT
public:
    explicit FrmAide(Ondalis& application, QWidget* parent = nullptr);

    QLabel* lblInfo = nullptr;
    // Writes the caption of lblInfo (character 13 breaks the line). Never shows, activates or
    // moves the panel.
    void DefinitInfo(const QString& texte);

private:
    Ondalis& app_;
};
