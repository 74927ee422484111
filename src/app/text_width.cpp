#include "app/text_width.h"

namespace cfhx {

char32_t decodeUtf8(std::string_view text, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char b = byte(i);
    int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (i + len > text.size()) len = 1;
    for (int k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) len = 1;
    }
    if (len == 1 && b >= 0x80) {
        ++i;
        return kStrayByte + b;
    }
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (byte(i + k) & 0x3F);
    i += len;
    return cp;
}

int charColumns(char32_t cp) {
    if (cp < 0x80) return 1;
    if (cp >= kStrayByte + 0x80 && cp <= kStrayByte + 0xFF) return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;
    return 2;
}

int textColumns(std::string_view text) {
    int cols = 0;
    for (size_t i = 0; i < text.size();) cols += charColumns(decodeUtf8(text, i));
    return cols;
}

void overwriteColumns(std::string& line, int col, std::string_view text) {
    if (col < 0) col = 0;
    const int end = col + textColumns(text);
    std::string out;
    out.reserve(line.size() + text.size() + 8);
    size_t i = 0;
    int c = 0;  // start column of the character at i
    // Characters wholly before the new text stay; one cut by its start
    // leaves blanks in the columns before it.
    while (i < line.size()) {
        size_t start = i;
        int w = charColumns(decodeUtf8(line, i));
        if (c + w > col) {
            if (c < col) out.append(static_cast<size_t>(col - c), ' ');
            i = start;
            break;
        }
        out.append(line, start, i - start);
        c += w;
    }
    if (i >= line.size() && c < col) out.append(static_cast<size_t>(col - c), ' ');
    out.append(text);
    // Characters under the new text go; one sticking out past its end
    // leaves blanks in its uncovered columns.
    while (i < line.size() && c < end) c += charColumns(decodeUtf8(line, i));
    if (c > end) out.append(static_cast<size_t>(c - end), ' ');
    out.append(line, i, std::string::npos);
    line = std::move(out);
}

}  // namespace cfhx
