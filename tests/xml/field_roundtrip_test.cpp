// Every field of every area through export and import, driven by the field tables:
// random records (lists and groups partly filled) are written in every layout and
// read back; the record read must be the new record with exactly the written
// fields in it, entries packed in order, byte for byte.
#include "model/field_access.h"
#include "model/field_tables.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "xml/export_trees.h"
#include "xml/xml_import.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

namespace zev {
namespace {

using felder::Feld;

class Fuellung {
public:
    explicit Fuellung(unsigned saat) : g_(saat) {}

    // 1..width characters of 0x21..0xFF: no blank (the reader normalises those), no
    // comma (the Orgform joins with ", ") and no "-" in front (so never "--").
    std::string Text(std::size_t breite) {
        std::string s;
        const std::size_t n = 1 + g_() % breite;
        while (s.size() < n) {
            const auto c = static_cast<char>(0x21 + g_() % (0x100 - 0x21));
            if (c != ',' && !(s.empty() && c == '-')) s += c;
        }
        return s;
    }
    bool Ja(int prozent) { return static_cast<int>(g_() % 100) < prozent; }
    int Zahl(int von, int bis) { return von + static_cast<int>(g_() % static_cast<unsigned>(bis - von + 1)); }

    // Fills entry `k` of `f` in `bild` with a value the export writes; the same goes to
    // entry `ziel` of `erwartet`.
    void Wert(std::uint8_t* bild, std::uint8_t* erwartet, const Feld& f, int k, int ziel) {
        switch (f.art) {
            case felder::Art::Zahl: { // the school's lesson-unit number: its text is read back too
                const int v = Zahl(1, 99999);
                felder::ZahlSetzen(bild, f, k, v);
                felder::ZahlSetzen(erwartet, f, ziel, v);
                break;
            }
            case felder::Art::Auswahl: {
                const int v = Zahl(f.ausgabe == felder::Ausgabe::Gewaehlt ? 1 : 0, 2);
                felder::ZahlSetzen(bild, f, k, v);
                felder::ZahlSetzen(erwartet, f, ziel, v);
                break;
            }
            case felder::Art::Verweise: {
                const int v = Zahl(1, 65535);
                felder::ZahlSetzen(bild, f, k, v);
                felder::TextSetzen(bild, f, k, std::to_string(v));
                felder::ZahlSetzen(erwartet, f, ziel, v);
                felder::TextSetzen(erwartet, f, ziel, std::to_string(v));
                break;
            }
            default: {
                const std::string t = Text(f.breite);
                felder::TextSetzen(bild, f, k, t);
                felder::TextSetzen(erwartet, f, ziel, t);
            }
        }
    }

private:
    std::mt19937 g_;
};

// Fills `r` (a new record) at random and builds what the import must give back:
// `erwartet` starts as the same new record. `ohne` leaves a container out, as the
// export does for the independent body's block of a public school.
template <class R, std::size_t M>
void Fuellen(Fuellung& z, R& r, R& erwartet, const std::array<Feld, M>& zeilen, std::string_view ohne) {
    std::uint8_t* b = ImageOf(r);
    std::uint8_t* x = ImageOf(erwartet);
    std::map<std::string_view, std::vector<int>> ziele; // group: where each entry lands
    std::map<std::string_view, int> gefuellt;           // group: entries filled so far
    for (std::size_t i = 0; i < M; ++i) {
        const Feld& f = zeilen[i];
        if (f.pfad == "Schulnummer") continue; // stays the settings' number: no question asked
        const bool weg = !f.Exportiert() || f.ausgabe == felder::Ausgabe::Nie ||
                         (!ohne.empty() && f.xml.substr(0, ohne.size()) == ohne);
        std::uint8_t* ziel = weg ? nullptr : x;
        std::vector<std::uint8_t> muell(sizeof(R)); // what is not read back goes nowhere
        if (!ziel) ziel = muell.data();
        if (f.Gruppiert()) {
            const std::string_view gruppe = f.gruppe.empty() ? f.Behaelter() : f.gruppe;
            auto& z_ = ziele[gruppe];
            if (z_.empty()) { // the group's first row decides which entries are filled
                z_.assign(static_cast<std::size_t>(f.anzahl) + 1, 0);
                for (int k = 1; k <= f.anzahl; ++k) {
                    const bool erstes = k == 1 && f.eintrag == felder::Eintrag::ErstesOderNummer;
                    if (erstes || z.Ja(f.anzahl == 1000 ? 2 : 60)) z_[static_cast<std::size_t>(k)] = ++gefuellt[gruppe];
                }
            }
            for (int k = 1; k <= f.anzahl; ++k)
                if (const int n = z_[static_cast<std::size_t>(k)]; n > 0)
                    z.Wert(b, f.Exportiert() ? ziel : muell.data(), f, k, n);
            continue;
        }
        int n = 0;
        for (int k = 1; k <= f.anzahl; ++k) {
            const bool immer = f.ausgabe == felder::Ausgabe::Immer || f.ausgabe == felder::Ausgabe::Eigen ||
                               f.ausgabe == felder::Ausgabe::Nie || (k == 1 && f.erstesImmer);
            if (immer || z.Ja(60)) z.Wert(b, ziel, f, k, ++n);
        }
    }
}

// Equal images, or the field where they first differ.
template <class R, std::size_t M>
::testing::AssertionResult Gleich(const R& ist, const R& soll, const std::array<Feld, M>& zeilen) {
    const std::uint8_t* a = ImageOf(ist);
    const std::uint8_t* b = ImageOf(soll);
    for (std::size_t i = 0; i < sizeof(R); ++i) {
        if (a[i] == b[i]) continue;
        std::string feld = "(no field)";
        for (const Feld& f : zeilen)
            for (int k = 1; k <= f.anzahl; ++k)
                if (i >= f.OrtVon(k) && i < f.OrtVon(k) + (f.art == felder::Art::Verweise ? 8 : f.breite + 1u))
                    feld = std::string(f.gruppe) + (f.gruppe.empty() ? "" : "[" + std::to_string(k) + "].") +
                           std::string(f.pfad) +
                           (f.gruppe.empty() && f.anzahl > 1 ? "[" + std::to_string(k) + "]" : "");
        return ::testing::AssertionFailure()
               << "byte " << i << " of " << feld << ": " << int(a[i]) << " instead of " << int(b[i]);
    }
    return ::testing::AssertionSuccess();
}

class FieldRoundTrip : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        EinstellungenStandard(e, o.Pfad());
        e.Schulnummer = "12345";
        e.XMLLayout = static_cast<std::uint16_t>(GetParam());
    }
    std::string Datei(const std::string& inhalt) {
        test::DateiSchreiben(o / "f.xml", std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
        return o / "f.xml";
    }
    test::TempOrdner o;
    TEinstellungen e;
    test::SkriptMeldungen m;
    ImportBericht bericht;
};

TEST_P(FieldRoundTrip, TeachersWithAndWithoutTheIndependentBodysBlock) {
    for (int frei : {1, 0}) {
        SCOPED_TRACE(frei);
        e.FreierTraeger = static_cast<std::uint16_t>(frei);
        Fuellung z(static_cast<unsigned>(10 + GetParam() * 2 + frei));
        std::vector<TLehrerDS> r(30), x(30);
        for (std::size_t n = 0; n < r.size(); ++n) {
            InitLehrer(r[n], "12345"), InitLehrer(x[n], "12345");
            Fuellen(z, r[n], x[n], felder::kLehrer, frei ? "" : "Lehrerdaten/freie_Traeger/");
        }
        const auto v = ImportTeacherXml(Datei(LehrerXml(r, e, "L")), e, m, bericht);
        ASSERT_TRUE(v);
        ASSERT_EQ(v->size(), x.size());
        for (std::size_t n = 0; n < x.size(); ++n) EXPECT_TRUE(Gleich((*v)[n], x[n], felder::kLehrer)) << n;
    }
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_TRUE(bericht.unbekannt.empty());
}

TEST_P(FieldRoundTrip, StudentsAndClasses) {
    Fuellung z(static_cast<unsigned>(20 + GetParam()));
    std::vector<TSchuelerDS> s(30), sx(30);
    for (std::size_t n = 0; n < s.size(); ++n) {
        InitSchueler(s[n], "12345"), InitSchueler(sx[n], "12345");
        Fuellen(z, s[n], sx[n], felder::kSchueler, "");
    }
    const auto v = ImportStudentXml(Datei(SchuelerXml(s, e, "S")), e, m, bericht);
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), sx.size());
    for (std::size_t n = 0; n < sx.size(); ++n) EXPECT_TRUE(Gleich((*v)[n], sx[n], felder::kSchueler)) << n;

    std::vector<TKlasseDS> k(30), kx(30);
    for (std::size_t n = 0; n < k.size(); ++n) {
        InitKlasse(k[n], "12345"), InitKlasse(kx[n], "12345");
        Fuellen(z, k[n], kx[n], felder::kKlasse, "");
    }
    const auto w = ImportClassXml(Datei(KlassenXml(k, e, "K")), e, m, bericht);
    ASSERT_TRUE(w);
    ASSERT_EQ(w->size(), kx.size());
    for (std::size_t n = 0; n < kx.size(); ++n) EXPECT_TRUE(Gleich((*w)[n], kx[n], felder::kKlasse)) << n;
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_TRUE(bericht.unbekannt.empty());
}

