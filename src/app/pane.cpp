#include "app/pane.h"

#include "app/mask.h"
#include "app/text_width.h"

#include <algorithm>
#include <cstddef>

namespace cfhx {

Pane::Pane(size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

void Pane::clear() {
    if (observer_) observer_->paneClearing(*this);
    renderHeld();
    pageTop_ = endLine();
    cursor_ = pageTop_;
    changed();
}

std::string& Pane::row(uint64_t absolute) {
    while (endLine() <= absolute) lines_.emplace_back();
    return lines_[absolute - first_];
}

void Pane::trim() {
    if (lines_.size() <= capacity_) return;
    renderHeld();
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
    renderHeld(cursor_);
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
    renderHeld(target);
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

void Pane::traceAt(int row_, int col, const TraceText& text, std::span<const double> values) {
    if (values.size() > kHeldValues) {
        printAt(row_, col, text.render(values));
        return;
    }
    if (row_ < 1) row_ = 1;
    if (col < 1) col = 1;
    const uint64_t target = pageTop_ + static_cast<uint64_t>(row_ - 1);
    if (target >= endLine()) row(target);
    const TraceShape& shape = shapeOf(text);
    const int from = col - 1;
    const int width = shape.renderedColumns(text, values);
    if (!shape.blank || (text.fill == TraceText::Fill::Free && !values.empty())) {
        written_ = target;
        anyWritten_ = true;
    }
    std::vector<Held>& writes = heldRow(target).writes;
    // A held write whose columns this one covers is never seen: what it
    // left, and the blanks of a double-width character it cut, lie under
    // this one or are cut alike by it, whatever was written in between.
    std::erase_if(writes, [&](const Held& o) { return from <= o.col && o.col + o.width <= from + width; });
    if (writes.size() == kHeldPerRow) {
        apply(writes.front(), lines_[target - first_]);
        writes.erase(writes.begin());
    }
    Held& w = writes.emplace_back();
    w.text = text;
    w.col = from;
    w.width = width;
    w.count = static_cast<uint8_t>(values.size());
    std::copy(values.begin(), values.end(), w.values.begin());
    cursor_ = target + 1;
    trim();
    changed();
}

Pane::HeldRow& Pane::heldRow(uint64_t absolute) {
    const auto at = static_cast<size_t>(absolute - pageTop_);
    if (at < heldSlot_.size() && heldSlot_[at] != 0) return held_[heldSlot_[at] - 1];
    if (at >= heldSlot_.size()) heldSlot_.resize(at + 1, 0);
    held_.push_back({.line = absolute, .writes = {}});
    heldSlot_[at] = static_cast<uint32_t>(held_.size());
    return held_.back();
}

void Pane::apply(const Held& h, std::string& text) const {
    overwriteColumns(text, h.col, h.text.render(std::span<const double>(h.values.data(), h.count)));
}

void Pane::renderHeld(uint64_t absolute) {
    const auto at = static_cast<size_t>(absolute - pageTop_);
    if (absolute < pageTop_ || at >= heldSlot_.size() || heldSlot_[at] == 0) return;
    HeldRow& r = held_[heldSlot_[at] - 1];
    if (absolute >= first_ && absolute < endLine()) {
        for (const Held& h : r.writes) apply(h, lines_[absolute - first_]);
    }
    r.writes.clear();
}

void Pane::renderHeld() const {
    for (const HeldRow& r : held_) {
        if (r.line < first_ || r.line >= endLine()) continue;
        for (const Held& h : r.writes) apply(h, lines_[r.line - first_]);
    }
    held_.clear();
    heldSlot_.clear();
}

const TraceShape& Pane::shapeOf(const TraceText& text) {
    // Trace texts are static, so their shapes are shared by every pane of
    // the thread, found by where the text is stored.
    struct Slot {
        bool used = false;
        TraceText text;
        TraceShape shape;
    };
    constexpr unsigned kSlotBits = 8;
    thread_local std::array<Slot, size_t{1} << kSlotBits> slots{};
    const uint64_t key = reinterpret_cast<uintptr_t>(text.parts[0].data()) ^
                         (reinterpret_cast<uintptr_t>(text.parts[2].data()) << 1) ^ static_cast<uint64_t>(text.fill);
    Slot& slot = slots[(key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits)];
    if (!slot.used || !slot.text.sameAs(text)) slot = {.used = true, .text = text, .shape = TraceShape::of(text)};
    return slot.shape;
}

const std::string& Pane::line(uint64_t absolute) const {
    static const std::string empty;
    if (!held_.empty()) renderHeld();
    if (absolute < first_ || absolute >= endLine()) return empty;
    return lines_[absolute - first_];
}

size_t Pane::pageRows() const { return static_cast<size_t>(endLine() - pageTop_); }

std::string Pane::pageText() const {
    renderHeld();
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
