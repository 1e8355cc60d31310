#include "platform/qt/qt_backend.h"

#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/forms/window_system.h"
#include "platform/qt/grab_form.h"
#include "platform/qt/message_box_style.h"
#include "platform/qt/text_positions.h"
#include "platform/value/run_time_error.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace usina::qt {

namespace {

constexpr int printerErrorNumber = 482;

RunTimeError printerError() {
    return RunTimeError(printerErrorNumber, "Erro de impressora");
}

// The window at the size it has on a 96 dpi screen, shrunk to the page when it is wider.
QRectF printedRect(const QImage& image, const QPrinter& printer) {
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QSizeF size = QSizeF(image.size()) * (printer.resolution() / 96.0);
    if (size.width() > page.width() || size.height() > page.height()) {
        size.scale(page.size(), Qt::KeepAspectRatio);
    }
    return {QPointF(0, 0), size};
}

} // namespace

QtBackend::~QtBackend() {
    if (waitCursor_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtBackend::timerChanged(forms::Timer& timer) {
    if (!timer.running()) {
        if (auto it = timers_.find(&timer); it != timers_.end()) {
            it->second->stop();
        }
        return;
    }
    QTimer*& qtimer = timers_[&timer];
    if (qtimer == nullptr) {
        qtimer = new QTimer(&timerOwner_);
        qtimer->setTimerType(Qt::PreciseTimer);
        forms::Timer* model = &timer;
        QObject::connect(qtimer, &QTimer::timeout, &timerOwner_,
                         [model] { model->windowSystem().timerTick(*model); });
    }
    // Starting a running QTimer restarts its count, as setting the interval does in the model.
    qtimer->start(timer.interval());
}

void QtBackend::timerDestroyed(forms::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) {
        return;
    }
    QTimer* qtimer = it->second;
    timers_.erase(it);
    qtimer->stop();
    qtimer->disconnect();
    qtimer->deleteLater();
}

void QtBackend::processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtBackend::runNestedLoop(const std::function<bool()>& done) {
    while (!quit_ && !done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

int QtBackend::messageBox(const forms::MessageBoxRequest& request) {
    if (quit_) {
        return messageBoxResult(QMessageBox::NoButton, request.style);
    }
    const QString title =
        request.title.empty() ? QGuiApplication::applicationDisplayName() : toQString(request.title);
    QMessageBox box(messageBoxIcon(request.style), title, toQString(request.prompt),
                    messageBoxButtons(request.style));
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(messageBoxDefaultButton(request.style));
    box.exec();
    return messageBoxResult(box.standardButton(box.clickedButton()), request.style);
}

void QtBackend::beep() {
    QApplication::beep();
}

int QtBackend::screenWidthPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().width() : 0;
}

void QtBackend::setMousePointer(forms::MousePointer pointer) {
    const bool wait = pointer == forms::MousePointer::Hourglass;
    if (wait == waitCursor_) {
        return;
    }
    waitCursor_ = wait;
    if (wait) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

void QtBackend::printFormImage(forms::Form& form) {
    const QImage image = grabForm(form, false);
    const std::unique_ptr<QPrinter> printer = imagePrinter();
    if (printer == nullptr || image.isNull()) {
        throw printerError();
    }
    printer->setDocName(toQString(form.caption()));
    QPainter painter;
    if (!painter.begin(printer.get())) {
        throw printerError();
    }
    painter.drawImage(printedRect(image, *printer), image);
    if (!painter.end()) {
        throw printerError();
    }
}

std::unique_ptr<QPrinter> QtBackend::imagePrinter() const {
    if (!pdfFile_.empty()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(pdfFile_.string()));
        return printer;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void QtBackend::quit() {
    quit_ = true;
    // Leaves every running loop; the nested ones also see quit_ (and the model's end) at once.
    QCoreApplication::exit(0);
    // A main loop that has not started yet leaves as soon as it starts.
    QTimer::singleShot(0, &timerOwner_, [] { QCoreApplication::exit(0); });
}

} // namespace usina::qt
