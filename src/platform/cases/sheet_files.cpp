#include "platform/cases/sheet_files.h"

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/printer_stream.h"

namespace cfhx {

SheetFiles writeSheetFiles(const SheetPages& pages, PrintRoute route, const std::string& dir, const std::string& stem,
                           PrintRenderer* renderer) {
    SheetFiles files;
    auto failed = [&files](const std::string& name, const std::string& why) {
        if (!files.failedFile.empty()) return;
        files.failedFile = name;
        files.error = why;
    };
    const std::filesystem::path folder(dir);
    const std::string prn = stem + ".prn";
    AtomicFile f((folder / prn).string());
    if (f.write(printerStream(pages)) && f.commit()) files.written.push_back(prn);
    else failed(prn, f.error());
    if (route != PrintRoute::Driver) return files;
    const std::string pdf = stem + ".pdf";
    std::string error;
    if (!renderer) {
        files.noRenderer = true;
    } else {
        AtomicFile f((folder / pdf).string());
        if (!f.ok()) failed(pdf, f.error());
        else if (!renderer->writeSheetPdf(pages, f.temporaryPath(), error)) failed(pdf, error);
        else if (f.commit()) files.written.push_back(pdf);
        else failed(pdf, f.error());
    }
    return files;
}

}  // namespace cfhx
