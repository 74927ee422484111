#include "platform/qt/look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <cmath>

namespace cfhx::qt {

namespace {
constexpr const char* kControlFamily = "IPAPGothic";
constexpr int kControlPixels = 13;
}  // namespace

int scaled(int units) { return static_cast<int>(std::lround(units * kScale)); }

QRect scaled(const Rect& r) {
    // Scale both edges so that adjacent controls stay adjacent.
    int left = scaled(r.x), top = scaled(r.y);
    return QRect(left, top, scaled(r.x + r.w) - left, scaled(r.y + r.h) - top);
}

QFont controlFont() {
    QFont font = QGuiApplication::font();
    if (QFontDatabase::families().contains(kControlFamily)) font.setFamily(kControlFamily);
    font.setPixelSize(kControlPixels);
    return font;
}

QFont paneFont(int pixelSize) {
    QFont font(kPaneFamily);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setKerning(false);
    return font;
}

}  // namespace cfhx::qt
