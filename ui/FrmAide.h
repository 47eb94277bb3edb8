// Help panel: one label, lblInfo, where the main window explains the control under the mouse.
#pragma once

#include <QWidget>

class Ondalis;

class FrmAide : public QWidget {
    Q_OBJECT
public:
    explicit FrmAide(Ondalis& application, QWidget* parent = nullptr);

private:
    Ondalis& app_;
};
