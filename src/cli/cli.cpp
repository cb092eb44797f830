#include "cli/cli.h"

#include "cli/console_messages.h"
#include "io/program_folder.h"
#include "model/build_config.h"
#include "model/paths.h"

#include <functional>
#include <optional>
#include <string_view>

namespace zev::cli {

namespace {

struct Befehl {
    std::string_view name;
    std::string_view kurz;
    std::string_view hilfe;
    std::function<int(const Kontext&, const std::vector<std::string>&)> ausfuehren;
};

const std::vector<Befehl>& Befehle() {
    static const std::vector<Befehl> befehle = {
        {"dump", "eine Datei des ZEV-Managers als JSON ausgeben",
         "Aufruf: zev [--home ORDNER] dump DATEI\n"
         "\n"
         "Gibt eine Datei des ZEV-Managers als JSON aus: Schule.ZEV, Lehrer.ZEV,\n"
         "Klassen.ZEV, Schueler.ZEV (auch ihre .SIC-, .LS1- und .LS2-Kopien) oder\n"
         "ZEVEinstellungen.DAT. Die Art der Datei wird an ihrer Kennung oder Größe\n"
         "erkannt, nicht am Namen.\n",
         Dump},
        {"catalogues", "die Kataloge laden und auflisten, mit --check prüfen",
         "Aufruf: zev [--home ORDNER] catalogues [--check]\n"
         "\n"
         "Lädt jeden Katalog aus dem Programm-Ordner wie beim Programmstart und gibt je\n"
         "Katalog eine Zeile aus (Nummer, Datei, Titel, Zahl der Einträge); Meldungen\n"
         "des Ladens gehen auf die Standardfehlerausgabe. Mit --check werden auch\n"
         "Schlüssel gemeldet, die in einem Katalog doppelt vorkommen oder länger sind als\n"
         "das Datenfeld, das sie füllen. Rückgabewert 0, wenn nichts gemeldet wurde,\n"
         "sonst 1.\n",
         CatalogueList},
        {"export", "die XML-Dateien der Bereiche in den Export-Ordner schreiben",
         "Aufruf: zev [--home ORDNER] [--yes|--no] export [BEREICH...]\n"
         "\n"
         "BEREICH: schule, lehrer, klassen, schueler (ohne Angabe alle vier).\n"
         "Liest die Programm-Einstellungen, bestimmt die Ordner, lädt jeden Bereich aus\n"
         "der eingestellten Datenquelle und schreibt seine XML-Datei in den Export-Ordner,\n"
         "wie beim Verlassen seiner Seite im Programm. Gibt je geschriebener Datei ihren\n"
         "Pfad aus. Ein Bereich, der nicht geladen werden konnte, wird nicht exportiert;\n"
         "seine XML-Datei bleibt, wie sie ist. Rückgabewert 0, 3 nach einer\n"
         "Fehlermeldung, 2 bei falschem Aufruf.\n",
         Export},
        {"import", "die Bereiche aus ihren XML-Import-Dateien einlesen",
         "Aufruf: zev [--home ORDNER] [--yes|--no] [--wait SEK] import [BEREICH...] [--dry-run] [--json]\n"
         "\n"
         "BEREICH: schule, lehrer, klassen, schueler (ohne Angabe alle vier).\n"
         "Lädt jeden Bereich aus seiner internen Datei, importiert ihn aus den\n"
         "XML-Import-Dateien der Einstellungen (Reihenfolge 1 bis 3, bis zur ersten\n"
         "fehlenden Datei), gibt einen Bericht aus und schreibt die interne Datei\n"
         "(die vorige wird .SIC). Mit --dry-run wird nichts geschrieben. Fragen nach\n"
         "fremden Schulnummern beantworten --yes oder --no (Vorgabe). Der Bericht nennt\n"
         "je Datei die Zahlen und jeden Wert, der nicht so übernommen wurde, wie er in\n"
         "der Datei steht (gekürzt, ohne Platz, ungültig, ersetzt, doppelt), mit\n"
         "Datensatz, Element und Wert; --json gibt ihn als ein JSON-Objekt aus.\n"
         "Bis zum letzten Schreiben ist der Daten-Ordner für andere schreibende Programme\n"
         "gesperrt. Benutzt ihn gerade ein anderes (etwa zev-manager), wird nichts\n"
         "geschrieben; --wait SEK wartet bis zu SEK Sekunden darauf, dass er frei wird.\n"
         "Wurde eine Datei seit dem Laden von einem anderen Programm geändert, wird sie\n"
         "nicht überschrieben. Rückgabewert 0, 3 nach einer Fehlermeldung (auch: Ordner\n"
         "belegt, Datei geändert), 2 bei falschem Aufruf.\n",
         Import},
        {"check", "die Plausibilitätsprüfung der Schule, der Lehrer, Klassen oder Schüler",
         "Aufruf: zev [--home ORDNER] [--yes|--no] check schule|lehrer|klassen|schueler [--nr NUMMER] [--json]\n"
         "                                         [--seed N] [--html DATEI] [--csv DATEI]\n"
         "\n"
         "check schule   prüft alle Schuldaten (grosse PLAUSI der Schule)\n"
         "check lehrer   prüft alle Lehrer (grosse PLAUSI) und gibt die Übersicht aus\n"
         "check klassen  prüft alle Klassen und gibt die Übersicht aus\n"
         "check schueler prüft alle Schüler (grosse PLAUSI) und gibt die Übersicht aus\n"
         "  --nr N       prüft nur den ersten Lehrer mit der Lehrernummer N (die erste Klasse\n"
         "               mit dem Klassennamen N, den ersten Schüler mit der Schülernummer N)\n"
         "  --json       Ausgabe als ein JSON-Objekt\n"
         "  --seed N     Startwert für den Blindfehlertest\n"
         "  --html DATEI schreibt das Ergebnis zusätzlich als HTML-Bericht (zum Ansehen und Drucken)\n"
         "  --csv DATEI  schreibt die Einzel-Tests zusätzlich als CSV-Tabelle (UTF-8, \";\"-getrennt)\n"
         "               (ohne --nr bei lehrer, klassen, schueler: die Übersicht, eine Zeile je Datensatz)\n"
         "Ein Bericht ersetzt nur eine gewöhnliche Datei, die keine Datei des ZEV-Managers\n"
         "ist (*.ZEV, *.SIC, *.LS1, *.LS2, *.defekt, ZEVEinstellungen.DAT, Katalog*.csv).\n"
         "Die Frage nach Daten freier Träger beantworten --yes oder --no (Vorgabe).\n"
         "Rückgabewert 0, wenn die Prüfung bestanden ist, 1 wenn nicht, 2 bei falschem\n"
         "Aufruf, 3 nach einer Fehlermeldung.\n",
         Check},
        {"deliver", "alles prüfen und die Lieferung in einen neuen Ordner schreiben",
         "Aufruf: zev [--home ORDNER] deliver [ORDNER] [--force]\n"
         "\n"
         "Lädt die vier Bereiche aus der eingestellten Datenquelle, führt jede Prüfung\n"
         "aller Bereiche aus (jeder Bereich mit seiner Alarm-Schwelle), erzeugt die vier\n"
         "XML-Dateien neu und prüft jede gegen ihr XML-Schema. Dann entsteht der neue\n"
         "Ordner ORDNER/Lieferung-<Schulnummer>-<JJJJ-MM-TT> (gibt es ihn schon:\n"
         "-2, -3 ...) mit den vier XML-Dateien, Pruefbericht.html, Pruefbericht.csv\n"
         "(jeder Befund an oder über der Alarm-Schwelle seines Bereichs, je Bereich eine\n"
         "Zusammenfassung) und SHA256SUMS (prüfbar mit \"sha256sum -c SHA256SUMS\").\n"
         "Der Ordner entsteht ganz oder gar nicht. Ohne ORDNER: der Export-Ordner.\n"
         "Gibt es Befunde an oder über einer Alarm-Schwelle oder verletzt eine Datei ihr\n"
         "Schema, wird nichts geschrieben; --force schreibt die Lieferung trotzdem.\n"
         "Daten-Ordner, Export-Ordner und Datensätze bleiben, wie sie sind.\n"
         "Rückgabewert 0, wenn die Lieferung ohne Befund geschrieben wurde, 1 bei\n"
         "Befunden (mit --force dennoch geschrieben), 2 bei falschem Aufruf, 3 nach\n"
         "einer Fehlermeldung.\n",
         Deliver},
        {"demo", "eine Demo-Schule in den Daten-Ordner schreiben",
         "Aufruf: zev [--home ORDNER] [--wait SEK] demo [--force]\n"
         "\n"
         "Schreibt eine kleine Beispielschule aus den Katalogen in den Daten-Ordner der\n"
         "Einstellungen: die Schuldaten mit 40 UnterrichtsEinheiten, 25 Lehrer, 12 Klassen\n"
         "und 300 Schüler, mit der Schulnummer der Einstellungen. Die Daten entstehen aus\n"
         "einem festen Startwert und sind bei jedem Aufruf gleich. Einige Einträge sind\n"
         "absichtlich fehlerhaft, damit die Prüfungen etwas zu zeigen haben.\n"
         "Liegen im Daten-Ordner schon Daten (*.ZEV), wird nichts geschrieben; mit --force\n"
         "werden sie ersetzt, die bisherigen Dateien bleiben als .SIC erhalten. Gibt je\n"
         "geschriebener Datei ihren Pfad aus. Benutzt ein anderes Programm den\n"
         "Daten-Ordner, wird nichts geschrieben (--wait SEK wartet darauf).\n"
         "Rückgabewert 0, 3 nach einer Fehlermeldung (auch: Ordner belegt), 2 bei\n"
         "falschem Aufruf.\n",
         Demo},
        {"settings", "die Programm-Einstellungen zeigen oder ändern", SettingsHilfe(), Settings},
        {"school-year", "den Schuljahreswechsel planen, durchführen oder zurücknehmen",
         "Aufruf: zev [--home ORDNER] [--yes|--no] [--wait SEK] school-year --preview [--json]\n"
         "       zev school-year --apply [--repeaters NR,...] [--leavers NR,...] [--grade ALT=NEU ...]\n"
         "                               [--repeat-key SCHLÜSSEL] [--keep-teachers NR,...] [--json]\n"
         "       zev school-year --undo JAHR\n"
         "\n"
         "--preview zeigt den Plan des Schuljahreswechsels: welcher Jahrgang zu welchem wird\n"
         "(Katalog 25: zweistellige Jahrgänge rücken um eins auf, der höchste Jahrgang verlässt\n"
         "die Schule, andere bleiben und werden zum Entscheiden gelistet), die Schülerzahlen je\n"
         "Jahrgang vorher und nachher, umbenannte und entfernte Klassen, Lehrer mit Abgang und\n"
         "was geleert wird. --apply führt ihn durch: zuerst werden die vier .ZEV-Dateien und die\n"
         "Einstellungsdatei nach Daten/Schuljahre/JAHR/ kopiert und geprüft, dann werden alle\n"
         "neuen Dateien in einem Schritt geschrieben (die bisherigen werden .SIC) und das\n"
         "Berichtsjahr um eins erhöht.\n"
         "  --repeaters NR,...     diese Schüler (Schülernummern) wiederholen den Jahrgang\n"
         "  --leavers NR,...       diese Schüler verlassen die Schule\n"
         "  --grade ALT=NEU        Jahrgang ALT wird NEU (NEU leer oder -: verlässt die Schule)\n"
         "  --repeat-key SCHLÜSSEL Wiederholer-Schlüssel (Katalog 7, Vorgabe 01)\n"
         "  --keep-teachers NR,... diese Lehrer mit Abgang bleiben\n"
         "--undo JAHR holt das archivierte Schuljahr JAHR zurück; die jetzigen Dateien werden\n"
         ".SIC. Die Frage danach beantworten --yes oder --no (Vorgabe).\n"
         "Benutzt ein anderes Programm den Daten-Ordner, wird nichts geschrieben (--wait SEK).\n"
         "Rückgabewert 0, 3 nach einer Fehlermeldung (auch: nicht zurückgeholt), 2 bei\n"
         "falschem Aufruf.\n",
         SchoolYear},
    };
    return befehle;
}

void Uebersicht(std::ostream& o) {
    o << "Aufruf: zev [--home ORDNER] [--yes|--no] [--wait SEK] BEFEHL [ARGUMENTE...]\n"
         "\n"
         "Befehle:\n";
    for (const Befehl& b : Befehle()) o << "  " << b.name << std::string(12 - b.name.size(), ' ') << b.kurz << '\n';
    o << "\n"
         "Optionen (vor oder nach dem Befehl):\n"
         "  --home ORDNER  Programm-Ordner (Einstellungen, Kataloge); Vorgabe: der Ordner des\n"
         "                 Programms, wenn dort Kataloge liegen, sonst ~/.local/share/zev-manager\n"
         "  --yes, --no    Antwort auf Fragen (Vorgabe: --no)\n"
         "  --wait SEK     wartet bis zu SEK Sekunden, solange ein anderes Programm den\n"
         "                 Daten-Ordner (oder die Einstellungen) zum Schreiben benutzt;\n"
         "                 ohne --wait bricht ein schreibender Befehl dann sofort ab (3)\n"
         "  --help         diese Hilfe, nach einem Befehl die Hilfe des Befehls\n"
         "  --version      die Version des Programms ausgeben\n";
}

} // namespace

int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::string& programmOrdner, bool farbig) {
    const OrdnerSuche fest = [&](std::string&) { return programmOrdner; };
    return Ausfuehren(args, out, err, fest, farbig);
}

