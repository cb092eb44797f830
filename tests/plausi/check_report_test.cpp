#include "plausi/check_report.h"

#include "io/file_io.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

// A run over texts with everything a report has to escape: ";", quotes, line
// breaks, markup characters.
class Report : public ::testing::Test {
protected:
    Report() {
        texte.Leeren();
        Setze(1, "Blind", 5, "x");
        Setze(10, "Titel; mit \"Anführung\"", 4, "Zeile 1\rZeile 2 <b>&i</b> & 'so'");
        Setze(20, "schlicht", 1, "o.B.\r\nweiter");
        p.TestsZuruecksetzen();
        p.Setze(1, 5);
        p.Setze(10, 4);
        p.Param(10, 7);
        p.Setze(20, 1);
        p.TestsAuszaehlen();
    }
    void Setze(int n, const char* titel, int code, const char* text) {
        auto& f = const_cast<Fehlertext&>(texte[n]);
        f.Titel = titel;
        f.Text[static_cast<std::size_t>(code)] = text;
    }
    Fehlertexte texte;
    PlausiLauf p;
};

TEST_F(Report, CsvQuotesFieldsAndTurnsCarriageReturnsIntoLineBreaks) {
    EXPECT_EQ(BerichtCsv(ErgebnisseAufbauen(p, texte)), "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n"
                                                        "1;5;Blind;!!! x\r\n"
                                                        "10;4;\"Titel; mit \"\"Anführung\"\"\";\"Zeile 1\nZeile 2 "
                                                        "<b>7</b> & 'so'\"\r\n"
                                                        "20;1;schlicht;\"o.B.\nweiter\"\r\n");
    Ergebnisanzeige leer;
    EXPECT_EQ(BerichtCsv(leer), "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n");
}

// Text that a spreadsheet would run as a formula gets an apostrophe in front, in
// titles, texts and the grid's names alike; the number columns stay numbers.
TEST(CsvReport, TextThatOpensAsAFormulaIsKeptText) {
    struct Fall {
        std::string text, zelle;
    };
    const std::vector<Fall> faelle = {
        {"=HYPERLINK(\"http://x\";\"y\")", "\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\""},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\nx\""},
        {"a=1", "a=1"},
        {" =1", " =1"},
        {"", ""},
    };
    Ergebnisanzeige a;
    for (const Fall& f : faelle) a.eintraege.push_back({10, -1, 0, 0.0, f.text, "  -->  " + f.text, Farbe::Rot});
    std::string erwartet = "\xEF\xBB\xBFNummer;Code;Titel;Text\r\n";
    for (const Fall& f : faelle) erwartet += "10;-1;" + f.zelle + ";" + f.zelle + "\r\n";
    EXPECT_EQ(BerichtCsv(a), erwartet);

    Gruppenanzeige g;
    g.breiten.assign(6, 0);
    for (const auto& texte :
         {std::array<const char*, 6>{"Lehrernummer", "Name", "Vorname", "Warnungen", "Fehler", "Ergebnis"},
          std::array<const char*, 6>{"-7", "=HYPERLINK(1)", "@x", "-2", "+3", "alles i.O."}}) {
        auto& zeile = g.zeilen.emplace_back(6);
        for (std::size_t i = 0; i < 6; ++i) zeile[i].text = texte[i];
    }
    g.datenzeilen = 1;
    EXPECT_EQ(BerichtCsv(g), "\xEF\xBB\xBFLehrernummer;Name;Vorname;Warnungen;Fehler;Ergebnis\r\n"
                             "'-7;'=HYPERLINK(1);'@x;-2;+3;alles i.O.\r\n");
}

TEST_F(Report, HtmlIsAWholeEscapedDocumentInTheWindowsColours) {
    EXPECT_EQ(
        BerichtHtml(ErgebnisseAufbauen(p, texte), "12<3>", "01.02.2026"),
        "<!DOCTYPE html>\n"
        "<html lang=\"de\">\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<title>Datentest (interne PLAUSI) – 12&lt;3&gt; – 01.02.2026</title>\n"
        "<style>\n"
        "body { font-family: sans-serif; margin: 2em; }\n"
        "p, pre { white-space: pre-wrap; }\n"
        ".urteil { font-size: 1.4em; font-weight: bold; }\n"
        "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<h1>Datentest (interne PLAUSI)</h1>\n"
        "<p>Schulnummer: 12&lt;3&gt;\nDatum: 01.02.2026</p>\n"
        "<p>Test-Alarm-Schwelle: <span style=\"color:#800080\">ab Warnungen</span></p>\n"
        "<h2>Einzel-Tests mit Ergebnissen:</h2>\n"
        "<pre>\n"
        "<span style=\"color:#000000\">[1]   Blind</span>\n"
        "<span style=\"color:#FF0000\">  --&gt;  !!! x</span>\n"
        "\n"
        "<span style=\"color:#000000\">[10]   Titel; mit &quot;Anführung&quot;</span>\n"
        "<span style=\"color:#FF0000\">  --&gt;  Zeile 1\nZeile 2 &lt;b&gt;7&lt;/b&gt; &amp; &#39;so&#39;</span>\n"
        "\n"
        "<span style=\"color:#000000\">[20]   schlicht</span>\n"
        "<span style=\"color:#008000\">  --&gt;  o.B.\nweiter</span>\n"
        "\n"
        "</pre>\n"
        "<p class=\"urteil\">Gesamt-Test-Ergebnis: <span style=\"color:#FF0000\">Tests NICHT "
        "bestanden!!!</span></p>\n"
        "<p>mit 0 Warnung(en)     und 1 Fehler</p>\n"
        "</body>\n"
        "</html>\n");
}

