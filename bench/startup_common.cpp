#include "startup_common.h"

#include <time.h>

#include <algorithm>
#include <array>
#include <charconv>

std::int64_t Jetzt() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::string Ganzzahl(std::int64_t value) {
    std::array<char, 24> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    static_cast<void>(error);
    return std::string(buffer.data(), end);
}

std::optional<std::int64_t> LiesGanzzahl(std::string_view text) {
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

std::string Fest(double value) {
    std::array<char, 32> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    static_cast<void>(error);
    return std::string(buffer.data(), end);
}

std::string Millisekunden(double ms) {
    return Fest(ms) + " ms";
}

double Median(std::vector<double> werte) {
    if (werte.empty()) return 0;
    std::sort(werte.begin(), werte.end());
    const std::size_t mitte = werte.size() / 2;
    return werte.size() % 2 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2;
}
