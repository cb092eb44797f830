// `zev school-year`: the plan of the change of school year, carrying it out, and
// taking an archived year back, through the same plan and files as the window.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/school_year_run.h"
#include "model/encoding.h"
#include "storage/year_archive.h"

#include <nlohmann/json.hpp>

#include <set>
#include <sstream>

namespace zev::cli {

using Json = nlohmann::json;

namespace {

const char* const kAufruf =
    "Aufruf: zev [--home ORDNER] [--yes|--no] [--wait SEK] school-year --preview [--json]\n"
    "       zev school-year --apply [--repeaters NR,...] [--leavers NR,...] [--grade ALT=NEU ...]\n"
    "                               [--repeat-key SCHLÜSSEL] [--keep-teachers NR,...] [--json]\n"
    "       zev school-year --undo JAHR\n";

struct Aufruf {
    enum { Keiner, Vorschau, Durchfuehren, Zuruecknehmen } was = Keiner;
    bool json = false;
    std::vector<std::string> wiederholer, abgaenger, bleibendeLehrer;
    std::vector<std::pair<std::string, std::string>> ziele;
    std::string schluessel, jahr;
};

std::vector<std::string> Nummern(const std::string& liste) {
    std::vector<std::string> r;
    std::istringstream in(liste);
    for (std::string n; std::getline(in, n, ',');)
        if (!n.empty()) r.push_back(n);
    return r;
}

bool Lesen(const std::vector<std::string>& args, Aufruf& a, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& x = args[i];
        const auto wert = [&](std::string& ziel) {
            if (i + 1 >= args.size()) {
                err << "zev school-year: " << x << " braucht einen Wert\n";
                return false;
            }
            ziel = args[++i];
            return true;
        };
        std::string w;
        if (x == "--preview")
            a.was = a.was == Aufruf::Keiner ? Aufruf::Vorschau : Aufruf::Keiner;
        else if (x == "--apply")
            a.was = a.was == Aufruf::Keiner ? Aufruf::Durchfuehren : Aufruf::Keiner;
        else if (x == "--undo") {
            if (!wert(a.jahr)) return false;
            a.was = a.was == Aufruf::Keiner ? Aufruf::Zuruecknehmen : Aufruf::Keiner;
        } else if (x == "--json")
            a.json = true;
        else if (x == "--repeaters" || x == "--leavers" || x == "--keep-teachers") {
            if (!wert(w)) return false;
            auto& liste = x == "--repeaters" ? a.wiederholer : x == "--leavers" ? a.abgaenger : a.bleibendeLehrer;
            for (std::string& n : Nummern(w)) liste.push_back(std::move(n));
        } else if (x == "--grade") {
            if (!wert(w)) return false;
            const auto gleich = w.find('=');
            if (gleich == std::string::npos || gleich == 0) {
                err << "zev school-year: --grade braucht ALT=NEU (NEU leer oder - : verlässt die Schule), nicht: " << w
                    << "\n";
                return false;
            }
            std::string neu = w.substr(gleich + 1);
            if (neu == "-") neu.clear();
            a.ziele.emplace_back(w.substr(0, gleich), neu);
        } else if (x == "--repeat-key") {
            if (!wert(a.schluessel)) return false;
        } else {
            err << "zev school-year: unbekanntes Argument: " << x << "\n";
            return false;
        }
    }
    const bool nurApply = !a.wiederholer.empty() || !a.abgaenger.empty() || !a.bleibendeLehrer.empty() ||
                          !a.ziele.empty() || !a.schluessel.empty();
    if (a.was == Aufruf::Keiner || (nurApply && a.was != Aufruf::Durchfuehren) ||
        (a.json && a.was == Aufruf::Zuruecknehmen)) {
        err << kAufruf;
        return false;
    }
    return true;
}

std::string U(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

std::string Ziel(const std::string& neu) {
    return neu.empty() ? "verlässt" : U(neu);
}

// The choices of the command line into the plan; false (with a message) on a number or key not found.
bool Anwenden(const Aufruf& a, SchuljahrPlan& p, const Steuerung& s, std::ostream& err) {
    const Datenbestand& d = s.Daten();
    bool ok = true;
    for (const auto& [alt, neu] : a.ziele) {
        const std::string altW = Utf8ToCp1252(alt), neuW = Utf8ToCp1252(neu);
        const bool altDa = std::any_of(p.jahrgaenge.begin(), p.jahrgaenge.end(),
                                       [&](const JahrgangsZeile& z) { return z.alt == altW; });
        const bool neuDa = neuW.empty() || s.Katalogliste()(25).FindeSchluessel(neuW) >= 0;
        if (!altDa || !neuDa) {
            err << "zev school-year: --grade " << alt << "=" << neu << ": " << (altDa ? neu : alt)
                << " ist kein Jahrgang (Katalog 25)\n";
            ok = false;
            continue;
        }
        ZielSetzen(p, d, altW, neuW);
    }
    const auto schueler = [&](const std::vector<std::string>& nummern, Entscheidung e, const char* option) {
        for (const std::string& n : nummern) {
            bool gefunden = false;
            for (std::size_t i = 0; i < d.Schueler.DB.size(); ++i)
                if (d.Schueler.DB[i].Schuelernummer == Utf8ToCp1252(n)) SchuelerEntscheiden(p, i, e), gefunden = true;
            if (!gefunden) {
                err << "zev school-year: " << option << ": keine Schülerin und kein Schüler mit der Nummer " << n
                    << "\n";
                ok = false;
            }
        }
    };
    schueler(a.wiederholer, Entscheidung::Wiederholt, "--repeaters");
    schueler(a.abgaenger, Entscheidung::Verlaesst, "--leavers");
    for (const std::string& n : a.bleibendeLehrer) {
        bool gefunden = false;
        for (std::size_t i = 0; i < d.Lehrer.DB.size(); ++i)
            if (d.Lehrer.DB[i].Lehrernummer == Utf8ToCp1252(n)) p.lehrerGeht[i] = false, gefunden = true;
        if (!gefunden) {
            err << "zev school-year: --keep-teachers: kein Lehrer mit der Nummer " << n << "\n";
            ok = false;
        }
    }
    if (!a.schluessel.empty()) {
        const std::string key = Utf8ToCp1252(a.schluessel);
        if (key == "00" || s.Katalogliste()(7).FindeSchluessel(key) < 0) {
            err << "zev school-year: --repeat-key " << a.schluessel
                << " ist kein Schlüssel einer Wiederholung (Katalog 7)\n";
            ok = false;
        } else {
            p.wiederholerSchluessel = key;
        }
    }
    return ok;
}

std::string Person(const TSchuelerDS& s) {
    return U(s.Schuelernummer.view()) + " " + U(s.Grunddaten.Name.view()) + ", " + U(s.Grunddaten.Vorname.view());
}

Json PlanJson(const SchuljahrPlan& p, const SchuljahrUebersicht& u, const Datenbestand& d, const std::string& archiv) {
    Json j = {{"berichtsjahr", p.berichtsjahr},
              {"neuesBerichtsjahr", p.neuesJahr},
              {"archiv", archiv},
              {"wiederholerSchluessel", U(p.wiederholerSchluessel)},
              {"versetzt", u.versetzt},
              {"wiederholt", u.wiederholt},
              {"verlassen", u.verlassen},
              {"geleerteSchulUE", u.schulUE}};
    j["jahrgaenge"] = Json::array();
    for (const JahrgangsZeile& z : p.jahrgaenge)
        j["jahrgaenge"].push_back({{"alt", U(z.alt)},
                                   {"neu", z.neu.empty() ? Json(nullptr) : Json(U(z.neu))},
                                   {"pruefen", z.pruefen},
                                   {"hoechster", z.hoechster},
                                   {"schueler", z.schueler}});
    j["zaehlung"] = Json::array();
    for (const auto& z : u.jahrgaenge)
        j["zaehlung"].push_back({{"jahrgang", U(z.key)}, {"vorher", z.vorher}, {"nachher", z.nachher}});
    j["zuPruefen"] = Json::array();
    for (const std::size_t i : u.zuPruefen) {
        const TSchuelerDS& s = d.Schueler.DB[i];
        j["zuPruefen"].push_back({{"schuelernummer", U(s.Schuelernummer.view())},
                                  {"name", U(s.Grunddaten.Name.view())},
                                  {"vorname", U(s.Grunddaten.Vorname.view())},
                                  {"klasse", U(s.Jahrgangsdaten.Klasse.view())},
                                  {"jahrgang", U(s.Jahrgangsdaten.Jahrgang.view())}});
    }
    j["klassenUmbenannt"] = Json::array();
    for (const auto& [alt, neu] : u.umbenannt) j["klassenUmbenannt"].push_back({{"alt", U(alt)}, {"neu", U(neu)}});
    const auto liste = [](const std::vector<std::string>& v) {
        Json a = Json::array();
        for (const std::string& x : v) a.push_back(U(x));
        return a;
    };
    j["klassenEntfernt"] = liste(u.entfernt);
    j["klassenOhneNummer"] = liste(u.ohneNummer);
    j["jahrgaengeOhneKlasse"] = liste(u.ohneKlasse);
    j["lehrerMitAbgang"] = Json::array();
    for (const std::size_t l : u.lehrerMitAbgang) {
        const TLehrerDS& t = d.Lehrer.DB[l];
        j["lehrerMitAbgang"].push_back({{"lehrernummer", U(t.Lehrernummer.view())},
                                        {"name", U(t.Grunddaten.Name.view())},
                                        {"abgang", U(t.Zu_Abgang.Abgang.Datum.view())},
                                        {"entfernt", static_cast<bool>(p.lehrerGeht[l])}});
    }
    return j;
}

void PlanText(std::ostream& o, const SchuljahrPlan& p, const SchuljahrUebersicht& u, const Datenbestand& d,
              const std::string& archiv) {
    o << "Schuljahreswechsel: Berichtsjahr " << p.berichtsjahr << " -> " << p.neuesJahr << "\n"
      << "Archiv: " << archiv << "\n\n"
      << "Jahrgang  wird   Schüler vorher  nachher\n";
    for (const auto& z : u.jahrgaenge) {
        std::string neu = "-";
        for (const JahrgangsZeile& r : p.jahrgaenge)
            if (r.alt == z.key) neu = Ziel(r.neu) + (r.pruefen ? " (prüfen)" : "");
        std::string alt = z.key.empty() ? "(leer)" : U(z.key);
        o << "  " << alt << std::string(alt.size() < 8 ? 8 - alt.size() : 1, ' ') << neu
          << std::string(neu.size() < 20 ? 20 - neu.size() : 1, ' ') << z.vorher << "  " << z.nachher << "\n";
    }
    o << "\nSchüler: " << u.versetzt << " versetzt, " << u.wiederholt << " wiederholt (Wiederholer-Schlüssel "
      << U(p.wiederholerSchluessel) << "), " << u.verlassen << " verlassen die Schule\n";
    if (!u.zuPruefen.empty()) {
        o << "Zu entscheiden (Jahrgang ohne zweistellige Zahl, bleibt vorerst):\n";
        for (const std::size_t i : u.zuPruefen)
            o << "  " << Person(d.Schueler.DB[i]) << " (" << U(d.Schueler.DB[i].Jahrgangsdaten.Klasse.view())
              << ", Jahrgang " << U(d.Schueler.DB[i].Jahrgangsdaten.Jahrgang.view()) << ")\n";
    }
    const auto zeile = [&](const char* titel, const std::vector<std::string>& v) {
        if (v.empty()) return;
        o << titel;
        for (std::size_t i = 0; i < v.size(); ++i) o << (i ? ", " : " ") << (v[i].empty() ? "(leer)" : U(v[i]));
        o << "\n";
    };
    if (!u.umbenannt.empty()) {
        o << "Klassen umbenannt:";
        for (std::size_t i = 0; i < u.umbenannt.size(); ++i)
            o << (i ? ", " : " ") << U(u.umbenannt[i].first) << " -> " << U(u.umbenannt[i].second);
        o << "\n";
    }
    zeile("Klassen entfernt (alle Schüler verlassen die Schule):", u.entfernt);
    zeile("Klassen ohne führende Zahl (Name bleibt, bitte umbenennen):", u.ohneNummer);
    zeile("Jahrgänge ohne Klasse danach:", u.ohneKlasse);
    if (!u.lehrerMitAbgang.empty()) {
        o << "Lehrer mit Abgang:\n";
        for (const std::size_t l : u.lehrerMitAbgang) {
            const TLehrerDS& t = d.Lehrer.DB[l];
            o << "  " << U(t.Lehrernummer.view()) << " " << U(t.Grunddaten.Name.view()) << ", "
              << U(t.Grunddaten.Vorname.view()) << " (Abgang " << U(t.Zu_Abgang.Abgang.Datum.view())
              << "): " << (p.lehrerGeht[l] ? "wird entfernt" : "bleibt") << "\n";
        }
    }
    o << "Geleert: " << u.schulUE
      << " UnterrichtsEinheiten und die Nichteinschulungen der Schule; bei Lehrern, Klassen und Schülern die\n"
         "  UE-Verweise und Prüfzähler; bei Schülern Zuzug, Wiederholer (außer bei Wiederholern), Empfehlung,\n"
         "  Schulartwechsel\n";
}

} // namespace

int SchoolYear(const Kontext& k, const std::vector<std::string>& args) {
    Aufruf a;
    if (!Lesen(args, a, k.err)) return kBedienung;
    KonsolenMeldungen m(k.err, k.antwortJa);
    Steuerung s(k.programmOrdner, m);
    s.Erstellen();
    s.Gezeigt();
    const Ordner& o = s.Ordnerpfade();
    if (!o.DatenFehlt.empty() || !o.NichtSpeicherbar.empty()) return kFehlerGemeldet;
    if (a.was != Aufruf::Vorschau && !s.Sperren(kProgrammName, k.warteSekunden)) return kFehlerGemeldet;

    if (a.was == Aufruf::Zuruecknehmen) {
        const auto jahre = ArchivierteJahre(o.Daten);
        if (std::find(jahre.begin(), jahre.end(), a.jahr) == jahre.end()) {
            std::string da;
            for (const std::string& j : jahre) da += (da.empty() ? "" : ", ") + j;
            m.Fehler("Es gibt kein Archiv des Schuljahres " + a.jahr + " in:\r" + o.Daten + kSchuljahreOrdner +
                     "\r\rArchivierte Schuljahre: " + (da.empty() ? "keine" : da));
            return kFehlerGemeldet;
        }
        if (!SchuljahrZuruecknehmen(s, a.jahr, kProgrammName, m)) return kFehlerGemeldet;
        k.out << "Schuljahr " << a.jahr << " zurückgeholt aus " << ArchivOrdner(o.Daten, a.jahr) << "\n"
              << "Berichtsjahr: " << s.Einstellungen().Berichtsjahr.str() << "\n";
        return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
    }

    if (!SchuljahrLaden(s, m, a.was == Aufruf::Durchfuehren)) return kFehlerGemeldet;
    std::string fehler;
    SchuljahrPlan p = PlanAufstellen(s.Daten(), s.Katalogliste(), s.Einstellungen(), fehler);
    if (!fehler.empty()) {
        m.Fehler(fehler);
        return kFehlerGemeldet;
    }
    if (!Anwenden(a, p, s, k.err)) return kBedienung;
    const SchuljahrUebersicht u = UebersichtVon(p, s.Daten());
    const std::string archiv = ArchivOrdner(o.Daten, p.berichtsjahr);
    // Printed from the areas as read: carrying out the plan leaves them to be read anew.
    std::ostringstream plan;
    if (a.json)
        plan << PlanJson(p, u, s.Daten(), archiv).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    else
        PlanText(plan, p, u, s.Daten(), archiv);
    if (a.was == Aufruf::Vorschau) {
        k.out << plan.str();
        return kOk;
    }
    if (!SchuljahrDurchfuehren(s, p, kProgrammName, m)) return kFehlerGemeldet;
    k.out << plan.str();
    if (!a.json)
        k.out << "\nDurchgeführt. Berichtsjahr jetzt " << p.neuesJahr << "; das Schuljahr " << p.berichtsjahr
              << " liegt in " << archiv << "\n";
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

} // namespace zev::cli
