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
#include "pages/ue_grid.h"

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

// The combos of the student pages, filled once from the loaded catalogues. The
// value lists only offer texts; their combos hold the stored value itself.
struct SchuelerListen {
    KomboListe staat, migrant, verkehrssprache, einschulungsart; // 29, 31, 50, 6
    KomboListe gemeinden, bundeslaender;                         // 54, 48
    KomboListe jahrgang, schulart, wiederholer, empfehlung;      // 27, 39, 7, 40
    KomboListe ganztag, bildungsgang, schulen;                   // 20, 12, 103
    KomboListe jahrgangVorjahr, foerderbedarf;                   // 25, 17
    KomboListe erwerb, sprache, sprachArt;                       // 26, 18, 51
    KomboListe allgemein, beruf, ausbildungsberuf;               // 2, 10, 53
    KomboListe stellung, zeitform;                               // 45, 46
    std::vector<std::string> einschulungsjahre, abschlussjahre;  // 106, 105
    std::vector<std::string> jaNein, wochenstunden;              // "Ja" "Nein", "4" to "40"
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
    std::string stundensumme = "0";

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

// What the student pages need from around them.
class SchuelerDialoge {
public:
    virtual ~SchuelerDialoge() = default;
    // The lesson-unit chooser; the chosen UE-IDs (UTF-8), nothing for "abbrechen".
    virtual std::optional<std::vector<std::string>> UEAuswaehlen() = 0;
};

class SchuelerSeitenLogik {
public:
    SchuelerSeitenLogik(Steuerung& st, SchuelerDialoge& dialoge, Meldungen& m);
    SchuelerSeitenLogik(const SchuelerSeitenLogik&) = delete;
    SchuelerSeitenLogik& operator=(const SchuelerSeitenLogik&) = delete;

    SchuelerSeite& Seite() { return s_; }
    const SchuelerSeite& Seite() const { return s_; }
    const SchuelerListen& Listen() const { return listen_; }

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

    // "Unt.-Einheiten"
    void UEHinzufuegen();
    void UEGruppeHinzufuegen();
    void UEAnsichtAktualisieren();
    void UELeereZeile();
    void UELoeschen();
    void UEAlleLoeschen();

    // "diesen Schüler prüfen"
    void Pruefen();

private:
    Steuerung& st_;
    SchuelerDialoge& dialoge_;
    Meldungen& m_;
    SchuelerListen listen_;
    SchuelerSeite s_;
};

} // namespace zev
