#pragma once

// Tells a screen reader what happens in the game as it happens, without moving the focus off the
// hand: each sentence is raised as a notification of its own, which Orca speaks when it appears
// and keeps in its notification history.

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "access/review.h"
#include "game/events.h"

class QWidget;

class Narrator : public QObject {
    Q_OBJECT
public:
    using Mondat = std::function<std::string(const tarolas::Esemeny&)>;

    // The notifications live in `ablak`.
    Narrator(QWidget* ablak, Mondat mondat);

    // One event's sentence, if it has one.
    void esemeny(const tarolas::Esemeny& e);
    // Says `szoveg` now, or as soon as the window is on screen; a sentence of the play (not an
    // answer to a key: R, S, a hint) is kept for R.
    void mond(const QString& szoveg, bool aJatekbol = true);
    // While held, sentences wait, in order, until let go; true if they were held.
    bool tart(bool tartva);
    // R: the sentences of the last move again, in one notification; false when there are none.
    bool ujra();
    // How long a notification stays in the window's accessible tree after it is shown.
    static inline int megtartasMs = 3000;
    // The action buttons offered now (0 Tarolás, 1 40, 2 20, 3 Kész): each is told once when it
    // becomes possible, and again in a later deal or after a marriage has been announced.
    void gombok(const std::array<bool, 4>& lathato);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void felmutat(const QString& szoveg);

    QWidget* ablak_;
    Mondat mondat_;
    QStringList varo_;                       // said before the window was shown
    bool tartva_ = false;
    QStringList tartott_;                    // said while held
    std::vector<QPointer<QWidget>> kint_;    // the latest notifications, oldest first
    tarolas::UtolsoLepes lepes_;
    std::array<bool, 4> lathato_{};
    std::array<bool, 4> elmondva_{};
};
