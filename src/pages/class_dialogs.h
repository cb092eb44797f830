// The dialog "neue Klassenbesonderheit ..." without widgets: a key box and the
// sorted entries of catalogue 52. The chosen specialty is kept between showings,
// so "Abbrechen" leaves the previous one in place.
#pragma once

#include "pages/code_field.h"
#include "pages/combo_list.h"

#include <optional>
#include <string>
#include <vector>

namespace zev {

inline constexpr const char* kTitelNeueKlBes = "neue Klassenbesonderheit ...";
// The dialog's label, spelt as the program has always shown it.
inline constexpr const char* kLabelKlBes = "Klassenbesonderherheit";

struct KlBesDialogModell {
    CodeFeld besonderheit; // the key box and the combo's chosen item
    std::string gewaehlt;  // the chosen specialty (UTF-8), kept between showings
};

// When shown: the key box emptied, the combo on its first item.
void KlBesDialogZeigen(KlBesDialogModell& d, const KomboListe& besonderheiten);

// "Hinzufügen": the key box's text, also a key typed by hand, becomes the chosen
// specialty; an empty box ends the dialog as cancelled (nothing).
std::optional<std::string> KlBesDialogHinzufuegen(KlBesDialogModell& d);

// What the class pages need from around them: the specialty dialog and the
// lesson-unit chooser (nothing means "Abbrechen"), and the two result windows.
class KlassenDialoge {
public:
    virtual ~KlassenDialoge() = default;
    virtual std::optional<std::string> NeueKlassenbesonderheit() = 0;
    virtual std::optional<std::vector<std::string>> UEAuswaehlen() = 0;
    virtual void Ergebnisfenster() = 0;
    virtual void Gruppenfenster() = 0;
};

} // namespace zev
