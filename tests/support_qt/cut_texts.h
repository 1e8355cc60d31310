#pragma once
// The texts a window shows that do not fit where they are shown: a label whose wrapped lines run past
// its place, a caption wider than its button, check box or frame, a figure wider than its box, a
// gauge caption cut with an ellipsis. Hidden widgets do not count.

#include <QWidget>

#include <string>
#include <vector>

namespace usina::test {

// One line per cut text, naming its kind, the text and the room it lacks.
std::vector<std::string> cutTexts(const QWidget& window);

} // namespace usina::test
