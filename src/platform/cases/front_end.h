// What case handling needs from a front end: drawing a calculation sheet
// or a window the way the windows print them, and drawing a sweep's chart.
// The windows build has both; without it a headless run writes the raw
// printer stream and the CSV only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/platform.h"

namespace cfhx {

struct App;
struct SweepChart;

// Draws what the windows would print: the sheet as a PDF, a window as an
// image.
struct PrintRenderer {
    virtual ~PrintRenderer() = default;
    // Before start-up: mirror the program's screens.
    virtual void attach(App& app) = 0;
    // False, with the reason in `error`, when the file cannot be written.
    virtual bool writeSheetPdf(const SheetPages& pages, const std::string& path, std::string& error) = 0;
    virtual bool writeHardCopy(HardCopy window, const std::string& path, std::string& error) = 0;
};

// Makes a sheet renderer when one is needed (a front end starts its
// toolkit only then); empty without the windows.
using RendererFactory = std::function<std::unique_ptr<PrintRenderer>()>;

// Draws a sweep's chart to a PNG file.
struct SweepPlotter {
    virtual ~SweepPlotter() = default;
    // False, with the reason in `error`, when the file cannot be written.
    virtual bool writePng(const SweepChart& chart, const std::string& path, std::string& error) = 0;
};

}  // namespace cfhx
