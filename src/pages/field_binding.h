// How a page's screen model binds to a record: one row per control, naming the
// field by its row in the record's field table and the member of the screen
// model that shows it. Show and collect walk these rows, so a field is put on
// a page by one row here; the box length is the field's width and a code's
// combo lists the field's catalogue.
#pragma once

#include "catalog/catalogue_loader.h"
#include "model/bytes.h"
#include "model/encoding.h"
#include "model/field_access.h"
#include "model/field_tables.h"
#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/combo_list.h"
#include "pages/date_mask.h"

#include <array>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace zev {

// The combo list of every catalogue a page binds, made on first use.
class KatalogKombos {
public:
    explicit KatalogKombos(const Kataloge& k) : k_(k) {}
    const KomboListe& operator()(int katalog) const {
        auto& l = listen_[katalog];
        if (!l) l = std::make_unique<KomboListe>(KomboAus(k_(static_cast<std::uint16_t>(katalog))));
        return *l;
    }

private:
    const Kataloge& k_;
    mutable std::map<int, std::unique_ptr<KomboListe>> listen_;
};

// The row of table `t` named `name`: its dump path, "Gruppe.Feld" for a field of
// a group of entries. Not found is a compile error where it is used as a constant.
template <std::size_t N>
consteval const felder::Feld* FeldNamens(const std::array<felder::Feld, N>& t, std::string_view name) {
    for (const felder::Feld& f : t) {
        if (f.gruppe.empty() ? name == f.pfad
                             : name.size() == f.gruppe.size() + 1 + f.pfad.size() && name.starts_with(f.gruppe) &&
                                   name[f.gruppe.size()] == '.' && name.ends_with(f.pfad))
            return &f;
    }
    throw "no such field"; // not a constant expression: the name has no row
}

// What a sheet built from its rows needs to place a bound control: the caption
// beside it, the control's object name, the box it sits in and, for a text, its
// width and whether it is a value combo. Pages whose widgets place their controls
// by hand leave it empty.
struct Platz {
    enum class Werte : std::uint8_t {
        Keine,   // a text box
        Katalog, // a value combo offering the field's catalogue
        Fest1,   // a value combo offering the page's first fixed list
        Fest2,   // ... its second
    };
    std::string_view beschriftung{};
    std::string_view name{}; // the control's object name (a code: its key box's)
    int kasten = -1;         // the page's group box; -1 not placed from the rows
    int pixel = 0;           // width of a text box
    Werte werte = Werte::Keine;
    std::string_view zugang{}; // name for assistive technology when the caption alone is ambiguous
};

// One control bound to entry `eintrag` of a field; exactly one member pointer is set.
template <class S> struct Bindung {
    const felder::Feld* feld = nullptr;
    int eintrag = 1;
    Platz platz{};
    std::string S::*text = nullptr;   // text box or value combo
    CodeFeld S::*code = nullptr;      // key box and the combo of the field's catalogue
    DatumsKasten S::*datum = nullptr; // masked date box
    int S::*wahl = nullptr;           // choice group "???" and two choices
};

// How the rows of a grid go into the entries of a group.
enum class Packung {
    Keine,           // row k into entry k, as typed
    NichtLeererWert, // single column: rows whose cell is not blank (IsEmptyValue), packed from entry 1
    NichtLeereZeile, // rows not blank by IsEmptyRange over the bound columns, packed from entry 1
};

// A code grid bound to a group of entries: column c + 1 shows field spalten[c].
template <class S> struct RasterBindung {
    CodeRaster S::*raster = nullptr;
    std::array<const felder::Feld*, 4> spalten{};
    Packung packung = Packung::Keine;

    int Spalten() const {
        int n = 0;
        while (n < 4 && spalten[static_cast<std::size_t>(n)]) ++n;
        return n;
    }
};

// The bindings of a page over record R and screen model S, written as
// `B::Text("Grunddaten.Name", &Seite::name)`.
template <class R, class S> struct Binder {
    static constexpr const auto& kTabelle = felder::TabelleVon<R>::zeilen;
    static consteval Bindung<S> Text(std::string_view name, std::string S::*m, Platz p = {}) {
        return {.feld = FeldNamens(kTabelle, name), .platz = p, .text = m};
    }
    static consteval Bindung<S> Code(std::string_view name, CodeFeld S::*m, Platz p = {}) {
        return {.feld = FeldNamens(kTabelle, name), .platz = p, .code = m};
    }
    static consteval Bindung<S> Datum(std::string_view name, DatumsKasten S::*m, Platz p = {}) {
        return {.feld = FeldNamens(kTabelle, name), .platz = p, .datum = m};
    }
    static consteval Bindung<S> Wahl(std::string_view name, int S::*m, Platz p = {}) {
        return {.feld = FeldNamens(kTabelle, name), .platz = p, .wahl = m};
    }
    static consteval RasterBindung<S> Raster(CodeRaster S::*m, Packung p, std::string_view n1, std::string_view n2 = {},
                                             std::string_view n3 = {}, std::string_view n4 = {}) {
        RasterBindung<S> b{.raster = m, .packung = p};
        const std::string_view namen[] = {n1, n2, n3, n4};
        for (std::size_t i = 0; i < 4; ++i)
            if (!namen[i].empty()) b.spalten[i] = FeldNamens(kTabelle, namen[i]);
        return b;
    }
};

