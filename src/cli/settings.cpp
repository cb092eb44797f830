// `zev settings show [--json]` and `zev settings set NAME=WERT...`: the program's
// settings (ZEVEinstellungen.DAT of the program folder) without the dialog. A value
// is checked as the dialog's elements and its "OK" check it, then taken through the
// dialog's screen model and written as its "OK" writes.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "cli/record_json.h"
#include "io/file_io.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "pages/settings_form.h"
#include "storage/folders.h"
#include "storage/settings_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <set>

namespace zev::cli {

namespace {

constexpr const char* kAufruf = "Aufruf: zev [--home ORDNER] settings show [--json] | set NAME=WERT...\n";

// What a value is and so how it is checked.
enum class Art { Schulnummer, Ordner, ImportDatei, XmlName, Jahr, Auswahl, JaNein };

// One setting a user can see and set. The value is shown from the record and set
// through the dialog's form.
struct Feld {
    std::string name;
    Art art;
    std::string hilfeName; // the name as the help lists it
    std::string hilfe;     // what the value is (German)
    int anzahl = 0;        // Auswahl: the number of choices
    int bereich = 0;       // XmlName: the area 1..4
    OrdnerWahl wahl = OrdnerWahl::Daten;
    std::function<Json(const TEinstellungen&)> wert{};
    // The checked value into the form (and, for an import entry, the entry shown first).
    std::function<void(EinstellungsFormular&, TEinstellungen&, const std::string&)> setzen{};
};

template <std::size_t N> Json Text(const SText<N>& t) {
    return Cp1252ToUtf8(t.view());
}

constexpr const char* kJaNein = "1 oder ja, 0 oder nein";
constexpr const char* kSchwellenHilfe = "0 jede Warnung, 1 schwerwiegende Warnungen, 2 nur Fehler";
constexpr std::array<const char*, 4> kBereiche = {"Schule", "Lehrer", "Klassen", "Schueler"};

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// A yes/no value, already checked: "1" or "ja" in any case is yes.
bool Ja(const std::string& wert) {
    const std::string w = Klein(wert);
    return w == "1" || w == "ja";
}

Feld Schalter(std::string name, U16 TEinstellungen::*satz, bool EinstellungsFormular::*formular) {
    Feld f{name, Art::JaNein, name, kJaNein};
    f.wert = [satz](const TEinstellungen& e) { return Json((e.*satz).get()); };
    f.setzen = [formular](EinstellungsFormular& x, TEinstellungen&, const std::string& w) { x.*formular = Ja(w); };
    return f;
}

Feld Wahl(std::string name, std::string hilfe, int anzahl, U16 TEinstellungen::*satz,
          int EinstellungsFormular::*formular) {
    Feld f{name, Art::Auswahl, name, std::move(hilfe), anzahl};
    f.wert = [satz](const TEinstellungen& e) { return Json((e.*satz).get()); };
    f.setzen = [formular](EinstellungsFormular& x, TEinstellungen&, const std::string& w) {
        x.*formular = std::stoi(w);
    };
    return f;
}

// The settings in the order of the record. Left out: `ImportPfad` (it follows
// `DatenPfad`, as in the dialog), `AnsiAusgabe` (never shown, only carried) and the
// reserved fields.
const std::vector<Feld>& Felder() {
    static const std::vector<Feld> felder = [] {
        using F = EinstellungsFormular;
        using E = TEinstellungen;
        std::vector<Feld> v;

        Feld nr{"Schulnummer", Art::Schulnummer, "Schulnummer", "1 bis 10 Ziffern"};
        nr.wert = [](const E& e) { return Text(e.Schulnummer); };
        nr.setzen = [](F& f, E&, const std::string& w) { f.Schulnummer = w; };
        v.push_back(nr);

        Feld daten{"DatenPfad", Art::Ordner, "DatenPfad", "Daten-Ordner (die *.ZEV-Dateien)"};
        daten.wert = [](const E& e) { return Text(e.DatenPfad); };
        daten.setzen = [](F& f, E&, const std::string& w) { f.DatenPfad = w; };
        v.push_back(daten);

        Feld exp{"ExportPfad", Art::Ordner, "ExportPfad", "Export-Ordner (die XML-Export-Dateien)"};
        exp.wahl = OrdnerWahl::Export;
        exp.wert = [](const E& e) { return Text(e.ExportPfad); };
        exp.setzen = [](F& f, E&, const std::string& w) { f.ExportPfad = w; };
        v.push_back(exp);

        for (int a = ImportSchule; a <= ImportSchueler; ++a) {
            Feld x{std::string("XMLDatei") + kBereiche[a - 1], Art::XmlName, "",
                   "Name der XML-Export-Datei (\".XML\" wird ergänzt; leer: der Standard-Name)"};
            x.hilfeName = x.name;
            x.bereich = a;
            x.wert = [a](const E& e) { return Text(XMLDateiName(e, a)); };
            x.setzen = [a](F& f, E&, const std::string& w) { f.XMLDateien[a - 1] = w; };
            v.push_back(x);
        }

        v.push_back(Wahl("Datenquelle", "0 externe XML-Dateien, 1 interne ZEV-Dateien, 2 direkter Datenbank-Zugriff",
                         kDatenquellen, &E::Datenquelle, &F::Datenquelle));
        v.push_back(Schalter("ZwischenablageInfo", &E::ZwischenablageInfo, &F::ZwischenablageInfo));
        v.push_back(Wahl("XMLLayout",
                         "0 voll expandiert, 1 Zeilenumbruch nach Element, 2 ohne Zeilenumbruch und Einrückungen, "
                         "3 Reserve",
                         kXmlLayouts, &E::XMLLayout, &F::XMLLayout));
        v.push_back(Schalter("UELoeschenOhneFrage", &E::UELoeschenOhneFrage, &F::UELoeschenOhneFrage));
        v.push_back(Schalter("StartSicherung", &E::StartSicherung, &F::StartSicherung));
        v.push_back(Schalter("VorgaengerAlsVorlage", &E::VorgaengerAlsVorlage, &F::VorgaengerAlsVorlage));
        v.push_back(Schalter("WeiterfuehrendeSchule", &E::WeiterfuehrendeSchule, &F::WeiterfuehrendeSchule));
        v.push_back(Wahl("Dateizugriff", "0 nur LESEN, 1 LESEN und SCHREIBEN", kDateizugriffe, &E::Dateizugriff,
                         &F::Dateizugriff));
        v.push_back(Schalter("FreierTraeger", &E::FreierTraeger, &F::FreierTraeger));

        for (int a = ImportSchule; a <= ImportSchueler; ++a) {
            for (int n = 1; n <= 3; ++n) {
                const std::string name = std::string("Import.") + kBereiche[a - 1] + "." + std::to_string(n) + ".";
                Feld datei{name + "Datei", Art::ImportDatei, "Import.BEREICH.N.Datei",
                           "XML-Import-Datei des Bereichs (Schule, Lehrer, Klassen, Schueler) an der Stelle N der "
                           "Reihenfolge (1 bis 3); leer: keine"};
                datei.wert = [a, n](const E& e) { return Text(e.XMLImport[a][n].Datei); };
                datei.setzen = [a, n](F& f, E& e, const std::string& w) {
                    ImportEintragWechseln(f, e, a, n);
                    f.ImportDatei = w;
                };
                v.push_back(datei);

                Feld saetze{name + "Datensaetze", Art::Auswahl, "Import.BEREICH.N.Datensaetze",
                            "0 überschreiben, 1 anhängen", kImportDatensaetzeArten};
                saetze.wert = [a, n](const E& e) { return Json(e.XMLImport[a][n].Datensaetze.get()); };
                saetze.setzen = [a, n](F& f, E& e, const std::string& w) {
                    ImportEintragWechseln(f, e, a, n);
                    f.ImportDatensaetze = std::stoi(w);
                };
                v.push_back(saetze);

                Feld einzeln{name + "Einzelfelder", Art::Auswahl, "Import.BEREICH.N.Einzelfelder",
                             "0 alle überschreiben, 1 neuere (lt. Reihenfolge) übernehmen, 2 nur fehlende ergänzen",
                             kImportEinzelfelderArten};
                einzeln.wert = [a, n](const E& e) { return Json(e.XMLImport[a][n].Einzelfelder.get()); };
                einzeln.setzen = [a, n](F& f, E& e, const std::string& w) {
                    ImportEintragWechseln(f, e, a, n);
                    f.ImportEinzelfelder = std::stoi(w);
                };
                v.push_back(einzeln);
            }
        }

        v.push_back(Schalter("AlleTestsZeigen", &E::AlleTestsZeigen, &F::AlleTestsZeigen));

        const std::vector<std::string> jahre = BerichtsjahrAuswahl(AktuellesJahr());
        Feld jahr{"Berichtsjahr", Art::Jahr, "Berichtsjahr",
                  "ein Jahr der Liste des Dialogs: " + jahre.front() + " bis " + jahre.back() +
                      " (bis zum nächsten Jahr)"};
        jahr.wert = [](const E& e) { return Text(e.Berichtsjahr); };
        jahr.setzen = [](F& f, E&, const std::string& w) { f.Berichtsjahr = w; };
        v.push_back(jahr);

        v.push_back(Wahl("SchwelleSchule", kSchwellenHilfe, kSchwellen, &E::SchwelleSchule, &F::SchwelleSchule));
        v.push_back(Wahl("SchwelleLehrer", kSchwellenHilfe, kSchwellen, &E::SchwelleLehrer, &F::SchwelleLehrer));
        v.push_back(Wahl("SchwelleKlassen", kSchwellenHilfe, kSchwellen, &E::SchwelleKlassen, &F::SchwelleKlassen));
        v.push_back(Wahl("SchwelleSchueler", kSchwellenHilfe, kSchwellen, &E::SchwelleSchueler, &F::SchwelleSchueler));
        v.push_back(Wahl("UEInfoReihenfolge",
                         "0 ZEV-Struktur (Schulart, Jahrg., Fach, Klasse, ...), 1 schul-logisch (Fach, Klasse, "
                         "Lehrer, Stunden, ...), 2 und 3 Reserve",
                         kUEInfoReihenfolgen, &E::UEInfoReihenfolge, &F::UEInfoReihenfolge));
        return v;
    }();
    return felder;
}

const Feld* Suchen(std::string_view name) {
    for (const Feld& f : Felder())
        if (f.name == name) return &f;
    return nullptr;
}

// A name that differs only in upper and lower case, for the message.
const Feld* Aehnlich(std::string_view name) {
    for (const Feld& f : Felder())
        if (Klein(f.name) == Klein(name)) return &f;
    return nullptr;
}

// A message of the core with its "\r" line breaks as lines.
std::string Zeilen(std::string_view text) {
    std::string s(text);
    std::replace(s.begin(), s.end(), '\r', '\n');
    return s;
}

// Collects the messages of a check instead of showing them.
class Sammler final : public Meldungen {
public:
    Antwort Zeigen(MeldungsArt, std::string_view text, Tasten tasten) override {
        texte.emplace_back(text);
        return tasten == Tasten::Ok ? Antwort::Ok : Antwort::Nein;
    }
    std::vector<std::string> texte;
};

bool HatSteuerzeichen(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool NurZiffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

constexpr const char* kSteuerzeichen = "Der Wert enthält Steuerzeichen.";

// An argument as a message repeats it: a control character as \xNN, so that none
// reaches the terminal.
std::string Sichtbar(std::string_view s) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string r;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b != 0x7F)
            r += c;
        else
            r += std::string("\\x") + kHex[b >> 4] + kHex[b & 0xF];
    }
    return r;
}

