// Reading the four exchange files back into records, and merging an imported
// school into the school record.
#pragma once

#include "model/database.h"
#include "model/messages.h"
#include "model/settings.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zev {

// One value the import did not take as it stood in the file.
struct ImportVerlust {
    std::string datensatz; // the record: its place in the file, its number and name (UTF-8)
    std::string element;   // the element path below the record ("Grunddaten/Vorname")
    std::string was;       // what happened ("auf 30 Zeichen gekürzt", "kein Platz (35 belegt)", ...)
    std::string wert;      // the value as the file holds it (UTF-8)
    bool operator==(const ImportVerlust&) const = default;
};

// What one import did, for the user: nothing dropped goes unmentioned.
struct ImportBericht {
    std::string datei;
    std::string root;                     // the root element found (Windows-1252)
    bool gelesen = false;                 // the file was read to its end and used
    bool zuViele = false;                 // refused: more records than an area can hold
    bool keineDatensaetze = false;        // read, but no record to take: the area stays as it was
    bool alsWindows1252 = false;          // no encoding declared and not UTF-8: read as Windows-1252
    int datensaetze = 0;                  // records taken over (school: 1)
    int abgelehnt = 0;                    // records refused after the school-number question
    int ueUebernommen = 0;                // school lesson units merged
    int ueNichtPlatziert = 0;             // school lesson units without a target
    std::map<std::string, int> unbekannt; // element names not known to the file, with their counts
    // Every value cut, dropped, replaced or doubled: record by record as read, then
    // the record numbers found twice.
    std::vector<ImportVerlust> verluste;
};

// The report as lines of text for a person (UTF-8).
std::string BerichtText(const ImportBericht& b);

// Each reads one file. nullopt when the file was refused (cannot be read,
// malformed, wrong root, more records than an area holds) or gives no record to
// take over; the message has been shown then. The school-number
// question is asked per record whose number differs from the settings'.
std::optional<TSchuleDS> ImportSchoolXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                         ImportBericht& bericht);
std::optional<std::vector<TLehrerDS>> ImportTeacherXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                       ImportBericht& bericht);
std::optional<std::vector<TKlasseDS>> ImportClassXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                     ImportBericht& bericht);
std::optional<std::vector<TSchuelerDS>> ImportStudentXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                         ImportBericht& bericht);

// The imported school only counts when its school-number question was not
// answered No; ImportSchoolXml returns nullopt in that case too.

// Replaces an area with the records read, in file order, each with a fresh
// identifier; no record leaves one blank record (the readers never hand over an
// empty list, so an import that takes nothing leaves the area as it was). Last = count − 1, current = 0.
template <class R>
void BereichErsetzen(BereichsDaten<R>& b, std::vector<R> saetze, std::string_view schulnummer, Meldungen& m);

// 0 "alle überschreiben", 1 "neuere übernehmen", 2 "nur fehlende ergänzen".
std::string MergeField(std::string_view importiert, std::string_view aktuell, int datenModus);

// Merges an imported school into the current one by the import entry's record mode
// (`Datensaetze`) and data mode (`Einzelfelder`); lesson units without a target
// are counted in the report and reported once.
void MergeSchoolImport(TSchuleDS& aktuell, const TSchuleDS& importiert, int datensaetze, int einzelfelder, Meldungen& m,
                       ImportBericht& bericht);

} // namespace zev
