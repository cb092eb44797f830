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

    template <class R> void Bild(R& r) {
        std::uint8_t* p = ImageOf(r);
        for (std::size_t i = 0; i < sizeof(R); ++i) p[i] = static_cast<std::uint8_t>(g_());
    }
    // Any length, any byte but 0; what lay beyond the length stays.
    template <std::size_t N> void Text(SText<N>& t) {
        t.len = static_cast<std::uint8_t>(Zahl(N + 1));
        for (std::size_t i = 0; i < t.len; ++i) t.ch[i] = static_cast<char>(1 + Zahl(255));
    }
    // A value of a grid row that no blank test drops: it begins with a letter.
    template <std::size_t N> void Wert(SText<N>& t) {
        Text(t);
        if (t.len == 0) t.len = 1;
        t.ch[0] = static_cast<char>('A' + Zahl(26));
    }
    template <std::size_t N> static void Leer(SText<N>& t) { t.len = 0; }
    void Datum(s10& d) {
        switch (Zahl(9)) {
            case 0:
                d = "  .  .20  ";
                break;
            case 1:
                d = "??.??.20??";
                break;
            case 2:
                d = "  .  .19  ";
                break;
            case 3:
                d = "??.??.19??";
                break;
            case 4:
                d = "";
                break;
            case 5:
                d = "03.07.19??";
                break; // typed in part by an earlier version
            case 6:
                d = "1985-02-03";
                break; // not in the stored form
            case 7:
                Text(d);
                break;
            default: {
                const auto zwei = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
                d = zwei(1 + Zahl(28)) + "." + zwei(1 + Zahl(12)) + "." + std::to_string(1900 + Zahl(200));
            }
        }
    }
    // Teacher and student references: used ones (number from the text), the
    // unused forms "0" and "", and texts the grid does not show (number 0 or no text).
    template <int N> void Verweise(Reihe<TUEVerweis, 1, N>& v) {
        for (int k = 1; k <= N; ++k) {
            TUEVerweis& r = v[k];
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
    }
    // A packed array: values from element 1, the rest empty.
    template <class T, int A, int N> void Gepackt(Reihe<T, A, N>& r, int von = 1) {
        const int n = Zahl(N - von + 2);
        for (int k = von; k <= N; ++k) k < von + n ? Wert(r[k]) : Leer(r[k]);
    }

private:
    std::mt19937 g_;
};

constexpr std::string_view kSchulnummer = "54321"; // the page controller's settings

void ZufallsLehrer(Zufall& z, TLehrerDS& l) {
    z.Bild(l);
    l.Schulnummer = kSchulnummer;
    z.Text(l.Lehrernummer);
    auto& g = l.Grunddaten;
    z.Text(g.Name), z.Text(g.Vorname), z.Text(g.Titel);
    g.Geschlecht = static_cast<std::uint16_t>(z.Zahl(3));
    z.Datum(g.Geburtsdatum);
    z.Text(g.Staatszugehoerigkeit), z.Text(g.Beschaeftigung);
    z.Gepackt(g.Ausbildung), z.Gepackt(g.Fach_Lehrb), z.Gepackt(l.Stunden.Lehramt);
    z.Text(l.Stunden.Regelstunden), z.Text(l.Stunden.Vertragsstunden), z.Text(l.Stunden.Vertretung);
    for (auto* a : {&l.Arbeitszeitkonto, &l.Arbeitszeitregelung}) {
        const int n = z.Zahl(6);
        for (int k = 1; k <= 5; ++k) {
            TStundenGrund& s = (*a)[k];
            if (k > n) {
                Zufall::Leer(s.Grund_mehr), Zufall::Leer(s.Anzahl_mehr);
                Zufall::Leer(s.Grund_minder), Zufall::Leer(s.Anzahl_minder);
                continue;
            }
            z.Text(s.Grund_mehr), z.Text(s.Anzahl_mehr), z.Wert(s.Grund_minder), z.Text(s.Anzahl_minder);
        }
    }
    const int an = z.Zahl(11);
    for (int k = 1; k <= 10; ++k) {
        TAnrechnung& a = l.Anrechnungsstunden[k];
        k <= an ? (z.Text(a.Grund), z.Wert(a.Stunden)) : (Zufall::Leer(a.Grund), Zufall::Leer(a.Stunden));
    }
    z.Text(l.Sonstiges.Taetigkeit);
    z.Gepackt(l.Sonstiges.Personengruppe);
    z.Text(l.Sonstiges.Klassenleiter);
    l.Sonstiges.Schulleiter = static_cast<std::uint16_t>(z.Zahl(3));
    z.Verweise(l.Unterrichtseinheit);
    const int ei = z.Zahl(6);
    for (int k = 1; k <= 5; ++k) {
        TEinsatz& e = l.Einsatz[k];
        if (k <= ei)
            z.Text(e.Art), z.Wert(e.Jahrgang), z.Text(e.Stunden);
        else
            Zufall::Leer(e.Art), Zufall::Leer(e.Jahrgang), Zufall::Leer(e.Stunden);
    }
    for (TZuAbgangArt* a : {&l.Zu_Abgang.Zugang, &l.Zu_Abgang.Abgang}) z.Text(a->Art), z.Datum(a->Datum);
}

