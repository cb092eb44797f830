#include "plausi/group_check.h"

#include "model/encoding.h"
#include "plausi/class_tests.h"
#include "plausi/student_tests.h"
#include "plausi/teacher_tests.h"

namespace zev {

namespace {

// Every record of a list with its own run; the counts stored in each. The sum of all.
template <class R, class Tests> long ListePruefen(PlausiLauf& p, std::vector<R>& saetze, Tests tests) {
    long summe = 0;
    for (R& r : saetze) {
        p.TestsZuruecksetzen();
        tests(r);
        p.TestsAuszaehlen();
        ZaehlerSpeichern(p, r);
        summe += r.Warnungen + r.Fehler;
    }
    return summe;
}

} // namespace

long AlleLehrerPruefen(PlausiLauf& p, Datenbestand& d, bool mitFreieTraegerDaten, const TEinstellungen& e,
                       const Kataloge& k) {
    const PruefKontext kontext{e, k, d};
    const SchulUEIndex index(d.SchulDS);
    return ListePruefen(p, d.Lehrer.DB,
                        [&](const TLehrerDS& l) { TesteLehrer(p, l, mitFreieTraegerDaten, kontext, index); });
}

long AlleKlassenPruefen(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k) {
    const PruefKontext kontext{e, k, d};
    const KlassenUmfeld umfeld(d);
    return ListePruefen(p, d.Klassen.DB, [&](const TKlasseDS& kl) {
        TesteKlasse(p, kl, kontext, umfeld);
        TesteKlassenSchueler(p, kl, umfeld);
    });
}

long AlleSchuelerPruefen(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k) {
    const PruefKontext kontext{e, k, d};
    const SchuelerUmfeld umfeld(d);
    return ListePruefen(p, d.Schueler.DB, [&](const TSchuelerDS& s) { TesteSchueler(p, s, kontext, umfeld); });
}

std::string GruppenErgebnis(int warnungen, int fehler) {
    if (fehler != 0) return "fehlerhaft!!!";
    if (warnungen != 0) return "mit Warnung(en)!";
    return "alles i.O.";
}

namespace {

GruppenZelle ErgebnisZelle(std::string text) {
    GruppenZelle c{std::move(text), true, std::nullopt};
    if (c.text == "alles i.O.")
        c.farbe = Farbe::Gruen;
    else if (c.text == "mit Warnung(en)!")
        c.farbe = Farbe::Fuchsia;
    else if (c.text == "fehlerhaft!!!")
        c.farbe = Farbe::Rot;
    return c;
}

struct Spalte {
    const char* ueberschrift;
    int breite;
};

// The grid of one area: the given leading columns of each record, then Warnungen,
// Fehler and Ergebnis. `texte(r)` gives a record's leading cells (UTF-8).
template <class R, class Texte>
void Fuellen(Gruppenanzeige& g, const char* titel, std::initializer_list<Spalte> vorne, const std::vector<R>& db,
             Texte texte) {
    g.titel = titel;
    g.breiten.clear();
    for (const Spalte& s : vorne) g.breiten.push_back(s.breite);
    for (int b : {70, 50, 120}) g.breiten.push_back(b);
    const std::size_t n = g.breiten.size();
    g.zeilen.assign(std::max<std::size_t>(11, db.size() + 1), std::vector<GruppenZelle>(n));
    for (auto& z : g.zeilen) z[n - 1].fett = true;
    std::size_t s = 0;
    for (const Spalte& x : vorne) g.zeilen[0][s++].text = x.ueberschrift;
    g.zeilen[0][n - 3].text = "Warnungen";
    g.zeilen[0][n - 2].text = "Fehler";
    g.zeilen[0][n - 1] = ErgebnisZelle("Ergebnis");
    g.datenzeilen = db.size();
    for (std::size_t t = 0; t < db.size(); ++t) {
        const R& r = db[t];
        auto& z = g.zeilen[t + 1];
        std::size_t spalte = 0;
        for (std::string& text : texte(r)) z[spalte++].text = std::move(text);
        z[n - 3].text = std::to_string(r.Warnungen.get());
        z[n - 2].text = std::to_string(r.Fehler.get());
        z[n - 1] = ErgebnisZelle(GruppenErgebnis(r.Warnungen, r.Fehler));
    }
}

Gruppenanzeige Grundgeruest(int alarmschwelle) {
    Gruppenanzeige g;
    g.schwelle = SchwellenAnzeige(alarmschwelle);
    g.titel = "Ergebnis: große PLAUSI";
    // An area the window does not know: the caption and eleven empty rows of six columns.
    g.breiten.assign(6, 0);
    g.zeilen.assign(11, std::vector<GruppenZelle>(6));
    for (auto& z : g.zeilen) z[5].fett = true;
    return g;
}

void LehrerFuellen(Gruppenanzeige& g, const BereichsDaten<TLehrerDS>& lehrer) {
    g.zeilen.clear();
    Fuellen(g, "Ergebnis: große PLAUSI -->  L e h r e r", {{"Lehrernummer", 80}, {"Name", 150}, {"Vorname", 100}},
            lehrer.DB, [](const TLehrerDS& l) {
                std::string name;
                if (l.Grunddaten.Titel.view() > std::string_view(" "))
                    name = (l.Grunddaten.Titel.str() + " ").substr(0, 11);
                return std::array<std::string, 3>{Cp1252ToUtf8(l.Lehrernummer.view()),
                                                  Cp1252ToUtf8(name + l.Grunddaten.Name.str()),
                                                  Cp1252ToUtf8(l.Grunddaten.Vorname.view())};
            });
}

} // namespace

Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const BereichsDaten<TLehrerDS>& lehrer) {
    Gruppenanzeige g = Grundgeruest(alarmschwelle);
    if (gruppenart == kGruppenartLehrer) LehrerFuellen(g, lehrer);
    return g;
}

Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const Datenbestand& d) {
    Gruppenanzeige g = Grundgeruest(alarmschwelle);
    switch (gruppenart) {
        case kGruppenartLehrer:
            LehrerFuellen(g, d.Lehrer);
            break;
        case kGruppenartKlassen:
            g.zeilen.clear();
            g.berichtsname = "Klassen-PLAUSI";
            Fuellen(
                g, "Ergebnis: große PLAUSI -->  K l a s s e n", {{"Klassenname", 100}}, d.Klassen.DB,
                [](const TKlasseDS& kl) { return std::array<std::string, 1>{Cp1252ToUtf8(kl.Klassenname.view())}; });
            break;
        case kGruppenartSchueler:
            g.zeilen.clear();
            g.berichtsname = "Schueler-PLAUSI";
            Fuellen(g, "Ergebnis: große PLAUSI -->  S c h ü l e r",
                    {{"Schülernummer", 90}, {"Name", 150}, {"Vorname", 100}, {"Klasse", 70}}, d.Schueler.DB,
                    [](const TSchuelerDS& s) {
                        return std::array<std::string, 4>{
                            Cp1252ToUtf8(s.Schuelernummer.view()), Cp1252ToUtf8(s.Grunddaten.Name.view()),
                            Cp1252ToUtf8(s.Grunddaten.Vorname.view()), Cp1252ToUtf8(s.Jahrgangsdaten.Klasse.view())};
                    });
            break;
        default:
            break;
    }
    return g;
}

} // namespace zev
