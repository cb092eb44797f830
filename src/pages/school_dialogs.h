// The two small dialogs of the school page without widgets: "neue Schulart ..."
// picks a school type, "neue Unterrichtseinheit definieren ..." edits one lesson
// unit. The page opens them through `SchulDialoge`, so tests answer them.
#pragma once

#include "model/records.h"
#include "pages/code_field.h"
#include "pages/combo_list.h"

#include <optional>
#include <string>
#include <string_view>

namespace zev {

class Katalog;
class Kataloge;

inline constexpr const char* kTitelNeueSchulart = "neue Schulart ...";
inline constexpr const char* kTitelNeueUE = "neue Unterrichtseinheit definieren ...";
inline constexpr const char* kTitelUEBearbeiten = "UnterrichtsEinheit bearbeiten ...";

// What the school page needs from around it: the two dialogs and the result window.
class SchulDialoge {
public:
    virtual ~SchulDialoge() = default;
    // "neue Schulart ...": the key taken with "Hinzufügen" (UTF-8), nothing for "Abbrechen".
    virtual std::optional<std::string> NeueSchulart() = 0;
    // The lesson-unit dialog over `puffer` with the given caption; true for
    // "hinzufügen" (the buffer then holds the fields), false for "abbrechen"
    // (the buffer is unchanged).
    virtual bool Unterrichtseinheit(TUnterrichtseinheitDS& puffer, std::string_view titel) = 0;
    // "Datentest (interne PLAUSI)" over the run that just ended.
    virtual void Ergebnisfenster() = 0;
};

// --- "neue Schulart ..." ----------------------------------------------------------------

struct SchulartDialogModell {
    CodeFeld schulart; // key box (yellow) and the sorted list of catalogue 39
};

void SchulartDialogZeigen(SchulartDialogModell& d, const KomboListe& schularten);
// "Hinzufügen": the key box's text, also a key typed by hand.
std::string SchulartDialogErgebnis(const SchulartDialogModell& d);

// --- "neue Unterrichtseinheit definieren ..." ---------------------------------------------

// The lists of the lesson-unit dialog; all but the hours sorted.
struct UEDialogListen {
    KomboListe schulart, jahrgang, fach, kurs, bilingual; // 39, 27, 14, 28, 13
    KomboListe stunden;                                   // 107, as in the catalogue
};
UEDialogListen UEDialogListenAufbauen(const Kataloge& k);

struct UEDialogModell {
    std::string titel;
    std::string ueId; // read-only, decimal
    CodeFeld schulart, jahrgang, fach, kurs, bilingual;
    std::string klasse;
    std::string stunden; // the editable hours drop-down's text
    CodeFeld lehrer;
    KomboListe lehrerListe; // the teacher choice, filled anew on every showing
};

// The dialog is shown over the buffer: every key box gets the buffer's value and
// each list its matching line.
void UEDialogZeigen(UEDialogModell& d, const TUnterrichtseinheitDS& puffer, const UEDialogListen& listen,
                    const Katalog& lehrerAuswahl, std::string_view titel);
// "hinzufügen": the fields into the buffer, each cut to its width.
void UEDialogUebernehmen(const UEDialogModell& d, TUnterrichtseinheitDS& puffer);

} // namespace zev
