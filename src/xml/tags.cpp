#include "xml/tags.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace zev::tags {

namespace {

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

static_assert(kSchule.size() == 2 + 37 && kKlasse.size() == 2 + 5 && kLehrer.size() == 2 + 51 &&
              kSchueler.size() == 2 + 61);

} // namespace

Tabelle SchulTags() { return kSchule; }
Tabelle KlassenTags() { return kKlasse; }
Tabelle LehrerTags() { return kLehrer; }
Tabelle SchuelerTags() { return kSchueler; }

namespace {

// Per table: each name with its positions in ascending order, so a lookup is one
// hash and a step over at most three positions.
using Index = std::unordered_map<std::string_view, std::vector<int>>;

Index IndexVon(Tabelle t) {
    Index idx;
    for (int i = 2; i < static_cast<int>(t.size()); ++i) idx[t[static_cast<std::size_t>(i)]].push_back(i);
    return idx;
}

const Index& IndexFuer(Tabelle t) {
    static const Index schule = IndexVon(kSchule), klasse = IndexVon(kKlasse), lehrer = IndexVon(kLehrer),
                       schueler = IndexVon(kSchueler);
    if (t.data() == kSchule.data()) return schule;
    if (t.data() == kKlasse.data()) return klasse;
    if (t.data() == kLehrer.data()) return lehrer;
    return schueler;
}

} // namespace

std::optional<int> TagIndexFrom(Tabelle tabelle, std::string_view name, std::optional<int> marker) {
    const Index& idx = IndexFuer(tabelle);
    const auto it = idx.find(name);
    if (it == idx.end()) return std::nullopt;
    const int ab = std::max(2, marker.value_or(2));
    for (int i : it->second)
        if (i >= ab) return i;
    return std::nullopt;
}

} // namespace zev::tags
