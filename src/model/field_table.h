// The row type of the field tables: one constexpr row describes one field of a
// record once, for every layer that handles fields one by one (the exchange
// files' reader and writer, the JSON dump, the pages' bindings, the tests).
//
// A row says
// - where the field lies: `ort` (byte offset in the record image; for a repeated
//   field that of entry 1), `breite` (characters of a text, bytes of a number),
//   `anzahl` entries `abstand` bytes apart;
// - what it holds: `art`, and for codes and value lists `katalog`, the catalogue
//   whose entries a page offers in the field's combo (its box takes `breite`
//   characters);
// - its names: `pfad` in the record and the dump ("Grunddaten.Name"; for a field
//   of a group of entries the name inside the entry, the group being `gruppe`,
//   "Arbeitszeitkonto"), and `xml`, the element path below the record's element in
//   the exchange file ("Lehrerdaten/freie_Traeger/Grunddaten/Name"; empty when the
//   field is not exported);
// - its rules: `ausgabe` (when the element is written), `eintrag` (when an entry
//   of a group is written), `neuLeer` (a new record holds it empty or 0).
//
// The rows of a table are in the order of the exchange file; fields that are not
// exported sit at their place in the record. A row's `pfad` and `ort` come from the
// member itself (see the ZEV_* macros in field_tables.h), so they cannot disagree.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace zev::felder {

enum class Art : std::uint8_t {
    Text,     // sN, free text (or a value chosen from the list `katalog`, when set)
    Zahl,     // little-endian integer of `breite` bytes
    Datum,    // s10 day.month.year
    Code,     // sN holding a key of catalogue `katalog`
    Auswahl,  // u16 0..2 chosen from fixed words ("???", then two choices)
    Verweise, // TUEVerweis entries: u16 Nummer, then s5 UE_ID (the identifier as text)
};

// When the writer writes a field's element (for each entry of a repeated field).
enum class Ausgabe : std::uint8_t {
    Nie,       // kept with the record only
    Immer,     // also when empty
    NichtLeer, // when IsEmptyValue is false ("", "--" and " -???-; []" count as empty)
    HatLaenge, // when the text is not the empty text
    Gewaehlt,  // a choice field: when it is 1 or 2
    Verwendet, // a reference: when its UE_ID is not empty and its Nummer not 0
    Eigen,     // written by code of its own (the value is not the field as stored)
};

// How the entries of a repeated field are laid out in the file.
enum class Wiederholung : std::uint8_t {
    Einzeln, // one field, one element
    Liste,   // one element per entry, side by side (Ausbildung, Schulart)
    Block,   // the entries' fields one after the other in one container (Arbeitszeitkonto)
    BlockJe, // one container per entry (Fremdsprachen, Unterrichtseinheit of the school)
};

// When an entry of a `Block`/`BlockJe` group is written.
enum class Eintrag : std::uint8_t {
    HatDaten,         // one of its exported fields is not empty (IsEmptyValue)
    ErstesOderNummer, // entry 1 always, the others when their first field (a number) is above 0
    ErstesHatLaenge,  // its first field is not the empty text
    ArtOderDatum,     // its first field is not empty, or its date (second field) holds a digit someone entered
};

struct Feld {
    std::string_view pfad{};   // name in the record and the dump, inside the entry for a group
    std::string_view gruppe{}; // dump path of the group of entries; empty for a field of its own
    std::string_view xml{};    // element path below the record element; empty: not exported
    std::uint32_t ort = 0;     // offset of the field (of entry 1) in the record image
    std::uint16_t breite = 0;  // characters of a text, bytes of a number
    std::uint16_t anzahl = 1;  // entries of a repeated field
    std::uint16_t abstand = 0; // bytes from one entry to the next
    std::uint16_t je = 0;      // entries per inner list of a two-level group (the dump's nesting); 0: one level
    Wiederholung wiederholung = Wiederholung::Einzeln;
    Art art = Art::Text;
    std::uint8_t katalog = 0; // catalogue of a code or of the values offered for a text
    Ausgabe ausgabe = Ausgabe::Immer;
    Eintrag eintrag = Eintrag::HatDaten;
    bool erstesImmer = false; // a list: entry 1 is written whatever it holds
    bool neuLeer = true;      // a new record holds it empty (0); false: it starts with a value of its own

    constexpr std::uint32_t OrtVon(int k) const { return ort + static_cast<std::uint32_t>(k - 1) * abstand; }
    // The element's own name (the last part of `xml`).
    constexpr std::string_view Element() const { return xml.substr(xml.rfind('/') + 1); }
    // The container path of the element ("" directly below the record element).
    constexpr std::string_view Behaelter() const {
        const auto p = xml.rfind('/');
        return p == std::string_view::npos ? std::string_view{} : xml.substr(0, p);
    }
    constexpr bool Exportiert() const { return !xml.empty(); }
    // The element of a group's own container (Block, BlockJe): the last part of `Behaelter()`.
    constexpr bool Gruppiert() const {
        return wiederholung == Wiederholung::Block || wiederholung == Wiederholung::BlockJe;
    }
};

using Tabelle = std::span<const Feld>;

// The rows of a record's table in record order (as the dump lists them).
template <std::size_t N> constexpr std::array<std::uint16_t, N> NachOrt(const std::array<Feld, N>& t) {
    std::array<std::uint16_t, N> r{};
    for (std::size_t i = 0; i < N; ++i) r[i] = static_cast<std::uint16_t>(i);
    for (std::size_t i = 1; i < N; ++i) // stable: rows at one place keep their order
        for (std::size_t j = i; j > 0 && t[r[j]].ort < t[r[j - 1]].ort; --j) std::swap(r[j], r[j - 1]);
    return r;
}

} // namespace zev::felder
