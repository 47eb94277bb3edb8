#include "commun/BoiteModale.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

BoiteModale::BoiteModale(std::function<void(QWidget*)> reponse, int delaiMs) {
    chrono_.start();
    QObject::connect(&minuterie_, &QTimer::timeout, [this, reponse, delaiMs] {
        QWidget* boite = QApplication::activeModalWidget();
        if (!boite) {
            if (chrono_.elapsed() > delaiMs) {
                minuterie_.stop();
                ADD_FAILURE() << "aucune boîte modale n'est apparue";
            }
            return;
        }
        minuterie_.stop();
        vue_ = true;
        titre_ = boite->windowTitle();
        if (auto* message = qobject_cast<QMessageBox*>(boite)) texte_ = message->text();
        if (auto* saisie = qobject_cast<QInputDialog*>(boite)) texte_ = saisie->labelText();
        reponse(boite);
    });
    minuterie_.start(10);
}
