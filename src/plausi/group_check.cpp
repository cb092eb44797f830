#include "plausi/group_check.h"

#include "model/encoding.h"
#include "plausi/teacher_tests.h"

namespace zev {

long AlleLehrerPruefen(PlausiLauf& p, Datenbestand& d, bool mitFreieTraegerDaten, const TEinstellungen& e,
                       const Kataloge& k) {
    const PruefKontext kontext{e, k, d};
    const SchulUEIndex index(d.SchulDS);
    long summe = 0;
    for (TLehrerDS& l : d.Lehrer.DB) {
        p.TestsZuruecksetzen();
        TesteLehrer(p, l, mitFreieTraegerDaten, kontext, index);
        p.TestsAuszaehlen();
        const auto& z = p.Ergebniszaehler;
        if (p.Alarmschwelle == 0) l.Warnungen = static_cast<std::uint16_t>(z[2] + z[3]);
        else if (p.Alarmschwelle == 1) l.Warnungen = z[3];
        l.Fehler = static_cast<std::uint16_t>(z[4] + z[5]);
        summe += l.Warnungen + l.Fehler;
    }
    return summe;
}

std::string GruppenErgebnis(int warnungen, int fehler) {
    if (fehler != 0) return "fehlerhaft!!!";
    if (warnungen != 0) return "mit Warnung(en)!";
    return "alles i.O.";
}

Gruppenanzeige GruppenAnzeigeAufbauen(int gruppenart, int alarmschwelle, const BereichsDaten<TLehrerDS>& lehrer) {
    Gruppenanzeige g;
    g.schwelle = SchwellenAnzeige(alarmschwelle);
    g.titel = "Ergebnis: große PLAUSI";
    const auto ergebnisZelle = [](std::string text) {
        GruppenZelle c{std::move(text), true, std::nullopt};
        if (c.text == "alles i.O.") c.farbe = Farbe::Gruen;
        else if (c.text == "mit Warnung(en)!") c.farbe = Farbe::Fuchsia;
        else if (c.text == "fehlerhaft!!!") c.farbe = Farbe::Rot;
        return c;
    };
    const std::size_t zeilen = gruppenart == kGruppenartLehrer ? std::max<std::size_t>(11, lehrer.DB.size() + 1) : 11;
    g.zeilen.resize(zeilen);
    for (auto& z : g.zeilen) z[5].fett = true;
    if (gruppenart != kGruppenartLehrer) return g;

    g.titel = "Ergebnis: große PLAUSI -->  L e h r e r";
    g.breiten = {80, 150, 100, 70, 50, 120};
    g.datenzeilen = lehrer.DB.size();
    const char* ueberschriften[] = {"Lehrernummer", "Name", "Vorname", "Warnungen", "Fehler"};
    for (std::size_t s = 0; s < 5; ++s) g.zeilen[0][s].text = ueberschriften[s];
    g.zeilen[0][5] = ergebnisZelle("Ergebnis");
    for (std::size_t t = 0; t < lehrer.DB.size(); ++t) {
        const TLehrerDS& l = lehrer.DB[t];
        auto& z = g.zeilen[t + 1];
        z[0].text = Cp1252ToUtf8(l.Lehrernummer.view());
        std::string name;
        if (l.Grunddaten.Titel.view() > std::string_view(" ")) name = (l.Grunddaten.Titel.str() + " ").substr(0, 11);
        z[1].text = Cp1252ToUtf8(name + l.Grunddaten.Name.str());
        z[2].text = Cp1252ToUtf8(l.Grunddaten.Vorname.view());
        z[3].text = std::to_string(l.Warnungen.get());
        z[4].text = std::to_string(l.Fehler.get());
        z[5] = ergebnisZelle(GruppenErgebnis(l.Warnungen, l.Fehler));
    }
    return g;
}

} // namespace zev
