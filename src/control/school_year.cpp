#include "control/school_year.h"

#include "catalog/catalogue_list.h"
#include "model/field_access.h"
#include "model/field_tables.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>

namespace zev {

namespace {

using felder::Feld;

// --- per-year fields, named by their rows in the field tables -------------------------------

template <std::size_t N>
constexpr std::size_t ZeileVon(const std::array<Feld, N>& t, std::string_view pfad, std::string_view gruppe = {}) {
    for (std::size_t i = 0; i < N; ++i)
        if (t[i].pfad == pfad && t[i].gruppe == gruppe) return i;
    return N;
}

// What a student brings into the next year only when it is entered anew.
constexpr std::array kSchuelerJahresfelder = {
    ZeileVon(felder::kSchueler, "Grunddaten.Zuzug"),
    ZeileVon(felder::kSchueler, "Jahrgangsdaten.Wiederholer"),
    ZeileVon(felder::kSchueler, "Jahrgangsdaten.Empfehlung"),
    ZeileVon(felder::kSchueler, "Jahrgangsdaten.Schulartwechsel"),
    ZeileVon(felder::kSchueler, "Jahrgangsdaten.Unterrichtseinheit"),
    ZeileVon(felder::kSchueler, "Warnungen"),
    ZeileVon(felder::kSchueler, "Fehler"),
};
constexpr std::array kLehrerJahresfelder = {
    ZeileVon(felder::kLehrer, "Unterrichtseinheit"),
    ZeileVon(felder::kLehrer, "Warnungen"),
    ZeileVon(felder::kLehrer, "Fehler"),
};
constexpr std::array kKlassenJahresfelder = {
    ZeileVon(felder::kKlasse, "Unterrichtseinheit"),
    ZeileVon(felder::kKlasse, "Warnungen"),
    ZeileVon(felder::kKlasse, "Fehler"),
};
static_assert(std::ranges::all_of(kSchuelerJahresfelder, [](std::size_t i) { return i < felder::kSchueler.size(); }));
static_assert(std::ranges::all_of(kLehrerJahresfelder, [](std::size_t i) { return i < felder::kLehrer.size(); }));
static_assert(std::ranges::all_of(kKlassenJahresfelder, [](std::size_t i) { return i < felder::kKlasse.size(); }));

// The bytes of one entry of a field.
constexpr std::size_t EintragsBytes(const Feld& f) {
    if (f.art == felder::Art::Verweise) return f.abstand;
    return felder::IstText(f) ? f.breite + 1u : f.breite;
}

// Every entry of the field as a blank record holds it.
void Leeren(std::uint8_t* bild, const std::uint8_t* leer, const Feld& f) {
    for (int k = 1; k <= f.anzahl; ++k) std::memcpy(bild + f.OrtVon(k), leer + f.OrtVon(k), EintragsBytes(f));
}

template <class R, std::size_t N, std::size_t M>
void JahresdatenLeeren(R& r, const R& leer, const std::array<Feld, N>& tabelle,
                       const std::array<std::size_t, M>& zeilen) {
    for (const std::size_t z : zeilen) Leeren(ImageOf(r), ImageOf(leer), tabelle[z]);
    // The counters of the checks are not fields of their own.
    for (U16& z : r.Zaehler) z = 0;
}

bool Zweistellig(std::string_view key) {
    return key.size() == 2 && key[0] >= '0' && key[0] <= '9' && key[1] >= '0' && key[1] <= '9';
}
int Zahl(std::string_view key) {
    return (key[0] - '0') * 10 + (key[1] - '0');
}

const JahrgangsZeile* ZeileFuer(const SchuljahrPlan& p, std::string_view key) {
    for (const JahrgangsZeile& z : p.jahrgaenge)
        if (z.alt == key) return &z;
    return nullptr;
}

// The Jahrgang "versetzt" leads to: the row's target, or for a row whose students
// leave by default the next key, which a student moved up one by one goes to.
std::string Ziel(const JahrgangsZeile* z, std::string_view alt) {
    if (!z) return std::string(alt);
    if (!z->neu.empty()) return z->neu;
    if (Zweistellig(alt)) {
        const int n = Zahl(alt) + 1;
        return n < 100 && z->naechsterDa ? std::string{char('0' + n / 10), char('0' + n % 10)} : std::string();
    }
    return {};
}

Entscheidung Vorgabe(const SchuljahrPlan& p, const TSchuelerDS& s) {
    const JahrgangsZeile* z = ZeileFuer(p, s.Jahrgangsdaten.Jahrgang.view());
    return z && z->neu.empty() ? Entscheidung::Verlaesst : Entscheidung::Versetzt;
}

void VorgabenNeu(SchuljahrPlan& p, const Datenbestand& d) {
    for (std::size_t i = 0; i < p.schueler.size(); ++i)
        if (!p.festgelegt[i]) p.schueler[i] = Vorgabe(p, d.Schueler.DB[i]);
}

// The most frequent text of a list; the first of equals. "" for none.
std::string Haeufigster(const std::vector<std::string>& werte) {
    std::map<std::string, int> n;
    std::string best;
    int bestN = 0;
    for (const std::string& w : werte)
        if (++n[w] > bestN) bestN = n[w], best = w;
    return best;
}

// Per class name: the students' indices.
std::map<std::string, std::vector<std::size_t>> KlassenMitglieder(const Datenbestand& d) {
    std::map<std::string, std::vector<std::size_t>> m;
    for (std::size_t i = 0; i < d.Schueler.DB.size(); ++i) m[d.Schueler.DB[i].Jahrgangsdaten.Klasse.str()].push_back(i);
    return m;
}

// What becomes of every class: new name, or removal.
struct KlasseNeu {
    bool bleibt = true;
    std::string name;
    std::string jahrgangVorher, jahrgangNachher;
    bool ohneNummer = false;
};

std::vector<KlasseNeu> KlassenNachPlan(const SchuljahrPlan& p, const Datenbestand& d,
                                       const std::vector<SchuelerNeu>& neu) {
    const auto mitglieder = KlassenMitglieder(d);
    std::vector<KlasseNeu> r;
    for (const TKlasseDS& k : d.Klassen.DB) {
        KlasseNeu x;
        x.name = k.Klassenname.str();
        const auto it = mitglieder.find(x.name);
        if (it == mitglieder.end()) { // a class without students is left as it is
            r.push_back(x);
            continue;
        }
        std::vector<std::string> vorher, namen;
        for (const std::size_t i : it->second) {
            vorher.push_back(d.Schueler.DB[i].Jahrgangsdaten.Jahrgang.str());
            if (neu[i].bleibt) namen.push_back(neu[i].klasse);
            x.ohneNummer = x.ohneNummer || neu[i].klasseOhneNummer;
        }
        x.jahrgangVorher = Haeufigster(vorher);
        x.bleibt = !namen.empty();
        if (x.bleibt) {
            x.name = Haeufigster(namen);
            std::vector<std::string> nachher;
            for (const std::size_t i : it->second)
                if (neu[i].bleibt && neu[i].klasse == x.name) nachher.push_back(neu[i].jahrgang);
            x.jahrgangNachher = Haeufigster(nachher);
        }
        r.push_back(x);
    }
    (void)p;
    return r;
}

std::vector<SchuelerNeu> AlleSchueler(const SchuljahrPlan& p, const Datenbestand& d) {
    std::vector<SchuelerNeu> r(d.Schueler.DB.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = SchuelerNachPlan(p, d.Schueler.DB[i], i);
    return r;
}

} // namespace

std::string_view EntscheidungsText(Entscheidung e) {
    switch (e) {
        case Entscheidung::Versetzt:
            return "versetzt";
        case Entscheidung::Wiederholt:
            return "wiederholt";
        case Entscheidung::Verlaesst:
            break;
    }
    return "verlässt die Schule";
}

bool DatumGesetzt(std::string_view t) {
    if (t.size() != 10 || t[2] != '.' || t[5] != '.') return false;
    for (const int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (t[static_cast<std::size_t>(i)] < '0' || t[static_cast<std::size_t>(i)] > '9') return false;
    return true;
}

std::string KlassennameVerschoben(std::string_view name, int schritt) {
    std::size_t n = 0;
    while (n < name.size() && name[n] >= '0' && name[n] <= '9') ++n;
    if (n == 0 || n > 4) return {};
    const int zahl = std::stoi(std::string(name.substr(0, n))) + schritt;
    if (zahl < 0) return {};
    std::string neu = std::to_string(zahl);
    if (name[0] == '0' && neu.size() < n) neu.insert(0, n - neu.size(), '0');
    return neu + std::string(name.substr(n));
}

SchuljahrPlan PlanAufstellen(const Datenbestand& d, const Kataloge& k, const TEinstellungen& e, std::string& fehler) {
    SchuljahrPlan p;
    fehler.clear();
    p.berichtsjahr = e.Berichtsjahr.str();
    const std::string& j = p.berichtsjahr;
    if (j.size() != 4 || !std::all_of(j.begin(), j.end(), [](char c) { return c >= '0' && c <= '9'; }) || j == "9999")
        fehler = "Das Berichtsjahr der Einstellungen (\"" + j +
                 "\") ist keine Jahreszahl.\r\rDer Schuljahreswechsel braucht das Berichtsjahr des Schuljahres, das "
                 "endet.";
    else
        p.neuesJahr = std::to_string(std::stoi(j) + 1);

    std::map<std::string, int> anzahl;
    int hoechster = -1;
    for (const TSchuelerDS& s : d.Schueler.DB) {
        const std::string key = s.Jahrgangsdaten.Jahrgang.str();
        ++anzahl[key];
        if (Zweistellig(key)) hoechster = std::max(hoechster, Zahl(key));
    }
    std::set<std::string> schluessel;
    const auto zeile = [&](const std::string& key) {
        if (!schluessel.insert(key).second) return;
        JahrgangsZeile z;
        z.alt = key;
        z.schueler = anzahl.count(key) ? anzahl[key] : 0;
        if (Zweistellig(key)) {
            const int n = Zahl(key) + 1;
            const std::string naechster{char('0' + n / 10 % 10), char('0' + n % 10)};
            z.naechsterDa = n < 100 && k(25).FindeSchluessel(naechster) >= 0;
            z.neu = z.naechsterDa ? naechster : "";
            z.hoechster = Zahl(key) == hoechster;
            if (z.hoechster) z.neu.clear();
        } else {
            z.neu = key;
            z.pruefen = true;
        }
        p.jahrgaenge.push_back(std::move(z));
    };
    for (const std::string& eintrag : k(25))
        if (std::string key = KeyOfEntry(eintrag); !key.empty()) zeile(key);
    for (const auto& [key, n] : anzahl) zeile(key);

    const Katalog& k7 = k(7);
    for (const std::string& eintrag : k7)
        if (std::string key = KeyOfEntry(eintrag); !key.empty() && key != "00" && p.wiederholerSchluessel.empty())
            p.wiederholerSchluessel = key;
    if (k7.FindeSchluessel("01") >= 0) p.wiederholerSchluessel = "01";

    p.schueler.assign(d.Schueler.DB.size(), Entscheidung::Versetzt);
    p.festgelegt.assign(d.Schueler.DB.size(), false);
    VorgabenNeu(p, d);
    for (const TLehrerDS& l : d.Lehrer.DB) p.lehrerGeht.push_back(DatumGesetzt(l.Zu_Abgang.Abgang.Datum.view()));
    return p;
}

void ZielSetzen(SchuljahrPlan& p, const Datenbestand& d, std::string_view alt, std::string_view neu) {
    for (JahrgangsZeile& z : p.jahrgaenge)
        if (z.alt == alt) z.neu = std::string(neu);
    VorgabenNeu(p, d);
}

void SchuelerEntscheiden(SchuljahrPlan& p, std::size_t index, Entscheidung e) {
    if (index >= p.schueler.size()) return;
    p.schueler[index] = e;
    p.festgelegt[index] = true;
}

void KlasseEntscheiden(SchuljahrPlan& p, const Datenbestand& d, std::string_view klasse, Entscheidung e) {
    for (std::size_t i = 0; i < d.Schueler.DB.size() && i < p.schueler.size(); ++i)
        if (d.Schueler.DB[i].Jahrgangsdaten.Klasse == klasse) SchuelerEntscheiden(p, i, e);
}

SchuelerNeu SchuelerNachPlan(const SchuljahrPlan& p, const TSchuelerDS& s, std::size_t index) {
    SchuelerNeu r;
    const std::string alt = s.Jahrgangsdaten.Jahrgang.str();
    const std::string klasse = s.Jahrgangsdaten.Klasse.str();
    r.jahrgang = alt;
    r.klasse = klasse;
    const Entscheidung e = index < p.schueler.size() ? p.schueler[index] : Entscheidung::Versetzt;
    if (e == Entscheidung::Verlaesst) {
        r.bleibt = false;
        return r;
    }
    if (e == Entscheidung::Wiederholt) return r;
    r.jahrgang = Ziel(ZeileFuer(p, alt), alt);
    if (r.jahrgang.empty()) {
        r.bleibt = false;
        return r;
    }
    if (r.jahrgang == alt) return r;
    if (const auto it = p.klassenNamen.find(klasse); it != p.klassenNamen.end()) {
        r.klasse = it->second;
        return r;
    }
    std::string verschoben;
    if (Zweistellig(alt) && Zweistellig(r.jahrgang))
        verschoben = KlassennameVerschoben(klasse, Zahl(r.jahrgang) - Zahl(alt));
    if (verschoben.empty() || verschoben.size() > 10)
        r.klasseOhneNummer = true;
    else
        r.klasse = verschoben;
    return r;
}

SchuljahrUebersicht UebersichtVon(const SchuljahrPlan& p, const Datenbestand& d) {
    SchuljahrUebersicht u;
    const auto neu = AlleSchueler(p, d);
    std::map<std::string, std::pair<int, int>> zahlen;
    for (std::size_t i = 0; i < neu.size(); ++i) {
        const TSchuelerDS& s = d.Schueler.DB[i];
        ++zahlen[s.Jahrgangsdaten.Jahrgang.str()].first;
        if (neu[i].bleibt) ++zahlen[neu[i].jahrgang].second;
        if (!neu[i].bleibt)
            ++u.verlassen;
        else if (p.schueler[i] == Entscheidung::Wiederholt)
            ++u.wiederholt;
        else
            ++u.versetzt;
        const JahrgangsZeile* z = ZeileFuer(p, s.Jahrgangsdaten.Jahrgang.view());
        if (z && z->pruefen && neu[i].bleibt) u.zuPruefen.push_back(i);
    }
    for (const JahrgangsZeile& z : p.jahrgaenge)
        if (const auto it = zahlen.find(z.alt); it != zahlen.end())
            u.jahrgaenge.push_back({z.alt, it->second.first, it->second.second});

    const auto klassen = KlassenNachPlan(p, d, neu);
    std::set<std::string> vorher, nachher;
    for (std::size_t c = 0; c < klassen.size(); ++c) {
        const std::string alt = d.Klassen.DB[c].Klassenname.str();
        const KlasseNeu& k = klassen[c];
        if (!k.jahrgangVorher.empty()) vorher.insert(k.jahrgangVorher);
        if (!k.bleibt) {
            u.entfernt.push_back(alt);
            continue;
        }
        if (!k.jahrgangNachher.empty()) nachher.insert(k.jahrgangNachher);
        if (k.name != alt) u.umbenannt.emplace_back(alt, k.name);
        if (k.ohneNummer && !p.klassenNamen.count(alt)) u.ohneNummer.push_back(alt);
    }
    for (const JahrgangsZeile& z : p.jahrgaenge)
        if (vorher.count(z.alt) && !nachher.count(z.alt)) u.ohneKlasse.push_back(z.alt);

    for (std::size_t l = 0; l < d.Lehrer.DB.size(); ++l) {
        if (DatumGesetzt(d.Lehrer.DB[l].Zu_Abgang.Abgang.Datum.view())) u.lehrerMitAbgang.push_back(l);
        if (l < p.lehrerGeht.size() && p.lehrerGeht[l]) ++u.lehrerEntfernt;
    }
    for (int i = 1; i <= 1000; ++i) u.schulUE += d.SchulDS.Unterrichtseinheit[i].UE_ID > 0 ? 1 : 0;
    return u;
}

void PlanAusfuehren(const SchuljahrPlan& p, Datenbestand& d, TEinstellungen& e) {
    const std::string_view nr = e.Schulnummer.view();
    const auto neu = AlleSchueler(p, d);
    const auto klassen = KlassenNachPlan(p, d, neu);

    TSchuelerDS leerS;
    InitSchueler(leerS, nr);
    std::vector<TSchuelerDS> schueler;
    schueler.reserve(neu.size());
    for (std::size_t i = 0; i < neu.size(); ++i) {
        if (!neu[i].bleibt) continue;
        TSchuelerDS& s = schueler.emplace_back(d.Schueler.DB[i]);
        JahresdatenLeeren(s, leerS, felder::kSchueler, kSchuelerJahresfelder);
        s.Jahrgangsdaten.Jahrgang = neu[i].jahrgang;
        s.Jahrgangsdaten.Klasse = neu[i].klasse;
        if (p.schueler[i] == Entscheidung::Wiederholt) s.Jahrgangsdaten.Wiederholer = p.wiederholerSchluessel;
    }
    if (schueler.empty()) schueler.push_back(leerS);

    TKlasseDS leerK;
    InitKlasse(leerK, nr);
    std::map<std::string, std::string> umbenannt;
    std::vector<TKlasseDS> klassenNeu;
    for (std::size_t c = 0; c < klassen.size(); ++c) {
        if (!klassen[c].bleibt) continue;
        TKlasseDS& k = klassenNeu.emplace_back(d.Klassen.DB[c]);
        JahresdatenLeeren(k, leerK, felder::kKlasse, kKlassenJahresfelder);
        if (k.Klassenname != klassen[c].name) umbenannt[k.Klassenname.str()] = klassen[c].name;
        k.Klassenname = klassen[c].name;
    }
    if (klassenNeu.empty()) klassenNeu.push_back(leerK);

    TLehrerDS leerL;
    InitLehrer(leerL, nr);
    std::vector<TLehrerDS> lehrer;
    for (std::size_t l = 0; l < d.Lehrer.DB.size(); ++l) {
        if (l < p.lehrerGeht.size() && p.lehrerGeht[l]) continue;
        TLehrerDS& t = lehrer.emplace_back(d.Lehrer.DB[l]);
        JahresdatenLeeren(t, leerL, felder::kLehrer, kLehrerJahresfelder);
        // The class teacher goes up with the class.
        if (const auto it = umbenannt.find(t.Sonstiges.Klassenleiter.str()); it != umbenannt.end())
            t.Sonstiges.Klassenleiter = it->second;
    }
    if (lehrer.empty()) lehrer.push_back(leerL);

    const auto leerSchule = std::make_unique<TSchuleDS>();
    InitSchule(*leerSchule, nr);
    for (const Feld& f : felder::kSchule)
        if (f.gruppe == "Unterrichtseinheit" || f.gruppe == "Nichteinschulung")
            Leeren(ImageOf(d.SchulDS), ImageOf(*leerSchule), f);

    const auto setzen = [](auto& bereich, auto&& db) {
        bereich.DB = std::move(db);
        bereich.Aktuell = 0;
        bereich.Puffer = bereich.DB.front();
    };
    setzen(d.Schueler, std::move(schueler));
    setzen(d.Klassen, std::move(klassenNeu));
    setzen(d.Lehrer, std::move(lehrer));
    e.Berichtsjahr = p.neuesJahr;
}

} // namespace zev
