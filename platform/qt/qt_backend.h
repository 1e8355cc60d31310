#pragma once
// The window model's world on a real screen: model timers on QTimers, nested waits on Qt's event
// loop, message boxes, beep, screen width, the hourglass and window-image printing.

#include "platform/forms/backend.h"

#include <QObject>

#include <filesystem>
#include <map>
#include <memory>

class QPrinter;
class QTimer;

namespace usina::qt {

class QtBackend : public forms::Backend {
public:
    QtBackend() = default;
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void timerChanged(forms::Timer& timer) override;
    void timerDestroyed(forms::Timer& timer) override;
    void processPendingEvents() override;
    void runNestedLoop(const std::function<bool()>& done) override;
    int messageBox(const forms::MessageBoxRequest& request) override;
    void beep() override;
    int screenWidthPixels() const override;
    void setMousePointer(forms::MousePointer pointer) override;
    // Throws RunTimeError 482 "Erro de impressora" when there is no default printer or it cannot print.
    void printFormImage(forms::Form& form) override;
    // From now on window images are printed into this PDF file in place of the default printer: the
    // same printing path, on a machine without a printer.
    void printIntoPdf(std::filesystem::path file) { pdfFile_ = std::move(file); }
    void quit() override;

    bool quitRequested() const { return quit_; }

private:
    // The default printer, or the PDF file; nullptr when there is no default printer.
    std::unique_ptr<QPrinter> imagePrinter() const;

    // Owns the QTimers; a timer stopped from inside its own tick is deleted later, never under it.
    QObject timerOwner_;
    std::map<const forms::Timer*, QTimer*> timers_;
    bool quit_ = false;
    bool waitCursor_ = false;
    std::filesystem::path pdfFile_;
};

} // namespace usina::qt
