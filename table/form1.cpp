#include "form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "computer/hint.h"
#include "message_text.h"
#include "score_text.h"
#include "table_widget.h"
#include "window_manager.h"
#include "window_size.h"
#include "windows/about_box.h"
#include "windows/rules_window.h"

namespace {
// Window sizes are kept in twips; widgets are placed in logical pixels.
constexpr int px(int twips) { return twips / tarolas::kTwipPerPixel; }

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), jatek_(*this, random_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(tarolas::kCim));
    setWindowIcon(CardImages::programIcon());

    fajl = menuBar()->addMenu(QStringLiteral("&Fájl"));
    ujjatek = fajl->addAction(QStringLiteral("Új játék"));
    ujjatek->setShortcut(Qt::Key_F2);
    erosellenfel = fajl->addAction(QStringLiteral("Erős ellenfél"));
    erosellenfel->setCheckable(true);
    // Read at the computer's next decision, so it may change at any moment, pauses included.
    connect(erosellenfel, &QAction::toggled, this, [this](bool on) { jatek_.setErosGep(on); });
    fajl->addSeparator();
    kilep = fajl->addAction(QStringLiteral("Kilép"));
    sugo = menuBar()->addMenu(QStringLiteral("&Súgó"));
    jatekszabaly = sugo->addAction(QStringLiteral("Játékszabály"));
    jatekszabaly->setShortcut(Qt::Key_F1);
    tipp = sugo->addAction(QStringLiteral("Tipp"));
    tipp->setShortcut(Qt::Key_H);
    tipp->setEnabled(false);
    sugo->addSeparator();
    nevjegy = sugo->addAction(QStringLiteral("Névjegy"));
    connect(ujjatek, &QAction::triggered, this, [this] { ujjatek_Click(); });
    connect(kilep, &QAction::triggered, this, [this] { kilep_Click(); });
    connect(jatekszabaly, &QAction::triggered, this, [this] { jatekszabaly_Click(); });
    connect(tipp, &QAction::triggered, this, [this] { tipp_Click(); });
    connect(nevjegy, &QAction::triggered, this, [this] { nevjegy_Click(); });

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    for (std::size_t i = 0; i < panel_.size(); ++i) {
        panel_[i] = new QLabel(StatusBar1);
        panel_[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel_[i]->setTextFormat(Qt::PlainText);
    }
    panel_[0]->setMinimumWidth(px(2400));
    StatusBar1->addWidget(panel_[0], 0);
    StatusBar1->addWidget(panel_[1], 1);
    // The match score, at the right end; empty while no match is on.
    StatusBar1->addPermanentWidget(panel_[2], 0);

    Picture3 = new TableWidget(this);
    setCentralWidget(Picture3);
    connect(Picture3, &TableWidget::resized, this, [this] { Form_Resize(); });
    connect(Picture3, &TableWidget::mouseUp, this, &Form1::Picture3_MouseUp);
    connect(Picture3, &TableWidget::mouseMove, this, &Form1::Picture3_MouseMove);

    static constexpr const char* feliratok[] = {"Tarolás", "40", "20", "Kész"};
    static constexpr int szelessegek[] = {855, 375, 375, 495};
    for (int i = 3; i >= 0; --i) {
        Command1[i] = new QPushButton(QString::fromUtf8(feliratok[i]), Picture3);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->resize(px(szelessegek[i]), px(255));
        Command1[i]->setFocusPolicy(Qt::NoFocus);
        Command1[i]->hide();
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Label1 = new QLabel(QStringLiteral("20 kártya"), Picture3);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setPointSizeF(9.75);
    f.setBold(true);
    Label1->setFont(f);
    // White on the bare green table: the label has no background of its own.
    QPalette felirat = Label1->palette();
    felirat.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(felirat);
    Label1->setGeometry(px(480), px(360), px(1215), px(255));

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    // Initial client area 6915 x 5220 twips: the table and the status bar below it, scaled to
    // the screen (see elsoAblak) and centred when larger than that.
    Picture3->setMinimumSize(0, 0);
    const QSize terv(px(6915), px(5220) + menuBar()->sizeHint().height());
    const QRect hely = screen()->availableGeometry();
    const tarolas::Meret meret = tarolas::elsoAblak({terv.width(), terv.height()}, {hely.width(), hely.height()});
    resize(meret.w, meret.h);
    if (meret.h > terv.height()) move(hely.center() - QPoint(meret.w / 2, meret.h / 2));

    new WindowManagerRequests(this, [this] { kilep_Click(); });

    billentyuzet();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    if (!busy()) jatekban([this] { jatek_.Form_Load(); });
}

void Form1::jatekban(const std::function<void()>& eljaras) {
    ++busy_;
    tippElerheto();
    eljaras();
    if (--busy_ == 0) {
        allapotKozles();
        frissSugo();
        halasztottak();
    }
}

void Form1::halasztottak() {
    // Carried out from the event loop, once nothing of the game is on the stack.
    // Leaving wins over a new match chosen in the same turn.
    if (halasztottKilep_) {
        halasztottKilep_ = false;
        halasztottUjjatek_ = false;
        QTimer::singleShot(0, this, [this] { kilep_Click(); });
    } else if (halasztottUjjatek_) {
        halasztottUjjatek_ = false;
        // The window may have been closed before the deal was due.
        QTimer::singleShot(0, this, [this] {
            if (!bezarhato_) ujjatek_Click();
        });
    }
}

void Form1::ujjatek_Click() {
    if (busy()) {
        halasztottUjjatek_ = true;
        return;
    }
    jatekban([this] { jatek_.ujjatek_Click(); });
}

void Form1::kilep_Click() {
    if (busy()) {
        halasztottKilep_ = true;
        return;
    }
    bezarhato_ = true;
    close();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (busy()) {
        halasztottKilep_ = true;
        e->ignore();
        return;
    }
    bezarhato_ = true;
    halasztottUjjatek_ = false;
    e->accept();
}

void Form1::jatekszabaly_Click() {
    Form2 ablak(this);
    ablak.exec();
}

void Form1::tippElerheto() {
    tipp->setEnabled(!busy() && st().soron == tarolas::kJatekos && st().asztal.size() < 2 &&
                     st().kezben(tarolas::kJatekos) > 0);
}

// Only reads the game: the search runs on a copy of what the player sees, well within a frame's
// patience, so it runs here rather than on a thread.
void Form1::tipp_Click() {
    tippElerheto();
    if (!tipp->isEnabled()) return;
    const tarolas::Tipp t = jatek_.tipp();
    const std::string szoveg = tarolas::tippSzoveg(t, st().asztal.empty());
    if (szoveg.empty()) return;
    if (t.takaras) {
        // Enter then makes the first step: the exchange, which closing would forbid, or the close;
        // the next hint gives the card.
        targy_ = utolsoTargy_ = t.csere ? tarolas::Targy::Adu : tarolas::Targy::Talon;
        billentyuvel_ = true;
        kivalasztasMutatasa();
    } else {
        // Enter then plays the card; one taken in exchange will lie where the alsó is now.
        const auto& kez = st().kezek[tarolas::kJatekos];
        const tarolas::Kartya keresett = t.csere && t.lap == st().adulap ? tarolas::kartya(st().adu, tarolas::Also) : t.lap;
        const auto slot = std::find(kez.begin(), kez.end(), keresett) - kez.begin();
        if (keresett != 0 && slot < 5) {
            targy_.reset();
            kivalasztott_ = static_cast<int>(slot);
            billentyuvel_ = true;
            kivalasztasMutatasa();
        }
    }
    setStatusText(2, szoveg);
    emit tippAdva(QString::fromStdString(szoveg));
}

void Form1::nevjegy_Click() {
    frmAbout ablak(this);
    ablak.exec();
}

void Form1::Command1_Click(int index) {
    if (busy()) return;
    jatekban([this, index] { jatek_.Command1_Click(index); });
}

void Form1::doEvents() { QCoreApplication::processEvents(); }

tarolas::MsgResult Form1::messageBox(const std::string& text, tarolas::MsgButtons buttons, bool informationIcon) {
    // The units may have changed just before the box that tells of them.
    setStatusText(3, tarolas::allasSzoveg(st()));
    QMessageBox box(this);
    box.setWindowTitle(QString::fromUtf8(tarolas::kCim));
    // The score sheet's TAB columns become a table; everything else is plain text.
    const QString tablazat = tarolas::tabTablazat(qs(text), QFontMetricsF(box.font()));
    box.setTextFormat(tablazat.isEmpty() ? Qt::PlainText : Qt::RichText);
    box.setText(tablazat.isEmpty() ? qs(text).replace(QLatin1Char('\r'), QLatin1Char('\n')) : tablazat);
    box.setIcon(informationIcon ? QMessageBox::Information : QMessageBox::NoIcon);
    if (buttons == tarolas::MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int valasz = box.exec();
    if (buttons == tarolas::MsgButtons::Ok) return tarolas::MsgResult::Ok;
    return valasz == QMessageBox::Yes ? tarolas::MsgResult::Yes : tarolas::MsgResult::No;
}

void Form1::setStatusText(int panel, const std::string& text) {
    if (panel >= 1 && panel <= 3) panel_[static_cast<std::size_t>(panel - 1)]->setText(qs(text));
}

QString Form1::statusText(int panel) const {
    return panel >= 1 && panel <= 3 ? panel_[static_cast<std::size_t>(panel - 1)]->text() : QString();
}

void Form1::setButtonVisible(int index, bool visible) {
    if (index >= 0 && index < 4) Command1[index]->setVisible(visible);
    gombokKozlese();
}

void Form1::gombokKozlese() {
    Gombok lathato{};
    for (std::size_t i = 0; i < 4; ++i) lathato[i] = !Command1[i]->isHidden();
    emit gombokValtoztak(lathato);
}

void Form1::focusTable() { Picture3->setFocus(); }
