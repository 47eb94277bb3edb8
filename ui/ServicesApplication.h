// What the main window and the help panel ask of the application that owns them. They get it
// when they are made, with the state and the graph surfaces, and never reach for more.
#pragma once

class FrmAbout;
class FrmAide;
class QWidget;

class ServicesApplication {
public:
    // The help panel and the About box, each created (and loaded) on first use.
    virtual FrmAide& frmAide() = 0;
    virtual FrmAbout& frmAbout() = 0;
    // The main window once it is loaded, else null: the help panel places itself beside it.
    virtual const QWidget* FenetrePrincipale() const = 0;
    // Shows both graph windows (a closed one comes back).
    virtual void AfficheGraphes() = 0;
    // Ends the run at once.
    virtual void Quitte() = 0;

protected:
    ~ServicesApplication() = default;
};
