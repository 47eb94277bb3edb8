// Answers the next modal box from a polling timer started before the blocking call, so a test
// never sleeps and never hangs: if no box comes within the delay the test fails.
#pragma once

#include <QString>
#include <functional>

class QWidget;

class BoiteModale {
public:
    // `reponse` receives the modal widget and answers it (click, typed text, reject...).
    explicit BoiteModale(std::function<void(QWidget*)> reponse, int delaiMs = 5000);
    ~BoiteModale();
    bool vue() const { return vue_; }
    QString titre() const { return titre_; }
    QString texte() const { return texte_; } // QMessageBox text or QInputDialog label

private:
    struct Interne;
    Interne* interne_;
    bool vue_ = false;
    QString titre_;
    QString texte_;
};