// The binding of a member, for the widgets that build its control; nullptr when unbound.
template <class S, class M> const Bindung<S>* BindungVon(std::span<const Bindung<S>> b, M S::*m) {
    for (const Bindung<S>& x : b) {
        if constexpr (std::is_same_v<M, std::string>) {
            if (x.text == m) return &x;
        } else if constexpr (std::is_same_v<M, CodeFeld>) {
            if (x.code == m) return &x;
        } else if constexpr (std::is_same_v<M, DatumsKasten>) {
            if (x.datum == m) return &x;
        } else {
            if (x.wahl == m) return &x;
        }
    }
    return nullptr;
}

// Record into screen model.
template <class S, class R>
void BindungenZeigen(std::span<const Bindung<S>> bindungen, const R& r, S& s, const KatalogKombos& kombos) {
    const std::uint8_t* bild = ImageOf(r);
    for (const Bindung<S>& b : bindungen) {
        const felder::Feld& f = *b.feld;
        if (b.wahl) {
            const auto v = felder::ZahlIn(bild, f, b.eintrag);
            s.*b.wahl = v >= 0 && v <= 2 ? static_cast<int>(v) : 0;
            continue;
        }
        const std::string_view t = felder::TextIn(bild, f, b.eintrag);
        if (b.text) s.*b.text = Cp1252ToUtf8(t);
        if (b.code) CodeFeldZeigen(s.*b.code, kombos(f.katalog), Cp1252ToUtf8(t));
        if (b.datum) DatumZeigen(s.*b.datum, t);
    }
}

// Screen model into record, in the order of the rows (a refused date's message
// comes in that order too).
template <class S, class R> void BindungenUebernehmen(std::span<const Bindung<S>> bindungen, S& s, R& r, Meldungen& m) {
    std::uint8_t* bild = ImageOf(r);
    for (const Bindung<S>& b : bindungen) {
        const felder::Feld& f = *b.feld;
        if (b.wahl) felder::ZahlSetzen(bild, f, b.eintrag, s.*b.wahl);
        if (b.text) felder::TextSetzen(bild, f, b.eintrag, Utf8ToCp1252(s.*b.text));
        if (b.code) felder::TextSetzen(bild, f, b.eintrag, Utf8ToCp1252((s.*b.code).schluessel));
        // Dates are stored as ten-character texts; the box writes only what was typed.
        if (b.datum) DatumUebernehmen(s.*b.datum, *reinterpret_cast<s10*>(bild + f.OrtVon(b.eintrag)), m);
    }
}

// A group of entries onto its grid: entry k in row k; the focus to row 1, column 1.
template <class S, class R> void RasterZeigen(const RasterBindung<S>& b, const R& r, S& s) {
    CodeRaster& raster = s.*b.raster;
    const std::uint8_t* bild = ImageOf(r);
    const int n = std::min<int>(b.spalten[0]->anzahl, raster.Zeilen());
    for (int k = 1; k <= n; ++k)
        for (int c = 0; c < b.Spalten(); ++c)
            raster.zeilen[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(c + 1)] =
                Cp1252ToUtf8(felder::TextIn(bild, *b.spalten[static_cast<std::size_t>(c)], k));
    raster.fokusZeile = 0;
    raster.fokusSpalte = 1;
    AlleAuffrischen(raster);
}

// The grid into its group; packed grids empty the entries after the last row taken.
template <class S, class R> void RasterUebernehmen(const RasterBindung<S>& b, const S& s, R& r) {
    const CodeRaster& raster = s.*b.raster;
    std::uint8_t* bild = ImageOf(r);
    const int spalten = b.Spalten();
    const int anzahl = b.spalten[0]->anzahl;
    const auto schreiben = [&](int k, const std::vector<std::string>* z) {
        for (int c = 0; c < spalten; ++c)
            felder::TextSetzen(bild, *b.spalten[static_cast<std::size_t>(c)], k,
                               z ? Utf8ToCp1252((*z)[static_cast<std::size_t>(c + 1)]) : std::string());
    };
    if (b.packung == Packung::Keine) {
        for (int k = 1; k <= anzahl && k <= raster.Zeilen(); ++k)
            schreiben(k, &raster.zeilen[static_cast<std::size_t>(k - 1)]);
        return;
    }
    int k = 0;
    for (const auto& z : raster.zeilen) {
        const bool leer = b.packung == Packung::NichtLeererWert ? IsEmptyValue(z[1]) : IsEmptyRange(z, 1, spalten);
        if (!leer && k < anzahl) schreiben(++k, &z);
    }
    while (k < anzahl) schreiben(++k, nullptr);
}

} // namespace zev
