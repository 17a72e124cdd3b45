#pragma once

// Two requests of the X window system that Qt leaves unanswered: the window manager's close
// request while a modal box blocks the window (Qt drops it), and the window destroyed by another
// client (Qt carries on without a window). Both end the program the way "Kilép" does.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <functional>

class QWidget;
struct xcb_connection_t;

// The X atom of `nev` on connection `c`; XCB_ATOM_NONE (0) when the server gives none.
std::uint32_t xcbAtom(xcb_connection_t* c, const char* nev);

class WindowManagerRequests : public QObject, public QAbstractNativeEventFilter {
public:
    // kilep runs from the event loop: once the blocking box is gone after a close request, at
    // once after the window was destroyed. On other window systems nothing is watched.
    WindowManagerRequests(QWidget* ablak, std::function<void()> kilep);
    ~WindowManagerRequests() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* ablak_;
    std::function<void()> kilep_;
    std::uint32_t wmProtocols_ = 0;
    std::uint32_t wmDeleteWindow_ = 0;
    bool blokkolt_ = false;  // a modal box blocks the window
    bool kerte_ = false;     // and the window manager asked to close it meanwhile
};
