#include <QKeySequence>
#include <optional>
#include <QPushButton>
#include <QShortcut>

#include "form1.h"
#include "hit_areas.h"
#include "keyboard.h"
#include "access/table_accessible.h"
#include "table_widget.h"

// Keys are extras beside the mouse: the buttons keep their captions (a mnemonic "&" would change
// the text), so Alt+letter is a shortcut of the window that clicks the button while it is offered.
void Form1::billentyuzet() {
    asztalAkadalymentes();
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
    setTabOrder(Picture3, Command1[0]);
    for (std::size_t i = 0; i + 1 < 4; ++i) setTabOrder(Command1[i], Command1[i + 1]);

    auto* kilepes = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(kilepes, &QShortcut::activated, this, [this] { kilep_Click(); });
}

bool Form1::Picture3_KeyDown(int key) {
    std::optional<tarolas::Lepes> lepes;
    switch (key) {
    case Qt::Key_Left: lepes = tarolas::Lepes::Balra; break;
    case Qt::Key_Right: lepes = tarolas::Lepes::Jobbra; break;
    case Qt::Key_Home: lepes = tarolas::Lepes::Elso; break;
    case Qt::Key_End: lepes = tarolas::Lepes::Utolso; break;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space: case Qt::Key_A: case Qt::Key_T: break;
    default: return false;
    }
    // Like the pointer: nothing while a move is being played out.
    if (busy()) return true;
    billentyuvel_ = true;
    const auto& kez = st().kezek[tarolas::kJatekos];
    const float H = Picture3->scaleHeight();
    if (lepes) {
        kivalasztott_ = tarolas::kivalasztas(kez, kivalasztott_ < 0 ? 0 : kivalasztott_, *lepes);
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
    } else {
        kivalasztott_ = tarolas::megtartott(kez, kivalasztott_ < 0 ? 0 : kivalasztott_);
        if (kivalasztott_ < 0) return true;
        p = tarolas::lapPontja(geo_, H, kivalasztott_);
    }
    kivalasztasMutatasa();
    Picture3_MouseUp(1, 0, p.x, p.y);
    return true;
}

void Form1::kivalasztasMutatasa() {
    const auto& kez = st().kezek[tarolas::kJatekos];
    if (kivalasztott_ >= 0) kivalasztott_ = tarolas::megtartott(kez, kivalasztott_);
    const bool latszik = billentyuvel_ && kivalasztott_ >= 0;
    Picture3->setJelolo(latszik ? tarolas::jelolo(geo_, Picture3->scaleHeight(), kez, kivalasztott_) : tarolas::Teglalap{},
                        latszik);
    int elem = -1;
    const auto& elemek = Picture3->elemek();
    for (std::size_t i = 0; i < elemek.size(); ++i)
        if (elemek[i].slot == kivalasztott_ && kivalasztott_ >= 0) elem = static_cast<int>(i);
    Picture3->setKivalasztott(elem);
}

void Form1::frissSugo() {
    float x = 0, y = 0;
    std::string sugo;
    if (st().soron == tarolas::kJatekos) {
        if (billentyuvel_ && kivalasztott_ >= 0) {
            const tarolas::Pont p = tarolas::lapPontja(geo_, Picture3->scaleHeight(), kivalasztott_);
            sugo = tarolas::sugo(st(), geo_, Picture3->scaleHeight(), p.x, p.y);
        } else if (!billentyuvel_ && Picture3->mutatoRajta(x, y)) {
            sugo = tarolas::sugo(st(), geo_, Picture3->scaleHeight(), x, y);
        }
    }
    setStatusText(2, sugo);
    tippElerheto();
}