// Why a value cannot be taken ("" when it can): what the dialog's elements let
// through and what its "OK" accepts, and that the record can hold it as it is.
std::string Pruefen(const Feld& f, const std::string& w) {
    switch (f.art) {
        case Art::Schulnummer:
            return SchulnummerGueltig(w) ? "" : kSchulnummerRegel;
        case Art::Ordner:
            if (HatSteuerzeichen(w)) return kSteuerzeichen;
            if (w.empty() || w.front() != '/')
                return "Der Ordner wird mit vollständigem Pfad angegeben (beginnend mit \"/\").";
            if (const std::string p = OrdnerNichtSpeicherbar(w, f.wahl); !p.empty())
                return Zeilen(MeldungPfadNichtSpeicherbar(p));
            return "";
        case Art::ImportDatei:
            if (w.empty()) return "";
            if (HatSteuerzeichen(w)) return kSteuerzeichen;
            if (w.front() != '/')
                return "Die Datei wird mit vollständigem Pfad angegeben (beginnend mit \"/\"); ein leerer Wert "
                       "heißt: keine Datei.";
            if (!PfadSpeicherbar(w)) return Zeilen(MeldungPfadNichtSpeicherbar(w));
            return "";
        case Art::XmlName: {
            if (HatSteuerzeichen(w)) return kSteuerzeichen;
            if (!TextSpeicherbar(w, std::string::npos))
                return "Der Dateiname enthält Zeichen, die es im Windows-Zeichensatz 1252 nicht gibt.";
            Sammler m;
            const std::string name = XmlDateinameUebernehmen(w, f.bereich, m);
            if (!m.texte.empty()) return Zeilen(m.texte.front());
            if (name.size() > s80::Kapazitaet)
                return "Der Dateiname hat mit \".XML\" mehr als " + std::to_string(s80::Kapazitaet) + " Zeichen.";
            return "";
        }
        case Art::Jahr: {
            const std::vector<std::string> jahre = BerichtsjahrAuswahl(AktuellesJahr());
            if (std::find(jahre.begin(), jahre.end(), w) != jahre.end()) return "";
            return "Das Berichtsjahr ist ein Jahr von " + jahre.front() + " bis " + jahre.back() + ".";
        }
        case Art::Auswahl:
            if (NurZiffern(w) && w.size() <= 4 && std::stoi(w) < f.anzahl) return "";
            return "Möglich sind: " + f.hilfe + ".";
        case Art::JaNein: {
            const std::string k = Klein(w);
            if (k == "0" || k == "1" || k == "ja" || k == "nein") return "";
            return std::string("Möglich sind: ") + kJaNein + ".";
        }
    }
    return "";
}

