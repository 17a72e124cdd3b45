#pragma once

// The card table `Picture3`: it keeps the last painted picture and reports pointer events in
// twips, with the old toolkit's button mask (1 left, 2 right, 4 middle). It also passes keys on,
// draws the keyboard selection's mark over the picture, and holds what screen readers are told.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "keyboard.h"
#include "access/spoken_text.h"

class TableWidget : public QWidget {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);

    // The backing picture; whoever paints it calls update() when done.
    QPixmap& kep() { return kep_; }
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

    // What screen readers are told: the things on the table, the one selected (index into
    // `elemek`, -1 for none; it becomes the focused child), and where the play stands.
    void setElemek(std::vector<tarolas::AsztalElem> elemek);
    const std::vector<tarolas::AsztalElem>& elemek() const { return elemek_; }
    int kivalasztottElem() const { return kivalasztott_; }
    void setKivalasztott(int kivalasztott);
    void setAllapot(const QString& szoveg);
    const QString& allapot() const { return allapot_; }

signals:
    void resized();
    void mouseUp(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    // The keyboard focus has come back to the table (from a box, a window, Tab), its card told.
    void fokuszVissza();

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
    void fokuszJelzes();

    QPixmap kep_;
    QPointF mutato_;
    bool rajta_ = false;
    tarolas::Teglalap jelolo_;
    bool jeloloLatszik_ = false;
    std::vector<tarolas::AsztalElem> elemek_;
    int kivalasztott_ = -1;
    std::string kivalasztottNev_;
    QString allapot_;
};
