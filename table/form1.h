#pragma once

// The main window: the menu, the card table with its buttons and talon counter, the status bar,
// and the window-system side of the game (redraw, pauses, message boxes).

#include <QFutureWatcher>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

#include "card_images.h"
#include "game/jatek.h"
#include "keyboard.h"
#include "layout.h"
#include "score_text.h"
#include "table_widget.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QEventLoop;

class Form1 : public QMainWindow, public tarolas::Platform {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The controls, by their form names.
    TableWidget* Picture3 = nullptr;
    std::array<QPushButton*, 4> Command1{};
    QLabel* Label1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    CardImages pakli;
    QMenu* fajl = nullptr;
    QAction* ujjatek = nullptr;
    QAction* erosellenfel = nullptr;  // checkable: the strong opponent makes the computer's choices
    QAction* kilep = nullptr;
    QMenu* sugo = nullptr;
    QAction* jatekszabaly = nullptr;
    QAction* tipp = nullptr;  // enabled only while the player is to move and nothing runs
    QAction* ujra = nullptr;  // R: the last move's sentences again, for a screen reader
    QAction* nevjegy = nullptr;

    // The game; its state is read by the table and the handlers.
    tarolas::Jatek& jatek() { return jatek_; }
    const tarolas::GameState& st() const { return jatek_.st; }
    // A match taken up again, already in the game's state: the table, the trump suit's panel and
    // what may be done now are shown for it.
    void folytatva();
    // The table geometry of the last completed redraw.
    const tarolas::Geometria& geometria() const { return geo_; }

    // Event handlers, named after the control and the event.
    void Form_Load();
    void Form_Resize();
    void ujjatek_Click();
    void kilep_Click();
    void jatekszabaly_Click();
    // The hint into status panel 2, and the keyboard's selection onto its card.
    void tipp_Click();
    void nevjegy_Click();
    // R and S: what the ear may ask for, waiting like every key while a move plays out.
    void ujra_Click();
    void attekintes_Click();
    void Command1_Click(int index);
    void Picture3_MouseUp(int button, int shift, float x, float y);
    void Picture3_MouseMove(int button, int shift, float x, float y);
    // A key on the table: moves the selection, or releases at the selected card, the trump
    // card or the talon; true when the key is one of these.
    bool Picture3_KeyDown(int key);
    void Timer1_Timer();

    // tarolas::Platform
    void ujrarajzol() override;
    void felfordito(std::array<std::int16_t, 2> felfordit) override;
    void gombbeallito() override;
    void varakozas() override;
    void doEvents() override;
    tarolas::MsgResult messageBox(const std::string& text, tarolas::MsgButtons buttons, bool informationIcon) override;
    void setStatusText(int panel, const std::string& text) override;
    void setButtonVisible(int index, bool visible) override;
    void focusTable() override;

    QString statusText(int panel) const;  // panel 1, 2, or 3 (the score)
    // The player's hand slot the keyboard selects, -1 for none.
    int kivalasztott() const { return kivalasztott_; }
    // The table object the keyboard selects instead of a card, if any.
    std::optional<tarolas::Targy> targy() const { return targy_; }
    // The status bar's hint while no match is on.
    static constexpr const char* kInditoSugo = tarolas::kInditoSugo;
    // A game procedure is running (possibly suspended in a pause or a message box).
    bool busy() const { return busy_ > 0; }

    using Gombok = std::array<bool, 4>;

signals:
    // Where the play stands may have changed: a redraw is due, or a game procedure has returned.
    void allapotFrissult();
    // The keyboard's selection (`kivalasztott`, `targy`) has been shown anew after a key, a
    // redraw or a hint; it may be the same as before.
    void kivalasztasValtozott();
    // The action buttons offered now (0 Tarolás, 1 40, 2 20, 3 Kész), after each change of one.
    void gombokValtoztak(Form1::Gombok lathato);
    // A hint was given; `szoveg` is what status panel 2 shows.
    void tippAdva(const QString& szoveg);
    // R: the last move is asked for again.
    void ujraKerve();
    // S: where things stand was asked for; `szoveg` is what status panel 2 shows.
    void attekintesKerve(const QString& szoveg);
    // A game procedure has returned and nothing of the game runs: the game waits for the player.
    void jatekVar();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Runs a game procedure; table input waits until it has returned, and "Új játék" and
    // closing the window chosen meanwhile are carried out afterwards.
    void jatekban(const std::function<void()>& eljaras);
    void halasztottak();
    void rajzol(const std::array<std::int16_t, 2>* felfordit);
    // The card pictures of a redraw's list, at the places of geometry `g`.
    std::vector<TableWidget::Kep> lapKepek(const std::vector<tarolas::FestettLap>& lapok, const tarolas::Geometria& g);
    void ujLapmeret(QSize allo, qreal dpr);  // the cache is for this card size now, empty
    // Starts rendering the pictures of a table not on screen yet, for its first paint.
    void lapokElore(const std::vector<tarolas::FestettLap>& lapok, const tarolas::Geometria& g);
    void lapokNyugvasa();   // the card size has stayed: its own pictures are rendered
    void lapokMegjottek();  // and replace the scaled ones
    void billentyuzet();                // keys, mnemonics and tab order, set up once
    void kivalasztasMutatasa();         // the selection's mark after a change, and tells of it
    void frissSugo();                   // panel 2 for where the pointer or the selection is now
    void gombokKozlese();               // tells which buttons are offered now
    void allapotKozles();               // where the play stands, for listeners, and the score
    void tippElerheto();                // the menu item follows whose move it is

    tarolas::RandomSource random_;
    tarolas::Jatek jatek_;
    tarolas::Geometria geo_;
    QSize lapmeret_;      // card size the picture cache holds, logical pixels
    qreal lapdpr_ = 0;    // and its device pixel ratio
    QTimer* lapIdozito_ = nullptr;  // restarted at each new card size, renders it when it stays
    QFutureWatcher<CardImages::Rendered>* lapRajzolo_ = nullptr;  // the rendering off the UI thread
    std::array<QLabel*, 3> panel_{};
    int kivalasztott_ = -1;      // the keyboard's hand slot
    std::optional<tarolas::Targy> targy_;        // the table object selected, above the hand
    std::optional<tarolas::Targy> utolsoTargy_;  // and the last one, for the next Up
    bool billentyuvel_ = false;  // a key was used after the last pointer move
    QEventLoop* varakozo_ = nullptr;
    int szamlalo_ = 0;     // ticks of the running pause
    bool letelt_ = true;   // the running pause is over
    int busy_ = 0;
    bool halasztottUjjatek_ = false;
    bool halasztottKilep_ = false;
    bool bezarhato_ = false;
};
