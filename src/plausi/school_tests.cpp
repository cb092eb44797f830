#include "plausi/school_tests.h"

#include "plausi/conversions.h"

#include <unordered_map>
#include <unordered_set>

namespace zev {

namespace {

template <std::size_t N> bool Leer(const SText<N>& t) { return IsEmptyValue(t.view()); }

void Test100(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k) {
    const bool gleich = s.Schulnummer.len == k.e.Schulnummer.len && s.Schulnummer.view() == k.e.Schulnummer.view();
    p.Setze(100, !s.Schulnummer.empty() && gleich ? 1 : 5);
}

// Found, and not empty: 1; otherwise 5.
template <std::size_t N> void KatalogTest(PlausiLauf& p, int n, const SText<N>& feld, const Katalog& liste) {
    p.Setze(n, Gefunden(liste, feld.view()) && !Leer(feld) ? 1 : 5);
}

} // namespace

void TesteSchulGrunddaten(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k) {
    p.Blindtest();
    Test100(p, s, k);

    p.Setze(103, 0);
    for (int i = 1; i <= 20; ++i) {
        const s2& art = s.Schuldaten.Schulart[i];
        if (Leer(art)) continue;
        p.Zaehle(103);
        if (!Gefunden(k.k(39), art.view())) p.Setze(103, 5);
        else p.Erhoehe(103, 1);
    }

    const auto& sd = s.Schuldaten;
    if (!Gefunden(k.k(32), sd.Orgform.view()) || Leer(sd.Orgform)) {
        p.Setze(106, 5);
    } else {
        p.Setze(106, 1);
        if (sd.Orgform == std::string_view("41") && Leer(sd.Orgform_Text)) p.Setze(106, 3);
    }

    KatalogTest(p, 109, sd.Ganztag, k.k(19));

    p.Setze(112, 0);
    const TNichteinschulung& n = s.Nichteinschulung[1];
    if (Leer(n.Art)) p.Erhoehe(112, 1);
    else if (Leer(n.maennlich) && Leer(n.weiblich)) p.Erhoehe(112, 2);
}

void TesteSchulFreieTraeger(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k) {
    p.Blindtest();
    Test100(p, s, k);
    const auto& f = s.freie_Traeger;
    const auto gefuellt = [&](int n, const auto& feld) { p.Setze(n, Leer(feld) ? 5 : 1); };

    gefuellt(120, f.Name);
    KatalogTest(p, 123, f.Rechtsstatus, k.k(37));
    KatalogTest(p, 126, f.Schulamt, k.k(38));
    KatalogTest(p, 129, f.Traeger, k.k(42));
    p.Setze(132, !Leer(f.PLZ) && f.PLZ.size() == 5 ? 1 : 5);
    gefuellt(135, f.Standort);
    p.Setze(138, !Leer(f.Gemeinde) && f.Gemeinde.size() >= 8 ? 1 : 5);
    gefuellt(141, f.Strasse);
    if (Leer(f.EMail)) {
        p.Setze(144, 3);
    } else {
        const auto at = f.EMail.view().find('@');
        p.Setze(144, (at != std::string_view::npos && at >= 1) ? 1 : 4);
    }
    p.Setze(147, Leer(f.Internet) ? 3 : 1);
    p.Setze(150, ListContains(k.k(101), f.Schulleiter.Anrede.view()) && !Leer(f.Schulleiter.Anrede) ? 1 : 5);
    p.Setze(153, Leer(f.Schulleiter.Titel) ? 0 : 1);
    gefuellt(156, f.Schulleiter.Name);
    gefuellt(159, f.Schulleiter.Telefon);
}

void TesteSchulUE(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k) {
    p.Blindtest();
    Test100(p, s, k);
    for (int n : {170, 172, 173, 174, 176, 178, 180, 182, 184, 186, 188}) p.Setze(n, 0);

    // Which units the loop looks at, and their identifiers converted once.
    const auto benutzt = [&](int lfd) {
        const TUnterrichtseinheitDS& u = s.Unterrichtseinheit[lfd];
        return u.UE_ID != 0 && u.UE_ID_Text.view() > std::string_view(" ");
    };
    std::array<Ganzzahl, 1001> wert{};
    std::unordered_map<std::int64_t, std::vector<int>> gleicheWerte; // value -> units, ascending
    std::vector<int> einheiten;
    for (int lfd = 1; lfd <= 1000; ++lfd) {
        if (!benutzt(lfd)) continue;
        wert[static_cast<std::size_t>(lfd)] = GanzzahlKonvertieren(s.Unterrichtseinheit[lfd].UE_ID_Text.view());
        gleicheWerte[wert[static_cast<std::size_t>(lfd)].wert].push_back(lfd);
        einheiten.push_back(lfd);
    }

    std::unordered_set<std::string_view> klassen, lehrer;
    for (const TKlasseDS& kl : k.d.Klassen.DB) klassen.insert(kl.Klassenname.view());
    for (const TLehrerDS& l : k.d.Lehrer.DB) lehrer.insert(l.Lehrernummer.view());

    // Found in the catalogue: raise to 1 and count when raised; not found: 5 with the unit.
    const auto katalog = [&](int n, int lfd, std::string_view wertText, const Katalog& liste) {
        if (Gefunden(liste, wertText)) {
            if (p.Erhoehe(n, 1)) p.Zaehle(n);
        } else {
            p.Setze(n, 5);
            p.Param(n, lfd);
        }
    };
    const auto pflicht = [&](int n, int lfd, const auto& feld, const Katalog& liste) {
        if (IsEmptyValue(feld.view())) {
            p.Setze(n, 5);
            p.Param(n, lfd);
        } else {
            katalog(n, lfd, feld.view(), liste);
        }
    };
    // Classes and teachers: is the area there, and does it hold the value?
    const auto bereich = [&](int n, int lfd, std::string_view v, bool geladen, std::int32_t letzter,
                             const std::unordered_set<std::string_view>& namen) {
        if (!geladen) {
            if (p.Code(n) <= 2) p.Setze(n, 2), p.Param(n, lfd);
        } else if (!IsEmptyValue(v) && namen.count(v)) {
            if (p.Erhoehe(n, 1)) p.Zaehle(n);
        } else if (!IsEmptyValue(v)) {
            if (p.Code(n) <= 3) p.Setze(n, 3), p.Param(n, lfd);
        } else if (letzter >= 1) {
            p.Setze(n, 5), p.Param(n, lfd);
        } else if (p.Code(n) <= 2) {
            p.Setze(n, 2), p.Param(n, lfd);
        }
    };

    // 173 as one pass: a test whose units all differ ends with 1 and the first unit;
    // with duplicates it ends with 5 and the unit the last comparison found, which is
    // the second highest of the highest unit that has a twin.
    if (einheiten.size() >= 2) {
        p.Setze(173, 1);
        p.Param(173, einheiten.front());
        for (auto it = einheiten.rbegin(); it != einheiten.rend(); ++it) {
            const auto& gruppe = gleicheWerte[wert[static_cast<std::size_t>(*it)].wert];
            if (gruppe.size() < 2) continue;
            p.Setze(173, 5);
            p.Param(173, gruppe[gruppe.size() - 2]);
            break;
        }
    }

    for (int lfd : einheiten) {
        const TUnterrichtseinheitDS& u = s.Unterrichtseinheit[lfd];
        p.Param(170, lfd);

        const Ganzzahl v = wert[static_cast<std::size_t>(lfd)];
        if (!v.ok || v.wert < 1) p.Setze(172, 5), p.Param(172, lfd);
        else p.Erhoehe(172, 1);
        if (v.wert != u.UE_ID.get() && p.Code(172) <= 2) p.Setze(172, 2), p.Param(172, lfd);

        if (!IsEmptyValue(u.Schulart.view())) katalog(174, lfd, u.Schulart.view(), k.k(39));
        pflicht(176, lfd, u.Jahrgang, k.k(27));
        bereich(178, lfd, u.Klasse.view(), k.d.Klassen.Geladen, k.d.Klassen.Letzter(), klassen);
        pflicht(180, lfd, u.Fach, k.k(14));
        pflicht(182, lfd, u.Kurs, k.k(28));
        if (!IsEmptyValue(u.Bilingual.view())) katalog(184, lfd, u.Bilingual.view(), k.k(13));
        if (IsEmptyValue(u.Stunden.view())) {
            p.Setze(186, 5), p.Param(186, lfd);
        } else if (ListContains(k.k(107), u.Stunden.view())) {
            if (p.Erhoehe(186, 1)) p.Zaehle(186);
        } else {
            p.Setze(186, 5), p.Param(186, lfd);
        }
        bereich(188, lfd, u.Lehrer.view(), k.d.Lehrer.Geladen, k.d.Lehrer.Letzter(), lehrer);
    }
}

void TesteAlleSchuldaten(PlausiLauf& p, const TSchuleDS& s, const PruefKontext& k) {
    TesteSchulGrunddaten(p, s, k);
    if (k.e.FreierTraeger == 1) TesteSchulFreieTraeger(p, s, k);
    TesteSchulUE(p, s, k);
}

} // namespace zev
