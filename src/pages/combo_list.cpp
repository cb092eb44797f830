#include "pages/combo_list.h"

#include "model/encoding.h"

#include <algorithm>

namespace zev {

namespace {

// A sort key that puts "Ä" beside "A" and ignores case, for Windows-1252 bytes.
std::string Sortierschluessel(std::string_view s) {
    std::string k;
    k.reserve(s.size());
    for (unsigned char c : s) {
        switch (c) {
            case 0xC4:
            case 0xE4:
                k += "a~";
                break; // Ä ä
            case 0xD6:
            case 0xF6:
                k += "o~";
                break; // Ö ö
            case 0xDC:
            case 0xFC:
                k += "u~";
                break; // Ü ü
            case 0xDF:
                k += "ss";
                break; // ß
            default:
                k += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        }
    }
    return k;
}

KomboListe Aufbauen(std::vector<std::string> eintraege) {
    KomboListe l;
    l.texte.reserve(eintraege.size());
    for (std::string& e : eintraege) {
        l.texte.push_back(Cp1252ToUtf8(e));
        l.eintraege.push_back(std::move(e));
    }
    return l;
}

} // namespace

std::string KomboListe::Schluessel(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= eintraege.size()) return {};
    return Cp1252ToUtf8(KeyOfEntry(eintraege[static_cast<std::size_t>(index)]));
}

std::string KomboListe::Eintrag(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= eintraege.size()) return {};
    return eintraege[static_cast<std::size_t>(index)];
}

KomboListe KomboAus(const Katalog& katalog) {
    return Aufbauen(katalog.Eintraege());
}

KomboListe SortierteKomboAus(const Katalog& katalog) {
    std::vector<std::pair<std::string, std::string>> paare;
    paare.reserve(katalog.size());
    for (const std::string& e : katalog) paare.emplace_back(Sortierschluessel(e), e);
    std::stable_sort(paare.begin(), paare.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> eintraege;
    eintraege.reserve(paare.size());
    for (auto& p : paare) eintraege.push_back(std::move(p.second));
    return Aufbauen(std::move(eintraege));
}

int KomboIndexVonSchluessel(const KomboListe& liste, std::string_view schluesselUtf8) {
    return CatalogueIndexOfKey(liste.eintraege, Utf8ToCp1252(schluesselUtf8));
}

int IndexOfText(const KomboListe& liste, std::string_view textUtf8) {
    if (textUtf8.empty()) return 0;
    for (std::size_t i = 0; i < liste.texte.size(); ++i)
        if (liste.texte[i].find(textUtf8) != std::string::npos) return static_cast<int>(i);
    return 0;
}

} // namespace zev
