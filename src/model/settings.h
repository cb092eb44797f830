// The settings record: one 5120-byte image, kept in ZEVEinstellungen.DAT.
#pragma once

#include "model/bytes.h"
#include "model/records.h"

#include <string>
#include <string_view>

namespace zev {

using s250 = SText<250>;

enum ImportBereich { ImportSchule = 1, ImportLehrer = 2, ImportKlassen = 3, ImportSchueler = 4 };

// One import source of an area (`XMLImport[area][order]`).
struct TXMLImportEintrag {
    s250 Datei;
    Pad<1> Reserviert251;
    U16 Datensaetze;  // 0 "überschreiben", 1 "anhängen"
    U16 Einzelfelder; // 0 "alle überschreiben", 1 "neuere übernehmen", 2 "nur fehlende ergänzen"
    Pad<10> Reserviert256;
};

struct TEinstellungen {
    s10 Schulnummer;
    s250 DatenPfad;
    s250 ImportPfad;
    s250 ExportPfad;
    s80 XMLDateiSchule;
    s80 XMLDateiLehrer;
    s80 XMLDateiKlassen;
    s80 XMLDateiSchueler;
    U16 AnsiAusgabe;
    U16 Datenquelle; // 0 XML import entries, 1 internal files, 2 direct database access (loads nothing)
    U16 Reserviert1092;
    U16 ZwischenablageInfo;
    U16 XMLLayout;
    U16 UELoeschenOhneFrage;
    U16 StartSicherung;
    U16 VorgaengerAlsVorlage;
    U16 WeiterfuehrendeSchule;
    U16 Dateizugriff; // 0 "nur LESEN", 1 "LESEN und SCHREIBEN"
    U16 FreierTraeger;
    SText<21> Reserviert1110;
    Reihe<Reihe<TXMLImportEintrag, 1, 3>, 1, 4> XMLImport; // [area 1..4][order 1..3]
    U16 AlleTestsZeigen;
    s10 Berichtsjahr;
    Pad<1> Reserviert4337;
    U16 SchwelleSchule;
    U16 SchwelleLehrer;
    U16 SchwelleKlassen;
    U16 SchwelleSchueler;
    U16 UEInfoReihenfolge;
    U16 Reserviert4348[9];
    s250 Reserviert4366[3];
    Pad<1> Reserviert5119;
};

inline constexpr std::size_t kEinstellungenGroesse = 5120;
inline constexpr const char* kEinstellungenDatei = "ZEVEinstellungen.DAT";

static_assert(sizeof(TXMLImportEintrag) == 266);
static_assert(sizeof(TEinstellungen) == kEinstellungenGroesse);
static_assert(offsetof(TEinstellungen, DatenPfad) == 11);
static_assert(offsetof(TEinstellungen, ImportPfad) == 262);
static_assert(offsetof(TEinstellungen, ExportPfad) == 513);
static_assert(offsetof(TEinstellungen, XMLDateiSchule) == 764);
static_assert(offsetof(TEinstellungen, XMLDateiLehrer) == 845);
static_assert(offsetof(TEinstellungen, XMLDateiKlassen) == 926);
static_assert(offsetof(TEinstellungen, XMLDateiSchueler) == 1007);
static_assert(offsetof(TEinstellungen, AnsiAusgabe) == 1088);
static_assert(offsetof(TEinstellungen, Datenquelle) == 1090);
static_assert(offsetof(TEinstellungen, ZwischenablageInfo) == 1094);
static_assert(offsetof(TEinstellungen, XMLLayout) == 1096);
static_assert(offsetof(TEinstellungen, UELoeschenOhneFrage) == 1098);
static_assert(offsetof(TEinstellungen, StartSicherung) == 1100);
static_assert(offsetof(TEinstellungen, VorgaengerAlsVorlage) == 1102);
static_assert(offsetof(TEinstellungen, WeiterfuehrendeSchule) == 1104);
static_assert(offsetof(TEinstellungen, Dateizugriff) == 1106);
static_assert(offsetof(TEinstellungen, FreierTraeger) == 1108);
static_assert(offsetof(TEinstellungen, Reserviert1110) == 1110);
static_assert(offsetof(TEinstellungen, XMLImport) == 1132);
static_assert(offsetof(TEinstellungen, XMLImport.e[3].e[2]) == 1132 + 11 * 266);
static_assert(offsetof(TEinstellungen, XMLImport.e[0].e[0].Datensaetze) == 1132 + 252);
static_assert(offsetof(TEinstellungen, XMLImport.e[0].e[0].Einzelfelder) == 1132 + 254);
static_assert(offsetof(TEinstellungen, AlleTestsZeigen) == 4324);
static_assert(offsetof(TEinstellungen, Berichtsjahr) == 4326);
static_assert(offsetof(TEinstellungen, SchwelleSchule) == 4338);
static_assert(offsetof(TEinstellungen, SchwelleLehrer) == 4340);
static_assert(offsetof(TEinstellungen, SchwelleKlassen) == 4342);
static_assert(offsetof(TEinstellungen, SchwelleSchueler) == 4344);
static_assert(offsetof(TEinstellungen, UEInfoReihenfolge) == 4346);
static_assert(offsetof(TEinstellungen, Reserviert4348) == 4348);
static_assert(offsetof(TEinstellungen, Reserviert4366) == 4366);

// Sets every field to its default. `programmOrdner` is the folder of the running
// program (UTF-8, ending in a separator); paths are stored as Windows-1252 and cut
// to 250 characters.
void EinstellungenStandard(TEinstellungen& e, std::string_view programmOrdner);

// The calendar year of the system clock (local time); a new settings file starts
// with it as the report year.
int AktuellesJahr();

// The XML file name setting of an import area (1..4).
const s80& XMLDateiName(const TEinstellungen& e, int bereich);

// Whether a text (UTF-8) can be kept in a text field of `zeichen` characters as
// it is: every character has a Windows-1252 byte and there are at most `zeichen`
// of them.
bool TextSpeicherbar(std::string_view utf8, std::size_t zeichen);

// Whether a path (UTF-8) can be kept in a path field as it is: every character
// has a Windows-1252 byte and there are at most 250 of them.
bool PfadSpeicherbar(std::string_view utf8Pfad);

// Paths are kept as Windows-1252 in the record and as UTF-8 everywhere else.
std::string PfadAusFeld(const s250& feld);
void PfadInsFeld(s250& feld, std::string_view utf8Pfad);

} // namespace zev
