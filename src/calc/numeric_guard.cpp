#include "calc/numeric_guard.h"

#include <cmath>
#include <string>

#include "app/app.h"
#include "app/control_flow.h"

namespace cfhx::calc {
namespace {

constexpr std::string_view kPrefix = "   @@@  計算不能のため終了します。[ ";

[[noreturn]] void stopFor(App& app, std::string_view name, std::string_view condition) {
    std::string message(kPrefix);
    message += name;
    message += condition;
    message += " ]@@";
    stopCalculation(app, message);
}

}  // namespace

void stopCalculation(App& app, std::string_view message) {
    app.pane.clear();
    printEmptyLines(app.pane, 3);
    app.pane.print(message);
    app.pause();
    throw LeaveCalculation{};
}

float checkedDiv(App& app, float numerator, float divisor, std::string_view name) {
    if (divisor == 0.0f) stopFor(app, name, " = 0 (除数)");
    if (!std::isfinite(divisor) || !std::isfinite(numerator)) stopFor(app, name, " (桁あふれ)");
    return checkedFinite(app, numerator / divisor, name);
}

float checkedLog(App& app, float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopFor(app, name, " <= 0 (対数)");
    return std::log(x);
}

float checkedPow(App& app, float base, float exponent, std::string_view name) {
    if (!std::isfinite(base) || base < 0.0f) stopFor(app, name, " < 0 (べき乗)");
    if (base == 0.0f && exponent <= 0.0f) stopFor(app, name, " = 0 (負のべき乗)");
    return checkedFinite(app, std::pow(base, exponent), name);
}

float checkedSqrt(App& app, float x, std::string_view name) {
    if (!std::isfinite(x) || x < 0.0f) stopFor(app, name, " < 0 (平方根)");
    return std::sqrt(x);
}

float checkedPositive(App& app, float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopFor(app, name, " <= 0");
    return x;
}

float checkedExp(App& app, float x, std::string_view name) { return checkedFinite(app, std::exp(x), name); }

float checkedFinite(App& app, float x, std::string_view name) {
    if (!std::isfinite(x)) stopFor(app, name, " (桁あふれ)");
    return x;
}

}  // namespace cfhx::calc
