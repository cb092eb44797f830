// The plan of the change of school year ("Schuljahreswechsel"): which Jahrgang
// follows which, what becomes of each student, class and teacher, and what is
// emptied; and the plan carried out on a database held in memory. The plan is
// the screen model of the assistant and what `zev school-year` prints; the files
// are handled in school_year_run.h.
#pragma once

#include "catalog/catalogue_loader.h"
#include "model/database.h"
#include "model/settings.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

enum class Entscheidung : std::uint8_t { Versetzt, Wiederholt, Verlaesst };

// "versetzt", "wiederholt", "verlässt die Schule".
std::string_view EntscheidungsText(Entscheidung e);

// One row of the table of Jahrgänge (keys Windows-1252 as stored).
struct JahrgangsZeile {
    std::string alt;
    std::string neu;          // the Jahrgang its students move to; "" when they leave the school
    bool pruefen = false;     // not a two-digit key: its students are listed for a decision
    bool hoechster = false;   // the highest two-digit Jahrgang any student has
    bool naechsterDa = false; // a two-digit key whose next key catalogue 25 has
    int schueler = 0;         // students with this Jahrgang now
};

struct SchuljahrPlan {
    std::string berichtsjahr;                        // the year closed (the settings' report year)
    std::string neuesJahr;                           // report year + 1
    std::vector<JahrgangsZeile> jahrgaenge;          // catalogue 25 in its order, then other keys students have
    std::string wiederholerSchluessel;               // catalogue 7, set for every repeater
    std::vector<Entscheidung> schueler;              // per student index
    std::vector<bool> festgelegt;                    // chosen for the student or its class, not from the table
    std::vector<bool> lehrerGeht;                    // per teacher index: removed (default: has an Abgang date)
    std::map<std::string, std::string> klassenNamen; // new names the person gave (old → new)
};

// The plan with its defaults for the areas of `d`. A two-digit key moves to the
// key one higher when catalogue 25 has it, otherwise its students leave; every
// other key stays and is marked for checking; the highest two-digit Jahrgang any
// student has is set to "leaves". The repeater key is "01" of catalogue 7 when it
// is there, else its first key other than "00". "" in `fehler` when the report
// year is a four-digit year.
SchuljahrPlan PlanAufstellen(const Datenbestand& d, const Kataloge& k, const TEinstellungen& e, std::string& fehler);

// Changes the target of a row; students not decided one by one follow it.
void ZielSetzen(SchuljahrPlan& p, const Datenbestand& d, std::string_view alt, std::string_view neu);
void SchuelerEntscheiden(SchuljahrPlan& p, std::size_t index, Entscheidung e);
// Every student of the class named `klasse`.
void KlasseEntscheiden(SchuljahrPlan& p, const Datenbestand& d, std::string_view klasse, Entscheidung e);

// "5a" → "6a" for `schritt` 1: the leading number moved by `schritt`, zero-padded
// to its former width when it began with 0; "" when the name has no leading number
// or the number would drop below 0.
std::string KlassennameVerschoben(std::string_view name, int schritt);

// What a student becomes.
struct SchuelerNeu {
    bool bleibt = true;
    std::string jahrgang, klasse;
    bool klasseOhneNummer = false; // moved to another Jahrgang, class name unchanged for want of a number
};
SchuelerNeu SchuelerNachPlan(const SchuljahrPlan& p, const TSchuelerDS& s, std::size_t index);

// The plan's effects, as the preview lists them.
struct SchuljahrUebersicht {
    struct Jahrgang {
        std::string key;
        int vorher = 0, nachher = 0;
    };
    std::vector<Jahrgang> jahrgaenge; // every key with students before or after, in table order
    int versetzt = 0, wiederholt = 0, verlassen = 0;
    std::vector<std::size_t> zuPruefen;                         // students of a marked row who stay in the school
    std::vector<std::pair<std::string, std::string>> umbenannt; // classes: old → new name
    std::vector<std::string> entfernt;                          // classes whose students all leave
    std::vector<std::string> ohneNummer;                        // classes moving up whose name has no leading number
    std::vector<std::string> ohneKlasse;                        // Jahrgänge that had a class and have none afterwards
    std::vector<std::size_t> lehrerMitAbgang;                   // teachers with an Abgang date
    int lehrerEntfernt = 0;
    int schulUE = 0; // lesson units of the school emptied
};
SchuljahrUebersicht UebersichtVon(const SchuljahrPlan& p, const Datenbestand& d);

// Carries the plan out on `d` and the settings' report year. The school, teacher,
// class and student records not removed keep everything but the per-year data.
void PlanAusfuehren(const SchuljahrPlan& p, Datenbestand& d, TEinstellungen& e);

// Whether a date field holds a complete date ("dd.mm.yyyy").
bool DatumGesetzt(std::string_view datum);

} // namespace zev
