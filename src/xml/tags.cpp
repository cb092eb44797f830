#include "xml/tags.h"

#include <algorithm>

namespace zev::tags {

namespace {

constexpr std::span<const std::string_view> kSchule = kSchulBaum.namen;
constexpr std::span<const std::string_view> kKlasse = kKlassenBaum.namen;
constexpr std::span<const std::string_view> kLehrer = kLehrerBaum.namen;
constexpr std::span<const std::string_view> kSchueler = kSchuelerBaum.namen;

static_assert(kSchueler.size() <= TagIndex::kPositionen && kLehrer.size() <= TagIndex::kPositionen &&
                  kSchule.size() <= TagIndex::kPositionen,
              "positions fit the twin table");

struct Indizes {
    TagIndex schule{kSchule}, klasse{kKlasse}, lehrer{kLehrer}, schueler{kSchueler};
};
constexpr Indizes kIndizes; // built by the compiler: nothing to set up at run time

} // namespace

Tabelle SchulTags() {
    return kSchule;
}
Tabelle KlassenTags() {
    return kKlasse;
}
Tabelle LehrerTags() {
    return kLehrer;
}
Tabelle SchuelerTags() {
    return kSchueler;
}

const TagIndex& IndexFuer(Tabelle t) {
    if (t.data() == kLehrer.data()) return kIndizes.lehrer;
    if (t.data() == kSchueler.data()) return kIndizes.schueler;
    if (t.data() == kKlasse.data()) return kIndizes.klasse;
    return kIndizes.schule;
}

std::optional<int> TagIndexFrom(Tabelle tabelle, std::string_view name, std::optional<int> marker) {
    return IndexFuer(tabelle).Finden(name, std::max(2, marker.value_or(2)));
}

int TagNummer(Tabelle tabelle, std::string_view name) {
    return IndexFuer(tabelle).Nummer(name);
}

std::optional<int> TagIndexAb(Tabelle tabelle, int tagNummer, std::optional<int> marker) {
    return IndexFuer(tabelle).Ab(tagNummer, std::max(2, marker.value_or(2)));
}

} // namespace zev::tags
