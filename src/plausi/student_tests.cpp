#include "plausi/student_tests.h"

#include "model/field_access.h"
#include "model/field_tables.h"
#include "plausi/conversions.h"

#include <string>

namespace zev {

namespace {

template <std::size_t N> bool Leer(const SText<N>& t) {
    return IsEmptyValue(t.view());
}

// A whole number of digits only (no blanks, no sign), or nullopt.
std::optional<int> Ziffern(std::string_view t) {
    if (t.empty() || t.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The report year, or nullopt when the settings hold none.
std::optional<int> Berichtsjahr(const TEinstellungen& e) {
    const auto j = Ziffern(e.Berichtsjahr.view());
    if (!j || *j < 1000 || *j > 9999) return std::nullopt;
    return j;
}

// The code fields of the student record with the names the listing gives them
// ("Fremdsprachen.Sprache"); built once, they live as long as the program.
struct CodeFeld {
    const felder::Feld* feld;
    std::string name;
};

const std::vector<CodeFeld>& CodeFelder() {
    static const std::vector<CodeFeld> felder = [] {
        std::vector<CodeFeld> v;
        for (const felder::Feld& f : felder::kSchueler)
            if (f.art == felder::Art::Code && f.katalog != 0)
                v.push_back(
                    {&f, f.gruppe.empty() ? std::string(f.pfad) : std::string(f.gruppe) + "." + std::string(f.pfad)});
        return v;
    }();
    return felder;
}

void Grunddaten(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k, const SchuelerUmfeld& umfeld) {
    const bool gleich = s.Schulnummer.view() == k.e.Schulnummer.view();
    p.Setze(400, !Leer(s.Schulnummer) && gleich ? 1 : 4);
    p.Setze(403, Leer(s.Schuelernummer) ? 4 : 1);
    p.Setze(406, 0);
    if (!Leer(s.Schuelernummer)) {
        const int n = umfeld.NummernAnzahl(s.Schuelernummer.view());
        p.Setze(406, n > 1 ? 4 : 1);
        if (n > 1) p.Param(406, n);
    }
    const auto& g = s.Grunddaten;
    p.Setze(409, Leer(g.Name) || g.Name == kFreiName ? 4 : 1);
    p.Setze(412, Leer(g.Vorname) ? 4 : 1);
    p.Setze(415, g.Geschlecht == 1 || g.Geschlecht == 2 ? 1 : 4);
}

// A student who came from abroad starts school here in the year of arrival or
// later, at any age.
template <class G> bool SeiteneinstiegNachZuzug(const G& g, int einschulung) {
    const std::optional<int> zuzug = Ziffern(g.Zuzug.view());
    return zuzug && einschulung >= *zuzug;
}

// 418 the birth date, 421 the age for the Jahrgang, 448 the year of enrolment.
void Alter(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k) {
    const std::optional<Kalendertag> geboren = KalenderdatumLesen(s.Grunddaten.Geburtsdatum.view());
    p.Setze(418, geboren ? 1 : 4);
    const std::optional<int> bj = Berichtsjahr(k.e);

    p.Setze(421, 0);
    const std::optional<int> jahrgang = Ziffern(s.Jahrgangsdaten.Jahrgang.view());
    if (geboren && bj && jahrgang) {
        const int alter = *bj - geboren->jahr;
        p.Param(421, alter);
        const int j = *jahrgang;
        p.Setze(421, alter >= j + 5 && alter <= j + 8 ? 1 : alter >= j + 4 && alter <= j + 10 ? 2 : 3);
    }

    p.Setze(448, 0);
    const std::string_view ein = s.Grunddaten.Einschulung.Einschulungsjahr.view();
    if (!IsEmptyValue(ein) && ein != "??") {
        const std::optional<int> jahr = Ziffern(ein);
        if (!jahr || (bj && *jahr > *bj)) {
            p.Setze(448, 4);
        } else if (geboren && !SeiteneinstiegNachZuzug(s.Grunddaten, *jahr)) {
            const int mit = *jahr - geboren->jahr;
            p.Setze(448, mit >= 4 && mit <= 9 ? 1 : 2);
            p.Param(448, mit);
        } else {
            p.Setze(448, 1);
        }
    }
}

// One rule for every code field of the record: a key that is there must be in its catalogue.
void CodeFelderPruefen(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k) {
    p.Setze(424, 1);
    const auto* bild = reinterpret_cast<const std::uint8_t*>(&s);
    for (const CodeFeld& c : CodeFelder())
        for (int e = 1; e <= c.feld->anzahl; ++e) {
            const std::string_view key = felder::TextIn(bild, *c.feld, e);
            if (IsEmptyValue(key) || Gefunden(k.k(c.feld->katalog), key)) continue;
            p.Setze(424, 4), p.Param(424, e), p.ParamS(424, c.name);
        }
}

void Jahrgangsdaten(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k, const SchuelerUmfeld& umfeld) {
    const auto& j = s.Jahrgangsdaten;
    p.Setze(427, !Leer(j.Klasse) && umfeld.KlasseBekannt(j.Klasse.view()) ? 1 : 3);
    p.Setze(430, !Leer(j.Schulart) && umfeld.SchulartDerSchule(j.Schulart.view()) ? 1 : 4);

    // 433 the unit exists, 436 it belongs to the student's class, 439 not twice.
    for (int n : {433, 436, 439}) p.Setze(n, 0);
    for (int e = 1; e <= 25; ++e) {
        const TUEVerweis& v = j.Unterrichtseinheit[e];
        const std::string_view t = v.UE_ID.view();
        if (t.empty() || v.Nummer == 0) continue;
        p.Erhoehe(439, 1);
        for (int f = 1; f < e; ++f)
            if (j.Unterrichtseinheit[f].Nummer != 0 && j.Unterrichtseinheit[f].UE_ID.view() == t)
                p.Setze(439, 4), p.Param(439, e);
        const std::vector<int>* einheiten = umfeld.UE().Einheiten(t);
        if (!einheiten) {
            p.Setze(433, 4), p.Param(433, e);
            continue;
        }
        if (p.Code(433) <= 1) p.Setze(433, 1), p.Zaehle(433);
        for (int u : *einheiten) {
            const s10& klasse = k.d.SchulDS.Unterrichtseinheit[u].Klasse;
            if (Leer(klasse) || klasse.view() == j.Klasse.view())
                p.Erhoehe(436, 1);
            else
                p.Setze(436, 2), p.Param(436, e);
        }
    }
}

// 442 no language twice, 445 none begun after the current Jahrgang.
void Fremdsprachen(PlausiLauf& p, const TSchuelerDS& s) {
    p.Setze(442, 0);
    p.Setze(445, 0);
    const std::optional<int> jahrgang = Ziffern(s.Jahrgangsdaten.Jahrgang.view());
    for (int e = 1; e <= 5; ++e) {
        const TFremdsprache& f = s.Fremdsprachen[e];
        if (!Leer(f.Sprache)) {
            p.Erhoehe(442, 1);
            for (int g = 1; g < e; ++g)
                if (s.Fremdsprachen[g].Sprache.view() == f.Sprache.view()) p.Setze(442, 4), p.Param(442, e);
        }
        const int ab = FruehesterJahrgang(f.Erwerb.view());
        if (ab == 0 || !jahrgang) continue;
        if (ab > *jahrgang)
            p.Setze(445, 2), p.Param(445, e);
        else
            p.Erhoehe(445, 1);
    }
}

// 451 the years of the certificates, 454 support, 457 training, 460 postcode.
void Sonstiges(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k) {
    p.Setze(451, 0);
    const std::optional<int> bj = Berichtsjahr(k.e);
    const auto jahr = [&](std::string_view t, int e, std::string_view gruppe) {
        if (IsEmptyValue(t) || t == "??") return;
        const std::optional<int> j = Ziffern(t);
        if (!j || (bj && *j > *bj))
            p.Setze(451, 4), p.Param(451, e), p.ParamS(451, gruppe);
        else
            p.Erhoehe(451, 1);
    };
    for (int e = 1; e <= 3; ++e) jahr(s.Abschluss.allgemeinbildender[e].Jahr.view(), e, "allgemeinbildender");
    for (int e = 1; e <= 5; ++e) jahr(s.Abschluss.berufsbezogener[e].Jahr.view(), e, "berufsbezogener");

    const auto& fb = s.Foerderbedarf;
    p.Setze(454, 0);
    if (!Leer(fb.Tatsaechlich))
        p.Setze(454, Leer(fb.Bedarf) ? 4 : 1);
    else if (!Leer(fb.Bedarf))
        p.Setze(454, 1);

    const auto& a = s.Ausbildung;
    p.Setze(457, 0);
    if (!Leer(a.Beruf) || !Leer(a.Standort)) p.Setze(457, !Leer(a.Beruf) && !Leer(a.Standort) ? 1 : 3);

    // A German municipality key has eight digits; such a place has a five-digit postcode.
    p.Setze(460, 0);
    const std::string_view gemeinde = s.Grunddaten.Anschrift.Gemeinde.view();
    if (gemeinde.size() == 8 && Ziffern(gemeinde)) {
        const std::string_view plz = s.Grunddaten.Anschrift.PLZ.view();
        p.Setze(460, plz.size() == 5 && Ziffern(plz) ? 1 : 4);
    }
}

} // namespace

SchuelerUmfeld::SchuelerUmfeld(const Datenbestand& d) : ue_(d.SchulDS) {
    for (const TKlasseDS& kl : d.Klassen.DB)
        if (!Leer(kl.Klassenname)) ++klassen_[kl.Klassenname.view()];
    for (const TSchuelerDS& s : d.Schueler.DB)
        if (!Leer(s.Schuelernummer)) ++nummern_[s.Schuelernummer.view()];
    for (int e = 1; e <= 20; ++e) {
        const s2& art = d.SchulDS.Schuldaten.Schulart[e];
        if (!Leer(art)) schularten_.push_back(art.view());
    }
}

bool SchuelerUmfeld::SchulartDerSchule(std::string_view key) const {
    for (std::string_view a : schularten_)
        if (a == key) return true;
    return false;
}

int SchuelerUmfeld::NummernAnzahl(std::string_view nummer) const {
    const auto it = nummern_.find(nummer);
    return it == nummern_.end() ? 0 : it->second;
}

std::optional<Kalendertag> KalenderdatumLesen(std::string_view text) {
    const auto teil = [&](std::size_t von, std::size_t bis) -> std::optional<int> {
        std::string_view t = text.substr(von, bis - von);
        while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
        return Ziffern(t);
    };
    const auto p1 = text.find('.');
    const auto p2 = p1 == std::string_view::npos ? p1 : text.find('.', p1 + 1);
    if (p2 == std::string_view::npos || p1 == 0 || p1 > 2 || p2 - p1 < 2 || p2 - p1 > 3 || text.size() - p2 != 5)
        return std::nullopt;
    const auto tag = teil(0, p1), monat = teil(p1 + 1, p2), jahr = Ziffern(text.substr(p2 + 1));
    if (!tag || !monat || !jahr || *monat < 1 || *monat > 12 || *tag < 1 || *jahr < 1000) return std::nullopt;
    const bool schalt = (*jahr % 4 == 0 && *jahr % 100 != 0) || *jahr % 400 == 0;
    constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (*tag > tage[*monat - 1] + (*monat == 2 && schalt ? 1 : 0)) return std::nullopt;
    return Kalendertag{*tag, *monat, *jahr};
}

int FruehesterJahrgang(std::string_view erwerb) {
    // first, second, third, fourth language, one begun in the upper school
    constexpr int ab[] = {0, 1, 5, 6, 8, 10};
    const std::optional<int> n = Ziffern(erwerb);
    return n && *n >= 1 && *n <= 5 ? ab[*n] : 0;
}

void TesteSchueler(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k, const SchuelerUmfeld& umfeld) {
    p.Blindtest();
    Grunddaten(p, s, k, umfeld);
    Alter(p, s, k);
    CodeFelderPruefen(p, s, k);
    Jahrgangsdaten(p, s, k, umfeld);
    Fremdsprachen(p, s);
    Sonstiges(p, s, k);
}

void TesteSchueler(PlausiLauf& p, const TSchuelerDS& s, const PruefKontext& k) {
    TesteSchueler(p, s, k, SchuelerUmfeld(k.d));
}

} // namespace zev
