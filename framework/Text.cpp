#include "framework/Text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

constexpr int kStellen = 15;  // significant digits of Str(Double)

bool IstFolgebyte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Byte offset of the character at position `pos` (from 1); text.size() past the end.
std::size_t ByteVon(std::string_view text, std::int32_t pos) {
    std::size_t i = 0;
    for (std::int32_t n = 1; n < pos && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && IstFolgebyte(static_cast<unsigned char>(text[i]))) ++i;
    }
    return i;
}

std::int32_t ZeichenBis(std::string_view text, std::size_t bytes) {
    std::int32_t n = 0;
    for (std::size_t i = 0; i < bytes && i < text.size(); ++i)
        if (!IstFolgebyte(static_cast<unsigned char>(text[i]))) ++n;
    return n;
}

// |value| rounded to `stellen` significant digits, written positionally (no exponent).
std::string Stellenschrift(double value, int stellen) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             stellen - 1);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = sci.find('e');
    std::string ziffern;
    for (char c : sci.substr(0, e))
        if (c != '.') ziffern.push_back(c);
    int exponent = 0;
    std::string_view expText = sci.substr(e + 1);
    if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += ziffern;
        return out;
    }
    const auto ganz = static_cast<std::size_t>(exponent) + 1;
    if (ziffern.size() <= ganz) {
        out += ziffern;
        out.append(ganz - ziffern.size(), '0');
    } else {
        out += ziffern.substr(0, ganz);
        out += '.';
        out += ziffern.substr(ganz);
    }
    return out;
}

}  // namespace

std::string Str(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    if (value == 0.0) return "0";
    std::string text = Stellenschrift(value, kStellen);
    if (std::fabs(value) >= std::numeric_limits<double>::min()) return text;
    // Subnormal values carry fewer digits than 15: take the most digits whose text reads back
    // to a value with the same text, so that writing what was read changes nothing.
    for (int stellen = kStellen; stellen > 1; --stellen) {
        text = Stellenschrift(value, stellen);
        if (Stellenschrift(Val(text), stellen) == text) return text;
    }
    return Stellenschrift(value, 1);
}

std::string Str(std::int32_t value) {
    char buf[16];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    const std::size_t anfang = i;
    bool ziffer = false, punkt = false, ganzNichtNull = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
            if (!punkt && c != '0') ganzNichtNull = true;
        } else if (c == '.' && !punkt) {
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffer) return 0.0;
    double wert = 0.0;
    auto res =
        std::from_chars(text.data() + anfang, text.data() + i, wert, std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range)
        wert = ganzNichtNull ? std::numeric_limits<double>::infinity() : 0.0;
    return negativ ? -wert : wert;
}

std::optional<double> GetippteZahl(std::string_view text) {
    std::string s;
    for (std::size_t i = 0; i < text.size();) {
        const Zeichen z = ZeichenAb(text, i);
        i += z.laenge;
        if (!z.gueltig) return std::nullopt;
        if (IstLeerraum(z.code)) continue;
        if (z.code == U',') {
            s += '.';
        } else if (z.code == U'\u2212') {
            s += '-';
        } else if (z.code < 0x80) {
            s += static_cast<char>(z.code);
        } else {
            return std::nullopt;
        }
    }
    if (s.empty()) return 0.0;
    std::size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
    int ziffern = 0, punkte = 0;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            ++ziffern;
        } else if (s[i] == '.') {
            ++punkte;
        } else {
            return std::nullopt;
        }
    }
    if (ziffern == 0 || punkte > 1) return std::nullopt;
    return Val(s);
}

Zeichen ZeichenAb(std::string_view text, std::size_t at) {
    constexpr Zeichen kKaputt{0xFFFD, 1, false};
    const auto b0 = static_cast<unsigned char>(text[at]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t n = 0;
    char32_t code = 0, kleinster = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, code = b0 & 0x1F, kleinster = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, code = b0 & 0x0F, kleinster = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, code = b0 & 0x07, kleinster = 0x10000;
    } else {
        return kKaputt;
    }
    if (text.size() - at < n) return kKaputt;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[at + k]);
        if (!IstFolgebyte(b)) return kKaputt;
        code = (code << 6) | (b & 0x3F);
    }
    if (code < kleinster || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kKaputt;
    return {code, n, true};
}

bool IstLeerraum(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

std::int32_t InStr(std::string_view text, std::string_view what) {
    if (what.empty()) return 1;
    for (std::size_t p = text.find(what); p != std::string_view::npos; p = text.find(what, p + 1))
        if (!IstFolgebyte(static_cast<unsigned char>(text[p]))) return ZeichenBis(text, p) + 1;
    return 0;
}

std::string Mid(std::string_view text, std::int32_t start) {
    if (start < 1) start = 1;
    return std::string(text.substr(ByteVon(text, start)));
}

std::string Mid(std::string_view text, std::int32_t start, std::int32_t count) {
    if (start < 1 || count < 1) return "";
    const std::size_t von = ByteVon(text, start);
    const std::size_t bis = von + ByteVon(text.substr(von), count + 1);
    return std::string(text.substr(von, bis - von));
}

std::string Left(std::string_view text, std::int32_t count) {
    if (count < 1) return "";
    return std::string(text.substr(0, ByteVon(text, count + 1)));
}

std::int32_t Len(std::string_view text) {
    return ZeichenBis(text, text.size());
}

std::string Chr(std::int32_t code) {
    std::string out;
    const auto c = static_cast<std::uint32_t>(code);
    if (code < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

double Round(double x) {
    return std::round(x);
}
double Abs(double x) {
    return std::fabs(x);
}
double Min(double a, double b) {
    return b < a ? b : a;
}
double Max(double a, double b) {
    return b > a ? b : a;
}
double Pow(double base, double exponent) {
    return std::pow(base, exponent);
}

std::int32_t ToInt32(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::round(x);
    if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}
