#pragma once

// The card table `Picture3`: it paints the cards of the last redraw and reports pointer events in
// twips, with the old toolkit's button mask (1 left, 2 right, 4 middle). It also passes keys on,
// draws the keyboard selection's mark over the picture, and keeps what it painted for whoever reads
// the table out.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "keyboard.h"
#include "layout.h"

class TableWidget : public QWidget {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);

    // One card picture of a redraw and where it goes, in device pixels. A picture of another size
    // than its place (one of the last card size, while the window's size changes) is drawn scaled
    // into it, without smoothing, which keeps up with a drag.
    struct Kep {
        QPixmap kep;
        QRect hova;
    };
    // The pictures a redraw paints on the green cloth, in painting order; repainted at the next
    // paint. Nothing else is kept, so the table never holds a picture of its own size.
    void setKepek(std::vector<Kep> kepek);
    // Or the pictures are asked for at the next paint: a table not yet on screen may have them
    // rendered meanwhile on another thread. Until then kepek() holds the last ones set.
    void setKepekFestesre(std::function<std::vector<Kep>()> kepek);
    const std::vector<Kep>& kepek() const { return kepek_; }
    // Inner size in twips (the old toolkit's ScaleWidth and ScaleHeight).
    float scaleWidth() const;
    float scaleHeight() const;

    // Keys pressed on the table without Ctrl or Alt; true when the key was taken.
    std::function<bool(int key)> billentyu;

    // Where the pointer rests, in twips, while it is over the table.
    bool mutatoRajta(float& x, float& y) const;

    // The keyboard selection's mark (twips), drawn over the picture while the table has the
    // keyboard focus; `latszik` false hides it.
    void setJelolo(const tarolas::Teglalap& hely, bool latszik);

    // What the last redraw painted, in painting order, with the geometry and height (twips) it
    // used; `rajzolva` tells of each new one.
    void setFestett(std::vector<tarolas::FestettLap> lapok, const tarolas::Geometria& g, float H);
    const std::vector<tarolas::FestettLap>& festett() const { return festett_; }
    const tarolas::Geometria& festettGeometria() const { return festettGeo_; }
    float festettMagassag() const { return festettH_; }

signals:
    void resized();
    void mouseUp(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void rajzolva();
    // The table has been painted on screen.
    void festve();
    // The keyboard focus has come to the table, told after Qt's own news of it; `vissza` unless it
    // came by a click (back from a box, a window, Tab).
    void fokuszKapott(bool vissza);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool event(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    std::vector<Kep> kepek_;
    std::function<std::vector<Kep>()> festesre_;
    QPointF mutato_;
    bool rajta_ = false;
    tarolas::Teglalap jelolo_;
    bool jeloloLatszik_ = false;
    std::vector<tarolas::FestettLap> festett_;
    tarolas::Geometria festettGeo_;
    float festettH_ = 0;
};
