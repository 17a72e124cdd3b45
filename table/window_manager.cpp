#include "window_manager.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <utility>

std::uint32_t xcbAtom(xcb_connection_t* c, const char* nev) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(nev)), nev), nullptr);
    std::uint32_t a = XCB_ATOM_NONE;
    if (r) a = r->atom;
    std::free(r);
    return a;
}

WindowManagerRequests::WindowManagerRequests(QWidget* ablak, std::function<void()> kilep)
    : QObject(ablak), ablak_(ablak), kilep_(std::move(kilep)) {
    // The offscreen platform answers for X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
    if (!c) return;
    wmProtocols_ = xcbAtom(c, "WM_PROTOCOLS");
    wmDeleteWindow_ = xcbAtom(c, "WM_DELETE_WINDOW");
    ablak->installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowManagerRequests::~WindowManagerRequests() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowManagerRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const WId sajat = ablak_->internalWinId();
    if (!sajat) return false;
    const auto* e = static_cast<const xcb_generic_event_t*>(message);
    switch (e->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(e);
        if (blokkolt_ && m->window == sajat && m->type == wmProtocols_ && m->format == 32 &&
            m->data.data32[0] == wmDeleteWindow_)
            kerte_ = true;
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (reinterpret_cast<const xcb_destroy_notify_event_t*>(e)->window == sajat)
            QTimer::singleShot(0, this, kilep_);
        break;
    default:
        break;
    }
    return false;  // Qt sees every event as before
}

bool WindowManagerRequests::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ablak_) {
        if (event->type() == QEvent::WindowBlocked) {
            blokkolt_ = true;
        } else if (event->type() == QEvent::WindowUnblocked) {
            blokkolt_ = false;
            if (std::exchange(kerte_, false)) QTimer::singleShot(0, this, kilep_);
        }
    }
    return QObject::eventFilter(watched, event);
}
