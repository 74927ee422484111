#include "platform/qt/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace cfhx::qt {

QString pictureFile(std::string_view screen) {
    for (const ScreenPicture& p : kScreenPictures) {
        if (screen == p.screen) return QString::fromLatin1(p.file);
    }
    return {};
}

QStringList pictureFolders() {
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath()};
#ifdef CFHX_DATA_FROM_PROGRAM
    folders << QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(CFHX_DATA_FROM_PROGRAM)));
#endif
#ifdef CFHX_INSTALLED_DATA_DIR
    folders << QStringLiteral(CFHX_INSTALLED_DATA_DIR);
#endif
#ifdef CFHX_SOURCE_DATA_DIR
    folders << QStringLiteral(CFHX_SOURCE_DATA_DIR);
#endif
    return folders;
}

QImage loadPicture(const QString& file, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path)) continue;
        QImage image(path);
        if (!image.isNull()) return image;
    }
    return {};
}

}  // namespace cfhx::qt
