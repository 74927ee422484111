#include "platform/qt/printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "app/case_document.h"
#include "app/text_width.h"
#include "platform/atomic_file.h"
#include "platform/printer_stream.h"
#include "platform/qt/look.h"

namespace cfhx::qt {
namespace {

constexpr double kMarginMm = 15.0;
constexpr int kSheetColumns = 80;
constexpr int kMinRows = 66;  // a line printer's page at six lines per inch

QPageLayout a4Layout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

// Lines of a page without the printer reset and without the blank run at
// its end (a line printer's way to reach the next sheet of paper).
std::vector<std::string> printedLines(const std::vector<std::string>& page) {
    std::vector<std::string> lines;
    for (const std::string& l : page) {
        if (!l.empty() && l.front() == '\x1b') continue;
        lines.push_back(l);
    }
    while (!lines.empty() && lines.back().find_first_not_of(' ') == std::string::npos) lines.pop_back();
    return lines;
}

// One sheet page: every character at its code-page-932 column, one em per
// row so that the box strokes join.
void paintSheetPage(QPainter& painter, const QRect& area, const std::vector<std::string>& lines, double em) {
    QFont font = paneFont(10);
    font.setPixelSize(std::max(1, static_cast<int>(std::floor(em))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double cell = em / 2.0;
    const double ascent = QFontMetricsF(font).ascent();
    for (size_t row = 0; row < lines.size(); ++row) {
        const std::string& text = lines[row];
        const double y = area.top() + row * em + ascent;
        int col = 0;
        for (size_t i = 0; i < text.size();) {
            const char32_t cp = decodeUtf8(text, i);
            const double x = area.left() + col * cell;
            col += charColumns(cp);
            if (cp <= 0x20 || cp == 0x7F || cp == 0x3000) continue;
            painter.drawText(QPointF(x, y), QString::fromUcs4(&cp, 1));
        }
    }
}

void paintImage(QPainter& painter, const QRect& area, const QImage& image) {
    if (image.isNull()) return;
    QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(area.topLeft(), size), image);
}

}  // namespace

bool paintJobs(QPagedPaintDevice& device, const std::vector<PrintJob>& jobs) {
    device.setPageLayout(a4Layout());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect area = painter.viewport();
    bool first = true;
    for (const PrintJob& job : jobs) {
        auto nextPage = [&] {
            if (!first) device.newPage();
            first = false;
        };
        if (!job.image.isNull()) {
            nextPage();
            paintImage(painter, area, job.image);
            continue;
        }
        std::vector<std::vector<std::string>> pages;
        size_t rows = kMinRows;
        for (const auto& p : job.sheet) {
            pages.push_back(printedLines(p));
            rows = std::max(rows, pages.back().size());
        }
        // The same type size on every page of a sheet: 80 columns across, the
        // longest page down.
        const double em = std::min(2.0 * area.width() / kSheetColumns, double(area.height()) / rows);
        for (const auto& lines : pages) {
            nextPage();
            paintSheetPage(painter, area, lines, em);
        }
    }
    return painter.end();
}

bool writePdf(const QString& path, const std::vector<PrintJob>& jobs, QString* error) {
    // Drawn into a temporary beside the file, which replaces it when whole.
    AtomicFile file(path.toStdString());
    bool painted = false;
    if (file.ok()) {
        QPdfWriter pdf(QString::fromStdString(file.temporaryPath()));
        pdf.setCreator("cfhx");
        pdf.setTitle("cfhx calculation sheet");
        pdf.setResolution(300);
        painted = paintJobs(pdf, jobs);
    }  // the writer closes its file here
    if (painted && file.commit()) return true;
    if (error) *error = "cannot write the PDF file" + (file.error().empty() ? QString() : ": " + QString::fromStdString(file.error()));
    return false;
}

bool saveImage(const QImage& image, const QString& path, QString* error) {
    AtomicFile file(path.toStdString());
    if (file.ok() && image.save(QString::fromStdString(file.temporaryPath()), "PNG") && file.commit()) return true;
    if (error) *error = "cannot write the image" + (file.error().empty() ? QString() : ": " + QString::fromStdString(file.error()));
    return false;
}

SessionPrinter::SessionPrinter(QWidget* parent, QString date) : parent_(parent), date_(std::move(date)) {
    date_.remove('/');
}

bool SessionPrinter::choosePrinter(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(defaultPdf());
    printer.setPageLayout(a4Layout());
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QCoreApplication::translate("cfhx", "印刷"));
    return dialog.exec() == QDialog::Accepted;
}

// A name no file of the working folder has: neither the PDF nor the files
// kept beside it.
QString SessionPrinter::defaultPdf() {
    if (defaultPdf_.isEmpty()) {
        const QDir here = QDir::current();
        const std::string stem = freshName(("cfhx-sheet-" + date_).toStdString(), [&](const std::string& name) {
            const QString n = QString::fromStdString(name);
            return here.exists(n + ".pdf") || here.exists(n + ".prn") || here.exists(n + "-hardcopy-1.png");
        });
        defaultPdf_ = here.absoluteFilePath(QString::fromStdString(stem) + ".pdf");
    }
    return defaultPdf_;
}

QString SessionPrinter::besidePdf(const QString& suffix) {
    const QFileInfo info(pdfPath_.isEmpty() ? defaultPdf() : pdfPath_);
    return info.dir().absoluteFilePath(info.completeBaseName() + suffix);
}

QString SessionPrinter::nextHardCopy() {
    QString png;
    do {
        png = besidePdf(QString("-hardcopy-%1.png").arg(++hardCopies_));
    } while (QFileInfo::exists(png));
    return png;
}

void SessionPrinter::report(const QString& text) {
    QMessageBox::warning(parent_, "cfhx", text);
}

std::optional<QString> SessionPrinter::print(PrintJob job) {
    QStringList where;
    if (!job.image.isNull()) {
        const QString png = nextHardCopy();
        if (saveImage(job.image, png, nullptr)) {
            where << png;
        } else {
            report(QCoreApplication::translate("cfhx", "画像を保存できません: ") + png);
        }
    }
    if (pdfPath_.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        if (!choosePrinter(printer)) return where.isEmpty() ? std::nullopt : std::optional(where.join(", "));
        if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
            // A real printer: this job only, and the dialog again next time.
            if (!paintJobs(printer, {job})) {
                report(QCoreApplication::translate("cfhx", "印刷できません: ") + printer.printerName());
                return std::nullopt;
            }
            where << QCoreApplication::translate("cfhx", "プリンタ ") + printer.printerName();
            return where.join(", ");
        }
        pdfPath_ = printer.outputFileName();
    }
    printed_.push_back(std::move(job));
    QString error;
    if (!writePdf(pdfPath_, printed_, &error)) {
        printed_.pop_back();
        report(error + ": " + pdfPath_);
        return where.isEmpty() ? std::nullopt : std::optional(where.join(", "));
    }
    where << pdfPath_;
    return where.join(", ");
}

std::optional<QString> SessionPrinter::printRaw(const SheetPages& pages) {
    if (rawPath_.isEmpty()) {
        const QFileInfo base(besidePdf(".prn"));
        const std::string stem = freshName(base.completeBaseName().toStdString(), [&](const std::string& name) {
            return base.dir().exists(QString::fromStdString(name) + ".prn");
        });
        rawPath_ = base.dir().absoluteFilePath(QString::fromStdString(stem) + ".prn");
    }
    // Each sheet of the session adds to the file: the old bytes and the
    // new go to the replacement together.
    std::string bytes;
    if (QFile old(rawPath_); old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            report(QCoreApplication::translate("cfhx", "プリンタ出力を保存できません: ") + rawPath_);
            return std::nullopt;
        }
        const QByteArray before = old.readAll();
        bytes.assign(before.constData(), static_cast<size_t>(before.size()));
    }
    bytes += printerStream(pages);
    std::string error;
    if (!writeFileAtomically(rawPath_.toStdString(), bytes, error)) {
        report(QCoreApplication::translate("cfhx", "プリンタ出力を保存できません: ") + rawPath_);
        return std::nullopt;
    }
    return rawPath_;
}

}  // namespace cfhx::qt
