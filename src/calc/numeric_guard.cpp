#include "calc/numeric_guard.h"

#include <cmath>

#include "calc/engine_texts.h"

namespace cfhx::calc {

void stopFor(std::string_view name, Fault fault) {
    stopCalculation(fault == Fault::ZeroDivisor ? StopCause::ZeroDivisor : StopCause::Overflow, name);
}

void stopCalculation(std::string_view message) { throw CalculationStop{.detail = std::string(message)}; }

[[gnu::cold]] void stopCalculation(StopCause cause, std::string_view name) {
    throw CalculationStop{.cause = cause, .detail = std::string(name)};
}

std::string stopMessage(const CalculationStop& stop, Language language) {
    const engine_texts::EngineTexts& T = engine_texts::engineTexts(language);
    std::string_view condition;
    switch (stop.cause) {
        case StopCause::Message: return stop.detail;
        case StopCause::NoConvergence: return std::string(T.noConvergence);
        case StopCause::ZeroDivisor: condition = T.zeroDivisor; break;
        case StopCause::Overflow: condition = T.overflow; break;
        case StopCause::Logarithm: condition = T.logarithm; break;
        case StopCause::Power: condition = T.power; break;
        case StopCause::NegativePower: condition = T.negativePower; break;
        case StopCause::SquareRoot: condition = T.squareRoot; break;
        case StopCause::NotPositive: condition = " <= 0"; break;
    }
    std::string message(T.guardPrefix);
    message += stop.detail;
    message += condition;
    message += " ]@@";
    return message;
}

float checkedLog(float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopCalculation(StopCause::Logarithm, name);
    return std::log(x);
}

float checkedPow(float base, float exponent, std::string_view name) {
    if (!std::isfinite(base) || base < 0.0f) stopCalculation(StopCause::Power, name);
    if (base == 0.0f && exponent <= 0.0f) stopCalculation(StopCause::NegativePower, name);
    return checkedFinite(std::pow(base, exponent), name);
}

float checkedSqrt(float x, std::string_view name) {
    if (!std::isfinite(x) || x < 0.0f) stopCalculation(StopCause::SquareRoot, name);
    return std::sqrt(x);
}

float checkedPositive(float x, std::string_view name) {
    if (!(x > 0.0f) || !std::isfinite(x)) stopCalculation(StopCause::NotPositive, name);
    return x;
}

float checkedExp(float x, std::string_view name) { return checkedFinite(std::exp(x), name); }

}  // namespace cfhx::calc