std::string Anzeige(const Json& j) {
    return j.is_string() ? j.get<std::string>() : j.dump();
}

std::string Dateipfad(const Kontext& k) {
    return PfadVon(k.programmOrdner, kEinstellungenDatei);
}

// The settings as the program would use them for this program folder: its file,
// or the defaults when there is none. False after a reported read error.
bool Lesen(const Kontext& k, TEinstellungen& e, KonsolenMeldungen& m) {
    // Only the program folder's file: it is the one `set` writes.
    EinstellungenLesen(e, k.programmOrdner, k.programmOrdner, m);
    return m.Fehleranzahl() == 0;
}

int Zeigen(const Kontext& k, bool json) {
    KonsolenMeldungen m(k.err, k.antwortJa);
    TEinstellungen e;
    if (!Lesen(k, e, m)) {
        k.err << "zev settings: keine Ausgabe; die Einstellungsdatei bleibt, wie sie ist.\n";
        return kFehlerGemeldet;
    }
    if (!io::Existiert(Dateipfad(k)))
        m.Information("Die Einstellungsdatei:\r" + Dateipfad(k) +
                      "\rgibt es noch nicht. Gezeigt werden die Standard-Einstellungen\rfür diesen Programm-Ordner "
                      "(zev settings set legt die Datei an).");
    if (json) {
        Json j = Json::object();
        for (const Feld& f : Felder()) j[f.name] = f.wert(e);
        k.out << j.dump(2) << '\n';
    } else {
        for (const Feld& f : Felder()) k.out << f.name << '=' << Anzeige(f.wert(e)) << '\n';
    }
    return kOk;
}

