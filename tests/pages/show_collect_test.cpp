// Looking changes nothing: every record of every area, shown on its page and taken
// back without an edit, keeps every byte of its image. Random records carry
// random bytes everywhere (beyond each text's length, in reserved places, in
// fields no page shows), texts of any Windows-1252 byte, dates of every form a
// file or an import can hold, and each kind of lesson-unit reference; the
// demonstration school is checked as it is written.
#include "control/demo_school.h"
#include "control/lifecycle.h"
#include "model/field_access.h"
#include "model/field_tables.h"
#include "pages/class_page.h"
#include "pages/school_page.h"
#include "pages/student_page.h"
#include "pages/teacher_page.h"
#include "support/page_controller.h"

#include <gtest/gtest.h>

#include <random>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;

struct KeineDialoge final : LehrerDialoge, SchuelerDialoge, KlassenDialoge, SchulDialoge {
    std::optional<std::vector<std::string>> UEAuswaehlen() override { return std::nullopt; }
    void Ergebnisfenster() override {}
    void Gruppenfenster() override {}
    std::optional<std::string> NeueKlassenbesonderheit() override { return std::nullopt; }
    std::optional<std::string> NeueSchulart() override { return std::nullopt; }
    bool Unterrichtseinheit(TUnterrichtseinheitDS&, std::string_view) override { return false; }
};

class Zufall {
public:
    explicit Zufall(unsigned saat) : g_(saat) {}
    int Zahl(int bis) { return static_cast<int>(g_() % static_cast<unsigned>(bis)); }
    bool Ja(int prozent = 50) { return Zahl(100) < prozent; }

    // Random bytes everywhere, then every field of the record's table filled as
    // the field's kind allows, so a field added to a table is tried at once.
    template <class R> void Datensatz(R& r) {
        std::uint8_t* bild = ImageOf(r);
        for (std::size_t i = 0; i < sizeof(R); ++i) bild[i] = static_cast<std::uint8_t>(g_());
        std::string_view gruppe;
        int belegt = 0;
        for (const felder::Feld& f : felder::TabelleVon<R>::zeilen) {
            // A group's entries are filled from the first (a grid packs them), each
            // entry of a group kept as typed (BlockJe) independently of the others.
            if (f.gruppe.empty() || f.gruppe != gruppe) belegt = Zahl(f.anzahl + 1);
            const bool erstesDerGruppe = f.gruppe.empty() || f.gruppe != gruppe;
            gruppe = f.gruppe;
            for (int k = 1; k <= f.anzahl; ++k) {
                std::uint8_t* p = bild + f.OrtVon(k);
                switch (f.art) {
                    case felder::Art::Zahl:
                        break; // random bytes
                    case felder::Art::Auswahl:
                        felder::ZahlSetzen(bild, f, k, Zahl(3));
                        break;
                    case felder::Art::Datum:
                        Datum(*reinterpret_cast<s10*>(p));
                        break;
                    case felder::Art::Verweise:
                        Verweis(*reinterpret_cast<TUEVerweis*>(p));
                        break;
                    default:
                        if (f.anzahl == 1)
                            Text(p, f.breite);
                        else if (f.wiederholung == felder::Wiederholung::BlockJe ? !Ja(70) : k > belegt)
                            p[0] = 0; // empty
                        else if (f.gruppe.empty() || erstesDerGruppe)
                            Wert(p, f.breite); // what keeps the entry in its grid
                        else
                            Text(p, f.breite);
                }
            }
        }
    }
    // Any length, any byte but 0; what lay beyond the length stays.
    void Text(std::uint8_t* p, int n) {
        p[0] = static_cast<std::uint8_t>(Zahl(n + 1));
        for (int i = 0; i < p[0]; ++i) p[1 + i] = static_cast<std::uint8_t>(1 + Zahl(255));
    }
    template <std::size_t N> void Text(SText<N>& t) { Text(reinterpret_cast<std::uint8_t*>(&t), N); }
    // A value of a grid row that no blank test drops: it begins with a letter.
    void Wert(std::uint8_t* p, int n) {
        Text(p, n);
        if (p[0] == 0) p[0] = 1;
        p[1] = static_cast<std::uint8_t>('A' + Zahl(26));
    }
    template <std::size_t N> static void Leer(SText<N>& t) { t.len = 0; }
    void Datum(s10& d) {
        const auto zwei = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
        // Every form a file or an earlier version may hold: empty masks, typed in
        // part, not in the stored form, any bytes, and real dates.
        const std::string_view formen[] = {"  .  .20  ", "??.??.20??", "  .  .19  ", "??.??.19??",
                                           "",           "03.07.19??", "1985-02-03"};
        const int w = Zahl(9);
        if (w < 7)
            d = formen[w];
        else if (w == 7)
            Text(d);
        else
            d = zwei(1 + Zahl(28)) + "." + zwei(1 + Zahl(12)) + "." + std::to_string(1900 + Zahl(200));
    }
    // Used references (number from the text), the unused forms "0" and "", and
    // texts the grid does not show (number 0 or no text).
    void Verweis(TUEVerweis& r) {
        switch (Zahl(5)) {
            case 0: {
                const int id = 1 + Zahl(99999);
                r.UE_ID = (Ja(20) && id < 1000 ? "0" : "") + std::to_string(id);
                r.Nummer = static_cast<std::uint16_t>(id & 0xFFFF);
                break;
            }
            case 1:
                r.Nummer = 0, r.UE_ID = "0";
                break;
            case 2:
                r.Nummer = 0, Leer(r.UE_ID);
                break;
            case 3:
                r.Nummer = 0, Text(r.UE_ID);
                break;
            default:
                r.Nummer = static_cast<std::uint16_t>(1 + Zahl(9999)), Leer(r.UE_ID);
        }
    }

private:
    std::mt19937 g_;
};

