#include "plausi/teacher_tests.h"

#include "plausi/conversions.h"

#include <optional>

namespace zev {

namespace {

template <std::size_t N> bool Leer(const SText<N>& t) { return IsEmptyValue(t.view()); }

// The birth-year bounds: ages 25 to 67 in the report year.
std::pair<std::string, std::string> GeburtsjahrGrenzen(const TEinstellungen& e) {
    const Ganzzahl jahr = GanzzahlKonvertieren(e.Berichtsjahr.view());
    if (!jahr.ok || jahr.wert < 1000 || jahr.wert > 9999) return {"1937", "1979"};
    return {std::to_string(jahr.wert - 67), std::to_string(jahr.wert - 25)};
}

// Training and teaching qualifications: 1 with the count, 5 with the last wrong
// line, 3 when there is none.
template <class A> void ListenTest(PlausiLauf& p, int n, const A& a, const Katalog& liste) {
    p.Setze(n, 0);
    p.Param(n, 0);
    for (int e = 1; e <= A::Letzter; ++e) {
        if (Leer(a[e])) continue;
        if (Gefunden(liste, a[e].view())) {
            if (p.Code(n) <= 1) p.Setze(n, 1), p.Zaehle(n);
        } else {
            p.Setze(n, 5), p.Param(n, e);
        }
    }
    if (p.ParamI(n) == 0 && p.Code(n) < 3) p.Setze(n, 3);
}

// One reason/hours pair of a table.
void Paar(PlausiLauf& p, int r, int h, int e, std::string_view grund, std::string_view stunden, const Katalog& liste) {
    if (IsEmptyValue(grund) && IsEmptyValue(stunden)) return;
    const std::optional<double> v = StundenKonvertieren(stunden);
    if (IsEmptyValue(grund)) {
        p.Setze(r, 5), p.Param(r, e);
    } else if (Gefunden(liste, grund)) {
        if (p.Code(r) <= 1) p.Setze(r, 1), p.Zaehle(r);
        if ((IsEmptyValue(stunden) || (v && *v == 0)) && p.Code(r) <= 3) p.Setze(r, 3), p.Param(r, e);
    }
    if (!v) {
        p.Setze(h, 4);
    } else if (*v <= 0) {
        p.Setze(h, 5), p.Param(h, e);
    } else {
        if (p.Code(h) <= 1) p.Setze(h, 1);
        if (IsEmptyValue(grund) && p.Code(h) <= 3) p.Setze(h, 3), p.Param(h, e);
    }
}

// Arrival or departure: the kind, then the date within the report year.
void ZuAbgang(PlausiLauf& p, int nArt, int nDatum, const TZuAbgangArt& z, const Katalog& liste,
              const TEinstellungen& e) {
    p.Setze(nArt, 0);
    p.Setze(nDatum, 0);
    const bool maske = z.Datum == std::string_view("  .  .20  ") || z.Datum == std::string_view("??.??.20??");
    if (Leer(z.Art) && maske) return;
    p.Setze(nArt, Gefunden(liste, z.Art.view()) && !Leer(z.Art) ? 1 : 5);
    if (maske) {
        p.Setze(nDatum, 5);
        return;
    }
    const int d = DatumPruefen(z.Datum.view(), e.Berichtsjahr.view(), e.Berichtsjahr.view());
    p.Setze(nDatum, d == 2 ? 1 : d == 1 ? 2 : 4);
}

std::int32_t Wert(std::string_view t) { return static_cast<std::int32_t>(GanzzahlKonvertieren(t).wert); }

} // namespace

SchulUEIndex::SchulUEIndex(const TSchuleDS& s) {
    for (int k = 1; k <= 1000; ++k) {
        const std::string_view t = s.Unterrichtseinheit[k].UE_ID_Text.view();
        if (!t.empty()) index_[t].push_back(k);
    }
}

const std::vector<int>* SchulUEIndex::Einheiten(std::string_view ueIdText) const {
    const auto it = index_.find(ueIdText);
    return it == index_.end() ? nullptr : &it->second;
}

void TesteLehrerNummern(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k) {
    p.Blindtest();
    const bool gleich = l.Schulnummer.len == k.e.Schulnummer.len && l.Schulnummer.view() == k.e.Schulnummer.view();
    p.Setze(200, !Leer(l.Schulnummer) && gleich ? 1 : 5);
    p.Setze(203, Leer(l.Lehrernummer) ? 5 : 1);
}

void TesteLehrerGrunddaten(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k) {
    p.Blindtest();
    const auto& g = l.Grunddaten;
    p.Setze(206, Leer(g.Name) ? 5 : 1);
    p.Setze(208, Leer(g.Vorname) ? 5 : 1);
    p.Setze(210, Leer(g.Titel) ? 0 : 1);
    p.Setze(212, g.Geschlecht == 1 || g.Geschlecht == 2 ? 1 : 5);
    if (g.Geburtsdatum == std::string_view("  .  .19  ") || g.Geburtsdatum == std::string_view("??.??.19??")) {
        p.Setze(214, 5);
    } else {
        const auto [von, bis] = GeburtsjahrGrenzen(k.e);
        const int d = DatumPruefen(g.Geburtsdatum.view(), von, bis);
        p.Setze(214, d == 2 ? 1 : d == 1 ? 2 : 4);
    }
    if (Leer(g.Staatszugehoerigkeit)) p.Setze(216, 2);
    else p.Setze(216, Gefunden(k.k(29), g.Staatszugehoerigkeit.view()) ? 1 : 5);
    p.Setze(218, Gefunden(k.k(11), g.Beschaeftigung.view()) && !Leer(g.Beschaeftigung) ? 1 : 5);
    ListenTest(p, 220, g.Ausbildung, k.k(34));
    ListenTest(p, 222, g.Fach_Lehrb, k.k(15));
}

void TesteLehrerStunden(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k) {
    p.Blindtest();
    p.Setze(224, 0);
    for (int e = 1; e <= 5; ++e) {
        const s5& amt = l.Stunden.Lehramt[e];
        if (Leer(amt)) continue;
        if (Gefunden(k.k(30), amt.view())) {
            if (p.Erhoehe(224, 1)) p.Zaehle(224);
        } else {
            p.Setze(224, 5), p.Param(224, e);
        }
    }
    if (p.ParamI(224) < 1) p.Setze(224, 3);

    const auto& st = l.Stunden;
    double regel = 0.0;
    if (Leer(st.Regelstunden)) {
        p.Setze(226, 5);
    } else if (const auto v = StundenKonvertieren(st.Regelstunden.view())) {
        regel = *v;
        p.Setze(226, *v <= 0 ? 2 : 1);
    } else {
        p.Setze(226, 4);
    }
    if (Leer(st.Vertragsstunden)) {
        p.Setze(228, 5);
    } else if (const auto v = StundenKonvertieren(st.Vertragsstunden.view())) {
        p.Setze(228, *v <= 0 ? 2 : *v > regel ? 3 : 1);
    } else {
        p.Setze(228, 4);
    }
    p.Setze(230, 0);
    if (!Leer(st.Vertretung)) {
        const auto v = StundenKonvertieren(st.Vertretung.view());
        p.Setze(230, !v ? 4 : *v < 0 ? 5 : 1);
    }

    for (int n : {232, 234}) p.Setze(n, 0);
    for (int e = 1; e <= 10; ++e)
        Paar(p, 232, 234, e, l.Anrechnungsstunden[e].Grund.view(), l.Anrechnungsstunden[e].Stunden.view(), k.k(8));
    for (int n : {238, 240, 242, 244}) p.Setze(n, 0);
    for (int e = 1; e <= 5; ++e) {
        const TStundenGrund& g = l.Arbeitszeitkonto[e];
        Paar(p, 238, 240, e, g.Grund_mehr.view(), g.Anzahl_mehr.view(), k.k(23));
        Paar(p, 242, 244, e, g.Grund_minder.view(), g.Anzahl_minder.view(), k.k(23));
    }
    for (int n : {248, 250, 252, 254}) p.Setze(n, 0);
    for (int e = 1; e <= 5; ++e) {
        const TStundenGrund& g = l.Arbeitszeitregelung[e];
        Paar(p, 248, 250, e, g.Grund_mehr.view(), g.Anzahl_mehr.view(), k.k(22));
        Paar(p, 252, 254, e, g.Grund_minder.view(), g.Anzahl_minder.view(), k.k(22));
    }
}

void TesteLehrerSonstiges(PlausiLauf& p, const TLehrerDS& l, const PruefKontext& k) {
    p.Blindtest();
    const auto& so = l.Sonstiges;
    p.Setze(260, Gefunden(k.k(5), so.Taetigkeit.view()) && !Leer(so.Taetigkeit) ? 1 : 5);

    p.Setze(262, 0);
    for (int e = 1; e <= 3; ++e) {
        const s2& gruppe = so.Personengruppe[e];
        if (Leer(gruppe)) continue;
        p.Zaehle(262);
        if (!Gefunden(k.k(33), gruppe.view())) p.Setze(262, 5), p.Param(262, e);
        else p.Erhoehe(262, 1);
    }
    if (p.Code(262) < 4 && p.ParamI(262) < 1) p.Setze(262, 4);

    p.Setze(264, 0);
    if (!Leer(so.Klassenleiter)) {
        bool da = false;
        for (const TKlasseDS& kl : k.d.Klassen.DB) da = da || kl.Klassenname.view() == so.Klassenleiter.view();
        p.Setze(264, da ? 1 : 2);
    }

    for (int n : {268, 270, 272}) p.Setze(n, 0);
    for (int e = 1; e <= 5; ++e) {
        const TEinsatz& x = l.Einsatz[e];
        if (Leer(x.Art) && Leer(x.Jahrgang) && (Leer(x.Stunden) || x.Stunden == std::string_view("0"))) continue;
        p.Setze(268, Gefunden(k.k(35), x.Art.view()) && !Leer(x.Art) ? 1 : 5);
        p.Setze(270, Gefunden(k.k(27), x.Jahrgang.view()) && !Leer(x.Jahrgang) ? 1 : 5);
        p.Setze(272, ListContains(k.k(107), x.Stunden.view()) && !Leer(x.Stunden) ? 1 : 5);
    }

    ZuAbgang(p, 274, 276, l.Zu_Abgang.Zugang, k.k(47), k.e);
    ZuAbgang(p, 278, 280, l.Zu_Abgang.Abgang, k.k(1), k.e);
}

void TesteLehrerUE(PlausiLauf& p, const TLehrerDS& l, const TSchuleDS& s, const SchulUEIndex& index) {
    p.Blindtest();
    p.Setze(286, 0);
    p.Setze(288, 0);
    for (int e = 1; e <= 35; ++e) {
        // Only references in use: a blank teacher's slots hold (0, "0") and are no fault.
        const TUEVerweis& v = l.Unterrichtseinheit[e];
        const std::string_view t = v.UE_ID.view();
        if (t.empty() || v.Nummer == 0) continue;
        const std::vector<int>* einheiten = index.Einheiten(t);
        if (!einheiten) {
            p.Setze(286, 4), p.Param(286, Wert(t));
            if (!GanzzahlKonvertieren(t).ok) p.Setze(286, 5);
            continue;
        }
        for (int u : *einheiten) {
            if (p.Code(286) <= 1) p.Setze(286, 1), p.Zaehle(286);
            const bool ok = GanzzahlKonvertieren(t).ok;
            if (s.Unterrichtseinheit[u].Lehrer.view() == l.Lehrernummer.view()) {
                if (p.Code(288) <= 1) {
                    p.Setze(288, 1), p.Param(288, Wert(t));
                    if (!ok) p.Setze(288, 2);
                }
            } else {
                p.Setze(288, 4), p.Param(288, Wert(t));
                if (!ok) p.Setze(288, 5);
            }
        }
    }
}

void TesteLehrerUE(PlausiLauf& p, const TLehrerDS& l, const TSchuleDS& s) { TesteLehrerUE(p, l, s, SchulUEIndex(s)); }

void TesteLehrer(PlausiLauf& p, const TLehrerDS& l, bool mitFreieTraegerDaten, const PruefKontext& k,
                 const SchulUEIndex& index) {
    TesteLehrerNummern(p, l, k);
    if (mitFreieTraegerDaten) {
        TesteLehrerGrunddaten(p, l, k);
        TesteLehrerStunden(p, l, k);
    }
    TesteLehrerSonstiges(p, l, k);
    TesteLehrerUE(p, l, k.d.SchulDS, index);
}

} // namespace zev
