#include "xml/tags.h"

#include <algorithm>
#include <cstdint>

namespace zev::tags {

namespace {

constexpr std::string_view kNie0 = "ganz böse Stelle";
constexpr std::string_view kNie1 = "undefinierter Tag";

constexpr std::array<std::string_view, SchuleEnde> kSchule = {kNie0,          kNie1,
                                                              "Alle_Schulen", "Schule",
                                                              "Schulnummer",  "Schuldaten",
                                                              "Schulart",     "Orgform",
                                                              "Ganztag",      "freie_Traeger",
                                                              "Name",         "Schulamt",
                                                              "Rechtsstatus", "Traeger",
                                                              "Gemeinde",     "Standort",
                                                              "PLZ",          "Strasse",
                                                              "EMail",        "Internet",
                                                              "Schulleiter",  "Anrede",
                                                              "Titel",        "Name",
                                                              "Telefon",      "Unterrichtseinheit",
                                                              "UE_ID",        "Schulart",
                                                              "Jahrgang",     "Klasse",
                                                              "Fach",         "Kurs",
                                                              "Bilingual",    "Stunden",
                                                              "Lehrer",       "Nichteinschulung",
                                                              "Art",          "maennlich",
                                                              "weiblich"};

constexpr std::array<std::string_view, KlasseEnde> kKlasse = {
    kNie0, kNie1, "Alle_Klassen", "Klasse", "Schulnummer", "Klassenname", "Klassenbesonderheit"};

constexpr std::array<std::string_view, LehrerEnde> kLehrer = {kNie0,
                                                              kNie1,
                                                              "Alle_Lehrer",
                                                              "Lehrer",
                                                              "Schulnummer",
                                                              "Lehrernummer",
                                                              "Lehrerdaten",
                                                              "freie_Traeger",
                                                              "Grunddaten",
                                                              "Name",
                                                              "Vorname",
                                                              "Titel",
                                                              "Geschlecht",
                                                              "Geburtsdatum",
                                                              "Staatszugehoerigkeit",
                                                              "Beschaeftigung",
                                                              "Ausbildung",
                                                              "Fach_Lehrb",
                                                              "Stunden",
                                                              "Lehramt",
                                                              "Regelstunden",
                                                              "Vertragsstunden",
                                                              "Vertretung",
                                                              "Arbeitszeitkonto",
                                                              "Grund_mehr",
                                                              "Anzahl_mehr",
                                                              "Grund_minder",
                                                              "Anzahl_minder",
                                                              "Arbeitszeitregelung",
                                                              "Grund_mehr",
                                                              "Anzahl_mehr",
                                                              "Grund_minder",
                                                              "Anzahl_minder",
                                                              "Anrechnungsstunden",
                                                              "Grund",
                                                              "Stunden",
                                                              "Sonstiges",
                                                              "Taetigkeit",
                                                              "Personengruppe",
                                                              "Klassenleiter",
                                                              "Schulleiter",
                                                              "Unterrichtseinheit",
                                                              "Einsatz",
                                                              "Art",
                                                              "Jahrgang",
                                                              "Stunden",
                                                              "Zu_Abgang",
                                                              "Zugang",
                                                              "Art",
                                                              "Datum",
                                                              "Abgang",
                                                              "Art",
                                                              "Datum"};

constexpr std::array<std::string_view, SchuelerEnde> kSchueler = {kNie0,
                                                                  kNie1,
                                                                  "Alle_Schueler",
                                                                  "Schueler",
                                                                  "Schulnummer",
                                                                  "Schuelernummer",
                                                                  "Schuelerdaten",
                                                                  "Grunddaten",
                                                                  "Name",
                                                                  "Vorname",
                                                                  "Geschlecht",
                                                                  "Geburtsdatum",
                                                                  "Staatsangehoerigkeit",
                                                                  "Migrantenstatus",
                                                                  "Verkehrssprache",
                                                                  "Zuzug",
                                                                  "Einschulung",
                                                                  "Einschulungsart",
                                                                  "Einschulungsjahr",
                                                                  "Anschrift",
                                                                  "Gemeinde",
                                                                  "Wohnort",
                                                                  "PLZ",
                                                                  "Strasse",
                                                                  "vorherige_Schule",
                                                                  "Herkunft",
                                                                  "Schulart",
                                                                  "Jahrgang",
                                                                  "Jahrgangsdaten",
                                                                  "Klasse",
                                                                  "Jahrgang",
                                                                  "Schulart",
                                                                  "Wiederholer",
                                                                  "Empfehlung",
                                                                  "Schulartwechsel",
                                                                  "Ausland",
                                                                  "Auslaender",
                                                                  "LRS",
                                                                  "Dyskalkulie",
                                                                  "Ganztag",
                                                                  "Bildungsgang",
                                                                  "Extern",
                                                                  "Unterrichtseinheit",
                                                                  "Foerderbedarf",
                                                                  "Bedarf",
                                                                  "Tatsaechlich",
                                                                  "Fremdsprachen",
                                                                  "Erwerb",
                                                                  "Sprache",
                                                                  "Art",
                                                                  "Abschluss",
                                                                  "allgemeinbildender",
                                                                  "allgemein",
                                                                  "Jahr",
                                                                  "berufsbezogener",
                                                                  "Beruf",
                                                                  "Jahr",
                                                                  "Ausbildung",
                                                                  "Beruf",
                                                                  "Stellung",
                                                                  "Stunden",
                                                                  "Zeitform",
                                                                  "Standort"};

static_assert(kSchueler.size() <= 128, "positions fit the twin table");
static_assert(kSchule.size() == 2 + 37 && kKlasse.size() == 2 + 5 && kLehrer.size() == 2 + 51 &&
              kSchueler.size() == 2 + 61);

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

namespace {

// Per table: each name with its positions in ascending order, in an open-addressing
// table keyed by a cheap mix of length and three bytes. Element names of a file
// are looked up a few million times per import; a general hash of the whole name
// costs more than the rest of the reader's work per tag.
class Index {
public:
    constexpr explicit Index(Tabelle t) {
        for (int i = 2; i < static_cast<int>(t.size()); ++i) {
            Eintrag& e = Platz(t[static_cast<std::size_t>(i)]);
            e.name = t[static_cast<std::size_t>(i)];
            if (e.anzahl > 0)
                zwilling_[static_cast<std::size_t>(e.positionen[static_cast<std::size_t>(e.anzahl - 1)])] =
                    static_cast<std::int8_t>(i);
            e.positionen[static_cast<std::size_t>(e.anzahl++)] = static_cast<std::int8_t>(i);
        }
    }

