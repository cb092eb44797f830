// The element names of the four exchange files, shared by writer and reader.
// Positions 0 and 1 are never matched; names start at position 2. A name that
// occurs twice is told apart by its position (the reader's section marker).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace zev::tags {

using Tabelle = std::span<const std::string_view>;

// School file.
enum Schule : int {
    Alle_Schulen = 2,
    Schule,
    Schulnummer,
    Schuldaten,
    Schulart,
    Orgform,
    Ganztag,
    freie_Traeger,
    Name,
    Schulamt,
    Rechtsstatus,
    Traeger,
    Gemeinde,
    Standort,
    PLZ,
    Strasse,
    EMail,
    Internet,
    Schulleiter,
    Anrede,
    Titel,
    Schulleiter_Name,
    Telefon,
    Unterrichtseinheit,
    UE_ID,
    UE_Schulart,
    UE_Jahrgang,
    UE_Klasse,
    UE_Fach,
    UE_Kurs,
    UE_Bilingual,
    UE_Stunden,
    UE_Lehrer,
    Nichteinschulung,
    NE_Art,
    NE_maennlich,
    NE_weiblich,
    SchuleEnde
};

// Class file.
enum Klasse : int { Alle_Klassen = 2, Kl_Klasse, Kl_Schulnummer, Kl_Klassenname, Kl_Klassenbesonderheit, KlasseEnde };

// Teacher file.
enum Lehrer : int {
    Alle_Lehrer = 2,
    L_Lehrer,
    L_Schulnummer,
    L_Lehrernummer,
    L_Lehrerdaten,
    L_freie_Traeger,
    L_Grunddaten,
    L_Name,
    L_Vorname,
    L_Titel,
    L_Geschlecht,
    L_Geburtsdatum,
    L_Staatszugehoerigkeit,
    L_Beschaeftigung,
    L_Ausbildung,
    L_Fach_Lehrb,
    L_Stunden,
    L_Lehramt,
    L_Regelstunden,
    L_Vertragsstunden,
    L_Vertretung,
    L_Arbeitszeitkonto,
    L_AZK_Grund_mehr,
    L_AZK_Anzahl_mehr,
    L_AZK_Grund_minder,
    L_AZK_Anzahl_minder,
    L_Arbeitszeitregelung,
    L_AZR_Grund_mehr,
    L_AZR_Anzahl_mehr,
    L_AZR_Grund_minder,
    L_AZR_Anzahl_minder,
    L_Anrechnungsstunden,
    L_AR_Grund,
    L_AR_Stunden,
    L_Sonstiges,
    L_Taetigkeit,
    L_Personengruppe,
    L_Klassenleiter,
    L_Schulleiter,
    L_Unterrichtseinheit,
    L_Einsatz,
    L_E_Art,
    L_E_Jahrgang,
    L_E_Stunden,
    L_Zu_Abgang,
    L_Zugang,
    L_Zugang_Art,
    L_Zugang_Datum,
    L_Abgang,
    L_Abgang_Art,
    L_Abgang_Datum,
    LehrerEnde
};

// Student file.
enum Schueler : int {
    Alle_Schueler = 2,
    S_Schueler,
    S_Schulnummer,
    S_Schuelernummer,
    S_Schuelerdaten,
    S_Grunddaten,
    S_Name,
    S_Vorname,
    S_Geschlecht,
    S_Geburtsdatum,
    S_Staatsangehoerigkeit,
    S_Migrantenstatus,
    S_Verkehrssprache,
    S_Zuzug,
    S_Einschulung,
    S_Einschulungsart,
    S_Einschulungsjahr,
    S_Anschrift,
    S_Gemeinde,
    S_Wohnort,
    S_PLZ,
    S_Strasse,
    S_vorherige_Schule,
    S_Herkunft,
    S_H_Schulart,
    S_H_Jahrgang,
    S_Jahrgangsdaten,
    S_Klasse,
    S_J_Jahrgang,
    S_J_Schulart,
    S_Wiederholer,
    S_Empfehlung,
    S_Schulartwechsel,
    S_Ausland,
    S_Auslaender,
    S_LRS,
    S_Dyskalkulie,
    S_Ganztag,
    S_Bildungsgang,
    S_Extern,
    S_Unterrichtseinheit,
    S_Foerderbedarf,
    S_Bedarf,
    S_Tatsaechlich,
    S_Fremdsprachen,
    S_Erwerb,
    S_Sprache,
    S_F_Art,
    S_Abschluss,
    S_allgemeinbildender,
    S_allgemein,
    S_A_Jahr,
    S_berufsbezogener,
    S_B_Beruf,
    S_B_Jahr,
    S_Ausbildung,
    S_Au_Beruf,
    S_Stellung,
    S_Au_Stunden,
    S_Zeitform,
    S_Standort,
    SchuelerEnde
};

Tabelle SchulTags();
Tabelle KlassenTags();
Tabelle LehrerTags();
Tabelle SchuelerTags();

// The first position at or above `marker` (2 when none) whose name is `name`.
std::optional<int> TagIndexFrom(Tabelle tabelle, std::string_view name, std::optional<int> marker);

// The same in two steps, for a reader that meets each name once per element: the
// first position of a name (-1 when the table has none), then from that position
// the first one at or above the marker.
int TagNummer(Tabelle tabelle, std::string_view name);
std::optional<int> TagIndexAb(Tabelle tabelle, int tagNummer, std::optional<int> marker);

} // namespace zev::tags
