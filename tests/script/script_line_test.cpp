#include "platform/cases/script_line.h"

#include <gtest/gtest.h>

namespace cfhx {
namespace {

// A text quoted in a message shows what a terminal can print: UTF-8 as
// it is, every other byte as \xNN, cut after a number of characters.
TEST(ScriptLine, QuoteShowsOnlyPrintableText) {
    struct Case {
        const char* name;
        std::string text;
        size_t maxChars;
        const char* expected;
    };
    const Case kCases[] = {
        {"plain", "FORM5.EDIT133", 60, "\"FORM5.EDIT133\""},
        {"empty", "", 60, "\"\""},
        {"quote and backslash", "a\"b\\c", 60, "\"a\\\"b\\\\c\""},
        {"control bytes", std::string("x\x01\x7f\t", 4), 60, "\"x\\x01\\x7F\\x09\""},
        {"a NUL byte", std::string("a\0b", 3), 60, "\"a\\x00b\""},
        {"Japanese kept", "管内側", 60, "\"管内側\""},
        {"a stray continuation byte", "\x80z", 60, "\"\\x80z\""},
        {"an overlong NUL", "\xC0\x80", 60, "\"\\xC0\\x80\""},
        {"a surrogate", "\xED\xA0\x80", 60, "\"\\xED\\xA0\\x80\""},
        {"a sequence cut at the end", "\xE7\xAE", 60, "\"\\xE7\\xAE\""},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", 60, "\"\\xF4\\x90\\x80\\x80\""},
        {"cut after characters, not bytes", "管内側ガス", 3, "\"管内側...\""},
        {"an escaped byte counts once", "\x01\x02\x03\x04", 2, "\"\\x01\\x02...\""},
        {"exactly the limit is not cut", "abc", 3, "\"abc\""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(quote(c.text, c.maxChars), c.expected);
    }
}

}  // namespace
}  // namespace cfhx
