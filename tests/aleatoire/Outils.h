// What the random-use test needs around the program: a seeded source of choices, the journal
// of the last events, the answering of every modal box and popup that an event opens, and the
// watchdog that tells a hang.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <random>
#include <string>
#include <thread>

class QWidget;

class Hasard {
public:
    explicit Hasard(std::uint64_t graine) : generateur_(graine) {}
    int entre(int min, int max) {
        return std::uniform_int_distribution<int>(min, max)(generateur_);
    }
    bool piece(double p) { return std::uniform_real_distribution<double>(0, 1)(generateur_) < p; }
    template <typename Liste> const auto& parmi(const Liste& liste) {
        return liste[static_cast<std::size_t>(entre(0, static_cast<int>(std::size(liste)) - 1))];
    }

private:
    std::mt19937_64 generateur_;
};

// The seed and the last events, printed when something fails (also from the watchdog thread).
class Journal {
public:
    Journal(std::uint64_t graine, long long prevus) : graine_(graine), prevus_(prevus) {}
    void note(long long numero, const std::string& evenement);
    void ajoute(const std::string& detail); // to the current event's line
    std::string rapport(const std::string& echec) const;

private:
    mutable std::mutex verrou_;
    std::uint64_t graine_;
    long long prevus_;
    std::deque<std::string> derniers_;
};

// Texts a user may type, paste or answer: empty, letters, either separator, out-of-range and
// non-finite numbers, 10,000 digits, control characters, digits of other scripts, and random
// mixtures of the characters numbers are made of.
QString TexteHostile(Hasard& hasard);

// Answers every modal box and popup as soon as it shows: message boxes with OK (their form is
// checked), the last-rank box with a hostile answer accepted or cancelled, the print dialog
// always cancelled, menus and lists by a random entry or Escape. Anything else is a failure.
class Repondeur : public QObject {
public:
    Repondeur(Hasard& hasard, Journal& journal);
    ~Repondeur() override;

    // Set by the answers during the current event.
    bool messageVu = false;
    int boites = 0;
    // The last rank an accepted answer must give, once one was accepted.
    std::function<void(const QString&)> rangAccepte;
    std::string echec; // first problem met, empty if none

    // Any box or popup still open (the event is then not over).
    static bool ouverte();
    // Closes whatever is open, after a failure.
    static void fermeTout();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void repond(QPointer<QWidget> boite, int essai);
    void repondMessage(QWidget* boite);
    void repondRang(QWidget* boite);
    void repondMenu(QWidget* menu);
    void repondListe(QWidget* liste);
    Hasard& hasard_;
    Journal& journal_;
};

// Hangs. The loop must keep turning: a timer of its own beats every 100 ms, and if it has not
// beaten for 2 s during an event, a handler holds the loop; the watchdog thread then prints the
// journal and ends the process. A box that nobody closes leaves the loop turning but the event
// unfinished: after 10 s it is closed from the loop and reported.
class Chien : public QObject {
public:
    explicit Chien(Journal& journal);
    ~Chien() override;
    void debut();
    void fin();
    std::string echec;

private:
    static long long maintenant();
    Journal& journal_;
    std::atomic<long long> debut_{0};
    std::atomic<long long> pouls_{0};
    std::atomic<bool> arret_{false};
    QTimer minuterie_;
    std::thread fil_;
};
