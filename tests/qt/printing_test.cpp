// Prints of a session through the print driver: the first print asks where
// to (the PDF file by default), later ones are added to the same file; hard
// copies go on a page of their own and beside the PDF as PNG.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt/printing.h"

namespace cfhx::qt {
namespace {

// Pages of a PDF by pdfinfo; -1 when it cannot tell.
int pdfPages(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(20000)) return -1;
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

const SheetPages kSheet = {
    {"\x1b" "E", "   << 直交流型熱交換器計算シート>>", "┏━┯━━┓", "┃1 │Q=  56736.2┃", "┗━┷━━┛", "", ""},
    {"     ■ 計算結果 ■", "        1. Qs/Qk=1.0003", "", "", "", ""},
};

TEST(Printing, FirstPrintAsksLaterPrintsAddToTheSamePdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP() << "pdfinfo not installed";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());

    SessionPrinter printer(nullptr, QStringLiteral("07/03/05"));
    int dialogs = 0;
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->accept();
        }
    });
    accept.start(20);

    struct Step {
        const char* name;
        bool image;
        int pages;  // in the PDF afterwards
    };
    const Step kSteps[] = {
        {.name = "first sheet: the dialog, then the default file", .image = false, .pages = 2},
        {.name = "second sheet: added without asking", .image = false, .pages = 4},
        {.name = "a hard copy: one page more", .image = true, .pages = 5},
    };
    const QString pdf = folder.filePath(QStringLiteral("cfhx-sheet-070305.pdf"));
    for (const Step& s : kSteps) {
        SCOPED_TRACE(s.name);
        QImage window(320, 200, QImage::Format_RGB32);
        window.fill(Qt::white);
        printer.print(s.image ? PrintJob{.sheet = {}, .image = window} : PrintJob{.sheet = kSheet, .image = {}});
        EXPECT_EQ(printer.pdfPath(), pdf);
        EXPECT_EQ(pdfPages(pdf), s.pages);
    }
    accept.stop();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(QImage(folder.filePath(QStringLiteral("cfhx-sheet-070305-hardcopy-1.png"))).size(), QSize(320, 200));
    QDir::setCurrent(before);
}

TEST(Printing, RawStreamAppendsBesideThePdf) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SessionPrinter printer(nullptr, QStringLiteral("07/03/05"));
    printer.usePdf(folder.filePath(QStringLiteral("case.pdf")));
    printer.printRaw(kSheet);
    printer.printRaw(kSheet);
    QFile prn(folder.filePath(QStringLiteral("case.prn")));
    ASSERT_TRUE(prn.open(QIODevice::ReadOnly));
    const QByteArray bytes = prn.readAll();
    EXPECT_TRUE(bytes.startsWith("\x1b" "E\r\n"));
    EXPECT_EQ(bytes.count("\x1b" "E\r\n"), 2) << "two sheets, one after the other";
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("case.pdf")))) << "the raw stream makes no PDF";
}

}  // namespace
}  // namespace cfhx::qt
