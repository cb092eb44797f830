// Exported files of every layout, also of records filled to every capacity,
// validate against the schemas shipped in data/schema.
#include "support/temp_folder.h"
#include "xml/export_trees.h"
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
}

template <std::size_t N> void Fuellen(SText<N>& t, const std::string& wert) {
    t = wert;
}

class Schemas : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        EinstellungenStandard(e, "/p/");
        e.XMLLayout = static_cast<std::uint16_t>(GetParam());
        e.FreierTraeger = 1;
    }
    TEinstellungen e;
};

TEST_P(Schemas, SchoolBlankAndFull) {
    auto s = std::make_unique<TSchuleDS>();
    Pruefen("Schule.xsd", SchulXml(*s, e, "Schule.XML"));
    for (int k = 1; k <= 20; ++k) s->Schuldaten.Schulart[k] = "0" + std::to_string(k % 10);
    s->Schuldaten.Ganztag = "1";
    s->Schuldaten.Orgform = "41";
    s->Schuldaten.Orgform_Text = "Text & <mehr>";
    for (int k = 1; k <= 1000; ++k) {
        s->Unterrichtseinheit[k].UE_ID = k;
        s->Unterrichtseinheit[k].Fach = "Ma";
    }
    s->Nichteinschulung[1].Art = "1";
    Pruefen("Schule.xsd", SchulXml(*s, e, "Schule.XML"));
    e.FreierTraeger = 0;
    Pruefen("Schule.xsd", SchulXml(*s, e, "Schule.XML"));
}

TEST_P(Schemas, TeachersBlankAndFull) {
    std::vector<TLehrerDS> l(2);
    InitLehrer(l[0], "1");
    TLehrerDS& r = l[1];
    InitLehrer(r, "1");
    r.Grunddaten.Geschlecht = 1;
    for (int i = 1; i <= 10; ++i) {
        r.Grunddaten.Ausbildung[i] = "A";
        r.Grunddaten.Fach_Lehrb[i] = "F";
        r.Anrechnungsstunden[i].Grund = "1";
    }
    for (int i = 1; i <= 5; ++i) {
        r.Stunden.Lehramt[i] = "L";
        r.Arbeitszeitkonto[i].Grund_mehr = "1";
        r.Arbeitszeitregelung[i].Anzahl_minder = "2";
        r.Einsatz[i].Art = "1";
    }
    for (int i = 1; i <= 3; ++i) r.Sonstiges.Personengruppe[i] = "P";
    for (int i = 1; i <= 35; ++i) {
        r.Unterrichtseinheit[i].Nummer = static_cast<std::uint16_t>(i);
        r.Unterrichtseinheit[i].UE_ID = std::to_string(i);
    }
    r.Sonstiges.Klassenleiter = "5a";
    r.Sonstiges.Schulleiter = 1;
    r.Zu_Abgang.Zugang.Art = "1";
    r.Zu_Abgang.Abgang.Datum = "01.01.2026";
    Pruefen("Lehrer.xsd", LehrerXml(l, e, "Lehrer.XML"));
    e.FreierTraeger = 0;
    Pruefen("Lehrer.xsd", LehrerXml(l, e, "Lehrer.XML"));
}

TEST_P(Schemas, ClassesAndStudentsBlankAndFull) {
    std::vector<TKlasseDS> k(2);
    for (int i = 1; i <= 3; ++i) k[1].Klassenbesonderheit[i] = "B";
    Pruefen("Klassen.xsd", KlassenXml(k, e, "Klassen.XML"));

    std::vector<TSchuelerDS> s(2);
    InitSchueler(s[0], "1");
    TSchuelerDS& r = s[1];
    InitSchueler(r, "1");
    r.Grunddaten.Migrantenstatus = "1";
    for (auto* f : {&r.Jahrgangsdaten.Wiederholer, &r.Jahrgangsdaten.Empfehlung, &r.Jahrgangsdaten.Schulartwechsel,
                    &r.Jahrgangsdaten.Ganztag})
        *f = "1";
    r.Jahrgangsdaten.Ausland = "276";
    r.Jahrgangsdaten.Auslaender = "276";
    for (int i = 1; i <= 25; ++i) {
        r.Jahrgangsdaten.Unterrichtseinheit[i].Nummer = static_cast<std::uint16_t>(i);
        r.Jahrgangsdaten.Unterrichtseinheit[i].UE_ID = std::to_string(i);
    }
    r.Foerderbedarf.Bedarf = "LE";
    for (int i = 1; i <= 5; ++i) {
        r.Fremdsprachen[i].Sprache = "ENG";
        r.Abschluss.berufsbezogener[i].Beruf = "1234";
    }
    for (int i = 1; i <= 3; ++i) r.Abschluss.allgemeinbildender[i].allgemein = "01";
    r.Ausbildung.Beruf = "1234";
    Pruefen("Schueler.xsd", SchuelerXml(s, e, "Schueler.XML"));
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
