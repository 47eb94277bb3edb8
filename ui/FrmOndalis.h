// Main window "Ondalis - Version Béta".
#pragma once

#include <QMainWindow>

class Ondalis;

class FrmOndalis : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmOndalis(Ondalis& application, QWidget* parent = nullptr);

private:
    Ondalis& app_;
};