int Setzen(const Kontext& k, const std::vector<std::string>& args) {
    if (args.empty()) {
        k.err << kAufruf;
        return kBedienung;
    }
    // Every argument is checked before anything is read or written.
    std::vector<std::pair<const Feld*, std::string>> werte;
    std::set<std::string> genannt;
    bool falsch = false;
    for (const std::string& a : args) {
        const std::size_t gleich = a.find('=');
        if (gleich == std::string::npos) {
            k.err << "zev settings: " << Sichtbar(a) << ": es fehlt \"=\" (NAME=WERT)\n";
            falsch = true;
            continue;
        }
        const std::string name = a.substr(0, gleich), wert = a.substr(gleich + 1);
        const Feld* f = Suchen(name);
        if (!f) {
            k.err << "zev settings: unbekannte Einstellung: " << Sichtbar(name) << " (in " << Sichtbar(a) << ")";
            if (const Feld* g = Aehnlich(name)) k.err << "; gemeint ist wohl " << g->name;
            k.err << "\nDie Namen zeigt: zev settings show\n";
            falsch = true;
            continue;
        }
        if (!genannt.insert(name).second) {
            k.err << "zev settings: " << name << " ist mehrfach angegeben (" << Sichtbar(a) << ")\n";
            falsch = true;
            continue;
        }
        if (const std::string grund = Pruefen(*f, wert); !grund.empty()) {
            k.err << "zev settings: " << name << "=" << Sichtbar(wert) << " wird nicht übernommen:\n" << grund << '\n';
            falsch = true;
            continue;
        }
        werte.emplace_back(f, wert);
    }
    if (falsch) {
        k.err << "zev settings: nichts geschrieben.\n";
        return kBedienung;
    }

    KonsolenMeldungen m(k.err, k.antwortJa);
    // Held from the read to the write, so no other writer's change is undone.
    io::Dateisperre sperre;
    if (!EinstellungenSperren(sperre, k.programmOrdner, kProgrammName, k.warteSekunden, m)) return kFehlerGemeldet;
    io::Dateistand stand = EinstellungsStand(k.programmOrdner);
    TEinstellungen e;
    if (!Lesen(k, e, m)) {
        k.err << "zev settings: nichts geschrieben; die Einstellungsdatei bleibt, wie sie ist.\n";
        return kFehlerGemeldet;
    }
    // As the dialog: shown, the values entered, "OK".
    EinstellungsFormular formular = FormularAnlegen(k.programmOrdner);
    formular.Stand = &stand;
    FormularAnzeigen(formular, e);
    for (const auto& [f, wert] : werte) f->setzen(formular, e, wert);
    if (!FormularOk(formular, e, m)) return kFehlerGemeldet;
    // The values as stored (a folder with its separator, a file name with ".XML").
    for (const auto& [f, wert] : werte) k.out << f->name << '=' << Anzeige(f->wert(e)) << '\n';
    return m.Fehleranzahl() > 0 ? kFehlerGemeldet : kOk;
}

