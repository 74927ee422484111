// Bitmaps drawn at a screen's origin, under its controls: found by their
// bare file name in a list of folders, and no error when none has them.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <string_view>

namespace cfhx::qt {

struct ScreenPicture {
    const char* screen;
    const char* file;
};

// The schematic drawing of the exchanger on the result summary screen.
inline constexpr ScreenPicture kScreenPictures[] = {
    {.screen = "FORM2", .file = "tbx2Jxyz.bmp"},
};

// The picture file of a screen; empty when it has none.
QString pictureFile(std::string_view screen);

// Where a picture is looked for, in this order: the working folder, the
// program's folder, the installed data folder, the source tree's data
// folder (a build run from its build folder).
QStringList pictureFolders();

// The picture from the first folder whose file reads as an image; a null
// image when there is none.
QImage loadPicture(const QString& file, const QStringList& folders);

}  // namespace cfhx::qt
