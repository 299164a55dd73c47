// The search and the factor form over seeded families of polynomials, measured against GCC's
// 113-bit __float128 on the Double coefficients the program holds: every point listed is a zero
// of f, f' or f'' within the noise the coefficients leave open, every whole-number point is a
// zero there itself, no zeros that the data set apart are shown as one, and the factor form's
// remainder is the exact quotient by the zeros listed, to a few units in the last place, without
// a real zero of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/Dienste.h"
#include "engine/Nullstellensuche.h"
#include "framework/Text.h"

namespace {

using Quad = __float128;

Quad Betrag(Quad x) {
    return x < 0 ? -x : x;
}

// 2^-53, and the unit in the last place of a Double x.
constexpr double kU = 0x1p-53;
double Ulp(double x) {
    return std::nextafter(std::fabs(x), HUGE_VAL) - std::fabs(x);
}

// Polynomials with coefficients in 113 bits, lowest power first.
using QPoly = std::vector<Quad>;

Quad Wert(const QPoly& c, Quad x) {
    Quad s = 0;
    for (std::size_t i = c.size(); i-- > 0;) s = s * x + c[i];
    return s;
}

QPoly Abgeleitet(const QPoly& c) {
    QPoly d;
    for (std::size_t i = 1; i < c.size(); ++i) d.push_back(c[i] * Quad(i));
    return d;
}

int Zeichen(Quad v) {
    return (v > 0) - (v < 0);
}

// The real zeros of c at which it changes sign, ascending: between the zeros of c' found the same
// way, c is monotonic, so each sign change there is one zero, bisected to 113 bits.
std::vector<Quad> Vorzeichenwechsel(QPoly c) {
    while (!c.empty() && c.back() == 0) c.pop_back();
    if (c.size() < 2) return {};
    if (c.size() == 2) return {-c[0] / c[1]};
    Quad schranke = 0;
    for (std::size_t i = 0; i + 1 < c.size(); ++i)
        schranke = std::max(schranke, Betrag(c[i] / c.back()));
    std::vector<Quad> enden = {-(schranke + 1)};
    for (Quad x : Vorzeichenwechsel(Abgeleitet(c))) enden.push_back(x);
    enden.push_back(schranke + 1);
    std::vector<Quad> z;
    for (std::size_t i = 0; i + 1 < enden.size(); ++i) {
        Quad a = enden[i], b = enden[i + 1];
        const int za = Zeichen(Wert(c, a));
        if (za == 0 || za * Zeichen(Wert(c, b)) >= 0) continue;
        for (int k = 0; k < 240; ++k) {
            const Quad m = a / 2 + b / 2;
            if (m == a || m == b) break;
            (Zeichen(Wert(c, m)) == za ? a : b) = m;
        }
        z.push_back(a);
    }
    return z;
}

// c is exactly the decimal Str writes for it.
bool IstDezimal(double c) {
    const std::string s = Str(std::fabs(c));
    Quad m = 0;
    int stellen = -1;
    for (char ch : s) {
        if (ch == '.') {
            stellen = 0;
            continue;
        }
        m = m * 10 + (ch - '0');
        if (stellen >= 0) ++stellen;
    }
    if (s.size() > 33 || stellen > 25) return false;
    Quad x = std::fabs(c);
    for (int i = 0; i < stellen; ++i) x *= 10;
    return x == m;
}

// The held polynomial with its derivatives, their sizes and the noise of the coefficients: none
// for one that is exactly its decimal, else 2^-53 of it.
struct Referenz {
    std::array<QPoly, 10> A, groesse, rauschen;
    int n = 0;

