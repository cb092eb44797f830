#include "control/delivery.h"

#include "io/file_io.h"
#include "io/sha256.h"
#include "model/encoding.h"
#include "plausi/all_checks.h"
#include "xml/export_trees.h"
#include "xml/schema_check.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace zev {

Kalendertag Heute() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

namespace {

std::string Zweistellig(int n) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

std::string Befunde(const Pruefbericht& b) {
    std::string t = std::to_string(b.Warnungen()) + " Warnung(en) und " + std::to_string(b.Fehler()) +
                    " Fehler an oder über den Alarmschwellen";
    if (const int s = b.Schemafehler(); s > 0)
        t += ";\r" + std::to_string(s) + (s == 1 ? " XML-Datei entspricht" : " XML-Dateien entsprechen") +
             " nicht ihrem XML-Schema";
    return t;
}

struct Datei {
    std::string name;
    std::string inhalt;
};

} // namespace

std::string LieferOrdnerName(std::string_view schulnummer, Kalendertag tag) {
    std::string nr;
    for (char c : schulnummer) {
        const bool gut = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
        nr += gut ? c : '_';
    }
    return "Lieferung-" + nr + "-" + std::to_string(tag.jahr) + "-" + Zweistellig(tag.monat) + "-" +
           Zweistellig(tag.tag);
}

std::string LieferFrage(const Pruefbericht& b) {
    return "Die Prüfung der Lieferung fand " + Befunde(b) + ".\r\r" + PruefberichtKurz(b) +
           "\r\rWollen Sie die Lieferung trotzdem erstellen?";
}

std::string LieferVerweigerung(const Pruefbericht& b) {
    return "Die Prüfung der Lieferung fand " + Befunde(b) + ".\rEs wurde KEINE Lieferung geschrieben.";
}

std::string LieferMeldung(const LieferAusgang& a) {
    return "Die Lieferung wurde geschrieben in den Ordner:\r" + a.ordner + "\r\r" + PruefberichtKurz(a.bericht);
}

LieferAusgang LieferungErstellen(Steuerung& st, Meldungen& m, const std::string& ordner,
                                 const std::function<bool(const Pruefbericht&)>& trotzdem, Kalendertag tag) {
    LieferAusgang a;
    st.OffeneSeiteEinholen();
    for (Bereich b : kAlleBereiche) {
        if (st.AusliefernBereit(b)) continue;
        const std::string_view wort = MitBereich(b, []<class A>(A) { return A::kDatenwort; });
        m.Fehler("Die " + std::string(wort) + " konnten nicht geladen werden!\rEs wird KEINE Lieferung geschrieben.");
        a.stand = LieferStand::NichtGeladen;
        return a;
    }
    const Datenbestand& d = st.Daten();
    const TEinstellungen& e = st.Einstellungen();

    // The four files as the export writes them, under the names the settings give.
    std::vector<Datei> dateien;
    for (Bereich b : kAlleBereiche) {
        const int nr = static_cast<int>(b);
        const std::string pfad = XmlExportPfad(e, nr, "");
        const std::string name = pfad.substr(pfad.find_last_of('/') + 1);
        const std::string kommentar = Utf8ToCp1252(name);
        std::string xml = b == Bereich::Schule    ? SchulXml(d.SchulDS, e, kommentar)
                          : b == Bereich::Lehrer  ? LehrerXml(d.Lehrer.DB, e, kommentar)
                          : b == Bereich::Klassen ? KlassenXml(d.Klassen.DB, e, kommentar)
                                                  : SchuelerXml(d.Schueler.DB, e, kommentar);
        SchemaErgebnis s = SchemaPruefen(xml, name, nr);
        a.bericht.dateien.push_back({name, std::string(SchemaName(nr)), s.gueltig, std::move(s.fehler)});
        dateien.push_back({name, std::move(xml)});
    }

    a.bericht.schulnummer = Cp1252ToUtf8(e.Schulnummer.view());
    a.bericht.berichtsjahr = Cp1252ToUtf8(e.Berichtsjahr.view());
    a.bericht.datum = Zweistellig(tag.tag) + "." + Zweistellig(tag.monat) + "." + std::to_string(tag.jahr);
    a.bericht.bereiche = AlleBereichePruefen(st.Plausi(), d, e, st.Katalogliste(), st.Texte());
    if (a.Beanstandet() && !trotzdem(a.bericht)) {
        a.stand = LieferStand::Verweigert;
        return a;
    }

    std::string summen;
    for (const Datei& x : dateien) summen += io::Sha256Hex(x.inhalt) + "  " + x.name + "\n";
    dateien.push_back({"Pruefbericht.html", PruefberichtHtml(a.bericht)});
    dateien.push_back({"Pruefbericht.csv", PruefberichtCsv(a.bericht)});
    dateien.push_back({"SHA256SUMS", std::move(summen)});
    std::vector<io::OrdnerDatei> liste;
    for (const Datei& x : dateien) liste.push_back({x.name, x.inhalt});
    std::string fehler;
    const auto geschrieben = io::OrdnerSchreiben(ordner, LieferOrdnerName(e.Schulnummer.view(), tag), liste, fehler);
    if (!geschrieben) {
        m.Fehler("Die Lieferung konnte nicht geschrieben werden:\r" + fehler +
                 "\r\rEs wurde KEINE Lieferung geschrieben.");
        a.stand = LieferStand::Fehlgeschlagen;
        return a;
    }
    a.ordner = *geschrieben;
    a.stand = LieferStand::Geschrieben;
    return a;
}

} // namespace zev