constexpr std::string_view kSchulnummer = "54321"; // the page controller's settings

// What the tables do not say: the head the program gives, a class's packed group,
// the school's used units from 1 on with their numbers.
void ZufallsLehrer(Zufall& z, TLehrerDS& l) {
    z.Datensatz(l);
    l.Schulnummer = kSchulnummer;
}

void ZufallsSchueler(Zufall& z, TSchuelerDS& r) {
    z.Datensatz(r);
    r.Schulnummer = kSchulnummer;
}

void ZufallsKlasse(Zufall& z, TKlasseDS& k) {
    z.Datensatz(k);
    k.Schulnummer = kSchulnummer;
    k.ID = 1 + z.Zahl(60000);
    // A class's group is packed; unused places are (0, "").
    const int n = z.Zahl(26);
    for (int u = 1; u <= 25; ++u) {
        TUEVerweis& v = k.Unterrichtseinheit[u];
        const int id = 1 + z.Zahl(65535);
        v.Nummer = static_cast<std::uint16_t>(u <= n ? id : 0);
        u <= n ? (v.UE_ID = std::to_string(id), void()) : Zufall::Leer(v.UE_ID);
    }
}

void ZufallsSchule(Zufall& z, TSchuleDS& s) {
    z.Datensatz(s);
    // Used units from 1 on; the others free (0 or below, as an import leaves
    // units whose identifier was not a number), whatever else they hold.
    const int n = z.Zahl(60);
    for (int i = 1; i <= 1000; ++i) {
        TUnterrichtseinheitDS& u = s.Unterrichtseinheit[i];
        if (i > n) {
            u.UE_ID = -z.Zahl(1000);
            continue;
        }
        u.UE_ID = 1 + z.Zahl(99999);
        z.Ja(80) ? (u.UE_ID_Text = std::to_string(u.UE_ID.get()), void()) : Zufall::Leer(u.UE_ID_Text);
    }
}

// Equal images, or where the first difference lies.
template <class R>::testing::AssertionResult GleichesBild(const R& vorher, const R& nachher) {
    const std::uint8_t* p = ImageOf(vorher);
    const std::uint8_t* q = ImageOf(nachher);
    for (std::size_t i = 0; i < sizeof(R); ++i)
        if (p[i] != q[i])
            return ::testing::AssertionFailure() << "byte " << i << " was " << int(p[i]) << ", is " << int(q[i]);
    return ::testing::AssertionSuccess();
}

// Taken into another record: every field the page shows takes the shown record's
// value, so a field the page does not take back, or takes from the wrong control,
// is found. Not compared: the head the pages do not edit, dates (an untouched box
// writes nothing), lesson-unit references (an unused one stays as it is), the
// school's units (renumbered), its non-enrolment row and the certificates after
// the first.
bool Verglichen(const felder::Feld& f, int k) {
    using enum felder::Art;
    if (f.art == Datum || f.art == Verweise) return false;
    if (f.pfad == "ID" || f.pfad == "Warnungen" || f.pfad == "Fehler" || f.pfad == "Schulnummer") return false;
    if (f.gruppe == "Unterrichtseinheit") return false;
    // An empty non-enrolment row is shown with the key "1", which an entry that was filled takes.
    if (f.gruppe == "Nichteinschulung") return false;
    if (f.gruppe.starts_with("Abschluss.") && k > 1) return false;
    return true;
}

template <class R>::testing::AssertionResult GleicheFelder(const R& soll, const R& ist) {
    for (const felder::Feld& f : felder::TabelleVon<R>::zeilen)
        for (int k = 1; k <= f.anzahl; ++k) {
            if (!Verglichen(f, k)) continue;
            const bool gleich = felder::IstText(f)
                                    ? felder::TextIn(ImageOf(soll), f, k) == felder::TextIn(ImageOf(ist), f, k)
                                    : felder::ZahlIn(ImageOf(soll), f, k) == felder::ZahlIn(ImageOf(ist), f, k);
            if (!gleich) return ::testing::AssertionFailure() << f.gruppe << " " << f.pfad << " entry " << k;
        }
    return ::testing::AssertionSuccess();
}

