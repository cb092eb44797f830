// Exported files of every layout, also of records filled to every capacity,
// validate against the schemas shipped in data/schema.
#include "model/field_access.h"
#include "support/temp_folder.h"
#include "xml/export_trees.h"
#include "xml/schema_check.h"
#include "xml/tags.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>

namespace zev {
namespace {

const std::string kSchemas = std::string(ZEV_SCHEMA_DIR) + "/";

// xmllint's verdict, with its output for the failure message.
std::pair<bool, std::string> Gueltig(const std::string& xsd, const std::string& xml) {
    const std::string befehl = "xmllint --noout --schema '" + kSchemas + xsd + "' '" + xml + "' 2>&1";
    FILE* p = ::popen(befehl.c_str(), "r");
    if (!p) return {false, "popen"};
    std::string ausgabe;
    char puffer[512];
    while (std::fgets(puffer, sizeof puffer, p)) ausgabe += puffer;
    return {::pclose(p) == 0, ausgabe};
}

void Pruefen(const std::string& xsd, const std::string& inhalt) {
    test::TempOrdner o;
    test::DateiSchreiben(o / "datei.xml", std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
    const auto [ok, ausgabe] = Gueltig(xsd, o / "datei.xml");
    EXPECT_TRUE(ok) << ausgabe;
    // The program's own validator agrees.
    for (int b = 1; b <= 4; ++b)
        if (SchemaName(b) == xsd) {
            EXPECT_EQ(SchemaPruefen(inhalt, "datei.xml", b).fehler, std::vector<std::string>{});
        }
}

// Every entry of every field holds a value: every element the export can write is written.
template <class R, std::size_t M> void Voll(R& r, const std::array<felder::Feld, M>& zeilen) {
    for (const felder::Feld& f : zeilen)
        for (int k = 1; k <= f.anzahl; ++k) {
            if (f.pfad == "Schulnummer") continue;
            if (felder::IstText(f))
                felder::TextSetzen(ImageOf(r), f, k, f.art == felder::Art::Datum ? "01.08.2024" : "1");
            if (!felder::IstText(f) || f.art == felder::Art::Verweise) felder::ZahlSetzen(ImageOf(r), f, k, k % 3);
        }
}

class Schemas : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        EinstellungenStandard(e, "/p/");
        e.XMLLayout = static_cast<std::uint16_t>(GetParam());
    }
    TEinstellungen e;
};

// A new record and a full one in each file, with and without the independent body's blocks.
TEST_P(Schemas, NewAndFullRecordsOfEveryArea) {
    auto s = std::make_unique<TSchuleDS>();
    auto voll = std::make_unique<TSchuleDS>();
    Voll(*voll, felder::kSchule);
    for (int k = 1; k <= 1000; ++k) voll->Unterrichtseinheit[k].UE_ID = k;
    voll->Schuldaten.Orgform = "41";
    voll->Schuldaten.Orgform_Text = "Text & <mehr>";
    std::vector<TLehrerDS> l(2);
    InitLehrer(l[0], "1"), InitLehrer(l[1], "1");
    Voll(l[1], felder::kLehrer);
    std::vector<TKlasseDS> k(2);
    Voll(k[1], felder::kKlasse);
    std::vector<TSchuelerDS> sch(2);
    InitSchueler(sch[0], "1"), InitSchueler(sch[1], "1");
    Voll(sch[1], felder::kSchueler);
    for (int frei : {0, 1}) {
        e.FreierTraeger = static_cast<std::uint16_t>(frei);
        Pruefen("Schule.xsd", SchulXml(*s, e, "Schule.XML"));
        Pruefen("Schule.xsd", SchulXml(*voll, e, "Schule.XML"));
        Pruefen("Lehrer.xsd", LehrerXml(l, e, "Lehrer.XML"));
    }
    Pruefen("Klassen.xsd", KlassenXml(k, e, "Klassen.XML"));
    Pruefen("Schueler.xsd", SchuelerXml(sch, e, "Schueler.XML"));
}

TEST(SchemaCheck, ASchemaRefusesAFileOutOfOrder) {
    test::TempOrdner o;
    const std::string falsch = "<Alle_Klassen><Klasse><Klassenname>x</Klassenname><Schulnummer>1</Schulnummer>"
                               "</Klasse></Alle_Klassen>";
    test::DateiSchreiben(o / "f.xml", std::vector<std::uint8_t>(falsch.begin(), falsch.end()));
    EXPECT_FALSE(Gueltig("Klassen.xsd", o / "f.xml").first);
}

// The element paths a schema declares, "Alle_Lehrer/Lehrer/Schulnummer" and so on.
std::set<std::string> SchemaPfade(const std::string& xsd) {
    std::ifstream f(kSchemas + xsd);
    std::stringstream ss;
    ss << f.rdbuf();
    const std::string text = ss.str();
    std::set<std::string> pfade;
    std::vector<std::string> offen;
    for (std::size_t p = 0; (p = text.find("xs:element", p)) != std::string::npos; p += 10) {
        if (text[p - 1] == '/') { // </xs:element>
            offen.pop_back();
            continue;
        }
        const std::size_t n = text.find("name=\"", p) + 6;
        const std::string name = text.substr(n, text.find('"', n) - n);
        std::string pfad;
        for (const std::string& o : offen) pfad += o + "/";
        pfade.insert(pfad + name);
        if (text[text.find('>', p) - 1] != '/') offen.push_back(name);
    }
    return pfade;
}

template <std::size_t N> std::set<std::string> TabellenPfade(const tags::Baum<N>& baum) {
    const std::string satz = std::string(baum.namen[2]) + "/" + std::string(baum.namen[3]);
    std::set<std::string> pfade = {std::string(baum.namen[2]), satz};
    for (std::size_t i = 4; i < N; ++i) pfade.insert(satz + "/" + std::string(baum.pfade[i]));
    return pfade;
}

// Every element the field tables export is declared at its path, and the schemas
// declare nothing else.
TEST(SchemaCheck, TheSchemasDeclareExactlyTheTablesElements) {
    EXPECT_EQ(SchemaPfade("Schule.xsd"), TabellenPfade(tags::kSchulBaum));
    EXPECT_EQ(SchemaPfade("Lehrer.xsd"), TabellenPfade(tags::kLehrerBaum));
    EXPECT_EQ(SchemaPfade("Klassen.xsd"), TabellenPfade(tags::kKlassenBaum));
    EXPECT_EQ(SchemaPfade("Schueler.xsd"), TabellenPfade(tags::kSchuelerBaum));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Schemas, ::testing::Values(0, 1, 2, 3));

} // namespace
} // namespace zev
