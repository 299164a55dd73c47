#include "framework/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <map>

#include "framework/Internals.h"
#include "framework/Menu.h"

namespace {

// The top-level widget: the menu bar above the client area, which holds the controls at their
// pixel positions.
class WindowWidget : public QWidget {
  public:
    explicit WindowWidget(Window& owner) : owner_(owner) {}
    QWidget* client = new QWidget(this);
    QPointer<QMenuBar> menuBar;
    bool menuBarVisible = true;

    int MenuBarHeight() const {
        return menuBar && menuBarVisible ? menuBar->sizeHint().height() : 0;
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int top = MenuBarHeight();
        if (menuBar) menuBar->setGeometry(0, 0, width(), top);
        client->setGeometry(0, top, width(), height() - top);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            owner_.PressReturn();
            e->accept();
            return;
        }
        QWidget::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override;

  private:
    Window& owner_;
};

}  // namespace

struct Window::Impl {
    QPointer<WindowWidget> widget;
    std::map<std::string, RectControl*, std::less<>> byName;
    bool built = false;
    bool closing = false;
};

// The close box: the window goes at once from the registry and is deleted as soon as the event
// that closes it is over.
void WindowWidget::closeEvent(QCloseEvent* e) {
    e->accept();
    owner_.ClosedByCloseBox();
}

QWidget* ClientAreaOf(Window& window) {
    window.EnsureWidget();
    return window.impl().widget->client;
}

void TabOrderChanged(Window& window) {
    if (window.impl().built) window.UpdateTabOrder();
}

void DeleteWidgetOf(Window& window) {
    delete window.impl().widget.data();
}

Window::Window(std::string className)
    : className_(std::move(className)),
      lifeToken_(std::make_shared<int>(0)),
      impl_(std::make_unique<Impl>()) {
    WindowOpened(*this);
}

Window::~Window() {
    WindowDestroyed(*this);
    order_.clear();
    controls_.clear();  // their widgets go before the window's
    delete impl_->widget.data();
}

PropertyType Window::TypeOf(std::string_view name) const {
    using T = PropertyType;
    static const std::map<std::string_view, PropertyType> types = {
        {"Placement", T::Int32},        {"Width", T::Int32},
        {"Height", T::Int32},           {"MinWidth", T::Int32},
        {"MinHeight", T::Int32},        {"MaxWidth", T::Int32},
        {"MaxHeight", T::Int32},        {"Frame", T::Int32},
        {"MacProcID", T::Int32},        {"Composite", T::Boolean},
        {"HasBackColor", T::Boolean},   {"Visible", T::Boolean},
        {"FullScreen", T::Boolean},     {"MenuBarVisible", T::Boolean},
        {"CloseButton", T::Boolean},    {"Resizeable", T::Boolean},
        {"LiveResize", T::Boolean},     {"MaximizeButton", T::Boolean},
        {"MinimizeButton", T::Boolean}, {"FullScreenButton", T::Boolean},
        {"BackColor", T::Color},        {"Title", T::String},
    };
    auto it = types.find(name);
    if (it == types.end())
        throw RuntimeException("Window hat keine Eigenschaft " + std::string(name));
    return it->second;
}

void Window::EnsureWidget() {
    if (impl_->widget) return;
    auto* widget = new WindowWidget(*this);
    impl_->widget = widget;
    if (menuBar_) SetMenuBar(menuBar_);
    ApplyFlags();
    ApplyGeometry();
    widget->setWindowTitle(ToQ(Get<std::string>(*this, "Title", "")));
    ApplyBackColor();
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint;
    if (Get(*this, "CloseButton", true)) flags |= Qt::WindowCloseButtonHint;
    if (Get(*this, "MinimizeButton", true)) flags |= Qt::WindowMinimizeButtonHint;
    if (Get(*this, "MaximizeButton", true)) flags |= Qt::WindowMaximizeButtonHint;
    if (Get(*this, "FullScreenButton", false)) flags |= Qt::WindowFullscreenButtonHint;
    const bool shown = impl_->widget->isVisible();
    impl_->widget->setWindowFlags(flags);
    if (shown) impl_->widget->show();  // changing the flags hides a window
}

// The client area is Width x Height; the menu bar comes on top of that.
void Window::ApplyGeometry() {
    WindowWidget* widget = impl_->widget;
    const int top = widget->MenuBarHeight();
    const int width = Get(*this, "Width", 300), height = Get(*this, "Height", 200);
    if (!Get(*this, "Resizeable", true)) {
        widget->setFixedSize(width, height + top);
        return;
    }
    widget->setMinimumSize(Get(*this, "MinWidth", 64), Get(*this, "MinHeight", 64) + top);
    widget->setMaximumSize(std::min(Get(*this, "MaxWidth", 32000), QWIDGETSIZE_MAX),
                           std::min(Get(*this, "MaxHeight", 32000) + top, QWIDGETSIZE_MAX));
    widget->resize(width, height + top);
}

void Window::ApplyBackColor() {
    QWidget* client = impl_->widget->client;
    const bool own = Get(*this, "HasBackColor", false);
    client->setAutoFillBackground(own);
    if (own) {
        const Color c = Get(*this, "BackColor", Color{255, 255, 255});
        QPalette palette = client->palette();
        palette.setColor(QPalette::Window, ToQColor(c));
        client->setPalette(palette);
    }
}