    explicit Referenz(const PolynomT& p) : n(p.grad()) {
        for (int i = 0; i <= n; ++i) {
            const double c = p.Koeff[static_cast<std::size_t>(i)];
            A[0].push_back(c);
            groesse[0].push_back(std::fabs(c));
            rauschen[0].push_back(IstDezimal(c) ? 0 : kU * std::fabs(c));
        }
        for (std::size_t j = 1; j < 10; ++j) {
            A[j] = Abgeleitet(A[j - 1]);
            groesse[j] = Abgeleitet(groesse[j - 1]);
            rauschen[j] = Abgeleitet(rauschen[j - 1]);
        }
    }
    Quad Bei(const std::array<QPoly, 10>& a, int j, double x) const {
        const QPoly& c = a[static_cast<std::size_t>(j)];
        return c.empty() ? 0 : Wert(c, &a == &A ? Quad(x) : Quad(std::fabs(x)));
    }
    // A(j) vanishes at x within the noise, up to what the last bits of x move it by.
    bool Null(int j, double x, double ulps) const {
        const Quad schranke = Bei(rauschen, j, x) + 1e-28 * Bei(groesse, j, x) +
                              ulps * Ulp(x) * Betrag(Bei(A, j + 1, x)) + 1e-300;
        return Betrag(Bei(A, j, x)) <= schranke;
    }
    bool KritischBei(double x, double ulps) const {
        for (int j = 0; j <= std::min(2, n - 1); ++j)
            if (Null(j, x, ulps)) return true;
        return false;
    }
};

// What each family counts: draws, and the faults of the four kinds.
struct Zaehler {
    int zuege = 0;
    int kritisch = 0;        // points listed
    int falsch = 0;          // a point at which none of f, f', f'' vanishes within the noise
    int falscheNull = 0;     // a zero listed at which f does not
    int fang = 0;            // whole-number points
    int fangFalsch = 0;      // ... at which none of them vanishes exactly there
    int getrennt = 0;        // stretches between clear bumps of f that hold a sign change
    int verschmolzen = 0;    // ... in which no zero is listed
    int quotienten = 0;      // remainders checked against the exact quotient
    int quotientFalsch = 0;  // ... with a coefficient off by more than 4 ulps
    int restMitNull = 0;     // remainders with a real zero
    int dezimal = 0;         // coefficients further off, a decimal within the inputs' reach
};

// The exact quotient of the held f by the zeros listed, each refined to 113 bits in the
// derivative whose simple zero stands for it; each coefficient from the one of its two sums
// (from the top, from the constant term) whose largest term is the smaller. Empty where a zero
// listed as multiple is no exact multiple zero of f, so that no exact quotient exists.
QPoly ExakterQuotient(const Referenz& r, const std::vector<Stelle>& stellen) {
    QPoly q = r.A[0];
    for (const Stelle& st : stellen) {
        if (!st.nullstelle) continue;
        const auto j = static_cast<std::size_t>(st.vielfachheit - 1);
        Quad z = st.x;
        for (int i = 0; i < 4 && Wert(r.A[j], z) != 0; ++i)
            z -= Wert(r.A[j], z) / Wert(r.A[j + 1], z);
        for (std::size_t k = 0; k < j; ++k)
            if (Wert(r.A[k], z) != 0) return {};
        for (int m = 0; m < st.vielfachheit && q.size() > 1; ++m) {
            const std::size_t n = q.size() - 1;
            QPoly neu(n);
            for (std::size_t i = 0; i < n; ++i) {
                Quad oben = 0, unten = 0, go = 0, gu = 0;
                for (std::size_t k = i + 1; k <= n; ++k) {
                    Quad t = q[k];
                    for (std::size_t l = i + 1; l < k; ++l) t *= z;
                    oben += t;
                    go = std::max(go, Betrag(t));
                }
                for (std::size_t k = 0; k <= i && z != 0; ++k) {
                    Quad t = -q[k];
                    for (std::size_t l = k; l <= i; ++l) t /= z;
                    unten += t;
                    gu = std::max(gu, Betrag(t));
                }
                neu[i] = z == 0 || go <= gu ? oben : unten;
            }
            q = neu;
        }
    }
    return q;
}

// How far, to first order, the exact quotient moves where each coefficient of f that is no
// decimal itself stands for one up to 2^-53 of it away: the sum over those coefficients of the
// move of the quotient of f with that one changed by its noise, zeros refined anew. Empty where
// a changed f has no exact quotient (a multiple zero that the change splits).
QPoly Eingabenbewegung(const Referenz& r, const std::vector<Stelle>& stellen, const QPoly& soll) {
    QPoly bewegung(soll.size(), 0);
    for (std::size_t j = 0; j < r.A[0].size(); ++j) {
        if (r.rauschen[0][j] == 0) continue;
        Referenz g = r;
        g.A[0][j] += r.rauschen[0][j];
        for (std::size_t i = 1; i < 10; ++i) g.A[i] = Abgeleitet(g.A[i - 1]);
        const QPoly q = ExakterQuotient(g, stellen);
        if (q.size() != soll.size()) return {};
        for (std::size_t i = 0; i < soll.size(); ++i) bewegung[i] += Betrag(q[i] - soll[i]);
    }
    return bewegung;
}

class EngineSucheReferenz : public ::testing::Test {
  protected:
    // p as the window holds it: its term written and read back.
    PolynomT Gelesen(const PolynomT& p) {
        PolynomT q;
        bool ok = false;
        polynom::String2Poly(q, p.Term2String(), ok);
        EXPECT_TRUE(ok);
        return q;
    }

