#include "platform/qt/form_window.h"

#include "platform/forms/form.h"
#include "platform/forms/window_system.h"
#include "platform/qt/control_adapter.h"
#include "platform/qt/control_adapters.h"
#include "platform/qt/focus_mark.h"
#include "platform/qt/key_forwarding.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_renderer.h"
#include "platform/qt/text_positions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace usina::qt {

namespace {

Qt::WindowFlags windowFlagsFor(forms::BorderStyle border) {
    switch (border) {
    case forms::BorderStyle::FixedDialog:
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case forms::BorderStyle::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    case forms::BorderStyle::Sizable:
        break;
    }
    return Qt::Window;
}

} // namespace

FormWindow::FormWindow(QtRenderer& renderer, forms::Form& form)
    : QWidget(nullptr, windowFlagsFor(form.borderStyle())), renderer_(renderer), form_(&form),
      client_(new QWidget(this)), menus_(*this, form, [this](forms::MenuItem* item) {
          if (form_ != nullptr) {
              form_->windowSystem().clickMenu(*item);
          }
      }) {
    setWindowTitle(toQString(form.caption()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (menus_.bar() != nullptr) {
        layout->setMenuBar(menus_.bar());
        menus_.bar()->installEventFilter(this);
    }
    layout->addWidget(client_);
    if (form.borderStyle() == forms::BorderStyle::Sizable) {
        client_->setMinimumSize(form.clientWidth(), form.clientHeight());
    } else {
        client_->setFixedSize(form.clientWidth(), form.clientHeight());
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, qtColor(form.backColor()));
    client_->setPalette(palette);
    client_->setAutoFillBackground(true);

    for (forms::Control* control : form.controls()) {
        if (ControlAdapter* adapter = makeAdapter(*this, *control)) {
            adapters_.push_back(adapter);
            byControl_[control] = adapter;
        }
    }
    // Containers first exist, then their contents move in.
    for (ControlAdapter* adapter : adapters_) {
        adapter->applyAll();
    }
    focusMark_ = new FocusMark;
    focusMark_->setParent(client_);
    building_ = false;
    restack();
}

FormWindow::~FormWindow() = default;

ControlAdapter* FormWindow::adapterOf(const forms::Control& control) const {
    auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second;
}

void FormWindow::place(ControlAdapter& adapter) {
    const forms::Control& control = *adapter.control();
    QWidget* parent = client_;
    if (control.container() != nullptr) {
        if (ControlAdapter* container = adapterOf(*control.container())) {
            parent = container->childArea();
        }
    }
    QWidget* widget = adapter.widget();
    if (widget->parentWidget() != parent) {
        widget->setParent(parent);
        widget->setVisible(control.visible());
        if (!building_) {
            restack();
        }
    }
    widget->setGeometry(adapter.widgetRect());
    if (focusMark_ != nullptr && focusMark_->target() == widget) {
        refreshFocusMark();
    }
}

// Labels, shapes and images lie on their container's surface, below every windowed control; within
// each layer, later controls lie above earlier ones. The focus mark lies above them all.
void FormWindow::restack() {
    for (const bool graphical : {true, false}) {
        for (ControlAdapter* adapter : adapters_) {
            if (adapter->isGraphical() == graphical && adapter->widget() != nullptr) {
                adapter->widget()->raise();
            }
        }
    }
    refreshFocusMark();
}

void FormWindow::markFocus(const ControlAdapter* adapter) {
    if (focusMark_ != nullptr) {
        focusMark_->follow(adapter != nullptr ? adapter->widget() : nullptr);
    }
}

void FormWindow::refreshFocusMark() {
    if (focusMark_ != nullptr && !building_) {
        focusMark_->refresh();
    }
}

QImage FormWindow::grabImage(bool withFocusMark) {
    // A window never shown has not been laid out yet.
    if (layout() != nullptr) {
        layout()->activate();
    }
    const bool markShown = focusMark_ != nullptr && focusMark_->isVisible();
    if (markShown && !withFocusMark) {
        focusMark_->hide();
    }
    QImage image = grab().toImage();
    if (markShown && !withFocusMark) {
        focusMark_->show();
    }
    return image;
}

void FormWindow::showAsModel() {
    showModality();
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            layout()->activate();
            const QRect available = screen->availableGeometry();
            move(available.center() - QPoint(width() / 2, height() / 2));
        }
    }
    show();
}

void FormWindow::hideAsModel() {
    hide();
    setWindowModality(Qt::NonModal);
}

void FormWindow::activateAsModel() {
    if (!isVisible()) {
        return;
    }
    raise();
    activateWindow();
}

void FormWindow::showModality() {
    const Qt::WindowModality wanted =
        form_ != nullptr && form_->isModal() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() == wanted) {
        return;
    }
    // Qt changes the modality of hidden windows only.
    const bool wasVisible = isVisible();
    if (wasVisible) {
        hide();
    }
    setWindowModality(wanted);
    if (wanted == Qt::ApplicationModal) {
        const QWidget* owner = QApplication::activeWindow();
        if (owner != nullptr && owner != this && owner->windowHandle() != nullptr) {
            winId();
            windowHandle()->setTransientParent(owner->windowHandle());
        }
    }
    if (wasVisible) {
        show();
    }
}

void FormWindow::detach() {
    form_ = nullptr;
    for (ControlAdapter* adapter : adapters_) {
        adapter->detach();
    }
    byControl_.clear();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menus_.bar() && form_ != nullptr && !form_->windowSystem().acceptsInput(*form_)) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Shortcut:
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
    if (form_ != nullptr) {
        if (event->type() == QEvent::WindowActivate) {
            renderer_.windowActivated(*this);
        } else if (forwardKeyEvent(form_->windowSystem(), *form_, *event)) {
            return true;
        }
    }
    return QWidget::event(event);
}

// The title bar's close button and Alt+F4: the model unloads the form, or its unload refuses.
void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (form_ != nullptr) {
        form_->windowSystem().closeByPerson(*form_);
    }
}

} // namespace usina::qt
