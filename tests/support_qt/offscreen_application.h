#pragma once
// The test program's Qt application on the offscreen platform, made on first use.

#include <QApplication>

namespace usina::test {

QApplication& offscreenApplication();

} // namespace usina::test
