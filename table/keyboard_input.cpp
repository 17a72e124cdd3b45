#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <optional>

#include "form1.h"
#include "hit_areas.h"
#include "keyboard.h"
#include "score_text.h"
#include "table_widget.h"

namespace {
// Most styles mark a focused button with a faint dotted line; the table's yellow frame around it
// says plainly where Space will go.
class GombKeret : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* gomb = qobject_cast<QPushButton*>(o);
        if (!gomb || e->type() != QEvent::Paint || !gomb->hasFocus()) return false;
        static_cast<QObject*>(gomb)->event(e);  // the button itself first, the frame over it
        QPainter p(gomb);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.drawRect(gomb->rect().adjusted(0, 0, -1, -1));
        p.setPen(QPen(QColor(255, 214, 0), 2));
        p.drawRect(QRectF(gomb->rect()).adjusted(2, 2, -2, -2));
        return true;
    }
};
}  // namespace

// Keys are extras beside the mouse: the buttons keep their captions (a mnemonic "&" would change
// the text), so Alt+letter is a shortcut of the window that clicks the button while it is offered.
void Form1::billentyuzet() {
    Picture3->billentyu = [this](int key) { return Picture3_KeyDown(key); };

    static constexpr Qt::Key betuk[] = {Qt::Key_T, Qt::Key_4, Qt::Key_2, Qt::Key_K};
    for (std::size_t i = 0; i < 4; ++i) {
        QPushButton* gomb = Command1[i];
        // Tab reaches the buttons; a mouse click still leaves the focus on the table.
        gomb->setFocusPolicy(Qt::TabFocus);
        auto* sc = new QShortcut(QKeySequence(Qt::ALT | betuk[i]), this);
        connect(sc, &QShortcut::activated, gomb, [gomb] {
            if (gomb->isVisible() && gomb->isEnabled()) gomb->click();
        });
    }
    auto* keret = new GombKeret(this);
    for (QPushButton* gomb : Command1) gomb->installEventFilter(keret);
    setTabOrder(Picture3, Command1[0]);
    for (std::size_t i = 0; i + 1 < 4; ++i) setTabOrder(Command1[i], Command1[i + 1]);

    auto* kilepes = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(kilepes, &QShortcut::activated, this, [this] { kilep_Click(); });

    // A menu left with Escape leaves the menu bar holding the focus, and the next game keys would
    // go to it: they go back to the table, unless the bar has opened its next menu meanwhile.
    for (QMenu* menu : {fajl, sugo})
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::focusWidget() == menuBar() && !QApplication::activePopupWidget()) Picture3->setFocus();
            });
        });
}

bool Form1::Picture3_KeyDown(int key) {
    std::optional<tarolas::Lepes> lepes;
    switch (key) {
    case Qt::Key_Left: lepes = tarolas::Lepes::Balra; break;
    case Qt::Key_Right: lepes = tarolas::Lepes::Jobbra; break;
    case Qt::Key_Home: lepes = tarolas::Lepes::Elso; break;
    case Qt::Key_End: lepes = tarolas::Lepes::Utolso; break;
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space:
    case Qt::Key_A: case Qt::Key_T: break;
    case Qt::Key_S: attekintes_Click(); return true;
    case Qt::Key_R: ujra_Click(); return true;
    default: return false;
    }
    // Like the pointer: nothing while a move is being played out.
    if (busy()) return true;
    // While the mark is hidden nothing is selected: a first move starts from the end it points to.
    const bool latszott = billentyuvel_ && (targy_ || kivalasztott_ >= 0);
    if (!billentyuvel_) targy_.reset();
    billentyuvel_ = true;
    const auto& kez = st().kezek[tarolas::kJatekos];
    const float H = Picture3->scaleHeight();
    if (key == Qt::Key_Up || key == Qt::Key_Down || (lepes && targy_)) {
        if (key == Qt::Key_Down) {
            targy_.reset();
            kivalasztott_ = tarolas::megtartott(kez, std::max(kivalasztott_, 0));
        } else {
            // Up returns to the object last left, or starts at the row's first.
            targy_ = tarolas::targyValasztas(st(), key == Qt::Key_Up && !targy_ ? utolsoTargy_ : targy_, lepes);
            if (targy_) utolsoTargy_ = targy_;
        }
    } else if (lepes) {
        const bool elejerol = !latszott && (*lepes == tarolas::Lepes::Jobbra || *lepes == tarolas::Lepes::Elso);
        const bool vegerol = !latszott && (*lepes == tarolas::Lepes::Balra || *lepes == tarolas::Lepes::Utolso);
        kivalasztott_ = tarolas::kivalasztas(kez, std::max(kivalasztott_, 0),
                                             elejerol ? tarolas::Lepes::Elso : vegerol ? tarolas::Lepes::Utolso : *lepes);
    }
    if (lepes || key == Qt::Key_Up || key == Qt::Key_Down) {
        kivalasztasMutatasa();
        frissSugo();
        return true;
    }
    // The other keys are a left release at a point of the table, and do just what it does there.
    tarolas::Pont p;
    if (key == Qt::Key_A) {
        p = tarolas::aduPontja(geo_, H);
    } else if (key == Qt::Key_T) {
        p = tarolas::talonPontja(geo_, H, st().talonszam);
    } else if (targy_) {
        // A click on a captured pile does nothing; its hint is already in the status bar.
        if (*targy_ == tarolas::Targy::GepVitt || *targy_ == tarolas::Targy::JatekosVitt) return true;
        p = tarolas::targyPontja(st(), geo_, H, *targy_);
    } else {
        kivalasztott_ = tarolas::megtartott(kez, std::max(kivalasztott_, 0));
        if (kivalasztott_ < 0) return true;
        p = tarolas::lapPontja(geo_, H, kivalasztott_);
    }
    kivalasztasMutatasa();
    Picture3_MouseUp(1, 0, p.x, p.y);
    return true;
}

void Form1::kivalasztasMutatasa() {
    const auto& kez = st().kezek[tarolas::kJatekos];
    const float H = Picture3->scaleHeight();
    if (kivalasztott_ >= 0) kivalasztott_ = tarolas::megtartott(kez, kivalasztott_);
    if (targy_) targy_ = tarolas::targyValasztas(st(), targy_, std::nullopt);
    const bool latszik = billentyuvel_ && (targy_ || kivalasztott_ >= 0);
    tarolas::Teglalap jel{};
    if (latszik) jel = targy_ ? tarolas::targyJelolo(st(), geo_, H, *targy_) : tarolas::jelolo(geo_, H, kez, kivalasztott_);
    Picture3->setJelolo(jel, latszik);
    emit kivalasztasValtozott();
}

void Form1::frissSugo() {
    // No match on: how to start one.
    if (st().kiadottlapok.empty()) {
        setStatusText(2, tarolas::inditoSugo());
        return;
    }
    float x = 0, y = 0;
    std::string sugo;
    if (st().soron == tarolas::kJatekos) {
        const float H = Picture3->scaleHeight();
        if (billentyuvel_ && (targy_ || kivalasztott_ >= 0)) {
            const tarolas::Pont p = targy_ ? tarolas::targyPontja(st(), geo_, H, *targy_) : tarolas::lapPontja(geo_, H, kivalasztott_);
            sugo = tarolas::sugo(st(), geo_, H, p.x, p.y);
        } else if (!billentyuvel_ && Picture3->mutatoRajta(x, y)) {
            sugo = tarolas::sugo(st(), geo_, H, x, y);
        }
    }
    setStatusText(2, sugo);
    tippElerheto();
}
