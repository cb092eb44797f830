// The settings dialog without widgets: a screen model of every element of
// "Einstellungen zum ZEV-Manager" and the operations behind its buttons and
// choosers. The Qt dialog only copies between this model and its controls.
#pragma once

#include "io/file_lock.h"
#include "model/messages.h"
#include "model/settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

// Texts are UTF-8; choice indices are the positions of the chosen items; a
// check box is on when its field is 1.
struct EinstellungsFormular {
    // Folder of the running program, ending in a separator: the base of the
    // defaults and the import chooser's folder for an empty import entry.
    std::string ProgrammOrdner;
    // The settings file as the owner of the record read or last wrote it; when set,
    // OK asks before it writes over a file another program changed since, and keeps
    // it up to date. `NeuGeladen` tells the dialog that the form shows another
    // version now.
    io::Dateistand* Stand = nullptr;
    bool NeuGeladen = false;

    // " elementare Einstellungen "
    std::string Schulnummer;
    std::string DatenPfad; // the chosen data folder, shown in its read-only "Pfad"
    int Datenquelle = 1;   // 0 "externe *.XML-Dateien", 1 "interne *.ZEV-Dateien", 2 "direkter Datenbank-Zugriff"
    int Dateizugriff = 1;  // 0 "nur LESEN", 1 "LESEN und SCHREIBEN"
    std::string Berichtsjahr;
    bool FreierTraeger = false;
    bool WeiterfuehrendeSchule = false;
    bool StartSicherung = false;

    // " XML-Export "
    std::string ExportPfad;                  // the chosen export folder, shown in "Pfad"
    std::array<std::string, 4> XMLDateien{}; // "Schul-Daten", "Lehrer-Daten", "Klassen-Daten", "Schüler-Daten"
    int XMLLayout = 1;
    bool AnsiAusgabe = true; // never shown, carried through

    // Editing and checks
    bool ZwischenablageInfo = false;
    bool UELoeschenOhneFrage = false;
    bool VorgaengerAlsVorlage = false;
    bool AlleTestsZeigen = false;
    int SchwelleSchule = 0; // 0 "jede Warnung", 1 "schwerwiegende Warnungen", 2 "nur Fehler"
    int SchwelleLehrer = 0;
    int SchwelleKlassen = 0;
    int SchwelleSchueler = 0;
    int UEInfoReihenfolge = 0;

    // " XML-Import ": the entry of area tab and order that is on screen.
    int ImportBereich = ImportSchule;       // 1..4 as the tabs "   Schule   " .. "   Schüler   "
    int ImportReihenfolge = 1;              // "Reihenfolge" 1..3
    std::string ImportDatei;                // "Datei:"
    int ImportDatensaetze = 1;              // 0 "überschreiben", 1 "anhängen"
    int ImportEinzelfelder = 0;             // 0 "alle überschreiben", 1 "neuere ...", 2 "nur fehlende ergänzen"
    std::string ImportOrdner;               // the import folder chooser, ending in a separator
    std::vector<std::string> ImportDateien; // the "*.XML" files of that folder, sorted
    int ImportDateiIndex = -1;              // the chosen one, -1 for none

    // The record as it was when the dialog was shown; "Abbrechen" puts it back.
    TEinstellungen Kopie{};
};

enum class OrdnerWahl { Daten, Export };

// The items of the dialog's choices: a choice is stored as 0 .. count - 1.
inline constexpr int kDatenquellen = 3;            // Datenquelle
inline constexpr int kDateizugriffe = 2;           // Dateizugriff
inline constexpr int kXmlLayouts = 4;              // XMLLayout: the four layouts of the writer, the last "Reserve"
inline constexpr int kSchwellen = 3;               // SchwelleSchule .. SchwelleSchueler
inline constexpr int kUEInfoReihenfolgen = 4;      // UEInfoReihenfolge: two orders and two "Reserve"
inline constexpr int kImportDatensaetzeArten = 2;  // ImportDatensaetze
inline constexpr int kImportEinzelfelderArten = 3; // ImportEinzelfelder

// The school number as the checks and the exchange files compare it: one to ten
// digits (the field's width). The dialog's line takes up to ten characters of any
// kind; its "OK" (FormularOk) and `zev settings` refuse any other number.
bool SchulnummerGueltig(std::string_view utf8);
inline constexpr const char* kSchulnummerRegel = "Die Schulnummer besteht aus 1 bis 10 Ziffern (0 bis 9).";
// "Schulnummer: " + the number + " kann nicht benutzt werden!" and the rule.
std::string MeldungSchulnummer(std::string_view utf8);

inline constexpr const char* kMeldungOrdnernameLeer =
    "Ein Ordnername muss aus mindestens einem\rzugelassenen Zeichen bestehen!\r\rKEIN Ordner erstellt!";
