// The system clock as the program shows dates: "YY/MM/DD".
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/platform.h"

namespace cfhx {

std::string systemDate() {
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", local.tm_year % 100, local.tm_mon + 1, local.tm_mday);
    return buf;
}

}  // namespace cfhx
