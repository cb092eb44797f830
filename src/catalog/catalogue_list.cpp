#include "catalog/catalogue_list.h"

#include <algorithm>
#include <limits>

namespace zev {

namespace {
// An entry with more bracket pairs than this is searched directly instead.
constexpr std::size_t kHoechstePaare = 64;
} // namespace

void Katalog::clear() {
    e_.clear();
    indexAktuell_ = false;
}

void Katalog::push_back(std::string eintrag) {
    e_.push_back(std::move(eintrag));
    indexAktuell_ = false;
}

void Katalog::Setzen(std::size_t i, std::string eintrag) {
    if (i >= e_.size()) return;
    e_[i] = std::move(eintrag);
    indexAktuell_ = false;
}

void Katalog::Einfuegen(std::size_t i, std::string eintrag) {
    if (i > e_.size()) return;
    e_.insert(e_.begin() + static_cast<std::ptrdiff_t>(i), std::move(eintrag));
    indexAktuell_ = false;
}

void Katalog::Entfernen(std::size_t i) {
    if (i >= e_.size()) return;
    e_.erase(e_.begin() + static_cast<std::ptrdiff_t>(i));
    indexAktuell_ = false;
}

// Every occurrence of "[" + key + "]" in an entry is a pair of an opening bracket
// and a later closing one, so indexing the text of every such pair finds exactly
// the entries a substring search would find.
void Katalog::IndexAufbauen() const {
    index_.clear();
    ungeindext_.clear();
    index_.reserve(e_.size());
    std::vector<std::size_t> auf, zu;
    for (std::size_t i = 0; i < e_.size(); ++i) {
        const std::string& s = e_[i];
        auf.clear();
        zu.clear();
        for (std::size_t p = 0; p < s.size(); ++p) {
            if (s[p] == '[') auf.push_back(p);
            else if (s[p] == ']') zu.push_back(p);
        }
        if (auf.size() * zu.size() > kHoechstePaare) {
            ungeindext_.push_back(static_cast<int>(i));
            continue;
        }
        for (std::size_t o : auf)
            for (std::size_t c : zu)
                if (c > o) index_.try_emplace(s.substr(o + 1, c - o - 1), static_cast<int>(i));
    }
    indexAktuell_ = true;
}

int Katalog::FindeSchluessel(std::string_view key) const {
    if (!indexAktuell_) IndexAufbauen();
    int treffer = std::numeric_limits<int>::max();
    if (const auto it = index_.find(std::string(key)); it != index_.end()) treffer = it->second;
    if (!ungeindext_.empty()) {
        const std::string gesucht = "[" + std::string(key) + "]";
        for (int u : ungeindext_) {
            if (u >= treffer) break;
            if (e_[static_cast<std::size_t>(u)].find(gesucht) != std::string::npos) {
                treffer = u;
                break;
            }
        }
    }
    return treffer == std::numeric_limits<int>::max() ? -1 : treffer;
}

bool IsEmptyValue(std::string_view text) { return text.empty() || text == kNichts || text == kUnbekannt; }

std::string KeyOfEntry(std::string_view eintrag) {
    const auto auf = eintrag.find('[');
    if (auf == std::string_view::npos) return {};
    const auto zu = eintrag.find(']', auf + 1);
    if (zu == std::string_view::npos) return {};
    return std::string(eintrag.substr(auf + 1, zu - auf - 1));
}

bool ListContains(const Katalog& liste, std::string_view text) {
    return std::find(liste.begin(), liste.end(), text) != liste.end();
}

void CatalogueDisplayOfKey(const Katalog& liste, std::string_view key, std::string& ergebnis) {
    const int i = liste.FindeSchluessel(key);
    if (i >= 0) ergebnis = liste[static_cast<std::size_t>(i)];
}

int CatalogueIndexOfKey(const Katalog& liste, std::string_view key) { return std::max(0, liste.FindeSchluessel(key)); }

std::string TextteilVon(std::string_view eintrag) {
    return std::string(eintrag.substr(0, std::min(eintrag.size(), eintrag.find_first_of("\t;|"))));
}

} // namespace zev
