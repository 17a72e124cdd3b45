#include "table_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "table/table_widget.h"

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One thing on the table, known by its name: the names on a table never repeat, and a client that
// caches names and roles (libatspi does) must never see them change under one object. It is valid
// while the table's current list holds its name.
QAccessibleInterface* kezLista(TableWidget* asztal);

class AsztalElemFelulet : public QAccessibleInterface {
public:
    AsztalElemFelulet(TableWidget* asztal, std::string nev) : asztal_(asztal), nev_(std::move(nev)) {}

    bool isValid() const override { return elem() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return asztal_ ? asztal_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        const tarolas::AsztalElem* e = elem();
        return e && e->slot >= 0 ? kezLista(asztal_) : QAccessible::queryAccessibleInterface(asztal_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const tarolas::AsztalElem* e = elem();
        return e && t == QAccessible::Name ? qs(e->nev) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const tarolas::AsztalElem* e = elem();
        if (!e) return {};
        const float k = 1.0f / tarolas::kTwipPerPixel;
        const QRect helyi(qRound(e->hely.x * k), qRound(e->hely.y * k), qRound(e->hely.w * k), qRound(e->hely.h * k));
        return QRect(asztal_->mapToGlobal(helyi.topLeft()), helyi.size());
    }
    QAccessible::Role role() const override {
        const tarolas::AsztalElem* e = elem();
        return e && e->slot >= 0 ? QAccessible::ListItem : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const tarolas::AsztalElem* e = elem();
        if (!e) {
            s.invisible = true;
            return s;
        }
        s.readOnly = true;
        // Cards in hand, and whatever else the keyboard has selected (a pile, the talon).
        const bool kijelolt = asztal_->kivalasztottElem() == index();
        if (e->slot >= 0 || kijelolt) {
            s.focusable = true;
            s.selectable = true;
            s.selected = kijelolt;
            s.focused = kijelolt && asztal_->hasFocus();
        }
        return s;
    }

    // Its place in the table's current list, -1 when gone.
    int index() const {
        if (!asztal_) return -1;
        const auto& elemek = asztal_->elemek();
        for (std::size_t i = 0; i < elemek.size(); ++i)
            if (elemek[i].nev == nev_) return static_cast<int>(i);
        return -1;
    }

private:
    const tarolas::AsztalElem* elem() const {
        const int i = index();
        return i < 0 ? nullptr : &asztal_->elemek()[static_cast<std::size_t>(i)];
    }

    QPointer<TableWidget> asztal_;
    std::string nev_;
};

// The player's hand as a list of its own, so its cards tell their place in the hand ("2 of 5").
// It sits among the table's things where the hand lies; its name never changes.
class KezFelulet : public QAccessibleInterface {
public:
    explicit KezFelulet(TableWidget* asztal) : asztal_(asztal) {}

    bool isValid() const override { return !asztal_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return asztal_ ? asztal_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(asztal_.data()); }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return static_cast<int>(lapok().size()); }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto l = lapok();
        for (std::size_t i = 0; i < l.size(); ++i)
            if (child(static_cast<int>(i)) == c) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = childCount() - 1; i >= 0; --i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? QStringLiteral("Kezed") : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QRect r;
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i)) r |= c->rect();
        return r;
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = lapok().empty();
        return s;
    }

    // The table's entries that are cards in hand, in hand order.
    std::vector<std::size_t> lapok() const {
        std::vector<std::size_t> l;
        if (!asztal_) return l;
        const auto& elemek = asztal_->elemek();
        for (std::size_t i = 0; i < elemek.size(); ++i)
            if (elemek[i].slot >= 0) l.push_back(i);
        return l;
    }

private:
    QPointer<TableWidget> asztal_;
};

