// The field tables of the records: school, lesson unit, teacher, class, student
// and settings, one row per field (the row type is described in field_table.h).
//
// A table lists its fields in the order of the record's exchange file; fields the
// file does not carry stand at their place in the record. Each row names its member
// once: offset, width, entry count and the dump name all come from it.
#pragma once

#include "model/field_table.h"
#include "model/records.h"
#include "model/settings.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace zev::felder {

template <class F> constexpr std::uint16_t BreiteVon() {
    if constexpr (requires { F::Kapazitaet; })
        return static_cast<std::uint16_t>(F::Kapazitaet);
    else
        return static_cast<std::uint16_t>(sizeof(F));
}

// A group of entries counts from entry 1; the school's arrays have an unused entry 0.
template <class R> constexpr std::uint32_t ErstesOrt() {
    return static_cast<std::uint32_t>((1 - R::Erster) * sizeof(typename R::Element));
}
template <class R> constexpr std::uint16_t AbEins() {
    return static_cast<std::uint16_t>(R::Letzter);
}

// clang-format off
#define ZEV_TYP(T, m) std::remove_cvref_t<decltype(std::declval<T&>().m)>
// A field of its own.
#define ZEV_FELD(T, m, x) .pfad = #m, .xml = x, .ort = offsetof(T, m), .breite = BreiteVon<ZEV_TYP(T, m)>()
// A field of its own whose dump name is not its member path.
#define ZEV_FELD_ALS(T, m, name, x) .pfad = name, .xml = x, .ort = offsetof(T, m), .breite = BreiteVon<ZEV_TYP(T, m)>()
// A repeated field whose entries are elements side by side.
#define ZEV_LISTE(T, m, x) .pfad = #m, .xml = x,                                                                 \
    .ort = static_cast<std::uint32_t>(offsetof(T, m)) + ErstesOrt<ZEV_TYP(T, m)>(),                             \
    .breite = BreiteVon<ZEV_TYP(T, m)::Element>(), .anzahl = AbEins<ZEV_TYP(T, m)>(),                            \
    .abstand = sizeof(ZEV_TYP(T, m)::Element), .wiederholung = Wiederholung::Liste
// A list of lesson-unit references; the width is that of the identifier text.
#define ZEV_VERWEISE(T, m, x) .pfad = #m, .xml = x, .ort = offsetof(T, m),                                       \
    .breite = BreiteVon<decltype(TUEVerweis::UE_ID)>(), .anzahl = AbEins<ZEV_TYP(T, m)>(),                      \
    .abstand = sizeof(TUEVerweis), .wiederholung = Wiederholung::Liste
// Field `m` of every entry of group `g`.
#define ZEV_GRUPPE(T, g, m, w, x) .pfad = #m, .gruppe = #g, .xml = x,                                            \
    .ort = static_cast<std::uint32_t>(offsetof(T, g) + offsetof(ZEV_TYP(T, g)::Element, m)) + ErstesOrt<ZEV_TYP(T, g)>(), \
    .breite = BreiteVon<ZEV_TYP(T, g.e[0].m)>(), .anzahl = AbEins<ZEV_TYP(T, g)>(),                             \
    .abstand = sizeof(ZEV_TYP(T, g)::Element), .wiederholung = w
// The head every teacher, class and student record starts with.
#define ZEV_KOPF(T, nummer, xnummer)                                                                             \
    Feld{ZEV_FELD(T, ID, ""), .art = Art::Zahl, .ausgabe = Ausgabe::Nie},                                       \
    Feld{ZEV_FELD(T, Warnungen, ""), .art = Art::Zahl, .ausgabe = Ausgabe::Nie},                                \
    Feld{ZEV_FELD(T, Fehler, ""), .art = Art::Zahl, .ausgabe = Ausgabe::Nie},                                   \
    Feld{ZEV_FELD(T, Schulnummer, "Schulnummer"), .neuLeer = false},                                            \
    Feld{ZEV_FELD(T, nummer, xnummer)}

using enum Art;
using enum Ausgabe;
using enum Wiederholung;

