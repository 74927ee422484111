// The schematic under the result summary screen's controls: where its file
// is looked for, and the window with and without it.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

#include "support/gui_support.h"
#include "platform/qt/look.h"
#include "platform/qt/pictures.h"

namespace cfhx::qt {
namespace {

using testing::TestSession;

enum class Content { None, Red, Blue, Broken };

void put(const QTemporaryDir& dir, const QString& file, Content content) {
    const QString path = dir.filePath(file);
    if (content == Content::Broken) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM not a bitmap");
        return;
    }
    if (content == Content::None) return;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(content == Content::Red ? QColor(200, 0, 0) : QColor(0, 0, 200));
    ASSERT_TRUE(image.save(path, "BMP"));
}

TEST(Pictures, FirstFolderWithAReadableFileWins) {
    struct Case {
        const char* name;
        Content first, second;
        bool found;
        QRgb colour;
    };
    const Case kCases[] = {
        {.name = "only the second folder", .first = Content::None, .second = Content::Blue, .found = true,
         .colour = qRgb(0, 0, 200)},
        {.name = "both: the first", .first = Content::Red, .second = Content::Blue, .found = true,
         .colour = qRgb(200, 0, 0)},
        {.name = "a broken file is passed over", .first = Content::Broken, .second = Content::Blue, .found = true,
         .colour = qRgb(0, 0, 200)},
        {.name = "neither", .first = Content::None, .second = Content::None, .found = false, .colour = 0},
    };
    const QString file = QStringLiteral("tbx2Jxyz.bmp");
    for (auto& c : kCases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir first, second;
        ASSERT_TRUE(first.isValid() && second.isValid());
        put(first, file, c.first);
        put(second, file, c.second);
        const QImage image = loadPicture(file, {first.path(), second.path()});
        ASSERT_EQ(!image.isNull(), c.found);
        if (c.found) {
            EXPECT_EQ(image.pixel(1, 1) & 0xffffff, c.colour & 0xffffff);
        }
    }
}

TEST(Pictures, SearchStartsInTheWorkingFolderThenBesideTheProgram) {
    const QStringList folders = pictureFolders();
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_EQ(folders[1], QCoreApplication::applicationDirPath());
    EXPECT_EQ(pictureFile("FORM2"), QStringLiteral("tbx2Jxyz.bmp"));
    EXPECT_TRUE(pictureFile("FORM5").isEmpty());
}

// The darkest grey level within `radius` pixels of p.
int darkestNear(const QImage& image, QPoint p, int radius) {
    int darkest = 255;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q)) darkest = std::min(darkest, qGray(image.pixel(q)));
        }
    }
    return darkest;
}

QPoint pixelAt(int x, int y) { return QPoint(scaled(x), scaled(y)); }

TEST(Pictures, SummaryScreenDrawsTheSchematicWhenFound) {
    // Layout points of the drawing: the middle of the shell-inlet arrow and
    // the left edge of the casing's front face.
    const int arrowX = 262, arrowY = 142;
    const int edgeX = 330, edgeY = 130;
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    struct Case {
        const char* name;
        QString folder;
        bool drawn;
    };
    const Case kCases[] = {
        {.name = "file in the data folder", .folder = QStringLiteral(CFHX_DATA_DIR), .drawn = true},
        {.name = "no file anywhere", .folder = empty.path(), .drawn = false},
    };
    for (auto& c : kCases) {
        SCOPED_TRACE(c.name);
        TestSession session;
        session->start();
        session->windows().setPictureFolders({c.folder});
        ScreenRef form2 = session->app()["FORM2"];
        form2["EDIT49"].setText("  300.0");
        form2["EDIT47"].setText("   20.0");
        form2["EDIT53"].setText("  180.5");
        form2["EDIT52"].setText("   61.2");
        form2.show();
        ScreenWindow* window = session->windows().window(session->screenId("FORM2"));
        ASSERT_TRUE(window->isVisible());
        EXPECT_EQ(!window->picture().isNull(), c.drawn);
        QCoreApplication::processEvents();
        const QImage shot = window->grab().toImage();
        const QRgb background = window->palette().color(QPalette::Window).rgb();
        const QRgb arrow = shot.pixel(pixelAt(arrowX, arrowY));
        if (c.drawn) {
            // Shell gas accent: a warm tint, clearly redder than blue.
            EXPECT_GT(qRed(arrow) - qBlue(arrow), 40) << std::hex << arrow;
            EXPECT_LT(darkestNear(shot, pixelAt(edgeX, edgeY), 2), 128);
            // Above the table of main results and within the screen.
            EXPECT_LE(window->picture().height(), form2["GROUP17"].def().y);
            EXPECT_LE(window->picture().width(), session->app().forms.at(session->screenId("FORM2")).def->width);
            shot.save(QStringLiteral(CFHX_BUILD_DIR "/form2_schematic.png"));
        } else {
            EXPECT_EQ(arrow & 0xffffff, background & 0xffffff);
            EXPECT_EQ(darkestNear(shot, pixelAt(edgeX, edgeY), 2), qGray(background));
        }

        form2.hide();
        EXPECT_TRUE(window->picture().isNull());
    }
}

}  // namespace
}  // namespace cfhx::qt
