#include "control/import_report.h"
#include "plausi/check_report.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

std::vector<BereichsImport> Beispiel() {
    ImportBericht lehrer;
    lehrer.datei = "/x/Lehrer.XML";
    lehrer.gelesen = true;
    lehrer.datensaetze = 2;
    lehrer.verluste = {{"Nr. 1: 4711 Bauer", "Grunddaten/Vorname", "auf 30 Zeichen gekürzt", "=Anna;\"B\" <x>"},
                       {"Nr. 2: 12 Ohm", "Unterrichtseinheit", "ungültige UE_ID", "abc"}};
    ImportBericht schule;
    schule.datei = "/x/Schule.XML";
    return {{Bereich::Lehrer, {lehrer}}, {Bereich::Schule, {schule}}};
}

TEST(ImportReport, TextIsWhatTheCommandPrintsAreaByArea) {
    EXPECT_EQ(ImportText(Beispiel()), "[lehrer]\n"
                                      "Datei: /x/Lehrer.XML\n"
                                      "Datensätze übernommen: 2\n"
                                      "nicht wie in der Datei übernommen: 2\n"
                                      "  Nr. 1: 4711 Bauer, Grunddaten/Vorname \"=Anna;\"B\" <x>\": auf 30 Zeichen "
                                      "gekürzt\n"
                                      "  Nr. 2: 12 Ohm, Unterrichtseinheit \"abc\": ungültige UE_ID\n"
                                      "[schule]\n"
                                      "Datei: /x/Schule.XML\n"
                                      "nicht eingelesen\n");
}

TEST(ImportReport, CsvHasOneRowPerLossAndKeepsFormulasText) {
    EXPECT_EQ(ImportCsv(Beispiel()), "\xEF\xBB\xBF"
                                     "Bereich;Datei;Datensatz;Element;Wert in der Datei;übernommen\r\n"
                                     "lehrer;/x/Lehrer.XML;Nr. 1: 4711 Bauer;Grunddaten/Vorname;\"'=Anna;\"\"B\"\" "
                                     "<x>\";auf 30 Zeichen gekürzt\r\n"
                                     "lehrer;/x/Lehrer.XML;Nr. 2: 12 Ohm;Unterrichtseinheit;abc;ungültige UE_ID\r\n");
}

TEST(ImportReport, HtmlShowsTheSummaryAndTheLossesAsATable) {
    const std::string h = ImportHtml(Beispiel(), "12345", "07.12.2026");
    const auto enthaelt = [&h](std::string_view teil) { return h.find(teil) != std::string::npos; };
    EXPECT_TRUE(enthaelt("<title>Import-Bericht – 12345 – 07.12.2026</title>"));
    EXPECT_TRUE(enthaelt("<h2>[lehrer]</h2>\n<pre>Datei: /x/Lehrer.XML\nDatensätze übernommen: 2\nnicht wie in der "
                         "Datei übernommen: 2\n</pre>\n<table>"));
    EXPECT_TRUE(enthaelt("<tr><td>Nr. 1: 4711 Bauer</td><td>Grunddaten/Vorname</td><td>=Anna;&quot;B&quot; "
                         "&lt;x&gt;</td><td>auf 30 Zeichen gekürzt</td></tr>\n"));
    EXPECT_TRUE(enthaelt("<h2>[schule]</h2>\n<pre>Datei: /x/Schule.XML\nnicht eingelesen\n</pre>\n</body>"));
    EXPECT_EQ(h.find("<table>", h.find("[schule]")), std::string::npos); // nothing lost there
}

TEST(ImportReport, SavedByTheSuffixOrRefused) {
    test::TempOrdner t;
    test::SkriptMeldungen m;
    ASSERT_TRUE(ImportBerichtSpeichern(t.Pfad() + "bericht.CSV", Beispiel(), "1", "2", m));
    const auto bytes = test::DateiBytes(t.Pfad() + "bericht.CSV");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), ImportCsv(Beispiel()));
    EXPECT_FALSE(ImportBerichtSpeichern(t.Pfad() + "bericht.txt", Beispiel(), "1", "2", m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{MeldungUnbekanntesBerichtsformat(t.Pfad() + "bericht.txt")});
    EXPECT_EQ(test::Inhalt(t.Pfad()), std::vector<std::string>{"bericht.CSV"});
}

} // namespace
} // namespace zev
