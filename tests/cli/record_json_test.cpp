// The dump of every field of every record, driven by the field tables: each field of
// a random full record appears under its path with its value, and nothing else does.
#include "cli/record_json.h"
#include "model/encoding.h"
#include "model/field_access.h"
#include "model/field_tables.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace zev {
namespace {

using felder::Feld;

// Every entry of every field gets a value of its own, so a value under a wrong name
// is told apart from the right one.
template <class R, std::size_t M> void Fuellen(R& r, const std::array<Feld, M>& zeilen, unsigned saat) {
    std::mt19937 g(saat);
    std::uint8_t* b = ImageOf(r);
    for (const Feld& f : zeilen)
        for (int k = 1; k <= f.anzahl; ++k) {
            if (!felder::IstText(f) || f.art == felder::Art::Verweise)
                felder::ZahlSetzen(b, f, k, static_cast<std::int64_t>(g() % (f.breite == 2 ? 65536u : 2000000000u)));
            if (felder::IstText(f)) {
                std::string t;
                const std::size_t n = 1 + g() % f.breite;
                while (t.size() < n) t += static_cast<char>(0x20 + g() % 0xE0); // Windows-1252, umlauts too
                felder::TextSetzen(b, f, k, t);
            }
        }
}

std::size_t Blaetter(const Json& j) {
    if (!j.is_structured()) return 1;
    std::size_t n = 0;
    for (const auto& e : j) n += Blaetter(e);
    return n;
}

Json Erwartet(const std::uint8_t* b, const Feld& f, int k) {
    if (f.art == felder::Art::Zahl || f.art == felder::Art::Auswahl) return felder::ZahlIn(b, f, k);
    return Cp1252ToUtf8(felder::TextIn(b, f, k));
}

template <class R, std::size_t M> void JederWertAnSeinemPlatz(const R& r, const std::array<Feld, M>& zeilen) {
    const Json j = AlsJson(r);
    const std::uint8_t* b = ImageOf(r);
    std::size_t werte = 0;
    for (const Feld& f : zeilen) {
        const auto zeiger = [&](std::string_view pfad) {
            std::string p;
            for (char c : pfad) p += c == '.' ? '/' : c;
            return Json::json_pointer("/" + p);
        };
        for (int k = 1; k <= f.anzahl; ++k) {
            Json::json_pointer p;
            if (f.gruppe.empty()) {
                p = zeiger(f.pfad);
                if (f.wiederholung == felder::Wiederholung::Liste) p /= static_cast<std::size_t>(k - 1);
            } else {
                p = zeiger(f.gruppe);
                if (f.je > 0) p /= static_cast<std::size_t>((k - 1) / f.je);
                p /= static_cast<std::size_t>(f.je > 0 ? (k - 1) % f.je : k - 1);
                p /= std::string(f.pfad);
            }
            ASSERT_TRUE(j.contains(p)) << p.to_string();
            if (f.art == felder::Art::Verweise) {
                EXPECT_EQ(j[p], Json({{"Nummer", felder::ZahlIn(b, f, k)}, {"UE_ID", Erwartet(b, f, k)}}))
                    << p.to_string();
                werte += 2;
            } else {
                EXPECT_EQ(j[p], Erwartet(b, f, k)) << p.to_string();
                ++werte;
            }
        }
    }
    EXPECT_EQ(Blaetter(j), werte) << "fields in the dump that the table does not have";
}

TEST(RecordJson, EveryFieldOfEveryRecordUnderItsPathWithItsValue) {
    for (unsigned saat = 1; saat <= 3; ++saat) {
        TLehrerDS l{};
        Fuellen(l, felder::kLehrer, saat);
        JederWertAnSeinemPlatz(l, felder::kLehrer);
        TKlasseDS k{};
        Fuellen(k, felder::kKlasse, saat);
        JederWertAnSeinemPlatz(k, felder::kKlasse);
        TSchuelerDS s{};
        Fuellen(s, felder::kSchueler, saat);
        JederWertAnSeinemPlatz(s, felder::kSchueler);
        auto schule = std::make_unique<TSchuleDS>();
        Fuellen(*schule, felder::kSchule, saat);
        JederWertAnSeinemPlatz(*schule, felder::kSchule);
        auto e = std::make_unique<TEinstellungen>();
        Fuellen(*e, felder::kEinstellungen, saat);
        JederWertAnSeinemPlatz(*e, felder::kEinstellungen);
    }
}

} // namespace
} // namespace zev
