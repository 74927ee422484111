#include "calc/numeric_guard.h"

#include <cmath>
#include <utility>

namespace cfhx::calc {
namespace {

constexpr std::string_view kPrefix = "   @@@  計算不能のため終了します。[ ";

[[noreturn]] [[gnu::cold]] void stopFor(std::string_view name, std::string_view condition) {
    std::string message(kPrefix);
    message += name;
    message += condition;
    message += " ]@@";
    throw CalculationStop{std::move(message)};
}

}  // namespace

void stopFor(std::string_view name, Fault fault) {
    stopFor(name, fault == Fault::ZeroDivisor ? " = 0 (除数)" : " (桁あふれ)");
}

void stopCalculation(std::string_view message) { throw CalculationStop{std::string(message)}; }

float checkedLog(float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopFor(name, " <= 0 (対数)");
    return std::log(x);
}

float checkedPow(float base, float exponent, std::string_view name) {
    if (!std::isfinite(base) || base < 0.0f) stopFor(name, " < 0 (べき乗)");
    if (base == 0.0f && exponent <= 0.0f) stopFor(name, " = 0 (負のべき乗)");
    return checkedFinite(std::pow(base, exponent), name);
}

float checkedSqrt(float x, std::string_view name) {
    if (!std::isfinite(x) || x < 0.0f) stopFor(name, " < 0 (平方根)");
    return std::sqrt(x);
}

float checkedPositive(float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopFor(name, " <= 0");
    return x;
}

float checkedExp(float x, std::string_view name) { return checkedFinite(std::exp(x), name); }


}  // namespace cfhx::calc
