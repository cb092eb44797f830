// A list of display strings (a catalogue, or a display list looked up like one)
// and the lookups every page and check uses on it. Entries are Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zev {

// The display of a missing or unknown code, and the two marks of emptiness.
inline constexpr std::string_view kUnbekannt = " -???-; []";
inline constexpr std::string_view kNichts = "--";
inline constexpr std::string_view kLeer = "  - leer -";

class Katalog {
public:
    void clear();
    void push_back(std::string eintrag);
    // Replace, insert before or remove entry `i`; nothing happens when there is no
    // such entry (inserting: at most one past the end). The lookup index is rebuilt
    // at the next lookup, so none of them costs a scan.
    void Setzen(std::size_t i, std::string eintrag);
    void Einfuegen(std::size_t i, std::string eintrag);
    void Entfernen(std::size_t i);
    std::size_t size() const { return e_.size(); }
    bool empty() const { return e_.empty(); }
    const std::string& operator[](std::size_t i) const { return e_[i]; }
    const std::vector<std::string>& Eintraege() const { return e_; }
    auto begin() const { return e_.begin(); }
    auto end() const { return e_.end(); }

    // Index of the first entry that contains "[" + key + "]" anywhere, or -1.
    // Answered from an index built at the first lookup after a change, so large
    // catalogues cost a hash lookup, not a scan.
    int FindeSchluessel(std::string_view key) const;

private:
    void IndexAufbauen() const;

    std::vector<std::string> e_;
    mutable bool indexAktuell_ = false;
    mutable std::unordered_map<std::string, int> index_; // bracketed text -> first entry
    mutable std::vector<int> ungeindext_;                // entries with too many brackets to index
};

// True for "", "--" and " -???-; []".
bool IsEmptyValue(std::string_view text);

// The text between the first "[" and the "]" that follows it; "" when there is none.
std::string KeyOfEntry(std::string_view eintrag);

// True when one entry equals the text exactly.
bool ListContains(const Katalog& liste, std::string_view text);

// When an entry contains "[" + key + "]", `ergebnis` becomes the first such
// entry; otherwise it keeps what the caller put there.
void CatalogueDisplayOfKey(const Katalog& liste, std::string_view key, std::string& ergebnis);

// Index of the first entry that contains "[" + key + "]"; 0 (the placeholder) when none.
int CatalogueIndexOfKey(const Katalog& liste, std::string_view key);

// The text part of an entry: everything before its first tab, ";" or "|".
std::string TextteilVon(std::string_view eintrag);

} // namespace zev
