#include "pages/guide_sections.h"

#include <array>

namespace zev {

namespace {

constexpr const char* kStart = "Die Startseite";
constexpr const char* kXml = "Die XML-Seiten";

constexpr std::array<const char*, 3> kSchule = {"Schul-Daten", "Freie Träger", "Unterrichtseinheiten der Schule"};
constexpr std::array<const char*, 5> kLehrer = {"Grunddaten, Ausbildung, Lehrbefähigung", "Stunden", "Arbeitszeit",
                                                "Sonstiges, PmsA, Zu- und Abgänge",
                                                "Unterrichtseinheiten eines Lehrers"};
constexpr std::array<const char*, 2> kKlassen = {"Klassendaten", "Unterrichtseinheiten-Gruppen"};
constexpr std::array<const char*, 5> kSchueler = {"Personendaten", "Jahrgangsdaten",
                                                  "Schullaufbahn, Förderbedarf, Fremdsprachen",
                                                  "Unterrichtseinheiten eines Schülers", "Abschluss und Ausbildung"};

template <std::size_t N> const char* Blatt(const std::array<const char*, N>& blaetter, int i, const char* sonst) {
    return i >= 0 && static_cast<std::size_t>(i) < N ? blaetter[static_cast<std::size_t>(i)] : sonst;
}

// A list area: sheets on its first tab, the XML text on its second.
template <std::size_t N>
const char* Listenbereich(const std::array<const char*, N>& blaetter, const char* bereich, int unterseite, int blatt) {
    if (unterseite == 1) return kXml;
    if (unterseite != 0) return bereich;
    return Blatt(blaetter, blatt, bereich);
}

bool IstBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Beschnitten(std::string_view s) {
    while (!s.empty() && IstBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (IstBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

} // namespace

std::string_view HandbuchAbschnitt(Seite seite, int unterseite, int blatt) {
    switch (seite) {
        case Seite::Start:
            return kStart;
        case Seite::Schule:
            // The school's three sheets are tabs of the area itself, the XML text after them.
            if (unterseite == static_cast<int>(kSchule.size())) return kXml;
            return Blatt(kSchule, unterseite, "Schule");
        case Seite::Lehrer:
            return Listenbereich(kLehrer, "Lehrer", unterseite, blatt);
        case Seite::Klassen:
            return Listenbereich(kKlassen, "Klassen", unterseite, blatt);
        case Seite::Schueler:
            return Listenbereich(kSchueler, "Schüler", unterseite, blatt);
    }
    return kStart;
}

std::vector<std::string_view> HandbuchAbschnitte() {
    std::vector<std::string_view> alle{kStart, "Schule"};
    alle.insert(alle.end(), kSchule.begin(), kSchule.end());
    alle.push_back("Lehrer");
    alle.insert(alle.end(), kLehrer.begin(), kLehrer.end());
    alle.push_back("Klassen");
    alle.insert(alle.end(), kKlassen.begin(), kKlassen.end());
    alle.push_back("Schüler");
    alle.insert(alle.end(), kSchueler.begin(), kSchueler.end());
    alle.push_back(kXml);
    return alle;
}

std::string HandbuchAnker(std::string_view ueberschrift) {
    std::string anker;
    for (std::size_t i = 0; i < ueberschrift.size(); ++i) {
        const auto c = static_cast<unsigned char>(ueberschrift[i]);
        if (c >= 'A' && c <= 'Z') {
            anker.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
            anker.push_back(static_cast<char>(c));
        } else if (c == ' ') {
            anker.push_back('-');
        } else if (c >= 0x80) {
            // A UTF-8 sequence is kept whole; the capitals À..Þ (C3 80..C3 9E, not
            // the multiplication sign C3 97) become their small letters.
            std::size_t laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            if (i + laenge > ueberschrift.size()) laenge = ueberschrift.size() - i;
            std::string zeichen(ueberschrift.substr(i, laenge));
            if (laenge == 2 && c == 0xC3) {
                const auto z = static_cast<unsigned char>(zeichen[1]);
                if (z >= 0x80 && z <= 0x9E && z != 0x97) zeichen[1] = static_cast<char>(z + 0x20);
            }
            anker += zeichen;
            i += laenge - 1;
        }
    }
    return anker;
}

std::vector<std::string> MarkdownUeberschriften(std::string_view markdown) {
    std::vector<std::string> ueberschriften;
    std::string_view zaun; // the fence of an open code block
    while (!markdown.empty()) {
        const std::size_t ende = markdown.find('\n');
        std::string_view zeile = markdown.substr(0, ende);
        markdown.remove_prefix(ende == std::string_view::npos ? markdown.size() : ende + 1);
        std::string_view eingerueckt = zeile;
        std::size_t blanks = 0;
        while (blanks < eingerueckt.size() && eingerueckt[blanks] == ' ') ++blanks;
        if (blanks > 3) continue; // indented code
        eingerueckt.remove_prefix(blanks);
        if (eingerueckt.starts_with("```") || eingerueckt.starts_with("~~~")) {
            const std::string_view fence = eingerueckt.substr(0, 3);
            if (zaun.empty())
                zaun = fence;
            else if (fence == zaun)
                zaun = {};
            continue;
        }
        if (!zaun.empty()) continue;
        std::size_t stufe = 0;
        while (stufe < eingerueckt.size() && eingerueckt[stufe] == '#') ++stufe;
        if (stufe == 0 || stufe > 6) continue;
        std::string_view text = eingerueckt.substr(stufe);
        if (!text.empty() && !IstBlank(text.front()) && text.front() != '\r') continue; // "#tag" is no heading
        text = Beschnitten(text);
        // A closing sequence of #s counts only after a blank.
        std::size_t schluss = text.size();
        while (schluss > 0 && text[schluss - 1] == '#') --schluss;
        if (schluss == 0)
            text = {};
        else if (schluss < text.size() && IstBlank(text[schluss - 1]))
            text = Beschnitten(text.substr(0, schluss));
        ueberschriften.emplace_back(text);
    }
    return ueberschriften;
}

} // namespace zev
