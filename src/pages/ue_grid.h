// The lesson-unit grid of a teacher or a student: one row per reference
// (column 0 the unit's description, column 1 its UE-ID), the hour sum, and the
// operations of its buttons. Teachers hold 35 references, students 25.
#pragma once

#include "model/colours.h"
#include "model/messages.h"
#include "model/records.h"
#include "pages/code_grid.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zev {

class Katalog;
class Steuerung;

struct UERasterArt {
    int plaetze;           // references in the record: 35 or 25
    const char* person;    // "Lehrer", "Schüler"
    const char* dativ;     // "diesem Lehrer"
    const char* akkusativ; // "diesen Lehrer"
    bool auswahlKuerzen;   // more chosen at once than places: the first ones kept, with one message
};
inline constexpr UERasterArt kLehrerUE{35, "Lehrer", "diesem Lehrer", "diesen Lehrer", false};
inline constexpr UERasterArt kSchuelerUE{25, "Schüler", "diesem Schüler", "diesen Schüler", true};

// The rows shown at first and after "delete all".
inline constexpr int kUEStartzeilen = 10;
inline constexpr int kUELeerzeilen = 9;

// The grid's columns, titled for the area.
CodeRaster UERasterAnlegen();

// Column 0 of every row: the school's description list entry with "[" + UE-ID + "]".
void UEBeschreibungen(CodeRaster& r, const Katalog& ueBeschreibungen);

// The references onto the grid: a row per reference whose text is not empty and
// whose number is not 0; at least 10 rows, and every used reference visible.
template <int N>
void UERasterZeigen(CodeRaster& r, const Reihe<TUEVerweis, 1, N>& verweise, const Katalog& ueBeschreibungen);
// The grid into the references: row k into element k (not packed), the number
// from the text (0 when not a whole number). An empty row leaves an unused
// reference (empty text or number 0, which the grid does not show) as it is, and
// makes a used one unused (0, "0"); rows beyond the grid count as empty.
template <int N> void UERasterUebernehmen(const CodeRaster& r, Reihe<TUEVerweis, 1, N>& verweise);

// "Stundensumme:": for each row with a non-zero number, the hours of every school
// unit with the same UE_ID text.
double UEStundensumme(const CodeRaster& r, const TSchuleDS& schule, int plaetze);

// Places chosen UE-IDs (UTF-8): a UE-ID already in the grid is reported with its
// row and skipped, others go into the first blank row or a new one. When every
// place of the record is taken, the rest is refused with the capacity message
// rather than put into rows that are never stored.
void UEEintragen(CodeRaster& r, const std::vector<std::string>& ids, const UERasterArt& art, Meldungen& m);

// Students and classes hold 25 references: of more chosen at once, the first
// 25 are kept and the rest is dropped with one message.
void UEAuswahlKuerzen(std::vector<std::string>& ids, Meldungen& m);

// "leere Zeile hinzufügen".
void UELeereZeile(CodeRaster& r, const UERasterArt& art, Meldungen& m);
// "UnterrichtsEinheit löschen" on the focused row: rows up to 11 are emptied, later rows removed.
void UEZeileLoeschen(CodeRaster& r, const UERasterArt& art, bool ohneFrage, Meldungen& m);
// "alle UnterrichtsEinheiten löschen": every row is emptied, 9 rows remain.
void UEAlleLoeschen(CodeRaster& r, const UERasterArt& art, Meldungen& m);

// The whole-number value of a UE-ID text, 0 when it is none.
std::uint16_t UENummer(std::string_view text);

// A computed number as shown: its text and colour.
struct Summenanzeige {
    std::string text = "0";
    Farbe farbe = Farbe::Schwarz;
    bool operator==(const Summenanzeige&) const = default;
};

// The lesson-unit sub-page of a teacher or a student: the grid and "Stundensumme:"
// of the page's screen model, and its five buttons.
class UESeite {
public:
    using Auswahl = std::function<std::optional<std::vector<std::string>>()>;
    UESeite(Steuerung& st, const UERasterArt& art, CodeRaster& raster, Summenanzeige& summe, Auswahl auswaehlen,
            Meldungen& m);

    template <int N> void Zeigen(const Reihe<TUEVerweis, 1, N>& verweise);
    template <int N> void Uebernehmen(Reihe<TUEVerweis, 1, N>& verweise) const {
        UERasterUebernehmen(raster_, verweise);
    }

    void Hinzufuegen();
    void AnsichtAktualisieren();
    void LeereZeile();
    void Loeschen();
    void AlleLoeschen();

private:
    Steuerung& st_;
    const UERasterArt& art_;
    CodeRaster& raster_;
    Summenanzeige& summe_;
    Auswahl auswaehlen_;
    Meldungen& m_;
};

} // namespace zev
