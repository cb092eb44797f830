#include "pages/code_grid.h"

#include "catalog/catalogue_list.h"

namespace zev {

namespace {

bool GueltigeZelle(const CodeRaster& r, int zeile, int spalte) {
    return zeile >= 0 && zeile < r.Zeilen() && spalte >= 0 && spalte < r.Spalten();
}

void Auffrischen(CodeRaster& r, std::vector<std::string>& zeile) {
    if (r.auffrischen) r.auffrischen(zeile);
}

} // namespace

bool IstLeereZelle(std::string_view text) {
    return IsEmptyValue(text) || text == "0";
}

bool IsEmptyRange(const std::vector<std::string>& zeile, int von, int bis) {
    for (int i = von; i <= bis; ++i)
        if (i >= 0 && i < static_cast<int>(zeile.size()) && !IstLeereZelle(zeile[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

std::vector<std::string>& ZeileAnhaengen(CodeRaster& r) {
    r.zeilen.emplace_back(r.spalten.size());
    Auffrischen(r, r.zeilen.back());
    return r.zeilen.back();
}

void ZeileEntfernen(CodeRaster& r, int zeile) {
    if (zeile < 0 || zeile >= r.Zeilen()) return;
    r.zeilen.erase(r.zeilen.begin() + zeile);
    if (r.fokusZeile >= r.Zeilen()) r.fokusZeile = r.Zeilen() - 1;
}

void AlleAuffrischen(CodeRaster& r) {
    for (auto& z : r.zeilen) Auffrischen(r, z);
}

int KomboIndexFuerZelle(const CodeRaster& r, int zeile, int spalte) {
    if (!GueltigeZelle(r, zeile, spalte)) return 0;
    const RasterSpalte& s = r.spalten[static_cast<std::size_t>(spalte)];
    if (!s.kombo) return 0;
    const std::string& zelle = r.zeilen[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
    return s.wert == KomboWert::Text ? IndexOfText(*s.kombo, zelle) : KomboIndexVonSchluessel(*s.kombo, zelle);
}

bool ZelleAusKombo(CodeRaster& r, int zeile, int spalte, int index) {
    if (!GueltigeZelle(r, zeile, spalte)) return false;
    const RasterSpalte& s = r.spalten[static_cast<std::size_t>(spalte)];
    if (!s.kombo || index < 0 || static_cast<std::size_t>(index) >= s.kombo->size()) return false;
    auto& z = r.zeilen[static_cast<std::size_t>(zeile)];
    z[static_cast<std::size_t>(spalte)] =
        s.wert == KomboWert::Text ? s.kombo->texte[static_cast<std::size_t>(index)] : s.kombo->Schluessel(index);
    r.fokusZeile = zeile;
    r.fokusSpalte = spalte;
    Auffrischen(r, z);
    return true;
}

bool ZelleSetzen(CodeRaster& r, int zeile, int spalte, std::string textUtf8) {
    if (!GueltigeZelle(r, zeile, spalte) || !r.spalten[static_cast<std::size_t>(spalte)].gespeichert) return false;
    auto& z = r.zeilen[static_cast<std::size_t>(zeile)];
    z[static_cast<std::size_t>(spalte)] = std::move(textUtf8);
    Auffrischen(r, z);
    return true;
}

} // namespace zev
