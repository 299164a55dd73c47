#pragma once
// The points of the search in the order they were found and in their order by x, with what the
// levels above know at each: the bookkeeping of the narrowing level by level (engine/klammern.cpp).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/Suchstand.h"

namespace suche {

// A level finds at most one point in each interval between the points before it (and the
// interval ends), so it at most doubles them, plus one; from the one zero of the linear
// derivative, eight levels of a polynomial of degree 9 hold at most 2^9 - 1 points, and the
// level's interval ends fit in fixed arrays. (A level has no more sign changes than its degree
// where all its signs are sure; the bound holds however its signs fall.)
constexpr std::size_t kHoechstensFunde = 511;

// What the levels above know of the derivative A(m) being searched, at one of their points: its
// slope A(m + 1) and curvature A(m + 2) there. Each is 0 at a zero of its own, the curvature at a
// zero of A(m + 1) is the slope its narrowing left, and the others are the values the levels
// took for their signs (Horner's rule in Double, only to aim a point).
struct Taylor {
    double steigung;
    double kruemmung;
};

// The points of a search in the order they were found, their order by x, and beside each what
// the levels above know of the derivative searched there: a new level's points join the order by
// their index, so a point is copied only when it is found and once more, into its place, when
// the search is done.
class Geordnet {
  public:
    explicit Geordnet(std::vector<Fund>& funde) : funde_(funde) { funde_.reserve(64); }

    std::size_t size() const { return anzahl_; }
    Fund& operator[](std::size_t i) { return funde_[ordnung_[i]]; }
    const Fund& operator[](std::size_t i) const { return funde_[ordnung_[i]]; }
    const Taylor& TaylorBei(std::size_t i) const { return taylor_[ordnung_[i]]; }

    // A new point of level m, found in the interval between the points i - 1 and i (between
    // -ende and the first for 0, the last and ende for size()); steigung is A(m)'s slope there,
    // as its narrowing left it.
    void Dazu(const Fund& f, std::size_t intervall, double steigung) {
        taylor_[funde_.size()] = {0.0, steigung};
        intervall_[funde_.size() - anzahl_] = intervall;
        funde_.push_back(f);
    }

    // The level is done, werte[i + 1] its derivative's value at the point i before it: what is
    // known at each of those points moves one level down (the next level's slope there is this
    // level's value, its curvature this level's slope).
    void Absteigen(const std::array<double, kHoechstensFunde + 2>& werte) {
        for (std::size_t i = 0; i < anzahl_; ++i) {
            Taylor& t = taylor_[ordnung_[i]];
            t = {werte[i + 1], t.steigung};
        }
    }

    // The new points funde_[anzahl_] onwards join the order: ascending and stable, as
    // std::stable_sort on x would have it.
    void Einordnen() {
        const std::size_t u = anzahl_;
        const std::size_t neu = funde_.size();
        const auto anfang = ordnung_.begin();
        if (ImIntervall()) {
            // Each goes before the point that ends its interval, in the order found.
            std::size_t k = u;
            for (std::size_t i = 0; i <= u; ++i) {
                for (; k < neu && intervall_[k - u] == i; ++k)
                    hilfe_[i + k - u] = static_cast<std::uint16_t>(k);
                if (i < u) hilfe_[i + k - u] = ordnung_[i];
            }
        } else {
            const auto kleiner = [this](std::uint16_t a, std::uint16_t b) {
                return funde_[a].x < funde_[b].x;
            };
            for (std::size_t i = u; i < neu; ++i) ordnung_[i] = static_cast<std::uint16_t>(i);
            for (std::size_t i = u + 1; i < neu; ++i)
                for (std::size_t j = i; j > u && kleiner(ordnung_[j], ordnung_[j - 1]); --j)
                    std::swap(ordnung_[j], ordnung_[j - 1]);
            std::merge(anfang, anfang + static_cast<std::ptrdiff_t>(u),
                       anfang + static_cast<std::ptrdiff_t>(u),
                       anfang + static_cast<std::ptrdiff_t>(neu), hilfe_.begin(), kleiner);
        }
        std::copy(hilfe_.begin(), hilfe_.begin() + static_cast<std::ptrdiff_t>(neu), anfang);
        anzahl_ = neu;
    }

    // The points in their order, in place of those in the order found.
    void Sortieren() {
        std::vector<Fund> sortiert;
        sortiert.reserve(anzahl_);
        for (std::size_t i = 0; i < anzahl_; ++i) sortiert.push_back((*this)[i]);
        funde_.swap(sortiert);
    }

  private:
    // The new points lie in intervals of their own, in the order found, and each in its
    // interval as the order by x sees it: not before its left end, and before its right one. A
    // snap can move a point onto an end, or past it.
    bool ImIntervall() const {
        for (std::size_t k = anzahl_; k < funde_.size(); ++k) {
            const std::size_t i = intervall_[k - anzahl_];
            if (k > anzahl_ && !(intervall_[k - anzahl_ - 1] < i)) return false;
            const double x = funde_[k].x;
            if (i > 0 && x < funde_[ordnung_[i - 1]].x) return false;
            if (i < anzahl_ && !(x < funde_[ordnung_[i]].x)) return false;
        }
        return true;
    }

    std::vector<Fund>& funde_;
    std::size_t anzahl_ = 0;
    std::array<std::uint16_t, kHoechstensFunde> ordnung_;
    std::array<std::uint16_t, kHoechstensFunde> hilfe_;
    std::array<std::size_t, kHoechstensFunde> intervall_;
    std::array<Taylor, kHoechstensFunde> taylor_;
};

}  // namespace suche
