// Column widths of texts as the pane and the printer count them: code page
// 932 bytes, so 1 for ASCII and half-width katakana and 2 for the rest.
#pragma once

#include <string>
#include <string_view>

namespace cfhx {

// A byte that is not part of valid UTF-8 decodes as kStrayByte + byte, a
// one-column character of its own.
inline constexpr char32_t kStrayByte = 0xDC00;

// Decodes the UTF-8 sequence at text[i] and advances i.
char32_t decodeUtf8(std::string_view text, size_t& i);

int charColumns(char32_t cp);
int textColumns(std::string_view text);

// Writes `text` over `line` starting at column `col` (0-based), padding the
// line with blanks as needed. A double-width character cut in half by the
// overwrite leaves a blank in its remaining half.
void overwriteColumns(std::string& line, int col, std::string_view text);

}  // namespace cfhx
