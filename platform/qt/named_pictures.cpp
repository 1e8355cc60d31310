#include "platform/qt/named_pictures.h"

#include <QPainter>

#include <map>

namespace usina::qt {

namespace {

// Filled at the start, before any window shows, and read on the user-interface thread only.
std::map<QString, PicturePainter>& painters() {
    static std::map<QString, PicturePainter> registered;
    return registered;
}

} // namespace

void registerNamedPicture(const QString& name, PicturePainter painter) {
    painters()[name] = std::move(painter);
}

void paintNamedPicture(QPainter& painter, const QRectF& area, const QString& name) {
    const auto found = painters().find(name);
    if (area.isEmpty() || found == painters().end()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter, area);
    painter.restore();
}

} // namespace usina::qt
