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

#include "forditas.h"
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

    fajl = menuBar()->addMenu(tr("&Fájl"));
    ujjatek = fajl->addAction(tr("Új játék"));
    ujjatek->setShortcut(Qt::Key_F2);
    erosellenfel = fajl->addAction(tr("Erős ellenfél"));
    erosellenfel->setCheckable(true);
    // Read at the computer's next decision, so it may change at any moment, pauses included.
    connect(erosellenfel, &QAction::toggled, this, [this](bool on) { jatek_.setErosGep(on); });
    fajl->addSeparator();
    kilep = fajl->addAction(tr("Kilép"));
    sugo = menuBar()->addMenu(tr("&Súgó"));
    jatekszabaly = sugo->addAction(tr("Játékszabály"));
    jatekszabaly->setShortcut(Qt::Key_F1);
    tipp = sugo->addAction(tr("Tipp"));
    tipp->setShortcut(Qt::Key_H);
    tipp->setEnabled(false);
    ujra = sugo->addAction(tr("Utolsó lépés újra"));
    ujra->setShortcut(Qt::Key_R);
    // Shown in the menu; on the table the key comes as a key of the table, in order behind the
    // keys before it (a window shortcut could overtake a key a screen reader still holds).
    ujra->setShortcutContext(Qt::WidgetShortcut);
    sugo->addSeparator();
    nevjegy = sugo->addAction(tr("Névjegy"));
    connect(ujjatek, &QAction::triggered, this, [this] { ujjatek_Click(); });
    connect(kilep, &QAction::triggered, this, [this] { kilep_Click(); });
    connect(jatekszabaly, &QAction::triggered, this, [this] { jatekszabaly_Click(); });
    connect(tipp, &QAction::triggered, this, [this] { tipp_Click(); });
    connect(nevjegy, &QAction::triggered, this, [this] { nevjegy_Click(); });
    connect(ujra, &QAction::triggered, this, [this] { ujra_Click(); });

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
    // A message shown for a while takes the place of the first two panels, rather than lying over them.
    connect(StatusBar1, &QStatusBar::messageChanged, this, [this](const QString& uzenet) {
        panel_[0]->setVisible(uzenet.isEmpty());
        panel_[1]->setVisible(uzenet.isEmpty());
    });

    Picture3 = new TableWidget(this);
    setCentralWidget(Picture3);
    connect(Picture3, &TableWidget::resized, this, [this] { Form_Resize(); });
    connect(Picture3, &TableWidget::mouseUp, this, &Form1::Picture3_MouseUp);
    connect(Picture3, &TableWidget::mouseMove, this, &Form1::Picture3_MouseMove);
    // The program's icon (this window's and its boxes') is not needed to see the table: it is
    // rendered in the event loop's next turn after the first paint, so the first look comes sooner.
    connect(Picture3, &TableWidget::festve, this, [] {
        QTimer::singleShot(0, qApp, [] {
            if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(CardImages::programIcon());
        });
    }, Qt::SingleShotConnection);

    // "Tarolás" is the announcement's name in every language; the numbers need no words.
    static constexpr const char* feliratok[] = {"Tarolás", "40", "20", QT_TR_NOOP("Kész")};
    static constexpr int szelessegek[] = {855, 375, 375, 495};
    for (int i = 3; i >= 0; --i) {
        Command1[i] = new QPushButton(i == 3 ? tr(feliratok[i]) : QString::fromUtf8(feliratok[i]), Picture3);
        Command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        Command1[i]->resize(px(szelessegek[i]), px(255));
        Command1[i]->setFocusPolicy(Qt::NoFocus);
        Command1[i]->hide();
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    Label1 = new QLabel(qs(tarolas::kitolt(tarolas::forditas("Asztal", "%1 kártya"), {"20"})), Picture3);
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

    // Short enough that the sharp cards follow the end of a drag within a glance.
    lapIdozito_ = new QTimer(this);
    lapIdozito_->setSingleShot(true);
    lapIdozito_->setInterval(80);
    connect(lapIdozito_, &QTimer::timeout, this, &Form1::lapokNyugvasa);
    lapRajzolo_ = new QFutureWatcher<CardImages::Rendered>(this);
    connect(lapRajzolo_, &QFutureWatcherBase::finished, this, &Form1::lapokMegjottek);

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

Form1::~Form1() {
    // A rendering under way finishes before the application it paints with may go.
    lapRajzolo_->waitForFinished();
}

void Form1::Form_Load() {
    if (!busy()) jatekban([this] { jatek_.Form_Load(); });
}

void Form1::folytatva() {
    setStatusText(1, tarolas::aduSzoveg(st().adu));
    ujrarajzol();
    tippElerheto();
}

void Form1::jatekban(const std::function<void()>& eljaras) {
    ++busy_;
    tippElerheto();
    eljaras();
    if (--busy_ == 0) {
        allapotKozles();
        frissSugo();
        emit jatekVar();
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
    const std::string szoveg = tarolas::tippMondat(t, st().asztal.empty());
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

void Form1::ujra_Click() {
    if (!busy()) emit ujraKerve();
}

void Form1::attekintes_Click() {
    if (busy()) return;
    const std::string szoveg = tarolas::attekintes(st());
    setStatusText(2, szoveg);
    emit attekintesKerve(qs(szoveg));
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
    const QString szoveg = qs(tarolas::jatekSzoveg(text));
    const QString tablazat = tarolas::tabTablazat(szoveg, QFontMetricsF(box.font()));
    box.setTextFormat(tablazat.isEmpty() ? Qt::PlainText : Qt::RichText);
    box.setText(tablazat.isEmpty() ? QString(szoveg).replace(QLatin1Char('\r'), QLatin1Char('\n')) : tablazat);
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
    if (panel >= 1 && panel <= 3) panel_[static_cast<std::size_t>(panel - 1)]->setText(qs(tarolas::jatekSzoveg(text)));
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