// The school's lesson unit. Its element paths are those in the school file.
#define UE "Schuldaten/Unterrichtseinheit/"
inline constexpr std::array kUnterrichtseinheit = {
    Feld{ZEV_FELD(TUnterrichtseinheitDS, UE_ID, UE "UE_ID"), .art = Zahl},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, UE_ID_Text, ""), .ausgabe = Nie},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Schulart, UE "Schulart"), .art = Code, .katalog = 39},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Jahrgang, UE "Jahrgang"), .art = Code, .katalog = 27},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Klasse, UE "Klasse")},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Fach, UE "Fach"), .art = Code, .katalog = 14},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Fach_Text, ""), .ausgabe = Nie},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Kurs, UE "Kurs"), .art = Code, .katalog = 28},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Bilingual, UE "Bilingual"), .art = Code, .katalog = 13},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Stunden, UE "Stunden"), .katalog = 107},
    Feld{ZEV_FELD(TUnterrichtseinheitDS, Lehrer, UE "Lehrer")},
};
#undef UE

// The school's lesson units as rows of the school record: entries 1..1000.
constexpr Feld AlsSchulUE(Feld f) {
    f.gruppe = "Unterrichtseinheit";
    f.ort += static_cast<std::uint32_t>(offsetof(TSchuleDS, Unterrichtseinheit) + sizeof(TUnterrichtseinheitDS));
    f.anzahl = 1000;
    f.abstand = sizeof(TUnterrichtseinheitDS);
    f.wiederholung = BlockJe;
    f.eintrag = Eintrag::ErstesOderNummer;
    return f;
}

#define FT "Schuldaten/freie_Traeger/"
inline constexpr std::array kSchuleVorUE = {
    Feld{ZEV_FELD(TSchuleDS, Schulnummer, "Schulnummer"), .neuLeer = false},
    Feld{ZEV_LISTE(TSchuleDS, Schuldaten.Schulart, "Schuldaten/Schulart"), .art = Code, .katalog = 39,
         .ausgabe = HatLaenge, .erstesImmer = true},
    // Written joined with its free text (code "41"), read back split.
    Feld{ZEV_FELD(TSchuleDS, Schuldaten.Orgform, "Schuldaten/Orgform"), .art = Code, .katalog = 32, .ausgabe = Eigen},
    Feld{ZEV_FELD_ALS(TSchuleDS, Schuldaten.Orgform_Text, "Orgform_Text", ""), .ausgabe = Nie},
    Feld{ZEV_FELD(TSchuleDS, Schuldaten.Ganztag, "Schuldaten/Ganztag"), .art = Code, .katalog = 19,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Name, FT "Name")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Schulamt, FT "Schulamt"), .art = Code, .katalog = 38},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Rechtsstatus, FT "Rechtsstatus"), .art = Code, .katalog = 37},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Traeger, FT "Traeger"), .art = Code, .katalog = 42},
    // Gemeinde, Standort and PLZ are filled together from a place of catalogue 54.
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Gemeinde, FT "Gemeinde")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Standort, FT "Standort")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.PLZ, FT "PLZ")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Strasse, FT "Strasse")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.EMail, FT "EMail")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Internet, FT "Internet")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Schulleiter.Anrede, FT "Schulleiter/Anrede"), .katalog = 101},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Schulleiter.Titel, FT "Schulleiter/Titel")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Schulleiter.Name, FT "Schulleiter/Name")},
    Feld{ZEV_FELD(TSchuleDS, freie_Traeger.Schulleiter.Telefon, FT "Schulleiter/Telefon")},
};
#undef FT

#define NE "Schuldaten/Nichteinschulung/"
inline constexpr std::array kSchuleNachUE = {
    Feld{ZEV_GRUPPE(TSchuleDS, Nichteinschulung, Art, BlockJe, NE "Art"), .art = Code, .katalog = 4,
         .eintrag = Eintrag::ErstesHatLaenge},
    Feld{ZEV_GRUPPE(TSchuleDS, Nichteinschulung, maennlich, BlockJe, NE "maennlich"),
         .eintrag = Eintrag::ErstesHatLaenge},
    Feld{ZEV_GRUPPE(TSchuleDS, Nichteinschulung, weiblich, BlockJe, NE "weiblich"),
         .eintrag = Eintrag::ErstesHatLaenge},
};
#undef NE

