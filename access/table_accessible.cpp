#include "table_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "table/form1.h"
#include "table/table_widget.h"

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One thing on the table, known by its name: the names on a table never repeat, and a client that
// caches names and roles (libatspi does) must never see them change under one object. It is valid
// while the table's current list holds its name.
QAccessibleInterface* kezLista(TableWidget* asztal);

class AsztalElemFelulet : public QAccessibleInterface {
public:
    AsztalElemFelulet(AsztalLeiras* leiras, std::string nev) : leiras_(leiras), nev_(std::move(nev)) {}

    bool isValid() const override { return elem() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return leiras_ ? leiras_->asztal()->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        const tarolas::AsztalElem* e = elem();
        if (!leiras_) return nullptr;
        return e && e->slot >= 0 ? kezLista(leiras_->asztal()) : QAccessible::queryAccessibleInterface(leiras_->asztal());
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
        return QRect(leiras_->asztal()->mapToGlobal(helyi.topLeft()), helyi.size());
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
        const bool kijelolt = leiras_->kivalasztott() == index();
        if (e->slot >= 0 || kijelolt) {
            s.focusable = true;
            s.selectable = true;
            s.selected = kijelolt;
            s.focused = kijelolt && leiras_->asztal()->hasFocus();
        }
        return s;
    }

    // Its place in the table's current list, -1 when gone.
    int index() const {
        if (!leiras_) return -1;
        const auto& elemek = leiras_->elemek();
        for (std::size_t i = 0; i < elemek.size(); ++i)
            if (elemek[i].nev == nev_) return static_cast<int>(i);
        return -1;
    }

private:
    const tarolas::AsztalElem* elem() const {
        const int i = index();
        return i < 0 ? nullptr : &leiras_->elemek()[static_cast<std::size_t>(i)];
    }

    QPointer<AsztalLeiras> leiras_;
    std::string nev_;
};

// The player's hand as a list of its own, so its cards tell their place in the hand ("2 of 5").
// It sits among the table's things where the hand lies; its name never changes.
class KezFelulet : public QAccessibleInterface {
public:
    explicit KezFelulet(AsztalLeiras* leiras) : leiras_(leiras) {}

    bool isValid() const override { return !leiras_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return leiras_ ? leiras_->asztal()->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return leiras_ ? QAccessible::queryAccessibleInterface(leiras_->asztal()) : nullptr;
    }
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
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? QCoreApplication::translate("Felolvaso", "Kezed") : QString(); }
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
        if (!leiras_) return l;
        const auto& elemek = leiras_->elemek();
        for (std::size_t i = 0; i < elemek.size(); ++i)
            if (elemek[i].slot >= 0) l.push_back(i);
        return l;
    }

private:
    QPointer<AsztalLeiras> leiras_;
};

class AsztalFelulet : public QAccessibleWidget {
public:
    AsztalFelulet(TableWidget* asztal, AsztalLeiras* leiras)
        : QAccessibleWidget(asztal, QAccessible::Canvas), leiras_(leiras) {}
    ~AsztalFelulet() override {
        for (auto& [nev, id] : elemek_) QAccessible::deleteAccessibleInterface(id);
        if (kez_) QAccessible::deleteAccessibleInterface(kez_);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QCoreApplication::translate("Felolvaso", "Kártyaasztal");
        if (t == QAccessible::Description) return leiras_ ? leiras_->allapot() : QString();
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
        const int k = leiras_ ? leiras_->kivalasztott() : -1;
        if (asztal()->hasFocus() && k >= 0) return elem(static_cast<std::size_t>(k));
        return QAccessibleWidget::focusChild();
    }
    QAccessibleInterface* kivalasztott() const {
        const int k = leiras_ ? leiras_->kivalasztott() : -1;
        return k < 0 ? nullptr : elem(static_cast<std::size_t>(k));
    }

    // Entry `k` of the table's current list. One interface per name, registered once and kept
    // until the table goes.
    QAccessibleInterface* elem(std::size_t k) const {
        if (!leiras_ || k >= leiras_->elemek().size()) return nullptr;
        const std::string& nev = leiras_->elemek()[k].nev;
        auto it = elemek_.find(nev);
        if (it == elemek_.end())
            it = elemek_.emplace(nev, QAccessible::registerAccessibleInterface(new AsztalElemFelulet(leiras_, nev))).first;
        return QAccessible::accessibleInterface(it->second);
    }
    QAccessibleInterface* kez() const {
        if (!kez_ && leiras_) kez_ = QAccessible::registerAccessibleInterface(new KezFelulet(leiras_));
        if (!kez_) return nullptr;
        return QAccessible::accessibleInterface(kez_);
    }

private:
    TableWidget* asztal() const { return static_cast<TableWidget*>(widget()); }
    int widgetek() const { return QAccessibleWidget::childCount(); }
    // The children after the widgets: the table's entries, the hand's cards replaced by the
    // hand (-1) where its first card is.
    std::vector<int> sor() const {
        std::vector<int> s;
        if (!leiras_) return s;
        const auto& elemek = leiras_->elemek();
        bool kez = false;
        for (std::size_t i = 0; i < elemek.size(); ++i) {
            if (elemek[i].slot < 0) s.push_back(static_cast<int>(i));
            else if (!std::exchange(kez, true)) s.push_back(-1);
        }
        return s;
    }
    QPointer<AsztalLeiras> leiras_;
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
    AsztalFelulet* f = leiras_ ? felulet(leiras_->asztal()) : nullptr;
    return f && index >= 0 && index < static_cast<int>(l.size()) ? f->elem(l[static_cast<std::size_t>(index)]) : nullptr;
}

