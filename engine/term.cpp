#include "engine/Dienste.h"
#include "engine/PolynomT.h"
#include "framework/Text.h"

std::string polynom::xhoch(std::int32_t n) {
    if (n == 1) return "x";
    if (n >= 2 && n <= 10) return "x^" + Str(n);
    return "";
}

std::string PolynomT::Term2String() const {
    std::string t;
    bool erster = true;
    for (int i = 0; i <= grad(); ++i) {
        const double a = Koeff[i];
        if (a == 0.0) continue;
        if (a < 0.0) {
            t += "- ";
            erster = false;
        } else if (a > 0.0) {
            if (!erster) t += "+ ";
            erster = false;
        }
        // A coefficient whose text is "1" reads back as exactly 1, which is written without a
        // text; leaving the text out already here keeps writing what was read unchanged.
        const std::string zahl = Str(Abs(a));
        if (!(i > 0 && zahl == "1")) t += zahl;
        t += polynom::xhoch(i);
        t += "  ";
    }
    return t.empty() ? "0" : t;
}
