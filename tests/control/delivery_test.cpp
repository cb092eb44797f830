// The delivery over the demonstration school: every check of every area, refused
// while something is found, forced, never over an existing folder, and complete
// for a clean copy, with checksums that sha256sum accepts and files that xmllint
// validates. Nothing in the data folder and no record changes.
#include "control/delivery.h"
#include "control/demo_school.h"
#include "plausi/group_check.h"
#include "support/page_controller.h"
#include "support/xmllint.h"
#include "xml/export_trees.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zev {
namespace {

using test::Inhalt;
using Namen = std::vector<std::string>;

constexpr Kalendertag kTag{2026, 3, 9};
const Namen kDateien = {"Klassen.XML", "Lehrer.XML",   "Pruefbericht.csv", "Pruefbericht.html",
                        "SHA256SUMS",  "Schueler.XML", "Schule.XML"};

std::string Ausgabe(const std::string& befehl, int& status) {
    FILE* p = ::popen(befehl.c_str(), "r");
    std::string s;
    char puffer[512];
    while (p && std::fgets(puffer, sizeof puffer, p)) s += puffer;
    status = p ? ::pclose(p) : -1;
    return s;
}

std::string Lesen(const std::string& pfad) {
    const auto b = test::DateiBytes(pfad);
    return {b.begin(), b.end()};
}

class Lieferung : public ::testing::Test {
protected:
    void SetUp() override {
        test::KatalogeKopieren(prog);
        st = std::make_unique<Steuerung>(prog.Pfad(), m);
        st->Erstellen();
        TEinstellungen& e = st->Einstellungen();
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        st->Gezeigt();
        DemoSchuleErzeugen(st->Daten(), st->Katalogliste(), e, kDemoSaat);
        vorher = Inhalt(prog.Pfad());
    }

    // The demonstration school without its deliberate faults.
    void Bereinigen() {
        TSchuleDS& s = st->Daten().SchulDS;
        s.Nichteinschulung[1].Art = "";
        s.Unterrichtseinheit[39].Stunden = "2";
        s.Unterrichtseinheit[40].Klasse = "11a";
        for (TLehrerDS& l : st->Daten().Lehrer.DB)
            if (l.Sonstiges.Klassenleiter.str() == "11b") l.Sonstiges.Klassenleiter = "";
        for (TKlasseDS& k : st->Daten().Klassen.DB)
            if (k.Klassenbesonderheit[2] == k.Klassenbesonderheit[1]) k.Klassenbesonderheit[2] = "";
        for (TSchuelerDS& r : st->Daten().Schueler.DB) {
            if (r.Foerderbedarf.Bedarf.empty()) r.Foerderbedarf.Tatsaechlich = "";
            const std::string geboren = r.Grunddaten.Geburtsdatum.str();
            if (geboren.starts_with("31.04.")) r.Grunddaten.Geburtsdatum = "30.04." + geboren.substr(6);
        }
    }

    LieferAusgang Liefern(bool trotzdem) {
        return LieferungErstellen(
            *st, m, aus.Pfad(),
            [&](const Pruefbericht& b) {
                gefragt.push_back(LieferFrage(b));
                return trotzdem;
            },
            kTag);
    }

    // The folder holds every file, sha256sum accepts the list and xmllint each XML file.
    void Vollstaendig(const std::string& ordner) {
        EXPECT_EQ(Inhalt(ordner), kDateien);
        int status = -1;
        EXPECT_EQ(Ausgabe("cd '" + ordner + "' && sha256sum -c SHA256SUMS 2>&1", status),
                  "Schule.XML: OK\nLehrer.XML: OK\nKlassen.XML: OK\nSchueler.XML: OK\n");
        EXPECT_EQ(status, 0);
        for (const char* a : {"Schule", "Lehrer", "Klassen", "Schueler"}) {
            const auto [ok, text] = test::SchemaGueltig(std::string(a) + ".xsd", ordner + "/" + a + ".XML");
            EXPECT_TRUE(ok) << text;
        }
        // The data and export folders are as they were.
        EXPECT_EQ(Inhalt(prog.Pfad()), vorher);
    }

