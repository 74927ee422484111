// Printing through the system print driver: calculation sheets laid out in
// the pane's fixed-pitch font at code-page-932 columns, and window images,
// one page each, on A4.
#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

#include "app/platform.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace cfhx::qt {

// One print: a sheet's pages or one image.
struct PrintJob {
    SheetPages sheet;
    QImage image;
};

// Draws the jobs onto the device, each sheet page and each image on a page
// of its own. False when the device cannot be painted on.
bool paintJobs(QPagedPaintDevice& device, const std::vector<PrintJob>& jobs);

// The jobs as a PDF file (A4); false with the reason in `error`.
bool writePdf(const QString& path, const std::vector<PrintJob>& jobs, QString* error);
// An image as a PNG file; false with the reason in `error`. Both replace
// the file only when the new one is complete.
bool saveImage(const QImage& image, const QString& path, QString* error);

// The prints of one program session. The first print asks where to in the
// print dialog (a printer, or a PDF file named cfhx-sheet-YYMMDD.pdf in the
// working folder unless changed); once a PDF file is chosen, each later
// print is added to it (the file is written again with every page printed
// so far). Hard copies are also saved as PNG files beside the PDF. The
// offered names are new to the folder (cfhx-sheet-YYMMDD-2.pdf when an
// earlier session left cfhx-sheet-YYMMDD.pdf), and no PNG or printer-stream
// file of an earlier session is written over.
class SessionPrinter {
public:
    // `parent` owns the dialogs; `date` is "YY/MM/DD".
    SessionPrinter(QWidget* parent, QString date);

    // Prints to this PDF file without asking (tests, scripted sessions).
    void usePdf(const QString& path) { pdfPath_ = path; }
    const QString& pdfPath() const { return pdfPath_; }

    // Where the job went (files or the printer); nothing when the dialog
    // was cancelled or the job failed (then a box has said why).
    std::optional<QString> print(PrintJob job);
    // The raw printer stream, appended to one .prn file of this session
    // beside the PDF (working folder when none).
    std::optional<QString> printRaw(const SheetPages& pages);

private:
    bool choosePrinter(QPrinter& printer);
    QString besidePdf(const QString& suffix);
    QString defaultPdf();
    QString nextHardCopy();
    void report(const QString& text);

    QWidget* parent_;
    QString date_;  // "YYMMDD"
    QString pdfPath_;
    QString defaultPdf_;  // the offered PDF, chosen once per session
    QString rawPath_;     // the printer stream of this session
    std::vector<PrintJob> printed_;  // everything in the PDF so far
    int hardCopies_ = 0;
};

}  // namespace cfhx::qt
