#include "engine/Dezimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace {

constexpr int kMaxStellen = 15;

// A whole number >= 0, in 32-bit words from the lowest. A decimal m 10^e and a Double are
// compared exactly by scaling both to whole numbers: beyond 10^22 no power of ten is a Double,
// beyond 5^45 none is a double-double, and coefficients of 1e200 and 1e-300 do occur. No number
// formed exceeds a Double's 53 bits times 2^(971 + 1126) (from the top of the largest Double's
// exponent to the bottom of the smallest subnormal's, which frexp leaves with 53 bits) times
// 5^338 (the 15 digits of the smallest subnormal), below 2^2936: 92 words, held without
// allocation.
class Ganzzahl {
  public:
    explicit Ganzzahl(std::uint64_t v) {
        for (; v != 0; v >>= 32) w_[n_++] = static_cast<std::uint32_t>(v);
    }

    void Mal(std::uint32_t f) {
        std::uint64_t uebertrag = 0;
        for (std::size_t i = 0; i < n_; ++i) {
            const std::uint64_t p = static_cast<std::uint64_t>(w_[i]) * f + uebertrag;
            w_[i] = static_cast<std::uint32_t>(p);
            uebertrag = p >> 32;
        }
        if (uebertrag != 0) w_[n_++] = static_cast<std::uint32_t>(uebertrag);
    }

    void MalFuenfHoch(int n) {
        constexpr std::uint32_t kFuenfHoch13 = 1220703125u;
        for (; n >= 13; n -= 13) Mal(kFuenfHoch13);
        std::uint32_t rest = 1;
        for (; n > 0; --n) rest *= 5;
        if (rest != 1) Mal(rest);
    }

    void MalZweiHoch(int n) {
        if (n_ == 0 || n == 0) return;
        const int bits = n % 32;
        if (bits != 0) {
            std::uint32_t uebertrag = 0;
            for (std::size_t i = 0; i < n_; ++i) {
                const std::uint32_t neu = (w_[i] << bits) | uebertrag;
                uebertrag = w_[i] >> (32 - bits);
                w_[i] = neu;
            }
            if (uebertrag != 0) w_[n_++] = uebertrag;
        }
        const auto worte = static_cast<std::size_t>(n / 32);
        if (worte == 0) return;
        for (std::size_t i = n_; i-- > 0;) w_[i + worte] = w_[i];
        std::fill_n(w_.begin(), worte, 0u);
        n_ += worte;
    }

    Ganzzahl& operator+=(const Ganzzahl& b) {
        const std::size_t n = std::max(n_, b.n_);
        std::uint64_t uebertrag = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t s = static_cast<std::uint64_t>(i < n_ ? w_[i] : 0u) +
                                    (i < b.n_ ? b.w_[i] : 0u) + uebertrag;
            w_[i] = static_cast<std::uint32_t>(s);
            uebertrag = s >> 32;
        }
        n_ = n;
        if (uebertrag != 0) w_[n_++] = static_cast<std::uint32_t>(uebertrag);
        return *this;
    }

    friend bool operator<=(const Ganzzahl& a, const Ganzzahl& b) {
        if (a.n_ != b.n_) return a.n_ < b.n_;
        for (std::size_t i = a.n_; i-- > 0;)
            if (a.w_[i] != b.w_[i]) return a.w_[i] < b.w_[i];
        return true;
    }

  private:
    // Words 0 to n_ - 1 hold the number, the highest of them nonzero, so sizes compare first.
    std::array<std::uint32_t, 96> w_;
    std::size_t n_ = 0;
};

// v = m 2^e exactly, for a finite v >= 0.
struct Binaer {
    std::uint64_t m = 0;
    int e = 0;
};

Binaer Zerlegt(double v) {
    if (v == 0.0) return {};
    int exponent = 0;
    const double f = std::frexp(v, &exponent);
    return {static_cast<std::uint64_t>(std::ldexp(f, 53)), exponent - 53};
}

// A decimal of n significant digits, m 10^e, with its text for from_chars.
struct Dezimal {
    std::uint64_t m = 0;
    int e = 0;
    char text[32] = {};
    std::size_t laenge = 0;
};

// The decimal of `stellen` significant digits nearest v > 0: to_chars rounds correctly, and
// the decimals of that many digits around v are those of v's decade, 10^k and 10^(k+1) among
// them, so its rounding is the nearest of them all.
Dezimal Gerundet(double v, int stellen) {
    Dezimal d;
    const auto r = std::to_chars(d.text, d.text + sizeof d.text, v, std::chars_format::scientific,
                                 stellen - 1);
    d.laenge = static_cast<std::size_t>(r.ptr - d.text);
    const std::string_view t(d.text, d.laenge);
    const std::size_t pe = t.find('e');
    int stellenNachPunkt = 0;
    bool nachPunkt = false;
    for (char c : t.substr(0, pe)) {
        if (c == '.') {
            nachPunkt = true;
            continue;
        }
        d.m = d.m * 10 + static_cast<std::uint64_t>(c - '0');
        if (nachPunkt) ++stellenNachPunkt;
    }
    std::string_view exp = t.substr(pe + 1);
    if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
    int e10 = 0;
    std::from_chars(exp.data(), exp.data() + exp.size(), e10);
    d.e = e10 - stellenNachPunkt;
    return d;
}

// |m 10^e - v| <= b on the real numbers, for finite v > 0 and b >= 0. All three are scaled by
// 2^-s 5^t to whole numbers, and the test is m 10^e <= v + b and v <= m 10^e + b.
bool Innerhalb(const Dezimal& d, double v, double b) {
    const Binaer x = Zerlegt(v);
    Binaer s = Zerlegt(b);
    if (s.m == 0) s.e = x.e;
    const int tiefste = std::min({x.e, s.e, d.e});
    const int fuenf = d.e < 0 ? -d.e : 0;
    Ganzzahl gx(x.m), gb(s.m), gd(d.m);
    gx.MalZweiHoch(x.e - tiefste);
    gx.MalFuenfHoch(fuenf);
    gb.MalZweiHoch(s.e - tiefste);
    gb.MalFuenfHoch(fuenf);
    gd.MalZweiHoch(d.e - tiefste);
    gd.MalFuenfHoch(d.e + fuenf);
    Ganzzahl oben = gx;
    oben += gb;
    if (!(gd <= oben)) return false;
    gd += gb;
    return gx <= gd;
}

}  // namespace

namespace numerik {

double KuerzesteDezimalzahl(double x, double schranke) {
    if (!std::isfinite(x) || !std::isfinite(schranke) || !(schranke >= 0.0)) return x;
    const double v = std::fabs(x);
    if (v <= schranke) return 0.0;
    // If the nearest decimal of n digits lies within the bound, so does that of n + 1 digits,
    // whose set holds the n-digit ones: halving the range of n finds the fewest in four tests.
    int unten = 1;
    int oben = kMaxStellen + 1;  // none within the bound
    while (unten < oben) {
        const int mitte = (unten + oben) / 2;
        if (Innerhalb(Gerundet(v, mitte), v, schranke))
            oben = mitte;
        else
            unten = mitte + 1;
    }
    if (unten > kMaxStellen) return x;
    const Dezimal d = Gerundet(v, unten);
    double kurz = 0.0;
    std::from_chars(d.text, d.text + d.laenge, kurz);
    return x < 0 ? -kurz : kurz;
}

bool IstKurzeDezimalzahl(double x) {
    if (!std::isfinite(x)) return false;
    if (x == 0.0) return true;
    const double v = std::fabs(x);
    return Innerhalb(Gerundet(v, kMaxStellen), v, 0.0);
}

}  // namespace numerik
