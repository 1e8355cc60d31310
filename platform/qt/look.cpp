#include "platform/qt/look.h"

#include <QApplication>
#include <QWidget>

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace usina::qt {

namespace {

struct SystemColorRole {
    unsigned index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The old runtime's system colour indices (the low byte of 0x800000nn) and the palette roles that
// stand for them here.
constexpr std::array systemColorRoles{
    SystemColorRole{4, QPalette::Active, QPalette::Window},           // menu bar
    SystemColorRole{5, QPalette::Active, QPalette::Base},             // window background
    SystemColorRole{7, QPalette::Active, QPalette::WindowText},       // menu text
    SystemColorRole{8, QPalette::Active, QPalette::Text},             // window text
    SystemColorRole{13, QPalette::Active, QPalette::Highlight},       // highlight
    SystemColorRole{14, QPalette::Active, QPalette::HighlightedText}, // highlighted text
    SystemColorRole{15, QPalette::Active, QPalette::Button},          // button face
    SystemColorRole{16, QPalette::Active, QPalette::Dark},            // button shadow
    SystemColorRole{17, QPalette::Disabled, QPalette::Text},          // grey text
    SystemColorRole{18, QPalette::Active, QPalette::ButtonText},      // button text
    SystemColorRole{20, QPalette::Active, QPalette::Light},           // button highlight
    SystemColorRole{23, QPalette::Active, QPalette::ToolTipText},     // tool tip text
    SystemColorRole{24, QPalette::Active, QPalette::ToolTipBase},     // tool tip background
};

bool isFixedPitchFamily(const std::string& family) {
    std::string lower;
    for (unsigned char c : family) {
        lower += static_cast<char>(std::tolower(c));
    }
    for (const char* fixed : {"terminal", "courier", "fixedsys", "lucida console", "consolas"}) {
        if (lower.rfind(fixed, 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

QColor qtColor(forms::Color color) {
    if (!forms::isSystemColor(color)) {
        return {forms::redOf(color), forms::greenOf(color), forms::blueOf(color)};
    }
    const QPalette palette = QApplication::palette();
    const unsigned index = color & 0xFFu;
    for (const SystemColorRole& s : systemColorRoles) {
        if (s.index == index) {
            return palette.color(s.group, s.role);
        }
    }
    return palette.color(QPalette::Active, QPalette::Window);
}

QFont qtFont(const forms::Font& font) {
    const bool fixedPitch = isFixedPitchFamily(font.family);
    QFont qfont(fixedPitch ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    qfont.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    // Pixels as at 96 dpi, whatever the screen reports: the windows were laid out in pixels.
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * 96.0 / 72.0))));
    qfont.setBold(font.bold);
    return qfont;
}

Qt::Alignment horizontalAlignment(forms::Alignment alignment) {
    switch (alignment) {
    case forms::Alignment::Right:
        return Qt::AlignRight;
    case forms::Alignment::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

void paintWith(QWidget& widget, QPalette::ColorRole background, forms::Color back,
               QPalette::ColorRole foreground, forms::Color fore, bool fill) {
    QPalette palette = widget.palette();
    palette.setColor(background, qtColor(back));
    const QColor text = qtColor(fore);
    palette.setColor(QPalette::Active, foreground, text);
    palette.setColor(QPalette::Inactive, foreground, text);
    widget.setPalette(palette);
    // Buttons fill with the Button role of their own; the model's back colour is what fills.
    if (fill) {
        widget.setBackgroundRole(background);
    }
    widget.setAutoFillBackground(fill);
}

} // namespace usina::qt
