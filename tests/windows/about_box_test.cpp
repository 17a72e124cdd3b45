#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "windows/about_box.h"
#include "windows/centre.h"
#include "windows/rules_window.h"

namespace {

// Stands in for the browser: counts the addresses the desktop was asked to open.
class Bongeszo : public QObject {
    Q_OBJECT
public:
    QList<QUrl> megnyitott;
public slots:
    void megnyit(const QUrl& cim) { megnyitott << cim; }
};

TEST(AboutBox, CarriesTitleAndVersion) {
    QWidget gazda;
    frmAbout doboz(&gazda);
    EXPECT_EQ(doboz.windowTitle(), QStringLiteral("Tarolás névjegye"));
    EXPECT_EQ(doboz.lblTitle->text(), QStringLiteral("Tarolás"));
    EXPECT_TRUE(doboz.lblTitle->font().bold());
    EXPECT_EQ(doboz.lblVersion->text(), QStringLiteral("Version 1.0.0"));
    EXPECT_FALSE(doboz.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(Dialogs, OpenInTheMiddleOfTheOwnersFrame) {
    // The worked example, in twips: main window 1000, 500, 7000 x 6000 and a 3120 x 2130 box.
    EXPECT_EQ(kozepre(QRect(1000, 500, 7000, 6000), QSize(3120, 2130)), QPoint(2940, 2435));
    // Odd halves round to even, as the old arithmetic did.
    EXPECT_EQ(kozepre(QRect(0, 0, 201, 101), QSize(100, 50)), QPoint(50, 26));

    QWidget gazda;
    gazda.setGeometry(100, 80, 700, 600);
    gazda.show();
    frmAbout doboz(&gazda);
    Form2 szabaly(&gazda);
    for (QDialog* d : {static_cast<QDialog*>(&doboz), static_cast<QDialog*>(&szabaly)}) {
        d->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d));
        EXPECT_EQ(d->frameGeometry().topLeft(), kozepre(gazda.frameGeometry(), d->frameGeometry().size()))
            << d->objectName().toStdString();
    }
}

TEST(AboutBox, EnterAndEscapeCloseIt) {
    QWidget gazda;
    for (const Qt::Key billentyu : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        frmAbout doboz(&gazda);
        doboz.show();
        doboz.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&doboz));
        QTest::keyClick(&doboz, billentyu);
        EXPECT_FALSE(doboz.isVisible()) << billentyu;
    }
}

TEST(AboutBox, EveryClickOnTheAddressOpensItAndTheBoxStays) {
    Bongeszo bongeszo;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &bongeszo, "megnyit");
    QWidget gazda;
    frmAbout doboz(&gazda);
    doboz.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&doboz));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(doboz.Label1, Qt::LeftButton);
    // Clicks elsewhere open nothing.
    QTest::mouseClick(doboz.lblVersion, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(bongeszo.megnyitott.size(), 3);
    EXPECT_EQ(bongeszo.megnyitott[0], QUrl(QStringLiteral("https://tarolas.hu")));
    EXPECT_TRUE(doboz.isVisible());
    EXPECT_EQ(doboz.Label1->cursor().shape(), Qt::PointingHandCursor);
}

TEST(AboutBox, EveryTextFitsInsideItsLabelAndTheBox) {
    QWidget gazda;
    frmAbout doboz(&gazda);
    const QRect belso = doboz.rect();
    for (const QLabel* cimke : {doboz.lblTitle, doboz.lblVersion, doboz.Label1, doboz.lblDisclaimer}) {
        const QSize kell = cimke->fontMetrics().size(0, cimke->text());
        EXPECT_GE(cimke->width(), kell.width()) << cimke->objectName().toStdString();
        EXPECT_GE(cimke->height(), kell.height()) << cimke->objectName().toStdString();
        EXPECT_TRUE(belso.contains(cimke->geometry())) << cimke->objectName().toStdString();
        EXPECT_FALSE(cimke->geometry().intersects(doboz.cmdOK->geometry())) << cimke->objectName().toStdString();
    }
    EXPECT_FALSE(doboz.lblDisclaimer->text().isEmpty());
}

}  // namespace

#include "about_box_test.moc"
