// A grid of a repeating group as the pages show it: one row per array element,
// stored columns with an optional in-place combo each, and computed columns
// (descriptions, row numbers) that are never stored.
#pragma once

#include "pages/combo_list.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

enum class KomboWert {
    Schluessel, // a pick writes the entry's key into the cell
    Text,       // a pick writes the entry's whole text (hours lists)
};

struct RasterSpalte {
    std::string ueberschrift; // UTF-8
    int breite = 50;          // pixels
    bool gespeichert = true;  // false: computed, read-only
    bool editierbar = true;   // typed input allowed (stored columns)
    const KomboListe* kombo = nullptr;
    KomboWert wert = KomboWert::Schluessel;
};

struct CodeRaster {
    std::string titel; // the grid's caption, for assistive technology
    std::vector<RasterSpalte> spalten;
    std::vector<std::vector<std::string>> zeilen; // data rows, one UTF-8 text per column
    int fokusZeile = -1;                          // selected data row, -1 for none
    int fokusSpalte = 1;
    // Recomputes the computed cells of one row after a change.
    std::function<void(std::vector<std::string>& zeile)> auffrischen;

    int Zeilen() const { return static_cast<int>(zeilen.size()); }
    int Spalten() const { return static_cast<int>(spalten.size()); }
};

// A cell counts as blank for `IsEmptyValue` or as the text "0".
bool IstLeereZelle(std::string_view text);

// `IsEmptyRange`: every cell of the columns von..bis is blank.
bool IsEmptyRange(const std::vector<std::string>& zeile, int von, int bis);

// A new row with every cell empty, computed cells filled.
std::vector<std::string>& ZeileAnhaengen(CodeRaster& r);
// Removes data row `zeile`; the focus stays on a valid row or none.
void ZeileEntfernen(CodeRaster& r, int zeile);

// Computed cells of every row.
void AlleAuffrischen(CodeRaster& r);

// The item the in-place combo shows for a cell: the entry with the key (key
// columns) or the first entry containing the text (text columns); 0 when none.
int KomboIndexFuerZelle(const CodeRaster& r, int zeile, int spalte);

// The user picked item `index` of the combo over a cell: the cell receives the
// key or the text, the focus moves there, the row's computed cells are renewed.
// False when the column has no combo or the position is outside the grid.
bool ZelleAusKombo(CodeRaster& r, int zeile, int spalte, int index);

// Typed input into a stored cell; renews the row's computed cells.
bool ZelleSetzen(CodeRaster& r, int zeile, int spalte, std::string textUtf8);

} // namespace zev
