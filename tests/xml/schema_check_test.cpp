// The validator built into the program: its schemas are the shipped ones, and it
// reports what is wrong with a file with the line, at most ten lines of it.
#include "support/temp_folder.h"
#include "xml/export_trees.h"
#include "xml/schema_check.h"

#include <gtest/gtest.h>

namespace zev {
namespace {

using Zeilen = std::vector<std::string>;

TEST(SchemaValidator, CarriesTheShippedSchemas) {
    for (int b = 1; b <= 4; ++b) {
        const auto datei = test::DateiBytes(std::string(ZEV_SCHEMA_DIR) + "/" + std::string(SchemaName(b)));
        EXPECT_EQ(SchemaText(b), std::string(datei.begin(), datei.end())) << SchemaName(b);
    }
    EXPECT_EQ(SchemaText(0), "");
    EXPECT_EQ(SchemaText(5), "");
}

TEST(SchemaValidator, NamesWhatIsWrongWithItsLine) {
    const std::string kopf = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n";
    struct Fall {
        std::string xml;
        Zeilen fehler;
    } faelle[] = {
        {kopf + "<Alle_Klassen>\r\n<Klasse><Klassenname>x</Klassenname></Klasse></Alle_Klassen>",
         {"Zeile 3: Element 'Klassenname': This element is not expected. Expected is ( Schulnummer )."}},
        {kopf + "<Alle_Klassen>\r\n<Klasse>\r\n", {"Zeile 4: Premature end of data in tag Klasse line 3"}},
        {kopf + "<Alle_Lehrer/>",
         {"Zeile 2: Element 'Alle_Lehrer': No matching global declaration available for "
          "the validation root."}},
        {"", {"Zeile 1: Document is empty"}},
    };
    for (const Fall& f : faelle) {
        const SchemaErgebnis r = SchemaPruefen(f.xml, "Klassen.XML", 3);
        EXPECT_FALSE(r.gueltig) << f.xml;
        EXPECT_EQ(r.fehler, f.fehler) << f.xml;
    }
    // The same file is valid once the element it missed is there, in ISO-8859-1 with a byte above 127.
    const std::string gut = kopf + "<Alle_Klassen><Klasse><Schulnummer>1</Schulnummer><Klassenname>\xE4</Klassenname>"
                                   "</Klasse></Alle_Klassen>\r\n";
    const SchemaErgebnis r = SchemaPruefen(gut, "Klassen.XML", 3);
    EXPECT_TRUE(r.gueltig);
    EXPECT_EQ(r.fehler, Zeilen{});
}

TEST(SchemaValidator, KeepsTenFindingsAndCountsTheRest) {
    std::string xml = "<Alle_Klassen>";
    for (int i = 0; i < 14; ++i) xml += "<Klasse><Schulnummer>1</Schulnummer><Klassenname>x</Klassenname><x/></Klasse>";
    xml += "</Alle_Klassen>";
    const SchemaErgebnis r = SchemaPruefen(xml, "Klassen.XML", 3);
    EXPECT_FALSE(r.gueltig);
    ASSERT_EQ(r.fehler.size(), 11u);
    EXPECT_EQ(r.fehler[0].substr(0, 25), "Zeile 1: Element 'x': Thi");
    EXPECT_EQ(r.fehler[10], "… und 4 weitere");
}

TEST(SchemaValidator, AnUnreadableSchemaFailsEveryFile) {
    const SchemaErgebnis r = SchemaPruefen("<Alle_Klassen/>", "Klassen.XML", std::string_view("<kein Schema"));
    EXPECT_FALSE(r.gueltig);
    ASSERT_FALSE(r.fehler.empty());
    EXPECT_EQ(r.fehler[0], "das XML-Schema ist nicht lesbar");
}

} // namespace
} // namespace zev
