// About box "À propos de Ondalis": title, version, description, author and a notice.
// Modeless, without owner; "OK", Enter, Escape or the close box unload it (it is deleted, so
// the application's pointer to it clears and the next use loads it again).
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label5 = nullptr;
    std::array<QLabel*, 2> lblDescription{};
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
