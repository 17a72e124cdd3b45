#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: title, version, the home page link and a notice line.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    // The page the link label shows and opens: the game's README, as installed beside it
    // (<prefix>/share/doc/tarolas), else the checkout's when run from a build tree.
    static QString leiras();

    QLabel* Picture1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void Label1_Click();
    void cmdOK_Click();
};
