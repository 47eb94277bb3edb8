// Help panel: one label, lblInfo, where the main window explains the control under the mouse.
#pragma once

#include <QWidget>

class ServicesApplication;
class QLabel;

class FrmAide : public QWidget {
    Q_OBJECT
public:
    explicit FrmAide(const ServicesApplication& services, QWidget* parent = nullptr);

    QLabel* lblInfo = nullptr;
    // Writes the caption of lblInfo (character 13 breaks the line). Never shows, activates or
    // moves the panel.
    void DefinitInfo(const QString& texte);

    // Places the panel in the middle of the screen area left of the main window.
    void Form_Load();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    const ServicesApplication& services_;
};
