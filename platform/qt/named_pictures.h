#pragma once
// Pictures the program paints rather than loads, by name: the owner of a picture registers how to
// paint it before the windows show, and a picture control names it. An unknown name paints nothing.

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace usina::qt {

// Paints the picture into `area`, keeping inside it.
using PicturePainter = std::function<void(QPainter& painter, const QRectF& area)>;

// A second registration of a name takes the place of the first.
void registerNamedPicture(const QString& name, PicturePainter painter);

void paintNamedPicture(QPainter& painter, const QRectF& area, const QString& name);

} // namespace usina::qt
