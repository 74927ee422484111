#include "app/pane.h"

#include "app/mask.h"
#include "app/text_width.h"

#include <algorithm>

namespace cfhx {

Pane::Pane(size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

void Pane::clear() {
    if (observer_) observer_->paneClearing(*this);
    pageTop_ = endLine();
    cursor_ = pageTop_;
    changed();
}

std::string& Pane::row(uint64_t absolute) {
    while (endLine() <= absolute) lines_.emplace_back();
    return lines_[absolute - first_];
}

void Pane::trim() {
    while (lines_.size() > capacity_) {
        lines_.pop_front();
        ++first_;
    }
    if (pageTop_ < first_) pageTop_ = first_;
    if (cursor_ < first_) cursor_ = first_;
}

void Pane::changed() {
    if (observer_) observer_->paneChanged(*this);
}

void Pane::wrote(uint64_t absolute, std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos) return;
    written_ = absolute;
    anyWritten_ = true;
}

void Pane::print(std::string_view text) {
    wrote(cursor_, text);
    std::string& r = row(cursor_);
    if (r.empty()) {
        r.assign(text);
    } else {
        overwriteColumns(r, 0, text);
    }
    ++cursor_;
    trim();
    changed();
}

void Pane::printAt(int row_, int col, std::string_view text) {
    if (row_ < 1) row_ = 1;
    if (col < 1) col = 1;
    uint64_t target = pageTop_ + static_cast<uint64_t>(row_ - 1);
    wrote(target, text);
    overwriteColumns(row(target), col - 1, text);
    cursor_ = target + 1;
    trim();
    changed();
}

void Pane::printMasked(std::string_view format, std::initializer_list<double> values) {
    print(formatMasked(format, values));
}

void Pane::printMasked(std::string_view format, std::span<const double> values) {
    print(formatMasked(format, values));
}

const std::string& Pane::line(uint64_t absolute) const {
    static const std::string empty;
    if (absolute < first_ || absolute >= endLine()) return empty;
    return lines_[absolute - first_];
}

size_t Pane::pageRows() const { return static_cast<size_t>(endLine() - pageTop_); }

std::string Pane::pageText() const {
    std::string out;
    for (uint64_t l = pageTop_; l < endLine(); ++l) {
        if (l > pageTop_) out += '\n';
        out += line(l);
    }
    return out;
}

std::string Pane::lastPageText() const {
    if (anyWritten_ && written_ >= pageTop_ && written_ < endLine()) return line(written_);
    for (uint64_t l = endLine(); l > pageTop_; --l) {
        if (line(l - 1).find_first_not_of(' ') != std::string::npos) return line(l - 1);
    }
    return {};
}

void printIndented(Pane& pane, int indent, std::string_view text) {
    std::string line(static_cast<size_t>(indent > 0 ? indent : 0), ' ');
    line += text;
    pane.print(line);
}

void printEmptyLines(Pane& pane, int count) {
    for (int i = 0; i < count; ++i) pane.print();
}

void printFramedHeading(Pane& pane, int indent, std::initializer_list<std::string_view> lines) {
    int width = 0;
    for (std::string_view l : lines) width = std::max(width, textColumns(l));
    const std::string rule(static_cast<size_t>(width), '=');
    printIndented(pane, indent, rule);
    for (std::string_view l : lines) printIndented(pane, indent, l);
    printIndented(pane, indent, rule);
}

}  // namespace cfhx
