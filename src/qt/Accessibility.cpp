#include "qt/Accessibility.h"

#include "base/Textos.h"
#include "qt/BoardView.h"
#include "qt/ClickLabel.h"
#include "qt/Gate.h"
#include "qt/Geometry.h"
#include "qt/SizeChooserView.h"
#include "qt/ToolbarView.h"
#include "window/Layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWindow>

#include <functional>
#include <vector>

namespace quelvar {

namespace {

QString utf8(const char* s) { return QString::fromUtf8(s); }

// One element a painted widget draws: a cell or a toolbar position. It has no
// object of its own; its widget's interface owns it.
class Element : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit Element(QWidget* widget) : widget_(widget) {}

    bool isValid() const override { return widget_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return widget_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QRect rect() const override {
        const QRect local = localRect();
        return QRect(widget_->mapToGlobal(local.topLeft()), local.size());
    }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    // The press runs from the event loop: a dialog it opens must not keep
    // the caller on the accessibility bus waiting until it closes.
    void doAction(const QString& action) override {
        if (action == pressAction()) QMetaObject::invokeMethod(widget_, press(), Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // Under a modal dialog or an open menu an element says it is not
    // enabled, as its press then does nothing.
    bool shut() const { return !userMayPress(widget_); }
    virtual QRect localRect() const = 0;
    virtual std::function<void()> press() const = 0;
    QWidget* widget_;
};

class BoardCell : public Element {
public:
    BoardCell(BoardView* board, int cell) : Element(board), board_(board), cell_(cell) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return utf8(celdas::esEstrella(cell_) ? textos::AccEstrella : textos::AccNumero) +
               QString::fromStdString(board_->celda(cell_).Caption) + utf8(textos::AccApuesta) +
               QString::number(board_->tablero()) + utf8(inBet() ? textos::AccSeleccionado : textos::AccLibre);
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.checkable = true;
        s.checked = inBet();
        // The keyboard's focus cell is the focus assistive technology sees.
        s.focusable = true;
        s.focused = board_->hasFocus() && board_->focusCell() == cell_;
        s.disabled = shut();
        return s;
    }

private:
    // The value in the bet, not the look of the moment.
    bool inBet() const {
        return board_->form().tableros().enApuesta(board_->tablero(), celdas::esEstrella(cell_), celdas::valor(cell_));
    }
    QRect localRect() const override { return board_->cellRect(cell_).toAlignedRect(); }
    std::function<void()> press() const override {
        return [board = board_, cell = cell_] { board->press(cell); };
    }
    BoardView* board_;
    int cell_;
};

class SizeCell : public Element {
public:
    SizeCell(SizeChooserView* sizes, int k) : Element(sizes), sizes_(sizes), k_(k) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return utf8(textos::AccCantidad) + QString::number(k_) +
               utf8(chosen() ? textos::AccElegida : textos::AccNoElegida);
    }
    QAccessible::Role role() const override { return QAccessible::RadioButton; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.checkable = true;
        s.checked = chosen();
        s.focusable = true;
        s.focused = sizes_->hasFocus() && sizes_->focusCell() == k_;
        s.disabled = shut();
        return s;
    }

private:
    // The size of the bet, not the look the blink gives the cell.
    bool chosen() const { return sizes_->form().modulo().CantidadMultiple == k_; }
    QRect localRect() const override { return sizes_->cellRect(k_).toAlignedRect(); }
    std::function<void()> press() const override {
        return [sizes = sizes_, k = k_] { sizes->press(k); };
    }
    SizeChooserView* sizes_;
    int k_;
};

class ToolbarPosition : public Element {
public:
    ToolbarPosition(ToolbarView* bar, int k) : Element(bar), bar_(bar), k_(k) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? utf8(textos::EtiquetasBarra[k_ - 1]) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.disabled = !bar_->form().barraActuaria(k_) || shut(); // enabled exactly when its command would act
        return s;
    }

private:
    QRect localRect() const override { return bar_->positionRect(k_); }
    std::function<void()> press() const override {
        return [bar = bar_, k = k_] { bar->press(k); };
    }
    ToolbarView* bar_;
    int k_;
};

// A painted widget with its elements as children, made when first asked for.
class Container : public QAccessibleWidget {
public:
    // focus gives the child with the keyboard focus, or -1.
    template <typename Make>
    Container(
        QWidget* w, QAccessible::Role role, QString name, int count, Make make,
        std::function<int()> focus = [] { return -1; })
        : QAccessibleWidget(w, role), name_(std::move(name)), ids_(std::size_t(count), 0), focus_(std::move(focus)),
          make_(std::move(make)) {}
    ~Container() override {
        for (QAccessible::Id id : ids_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? name_ : QAccessibleWidget::text(t);
    }
    int childCount() const override { return int(ids_.size()); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        QAccessible::Id& id = ids_[std::size_t(i)];
        if (!id) id = QAccessible::registerAccessibleInterface(make_(i));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (int i = 0; i < childCount(); ++i)
            if (ids_[std::size_t(i)] && QAccessible::accessibleInterface(ids_[std::size_t(i)]) == c) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return widget()->hasFocus() ? child(focus_()) : nullptr; }

private:
    QString name_;
    mutable std::vector<QAccessible::Id> ids_;
    std::function<int()> focus_;
    std::function<QAccessibleInterface*(int)> make_;
};

class LinkLabel : public QAccessibleWidget {
public:
    explicit LinkLabel(ClickLabel* link) : QAccessibleWidget(link, QAccessible::Link), link_(link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? link_->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = s.disabled || !userMayPress(link_);
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(
                link_, [link = link_] { link->activate(); }, Qt::QueuedConnection);
    }

private:
    ClickLabel* link_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    // A grid's focus child is its focus cell.
    const auto focus = [](CellGrid* grid) { return [grid] { return grid->focusCell() - grid->firstCell(); }; };
    if (auto* board = qobject_cast<BoardView*>(object))
        return new Container(
            board, QAccessible::Grouping, utf8(textos::AccTablero) + QString::number(board->tablero()), celdas::Total,
            [board](int i) -> QAccessibleInterface* { return new BoardCell(board, i + 1); }, focus(board));
    if (auto* sizes = qobject_cast<SizeChooserView*>(object))
        return new Container(
            sizes, QAccessible::Grouping, utf8(textos::AccCantidades), MaximoMultiple - MinimoMultiple + 1,
            [sizes](int i) -> QAccessibleInterface* { return new SizeCell(sizes, MinimoMultiple + i); }, focus(sizes));
    if (auto* bar = qobject_cast<ToolbarView*>(object))
        return new Container(bar, QAccessible::ToolBar, utf8(textos::AccBarra), layout::BarraBotones,
                             [bar](int i) -> QAccessibleInterface* { return new ToolbarPosition(bar, i + 1); });
    if (auto* link = qobject_cast<ClickLabel*>(object)) return new LinkLabel(link);
    return nullptr;
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

} // namespace quelvar