TEST_F(Report, HtmlLeavesOutTheCountsWhenTheWindowHidesThem) {
    p.Setze(10, 2);
    p.Ergebniszaehler = {};
    p.Alarmschwelle = 2;
    p.TestsAuszaehlen();
    const std::string h = BerichtHtml(ErgebnisseAufbauen(p, texte), "12345", "01.02.2026");
    EXPECT_NE(h.find("<p>Test-Alarm-Schwelle: <span style=\"color:#FF0000\">nur Fehler !!!</span></p>\n"),
              std::string::npos);
    EXPECT_NE(h.find("<p class=\"urteil\">Gesamt-Test-Ergebnis: <span style=\"color:#0000FF\">Tests oberhalb der "
                     "Alarmschwelle bestanden</span></p>\n</body>\n"),
              std::string::npos);
    EXPECT_EQ(h.find("Warnung(en)"), std::string::npos);
}

TEST(ReportFormat, ChosenBySuffixIgnoringCase) {
    for (const char* html : {"/a/b.html", "B.HTM"}) EXPECT_EQ(BerichtsFormatVon(html), BerichtsFormat::Html) << html;
    EXPECT_EQ(BerichtsFormatVon("/a.b/c.Csv"), BerichtsFormat::Csv);
    for (const char* keins : {"/a/b.txt", "/a/b.csv.txt", "/a.csv/bericht", "/a/b.htmlx"})
        EXPECT_EQ(BerichtsFormatVon(keins), std::nullopt) << keins;
}

TEST_F(Report, SavingByNameWritesTheFormatOrSaysWhyNot) {
    test::TempOrdner o;
    test::SkriptMeldungen m;
    const Ergebnisanzeige a = ErgebnisseAufbauen(p, texte);

    EXPECT_FALSE(BerichtSpeichern(o / "bericht.txt", a, "12345", "01.02.2026", m));
    ASSERT_EQ(m.Texte(), std::vector<std::string>{"Unbekanntes Berichtsformat: " + (o / "bericht.txt") +
                                                  "\r\rEin Bericht wird als HTML-Datei (*.html, *.htm) oder als "
                                                  "CSV-Datei (*.csv) gespeichert.\r\rKEIN Bericht gespeichert!"});
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Fehler);
    EXPECT_TRUE(test::Inhalt(o.Pfad()).empty());

    m.gezeigt.clear();
    ASSERT_TRUE(BerichtSpeichern(o / "b.CSV", a, "12345", "01.02.2026", m));
    ASSERT_TRUE(BerichtSpeichern(o / "b.htm", a, "12345", "01.02.2026", m));
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(test::DateiBytes(o / "b.CSV"), Bytes(BerichtCsv(a)));
    EXPECT_EQ(test::DateiBytes(o / "b.htm"), Bytes(BerichtHtml(a, "12345", "01.02.2026")));

    // The explicit format wins over the suffix.
    ASSERT_TRUE(BerichtSchreiben(o / "b.txt", BerichtsFormat::Csv, a, "", "", m));
    EXPECT_EQ(test::DateiBytes(o / "b.txt"), Bytes(BerichtCsv(a)));
}

TEST_F(Report, AFailedWriteKeepsThePreviousReportAndNamesTheFile) {
    test::TempOrdner o;
    test::SkriptMeldungen m;
    const std::string pfad = o / "b.csv";
    test::DateiSchreiben(pfad, {'a', 'l', 't'});
    const Ergebnisanzeige a = ErgebnisseAufbauen(p, texte);
    // Fail each file operation in turn until the write gets through.
    int n = 1;
    for (;; ++n) {
        m.gezeigt.clear();
        io::test::FehlerBeiSchritt(n);
        const bool ok = BerichtSpeichern(pfad, a, "12345", "01.02.2026", m);
        io::test::FehlerBeiSchritt(0);
        if (ok) break;
        EXPECT_EQ(test::DateiBytes(pfad), (std::vector<std::uint8_t>{'a', 'l', 't'})) << n;
        EXPECT_EQ(test::Inhalt(o.Pfad()), std::vector<std::string>{"b.csv"}) << n;
        ASSERT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + pfad +
                                                      "\rkann nicht geschrieben werden!\r\rInput/output error\r\rDie "
                                                      "bisherige Datei bleibt unverändert."})
            << n;
    }
    EXPECT_GT(n, 2);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(test::DateiBytes(pfad), Bytes(BerichtCsv(a)));

    EXPECT_FALSE(BerichtSpeichern(o / "fehlt/b.html", a, "12345", "01.02.2026", m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + (o / "fehlt/b.html") +
                                                  "\rkann nicht geschrieben werden!\r\rNo such file or "
                                                  "directory\r\rDie bisherige Datei bleibt unverändert."});
}