    test::TempOrdner prog, aus;
    test::SkriptMeldungen m;
    std::unique_ptr<Steuerung> st;
    Namen vorher;
    std::vector<std::string> gefragt;
};

TEST_F(Lieferung, ChecksEveryAreaAtItsThresholdAndLeavesTheRecordsAlone) {
    TEinstellungen& e = st->Einstellungen();
    for (TLehrerDS& l : st->Daten().Lehrer.DB) l.Warnungen = 7, l.Fehler = 9;
    const std::vector<TLehrerDS> lehrer = st->Daten().Lehrer.DB;
    struct Fall {
        int schwelle;
        std::array<int, 4> zahlen; // school warnings, errors; teachers warnings, errors
    } faelle[] = {{0, {2, 1, 1, 0}}, {1, {1, 1, 0, 0}}, {2, {0, 1, 0, 0}}};
    for (const Fall& f : faelle) {
        e.SchwelleSchule = e.SchwelleLehrer = static_cast<std::uint16_t>(f.schwelle);
        const auto r = AlleBereichePruefen(st->Plausi(), st->Daten(), e, st->Katalogliste(), st->Texte());
        ASSERT_EQ(r.size(), 4u);
        EXPECT_EQ(r[0].bereich, "Schule");
        EXPECT_EQ(r[1].bereich, "Lehrer");
        EXPECT_EQ(r[2].bereich, "Klassen");
        EXPECT_EQ(r[3].bereich, "Schüler");
        EXPECT_EQ(r[2].datensaetze, 12u);
        EXPECT_EQ(r[3].datensaetze, 300u);
        EXPECT_EQ((std::array{r[0].warnungen, r[0].fehler, r[1].warnungen, r[1].fehler}), f.zahlen) << f.schwelle;
        EXPECT_EQ(r[0].datensaetze, 1u);
        EXPECT_EQ(r[1].datensaetze, 25u);
        EXPECT_EQ(r[0].schwelle, f.schwelle);
        EXPECT_EQ(r[0].befunde.size() + r[1].befunde.size(),
                  static_cast<std::size_t>(f.zahlen[0] + f.zahlen[1] + f.zahlen[2] + f.zahlen[3]));
    }
    EXPECT_EQ(std::memcmp(lehrer.data(), st->Daten().Lehrer.DB.data(), lehrer.size() * sizeof(TLehrerDS)), 0);

    // Every threshold: the findings of each teacher are what the group run counts for him.
    for (int schwelle = 0; schwelle <= 2; ++schwelle) {
        e.SchwelleLehrer = static_cast<std::uint16_t>(schwelle);
        const auto r = AlleBereichePruefen(st->Plausi(), st->Daten(), e, st->Katalogliste(), st->Texte());
        auto d = std::make_unique<Datenbestand>(st->Daten());
        PlausiLauf p;
        p.Alarmschwelle = static_cast<std::uint16_t>(schwelle);
        PlausiZaehlerLoeschen(*d, p);
        AlleLehrerPruefen(p, *d, false, e, st->Katalogliste());
        for (const TLehrerDS& l : d->Lehrer.DB) {
            int w = 0, f = 0;
            for (const Befund& b : r[1].befunde)
                if (b.datensatz == l.Lehrernummer.str()) (b.code >= 4 ? f : w) += 1;
            EXPECT_EQ(w, l.Warnungen.get()) << l.Lehrernummer.str() << " " << schwelle;
            EXPECT_EQ(f, l.Fehler.get()) << l.Lehrernummer.str() << " " << schwelle;
        }
    }
}

TEST_F(Lieferung, FindingsAskAndANoWritesNothing) {
    const LieferAusgang a = Liefern(false);
    EXPECT_EQ(a.stand, LieferStand::Verweigert);
    EXPECT_EQ(Inhalt(aus.Pfad()), Namen{});
    EXPECT_EQ(Inhalt(prog.Pfad()), vorher);
    ASSERT_EQ(gefragt.size(), 1u);
    EXPECT_EQ(gefragt[0],
              "Die Prüfung der Lieferung fand 14 Warnung(en) und 3 Fehler an oder über den Alarmschwellen.\r\r"
              "Schulnummer: 12345   Berichtsjahr: 2025   Datum: 09.03.2026\r"
              "Schule: 1 Datensatz geprüft (ab Warnungen): 2 Warnung(en), 1 Fehler\r"
              "Lehrer: 25 Datensätze geprüft (ab Warnungen): 1 Warnung(en), 0 Fehler\r"
              "Klassen: 12 Datensätze geprüft (ab Warnungen): 1 Warnung(en), 0 Fehler\r"
              "Schüler: 300 Datensätze geprüft (ab Warnungen): 10 Warnung(en), 2 Fehler\r"
              "Schule.XML: gültig nach Schule.xsd\rLehrer.XML: gültig nach Lehrer.xsd\r"
              "Klassen.XML: gültig nach Klassen.xsd\rSchueler.XML: gültig nach Schueler.xsd\r\r"
              "Wollen Sie die Lieferung trotzdem erstellen?");
    EXPECT_EQ(LieferVerweigerung(a.bericht), "Die Prüfung der Lieferung fand 14 Warnung(en) und 3 Fehler an oder über "
                                             "den Alarmschwellen.\rEs wurde KEINE Lieferung geschrieben.");
}

// The rows of the students of 11a whose drama unit belongs to the 11b (one per student).
std::string ZeilenJe436(std::initializer_list<const char*> schueler) {
    std::string z;
    for (const char* s : schueler)
        z += std::string("Schüler;") + s +
             ";436;2;Klasse der eingetragenen UnterrichtsEinheiten prüfen;UnterrichtsEinheit gehört zu einer "
             "anderen Klasse (letzte Fehlerposition: Zeile 4)\r\n";
    return z;
}

TEST_F(Lieferung, AYesWritesTheFolderWithTheReportAndNeverOverAnExistingOne) {
    const LieferAusgang a = Liefern(true);
    ASSERT_EQ(a.stand, LieferStand::Geschrieben);
    EXPECT_EQ(a.ordner, aus / "Lieferung-12345-2026-03-09");
    Vollstaendig(a.ordner);
    EXPECT_EQ(Lesen(a.ordner + "/Pruefbericht.csv"),
              "\xEF\xBB\xBFPrüfbericht;Prüfbericht zur Lieferung\r\nSchulnummer;12345\r\nBerichtsjahr;2025\r\n"
              "Datum;09.03.2026\r\n\r\n"
              "Bereich;Datensätze;Test-Alarm-Schwelle;Warnungen;Fehler\r\nSchule;1;ab Warnungen;2;1\r\n"
              "Lehrer;25;ab Warnungen;1;0\r\nKlassen;12;ab Warnungen;1;0\r\nSchüler;300;ab Warnungen;10;2\r\n\r\n"
              "Datei;XML-Schema;Ergebnis;Meldungen\r\nSchule.XML;Schule.xsd;gültig;\r\n"
              "Lehrer.XML;Lehrer.xsd;gültig;\r\nKlassen.XML;Klassen.xsd;gültig;\r\n"
              "Schueler.XML;Schueler.xsd;gültig;\r\n\r\n"
              "Bereich;Datensatz;Name;Nummer;Code;Titel;Text\r\n"
              "Schule;12345;Gemeinschaftsschule Am Lindenhof;112;2;eingetragene Nichteinschulungsart und Zahlen "
              "prüfen;es fehlen die Zählungen zu den männlichen bzw. weiblich Nichteinschulungen\r\n"
              "Schule;12345;Gemeinschaftsschule Am Lindenhof;178;3;eingetragene Klassen der UnterrichtsEinheiten "
              "anhand der aktuellen Liste prüfen;!!! Klasse der UE mit laufender Nr.: 40 nicht in der internen "
              "Klassen-Datenbank gefunden\r\n"
              "Schule;12345;Gemeinschaftsschule Am Lindenhof;186;5;eingetragene Stundenanzahl anhand der aktuellen "
              "Liste prüfen;!!! keine Stundenanzahl eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist "
              "laufende Nr.: 39 )\r\n"
              "Lehrer;LAP;Lange, Petra;264;2;eingetragene Klassenleiterfunktion prüfen;\"Klasse nicht in der "
              "internen Datenbank gefunden --> ev. 1x zu \"\"Klassen\"\" wechseln\"\r\n"
              "Klassen;8a;;315;2;eingetragene Klassenbesonderheiten auf doppelte Einträge prüfen;"
              "Klassenbesonderheit doppelt eingetragen (Zeile 2)\r\n"
              "Schüler;2024025;Al-Hassan, Sara;454;4;eingetragenen Förderbedarf prüfen;tatsächliche Förderung "
              "ohne Förderbedarf eingetragen\r\n"
              "Schüler;2020021;Baumann, Tom;418;4;eingetragenes Geburtsdatum für den Schüler prüfen;kein "
              "Geburtsdatum eingetragen oder kein gültiges Datum\r\n" +
                  ZeilenJe436({"2015004;Albrecht, Emma", "2015010;Böhm, Niklas", "2015023;Horvat, Lucija",
                               "2015017;Krause, Jonathan", "2015021;Krämer, Lukas", "2015014;Maier, Lina",
                               "2020027;Pham, Bao", "2015012;Scholz, Jakob", "2015009;Vogel, Erik",
                               "2015008;Vogel, Jonathan"}));
    const std::string html = Lesen(a.ordner + "/Pruefbericht.html");
    for (const char* teil :
         {"<title>Prüfbericht zur Lieferung – 12345 – 09.03.2026</title>", "<p>Berichtsjahr: 2025</p>",
          "<tr><td>Lehrer</td><td>25</td><td><span style=\"color:#800080\">ab Warnungen</span></td>"
          "<td>1</td><td>0</td><td><span style=\"color:#FF00FF\">mit Warnung(en)!</span></td></tr>",
          "<tr><td>LAP</td><td>Lange, Petra</td><td>264</td>"})
        EXPECT_NE(html.find(teil), std::string::npos) << teil;
    EXPECT_TRUE(LieferMeldung(a).starts_with("Die Lieferung wurde geschrieben in den Ordner:\r" + a.ordner +
                                             "\r\rSchulnummer: 12345 "));

    const std::string alt = Lesen(a.ordner + "/SHA256SUMS");
    EXPECT_EQ(Liefern(true).ordner, aus / "Lieferung-12345-2026-03-09-2");
    EXPECT_EQ(Liefern(true).ordner, aus / "Lieferung-12345-2026-03-09-3");
    EXPECT_EQ(Lesen(a.ordner + "/SHA256SUMS"), alt);
    EXPECT_EQ(gefragt.size(), 3u);
}

TEST_F(Lieferung, ACleanSchoolIsDeliveredWithoutAQuestion) {
    Bereinigen();
    const LieferAusgang a = Liefern(false);
    ASSERT_EQ(a.stand, LieferStand::Geschrieben);
    EXPECT_EQ(gefragt, Namen{});
    EXPECT_FALSE(a.Beanstandet());
    Vollstaendig(a.ordner);
    const std::string csv = Lesen(a.ordner + "/Pruefbericht.csv");
    EXPECT_TRUE(csv.ends_with("Lehrer;25;ab Warnungen;0;0\r\nKlassen;12;ab Warnungen;0;0\r\n"
                              "Schüler;300;ab Warnungen;0;0\r\n\r\nDatei;XML-Schema;Ergebnis;Meldungen\r\n"
                              "Schule.XML;Schule.xsd;gültig;\r\nLehrer.XML;Lehrer.xsd;gültig;\r\n"
                              "Klassen.XML;Klassen.xsd;gültig;\r\nSchueler.XML;Schueler.xsd;gültig;\r\n\r\n"
                              "Bereich;Datensatz;Name;Nummer;Code;Titel;Text\r\n"))
        << csv;
    // The checksums are those of the files as the export writes them.
    EXPECT_EQ(Lesen(a.ordner + "/Schule.XML"), SchulXml(st->Daten().SchulDS, st->Einstellungen(), "Schule.XML"));
}

// A control character that a pasted name can bring along makes the student file
// one that no XML reader accepts: a finding of its own, even with no other.
TEST_F(Lieferung, AFileThatFailsItsSchemaIsRefused) {
    Bereinigen();
    st->Daten().Schueler.DB[0].Grunddaten.Vorname = "Ma\x01x";
    const LieferAusgang a = Liefern(false);
    EXPECT_EQ(a.stand, LieferStand::Verweigert);
    EXPECT_EQ(Inhalt(aus.Pfad()), Namen{});
    ASSERT_EQ(gefragt.size(), 1u);
    EXPECT_TRUE(gefragt[0].starts_with("Die Prüfung der Lieferung fand 0 Warnung(en) und 0 Fehler an oder über den "
                                       "Alarmschwellen;\r1 XML-Datei entspricht nicht ihrem XML-Schema.\r\r"))
        << gefragt[0];
    EXPECT_NE(gefragt[0].find("\rSchueler.XML: ungültig nach Schueler.xsd\r   Zeile 12: PCDATA invalid Char value 1\r"),
              std::string::npos)
        << gefragt[0];
}

TEST(LieferOrdner, NameFromSchoolNumberAndDate) {
    EXPECT_EQ(LieferOrdnerName("1234567", {2026, 12, 7}), "Lieferung-1234567-2026-12-07");
    EXPECT_EQ(LieferOrdnerName("12/3 ..", {2027, 1, 31}), "Lieferung-12_3___-2027-01-31");
}

} // namespace
} // namespace zev
