// The window manager's requests, sent for real through an X server by a second client. They run
// on xcb only (ctest runs them under xvfb-run) and are skipped elsewhere.

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "table/form1.h"
#include "table/window_manager.h"

namespace {

// Another X client, as a window manager is.
struct WindowManager {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    ~WindowManager() { xcb_disconnect(c); }

    // WM_DELETE_WINDOW: what the close box of a window frame sends.
    void closeRequest(WId ablak) {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = static_cast<xcb_window_t>(ablak);
        e.type = xcbAtom(c, "WM_PROTOCOLS");
        e.data.data32[0] = xcbAtom(c, "WM_DELETE_WINDOW");
        e.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
        xcb_flush(c);
    }
};

TEST(WindowManager, ACloseRequestUnderAMessageBoxEndsTheGameOnceTheBoxIsAnswered) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    WindowManager wm;
    ASSERT_FALSE(xcb_connection_has_error(wm.c));
    Form1 f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.ujjatek->trigger();
    ASSERT_TRUE(f.Command1[0]->isVisible());  // Tarolás: a box of its own before the first move
    bool dobozAlatt = false;
    QTimer::singleShot(0, &f, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !QTest::qWaitForWindowExposed(box)) return;
        wm.closeRequest(f.winId());
        QTest::qWait(300);
        dobozAlatt = f.isVisible() && box->isVisible();  // nothing closes under the box
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(f.Command1[0], Qt::LeftButton);
    EXPECT_TRUE(dobozAlatt);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }, 5000)) << "the close request was lost";
    EXPECT_TRUE(f.st().tarolas[tarolas::kJatekos]) << "the announcement was cut short";
}

}  // namespace
