#include "xml/tags.h"

#include <algorithm>

namespace zev::tags {

namespace {

// clang-format off
constexpr std::string_view kNie0 = "ganz böse Stelle";
constexpr std::string_view kNie1 = "undefinierter Tag";

constexpr std::array<std::string_view, SchuleEnde> kSchule = {
    kNie0, kNie1, "Alle_Schulen", "Schule", "Schulnummer", "Schuldaten", "Schulart", "Orgform", "Ganztag",
    "freie_Traeger", "Name", "Schulamt", "Rechtsstatus", "Traeger", "Gemeinde", "Standort", "PLZ", "Strasse",
    "EMail", "Internet", "Schulleiter", "Anrede", "Titel", "Name", "Telefon", "Unterrichtseinheit", "UE_ID",
    "Schulart", "Jahrgang", "Klasse", "Fach", "Kurs", "Bilingual", "Stunden", "Lehrer", "Nichteinschulung", "Art",
    "maennlich", "weiblich"};

constexpr std::array<std::string_view, KlasseEnde> kKlasse = {kNie0,         kNie1,         "Alle_Klassen", "Klasse",
                                                             "Schulnummer", "Klassenname", "Klassenbesonderheit"};

constexpr std::array<std::string_view, LehrerEnde> kLehrer = {
    kNie0, kNie1, "Alle_Lehrer", "Lehrer", "Schulnummer", "Lehrernummer", "Lehrerdaten", "freie_Traeger",
    "Grunddaten", "Name", "Vorname", "Titel", "Geschlecht", "Geburtsdatum", "Staatszugehoerigkeit",
    "Beschaeftigung", "Ausbildung", "Fach_Lehrb", "Stunden", "Lehramt", "Regelstunden", "Vertragsstunden",
    "Vertretung", "Arbeitszeitkonto", "Grund_mehr", "Anzahl_mehr", "Grund_minder", "Anzahl_minder",
    "Arbeitszeitregelung", "Grund_mehr", "Anzahl_mehr", "Grund_minder", "Anzahl_minder", "Anrechnungsstunden",
    "Grund", "Stunden", "Sonstiges", "Taetigkeit", "Personengruppe", "Klassenleiter", "Schulleiter",
    "Unterrichtseinheit", "Einsatz", "Art", "Jahrgang", "Stunden", "Zu_Abgang", "Zugang", "Art", "Datum", "Abgang",
    "Art", "Datum"};

constexpr std::array<std::string_view, SchuelerEnde> kSchueler = {
    kNie0, kNie1, "Alle_Schueler", "Schueler", "Schulnummer", "Schuelernummer", "Schuelerdaten", "Grunddaten",
    "Name", "Vorname", "Geschlecht", "Geburtsdatum", "Staatsangehoerigkeit", "Migrantenstatus", "Verkehrssprache",
    "Zuzug", "Einschulung", "Einschulungsart", "Einschulungsjahr", "Anschrift", "Gemeinde", "Wohnort", "PLZ",
    "Strasse", "vorherige_Schule", "Herkunft", "Schulart", "Jahrgang", "Jahrgangsdaten", "Klasse", "Jahrgang",
    "Schulart", "Wiederholer", "Empfehlung", "Schulartwechsel", "Ausland", "Auslaender", "LRS", "Dyskalkulie",
    "Ganztag", "Bildungsgang", "Extern", "Unterrichtseinheit", "Foerderbedarf", "Bedarf", "Tatsaechlich",
    "Fremdsprachen", "Erwerb", "Sprache", "Art", "Abschluss", "allgemeinbildender", "allgemein", "Jahr",
    "berufsbezogener", "Beruf", "Jahr", "Ausbildung", "Beruf", "Stellung", "Stunden", "Zeitform", "Standort"};

static_assert(kSchueler.size() <= TagIndex::kPositionen, "positions fit the twin table");
static_assert(kSchule.size() == 2 + 37 && kKlasse.size() == 2 + 5 && kLehrer.size() == 2 + 51 &&
              kSchueler.size() == 2 + 61);
// clang-format on

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
