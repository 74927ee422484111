// What the program needs from the machine it runs on. The Qt front end and
// the headless script driver each implement it; the waits run a nested
// event loop (or go on reading the script) so the screens stay live.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

// A printed calculation sheet: its pages, each a list of text lines in
// code-page-932 columns. The first line of a sheet is the printer reset
// (escape, "E").
using SheetPages = std::vector<std::vector<std::string>>;

// Where a sheet goes: through the system print driver (a printer or a PDF
// file), or as the raw byte stream of a line printer.
enum class PrintRoute { Driver, RawStream };

// The windows a hard copy can be taken of.
enum class HardCopy { PaneWindow, SummaryScreen };

struct Platform {
    virtual ~Platform() = default;
    // Waits for a line typed into the pane's answer line.
    virtual std::string readLine() = 0;
    // Shows that the program is stopped and waits until the user continues.
    virtual void pause() = 0;
    // A Yes/No question box; true for Yes.
    virtual bool askYesNo(std::string_view caption, std::string_view text) = 0;
    // Today as "YY/MM/DD".
    virtual std::string today() = 0;
    // Prints a calculation sheet.
    virtual void printSheet(const SheetPages& pages, PrintRoute route) = 0;
    // Prints an image of a window as it is now.
    virtual void hardCopy(HardCopy window) = 0;
};

// Today's date from the system clock, "YY/MM/DD".
std::string systemDate();
// A date as the program shows it: "YY/MM/DD", a real day (a leap day in a
// year divisible by four).
bool isDate(std::string_view text);

}  // namespace cfhx
