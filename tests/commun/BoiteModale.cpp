#include "commun/BoiteModale.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

struct BoiteModale::Interne {
    QTimer minuterie;
    QElapsedTimer chrono;
};

BoiteModale::BoiteModale(std::function<void(QWidget*)> reponse, int delaiMs)
    : interne_(new Interne) {
    interne_->chrono.start();
    interne_->minuterie.setInterval(10);
    QObject::connect(&interne_->minuterie, &QTimer::timeout, [this, reponse, delaiMs] {
        QWidget* boite = QApplication::activeModalWidget();
        if (!boite) {
            if (interne_->chrono.elapsed() > delaiMs) {
                interne_->minuterie.stop();
                ADD_FAILURE() << "aucune boîte modale n'est apparue";
            }
            return;
        }
        interne_->minuterie.stop();
        vue_ = true;
        titre_ = boite->windowTitle();
        if (auto* message = qobject_cast<QMessageBox*>(boite)) texte_ = message->text();
        if (auto* saisie = qobject_cast<QInputDialog*>(boite)) texte_ = saisie->labelText();
        reponse(boite);
    });
    interne_->minuterie.start();
}

BoiteModale::~BoiteModale() {
    delete interne_;
}
