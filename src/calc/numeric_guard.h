// Guards of the numeric routines: a logarithm or power of a non-positive
// base, a zero divisor, a root of a negative number or an overflow stops
// the calculation instead of letting a non-number through. A stop throws
// CalculationStop with the message naming the quantity; the calculate
// button shows it and takes the common return path.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace cfhx::calc {

// The one stop of the engine. The calculate button clears the pane, prints
// three empty lines and `message`, pauses and returns to the input screens.
struct CalculationStop {
    std::string message;
};

[[noreturn]] void stopCalculation(std::string_view message);

// The stops of the guards below, out of the way of the passes that call them.
enum class Fault { ZeroDivisor, Overflow };
[[noreturn]] void stopFor(std::string_view name, Fault fault);

// A result that overflowed on the way.
inline float checkedFinite(float x, std::string_view name) {
    if (!std::isfinite(x)) stopFor(name, Fault::Overflow);
    return x;
}
inline float checkedDiv(float numerator, float divisor, std::string_view name) {
    if (divisor == 0.0f) stopFor(name, Fault::ZeroDivisor);
    if (!std::isfinite(divisor) || !std::isfinite(numerator)) stopFor(name, Fault::Overflow);
    return checkedFinite(numerator / divisor, name);
}
float checkedLog(float x, std::string_view name);
// base > 0, or base = 0 with a positive exponent.
float checkedPow(float base, float exponent, std::string_view name);
float checkedSqrt(float x, std::string_view name);
float checkedExp(float x, std::string_view name);
// A divisor-like quantity that must be above zero.
float checkedPositive(float x, std::string_view name);

}  // namespace cfhx::calc
