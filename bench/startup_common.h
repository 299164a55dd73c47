#pragma once
// What the parts of the start-up benchmark share: the clock that parent and child read alike,
// and numbers as text (never through the locale).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Nanoseconds of CLOCK_MONOTONIC, which every process on the machine reads alike.
std::int64_t Jetzt();

std::string Ganzzahl(std::int64_t value);
std::optional<std::int64_t> LiesGanzzahl(std::string_view text);
// A number with two decimals.
std::string Fest(double value);
std::string Millisekunden(double ms);

double Median(std::vector<double> werte);
