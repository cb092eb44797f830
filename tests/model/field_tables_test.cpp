// The field tables against the records: every byte of a record belongs to exactly
// one field or to a reserved member, a new record holds its fields as the rows say,
// and an element is named as its field.
#include "model/database.h"
#include "model/field_access.h"
#include "model/field_tables.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
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
void NurReserviertFrei(const std::array<Feld, M>& zeilen, std::size_t groesse, const std::vector<Bereich>& reserviert) {
    const std::vector<int> b = Belegung(zeilen, groesse);
    std::set<std::size_t> frei, soll;
    for (std::size_t i = 0; i < groesse; ++i)
        if (b[i] < 0) frei.insert(i);
    for (const Bereich& r : reserviert)
        for (std::size_t i = r.von; i < r.von + r.laenge; ++i) soll.insert(i);
    EXPECT_EQ(frei, soll);
}

#define RES(T, m)                                                                                                      \
    Bereich {                                                                                                          \
        offsetof(T, m), sizeof(T::m)                                                                                   \
    }
#define KOPF(T) RES(T, Reserviert4), RES(T, Zaehler), RES(T, Reserviert26)

TEST(FieldTables, EveryByteIsOneFieldOrReserved) {
    NurReserviertFrei(felder::kLehrer, sizeof(TLehrerDS),
                      {KOPF(TLehrerDS), RES(TLehrerDS, Grunddaten.Reserviert), RES(TLehrerDS, Sonstiges.Reserviert)});
    NurReserviertFrei(felder::kKlasse, sizeof(TKlasseDS), {KOPF(TKlasseDS), RES(TKlasseDS, Reserviert99)});
    NurReserviertFrei(
        felder::kSchueler, sizeof(TSchuelerDS),
        {KOPF(TSchuelerDS), RES(TSchuelerDS, Jahrgangsdaten.Reserviert), RES(TSchuelerDS, Reserviert770)});
    NurReserviertFrei(felder::kUnterrichtseinheit, sizeof(TUnterrichtseinheitDS),
                      {RES(TUnterrichtseinheitDS, Reserviert)});
    std::vector<Bereich> schule = {RES(TSchuleDS, Reserviert11),
                                   RES(TSchuleDS, freie_Traeger.Reserviert),
                                   RES(TSchuleDS, Reserviert555),
                                   RES(TSchuleDS, Reserviert88653),
                                   {offsetof(TSchuleDS, Schuldaten.Schulart), 3}, // element 0
                                   {offsetof(TSchuleDS, Unterrichtseinheit), sizeof(TUnterrichtseinheitDS)}};
    for (int k = 1; k <= 1000; ++k)
        schule.push_back({offsetof(TSchuleDS, Unterrichtseinheit) + k * sizeof(TUnterrichtseinheitDS) +
                              offsetof(TUnterrichtseinheitDS, Reserviert),
                          3});
    NurReserviertFrei(felder::kSchule, sizeof(TSchuleDS), schule);
    std::vector<Bereich> einstellungen = {RES(TEinstellungen, Reserviert1092), RES(TEinstellungen, Reserviert1110),
                                          RES(TEinstellungen, Reserviert4337), RES(TEinstellungen, Reserviert4348),
                                          RES(TEinstellungen, Reserviert4366), RES(TEinstellungen, Reserviert5119)};
    for (std::size_t k = 0; k < 12; ++k)
        for (const Bereich& r : {RES(TXMLImportEintrag, Reserviert251), RES(TXMLImportEintrag, Reserviert256)})
            einstellungen.push_back(
                {offsetof(TEinstellungen, XMLImport) + k * sizeof(TXMLImportEintrag) + r.von, r.laenge});
    NurReserviertFrei(felder::kEinstellungen, sizeof(TEinstellungen), einstellungen);
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