void ZufallsSchueler(Zufall& z, TSchuelerDS& r) {
    z.Bild(r);
    r.Schulnummer = kSchulnummer;
    z.Text(r.Schuelernummer);
    auto& g = r.Grunddaten;
    z.Text(g.Name), z.Text(g.Vorname);
    g.Geschlecht = static_cast<std::uint16_t>(z.Zahl(3));
    z.Datum(g.Geburtsdatum);
    z.Text(g.Staatsangehoerigkeit), z.Text(g.Migrantenstatus), z.Text(g.Verkehrssprache), z.Text(g.Zuzug);
    z.Text(g.Einschulung.Einschulungsjahr), z.Text(g.Einschulung.Einschulungsart);
    z.Text(g.Anschrift.Gemeinde), z.Text(g.Anschrift.Wohnort), z.Text(g.Anschrift.PLZ), z.Text(g.Anschrift.Strasse);
    z.Text(g.vorherige_Schule), z.Text(g.Herkunft.Schulart), z.Text(g.Herkunft.Jahrgang);
    auto& j = r.Jahrgangsdaten;
    for (s2* t :
         {&j.Jahrgang, &j.Schulart, &j.Wiederholer, &j.Empfehlung, &j.Schulartwechsel, &j.Ganztag, &j.Bildungsgang})
        z.Text(*t);
    z.Text(j.Klasse), z.Text(j.Ausland), z.Text(j.Auslaender), z.Text(j.LRS), z.Text(j.Dyskalkulie), z.Text(j.Extern);
    z.Verweise(j.Unterrichtseinheit);
    z.Text(r.Foerderbedarf.Bedarf), z.Text(r.Foerderbedarf.Tatsaechlich);
    for (int k = 1; k <= 5; ++k)
        z.Text(r.Fremdsprachen[k].Erwerb), z.Text(r.Fremdsprachen[k].Sprache), z.Text(r.Fremdsprachen[k].Art);
    auto& a = r.Abschluss;
    z.Text(a.allgemeinbildender[1].allgemein), z.Text(a.allgemeinbildender[1].Jahr);
    z.Text(a.berufsbezogener[1].Beruf), z.Text(a.berufsbezogener[1].Jahr);
    auto& b = r.Ausbildung;
    z.Text(b.Beruf), z.Text(b.Stellung), z.Text(b.Stunden), z.Text(b.Zeitform), z.Text(b.Standort);
    z.Text(b.Standort_Text);
}

void ZufallsKlasse(Zufall& z, TKlasseDS& k) {
    z.Bild(k);
    k.Schulnummer = kSchulnummer;
    k.ID = 1 + z.Zahl(60000);
    z.Text(k.Klassenname);
    z.Gepackt(k.Klassenbesonderheit);
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
    z.Bild(s);
    z.Gepackt(s.Schuldaten.Schulart);
    z.Text(s.Schuldaten.Orgform), z.Text(s.Schuldaten.Orgform_Text), z.Text(s.Schuldaten.Ganztag);
    auto& f = s.freie_Traeger;
    for (auto* t : {&f.Standort, &f.Strasse, &f.EMail, &f.Internet, &f.Schulleiter.Name}) z.Text(*t);
    for (auto* t : {&f.Schulamt, &f.Rechtsstatus, &f.Traeger}) z.Text(*t);
    z.Text(f.Name), z.Text(f.Gemeinde), z.Text(f.PLZ);
    z.Text(f.Schulleiter.Anrede), z.Text(f.Schulleiter.Titel), z.Text(f.Schulleiter.Telefon);
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
        z.Text(u.Schulart), z.Text(u.Jahrgang), z.Text(u.Klasse), z.Text(u.Fach), z.Text(u.Fach_Text);
        z.Text(u.Kurs), z.Text(u.Bilingual), z.Text(u.Stunden), z.Text(u.Lehrer);
    }
    TNichteinschulung& ne = s.Nichteinschulung[1];
    z.Text(ne.Art), z.Text(ne.maennlich), z.Text(ne.weiblich);
    if (z.Ja(30)) Zufall::Leer(ne.Art), Zufall::Leer(ne.maennlich), Zufall::Leer(ne.weiblich);
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
