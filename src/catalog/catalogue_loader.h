// Reading the catalogue files: one entry per line, at most ten fields separated
// by tab, ";" or "|", turned into display strings by the catalogue's rule.
#pragma once

#include "catalog/catalogue_list.h"
#include "model/messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

// The fields of one line: split from the left at tab, ";" or "|", no quoting, no
// trimming; a leading separator gives an empty first field, a trailing one adds
// none; anything after the tenth field's separator is dropped.
std::vector<std::string> SplitCatalogueLine(std::string_view zeile);

// The lines of a file, each split; lines that give no field are left out. A line
// ends in CR LF or a lone LF; a last line without a line end counts too.
std::optional<std::vector<std::vector<std::string>>> KatalogZeilenLesen(const std::string& pfad,
                                                                         std::string& fehler);

// The display string of one line's fields in catalogue `nummer`.
std::string AnzeigeVon(std::uint16_t nummer, const std::vector<std::string>& felder);

// Clears the list and fills it from the program folder's file of catalogue `nummer`.
void LoadCatalogue(Katalog& liste, std::uint16_t nummer, const std::string& programmOrdner, Meldungen& m);

// The structured reading of Katalog39.csv: entries 1..50.
struct SchulartEintrag {
    std::uint16_t nummer = 0;
    std::string code;                     // at most 2 characters
    std::string name = std::string(kUnbekannt); // at most 80 characters
    std::string zusatz;                   // at most 20 characters
};

class SchoolTypeTable {
public:
    static constexpr int kAnzahl = 50;
    SchulartEintrag& operator[](int k) { return e_.at(static_cast<std::size_t>(k - 1)); }
    const SchulartEintrag& operator[](int k) const { return e_.at(static_cast<std::size_t>(k - 1)); }
    void Zuruecksetzen() { e_.fill(SchulartEintrag{}); }

private:
    std::array<SchulartEintrag, kAnzahl> e_{};
};

void LoadSchoolTypeTable(SchoolTypeTable& tabelle, const std::string& programmOrdner, Meldungen& m);

// All catalogue lists of a run, loaded once at start.
class Kataloge {
public:
    // Loads the fifty lists in start-up order, then the school-type table.
    void AlleLaden(const std::string& programmOrdner, Meldungen& m);

    // The list of a number; 102 is catalogue 54; an unknown number gives an empty list.
    const Katalog& operator()(std::uint16_t nummer) const;
    Katalog& Liste(std::uint16_t nummer);

    const SchoolTypeTable& Schularten() const { return schularten_; }

private:
    std::array<Katalog, 108> listen_{};
    SchoolTypeTable schularten_;
    Katalog leer_;
};

} // namespace zev
