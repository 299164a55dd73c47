#pragma once
// Decimals as a user types them, for the tests that check which decimal a result shows.

#include <cstdint>
#include <cstdlib>
#include <string>

// The text of zaehler / 10^stellen without trailing zeros: "-1.05", "0.3", "12".
inline std::string Dezimaltext(std::int64_t zaehler, int stellen) {
    std::string ziffern = std::to_string(std::llabs(zaehler));
    if (ziffern.size() <= static_cast<std::size_t>(stellen))
        ziffern.insert(0, static_cast<std::size_t>(stellen) + 1 - ziffern.size(), '0');
    std::string text = ziffern.substr(0, ziffern.size() - static_cast<std::size_t>(stellen));
    std::string nachkomma = ziffern.substr(text.size());
    while (!nachkomma.empty() && nachkomma.back() == '0') nachkomma.pop_back();
    if (!nachkomma.empty()) text += "." + nachkomma;
    return (zaehler < 0 ? "-" : "") + text;
}
