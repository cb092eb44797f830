#include "cli/record_json.h"

#include "model/bytes.h"
#include "model/encoding.h"
#include "model/field_access.h"
#include "model/field_tables.h"

namespace zev {

namespace {

using felder::Feld;

// The member of `j` named by a dotted path, made where missing.
Json& An(Json& j, std::string_view pfad) {
    Json* p = &j;
    while (true) {
        const auto punkt = pfad.find('.');
        p = &(*p)[std::string(pfad.substr(0, punkt))];
        if (punkt == std::string_view::npos) return *p;
        pfad.remove_prefix(punkt + 1);
    }
}

Json Wert(const std::uint8_t* b, const Feld& f, int k) {
    switch (f.art) {
        case felder::Art::Zahl:
        case felder::Art::Auswahl:
            return felder::ZahlIn(b, f, k);
        case felder::Art::Verweise:
            return Json{{"Nummer", felder::ZahlIn(b, f, k)}, {"UE_ID", Cp1252ToUtf8(felder::TextIn(b, f, k))}};
        default:
            return Cp1252ToUtf8(felder::TextIn(b, f, k));
    }
}

// Entry `k` of a group: an object in the group's array (in an inner array of
// `je` entries for a two-level group), made where missing.
Json& Eintrag(Json& j, const Feld& f, int k) {
    Json* liste = &An(j, f.gruppe);
    auto i = static_cast<std::size_t>(k - 1);
    if (f.je > 0) {
        if (liste->is_null()) *liste = Json::array();
        while (liste->size() <= i / f.je) liste->push_back(Json::array());
        liste = &(*liste)[i / f.je];
        i %= f.je;
    }
    if (liste->is_null()) *liste = Json::array();
    while (liste->size() <= i) liste->push_back(Json::object());
    return (*liste)[i];
}

// Every field of the record by its table, in record order: a list as an array
// from entry 1, a group as an array of objects.
template <class R> Json NachTabelle(const R& r) {
    static constexpr const auto& zeilen = felder::TabelleVon<R>::zeilen;
    static constexpr auto folge = felder::NachOrt(zeilen);
    const std::uint8_t* b = ImageOf(r);
    Json j = Json::object();
    for (const std::uint16_t z : folge) {
        const Feld& f = zeilen[z];
        if (!f.gruppe.empty()) {
            for (int k = 1; k <= f.anzahl; ++k) Eintrag(j, f, k)[std::string(f.pfad)] = Wert(b, f, k);
        } else if (f.wiederholung == felder::Wiederholung::Liste) {
            Json& liste = An(j, f.pfad);
            liste = Json::array();
            for (int k = 1; k <= f.anzahl; ++k) liste.push_back(Wert(b, f, k));
        } else {
            An(j, f.pfad) = Wert(b, f, 1);
        }
    }
    return j;
}

} // namespace

Json AlsJson(const TLehrerDS& r) {
    return NachTabelle(r);
}
Json AlsJson(const TKlasseDS& r) {
    return NachTabelle(r);
}
Json AlsJson(const TSchuelerDS& r) {
    return NachTabelle(r);
}
Json AlsJson(const TSchuleDS& r) {
    return NachTabelle(r);
}
Json AlsJson(const TEinstellungen& e) {
    return NachTabelle(e);
}

} // namespace zev
