#pragma once

// The card table `Picture3`: it keeps the last painted picture and reports pointer events in
// twips, with the old toolkit's button mask (1 left, 2 right, 4 middle).

#include <QPixmap>
#include <QWidget>

class TableWidget : public QWidget {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent = nullptr);

    // The backing picture; whoever paints it calls update() when done.
    QPixmap& kep() { return kep_; }
    // Inner size in twips (the old toolkit's ScaleWidth and ScaleHeight).
    float scaleWidth() const;
    float scaleHeight() const;

signals:
    void resized();
    void mouseUp(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool event(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    QPixmap kep_;
};
