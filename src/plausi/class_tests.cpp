#include "plausi/class_tests.h"

namespace zev {

namespace {

template <std::size_t N> bool Leer(const SText<N>& t) {
    return IsEmptyValue(t.view());
}

} // namespace

KlassenUmfeld::KlassenUmfeld(const Datenbestand& d) : ue_(d.SchulDS), schuelerGeladen_(d.Schueler.Geladen) {
    for (const TKlasseDS& kl : d.Klassen.DB)
        if (!Leer(kl.Klassenname)) ++namen_[kl.Klassenname.view()];
    if (schuelerGeladen_)
        for (const TSchuelerDS& s : d.Schueler.DB) ++schueler_[s.Jahrgangsdaten.Klasse.view()];
}

int KlassenUmfeld::NamensAnzahl(std::string_view name) const {
    const auto it = namen_.find(name);
    return it == namen_.end() ? 0 : it->second;
}

int KlassenUmfeld::SchuelerAnzahl(std::string_view name) const {
    if (!schuelerGeladen_) return -1;
    const auto it = schueler_.find(name);
    return it == schueler_.end() ? 0 : it->second;
}

void TesteKlasse(PlausiLauf& p, const TKlasseDS& kl, const PruefKontext& k, const KlassenUmfeld& umfeld) {
    p.Blindtest();
    const bool gleich = kl.Schulnummer.view() == k.e.Schulnummer.view();
    p.Setze(300, !Leer(kl.Schulnummer) && gleich ? 1 : 4);
    p.Setze(303, Leer(kl.Klassenname) ? 4 : 1);

    p.Setze(306, 0);
    if (!Leer(kl.Klassenname)) {
        const int n = umfeld.NamensAnzahl(kl.Klassenname.view());
        p.Setze(306, n > 1 ? 4 : 1);
        if (n > 1) p.Param(306, n);
    }

    // The group's units: each one must be a unit of the school.
    p.Setze(309, 0);
    for (int e = 1; e <= 25; ++e) {
        const TUEVerweis& v = kl.Unterrichtseinheit[e];
        if (Leer(v.UE_ID) || v.UE_ID == std::string_view("0")) continue;
        if (umfeld.UE().Einheiten(v.UE_ID.view())) {
            if (p.Code(309) <= 1) p.Setze(309, 1), p.Zaehle(309);
        } else {
            p.Setze(309, 4), p.Param(309, e);
        }
    }

    p.Setze(312, 0);
    p.Setze(315, 0);
    for (int e = 1; e <= 3; ++e) {
        const s2& b = kl.Klassenbesonderheit[e];
        if (Leer(b) || b == std::string_view(" ")) continue;
        if (Gefunden(k.k(52), b.view())) {
            if (p.Code(312) <= 1) p.Setze(312, 1), p.Zaehle(312);
        } else {
            p.Setze(312, 4), p.Param(312, e);
        }
        p.Erhoehe(315, 1);
        for (int f = 1; f < e; ++f)
            if (kl.Klassenbesonderheit[f].view() == b.view()) p.Setze(315, 2), p.Param(315, e);
    }
}

void TesteKlasse(PlausiLauf& p, const TKlasseDS& kl, const PruefKontext& k) {
    TesteKlasse(p, kl, k, KlassenUmfeld(k.d));
}

void TesteKlassenSchueler(PlausiLauf& p, const TKlasseDS& kl, const KlassenUmfeld& umfeld) {
    p.Setze(318, 0);
    const int n = umfeld.SchuelerAnzahl(kl.Klassenname.view());
    if (Leer(kl.Klassenname) || n < 0) return;
    p.Setze(318, n == 0 ? 2 : 1);
    p.Param(318, n);
}

} // namespace zev