int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const OrdnerSuche& standardOrdner, bool farbig) {
    std::optional<std::string> home;
    bool ja = false;
    int warten = 0;
    bool hilfe = false;
    bool version = false;
    const Befehl* befehl = nullptr;
    std::vector<std::string> rest;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--home") {
            if (i + 1 >= args.size()) {
                err << "zev: --home braucht einen Ordner\n";
                return kBedienung;
            }
            home = args[++i];
        } else if (a.rfind("--home=", 0) == 0) {
            home = a.substr(7);
        } else if (a == "--wait" || a.rfind("--wait=", 0) == 0) {
            std::string wert;
            if (a == "--wait") {
                if (i + 1 >= args.size()) {
                    err << "zev: --wait braucht eine Zahl von Sekunden\n";
                    return kBedienung;
                }
                wert = args[++i];
            } else {
                wert = a.substr(7);
            }
            const bool ziffern =
                !wert.empty() && wert.size() <= 6 && wert.find_first_not_of("0123456789") == std::string::npos;
            if (!ziffern) {
                err << "zev: --wait braucht eine Zahl von Sekunden (0 bis 999999), nicht: " << wert << "\n";
                return kBedienung;
            }
            warten = std::stoi(wert);
        } else if (a == "--yes") {
            ja = true;
        } else if (a == "--no") {
            ja = false;
        } else if (a == "--help" || a == "-h") {
            hilfe = true;
        } else if (a == "--version") {
            version = true;
        } else if (!befehl && a.size() > 1 && a[0] == '-') {
            err << "zev: unbekannte Option: " << a << "\n";
            return kBedienung;
        } else if (!befehl) {
            for (const Befehl& b : Befehle())
                if (b.name == a) befehl = &b;
            if (!befehl) {
                err << "zev: unbekannter Befehl: " << a << "\n\n";
                Uebersicht(err);
                return kBedienung;
            }
        } else {
            rest.push_back(a);
        }
    }
    if (version) {
        out << "zev " << kVersion << '\n';
        return kOk;
    }
    if (!befehl) {
        Uebersicht(hilfe ? out : err);
        return hilfe ? kOk : kBedienung;
    }
    if (hilfe) {
        out << befehl->hilfe;
        return kOk;
    }
    // Only now, so that --home, --help and a wrong call never create the user's folder.
    if (!home) {
        std::string fehler;
        home = standardOrdner(fehler);
        if (!fehler.empty()) {
            KonsolenMeldungen(err, ja).Fehler(fehler);
            return kFehlerGemeldet;
        }
    }
    const Kontext k{io::AbsoluterOrdner(*home), ja, out, err, farbig, warten};
    return befehl->ausfuehren(k, rest);
}

} // namespace zev::cli
