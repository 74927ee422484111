// The calculation sheet as the byte stream a line printer receives:
// code-page-932 text, one line after the other, each ended by CR LF.
#pragma once

#include <string>

#include "app/platform.h"

namespace cfhx {

// A character code page 932 does not have prints as "?".
std::string printerStream(const SheetPages& pages);

}  // namespace cfhx