class AsztalFelulet : public QAccessibleWidget {
public:
    explicit AsztalFelulet(TableWidget* asztal) : QAccessibleWidget(asztal, QAccessible::Canvas) {}
    ~AsztalFelulet() override {
        for (auto& [nev, id] : elemek_) QAccessible::deleteAccessibleInterface(id);
        if (kez_) QAccessible::deleteAccessibleInterface(kez_);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QStringLiteral("Kártyaasztal");
        if (t == QAccessible::Description) return asztal()->allapot();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return widgetek() + static_cast<int>(sor().size()); }
    QAccessibleInterface* child(int index) const override {
        const int w = widgetek();
        if (index < w) return QAccessibleWidget::child(index);
        const auto s = sor();
        const int k = index - w;
        if (k < 0 || k >= static_cast<int>(s.size())) return nullptr;
        return s[static_cast<std::size_t>(k)] < 0 ? kez() : elem(static_cast<std::size_t>(s[static_cast<std::size_t>(k)]));
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        const auto s = sor();
        for (std::size_t k = 0; k < s.size(); ++k)
            if (child(widgetek() + static_cast<int>(k)) == c) return widgetek() + static_cast<int>(k);
        return QAccessibleWidget::indexOfChild(c);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // The topmost thing under the point: later entries lie over earlier ones.
        for (int k = childCount() - 1; k >= widgetek(); --k) {
            QAccessibleInterface* c = child(k);
            if (c && c->rect().contains(x, y)) return c;
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        const int k = asztal()->kivalasztottElem();
        if (asztal()->hasFocus() && k >= 0) return elem(static_cast<std::size_t>(k));
        return QAccessibleWidget::focusChild();
    }
    QAccessibleInterface* kivalasztott() const {
        const int k = asztal()->kivalasztottElem();
        return k < 0 ? nullptr : elem(static_cast<std::size_t>(k));
    }

    // Entry `k` of the table's current list. One interface per name, registered once and kept
    // until the table goes.
    QAccessibleInterface* elem(std::size_t k) const {
        if (k >= asztal()->elemek().size()) return nullptr;
        const std::string& nev = asztal()->elemek()[k].nev;
        auto it = elemek_.find(nev);
        if (it == elemek_.end())
            it = elemek_.emplace(nev, QAccessible::registerAccessibleInterface(new AsztalElemFelulet(asztal(), nev))).first;
        return QAccessible::accessibleInterface(it->second);
    }
    QAccessibleInterface* kez() const {
        if (!kez_) kez_ = QAccessible::registerAccessibleInterface(new KezFelulet(asztal()));
        return QAccessible::accessibleInterface(kez_);
    }

private:
    TableWidget* asztal() const { return static_cast<TableWidget*>(widget()); }
    int widgetek() const { return QAccessibleWidget::childCount(); }
    // The children after the widgets: the table's entries, the hand's cards replaced by the
    // hand (-1) where its first card is.
    std::vector<int> sor() const {
        std::vector<int> s;
        const auto& elemek = asztal()->elemek();
        bool kez = false;
        for (std::size_t i = 0; i < elemek.size(); ++i) {
            if (elemek[i].slot < 0) s.push_back(static_cast<int>(i));
            else if (!std::exchange(kez, true)) s.push_back(-1);
        }
        return s;
    }
    mutable std::map<std::string, QAccessible::Id> elemek_;
    mutable QAccessible::Id kez_ = 0;
};

AsztalFelulet* felulet(TableWidget* asztal) {
    return dynamic_cast<AsztalFelulet*>(QAccessible::queryAccessibleInterface(asztal));
}

QAccessibleInterface* kezLista(TableWidget* asztal) {
    AsztalFelulet* f = asztal ? felulet(asztal) : nullptr;
    return f ? f->kez() : nullptr;
}

QAccessibleInterface* KezFelulet::child(int index) const {
    const auto l = lapok();
    AsztalFelulet* f = asztal_ ? felulet(asztal_) : nullptr;
    return f && index >= 0 && index < static_cast<int>(l.size()) ? f->elem(l[static_cast<std::size_t>(index)]) : nullptr;
}

QAccessibleInterface* KezFelulet::focusChild() const {
    AsztalFelulet* f = asztal_ ? felulet(asztal_) : nullptr;
    return f && asztal_->hasFocus() ? f->kivalasztott() : nullptr;
}

QAccessibleInterface* gyar(const QString& osztaly, QObject* o) {
    if (osztaly == QLatin1String("TableWidget") && o && o->isWidgetType())
        return new AsztalFelulet(static_cast<TableWidget*>(o));
    return nullptr;
}

}  // namespace

void asztalAkadalymentes() {
    static const bool telepitve = [] {
        QAccessible::installFactory(gyar);
        return true;
    }();
    (void)telepitve;
}

void asztalFokusz(TableWidget* asztal) {
    if (!QAccessible::isActive() || asztal->kivalasztottElem() < 0) return;
    AsztalFelulet* f = felulet(asztal);
    QAccessibleInterface* c = f ? f->kivalasztott() : nullptr;
    if (!c) return;
    QAccessibleEvent e(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&e);
}

void asztalAllapot(TableWidget* asztal) {
    QAccessibleEvent e(asztal, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
}
