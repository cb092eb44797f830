#include "plausi/result_listing.h"

#include <cstdio>

namespace zev {

AnzeigeZeile SchwellenAnzeige(int alarmschwelle) {
    if (alarmschwelle == 1) return {"ab schwerwiegenden Warnungen", Farbe::Fuchsia};
    if (alarmschwelle == 2) return {"nur Fehler !!!", Farbe::Rot};
    return {"ab Warnungen", Farbe::Lila};
}

Farbe CodeFarbe(int code) {
    switch (code) {
        case 0:
            return Farbe::Blau;
        case 1:
            return Farbe::Gruen;
        case 2:
            return Farbe::Lila;
        case 3:
            return Farbe::Fuchsia;
        case 4:
        case 5:
            return Farbe::Rot;
        default:
            return Farbe::Schwarz;
    }
}

std::string ZahlFormat(double r) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.7G", r);
    std::string s = puffer;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

namespace {

void ErstesErsetzen(std::string& text, std::string_view marke, const std::string& wert) {
    const auto p = text.find(marke);
    if (p != std::string::npos) text.replace(p, marke.size(), wert);
}

} // namespace

Ergebnisanzeige ErgebnisseAufbauen(const PlausiLauf& lauf, const Fehlertexte& texte) {
    Ergebnisanzeige a;
    const AnzeigeZeile schwelle = SchwellenAnzeige(lauf.Alarmschwelle);
    a.schwelleText = schwelle.text;
    a.schwelleFarbe = schwelle.farbe;

    for (int n = 1; n <= kHoechsteNummer; ++n) {
        const int code = lauf.Code(n);
        if (code < 0) continue;
        const Fehlertext& f = texte[n];
        a.zeilen.push_back({"[" + std::to_string(n) + "]   " + f.Titel, Farbe::Schwarz});
        // An empty text falls back to the next higher code's text.
        int k = code;
        std::string text = (k <= 5) ? f.Text[static_cast<std::size_t>(k)] : std::string();
        while (text.empty() && k < 5) text = f.Text[static_cast<std::size_t>(++k)];
        const TestParameter& p = lauf.Testparameter[static_cast<std::size_t>(n)];
        ErstesErsetzen(text, "&i", std::to_string(p.i));
        ErstesErsetzen(text, "&r", ZahlFormat(p.r));
        ErstesErsetzen(text, "&s", std::string(p.s));
        if (code == 3 || code == 5) text = "!!! " + text;
        text = "  -->  " + text;
        a.zeilen.push_back({text, CodeFarbe(code)});
        a.zeilen.push_back({"", Farbe::Schwarz});
        a.eintraege.push_back({n, code, p.i, p.r, f.Titel, text, CodeFarbe(code)});
    }

    const auto& z = lauf.Ergebniszaehler;
    if (z[2] + z[3] + z[4] + z[5] == 0) {
        a.urteil = "alle Tests bestanden!!!";
        a.urteilFarbe = Farbe::Gruen;
    } else if (lauf.AlarmSumme() == 0) {
        a.urteil = "Tests oberhalb der Alarmschwelle bestanden";
        a.urteilFarbe = Farbe::Blau;
    } else {
        a.urteil = "Tests NICHT bestanden!!!";
        a.urteilFarbe = Farbe::Rot;
        a.zaehlerSichtbar = true;
        a.warnungen = lauf.Alarmschwelle == 0 ? z[2] + z[3] : lauf.Alarmschwelle == 1 ? z[3] : 0;
        a.fehler = z[4] + z[5];
    }
    return a;
}

} // namespace zev
