#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// The rules window: the rules of the game as read-only text, and a button that closes it.
class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(QWidget* owner);

    // The rules text as the window builds it: paragraphs joined by CR LF, no break at either end.
    static QString szabalyszoveg();

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;

    void setVisible(bool visible) override;

private:
    void Form_Load();
    void Command1_Click();
};
