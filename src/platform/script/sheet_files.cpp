#include "platform/script/sheet_files.h"

#include <filesystem>
#include <fstream>

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
    std::ofstream f(folder / prn, std::ios::binary);
    f << printerStream(pages);
    f.close();
    if (f) files.written.push_back(prn);
    else failed(prn, "cannot write the file");
    if (route != PrintRoute::Driver) return files;
    const std::string pdf = stem + ".pdf";
    std::string error;
    if (!renderer) {
        files.noRenderer = true;
    } else if (renderer->writeSheetPdf(pages, (folder / pdf).string(), error)) {
        files.written.push_back(pdf);
    } else {
        failed(pdf, error);
    }
    return files;
}

}  // namespace cfhx
