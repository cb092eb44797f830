// The student sheets without widgets: the screen model of the five sub-pages,
// how the student buffer is put on them (`ShowStudent`) and taken back
// (`CollectStudent`), the place combos, the foreign-language grid and the
// lesson-unit buttons.
#pragma once

#include "model/messages.h"
#include "model/records.h"
#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/date_mask.h"
#include "pages/field_binding.h"
#include "pages/page_check.h"
#include "pages/ue_grid.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zev {

class Kataloge;
class Steuerung;

inline constexpr std::array<const char*, 5> kSchuelerUnterseiten = {
    "Personendaten", "Jahrg.-daten", "Schullaufb./Förderbed./Fremdsp.", "Unt.-Einheiten", "Abschl./Ausbild."};
inline constexpr int kSchuelerFremdsprachenSeite = 2;

// The combos of the student pages that no single field names: the place
// combos and the foreign-language grid's columns, and the fixed value lists. The
// key boxes take their catalogue from their field's row.
struct SchuelerListen {
    KomboListe staat, gemeinden, bundeslaender;     // 29, 54, 48
    KomboListe erwerb, sprache, sprachArt;          // 26, 18, 51
    std::vector<std::string> jaNein, wochenstunden; // "Ja" "Nein", "4" to "40"
};
SchuelerListen SchuelerListenAufbauen(const Kataloge& k);

struct SchuelerSeite {
    // Above the sub-pages.
    std::string anzeigeName;   // "Name, Vorname"
    std::string anzeigeKlasse; // the class as stored

    // "Personendaten"
    std::string schuelernummer, id, name, vorname;
    int geschlecht = 0; // "???", "männlich", "weiblich"
    DatumsKasten geburtsdatum;
    CodeFeld staat, migrant, verkehrssprache;
    std::string zuzug;
    CodeFeld einschulungsart;
    std::string einschulungsjahr; // value combo
    std::string gemeinde, wohnort, plz, strasse;
    int anschriftOrt = 0, anschriftBundesland = 0, anschriftLand = 0; // 54, 48, 29

    // "Jahrg.-daten"
    std::string klasse;
    CodeFeld jahrgang, schulart, wiederholer, empfehlung, schulartwechsel, ausland, auslaender;
    std::string lrs, dyskalkulie; // value combos
    CodeFeld ganztag, bildungsgang, externeSchule;

    // "Schullaufb./Förderbed./Fremdsp."
    CodeFeld vorherigeSchule, herkunftSchulart, herkunftJahrgang;
    CodeFeld bedarf, tatsaechlich;
    CodeRaster fremdsprachen;

    // "Unt.-Einheiten"
    CodeRaster ue;
    Summenanzeige stundensumme;

    // "Abschl./Ausbild."
    CodeFeld allgemein;
    std::string allgemeinJahr; // value combo
    CodeFeld beruf;
    std::string berufJahr; // value combo
    CodeFeld ausbildungsberuf, stellung;
    std::string wochenstunden; // value combo
    CodeFeld zeitform;
    std::string standort, standortName;
    int ausbildungOrt = 0, ausbildungBundesland = 0, ausbildungLand = 0; // 54, 48, 29
};

// The group boxes of the sheets whose controls are placed from the rows below, in
// the order of the rows.
enum SchuelerKasten : int {
    kKastenPerson,     // "Personendaten"
    kKastenAnschrift,  // "Anschrift"
    kKastenJahrgang,   // "Jahrgangsdaten"
    kKastenVorher,     // "vorherige Schule (wenn Schule gewechselt wurde)"
    kKastenFoerder,    // "Förderbedarf"
    kKastenAbschluss,  // "Abschluss"
    kKastenAusbildung, // "Ausbildung"
};

