#include <algorithm>
#include <chrono>
#include <ctime>

#include "platform/UiServices.h"

namespace ntx {
namespace {

std::tm localNow(int& hundredths) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    hundredths = static_cast<int>((ms % 1000) / 10);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

}  // namespace

Date SystemClock::today() const {
    int hundredths = 0;
    const std::tm t = localNow(hundredths);
    return composeDate(t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
}

Time SystemClock::now() const {
    int hundredths = 0;
    const std::tm t = localNow(hundredths);
    return composeTime(t.tm_hour, t.tm_min, std::min(t.tm_sec, 59), hundredths);
}

}  // namespace ntx