TEST_P(FieldRoundTrip, SchoolWithOrgformTextAndEveryLessonUnitField) {
    for (int runde = 0; runde < 4; ++runde) {
        SCOPED_TRACE(runde);
        const bool frei = runde % 2 == 0;
        e.FreierTraeger = frei ? 1 : 0;
        Fuellung z(static_cast<unsigned>(30 + GetParam() * 4 + runde));
        auto s = std::make_unique<TSchuleDS>();
        auto x = std::make_unique<TSchuleDS>();
        InitSchule(*s, "12345"), InitSchule(*x, "12345");
        Fuellen(z, *s, *x, felder::kSchule, frei ? "" : "Schuldaten/freie_Traeger/");
        // Code "41" carries the free text out and back; the unit's number comes back as its text too.
        if (runde < 2) s->Schuldaten.Orgform = "41", x->Schuldaten.Orgform = "41";
        if (s->Schuldaten.Orgform == std::string_view("41")) x->Schuldaten.Orgform_Text = s->Schuldaten.Orgform_Text;
        for (int k = 1; k <= 1000; ++k)
            if (x->Unterrichtseinheit[k].UE_ID > 0)
                x->Unterrichtseinheit[k].UE_ID_Text = std::to_string(x->Unterrichtseinheit[k].UE_ID.get());
        const auto v = ImportSchoolXml(Datei(SchulXml(*s, e, "S")), e, m, bericht);
        ASSERT_TRUE(v);
        EXPECT_TRUE(Gleich(*v, *x, felder::kSchule));
    }
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_TRUE(bericht.unbekannt.empty());
}

INSTANTIATE_TEST_SUITE_P(Layouts, FieldRoundTrip, ::testing::Values(0, 1, 2, 3));

} // namespace
} // namespace zev
