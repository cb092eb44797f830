// `zev check schule` and `zev check lehrer|klassen|schueler [--nr NUMMER]`: the
// plausibility checks of the pages, printed as the windows show them.
#include "catalog/catalogue_loader.h"
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "cli/record_json.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "plausi/check_course.h"
#include "plausi/check_report.h"
#include "plausi/message_table.h"
#include "plausi/result_listing.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace zev::cli {

namespace {

// Questions and errors reach the console; the confirmation boxes of a passed run
// do not, since the result is printed anyway.
class OhneBestaetigung final : public Meldungen {
public:
    explicit OhneBestaetigung(Meldungen& innen) : innen_(innen) {}
    Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) override {
        if (art == MeldungsArt::Information && tasten == Tasten::Ok) return Antwort::Ok;
        return innen_.Zeigen(art, text, tasten);
    }

private:
    Meldungen& innen_;
};

std::string Farbig(const std::string& text, Farbe f, bool farbig) {
    if (!farbig || text.empty()) return text;
    const Rgb c = RgbVon(f);
    return "\x1b[38;2;" + std::to_string(c.r) + ";" + std::to_string(c.g) + ";" + std::to_string(c.b) + "m" + text +
           "\x1b[0m";
}

void EinzelAusgeben(const Kontext& k, const Ergebnisanzeige& a, int schwelle, bool json) {
    if (json) {
        Json j;
        j["threshold"] = schwelle;
        j["verdict"] = a.urteil;
        j["warnings"] = a.warnungen;
        j["errors"] = a.fehler;
        j["results"] = Json::array();
        for (const ListenEintrag& x : a.eintraege)
            j["results"].push_back({{"number", x.nummer},
                                    {"code", x.code},
                                    {"i", x.i},
                                    {"r", x.r},
                                    {"title", x.titel},
                                    {"text", x.text},
                                    {"colour", HexVon(x.farbe)}});
        k.out << j.dump(2) << '\n';
        return;
    }
    k.out << kFensterTitel << "\nTest-Alarm-Schwelle: " << Farbig(a.schwelleText, a.schwelleFarbe, k.farbig)
          << "\n\nEinzel-Tests mit Ergebnissen:\n";
    for (const AnzeigeZeile& z : a.zeilen) k.out << Farbig(z.text, z.farbe, k.farbig) << '\n';
    k.out << "Gesamt-Test-Ergebnis: " << Farbig(a.urteil, a.urteilFarbe, k.farbig) << '\n';
    if (a.zaehlerSichtbar) k.out << "mit " << a.warnungen << " Warnung(en)     und " << a.fehler << " Fehler\n";
}

// The grid of a group run: the JSON list is named after the area, one object per
// record with the grid's headings as keys (the counts as numbers).
void GruppeAusgeben(const Kontext& k, const Gruppenanzeige& g, const char* liste, int schwelle, bool json) {
    const std::size_t n = g.Spalten();
    const std::vector<std::size_t> zahlen = g.Zahlspalten();
    if (json) {
        Json j;
        j["threshold"] = schwelle;
        j[liste] = Json::array();
        for (std::size_t t = 1; t <= g.datenzeilen; ++t) {
            Json r = Json::object();
            for (std::size_t s = 0; s < n; ++s) {
                const std::string& text = g.zeilen[t][s].text;
                if (std::find(zahlen.begin(), zahlen.end(), s) != zahlen.end())
                    r[g.zeilen[0][s].text] = std::stoi(text);
                else
                    r[g.zeilen[0][s].text] = text;
            }
            j[liste].push_back(std::move(r));
        }
        k.out << j.dump(2) << '\n';
        return;
    }
    k.out << g.titel << "\nTest-Alarm-Schwelle: " << Farbig(g.schwelle.text, g.schwelle.farbe, k.farbig) << "\n\n";
    for (std::size_t zeile = 0; zeile <= g.datenzeilen; ++zeile) {
        const auto& z = g.zeilen[zeile];
        for (std::size_t s = 0; s + 1 < n; ++s) k.out << z[s].text << '\t';
        k.out << Farbig(z[n - 1].text, z[n - 1].farbe.value_or(Farbe::Schwarz), k.farbig) << '\n';
    }
}

} // namespace