void Window::ApplyProperty(std::string_view name, const PropertyValue& value) {
    WindowWidget* widget = impl_->widget;
    if (!widget) return;  // EnsureWidget applies the values
    if (name == "Title") {
        widget->setWindowTitle(ToQ(std::get<std::string>(value)));
    } else if (name == "Width" || name == "Height" || name == "MinWidth" || name == "MinHeight" ||
               name == "MaxWidth" || name == "MaxHeight" || name == "Resizeable") {
        ApplyGeometry();
    } else if (name == "CloseButton" || name == "MinimizeButton" || name == "MaximizeButton" ||
               name == "FullScreenButton") {
        ApplyFlags();
    } else if (name == "HasBackColor" || name == "BackColor") {
        ApplyBackColor();
    } else if (name == "MenuBarVisible") {
        widget->menuBarVisible = std::get<bool>(value);
        if (widget->menuBar) widget->menuBar->setVisible(widget->menuBarVisible);
        ApplyGeometry();
    } else if (name == "Visible" && impl_->built) {
        widget->setVisible(std::get<bool>(value));
    }
    // Placement, Frame, Composite, LiveResize and MacProcID are kept only: the window system
    // places and frames the window, and every resize is live.
}

void Window::Constructor() {
    WindowHandedOver(*this);
    EnsureWidget();
    Layout();
    CreateControls();
    UpdateTabOrder();
    impl_->built = true;
    // The controls open before their window, in creation order.
    for (RectControl* control : std::vector<RectControl*>(order_)) control->Raise(Event::Open);
    Event_Open();
    if (!impl_->widget || !Get(*this, "Visible", true)) return;
    if (Get(*this, "FullScreen", false))
        impl_->widget->showFullScreen();
    else
        impl_->widget->show();
    impl_->widget->activateWindow();
    // Lets the window system expose the new window, so that from now on a repaint that the
    // program asks for happens at once.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Window::SetMenuBar(MenuBar* menuBar) {
    menuBar_ = menuBar;
    WindowWidget* widget = impl_->widget;
    if (!widget) return;  // EnsureWidget builds it
    delete widget->menuBar.data();
    widget->menuBar = menuBar ? BuildMenuBar(*menuBar, widget) : nullptr;
    if (widget->menuBar) widget->menuBar->setVisible(widget->menuBarVisible);
    ApplyGeometry();
}

RectControl& Window::_AddControl(std::string name, std::unique_ptr<RectControl> control) {
    if (impl_->byName.count(name))
        throw RuntimeException("Das Fenster hat schon ein Steuerelement namens " + name);
    EnsureWidget();
    control->AttachTo(*this, name);
    RectControl& added = *control;
    controls_.push_back(std::move(control));
    order_.push_back(&added);
    impl_->byName.emplace(std::move(name), &added);
    if (impl_->built) UpdateTabOrder();
    return added;
}

RectControl& Window::_ControlByName(std::string_view name) const {
    auto it = impl_->byName.find(name);
    if (it == impl_->byName.end())
        throw NilObjectException("Kein Steuerelement namens " + std::string(name));
    return *it->second;
}

// The tab chain follows TabIndex (creation order among equal ones); controls that are no tab
// stops take clicks only, so Tab passes them by.
void Window::UpdateTabOrder() {
    // Each control's TabIndex is read once, not at every comparison of the sort.
    std::vector<std::pair<std::int32_t, RectControl*>> chain;
    chain.reserve(order_.size());
    for (RectControl* control : order_) chain.emplace_back(Get(*control, "TabIndex", 0), control);
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(WidgetOf(*chain[i - 1].second), WidgetOf(*chain[i].second));
}

std::string Window::Title() const {
    if (impl_->widget) return impl_->widget->windowTitle().toStdString();
    return Get<std::string>(*this, "Title", "");
}

int Window::Width() const {
    return impl_->widget ? impl_->widget->client->width() : Get(*this, "Width", 300);
}

int Window::Height() const {
    return impl_->widget ? impl_->widget->client->height() : Get(*this, "Height", 200);
}

bool Window::IsVisible() const {
    return impl_->widget && impl_->widget->isVisible();
}

RectControl* Window::FocusedControl() const {
    for (RectControl* control : order_)
        if (control->HasFocus()) return control;
    return nullptr;
}

Image Window::Grab() const {
    return impl_->widget ? ImageOf(impl_->widget->client) : Image{};
}

bool Window::SaveScreenshot(const std::string& pngPath) const {
    if (!impl_->widget) return false;
    return impl_->widget->grab().save(ToQ(pngPath), "PNG");
}

void Window::PressReturn() {
    for (RectControl* control : order_) {
        auto* button = dynamic_cast<PushButton*>(control);
        if (button && Get(*button, "Default", false)) {
            button->Push();
            return;
        }
    }
}

void Window::Close() {
    if (impl_->widget && !impl_->closing) impl_->widget->hide();
    Closing(Deletion::AsSoonAsNoHandlerRuns);
}

// Qt code that delivered the close event still uses the widget.
void Window::ClosedByCloseBox() {
    Closing(Deletion::AfterThisEvent);
}

void Window::Closing(Deletion when) {
    if (impl_->closing) return;
    impl_->closing = true;
    lifeToken_.reset();
    WindowClosed(*this, when);  // may delete the window
}
