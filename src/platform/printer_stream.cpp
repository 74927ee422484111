#include "platform/printer_stream.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace cfhx {
namespace {

class Converter {
public:
    Converter() : cd_(iconv_open("CP932", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 conversion in this C library");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    void append(const std::string& utf8, std::string& out) {
        char* in = const_cast<char*>(utf8.data());
        size_t inLeft = utf8.size();
        char buffer[256];
        while (inLeft > 0) {
            char* o = buffer;
            size_t oLeft = sizeof buffer;
            const size_t done = iconv(cd_, &in, &inLeft, &o, &oLeft);
            out.append(buffer, static_cast<size_t>(o - buffer));
            if (done != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // Not in the code page, or not UTF-8: one mark for the character.
            out.push_back('?');
            size_t skip = 1;
            while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string printerStream(const SheetPages& pages) {
    Converter cp932;
    std::string out;
    for (const auto& page : pages) {
        for (const std::string& line : page) {
            cp932.append(line, out);
            out += "\r\n";
        }
    }
    return out;
}

}  // namespace cfhx