constexpr auto SchulTabelle() {
    std::array<Feld, kSchuleVorUE.size() + kUnterrichtseinheit.size() + kSchuleNachUE.size()> t{};
    std::size_t n = 0;
    for (const Feld& f : kSchuleVorUE) t[n++] = f;
    for (const Feld& f : kUnterrichtseinheit) t[n++] = AlsSchulUE(f);
    for (const Feld& f : kSchuleNachUE) t[n++] = f;
    return t;
}
inline constexpr auto kSchule = SchulTabelle();

#define LG "Lehrerdaten/freie_Traeger/Grunddaten/"
#define LS "Lehrerdaten/freie_Traeger/Stunden/"
#define FR "Lehrerdaten/freie_Traeger/"
#define SO "Lehrerdaten/Sonstiges/"
inline constexpr std::array kLehrer = {
    ZEV_KOPF(TLehrerDS, Lehrernummer, "Lehrernummer"),
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Name, LG "Name"), .neuLeer = false},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Vorname, LG "Vorname")},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Titel, LG "Titel")},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Geschlecht, LG "Geschlecht"), .art = Auswahl},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Geburtsdatum, LG "Geburtsdatum"), .art = Datum},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Staatszugehoerigkeit, LG "Staatszugehoerigkeit"), .art = Code, .katalog = 29},
    Feld{ZEV_FELD(TLehrerDS, Grunddaten.Beschaeftigung, LG "Beschaeftigung"), .art = Code, .katalog = 11},
    Feld{ZEV_LISTE(TLehrerDS, Grunddaten.Ausbildung, LG "Ausbildung"), .art = Code, .katalog = 34,
         .ausgabe = NichtLeer},
    Feld{ZEV_LISTE(TLehrerDS, Grunddaten.Fach_Lehrb, LG "Fach_Lehrb"), .art = Code, .katalog = 15,
         .ausgabe = NichtLeer, .erstesImmer = true},
    Feld{ZEV_LISTE(TLehrerDS, Stunden.Lehramt, LS "Lehramt"), .art = Code, .katalog = 30, .ausgabe = NichtLeer,
         .erstesImmer = true},
    Feld{ZEV_FELD(TLehrerDS, Stunden.Regelstunden, LS "Regelstunden")},
    Feld{ZEV_FELD(TLehrerDS, Stunden.Vertragsstunden, LS "Vertragsstunden")},
    Feld{ZEV_FELD(TLehrerDS, Stunden.Vertretung, LS "Vertretung")},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitkonto, Grund_mehr, Block, FR "Arbeitszeitkonto/Grund_mehr"), .art = Code,
         .katalog = 23},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitkonto, Anzahl_mehr, Block, FR "Arbeitszeitkonto/Anzahl_mehr"),
         .katalog = 107},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitkonto, Grund_minder, Block, FR "Arbeitszeitkonto/Grund_minder"),
         .art = Code, .katalog = 23},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitkonto, Anzahl_minder, Block, FR "Arbeitszeitkonto/Anzahl_minder"),
         .katalog = 107},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitregelung, Grund_mehr, Block, FR "Arbeitszeitregelung/Grund_mehr"),
         .art = Code, .katalog = 22},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitregelung, Anzahl_mehr, Block, FR "Arbeitszeitregelung/Anzahl_mehr"),
         .katalog = 107},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitregelung, Grund_minder, Block, FR "Arbeitszeitregelung/Grund_minder"),
         .art = Code, .katalog = 22},
    Feld{ZEV_GRUPPE(TLehrerDS, Arbeitszeitregelung, Anzahl_minder, Block, FR "Arbeitszeitregelung/Anzahl_minder"),
         .katalog = 107},
    Feld{ZEV_GRUPPE(TLehrerDS, Anrechnungsstunden, Grund, Block, FR "Anrechnungsstunden/Grund"), .art = Code,
         .katalog = 8},
    Feld{ZEV_GRUPPE(TLehrerDS, Anrechnungsstunden, Stunden, Block, FR "Anrechnungsstunden/Stunden"), .katalog = 107},
    Feld{ZEV_FELD(TLehrerDS, Sonstiges.Taetigkeit, SO "Taetigkeit"), .art = Code, .katalog = 5},
    Feld{ZEV_LISTE(TLehrerDS, Sonstiges.Personengruppe, SO "Personengruppe"), .art = Code, .katalog = 33,
         .ausgabe = NichtLeer, .erstesImmer = true},
    Feld{ZEV_FELD(TLehrerDS, Sonstiges.Klassenleiter, SO "Klassenleiter"), .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TLehrerDS, Sonstiges.Schulleiter, SO "Schulleiter"), .art = Auswahl, .ausgabe = Gewaehlt},
    Feld{ZEV_VERWEISE(TLehrerDS, Unterrichtseinheit, SO "Unterrichtseinheit"), .art = Verweise,
         .ausgabe = Verwendet, .erstesImmer = true, .neuLeer = false},
    Feld{ZEV_GRUPPE(TLehrerDS, Einsatz, Art, Block, "Lehrerdaten/Einsatz/Art"), .art = Code, .katalog = 35},
    Feld{ZEV_GRUPPE(TLehrerDS, Einsatz, Jahrgang, Block, "Lehrerdaten/Einsatz/Jahrgang"), .art = Code, .katalog = 27},
    Feld{ZEV_GRUPPE(TLehrerDS, Einsatz, Stunden, Block, "Lehrerdaten/Einsatz/Stunden"), .katalog = 107},
    Feld{ZEV_FELD(TLehrerDS, Zu_Abgang.Zugang.Art, "Lehrerdaten/Zu_Abgang/Zugang/Art"), .wiederholung = BlockJe,
         .art = Code, .katalog = 47, .eintrag = Eintrag::ArtOderDatum},
    Feld{ZEV_FELD(TLehrerDS, Zu_Abgang.Zugang.Datum, "Lehrerdaten/Zu_Abgang/Zugang/Datum"), .wiederholung = BlockJe,
         .art = Datum, .eintrag = Eintrag::ArtOderDatum, .neuLeer = false},
    Feld{ZEV_FELD(TLehrerDS, Zu_Abgang.Abgang.Art, "Lehrerdaten/Zu_Abgang/Abgang/Art"), .wiederholung = BlockJe,
         .art = Code, .katalog = 1, .eintrag = Eintrag::ArtOderDatum},
    Feld{ZEV_FELD(TLehrerDS, Zu_Abgang.Abgang.Datum, "Lehrerdaten/Zu_Abgang/Abgang/Datum"), .wiederholung = BlockJe,
         .art = Datum, .eintrag = Eintrag::ArtOderDatum, .neuLeer = false},
};
#undef LG
#undef LS
#undef FR
#undef SO

