#include <QEventLoop>
#include <QTimer>

#include "form1.h"

// The game's half-second pause: five ticks of Timer1, with the window answering meanwhile. The
// nested loop sleeps between events, so a pause costs no CPU.
void Form1::varakozas() {
    // Should a pause ever start inside another, the outer one goes on counting afterwards
    // instead of waiting for a timer that was stopped under it.
    const int kulsoSzamlalo = szamlalo_;
    const bool kulsoLetelt = letelt_;
    QEventLoop* kulso = varakozo_;
    szamlalo_ = 0;
    letelt_ = false;
    QEventLoop loop;
    varakozo_ = &loop;
    Timer1->start();
    // A loop that will not run (the application is quitting) ends the pause instead of spinning.
    while (!letelt_) {
        if (loop.exec() != 0) break;
    }
    varakozo_ = kulso;
    if (kulso) {
        szamlalo_ = kulsoSzamlalo;
        letelt_ = kulsoLetelt;
    } else {
        Timer1->stop();
    }
}

void Form1::Timer1_Timer() {
    ++szamlalo_;
    letelt_ = szamlalo_ >= 5;
    if (letelt_ && varakozo_) varakozo_->quit();
}