QAccessibleInterface* KezFelulet::focusChild() const {
    AsztalFelulet* f = leiras_ ? felulet(leiras_->asztal()) : nullptr;
    return f && leiras_->asztal()->hasFocus() ? f->kivalasztott() : nullptr;
}

// A table without a description (its window has no screen-reader support) is a plain widget.
QAccessibleInterface* gyar(const QString& osztaly, QObject* o) {
    AsztalLeiras* l = osztaly == QLatin1String("TableWidget") && o ? AsztalLeiras::ehhez(o) : nullptr;
    return l ? new AsztalFelulet(static_cast<TableWidget*>(o), l) : nullptr;
}

}  // namespace

AsztalLeiras::AsztalLeiras(Form1& ablak) : QObject(ablak.Picture3), ablak_(ablak) {
    // What the table shows already, told to no one: nobody has asked yet.
    if (asztal()->festettMagassag() > 0) elemek_ = elemekMost();
    kivalasztott_ = kivalasztottMost();
    if (kivalasztott_ >= 0) kivalasztottNev_ = elemek_[static_cast<std::size_t>(kivalasztott_)].nev;
    allapot_ = allapotMost();
}

AsztalLeiras* AsztalLeiras::ehhez(const QObject* asztal) {
    return asztal->findChild<AsztalLeiras*>(QString(), Qt::FindDirectChildrenOnly);
}

TableWidget* AsztalLeiras::asztal() const { return static_cast<TableWidget*>(parent()); }

std::vector<tarolas::AsztalElem> AsztalLeiras::elemekMost() const {
    const TableWidget* t = asztal();
    return tarolas::asztalElemei(ablak_.st(), t->festettGeometria(), t->festettMagassag(), t->festett());
}

int AsztalLeiras::kivalasztottMost() const {
    return tarolas::valasztottElem(elemek_, ablak_.kivalasztott(), ablak_.targy());
}

void AsztalLeiras::rajzolva() { elemek_ = elemekMost(); }

void AsztalLeiras::kivalasztas() {
    const int k = kivalasztottMost();
    const std::string nev = k >= 0 ? elemek_[static_cast<std::size_t>(k)].nev : std::string();
    // Only another card is news: the same card moving down the list as the trick fills is not.
    const bool uj = nev != kivalasztottNev_;
    kivalasztott_ = k;
    kivalasztottNev_ = nev;
    if (uj) fokuszJelzes();
}

QString AsztalLeiras::allapotMost() const {
    if ((leosztasKozott_ || ujOsztas_) && !ablak_.st().kiadottlapok.empty()) return {};
    return QString::fromStdString(tarolas::allapotSzoveg(ablak_.st()));
}

void AsztalLeiras::esemeny(const tarolas::Esemeny& e) {
    if (e.mi != tarolas::Tortent::JatszmaVege && e.mi != tarolas::Tortent::Osztas) return;
    // Read with the focus as the box closes, "Te hívsz." would come before the new deal's sentence.
    ujOsztas_ = e.mi == tarolas::Tortent::Osztas && leosztasKozott_;
    leosztasKozott_ = e.mi == tarolas::Tortent::JatszmaVege;
    allapotFrissites();
}

void AsztalLeiras::ujOsztasElmondva() {
    if (!std::exchange(ujOsztas_, false)) return;
    allapotFrissites();
}

void AsztalLeiras::allapotFrissites() {
    const QString szoveg = allapotMost();
    if (szoveg == allapot_) return;
    allapot_ = szoveg;
    // A client that caches the description learns the new one.
    QAccessibleEvent e(asztal(), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&e);
}

void AsztalLeiras::fokuszJelzes() {
    if (!asztal()->hasFocus() || !QAccessible::isActive() || kivalasztott_ < 0) return;
    AsztalFelulet* f = felulet(asztal());
    QAccessibleInterface* c = f ? f->kivalasztott() : nullptr;
    if (!c) return;
    QAccessibleEvent e(c, QAccessible::Focus);
    QAccessible::updateAccessibility(&e);
}

AsztalLeiras* asztalAkadalymentes(Form1& ablak) {
    static const bool telepitve = [] {
        QAccessible::installFactory(gyar);
        return true;
    }();
    (void)telepitve;
    auto* leiras = new AsztalLeiras(ablak);
    // Qt keeps the first interface made for an object: one made before the table had its
    // description would never ask the factory.
    if (QAccessibleInterface* i = QAccessible::queryAccessibleInterface(ablak.Picture3); i && !dynamic_cast<AsztalFelulet*>(i))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
    QObject::connect(ablak.Picture3, &TableWidget::rajzolva, leiras, &AsztalLeiras::rajzolva);
    QObject::connect(&ablak, &Form1::kivalasztasValtozott, leiras, &AsztalLeiras::kivalasztas);
    QObject::connect(&ablak, &Form1::allapotFrissult, leiras, &AsztalLeiras::allapotFrissites);
    return leiras;
}
