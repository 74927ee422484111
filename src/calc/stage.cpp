#include "calc/stage.h"

namespace cfhx::calc {

std::string lineOf(std::string_view text, std::initializer_list<double> values) {
    return formatFree(text, std::span<const double>(values.begin(), values.size()));
}

}  // namespace cfhx::calc
