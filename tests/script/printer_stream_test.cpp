// The raw printer stream: code-page-932 bytes that decode back to exactly
// the sheet's lines, from the printer reset on.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "platform/printer_stream.h"
#include "report/sheet.h"
#include "support/result_records.h"
#include "support/sample_runs.h"

namespace cfhx {
namespace {

std::string fromCp932(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string out(bytes.size() * 3 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* o = out.data();
    size_t oLeft = out.size();
    const size_t done = iconv(cd, &in, &inLeft, &o, &oLeft);
    iconv_close(cd);
    EXPECT_NE(done, static_cast<size_t>(-1)) << "not code page 932";
    out.resize(out.size() - oLeft);
    return out;
}

TEST(PrinterStream, DecodesToTheSheetLinesFromThePrinterReset) {
    struct Case {
        const char* name;
        calc::Record record;
    };
    const Case kCases[] = {
        {"gas/gas", testing::finishedGasSheetRun()},
        {"water tubes, humid shell", testing::finishedSample(testing::kWaterHumidSample)},
        {"typed-in condensation", testing::finishedSample(testing::kTypedInCondensingSample)},
    };
    for (const Case& c : kCases) {
        for (const char* mode : {"J", "JSI", "E", "ESI"}) {
            SCOPED_TRACE(std::string(c.name) + " " + mode);
            const SheetPages pages = report::sheetPages(c.record, mode, "07/03/05");
            const std::string stream = printerStream(pages);
            EXPECT_EQ(stream.substr(0, 4), "\x1b" "E\r\n");
            std::string expected;
            for (const auto& page : pages) {
                for (const std::string& line : page) expected += line + "\r\n";
            }
            EXPECT_EQ(fromCp932(stream), expected);
        }
    }
}

TEST(PrinterStream, ACharacterOutsideTheCodePagePrintsAsAMark) {
    struct Case {
        const char* name;
        std::string line;
        std::string decoded;
    };
    const Case kCases[] = {
        {"accented letter", "Cp=1.0 \xc3\xa9t\xc3\xa9", "Cp=1.0 ?t?"},
        {"emoji between box lines", "\xe2\x94\x83\xf0\x9f\x98\x80\xe2\x94\x83", "\xe2\x94\x83?\xe2\x94\x83"},
        {"broken UTF-8 byte", "ab\xff" "cd", "ab?cd"},
        {"half-width katakana stays one byte", "\xef\xbe\x8c\xef\xbd\xa8\xef\xbe\x9d", "\xef\xbe\x8c\xef\xbd\xa8\xef\xbe\x9d"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string stream = printerStream({{c.line}});
        EXPECT_EQ(fromCp932(stream), c.decoded + "\r\n");
    }
    EXPECT_EQ(printerStream({{"\xef\xbe\x8c"}}).size(), 3u) << "ﾌ is one byte, then CR LF";
}

}  // namespace
}  // namespace cfhx
