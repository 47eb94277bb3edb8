// Answers the next modal box from a polling timer started before the blocking call, so a test
// never sleeps and never hangs: if no box comes within the delay the test fails.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

class BoiteModale {
public:
    // `reponse` receives the modal widget and answers it (click, typed text, reject...).
    explicit BoiteModale(std::function<void(QWidget*)> reponse, int delaiMs = 5000);
    bool vue() const { return vue_; }
    QString titre() const { return titre_; }
    QString texte() const { return texte_; } // QMessageBox text or QInputDialog label

private:
    QTimer minuterie_;
    QElapsedTimer chrono_;
    bool vue_ = false;
    QString titre_, texte_;
};
