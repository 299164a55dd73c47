// The engine's part of one analysis: reading the text, the search for critical points and
// zeros, the factor form and the enclosed area, for polynomials of degree 1 to 9. Beside the
// search, GSL's solver for all complex roots of the same polynomials, as a peer measured in the
// same run (the program itself does not use GSL).
#include <benchmark/benchmark.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_poly.h>

#include <array>
#include <string>
#include <vector>

#include "engine/Dienste.h"

namespace {

struct Fall {
    const char* name;
    const char* text;
};

const Fall kFaelle[] = {
    {"1", "2x - 3"},
    {"2", "x^2 - 2"},
    {"3", "x^3 - x"},
    {"4", "x^4 - 5x^2 + 4"},
    {"5", "x^5 - 5x^3 + 4x + 1"},
    {"6", "x^6 - 14x^4 + 49x^2 - 36"},
    {"7", "x^7 + x + 1"},
    {"8", "3x^8 - 2x^5 + x^2 - 7"},
    {"9 whole zeros", "x^9 - 30x^7 + 273x^5 - 820x^3 + 576x"},
    // (x+1.9)(x+1.3)(x+0.7)(x+0.2)(x-0.3)(x-0.8)(x-1.1)(x-1.5)(x-1.9)
    {"9 nine real zeros",
     "x^9 - 1.5x^8 - 5.69x^7 + 8.761x^6 + 8.0881x^5 - 13.53845x^4 - 2.016411x^3"
     " + 5.3404699x^2 - 0.27025182x - 0.26017992"},
};
constexpr int kAnzahl = sizeof kFaelle / sizeof kFaelle[0];

PolynomT Gelesen(int i) {
    PolynomT p;
    bool ok = false;
    polynom::String2Poly(p, kFaelle[i].text, ok);
    return p;
}

void Lesen(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const std::string text = kFaelle[i].text;
    PolynomT p;
    bool ok = false;
    for (auto _ : state) {
        polynom::String2Poly(p, text, ok);
        benchmark::DoNotOptimize(p);
    }
    if (!ok) state.SkipWithError("text rejected");
}

void Suche(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const PolynomT p = Gelesen(i);
    std::vector<double> kp = {0.0}, ns = {0.0};
    for (auto _ : state) {
        polynom::FindeKP(p, kp, ns);
        benchmark::DoNotOptimize(ns.data());
    }
}

void Faktorform(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const PolynomT p = Gelesen(i);
    for (auto _ : state) benchmark::DoNotOptimize(p.Faktorform());
}

void Umrandet(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const PolynomT p = Gelesen(i);
    for (auto _ : state) benchmark::DoNotOptimize(p.Umrandet());
}

// All complex roots of the same polynomial with GSL (companion matrix and QR), its workspace
// made once, as a caller that solves many polynomials would.
void GslWurzeln(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const PolynomT p = Gelesen(i);
    const int n = p.grad();
    if (n < 1) {
        state.SkipWithError("constant");
        return;
    }
    gsl_set_error_handler_off();
    gsl_poly_complex_workspace* platz =
        gsl_poly_complex_workspace_alloc(static_cast<size_t>(n + 1));
    std::array<double, 18> wurzeln{};
    int status = GSL_SUCCESS;
    for (auto _ : state) {
        status = gsl_poly_complex_solve(p.Koeff.data(), static_cast<size_t>(n + 1), platz,
                                        wurzeln.data());
        benchmark::DoNotOptimize(wurzeln.data());
    }
    gsl_poly_complex_workspace_free(platz);
    if (status != GSL_SUCCESS) state.SkipWithError("no convergence");
}

// The four together, as one analysis run asks for them: the search done anew for each.
void Analyse(benchmark::State& state) {
    const int i = static_cast<int>(state.range(0));
    state.SetLabel(kFaelle[i].name);
    const std::string text = kFaelle[i].text;
    std::vector<double> kp = {0.0}, ns = {0.0};
    for (auto _ : state) {
        PolynomT p;
        bool ok = false;
        polynom::String2Poly(p, text, ok);
        polynom::FindeKP(p, kp, ns);
        benchmark::DoNotOptimize(p.Faktorform());
        benchmark::DoNotOptimize(p.Umrandet());
    }
}

BENCHMARK(Lesen)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Suche)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(GslWurzeln)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Faktorform)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Umrandet)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Analyse)->DenseRange(0, kAnzahl - 1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
