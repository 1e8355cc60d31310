#pragma once
// How the model's colours and fonts look on screen: 0x00BBGGRR colours (system colours from the
// palette) and the old fonts mapped to the DejaVu families at the size they had at 96 dpi.

#include "platform/forms/color.h"
#include "platform/forms/control.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace usina::qt {

QColor qtColor(forms::Color color);
QFont qtFont(const forms::Font& font);
Qt::Alignment horizontalAlignment(forms::Alignment alignment);

// Sets the two palette roles a widget paints its background and its text with; the background is
// filled only when `fill` is set (otherwise what lies below shows through).
void paintWith(QWidget& widget, QPalette::ColorRole background, forms::Color back,
               QPalette::ColorRole foreground, forms::Color fore, bool fill);

} // namespace usina::qt
