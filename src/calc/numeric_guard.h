// Guards of the numeric routines: a logarithm or power of a non-positive
// base, a zero divisor, a root of a negative number or an overflow stops
// the calculation instead of letting a non-number through. A stop throws
// CalculationStop naming the quantity and its fault; the calculate button
// shows its message in the run's language and takes the common return path.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx::calc {

// Why the engine stopped: a dialogue's own message, a guard's fault, or an
// iteration of the gas properties that did not settle.
enum class StopCause { Message, ZeroDivisor, Overflow, Logarithm, Power, NegativePower, SquareRoot, NotPositive, NoConvergence };

// The one stop of the engine. The calculate button clears the pane, prints
// three empty lines and the stop's message, pauses and returns to the input
// screens.
struct CalculationStop {
    StopCause cause = StopCause::Message;
    std::string detail;  // the message itself, or the quantity a guard names
};

// A dialogue's stop; its message is already in the run's language.
[[noreturn]] void stopCalculation(std::string_view message);
// A stop of the numeric routines, which know no language.
[[noreturn]] void stopCalculation(StopCause cause, std::string_view name = {});
std::string stopMessage(const CalculationStop& stop, Language language);

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
