// Guards of the numeric routines: a logarithm or power of a non-positive
// base, a zero divisor, a root of a negative number or an overflow stops
// the calculation instead of letting a non-number through. Each stop clears
// the pane, prints three empty lines and the message naming the quantity,
// pauses and throws LeaveCalculation (caught on the common return path).
#pragma once

#include <string_view>

namespace cfhx {
struct App;
}

namespace cfhx::calc {

// The one stop of the engine: pane cleared, three empty lines, `message`,
// pause, LeaveCalculation.
[[noreturn]] void stopCalculation(App& app, std::string_view message);

float checkedDiv(App& app, float numerator, float divisor, std::string_view name);
float checkedLog(App& app, float x, std::string_view name);
// base > 0, or base = 0 with a positive exponent.
float checkedPow(App& app, float base, float exponent, std::string_view name);
float checkedSqrt(App& app, float x, std::string_view name);
float checkedExp(App& app, float x, std::string_view name);
// A divisor-like quantity that must be above zero.
float checkedPositive(App& app, float x, std::string_view name);
// A result that overflowed on the way.
float checkedFinite(App& app, float x, std::string_view name);

}  // namespace cfhx::calc