inline constexpr const char* kMeldungOrdnerNichtErstellt =
    "KEIN Ordner erstellt!\r\rPrüfen Sie, ob Sie über die notwendigen\rRechte verfügen bzw. ob eventuell nicht\r"
    "zugelassene Zeichen (z.B.: / : < > )\rim Namen enthalten sind!";

// The choices of the "Berichtsjahr" list: 2004 up to the year after `aktuellesJahr`;
// any other text may be typed.
std::vector<std::string> BerichtsjahrAuswahl(int aktuellesJahr);

// The choices for the running year, as the dialog lists them.
class Berichtsjahre {
public:
    Berichtsjahre();
    std::vector<const char*>::const_iterator begin() const { return zeiger_.begin(); }
    std::vector<const char*>::const_iterator end() const { return zeiger_.end(); }

private:
    std::vector<std::string> jahre_;
    std::vector<const char*> zeiger_;
};
inline const Berichtsjahre kBerichtsjahre;

// A form for the dialog as created: import tab "   Schule   ", order 1.
EinstellungsFormular FormularAnlegen(std::string programmOrdner);

// The dialog is shown: keeps a copy of the record and fills every element.
void FormularAnzeigen(EinstellungsFormular& f, const TEinstellungen& e);

// Every element from the record; the import tab and order stay.
void FormularFuellen(EinstellungsFormular& f, const TEinstellungen& e);

// The import entry of the current tab and order onto the screen; an area or
// order out of range counts as "   Schule   ", order 1.
void ImportEintragZeigen(EinstellungsFormular& f, const TEinstellungen& e);
// The shown values into that entry ("Datei:" cut to 250).
void ImportEintragSpeichern(EinstellungsFormular& f, TEinstellungen& e);
// Another tab or order: the shown entry is stored first, then the new one shown.
void ImportEintragWechseln(EinstellungsFormular& f, TEinstellungen& e, int bereich, int reihenfolge);

// Import folder chooser: the folder goes into "Datei:" and its files are listed.
void ImportOrdnerWaehlen(EinstellungsFormular& f, std::string_view ordner);
// Import file list: the file with its full path goes into "Datei:".
void ImportDateiWaehlen(EinstellungsFormular& f, int index);

// The "*.XML" files of a folder (extension in any case), sorted by name.
std::vector<std::string> XmlDateienIn(const std::string& ordner);

// "Standard wiederherstellen": the record gets its defaults and the form shows
// them; nothing is written.
void StandardWiederherstellen(EinstellungsFormular& f, TEinstellungen& e);

// An XML file name of the " XML-Export " tab (area 1..4) as "OK" stores it:
// Windows-1252, trimmed, ".XML" appended where needed (NormaliseXmlFileName); a
// refused name is reported and, like an empty one, gives the area's default name.
// The field keeps its first 80 characters.
std::string XmlDateinameUebernehmen(std::string_view utf8, int bereich, Meldungen& m);

// "OK" without writing: the shown import entry is stored, then every field is
// taken from the form. Refused file names are reported and get the default.
void FormularUebernehmen(EinstellungsFormular& f, TEinstellungen& e, Meldungen& m);

// The first path that a chosen folder needs in the settings and that they cannot
// hold ("" when they hold all): the folder with its separator and, for the data
// folder, the import folder below it that follows it.
std::string OrdnerNichtSpeicherbar(const std::string& ordner, OrdnerWahl w);
// The first chosen path of the form the settings cannot hold as it is ("" when
// all fit): data folder, export folder, the shown import entry's "Datei:".
std::string NichtSpeicherbarerPfad(const EinstellungsFormular& f);

// "OK": as above, then the record goes to the program folder's settings file. A
// chosen path the settings cannot hold (not Windows-1252, over 250 characters) or
// a school number that is not SchulnummerGueltig is reported and nothing is taken
// from the form; the dialog stays open so it can be corrected (its "Abbrechen"
// still puts the shown record back).
bool FormularOk(EinstellungsFormular& f, TEinstellungen& e, Meldungen& m);
// "Abbrechen": the record as it was when the dialog was shown.
void FormularAbbrechen(const EinstellungsFormular& f, TEinstellungen& e);

// The chosen folder of a chooser.
std::string& GewaehlterOrdner(EinstellungsFormular& f, OrdnerWahl w);

// "Ordner erstellen" of the new-folder dialog opened from a chooser: creates the
// subfolder `name` (UTF-8) of the chosen folder and chooses it. Reports an empty
// name or a failure; the chosen folders are then unchanged.
bool NeuenOrdnerErstellen(EinstellungsFormular& f, OrdnerWahl w, std::string_view name, Meldungen& m);

} // namespace zev
