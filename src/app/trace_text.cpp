#include "app/trace_text.h"

#include <algorithm>

#include "app/text_width.h"

namespace cfhx {
namespace {

constexpr std::string_view kFreePlace = "{}";

int placesIn(std::string_view text) {
    int n = 0;
    for (size_t at = text.find(kFreePlace); at != std::string_view::npos; at = text.find(kFreePlace, at + kFreePlace.size())) {
        ++n;
    }
    return n;
}

// The parts as one text; a single part is used as it stands.
std::string_view joined(const TraceText& t, std::string& buffer) {
    if (t.parts[1].empty() && t.parts[2].empty()) return t.parts[0];
    buffer.clear();
    for (std::string_view p : t.parts) buffer += p;
    return buffer;
}

}  // namespace

bool TraceText::sameAs(const TraceText& o) const {
    if (fill != o.fill) return false;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (parts[k].data() != o.parts[k].data() || parts[k].size() != o.parts[k].size()) return false;
    }
    return true;
}

std::string TraceText::render(std::span<const double> values) const {
    std::string buffer;
    const std::string_view t = joined(*this, buffer);
    switch (fill) {
        case Fill::Mask: return formatMasked(t, values);
        case Fill::Free: return formatFree(t, values);
        case Fill::None: break;
    }
    return std::string(t);
}

TraceShape TraceShape::of(const TraceText& text) {
    std::string buffer;
    const std::string_view t = joined(text, buffer);
    TraceShape s;
    s.columns = textColumns(t);
    s.blank = t.find_first_not_of(' ') == std::string_view::npos;
    if (text.fill == TraceText::Fill::Free) s.places = placesIn(t);
    if (text.fill == TraceText::Fill::Mask) s.fieldCount = maskFields(t, s.fields);
    for (size_t k = 0; k < s.fieldCount; ++k) {
        s.fitsPositive[k] = surelyFitsBelow(s.fields[k], false);
        s.fitsNegative[k] = surelyFitsBelow(s.fields[k], true);
    }
    return s;
}

int TraceShape::renderedColumns(const TraceText& text, std::span<const double> values) const {
    int cols = columns;
    switch (text.fill) {
        case TraceText::Fill::None: break;
        case TraceText::Fill::Free:
            cols -= static_cast<int>(kFreePlace.size()) * std::min(places, static_cast<int>(values.size()));
            for (double v : values) cols += freeNumberLength(v);
            break;
        case TraceText::Fill::Mask:
            for (size_t k = 0; k < std::min(fieldCount, values.size()); ++k) {
                cols += fieldLength(values[k], fields[k], fitsPositive[k], fitsNegative[k]) - fields[k].width();
            }
            break;
    }
    return cols;
}

}  // namespace cfhx
