// A printed calculation sheet written into a folder: the raw printer
// stream and, through the print driver, the PDF the windows draw.
#pragma once

#include <string>
#include <vector>

#include "app/platform.h"
#include "platform/cases/script_player.h"

namespace cfhx {

struct SheetFiles {
    std::vector<std::string> written;  // file names, in the order written
    std::string failedFile;            // the first file that could not be written
    std::string error;                 // and why
    bool noRenderer = false;           // a PDF was due but nothing can draw it
};

// STEM.prn (code page 932, CR LF) and, for the print driver, STEM.pdf
// drawn by `renderer` (none without the windows).
SheetFiles writeSheetFiles(const SheetPages& pages, PrintRoute route, const std::string& dir, const std::string& stem,
                           PrintRenderer* renderer);

}  // namespace cfhx