int Check(const Kontext& k, const std::vector<std::string>& args) {
    const auto aufruf = [&] {
        k.err << "Aufruf: zev [--home ORDNER] [--yes|--no] check schule|lehrer|klassen|schueler [--nr NUMMER] [--json] "
                 "[--seed N] [--html DATEI] [--csv DATEI]\n";
        return kBedienung;
    };
    std::string bereich, nummer;
    std::optional<std::string> htmlDatei, csvDatei;
    bool json = false, mitNummer = false;
    std::optional<std::uint32_t> saat;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--nr" && i + 1 < args.size()) {
            nummer = args[++i];
            mitNummer = true;
        } else if (args[i] == "--html" && i + 1 < args.size()) {
            htmlDatei = args[++i];
        } else if (args[i] == "--csv" && i + 1 < args.size()) {
            csvDatei = args[++i];
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            try {
                saat = static_cast<std::uint32_t>(std::stoul(args[++i]));
            } catch (const std::exception&) {
                return aufruf();
            }
        } else if (bereich.empty() &&
                   (args[i] == "schule" || args[i] == "lehrer" || args[i] == "klassen" || args[i] == "schueler")) {
            bereich = args[i];
        } else {
            return aufruf();
        }
    }
    if (bereich.empty() || (mitNummer && bereich == "schule")) return aufruf();

    KonsolenMeldungen konsole(k.err, k.antwortJa);
    OhneBestaetigung m(konsole);
    Steuerung st(k.programmOrdner, m);
    st.Erstellen();
    st.Gezeigt();
    PlausiLauf& p = st.Plausi();
    if (saat) p.Saat(*saat);
    Datenbestand* d = &st.Daten();
    const TEinstellungen& e = st.Einstellungen();
    const Kataloge& kataloge = st.Katalogliste();
    const Fehlertexte& texte = st.Texte();

    // The areas the page that starts the run would have loaded, in its order.
    const auto laden = [&](std::initializer_list<Bereich> bereiche) {
        for (Bereich b : bereiche) st.Laden(b);
    };
    const PruefKontext kontext{e, kataloge, *d};
    // Kept as report files where asked for: a result listing or an area's grid.
    const auto berichte = [&](const auto& anzeige) {
        if (!htmlDatei && !csvDatei) return;
        const std::string schulnummer = Cp1252ToUtf8(e.Schulnummer.view()), datum = HeutigesDatum();
        if (htmlDatei) BerichtSchreiben(*htmlDatei, BerichtsFormat::Html, anzeige, schulnummer, datum, m);
        if (csvDatei) BerichtSchreiben(*csvDatei, BerichtsFormat::Csv, anzeige, schulnummer, datum, m);
    };
    // Printed as the window shows it.
    const auto ausgeben = [&] {
        const Ergebnisanzeige a = ErgebnisseAufbauen(p, texte);
        EinzelAusgeben(k, a, p.Alarmschwelle, json);
        berichte(a);
    };
    // One record by its number, or the run over all records with its grid.
    const auto einzelOderAlle = [&](auto& bereichsDaten, const std::string& fehlt, auto einzeln, auto alle,
                                    const char* liste) {
        if (mitNummer) {
            const std::string gesucht = Utf8ToCp1252(nummer);
            for (const auto& r : bereichsDaten.DB)
                if (BereichsArt<std::remove_cvref_t<decltype(r)>>::Nummer(r).view() == gesucht) {
                    einzeln(r);
                    ausgeben();
                    return p.AlarmSumme() == 0 ? kOk : kGefunden;
                }
            m.Fehler(fehlt + nummer + " gefunden!");
            return kFehlerGemeldet;
        }
        alle();
        const Gruppenanzeige g = GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, *d);
        GruppeAusgeben(k, g, liste, p.Alarmschwelle, json);
        berichte(g);
        long summe = 0;
        for (const auto& r : bereichsDaten.DB) summe += r.Warnungen + r.Fehler;
        return summe == 0 ? kOk : kGefunden;
    };
    int status;
    if (bereich == "klassen") {
        laden({Bereich::Lehrer, Bereich::Schule, Bereich::Klassen, Bereich::Schueler});
        status = einzelOderAlle(
            d->Klassen, "Keine Klasse mit dem Klassennamen ",
            [&](const TKlasseDS& kl) { KlassePruefungAusfuehren(p, kl, kontext, m, {}); },
            [&] { GrosseKlassenPlausiAusfuehren(p, *d, e, kataloge, m, {}); }, "classes");
    } else if (bereich == "schueler") {
        laden({Bereich::Schule, Bereich::Klassen, Bereich::Schueler});
        status = einzelOderAlle(
            d->Schueler, "Kein Schüler mit der Schülernummer ",
            [&](const TSchuelerDS& s) { SchuelerPruefungAusfuehren(p, s, kontext, m, {}); },
            [&] { GrosseSchuelerPlausiAusfuehren(p, *d, e, kataloge, m, {}); }, "students");
    } else if (bereich == "schule") {
        laden({Bereich::Lehrer, Bereich::Klassen, Bereich::Schule});
        PruefungAusfuehren(PruefKnopf::AlleSchuldaten, p, d->SchulDS, d->Lehrer.Puffer, kontext, m, {});
        ausgeben();
        status = p.AlarmSumme() == 0 ? kOk : kGefunden;
    } else {
        laden({Bereich::Lehrer, Bereich::Schule, Bereich::Klassen});
        if (mitNummer) {
            const std::string gesucht = Utf8ToCp1252(nummer);
            const TLehrerDS* lehrer = nullptr;
            for (const TLehrerDS& l : d->Lehrer.DB)
                if (!lehrer && l.Lehrernummer.view() == gesucht) lehrer = &l;
            if (!lehrer) {
                m.Fehler("Kein Lehrer mit der Lehrernummer " + nummer + " gefunden!");
                return kFehlerGemeldet;
            }
            PruefungAusfuehren(PruefKnopf::DiesenLehrer, p, d->SchulDS, *lehrer, kontext, m, {});
            ausgeben();
            status = p.AlarmSumme() == 0 ? kOk : kGefunden;
        } else {
            GrossePlausiAusfuehren(p, *d, st.Einstellungen(), kataloge, m, {});
            const Gruppenanzeige g = GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, *d);
            GruppeAusgeben(k, g, "teachers", p.Alarmschwelle, json);
            berichte(g);
            long summe = 0;
            for (const TLehrerDS& l : d->Lehrer.DB) summe += l.Warnungen + l.Fehler;
            status = summe == 0 ? kOk : kGefunden;
        }
    }
    return konsole.Fehleranzahl() > 0 ? kFehlerGemeldet : status;
}

} // namespace zev::cli
