#include "platform/qt/text_positions.h"

#include <algorithm>

namespace usina::qt {

QString toQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string toUtf8(const QString& text) {
    return text.toStdString();
}

int utf16Offset(const QString& text, int characterIndex) {
    int offset = 0;
    for (int i = 0; i < characterIndex && offset < text.size(); ++i) {
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    }
    return offset;
}

int characterIndex(const QString& text, int utf16Offset) {
    const int end = std::clamp(utf16Offset, 0, static_cast<int>(text.size()));
    int characters = 0;
    for (int offset = 0; offset < end; ++characters) {
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    }
    return characters;
}

} // namespace usina::qt