// Three teachers, one per verdict, with texts a report has to quote and escape;
// the grid pads them to eleven rows.
Gruppenanzeige DreiLehrer() {
    BereichsDaten<TLehrerDS> l;
    l.DB.resize(3);
    for (TLehrerDS& x : l.DB) InitLehrer(x, "12345");
    l.DB[0].Lehrernummer = "L1";
    l.DB[0].Grunddaten.Name = "M\xFCller";
    l.DB[0].Grunddaten.Vorname = "Anna";
    l.DB[1].Lehrernummer = "L;2";
    l.DB[1].Grunddaten.Titel = "Dr.";
    l.DB[1].Grunddaten.Name = "Schmidt \"Sch\"";
    l.DB[1].Grunddaten.Vorname = "B<e>";
    l.DB[1].Warnungen = 2;
    l.DB[2].Lehrernummer = "L3";
    l.DB[2].Grunddaten.Name = "Ohne";
    l.DB[2].Warnungen = 1;
    l.DB[2].Fehler = 3;
    return GruppenAnzeigeAufbauen(kGruppenartLehrer, 1, l);
}

TEST(GroupReport, CsvHasTheHeadingsAndOneRowPerTeacherButNoPadding) {
    const Gruppenanzeige g = DreiLehrer();
    ASSERT_EQ(g.zeilen.size(), 11u);
    EXPECT_EQ(BerichtCsv(g), "\xEF\xBB\xBFLehrernummer;Name;Vorname;Warnungen;Fehler;Ergebnis\r\n"
                             "L1;Müller;Anna;0;0;alles i.O.\r\n"
                             "\"L;2\";\"Dr. Schmidt \"\"Sch\"\"\";B<e>;2;0;mit Warnung(en)!\r\n"
                             "L3;Ohne;;1;3;fehlerhaft!!!\r\n");
}

TEST(GroupReport, HtmlIsATableOfTheGridWithTheResultColumnBoldAndColoured) {
    EXPECT_EQ(BerichtHtml(DreiLehrer(), "12345", "01.02.2026"),
              "<!DOCTYPE html>\n"
              "<html lang=\"de\">\n"
              "<head>\n"
              "<meta charset=\"utf-8\">\n"
              "<title>Ergebnis: große PLAUSI --&gt;  L e h r e r – 12345 – 01.02.2026</title>\n"
              "<style>\n"
              "body { font-family: sans-serif; margin: 2em; }\n"
              "h1, p { white-space: pre-wrap; }\n"
              "table { border-collapse: collapse; }\n"
              "th, td { border: 1px solid #C0C0C0; padding: 2px 6px; text-align: left; white-space: pre; }\n"
              "th { font-weight: normal; background: #F0F0F0; }\n"
              ".fett { font-weight: bold; }\n"
              "* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
              "</style>\n"
              "</head>\n"
              "<body>\n"
              "<h1>Ergebnis: große PLAUSI --&gt;  L e h r e r</h1>\n"
              "<p>Schulnummer: 12345\nDatum: 01.02.2026</p>\n"
              "<p>Test-Alarm-Schwelle: <span style=\"color:#FF00FF\">ab schwerwiegenden Warnungen</span></p>\n"
              "<h2>Übersicht über die Einzeltests:</h2>\n"
              "<table>\n"
              "<thead>\n"
              "<tr><th>Lehrernummer</th><th>Name</th><th>Vorname</th><th>Warnungen</th><th>Fehler</th>"
              "<th class=\"fett\">Ergebnis</th></tr>\n"
              "</thead>\n"
              "<tbody>\n"
              "<tr><td>L1</td><td>Müller</td><td>Anna</td><td>0</td><td>0</td>"
              "<td class=\"fett\" style=\"color:#008000\">alles i.O.</td></tr>\n"
              "<tr><td>L;2</td><td>Dr. Schmidt &quot;Sch&quot;</td><td>B&lt;e&gt;</td><td>2</td><td>0</td>"
              "<td class=\"fett\" style=\"color:#FF00FF\">mit Warnung(en)!</td></tr>\n"
              "<tr><td>L3</td><td>Ohne</td><td></td><td>1</td><td>3</td>"
              "<td class=\"fett\" style=\"color:#FF0000\">fehlerhaft!!!</td></tr>\n"
              "</tbody>\n"
              "</table>\n"
              "</body>\n"
              "</html>\n");
}

} // namespace
} // namespace zev