    void Pruefe(const PolynomT& p, Zaehler& z) {
        ++z.zuege;
        const Referenz r(p);
        std::vector<double> kp = {0.0}, ns = {0.0};
        polynom::FindeKP(p, kp, ns);
        const std::string term = p.Term2String();
        for (std::size_t k = 1; k < kp.size(); ++k) {
            ++z.kritisch;
            const bool gut = r.KritischBei(kp[k], 4);
            z.falsch += !gut;
            EXPECT_TRUE(gut) << term << " at " << kp[k];
            if (kp[k] == std::round(kp[k]) && std::fabs(kp[k]) < 4e5) {
                ++z.fang;
                const bool genau = r.KritischBei(kp[k], 0);
                z.fangFalsch += !genau;
                EXPECT_TRUE(genau) << term << " snapped to " << kp[k];
            }
        }
        for (std::size_t k = 1; k < ns.size(); ++k) {
            const bool gut = r.Null(0, ns[k], 4);
            z.falscheNull += !gut;
            EXPECT_TRUE(gut) << term << " zero " << ns[k];
        }
        Getrennt(r, ns, z, term);
        Quotient(r, p, z, term);
    }

    // Between two critical points of f at which |f| is clearly beyond the noise (four times it),
    // a sign change of f is a zero the data set apart from those beyond: one is listed there.
    void Getrennt(const Referenz& r, const std::vector<double>& ns, Zaehler& z,
                  const std::string& term) {
        std::vector<Quad> trenner = {-HUGE_VAL};
        for (Quad c : Vorzeichenwechsel(r.A[1])) {
            const double x = static_cast<double>(c);
            if (Betrag(Wert(r.A[0], c)) >
                4 * (r.Bei(r.rauschen, 0, x) + 1e-28 * r.Bei(r.groesse, 0, x)))
                trenner.push_back(c);
        }
        trenner.push_back(HUGE_VAL);
        const std::vector<Quad> nullstellen = Vorzeichenwechsel(r.A[0]);
        for (std::size_t i = 0; i + 1 < trenner.size(); ++i) {
            const auto innen = [&](Quad x) { return trenner[i] < x && x < trenner[i + 1]; };
            if (std::none_of(nullstellen.begin(), nullstellen.end(), innen)) continue;
            ++z.getrennt;
            const bool gelistet =
                std::any_of(ns.begin() + 1, ns.end(), [&](double x) { return innen(Quad(x)); });
            z.verschmolzen += !gelistet;
            EXPECT_TRUE(gelistet) << term << " between " << static_cast<double>(trenner[i])
                                  << " and " << static_cast<double>(trenner[i + 1]);
        }
    }

    void Quotient(const Referenz& r, const PolynomT& p, Zaehler& z, const std::string& term) {
        const PolynomT rest = Faktorrest(p);
        QPoly rq;
        for (int i = 0; i <= rest.grad(); ++i)
            rq.push_back(rest.Koeff[static_cast<std::size_t>(i)]);
        const bool mitNull = !Vorzeichenwechsel(rq).empty();
        z.restMitNull += mitNull;
        EXPECT_FALSE(mitNull) << term << ": the remainder " << rest.Term2String()
                              << " has a real zero";
        const std::vector<Stelle> stellen = KritischeStellen(p);
        const QPoly soll = ExakterQuotient(r, stellen);
        if (soll.empty()) return;
        ++z.quotienten;
        bool gut = static_cast<int>(soll.size()) == rest.grad() + 1;
        // A coefficient may be a decimal further off, as far as the quotient moves where f's
        // coefficients stand for the decimals they may have been typed as.
        QPoly bewegung;
        for (std::size_t k = 0; gut && k < soll.size(); ++k) {
            const double s = static_cast<double>(soll[k]);
            const Quad ab = Betrag(Quad(rest.Koeff[k]) - soll[k]);
            gut = ab <= 4 * Ulp(s) + 1e-300;
            if (gut || Val(Str(rest.Koeff[k])) != rest.Koeff[k]) continue;
            if (bewegung.empty()) bewegung = Eingabenbewegung(r, stellen, soll);
            gut = !bewegung.empty() && ab <= 4 * Ulp(s) + bewegung[k] * (1 + 0x1p-20);
            z.dezimal += gut;
        }
        z.quotientFalsch += !gut;
        EXPECT_TRUE(gut) << term << ": the remainder " << rest.Term2String();
    }

