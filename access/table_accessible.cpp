#include "table_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <map>
#include <string>

#include "table/table_widget.h"

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One thing on the table, known by its name: the names on a table never repeat, and a client that
// caches names and roles (libatspi does) must never see them change under one object. It is valid
// while the table's current list holds its name.
class AsztalElemFelulet : public QAccessibleInterface {
public:
    AsztalElemFelulet(TableWidget* asztal, std::string nev) : asztal_(asztal), nev_(std::move(nev)) {}

    bool isValid() const override { return elem() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return asztal_ ? asztal_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(asztal_.data()); }
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
        if (e->slot >= 0) {
            s.focusable = true;
            s.selectable = true;
            const bool kijelolt = asztal_->kivalasztottElem() == index();
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

class AsztalFelulet : public QAccessibleWidget {
public:
    explicit AsztalFelulet(TableWidget* asztal) : QAccessibleWidget(asztal, QAccessible::Canvas) {}
    ~AsztalFelulet() override {
        for (auto& [nev, id] : elemek_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QStringLiteral("Kártyaasztal");
        if (t == QAccessible::Description) return asztal()->allapot();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return widgetek() + static_cast<int>(asztal()->elemek().size()); }
    QAccessibleInterface* child(int index) const override {
        const int w = widgetek();
        if (index < w) return QAccessibleWidget::child(index);
        const int k = index - w;
        if (k < 0 || k >= static_cast<int>(asztal()->elemek().size())) return nullptr;
        // One interface per name, registered once and kept until the table goes.
        const std::string& nev = asztal()->elemek()[static_cast<std::size_t>(k)].nev;
        auto it = elemek_.find(nev);
        if (it == elemek_.end())
            it = elemek_.emplace(nev, QAccessible::registerAccessibleInterface(new AsztalElemFelulet(asztal(), nev))).first;
        return QAccessible::accessibleInterface(it->second);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (const auto& [nev, id] : elemek_)
            if (QAccessible::accessibleInterface(id) == c) {
                const int k = static_cast<const AsztalElemFelulet*>(c)->index();
                return k < 0 ? -1 : widgetek() + k;
            }
        return QAccessibleWidget::indexOfChild(c);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // The topmost thing under the point: later entries lie over earlier ones.
        for (int k = static_cast<int>(asztal()->elemek().size()) - 1; k >= 0; --k) {
            QAccessibleInterface* c = child(widgetek() + k);
            if (c && c->rect().contains(x, y)) return c;
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        const int k = asztal()->kivalasztottElem();
        if (asztal()->hasFocus() && k >= 0) return child(widgetek() + k);
        return QAccessibleWidget::focusChild();
    }
    int kivalasztottIndex() const { return widgetek() + asztal()->kivalasztottElem(); }

private:
    TableWidget* asztal() const { return static_cast<TableWidget*>(widget()); }
    int widgetek() const { return QAccessibleWidget::childCount(); }
    mutable std::map<std::string, QAccessible::Id> elemek_;
};

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
    auto* f = dynamic_cast<AsztalFelulet*>(QAccessible::queryAccessibleInterface(asztal));
    QAccessibleInterface* c = f ? f->child(f->kivalasztottIndex()) : nullptr;
    if (!c) return;
    QAccessibleEvent e(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&e);
}

void asztalAllapot(TableWidget* asztal) {
    QAccessibleEvent e(asztal, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
}