inline constexpr std::array kKlasse = {
    ZEV_KOPF(TKlasseDS, Klassenname, "Klassenname"),
    Feld{ZEV_LISTE(TKlasseDS, Klassenbesonderheit, "Klassenbesonderheit"), .art = Code, .katalog = 52,
         .ausgabe = HatLaenge},
    // The class file carries no lesson units.
    Feld{ZEV_VERWEISE(TKlasseDS, Unterrichtseinheit, ""), .art = Verweise, .ausgabe = Nie},
};

#define SG "Schuelerdaten/Grunddaten/"
#define SJ "Schuelerdaten/Jahrgangsdaten/"
#define AB "Schuelerdaten/Abschluss/"
#define AU "Schuelerdaten/Ausbildung/"
inline constexpr std::array kSchueler = {
    ZEV_KOPF(TSchuelerDS, Schuelernummer, "Schuelernummer"),
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Name, SG "Name"), .neuLeer = false},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Vorname, SG "Vorname")},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Geschlecht, SG "Geschlecht"), .art = Auswahl},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Geburtsdatum, SG "Geburtsdatum"), .art = Datum},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Staatsangehoerigkeit, SG "Staatsangehoerigkeit"), .art = Code,
         .katalog = 29},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Migrantenstatus, SG "Migrantenstatus"), .art = Code, .katalog = 31,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Verkehrssprache, SG "Verkehrssprache"), .art = Code, .katalog = 50},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Zuzug, SG "Zuzug")},
    // The file has the kind of enrolment before its year, the record the other way round.
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Einschulung.Einschulungsart, SG "Einschulung/Einschulungsart"), .art = Code,
         .katalog = 6},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Einschulung.Einschulungsjahr, SG "Einschulung/Einschulungsjahr"),
         .katalog = 106},
    // Gemeinde, Wohnort and PLZ are filled together from a place of catalogue 54 (or 48, 29).
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Anschrift.Gemeinde, SG "Anschrift/Gemeinde")},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Anschrift.Wohnort, SG "Anschrift/Wohnort")},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Anschrift.PLZ, SG "Anschrift/PLZ")},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Anschrift.Strasse, SG "Anschrift/Strasse")},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.vorherige_Schule, SG "vorherige_Schule"), .art = Code, .katalog = 103},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Herkunft.Schulart, SG "Herkunft/Schulart"), .art = Code, .katalog = 39},
    Feld{ZEV_FELD(TSchuelerDS, Grunddaten.Herkunft.Jahrgang, SG "Herkunft/Jahrgang"), .art = Code, .katalog = 25},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Klasse, SJ "Klasse")},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Jahrgang, SJ "Jahrgang"), .art = Code, .katalog = 27},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Schulart, SJ "Schulart"), .art = Code, .katalog = 39},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Wiederholer, SJ "Wiederholer"), .art = Code, .katalog = 7,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Empfehlung, SJ "Empfehlung"), .art = Code, .katalog = 40,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Schulartwechsel, SJ "Schulartwechsel"), .art = Code, .katalog = 39,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Ausland, SJ "Ausland"), .art = Code, .katalog = 29,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Auslaender, SJ "Auslaender"), .art = Code, .katalog = 29,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.LRS, SJ "LRS")},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Dyskalkulie, SJ "Dyskalkulie")},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Ganztag, SJ "Ganztag"), .art = Code, .katalog = 20,
         .ausgabe = NichtLeer},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Bildungsgang, SJ "Bildungsgang"), .art = Code, .katalog = 12},
    Feld{ZEV_FELD(TSchuelerDS, Jahrgangsdaten.Extern, SJ "Extern"), .art = Code, .katalog = 103},
    Feld{ZEV_VERWEISE(TSchuelerDS, Jahrgangsdaten.Unterrichtseinheit, SJ "Unterrichtseinheit"),
         .art = Verweise, .ausgabe = Verwendet, .erstesImmer = true, .neuLeer = false},
    Feld{ZEV_FELD(TSchuelerDS, Foerderbedarf.Bedarf, "Schuelerdaten/Foerderbedarf/Bedarf"), .wiederholung = BlockJe,
         .art = Code, .katalog = 17},
    Feld{ZEV_FELD(TSchuelerDS, Foerderbedarf.Tatsaechlich, "Schuelerdaten/Foerderbedarf/Tatsaechlich"),
         .wiederholung = BlockJe, .art = Code, .katalog = 17},
    Feld{ZEV_GRUPPE(TSchuelerDS, Fremdsprachen, Erwerb, BlockJe, "Schuelerdaten/Fremdsprachen/Erwerb"), .art = Code,
         .katalog = 26},
    Feld{ZEV_GRUPPE(TSchuelerDS, Fremdsprachen, Sprache, BlockJe, "Schuelerdaten/Fremdsprachen/Sprache"), .art = Code,
         .katalog = 18},
    Feld{ZEV_GRUPPE(TSchuelerDS, Fremdsprachen, Art, BlockJe, "Schuelerdaten/Fremdsprachen/Art"), .art = Code,
         .katalog = 51},
    Feld{ZEV_GRUPPE(TSchuelerDS, Abschluss.allgemeinbildender, allgemein, BlockJe, AB "allgemeinbildender/allgemein"),
         .art = Code, .katalog = 2},
    Feld{ZEV_GRUPPE(TSchuelerDS, Abschluss.allgemeinbildender, Jahr, BlockJe, AB "allgemeinbildender/Jahr"),
         .katalog = 105},
    Feld{ZEV_GRUPPE(TSchuelerDS, Abschluss.berufsbezogener, Beruf, BlockJe, AB "berufsbezogener/Beruf"), .art = Code,
         .katalog = 10},
    Feld{ZEV_GRUPPE(TSchuelerDS, Abschluss.berufsbezogener, Jahr, BlockJe, AB "berufsbezogener/Jahr"),
         .katalog = 105},
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Beruf, AU "Beruf"), .wiederholung = BlockJe, .art = Code, .katalog = 53},
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Stellung, AU "Stellung"), .wiederholung = BlockJe, .art = Code,
         .katalog = 45},
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Stunden, AU "Stunden"), .wiederholung = BlockJe},
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Zeitform, AU "Zeitform"), .wiederholung = BlockJe, .art = Code,
         .katalog = 46},
    // Standort and its name are filled together from a place of catalogue 54 (or 48, 29).
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Standort, AU "Standort"), .wiederholung = BlockJe},
    Feld{ZEV_FELD(TSchuelerDS, Ausbildung.Standort_Text, ""), .ausgabe = Nie},
};
#undef SG
#undef SJ
#undef AB
#undef AU