class ShowCollect : public ::testing::Test {
protected:
    void SetUp() override { st = test::SeitenSteuerung(prog, m); }

    // The record shown after another one (so nothing of the first may linger)
    // and taken back into a copy of itself.
    template <class R, class Seite> void Unveraendert(Seite& seite, const R& vorher, const R& r) {
        R kopie = r;
        Zeigen(seite, vorher);
        Zeigen(seite, kopie);
        Nehmen(seite, kopie);
        EXPECT_TRUE(GleichesBild(r, kopie));
        // The same page taken into the record shown before.
        R anderer = vorher;
        Zeigen(seite, r);
        Nehmen(seite, anderer);
        EXPECT_TRUE(GleicheFelder(r, anderer));
        EXPECT_EQ(m.Texte(), std::vector<std::string>{});
    }
    static void Zeigen(LehrerSeitenLogik& s, const TLehrerDS& r) { s.ShowTeacher(r); }
    static void Nehmen(LehrerSeitenLogik& s, TLehrerDS& r) { s.CollectTeacher(r); }
    static void Zeigen(SchuelerSeitenLogik& s, const TSchuelerDS& r) { s.ShowStudent(r); }
    static void Nehmen(SchuelerSeitenLogik& s, TSchuelerDS& r) { s.CollectStudent(r); }
    static void Zeigen(KlassenSeitenLogik& s, const TKlasseDS& r) { s.ShowClass(r); }
    static void Nehmen(KlassenSeitenLogik& s, TKlasseDS& r) { s.CollectClass(r); }
    static void Zeigen(SchulSeitenLogik& s, const TSchuleDS& r) { s.ShowSchool(r); }
    static void Nehmen(SchulSeitenLogik& s, TSchuleDS& r) { s.CollectSchool(r); }

    // Random records of one area, each shown after the one before.
    template <class R, class Seite> void ZufallsDurchlauf(int anzahl, void (*erzeugen)(Zufall&, R&)) {
        Seite seite(*st, dialoge, m);
        Zufall z(7);
        auto vorher = std::make_unique<R>(), r = std::make_unique<R>();
        erzeugen(z, *vorher);
        for (int n = 0; n < anzahl && !HasFailure(); ++n) {
            SCOPED_TRACE(n);
            erzeugen(z, *r);
            Unveraendert(seite, *vorher, *r);
            std::swap(vorher, r);
        }
    }

    TempOrdner prog;
    SkriptMeldungen m;
    KeineDialoge dialoge;
    std::unique_ptr<Steuerung> st;
};

TEST_F(ShowCollect, RandomTeachersKeepEveryByte) {
    ZufallsDurchlauf<TLehrerDS, LehrerSeitenLogik>(300, ZufallsLehrer);
}

TEST_F(ShowCollect, RandomStudentsKeepEveryByte) {
    ZufallsDurchlauf<TSchuelerDS, SchuelerSeitenLogik>(300, ZufallsSchueler);
}

TEST_F(ShowCollect, RandomClassesKeepEveryByte) {
    ZufallsDurchlauf<TKlasseDS, KlassenSeitenLogik>(300, ZufallsKlasse);
}

TEST_F(ShowCollect, RandomSchoolsKeepEveryByte) {
    ZufallsDurchlauf<TSchuleDS, SchulSeitenLogik>(40, ZufallsSchule);
}

TEST_F(ShowCollect, TheDemonstrationSchoolKeepsEveryByte) {
    DemoSchuleErzeugen(st->Daten(), st->Katalogliste(), st->Einstellungen(), kDemoSaat);
    st->UEBeschreibungenNeu();
    const Datenbestand& d = st->Daten();
    {
        SchulSeitenLogik seite(*st, dialoge, m);
        Unveraendert(seite, TSchuleDS{}, d.SchulDS);
    }
    const auto alle = [&](auto& seite, const auto& db) {
        for (std::size_t i = 0; i < db.size(); ++i) {
            SCOPED_TRACE(i);
            Unveraendert(seite, db[i == 0 ? db.size() - 1 : i - 1], db[i]);
        }
    };
    LehrerSeitenLogik lehrer(*st, dialoge, m);
    alle(lehrer, d.Lehrer.DB);
    KlassenSeitenLogik klassen(*st, dialoge, m);
    alle(klassen, d.Klassen.DB);
    SchuelerSeitenLogik schueler(*st, dialoge, m);
    alle(schueler, d.Schueler.DB);
}

} // namespace
} // namespace zev