// The fields of the sheets, each with the place of its control: a field is put on
// a sheet by its member above and one row here. Kept by hand: ID, the place combos,
// the grids, the lesson units (UESeite) and the head line.
using SchuelerBinder = Binder<TSchuelerDS, SchuelerSeite>;
inline constexpr std::array kSchuelerFelder = {
    SchuelerBinder::Text("Schuelernummer", &SchuelerSeite::schuelernummer,
                         {"Schülernummer", "schuelernummer", kKastenPerson, 120}),
    SchuelerBinder::Text("Grunddaten.Name", &SchuelerSeite::name, {"Name", "schuelerName", kKastenPerson, 260}),
    SchuelerBinder::Text("Grunddaten.Vorname", &SchuelerSeite::vorname,
                         {"Vorname", "schuelerVorname", kKastenPerson, 260}),
    SchuelerBinder::Wahl("Grunddaten.Geschlecht", &SchuelerSeite::geschlecht,
                         {"Geschlecht", "schuelerGeschlecht", kKastenPerson}),
    SchuelerBinder::Datum("Grunddaten.Geburtsdatum", &SchuelerSeite::geburtsdatum,
                          {"Geburtsdatum", "schuelerGeburtsdatum", kKastenPerson}),
    SchuelerBinder::Code("Grunddaten.Staatsangehoerigkeit", &SchuelerSeite::staat,
                         {"Staatsangehörigkeit", "", kKastenPerson}),
    SchuelerBinder::Code("Grunddaten.Migrantenstatus", &SchuelerSeite::migrant, {"Migrantenstatus", "", kKastenPerson}),
    SchuelerBinder::Code("Grunddaten.Verkehrssprache", &SchuelerSeite::verkehrssprache,
                         {"Verkehrssprache\n(wenn nicht deutsch)", "", kKastenPerson}),
    SchuelerBinder::Text("Grunddaten.Zuzug", &SchuelerSeite::zuzug, {"Zuzug", "zuzug", kKastenPerson, 60}),
    SchuelerBinder::Code("Grunddaten.Einschulung.Einschulungsart", &SchuelerSeite::einschulungsart,
                         {"Einschulungsart", "", kKastenPerson}),
    SchuelerBinder::Text("Grunddaten.Einschulung.Einschulungsjahr", &SchuelerSeite::einschulungsjahr,
                         {"Einschulungsjahr", "einschulungsjahr", kKastenPerson, 0, Platz::Werte::Katalog}),
    SchuelerBinder::Text("Grunddaten.Anschrift.Gemeinde", &SchuelerSeite::gemeinde,
                         {"Gemeinde", "gemeinde", kKastenAnschrift, 160}),
    SchuelerBinder::Text("Grunddaten.Anschrift.Wohnort", &SchuelerSeite::wohnort,
                         {"Wohnort", "wohnort", kKastenAnschrift, 240}),
    SchuelerBinder::Text("Grunddaten.Anschrift.PLZ", &SchuelerSeite::plz, {"PLZ", "plz", kKastenAnschrift, 70}),
    SchuelerBinder::Text("Grunddaten.Anschrift.Strasse", &SchuelerSeite::strasse,
                         {"Strasse", "strasse", kKastenAnschrift, 240}),
    SchuelerBinder::Text("Jahrgangsdaten.Klasse", &SchuelerSeite::klasse, {"Klasse", "klasse", kKastenJahrgang, 120}),
    SchuelerBinder::Code("Jahrgangsdaten.Jahrgang", &SchuelerSeite::jahrgang, {"Jahrgang", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Schulart", &SchuelerSeite::schulart, {"Schulart", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Wiederholer", &SchuelerSeite::wiederholer,
                         {"Wiederholer", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Empfehlung", &SchuelerSeite::empfehlung, {"Empfehlung", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Schulartwechsel", &SchuelerSeite::schulartwechsel,
                         {"Schulartwechsel (nach Probe-HJ)", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Ausland", &SchuelerSeite::ausland,
                         {"(Aufenthalt im) Ausland ", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Auslaender", &SchuelerSeite::auslaender, {"Ausländer", "", kKastenJahrgang}),
    SchuelerBinder::Text("Jahrgangsdaten.LRS", &SchuelerSeite::lrs,
                         {"LRS", "lrs", kKastenJahrgang, 0, Platz::Werte::Fest1}),
    SchuelerBinder::Text("Jahrgangsdaten.Dyskalkulie", &SchuelerSeite::dyskalkulie,
                         {"Dyskalkulie", "dyskalkulie", kKastenJahrgang, 0, Platz::Werte::Fest1}),
    SchuelerBinder::Code("Jahrgangsdaten.Ganztag", &SchuelerSeite::ganztag, {"Ganztag", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Bildungsgang", &SchuelerSeite::bildungsgang,
                         {"Bildungsgang", "", kKastenJahrgang}),
    SchuelerBinder::Code("Jahrgangsdaten.Extern", &SchuelerSeite::externeSchule,
                         {"Extern (in Schule ...)\n(zu Gast in der Schule; kommt aus ...)", "", kKastenJahrgang}),
    SchuelerBinder::Code("Grunddaten.vorherige_Schule", &SchuelerSeite::vorherigeSchule,
                         {"vorherige_Schule", "", kKastenVorher}),
    SchuelerBinder::Code("Grunddaten.Herkunft.Schulart", &SchuelerSeite::herkunftSchulart,
                         {"Schulart (des Vorjahres)", "", kKastenVorher}),
    SchuelerBinder::Code("Grunddaten.Herkunft.Jahrgang", &SchuelerSeite::herkunftJahrgang,
                         {"Jahrgang (des Vorjahres)", "", kKastenVorher}),
    SchuelerBinder::Code("Foerderbedarf.Bedarf", &SchuelerSeite::bedarf, {"Bedarf", "", kKastenFoerder}),
    SchuelerBinder::Code("Foerderbedarf.Tatsaechlich", &SchuelerSeite::tatsaechlich,
                         {"tatsächlich", "", kKastenFoerder}),
    // Only the first certificate of each kind is on the page.
    SchuelerBinder::Code("Abschluss.allgemeinbildender.allgemein", &SchuelerSeite::allgemein,
                         {"allgemein (-bild. Abschluss)", "", kKastenAbschluss}),
    SchuelerBinder::Text(
        "Abschluss.allgemeinbildender.Jahr", &SchuelerSeite::allgemeinJahr,
        {"Jahr", "allgemeinJahr", kKastenAbschluss, 0, Platz::Werte::Katalog, "Jahr (allgemeinbildender)"}),
    SchuelerBinder::Code("Abschluss.berufsbezogener.Beruf", &SchuelerSeite::beruf,
                         {"Beruf (berufsbez. Abschluss)", "", kKastenAbschluss}),
    SchuelerBinder::Text("Abschluss.berufsbezogener.Jahr", &SchuelerSeite::berufJahr,
                         {"Jahr", "berufJahr", kKastenAbschluss, 0, Platz::Werte::Katalog, "Jahr (berufsbezogener)"}),
    SchuelerBinder::Code("Ausbildung.Beruf", &SchuelerSeite::ausbildungsberuf,
                         {"(Ausbildungs-) Beruf (/Fachr.)", "", kKastenAusbildung}),
    SchuelerBinder::Code("Ausbildung.Stellung", &SchuelerSeite::stellung,
                         {"Stellung (im Beruf)", "", kKastenAusbildung}),
    SchuelerBinder::Text("Ausbildung.Stunden", &SchuelerSeite::wochenstunden,
                         {"(Wochen-) Stunden", "wochenstunden", kKastenAusbildung, 0, Platz::Werte::Fest2}),
    SchuelerBinder::Code("Ausbildung.Zeitform", &SchuelerSeite::zeitform, {"Zeitform", "", kKastenAusbildung}),
    SchuelerBinder::Text("Ausbildung.Standort", &SchuelerSeite::standort,
                         {"(gemeldeter) Standort", "standort", kKastenAusbildung, 160}),
    SchuelerBinder::Text("Ausbildung.Standort_Text", &SchuelerSeite::standortName,
                         {"Standort (Name)", "standortName", kKastenAusbildung, 300}),
};
static_assert(std::ranges::all_of(kSchuelerFelder, [](const auto& b) { return b.platz.kasten >= 0; }),
              "every field of the student sheets is placed in a box");
// Foreign languages: row k is element k as typed, gaps included.
inline constexpr std::array kSchuelerRaster = {
    SchuelerBinder::Raster(&SchuelerSeite::fremdsprachen, Packung::Keine, "Fremdsprachen.Erwerb",
                           "Fremdsprachen.Sprache", "Fremdsprachen.Art"),
};

// What the student pages need from around them.
class SchuelerDialoge {
public:
    virtual ~SchuelerDialoge() = default;
    // The lesson-unit chooser; the chosen UE-IDs (UTF-8), nothing for "abbrechen".
    virtual std::optional<std::vector<std::string>> UEAuswaehlen() = 0;
    virtual void Ergebnisfenster() = 0;
    virtual void Gruppenfenster() = 0;
};

class SchuelerSeitenLogik {
public:
    SchuelerSeitenLogik(Steuerung& st, SchuelerDialoge& dialoge, Meldungen& m);
    SchuelerSeitenLogik(const SchuelerSeitenLogik&) = delete;
    SchuelerSeitenLogik& operator=(const SchuelerSeitenLogik&) = delete;

    SchuelerSeite& Seite() { return s_; }
    const SchuelerSeite& Seite() const { return s_; }
    const SchuelerListen& Listen() const { return listen_; }
    const KatalogKombos& Kombos() const { return kombos_; }

    // Over the controller's student buffer.
    void Zeigen();
    void Uebernehmen();
    void ShowStudent(const TSchuelerDS& s);
    void CollectStudent(TSchuelerDS& s);
    // A date box is left: refused with its message when it cannot be taken.
    bool DatumVerlassen(DatumsKasten& k) { return zev::DatumVerlassen(k, m_); }

    // The place combos of the address: PLZ, Wohnort and Gemeinde from a place,
    // or Gemeinde from another state or country.
    void AnschriftOrtGewaehlt(int index);
    void AnschriftBundeslandGewaehlt(int index);
    void AnschriftLandGewaehlt(int index);
    // The place combos of the training place; each pick resets the other two.
    void AusbildungOrtGewaehlt(int index);
    void AusbildungBundeslandGewaehlt(int index);
    void AusbildungLandGewaehlt(int index);

    // A sub-page was chosen: the foreign-language descriptions are renewed.
    void UnterseiteGewechselt(int index);

    // "Unt.-Einheiten": the buttons shared with the teachers, and the class's group.
    UESeite& UE() { return ue_; }
    void UEGruppeHinzufuegen();

    // "diesen Schüler prüfen" and "alle Schüler prüfen (grosse PLAUSI)".
    PruefAusgang Pruefen();
    PruefAusgang GrossePlausi();

private:
    Steuerung& st_;
    SchuelerDialoge& dialoge_;
    Meldungen& m_;
    SchuelerListen listen_;
    KatalogKombos kombos_;
    SchuelerSeite s_;
    UESeite ue_;
};

} // namespace zev