// The width of a UTF-8 text in characters.
std::size_t Breite(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Appends `text` from column `spalte` on, broken after `trenner` (" " or ", ") so
// that lines end before column 80, each further line indented to `einzug`.
void Umbrechen(std::string& out, std::size_t spalte, std::size_t einzug, std::string_view text,
               std::string_view trenner = " ") {
    constexpr std::size_t kBreite = 79;
    bool anfang = true;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t fund = text.find(trenner, pos);
        std::size_t weiter = fund == std::string_view::npos ? text.size() : fund + trenner.size();
        // A ", " keeps its comma with the word before it.
        const std::size_t ende = fund == std::string_view::npos ? text.size() : fund + trenner.size() - 1;
        const std::string_view wort = text.substr(pos, ende - pos);
        if (!anfang && spalte + 1 + Breite(wort) > kBreite) {
            out += '\n';
            out.append(einzug, ' ');
            spalte = einzug;
            anfang = true;
        }
        if (!anfang) out += ' ', ++spalte;
        out += wort;
        spalte += Breite(wort);
        anfang = false;
        pos = weiter;
    }
    out += '\n';
}

} // namespace

const std::string& SettingsHilfe() {
    static const std::string hilfe = [] {
        std::string h = std::string(kAufruf) +
                        "\n"
                        "Zeigt oder ändert die Programm-Einstellungen (ZEVEinstellungen.DAT im\n"
                        "Programm-Ordner), etwa um einen Programm-Ordner ohne Bildschirm einzurichten.\n"
                        "\n"
                        "settings show   gibt jede Einstellung als Zeile NAME=WERT aus (UTF-8); gibt es\n"
                        "                die Datei noch nicht, die Standard-Einstellungen des Ordners\n"
                        "  --json        Ausgabe als ein JSON-Objekt (Texte als Zeichenketten, sonst\n"
                        "                Zahlen)\n"
                        "settings set    ändert die genannten Einstellungen mit den Prüfungen des\n"
                        "                Einstellungs-Dialogs, schreibt die Datei wie dessen \"OK\" und\n"
                        "                gibt die gespeicherten Werte aus. Ist ein Argument falsch, wird\n"
                        "                nichts geschrieben.\n"
                        "\n"
                        "NAME und WERT:\n";
        // Settings with the same description share a line; an import entry stands
        // for all twelve.
        std::vector<std::pair<std::string, std::vector<std::string>>> zeilen;
        for (const Feld& f : Felder()) {
            auto it = std::find_if(zeilen.begin(), zeilen.end(), [&](const auto& z) { return z.first == f.hilfe; });
            if (it == zeilen.end()) it = zeilen.insert(zeilen.end(), {f.hilfe, {}});
            if (std::find(it->second.begin(), it->second.end(), f.hilfeName) == it->second.end())
                it->second.push_back(f.hilfeName);
        }
        constexpr std::size_t kSpalte = 33;
        for (const auto& [text, namen] : zeilen) {
            std::string liste;
            for (const std::string& n : namen) liste += (liste.empty() ? "" : ", ") + n;
            h += "  ";
            if (liste.size() + 2 < kSpalte) {
                h += liste;
                h.append(kSpalte - 2 - liste.size(), ' ');
            } else {
                Umbrechen(h, 2, 2, liste, ", ");
                h.append(kSpalte, ' ');
            }
            Umbrechen(h, kSpalte, kSpalte, text);
        }
        h += "\n"
             "Ordner und Dateien werden mit vollständigem Pfad angegeben (höchstens 250\n"
             "Zeichen, alle aus dem Windows-Zeichensatz 1252); ein Ordner bekommt sein \"/\"\n"
             "am Ende. Der Import-Ordner folgt dem DatenPfad (DatenPfad/Import/); ExportPfad\n"
             "und die Import-Dateien bleiben dabei, wie sie sind. Alle Namen mit ihren Werten\n"
             "zeigt zev settings show.\n"
             "Rückgabewert 0, 2 bei falschem Aufruf oder unzulässigem Wert (dann wird nichts\n"
             "geschrieben), 3 nach einer Fehlermeldung.\n";
        return h;
    }();
    return hilfe;
}

int Settings(const Kontext& k, const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "show") {
        if (args.size() == 1) return Zeigen(k, false);
        if (args.size() == 2 && args[1] == "--json") return Zeigen(k, true);
    } else if (!args.empty() && args[0] == "set") {
        return Setzen(k, std::vector<std::string>(args.begin() + 1, args.end()));
    }
    k.err << kAufruf;
    return kBedienung;
}

} // namespace zev::cli
