// A line of an iteration trace as the pane holds it until someone reads the
// row: up to three static texts, joined, and how values fill them. A pass
// that rewrites its trace rows stores the values; the text is formatted
// once, when the row is read.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/mask.h"

namespace cfhx {

struct TraceText {
    enum class Fill : uint8_t {
        None,  // the text as it stands
        Mask,  // "#" fields, as formatMasked fills them
        Free,  // "{}" places and free numbers, as formatFree fills them
    };
    Fill fill = Fill::None;
    // Texts of static storage (the text tables): the pane keeps the views.
    std::array<std::string_view, 3> parts{};

    static TraceText text(std::string_view t) { return {.fill = Fill::None, .parts = {t}}; }
    static TraceText mask(std::string_view format) { return {.fill = Fill::Mask, .parts = {format}}; }
    static TraceText free(std::string_view a, std::string_view b = {}, std::string_view c = {}) {
        return {.fill = Fill::Free, .parts = {a, b, c}};
    }

    // The same texts, by where they are stored.
    bool sameAs(const TraceText& o) const;
    std::string render(std::span<const double> values) const;
};

// What the width of a rendered trace text depends on, measured once per text.
struct TraceShape {
    static constexpr size_t kFields = 8;
    int columns = 0;     // of the joined texts
    int places = 0;      // "{}" places of a free text
    bool blank = true;   // the texts hold blanks only
    size_t fieldCount = 0;
    std::array<MaskField, kFields> fields{};  // the first fields of a mask
    std::array<double, kFields> fitsPositive{}, fitsNegative{};  // surelyFitsBelow of each

    static TraceShape of(const TraceText& text);
    // Columns of text.render(values), worked out without rendering it where
    // the values surely fit their fields.
    int renderedColumns(const TraceText& text, std::span<const double> values) const;
};

}  // namespace cfhx
