#include "plausi/conversions.h"

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

namespace zev {

Ganzzahl GanzzahlKonvertieren(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    int basis = 10;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        basis = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        basis = 16;
        i += 2;
    }
    std::int64_t wert = 0;
    bool ziffern = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int z;
        if (c >= '0' && c <= '9') z = c - '0';
        else if (basis == 16 && c >= 'a' && c <= 'f') z = c - 'a' + 10;
        else if (basis == 16 && c >= 'A' && c <= 'F') z = c - 'A' + 10;
        else return {false, negativ ? -wert : wert};
        const std::int64_t neu = wert * basis + z;
        const std::int64_t grenze = negativ ? std::int64_t{1} << 31 : std::numeric_limits<std::int32_t>::max();
        if (neu > grenze) return {false, negativ ? -wert : wert};
        wert = neu;
        ziffern = true;
    }
    return {ziffern, negativ ? -wert : wert};
}

std::optional<double> StundenKonvertieren(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    const std::size_t anfang = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++ziffern;
    }
    if (ziffern == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++exp;
        if (exp == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // The text is now known to be a plain number; read it independent of the locale.
    const std::string t(s.substr(anfang));
    locale_t c = ::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    const double v = ::strtod_l(t.c_str(), nullptr, c);
    ::freelocale(c);
    return v;
}

namespace {

// Day and month share their rule: `erste` lists the allowed first characters of
// two, `hoechste` the first character after which only `grenze` and below may follow.
bool TeilGueltig(std::string_view t, std::string_view erste, char hoechste, char grenze) {
    if (t.empty()) return false;
    if (t.size() == 1) return t[0] >= '1' && t[0] <= '9';
    const char a = t[0], b = t[1];
    if (erste.find(a) == std::string_view::npos || b < '0' || b > '9') return false;
    if (a == hoechste && b > grenze) return false;
    if ((a == ' ' || a == '0') && b == '0') return false;
    return true;
}

} // namespace

int DatumPruefen(std::string_view text, std::string_view vonJahr, std::string_view bisJahr) {
    if (text.size() < 6) return 0;
    const auto p1 = text.find('.');
    if (p1 == std::string_view::npos || p1 > 2) return 0;
    const std::string_view tag = text.substr(0, p1);
    const std::string_view rest = text.substr(p1 + 1);
    if (rest.size() < 4) return 0;
    const auto p2 = rest.find('.');
    if (p2 == std::string_view::npos || p2 > 2) return 0;
    const std::string_view monat = rest.substr(0, p2);
    const std::string_view jahrText = rest.substr(p2 + 1);

    if (!TeilGueltig(tag, " 0123", '3', '1')) return 0;
    if (!TeilGueltig(monat, " 01", '1', '2')) return 0;
    const Ganzzahl jahr = GanzzahlKonvertieren(jahrText);
    if (!jahr.ok) return 0;
    std::int64_t j = jahr.wert;
    if (j >= 1 && j <= 99) j += 1900;

    const Ganzzahl von = GanzzahlKonvertieren(vonJahr), bis = GanzzahlKonvertieren(bisJahr);
    if (!von.ok || !bis.ok) return 1; // no year lies within bounds that are none
    const auto grenze = [](std::int64_t g) { return (g >= 0 && g <= 98) ? g + 1900 : g; };
    return (grenze(von.wert) <= j && j <= grenze(bis.wert)) ? 2 : 1;
}

} // namespace zev