    void Melde(const std::string& name, const Zaehler& z) {
        RecordProperty(name + "_draws", z.zuege);
        RecordProperty(name + "_points", z.kritisch);
        RecordProperty(name + "_spurious_points", z.falsch);
        RecordProperty(name + "_spurious_zeros", z.falscheNull);
        RecordProperty(name + "_whole_points", z.fang);
        RecordProperty(name + "_snaps_off", z.fangFalsch);
        RecordProperty(name + "_separated", z.getrennt);
        RecordProperty(name + "_merged", z.verschmolzen);
        RecordProperty(name + "_quotients", z.quotienten);
        RecordProperty(name + "_quotients_off", z.quotientFalsch);
        RecordProperty(name + "_remainders_with_zero", z.restMitNull);
        RecordProperty(name + "_decimal_coefficients", z.dezimal);
    }
};

// The polynomial lead * prod (x - r) * (x^2 + b x + c) for each pair (b, c) in quadratisch, in 113
// bits, each coefficient rounded once.
PolynomT Ausmultipliziert(const std::vector<double>& r, double lead = 1,
                          const std::vector<std::array<double, 2>>& quadratisch = {}) {
    QPoly c = {lead};
    const auto mal = [&c](const QPoly& f) {
        QPoly d(c.size() + f.size() - 1, 0);
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = 0; j < f.size(); ++j) d[i + j] += c[i] * f[j];
        c = d;
    };
    for (double z : r) mal({-Quad(z), 1});
    for (const auto& q : quadratisch) mal({q[1], q[0], 1});
    PolynomT p;
    for (std::size_t i = 0; i < c.size() && i < 10; ++i) p.Koeff[i] = static_cast<double>(c[i]);
    return p;
}

// A pair b, c with b^2 < 4c at the scale s: a factor without real zeros.
std::array<double, 2> OhneNullstelle(std::mt19937_64& gen, double s) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    const double b = s * u(gen);
    return {b, b * b / 4 + s * s * (0.1 + std::fabs(u(gen)))};
}

// Zeros far from the origin: two to eight zeros of one decimal within 5 of a centre of one
// decimal at 100 to 100000, typed.
TEST_F(EngineSucheReferenz, ZerosFarFromTheOrigin) {
    std::mt19937_64 gen(101);
    std::uniform_real_distribution<double> lage(2.0, 5.0);
    std::uniform_int_distribution<int> versatz(-50, 50), anzahl(2, 8);
    Zaehler z;
    for (int zug = 0; zug < 500; ++zug) {
        const double mitte = std::round(std::pow(10.0, lage(gen)) * 10) / 10 * (zug % 2 ? -1 : 1);
        std::vector<double> r;
        const int n = anzahl(gen);
        while (static_cast<int>(r.size()) < n) {
            const double x = std::round((mitte + versatz(gen) / 10.0) * 10) / 10;
            if (std::find(r.begin(), r.end(), x) == r.end()) r.push_back(x);
        }
        Pruefe(Gelesen(Ausmultipliziert(r)), z);
    }
    Melde("far", z);
}

// Exact multiple zeros: halves and whole numbers, each once to four times, degree 2 to 9, with
// leading coefficients that keep every coefficient exact; listed once each, with its
// multiplicity, and exactly.
TEST_F(EngineSucheReferenz, ExactMultipleZeros) {
    std::mt19937_64 gen(202);
    std::uniform_int_distribution<int> lage(-12, 12), vielfach(1, 4), anzahl(1, 4);
    const double fuehrend[] = {1, -1, 2, 0.5, 3};
    Zaehler z;
    int vielfachheitFalsch = 0;
    for (int zug = 0; zug < 500; ++zug) {
        std::vector<double> verschieden, alle;
        const int k = anzahl(gen);
        while (static_cast<int>(verschieden.size()) < k && alle.size() < 9) {
            const double x = lage(gen) / 2.0;
            if (std::find(verschieden.begin(), verschieden.end(), x) != verschieden.end()) continue;
            verschieden.push_back(x);
            for (int m = vielfach(gen); m > 0 && alle.size() < 9; --m) alle.push_back(x);
        }
        if (alle.size() < 2) alle.push_back(alle.front() + 1), verschieden.push_back(alle.back());
        const PolynomT p = Ausmultipliziert(alle, fuehrend[zug % 5]);
        Pruefe(p, z);
        std::sort(verschieden.begin(), verschieden.end());
        std::vector<std::pair<double, int>> ist, soll;
        for (const Stelle& st : KritischeStellen(p))
            if (st.nullstelle) ist.push_back({st.x, st.vielfachheit});
        for (double x : verschieden)
            soll.push_back({x, static_cast<int>(std::count(alle.begin(), alle.end(), x))});
        vielfachheitFalsch += ist != soll;
        EXPECT_EQ(ist, soll) << p.Term2String();
    }
    RecordProperty("multiple_multiplicity_off", vielfachheitFalsch);
    Melde("multiple", z);
}