    int Nummer(std::string_view name) const {
        const auto i = Finden(name, 2);
        return i ? *i : -1;
    }

    // From a name's first position to the first at or above `ab`.
    std::optional<int> Ab(int nummer, int ab) const {
        while (nummer >= 0 && nummer < ab) nummer = zwilling_[static_cast<std::size_t>(nummer)];
        if (nummer < 0) return std::nullopt;
        return nummer;
    }

    std::optional<int> Finden(std::string_view name, int ab) const {
        if (name.empty()) return std::nullopt;
        for (std::size_t h = Mix(name);; h = (h + 1) & kMaske) {
            const Eintrag& e = eintraege_[h];
            if (e.anzahl == 0) return std::nullopt;
            if (e.name == name) {
                for (int k = 0; k < e.anzahl; ++k)
                    if (e.positionen[static_cast<std::size_t>(k)] >= ab)
                        return e.positionen[static_cast<std::size_t>(k)];
                return std::nullopt;
            }
        }
    }

private:
    static constexpr std::size_t kGroesse = 256; // at least four times the names of the largest table
    static constexpr std::size_t kMaske = kGroesse - 1;
    struct Eintrag {
        std::string_view name;
        std::array<std::int8_t, 4> positionen{};
        int anzahl = 0;
    };

    static constexpr std::size_t Mix(std::string_view s) {
        const auto b = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(s[i])); };
        return (s.size() * 131 + b(0) * 31 + b(s.size() / 2) * 7 + b(s.size() - 1)) & kMaske;
    }

    constexpr Eintrag& Platz(std::string_view name) {
        for (std::size_t h = Mix(name);; h = (h + 1) & kMaske)
            if (eintraege_[h].anzahl == 0 || eintraege_[h].name == name) return eintraege_[h];
    }

    std::array<Eintrag, kGroesse> eintraege_{};
    // Per position the next position of the same name, -1 after the last.
    std::array<std::int8_t, 128> zwilling_ = [] {
        std::array<std::int8_t, 128> a{};
        a.fill(-1);
        return a;
    }();
};

struct Indizes {
    Index schule{kSchule}, klasse{kKlasse}, lehrer{kLehrer}, schueler{kSchueler};
};
constexpr Indizes kIndizes; // built by the compiler: no guard to check on every lookup

const Index& IndexFuer(Tabelle t) {
    if (t.data() == kLehrer.data()) return kIndizes.lehrer;
    if (t.data() == kSchueler.data()) return kIndizes.schueler;
    if (t.data() == kKlasse.data()) return kIndizes.klasse;
    return kIndizes.schule;
}

} // namespace

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