#define ZEV_EIN(m, a) Feld{ZEV_FELD(TEinstellungen, m, ""), .art = a, .ausgabe = Nie}
// The import entries, [area 1..4][order 1..3], as twelve entries in three per area.
#define ZEV_IMPORT(m, a)                                                                                         \
    Feld{.pfad = #m, .gruppe = "XMLImport", .ort = offsetof(TEinstellungen, XMLImport) + offsetof(TXMLImportEintrag, m), \
         .breite = BreiteVon<ZEV_TYP(TXMLImportEintrag, m)>(), .anzahl = 12, .abstand = sizeof(TXMLImportEintrag),  \
         .je = 3, .wiederholung = BlockJe, .art = a, .ausgabe = Nie}
inline constexpr std::array kEinstellungen = {
    ZEV_EIN(Schulnummer, Text),
    ZEV_EIN(DatenPfad, Text),
    ZEV_EIN(ImportPfad, Text),
    ZEV_EIN(ExportPfad, Text),
    ZEV_EIN(XMLDateiSchule, Text),
    ZEV_EIN(XMLDateiLehrer, Text),
    ZEV_EIN(XMLDateiKlassen, Text),
    ZEV_EIN(XMLDateiSchueler, Text),
    ZEV_EIN(AnsiAusgabe, Zahl),
    ZEV_EIN(Datenquelle, Zahl),
    ZEV_EIN(ZwischenablageInfo, Zahl),
    ZEV_EIN(XMLLayout, Zahl),
    ZEV_EIN(UELoeschenOhneFrage, Zahl),
    ZEV_EIN(StartSicherung, Zahl),
    ZEV_EIN(VorgaengerAlsVorlage, Zahl),
    ZEV_EIN(WeiterfuehrendeSchule, Zahl),
    ZEV_EIN(Dateizugriff, Zahl),
    ZEV_EIN(FreierTraeger, Zahl),
    ZEV_IMPORT(Datei, Text),
    ZEV_IMPORT(Datensaetze, Zahl),
    ZEV_IMPORT(Einzelfelder, Zahl),
    ZEV_EIN(AlleTestsZeigen, Zahl),
    ZEV_EIN(Berichtsjahr, Text),
    ZEV_EIN(SchwelleSchule, Zahl),
    ZEV_EIN(SchwelleLehrer, Zahl),
    ZEV_EIN(SchwelleKlassen, Zahl),
    ZEV_EIN(SchwelleSchueler, Zahl),
    ZEV_EIN(UEInfoReihenfolge, Zahl),
};
#undef ZEV_EIN
#undef ZEV_IMPORT
#undef ZEV_KOPF
#undef ZEV_GRUPPE
#undef ZEV_LISTE
#undef ZEV_VERWEISE
#undef ZEV_FELD_ALS
#undef ZEV_FELD
#undef ZEV_TYP
// clang-format on

// The table of a record type.
template <class R> struct TabelleVon;
template <> struct TabelleVon<TSchuleDS> { static constexpr const auto& zeilen = kSchule; };
template <> struct TabelleVon<TUnterrichtseinheitDS> { static constexpr const auto& zeilen = kUnterrichtseinheit; };
template <> struct TabelleVon<TLehrerDS> { static constexpr const auto& zeilen = kLehrer; };
template <> struct TabelleVon<TKlasseDS> { static constexpr const auto& zeilen = kKlasse; };
template <> struct TabelleVon<TSchuelerDS> { static constexpr const auto& zeilen = kSchueler; };
template <> struct TabelleVon<TEinstellungen> { static constexpr const auto& zeilen = kEinstellungen; };

} // namespace zev::felder