// Typed polynomials shifted by typed vectors, as the window shifts: zeros of one decimal, a
// double one among them in every third draw and a factor without real zeros in every other,
// moved by (x0; y0) with x0 of one decimal up to 1000 and y0 from -1 to 1, the term written and
// read back after the shift. In every other draw the zeros and x0 are whole, so the shifted
// coefficients are exact, as those of x^5 - 5x^3 + 4x shifted by (1000; -1).
TEST_F(EngineSucheReferenz, ShiftedTypedPolynomials) {
    std::mt19937_64 gen(303);
    std::uniform_int_distribution<int> lage(-30, 30), anzahl(2, 6), hub(-10, 10);
    std::uniform_real_distribution<double> weite(0.0, 3.0);
    Zaehler z;
    for (int zug = 0; zug < 500; ++zug) {
        const double einheit = zug % 2 ? 10.0 : 1.0;
        std::vector<double> r;
        const int n = anzahl(gen);
        while (static_cast<int>(r.size()) < n) r.push_back(lage(gen) / einheit);
        if (zug % 3 == 0) r.push_back(r.front());
        std::vector<std::array<double, 2>> q;
        if (zug % 4 < 2) q.push_back({std::round(OhneNullstelle(gen, 1)[0] * 10) / 10, 1.5});
        PolynomT p = Gelesen(Ausmultipliziert(r, 1, q));
        const double x0 =
            std::round(std::pow(10.0, weite(gen)) * einheit) / einheit * (zug % 8 < 4 ? 1 : -1);
        p.xVerschiebungUm(x0);
        p.Koeff[0] += hub(gen) / einheit;
        Pruefe(Gelesen(p), z);
    }
    Melde("shifted", z);
}

// Zeros of mixed magnitudes, 1e-6 to 1e6 of either sign, with a factor without real zeros in every
// other draw, typed.
TEST_F(EngineSucheReferenz, MixedMagnitudes) {
    std::mt19937_64 gen(404);
    std::uniform_real_distribution<double> exponent(-6.0, 6.0), eins(1.0, 9.99);
    std::uniform_int_distribution<int> anzahl(2, 7);
    Zaehler z;
    for (int zug = 0; zug < 500; ++zug) {
        std::vector<double> r;
        const int n = anzahl(gen);
        for (int i = 0; i < n; ++i)
            r.push_back((i % 2 ? -1 : 1) * std::pow(10.0, exponent(gen)) * (zug % 3 ? 1 : 1.5));
        std::vector<std::array<double, 2>> q;
        if (zug % 2 == 0 && n <= 7)
            q.push_back(OhneNullstelle(gen, std::pow(10.0, exponent(gen) / 2)));
        Pruefe(Gelesen(Ausmultipliziert(r, eins(gen), q)), z);
    }
    Melde("mixed", z);
}

// Huge zeros, 1e3 to 1e9 of either sign, beside the zero 0 (once or twice), some moderate zeros
// and a factor without real zeros, typed: the factor form divides the zero 0 out first and the
// large zeros from the constant term up.
TEST_F(EngineSucheReferenz, HugeZerosWithTheZeroZero) {
    std::mt19937_64 gen(505);
    std::uniform_real_distribution<double> exponent(3.0, 9.0), moderat(-3.0, 3.0);
    std::uniform_int_distribution<int> gross(1, 3), klein(0, 2);
    Zaehler z;
    for (int zug = 0; zug < 500; ++zug) {
        std::vector<double> r = {0.0};
        if (zug % 2) r.push_back(0.0);
        for (int i = gross(gen); i > 0; --i)
            r.push_back((i % 2 ? -1 : 1) * std::pow(10.0, exponent(gen)));
        for (int i = klein(gen); i > 0; --i) r.push_back(moderat(gen));
        std::vector<std::array<double, 2>> q;
        if (r.size() <= 7) q.push_back(OhneNullstelle(gen, std::pow(10.0, moderat(gen))));
        Pruefe(Gelesen(Ausmultipliziert(r, zug % 3 ? 1 : 100, q)), z);
    }
    Melde("huge_with_zero", z);
}

}  // namespace
