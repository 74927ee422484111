// The text pane of the main window as a model: a page of rows that starts
// at the last clear, a print cursor, and a bounded scrollback that keeps the
// earlier pages. Rows and columns of printAt count from 1 at the page's top
// left; columns are code-page-932 columns.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/trace_text.h"

namespace cfhx {

class Pane;

// Told of every change, held trace writes too; reading a line formats what
// is held, so an observer that reads only when it paints or shows the page
// keeps the traces cheap.
struct PaneObserver {
    virtual ~PaneObserver() = default;
    virtual void paneClearing(const Pane&) {}  // before the page is cleared
    virtual void paneChanged(const Pane&) {}   // after any change
};

class Pane {
public:
    static constexpr size_t kDefaultCapacity = 120000;

    explicit Pane(size_t capacity = kDefaultCapacity);

    // Starts a new, empty page; earlier lines stay in the scrollback.
    void clear();
    // Writes a line at the cursor row from column 1 and moves to the next row.
    void print(std::string_view text = {});
    // Writes at a row and column of the page; the cursor moves below that row.
    void printAt(int row, int col, std::string_view text);
    // A formatted line: the numeric fields of `format` filled with `values`.
    void printMasked(std::string_view format, std::initializer_list<double> values);
    void printMasked(std::string_view format, std::span<const double> values);
    // A trace write at a row and column of the page, as printAt: held as its
    // texts and values and formatted when the row is read. A later write
    // that covers it drops it unformatted, so a row rewritten on every pass
    // of a loop costs a store per pass.
    void traceAt(int row, int col, const TraceText& text, std::span<const double> values);
    void traceAt(int row, int col, const TraceText& text, std::initializer_list<double> values = {}) {
        traceAt(row, col, text, std::span<const double>(values.begin(), values.size()));
    }

    // Absolute line numbers: lines [firstLine(), endLine()) are held.
    uint64_t firstLine() const { return first_; }
    uint64_t endLine() const { return first_ + lines_.size(); }
    uint64_t pageTop() const { return pageTop_; }
    uint64_t cursorLine() const { return cursor_; }
    const std::string& line(uint64_t absolute) const;  // empty when not held

    // Rows of the current page, top to bottom.
    size_t pageRows() const;
    std::string pageText() const;  // page rows joined by '\n'
    // The message just printed: the row of the page last written with text
    // (a trace row further down, left by an earlier pass, does not count);
    // else the last row of the page that is not blank.
    std::string lastPageText() const;

    size_t capacity() const { return capacity_; }
    void setObserver(PaneObserver* observer) { observer_ = observer; }

private:
    static constexpr size_t kHeldValues = 6;   // more are formatted at once
    static constexpr size_t kHeldPerRow = 8;   // the oldest is formatted beyond

    struct Held {
        TraceText text;
        int col = 0;    // from 0
        int width = 0;  // columns of the rendered text
        uint8_t count = 0;
        std::array<double, kHeldValues> values{};
    };
    struct HeldRow {
        uint64_t line = 0;
        std::vector<Held> writes;  // in the order written
    };

    std::string& row(uint64_t absolute);  // grows the scrollback to reach it
    void trim();
    void changed();
    // Formats what is held: of one line before it is written directly, of
    // all before a read.
    void renderHeld(uint64_t absolute);
    void renderHeld() const;
    void apply(const Held& h, std::string& text) const;
    static const TraceShape& shapeOf(const TraceText& text);
    HeldRow& heldRow(uint64_t absolute);  // found or added

    mutable std::deque<std::string> lines_;
    mutable std::vector<HeldRow> held_;
    mutable std::vector<uint32_t> heldSlot_;  // per row of the page: 1 + its index in held_, 0 none
    uint64_t first_ = 0;    // absolute number of lines_[0]
    uint64_t pageTop_ = 0;  // first line of the current page
    uint64_t cursor_ = 0;   // line the next print() writes
    uint64_t written_ = 0;  // line last written with text
    bool anyWritten_ = false;
    void wrote(uint64_t absolute, std::string_view text);
    size_t capacity_;
    PaneObserver* observer_ = nullptr;
};

// Pane conventions: indented lines, runs of empty lines, headings framed
// above and below by "=" of their width (in columns).
void printIndented(Pane& pane, int indent, std::string_view text);
void printEmptyLines(Pane& pane, int count);
void printFramedHeading(Pane& pane, int indent, std::initializer_list<std::string_view> lines);

}  // namespace cfhx
