#include "about_box.h"

#include <QDesktopServices>
#include <QEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QUrl>

#include "centre.h"

namespace {

constexpr const char* kCim = "Tarolás";
constexpr const char* kIkon = ":/resources/icon.svg";

// Sizes below are twips, 15 to a logical pixel.
constexpr int px(int twips) { return twips / 15; }
QRect pxRect(int left, int top, int width, int height) { return {px(left), px(top), px(width), px(height)}; }

// The label boxes were laid out for a narrower font than today's sans-serifs: a label
// grows to its text if it has to, keeping its left edge, or its middle when it is centred.
void illeszt(QLabel* cimke, const QRect& terv) {
    const QSize kell = cimke->sizeHint();
    QRect r = terv;
    if (kell.width() > r.width()) {
        const int tobb = kell.width() - r.width();
        if (cimke->alignment() & Qt::AlignHCenter) r.moveLeft(r.left() - tobb / 2);
        r.setWidth(kell.width());
    }
    if (kell.height() > r.height()) r.setHeight(kell.height());
    cimke->setGeometry(r);
}

}  // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    QFont betu = font();
    betu.setPointSizeF(8.25);
    setFont(betu);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setGeometry(pxRect(120, 120, 495, 495));
    // Without the icon the place simply stays empty.
    if (QFile::exists(QString::fromLatin1(kIkon))) {
        QSvgRenderer svg(QString::fromLatin1(kIkon));
        if (svg.isValid()) {
            const qreal arany = devicePixelRatioF();
            QPixmap kep(QSize(32, 32) * arany);
            kep.fill(Qt::transparent);
            QPainter p(&kep);
            svg.render(&p);
            p.end();
            kep.setDevicePixelRatio(arany);
            Picture1->setPixmap(kep);
        }
    }

    QPalette fekete = palette();
    fekete.setColor(QPalette::WindowText, Qt::black);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont cimBetu = betu;
    cimBetu.setPointSizeF(9.75);
    cimBetu.setBold(true);
    lblTitle->setFont(cimBetu);
    lblTitle->setPalette(fekete);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(leiras(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkBetu = betu;
    linkBetu.setUnderline(true);
    Label1->setFont(linkBetu);
    QPalette kek = palette();
    kek.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(kek);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);

    lblDisclaimer = new QLabel(tr("Ingyenes program."), this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDisclaimer->setPalette(fekete);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(pxRect(2109, 1320, 780, 315));
    // Default: Enter presses it. Escape closes any dialog, which is what a cancel button would do.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    Form_Load();

    illeszt(lblTitle, pxRect(840, 120, 1725, 360));
    illeszt(lblVersion, pxRect(840, 480, 1755, 225));
    illeszt(Label1, pxRect(810, 840, 1995, 195));
    illeszt(lblDisclaimer, pxRect(720, 1377, 615, 195));
    QSize meret(px(3030), px(1725));
    for (const QWidget* w : {static_cast<QWidget*>(lblTitle), static_cast<QWidget*>(lblVersion),
                             static_cast<QWidget*>(Label1), static_cast<QWidget*>(lblDisclaimer)})
        meret = meret.expandedTo(QSize(w->geometry().right() + 1 + px(120), w->geometry().bottom() + 1));
    setFixedSize(meret);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("%1 névjegye").arg(QString::fromUtf8(kCim)));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(TAROLAS_VERSION_MAJOR)
                            .arg(TAROLAS_VERSION_MINOR)
                            .arg(TAROLAS_VERSION_PATCH));
    lblTitle->setText(QString::fromUtf8(kCim));
    // Read by a screen reader as the box opens; its labels alone are too short for that.
    setAccessibleDescription(QStringList{lblTitle->text(), lblVersion->text(), Label1->text(), lblDisclaimer->text()}.join(
        QStringLiteral(". ")));
}

void frmAbout::setVisible(bool visible) {
    if (visible && !isVisible()) gazdaKozepere(*this);
    QDialog::setVisible(visible);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton && Label1->rect().contains(e->position().toPoint())) Label1_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white one just under it.
    QPainter p(this);
    p.fillRect(QRect(QPoint(px(90), px(1200)), QPoint(px(2880), px(1200))), QColor(128, 128, 128));
    p.fillRect(QRect(QPoint(px(105), px(1214) + 1), QPoint(px(2880), px(1214) + 2)), Qt::white);
}

void frmAbout::Label1_Click() {
    // Nothing to open it with: nothing to tell the player, the box just stays open.
    QDesktopServices::openUrl(QUrl::fromLocalFile(leiras()));
}

QString frmAbout::leiras() {
    const QFileInfo telepitett(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tarolas/README.md"));
    if (telepitett.exists()) return telepitett.canonicalFilePath();
    const QString forras = QStringLiteral(TAROLAS_FORRAS_README);
    return QFileInfo::exists(forras) ? forras : QStringLiteral("/usr/share/doc/tarolas/README.md");
}

void frmAbout::cmdOK_Click() { accept(); }
