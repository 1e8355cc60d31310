#pragma once
// The texts a window shows on screen (title, labels, frame titles, buttons and check boxes, boxes,
// menu items), and those of them that say a translation is missing ("######") or empty ("naotem").

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace usina::test {

std::vector<QString> shownTexts(const QWidget& window);
std::vector<std::string> untranslatedTexts(const QWidget& window);

} // namespace usina::test
