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

bool isDate(std::string_view t) {
    constexpr size_t kLength = 8;  // YY/MM/DD
    if (t.size() != kLength || t[2] != '/' || t[5] != '/') return false;
    for (size_t i : {0, 1, 3, 4, 6, 7}) {
        if (t[i] < '0' || t[i] > '9') return false;
    }
    auto two = [&t](size_t at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
    const int year = two(0), month = two(3), day = two(6);
    constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
    return !(month == 2 && day == 29 && year % 4 != 0);
}

}  // namespace cfhx
