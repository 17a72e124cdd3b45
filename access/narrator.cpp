#include "narrator.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "access/spoken_text.h"

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QString kErtesites = QStringLiteral("ertesites");
// Enough for everything one move can say; older notifications go, a screen reader has read them.
// They go after a while anyway, so a review of the window does not read "notification" over and over.
constexpr std::size_t kMegtartott = 12;

// A notification: a role Orca speaks as soon as it is shown. Its text is in a label inside it,
// which is what Orca keeps in its notification history.
QAccessibleInterface* gyar(const QString&, QObject* o) {
    if (o && o->isWidgetType() && o->objectName() == kErtesites)
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Notification);
    return nullptr;
}

}  // namespace

Narrator::Narrator(QWidget* ablak, Mondat mondat)
    : QObject(ablak), ablak_(ablak), mondat_(std::move(mondat)) {
    static const bool telepitve = [] {
        QAccessible::installFactory(gyar);
        return true;
    }();
    (void)telepitve;
    ablak_->installEventFilter(this);
}

void Narrator::esemeny(const tarolas::Esemeny& e) {
    using tarolas::Tortent;
    if (e.mi == Tortent::Osztas) elmondva_ = {};
    // Another marriage may be offered after this one.
    if (e.mi == Tortent::Bemondas && e.ki == tarolas::kJatekos) elmondva_[1] = elmondva_[2] = false;
    lepes_.esemeny(e);
    const std::string m = mondat_ ? mondat_(e) : std::string();
    if (!m.empty()) mond(qs(m));
}

void Narrator::gombok(const std::array<bool, 4>& lathato) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (lathato[i] && !lathato_[i] && !elmondva_[i]) {
            elmondva_[i] = true;
            mond(qs(tarolas::gombSzoveg(static_cast<int>(i))));
        }
    }
    lathato_ = lathato;
}

void Narrator::mond(const QString& szoveg, bool aJatekbol) {
    if (aJatekbol) lepes_.mondott(szoveg.toStdString());
    if (tartva_) tartott_.append(szoveg);
    else if (ablak_->isVisible()) felmutat(szoveg);
    else varo_.append(szoveg);
}

bool Narrator::tart(bool tartva) {
    const bool volt = std::exchange(tartva_, tartva);
    if (!tartva)
        for (const QString& s : std::exchange(tartott_, {})) mond(s, false);
    return volt;
}

bool Narrator::ujra() {
    const std::string t = lepes_.ujra();
    if (!t.empty()) mond(qs(t), false);
    return !t.empty();
}

bool Narrator::eventFilter(QObject* o, QEvent* e) {
    if (o == ablak_ && e->type() == QEvent::Show && !varo_.isEmpty()) {
        // After the window's own show has been handled, so it is on screen and the notifications are shown in it.
        QMetaObject::invokeMethod(this, [this] {
            const QStringList varo = std::exchange(varo_, {});
            for (const QString& s : varo) mond(s, false);
        }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(o, e);
}

void Narrator::felmutat(const QString& szoveg) {
    // A new object each time: a screen reader may merge two shows of one object, or keep its old text.
    auto* w = new QWidget(ablak_);
    w->setObjectName(kErtesites);
    w->setGeometry(0, 0, 0, 0);
    auto* cimke = new QLabel(szoveg, w);
    cimke->setTextFormat(Qt::PlainText);
    cimke->setGeometry(0, 0, 0, 0);
    w->show();
    QTimer::singleShot(megtartasMs, w, [w] { w->deleteLater(); });
    std::erase_if(kint_, [](const QPointer<QWidget>& p) { return p.isNull(); });
    kint_.emplace_back(w);
    while (kint_.size() > kMegtartott) {
        if (kint_.front()) kint_.front()->deleteLater();
        kint_.erase(kint_.begin());
    }
}
