// The field tables against the records: every byte of a record belongs to exactly
// one field or to a reserved member, a new record holds its fields as the rows say,
// and an element is named as its field.
#include "model/database.h"
#include "model/field_access.h"
#include "model/field_tables.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <span>
#include <vector>

namespace zev {
namespace {

using felder::Feld;

struct Bereich {
    std::size_t von, laenge;
};

// Which field covers each byte (-1: none); two fields on one byte fail.
template <std::size_t M> std::vector<int> Belegung(const std::array<Feld, M>& zeilen, std::size_t groesse) {
    std::vector<int> b(groesse, -1);
    for (std::size_t z = 0; z < M; ++z) {
        const Feld& f = zeilen[z];
        const std::size_t breite = f.art == felder::Art::Verweise ? 8u : felder::IstText(f) ? f.breite + 1u : f.breite;
        for (int k = 1; k <= f.anzahl; ++k)
            for (std::size_t i = f.OrtVon(k); i < f.OrtVon(k) + breite; ++i) {
                EXPECT_LT(i, groesse) << f.pfad;
                if (i >= groesse) return b;
                EXPECT_EQ(b[i], -1) << f.pfad << " overlaps " << (b[i] >= 0 ? zeilen[b[i]].pfad : "") << " at " << i;
                b[i] = static_cast<int>(z);
            }
    }
    return b;
}

template <std::size_t M>
void NurReserviertFrei(const std::array<Feld, M>& zeilen, std::size_t groesse, std::span<const OhneFeld> ohne,
                       const std::vector<OhneFeld>& weitere = {}) {
    const std::vector<int> b = Belegung(zeilen, groesse);
    std::set<std::size_t> frei, soll;
    for (std::size_t i = 0; i < groesse; ++i)
        if (b[i] < 0) frei.insert(i);
    for (std::span<const OhneFeld> liste : {ohne, std::span<const OhneFeld>(weitere)})
        for (const OhneFeld& r : liste)
            for (std::size_t i = r.ort; i < r.ort + r.laenge; ++i) soll.insert(i);
    EXPECT_EQ(frei, soll);
}

TEST(FieldTables, EveryByteIsOneFieldOrReserved) {
    NurReserviertFrei(felder::kLehrer, sizeof(TLehrerDS), kLehrerOhneFeld);
    NurReserviertFrei(felder::kKlasse, sizeof(TKlasseDS), kKlasseOhneFeld);
    NurReserviertFrei(felder::kSchueler, sizeof(TSchuelerDS), kSchuelerOhneFeld);
    NurReserviertFrei(felder::kUnterrichtseinheit, sizeof(TUnterrichtseinheitDS), kUnterrichtseinheitOhneFeld);
    const std::size_t ue = offsetof(TSchuleDS, Unterrichtseinheit);
    std::vector<OhneFeld> schule = {{offsetof(TSchuleDS, Schuldaten.Schulart), 3}, // element 0
                                    {ue, sizeof(TUnterrichtseinheitDS)}};
    for (int k = 1; k <= 1000; ++k)
        schule.push_back({ue + k * sizeof(TUnterrichtseinheitDS) + offsetof(TUnterrichtseinheitDS, Reserviert), 3});
    NurReserviertFrei(felder::kSchule, sizeof(TSchuleDS), kSchuleOhneFeld, schule);
#define RES(m) OhneFeld{offsetof(TEinstellungen, m), sizeof(TEinstellungen::m)}
    std::vector<OhneFeld> einstellungen = {RES(Reserviert1092), RES(Reserviert1110), RES(Reserviert4337),
                                           RES(Reserviert4348), RES(Reserviert4366), RES(Reserviert5119)};
#undef RES
    for (std::size_t k = 0; k < 12; ++k)
        for (std::size_t r : {offsetof(TXMLImportEintrag, Reserviert251), offsetof(TXMLImportEintrag, Reserviert256)})
            einstellungen.push_back({offsetof(TEinstellungen, XMLImport) + k * sizeof(TXMLImportEintrag) + r,
                                     r == offsetof(TXMLImportEintrag, Reserviert251) ? 1u : 10u});
    NurReserviertFrei(felder::kEinstellungen, sizeof(TEinstellungen), {}, einstellungen);
}

// A field is new-empty (empty text, 0) in a new record exactly when its row says so.
template <class R, std::size_t M> void NeuWieDieZeilen(const R& r, const std::array<Feld, M>& zeilen) {
    for (const Feld& f : zeilen) {
        if (f.pfad == "ID") continue; // given when the record is stored
        for (int k = 1; k <= f.anzahl; ++k) {
            const bool leer = felder::IstText(f) ? felder::TextIn(ImageOf(r), f, k).empty() : true;
            const bool null =
                !felder::IstText(f) || f.art == felder::Art::Verweise ? felder::ZahlIn(ImageOf(r), f, k) == 0 : true;
            EXPECT_EQ(leer && null, f.neuLeer) << f.gruppe << " " << f.pfad << " [" << k << "]";
        }
    }
}

TEST(FieldTables, NewRecordsHoldWhatTheRowsSay) {
    TLehrerDS l;
    InitLehrer(l, "12345");
    NeuWieDieZeilen(l, felder::kLehrer);
    TKlasseDS k;
    InitKlasse(k, "12345");
    NeuWieDieZeilen(k, felder::kKlasse);
    TSchuelerDS s;
    InitSchueler(s, "12345");
    NeuWieDieZeilen(s, felder::kSchueler);
    auto schule = std::make_unique<TSchuleDS>();
    InitSchule(*schule, "12345");
    NeuWieDieZeilen(*schule, felder::kSchule);
}

// The element carries the field's own name; the file's order is the record's, but
// for the enrolment's kind and year.
TEST(FieldTables, ElementsAreNamedAsTheirFields) {
    const auto pruefen = [](felder::Tabelle t) {
        std::uint32_t vorher = 0;
        for (const Feld& f : t) {
            const std::string_view name = f.pfad.substr(f.pfad.rfind('.') + 1);
            if (f.Exportiert()) {
                EXPECT_EQ(f.Element(), name) << f.xml;
            }
            if (f.pfad != "Grunddaten.Einschulung.Einschulungsjahr") {
                EXPECT_GT(f.ort + 1, vorher) << f.pfad;
            }
            vorher = f.ort;
        }
    };
    pruefen(felder::kLehrer);
    pruefen(felder::kKlasse);
    pruefen(felder::kSchueler);
    pruefen(felder::kSchule);
    pruefen(felder::kEinstellungen);
}

} // namespace
} // namespace zev
