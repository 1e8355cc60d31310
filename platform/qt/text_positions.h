#pragma once
// The model keeps UTF-8 texts and counts characters; Qt keeps UTF-16 and counts code units. These
// convert both the texts and the positions inside them.

#include <QString>

#include <string>

namespace usina::qt {

QString toQString(const std::string& utf8);
std::string toUtf8(const QString& text);

// The UTF-16 offset of the character at `characterIndex` (the length for an index past the end).
int utf16Offset(const QString& text, int characterIndex);
// How many characters lie before the UTF-16 offset.
int characterIndex(const QString& text, int utf16Offset);

} // namespace usina::qt
