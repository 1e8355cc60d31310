#pragma once
// The program's own pictures, painted rather than loaded: "logo" (the plant's emblem) and "plant"
// (an asphalt plant's outline). An unknown name paints nothing.

#include <QRectF>
#include <QString>

class QPainter;

namespace usina::qt {

void paintNamedPicture(QPainter& painter, const QRectF& area, const QString& name);

} // namespace usina::qt
