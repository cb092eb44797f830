#include "control/area_loading.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "xml/export_trees.h"
#include "xml/xml_import.h"
#include "xml/xml_scanner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;

const std::string kParserFehler =
    "Der Parser hat einen Fehler in der XML-Datei\rbzw. in der XML-Struktur festgestellt!\r\r(Zeile ";

class Import : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, o.Pfad());
        e.Schulnummer = "12345";
        e.FreierTraeger = 1;
    }
    std::string Datei(const std::string& inhalt, const std::string& name = "f.xml") {
        test::DateiSchreiben(o / name, std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
        return o / name;
    }
    std::string Xml(const std::string& koerper) {
        return Datei("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n" + koerper);
    }
    TempOrdner o;
    TEinstellungen e;
    SkriptMeldungen m;
    ImportBericht bericht;
};

// The round trip of every field lies in field_roundtrip_test.cpp.

// --- the reader's rules ------------------------------------------------------------

TEST_F(Import, GroupFieldsAreToldApartByTheSection) {
    const auto pfad = Xml("<Alle_Lehrer><Lehrer><Schulnummer>12345</Schulnummer><Lehrerdaten><freie_Traeger>"
                          "<Arbeitszeitregelung><Grund_mehr>07</Grund_mehr></Arbeitszeitregelung>"
                          "<Arbeitszeitkonto><Grund_mehr>01</Grund_mehr><Grund_mehr>02</Grund_mehr>"
                          "</Arbeitszeitkonto><Arbeitszeitkonto><Grund_mehr>03</Grund_mehr></Arbeitszeitkonto>"
                          "</freie_Traeger><Sonstiges><Schulleiter>1</Schulleiter></Sonstiges></Lehrerdaten>"
                          "</Lehrer></Alle_Lehrer>");
    auto v = ImportTeacherXml(pfad, e, m, bericht);
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), 1u);
    const TLehrerDS& r = (*v)[0];
    EXPECT_EQ(r.Arbeitszeitregelung[1].Grund_mehr.str(), "07");
    EXPECT_EQ(r.Arbeitszeitkonto[1].Grund_mehr.str(), "01");
    EXPECT_EQ(r.Arbeitszeitkonto[2].Grund_mehr.str(), "02"); // one container, two entries
    EXPECT_EQ(r.Arbeitszeitkonto[3].Grund_mehr.str(), "03"); // one container per entry
    EXPECT_EQ(r.Sonstiges.Schulleiter.get(), 1);
}

TEST_F(Import, EmptyElementsLineBreaksAndUnknownNames) {
    const auto pfad = Xml("<Alle_Lehrer>\r\n<Lehrer><Schulnummer>\r\n   12345\r\n  </Schulnummer><Lehrerdaten>"
                          "<freie_Traeger><Grunddaten><Name>\r\n  Meier   von\tHaus \r\n</Name><Titel/><Hobby>x</Hobby>"
                          "<Fach_Lehrb/><Fach_Lehrb>De</Fach_Lehrb></Grunddaten></freie_Traeger></Lehrerdaten>"
                          "<Hobby/></Lehrer></Alle_Lehrer>");
    auto v = ImportTeacherXml(pfad, e, m, bericht);
    ASSERT_TRUE(v);
    const TLehrerDS& r = v->at(0);
    EXPECT_EQ(r.Grunddaten.Name.str(), "Meier von Haus");
    EXPECT_EQ(r.Grunddaten.Titel.str(), "");
    EXPECT_EQ(r.Grunddaten.Fach_Lehrb[1].str(), "De"); // an empty-element tag does not count an entry
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(bericht.unbekannt, (std::map<std::string, int>{{"Hobby", 1}}));
}

TEST_F(Import, WrongRootIsReportedAndNothingIsTaken) {
    const auto pfad = Xml("<Alle_Klassen><Klasse><Klassenname>5a</Klassenname></Klasse></Alle_Klassen>");
    EXPECT_FALSE(ImportTeacherXml(pfad, e, m, bericht));
    ASSERT_EQ(m.gezeigt.size(), 1u);
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Information);
    EXPECT_EQ(m.gezeigt[0].text, "XML-Import abgebrochen, da die Datei\rscheinbar keine Lehrer-Daten enthält!\r\r"
                                 "Root-Tag: Alle_Klassen");
    EXPECT_FALSE(ImportStudentXml(pfad, e, m, bericht));
    EXPECT_EQ(m.gezeigt.back().text, "XML-Import abgebrochen, da die Datei\rscheinbar keine Schüler-Daten enthält!\r\r"
                                     "Root-Tag: Alle_Klassen");
}

TEST_F(Import, OtherSchoolQuestionPerRecordAndNoDropsThatRecord) {
    const auto pfad = Xml("<Alle_Klassen>"
                          "<Klasse><Schulnummer>999</Schulnummer><Klassenname>A</Klassenname></Klasse>"
                          "<Klasse><Schulnummer>12345</Schulnummer><Klassenname>B</Klassenname></Klasse>"
                          "<Klasse><Schulnummer>999</Schulnummer><Klassenname>C</Klassenname></Klasse>"
                          "</Alle_Klassen>");
    m.Antworten({false, true});
    auto v = ImportClassXml(pfad, e, m, bericht);
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), 2u);
    EXPECT_EQ((*v)[0].Klassenname.str(), "B");
    EXPECT_EQ((*v)[1].Klassenname.str(), "C");
    EXPECT_EQ((*v)[1].Schulnummer.str(), "999");
    EXPECT_EQ(bericht.abgelehnt, 1);
    ASSERT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Frage);
    EXPECT_EQ(m.gezeigt[0].text, "Die Import-Datei enthält die Daten\reiner anderen Schule (Nr.: 999)!\r\rWollen "
                                 "Sie diese Daten importieren?");
}

TEST_F(Import, CapacitiesDropTheSurplus) {
    std::string lehrer = "<Alle_Lehrer><Lehrer><Lehrerdaten><Sonstiges>";
    for (int i = 1; i <= 36; ++i) lehrer += "<Unterrichtseinheit>" + std::to_string(i) + "</Unterrichtseinheit>";
    lehrer += "<Unterrichtseinheit>x</Unterrichtseinheit></Sonstiges></Lehrerdaten></Lehrer></Alle_Lehrer>";
    auto v = ImportTeacherXml(Xml(lehrer), e, m, bericht);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->at(0).Unterrichtseinheit[35].UE_ID.str(), "35");
    EXPECT_EQ(v->at(0).Unterrichtseinheit[35].Nummer.get(), 35);

    std::string schule = "<Alle_Schulen><Schule><Schuldaten>";
    for (int i = 1; i <= 21; ++i) schule += "<Schulart>" + std::to_string(i) + "</Schulart>";
    schule += "<Unterrichtseinheit><UE_ID>abc</UE_ID></Unterrichtseinheit></Schuldaten></Schule></Alle_Schulen>";
    auto s = ImportSchoolXml(Xml(schule), e, m, bericht);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Schuldaten.Schulart[20].str(), "20");
    EXPECT_EQ(s->Schuldaten.Schulart[0].str(), "");
    EXPECT_EQ(s->Unterrichtseinheit[1].UE_ID_Text.str(), "abc");
    EXPECT_EQ(s->Unterrichtseinheit[1].UE_ID.get(), -2147483647); // not a number: below 0, never merged
}

TEST_F(Import, IdentifierNumbersComeFromTheTextAsStored) {
    auto v = ImportTeacherXml(Xml("<Alle_Lehrer><Lehrer><Lehrerdaten><Sonstiges><Unterrichtseinheit>123456"
                                  "</Unterrichtseinheit><Unterrichtseinheit>9876543</Unterrichtseinheit></Sonstiges>"
                                  "</Lehrerdaten></Lehrer></Alle_Lehrer>"),
                              e, m, bericht);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->at(0).Unterrichtseinheit[1].UE_ID.str(), "12345");
    EXPECT_EQ(v->at(0).Unterrichtseinheit[1].Nummer.get(), 12345);
    EXPECT_EQ(v->at(0).Unterrichtseinheit[2].UE_ID.str(), "98765");
    EXPECT_EQ(v->at(0).Unterrichtseinheit[2].Nummer.get(), 98765 - 65536); // low 16 bits of what is stored

    auto s = ImportSchoolXml(Xml("<Alle_Schulen><Schule><Schuldaten><Unterrichtseinheit><UE_ID>123456</UE_ID>"
                                 "</Unterrichtseinheit></Schuldaten></Schule></Alle_Schulen>"),
                             e, m, bericht);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Unterrichtseinheit[1].UE_ID_Text.str(), "12345");
    EXPECT_EQ(s->Unterrichtseinheit[1].UE_ID.get(), 12345);
}

TEST_F(Import, OrgformIsSplitBackIntoCodeAndText) {
    auto s = ImportSchoolXml(Xml("<Alle_Schulen><Schule><Schuldaten><Orgform>41, Waldorf, frei</Orgform>"
                                 "</Schuldaten></Schule></Alle_Schulen>"),
                             e, m, bericht);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Schuldaten.Orgform.str(), "41");
    EXPECT_EQ(s->Schuldaten.Orgform_Text.str(), "Waldorf, frei");
}

// --- merging the school ------------------------------------------------------------

TEST(Merge, FieldModes) {
    EXPECT_EQ(MergeField("neu", "alt", 0), "neu");
    EXPECT_EQ(MergeField("", "alt", 0), "");
    EXPECT_EQ(MergeField("neu", "alt", 1), "neu");
    EXPECT_EQ(MergeField("--", "alt", 1), "alt");
    EXPECT_EQ(MergeField(" -???-; []", "alt", 1), "alt");
    EXPECT_EQ(MergeField("neu", "alt", 2), "alt");
    EXPECT_EQ(MergeField("neu", "", 2), "neu");
    EXPECT_EQ(MergeField("neu", "--", 2), "neu");
}

class SchoolMerge : public ::testing::Test {
protected:
    void SetUp() override {
        InitSchule(*a, "12345");
        InitSchule(*i, "12345");
    }
    static void Einheit(TSchuleDS& s, int k, int id, const char* fach, const char* lehrer = "") {
        s.Unterrichtseinheit[k].UE_ID = id;
        s.Unterrichtseinheit[k].UE_ID_Text = std::to_string(id);
        s.Unterrichtseinheit[k].Fach = fach;
        s.Unterrichtseinheit[k].Lehrer = lehrer;
    }
    std::unique_ptr<TSchuleDS> a = std::make_unique<TSchuleDS>(), i = std::make_unique<TSchuleDS>();
    SkriptMeldungen m;
    ImportBericht bericht;
};

TEST_F(SchoolMerge, OverwriteFindsTheSameIdentifierAndKeepsTheTeacher) {
    Einheit(*a, 1, 5, "De", "L1");
    Einheit(*i, 1, 5, "Ma", "L9");
    Einheit(*i, 2, 8, "En", "L9");
    a->Schuldaten.Schulart[1] = "02";
    i->Schuldaten.Schulart[1] = "04";
    i->Schuldaten.Schulart[2] = "02";
    MergeSchoolImport(*a, *i, 0, 0, m, bericht);
    EXPECT_EQ(a->Unterrichtseinheit[1].Fach.str(), "Ma");
    EXPECT_EQ(a->Unterrichtseinheit[1].Lehrer.str(), "L1");
    EXPECT_EQ(a->Unterrichtseinheit[2].UE_ID.get(), 8);
    EXPECT_EQ(a->Unterrichtseinheit[2].Lehrer.str(), "");
    EXPECT_EQ(a->Schuldaten.Schulart[1].str(), "02");
    EXPECT_EQ(a->Schuldaten.Schulart[2].str(), "04");
    EXPECT_EQ(bericht.ueUebernommen, 2);
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(SchoolMerge, AppendTakesFreeUnitsAndFullTablesAreReportedOnce) {
    Einheit(*a, 1, 5, "De");
    Einheit(*i, 1, 5, "Ma");
    MergeSchoolImport(*a, *i, 1, 2, m, bericht);
    EXPECT_EQ(a->Unterrichtseinheit[1].Fach.str(), "De");
    EXPECT_EQ(a->Unterrichtseinheit[2].Fach.str(), "Ma");
    EXPECT_EQ(a->Unterrichtseinheit[2].UE_ID.get(), 5);

    for (int k = 1; k <= 1000; ++k) Einheit(*a, k, k, "De");
    Einheit(*i, 2, 2000, "Ma");
    ImportBericht voll;
    MergeSchoolImport(*a, *i, 1, 0, m, voll);
    EXPECT_EQ(voll.ueNichtPlatziert, 2);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Problem beim Import der UnterrichtsEinheiten aufgetreten!\r(Zu "
                                                  "viele oder nicht zu indentifizierende UnterrichtsEinheiten)\r\r"
                                                  "Prüfen Sie unbedingt die Daten!!!"});
}

TEST_F(SchoolMerge, OnlyMissingFieldsAreFilledInModeTwo) {
    a->freie_Traeger.Name = "Alt";
    i->freie_Traeger.Name = "Neu";
    i->freie_Traeger.PLZ = "99084";
    a->Schuldaten.Orgform_Text = "bleibt";
    MergeSchoolImport(*a, *i, 0, 2, m, bericht);
    EXPECT_EQ(a->freie_Traeger.Name.str(), "Alt");
    EXPECT_EQ(a->freie_Traeger.PLZ.str(), "99084");
    EXPECT_EQ(a->Schuldaten.Orgform_Text.str(), "bleibt");
}

// --- hostile and foreign input -----------------------------------------------------

class Hostile : public Import {
protected:
    // Imports through the area loading and expects one error message and the area untouched.
    void ErwarteAbgelehnt(const std::string& inhalt, const std::string& meldungsanfang) {
        e.XMLImport[2][1].Datei = Datei(inhalt, "Lehrer.XML");
        auto d = std::make_unique<Datenbestand>();
        d->Lehrer.DB.resize(2);
        d->Lehrer.DB[1].Grunddaten.Name = "bleibt";
        m.gezeigt.clear();
        const auto berichte = BereichImportieren(Bereich::Lehrer, *d, e, m);
        ASSERT_EQ(berichte.size(), 1u);
        EXPECT_FALSE(berichte[0].gelesen);
        ASSERT_EQ(m.gezeigt.size(), 1u);
        EXPECT_EQ(m.gezeigt[0].text.substr(0, meldungsanfang.size()), meldungsanfang) << m.gezeigt[0].text;
        ASSERT_EQ(d->Lehrer.DB.size(), 2u);
        EXPECT_EQ(d->Lehrer.DB[1].Grunddaten.Name.str(), "bleibt");
    }
};

TEST_F(Hostile, BrokenFilesAreRefusedWhole) {
    const std::string gut = "<Alle_Lehrer><Lehrer><Lehrernummer>1</Lehrernummer></Lehrer>";
    ErwarteAbgelehnt(gut, kParserFehler);                                    // truncated
    ErwarteAbgelehnt("Dies ist kein XML.", kParserFehler);                 // not XML
    ErwarteAbgelehnt("", kParserFehler);                                     // empty
    ErwarteAbgelehnt(gut + "</Alle_Lehrer><zweite/>", kParserFehler);        // two roots
    ErwarteAbgelehnt("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Alle_Lehrer>\xFF\xFE</Alle_Lehrer>",
                     kParserFehler); // invalid bytes for the declared encoding
    ErwarteAbgelehnt("<?xml version=\"1.0\" encoding=\"KOI8-R\"?><Alle_Lehrer/>", kParserFehler);
}

TEST_F(Hostile, TheParserErrorNamesLineAndColumn) {
    ErwarteAbgelehnt("<Alle_Lehrer>\n<Lehrer>\n</Alle_Lehrer>", kParserFehler + "3, Spalte 3: mismatched tag)");
    ErwarteAbgelehnt("<Alle_Lehrer><Lehrer>a & b</Lehrer></Alle_Lehrer>",
                     kParserFehler + "1, Spalte 25: not well-formed (invalid token))");
}

TEST_F(Hostile, EntityExpansionAndExternalEntities) {
    std::string lachen = "<?xml version=\"1.0\"?><!DOCTYPE Alle_Lehrer [<!ENTITY a0 \"hahahahahahahahahaha\">";
    for (int i = 1; i <= 12; ++i) {
        lachen += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) lachen += "&a" + std::to_string(i - 1) + ";";
        lachen += "\">";
    }
    lachen += "]><Alle_Lehrer><Lehrer><Lehrerdaten><freie_Traeger><Grunddaten><Name>&a12;</Name></Grunddaten>"
              "</freie_Traeger></Lehrerdaten></Lehrer></Alle_Lehrer>";
    ErwarteAbgelehnt(lachen, kParserFehler);

    // An external entity is never loaded: its reference simply gives nothing.
    test::DateiSchreiben(o / "geheim.txt", {'g', 'e', 'h', 'e', 'i', 'm'});
    const auto pfad = Datei("<?xml version=\"1.0\"?><!DOCTYPE Alle_Lehrer [<!ENTITY x SYSTEM \"file://" +
                            (o / "geheim.txt") +
                            "\">]><Alle_Lehrer><Lehrer><Lehrernummer>&x;</Lehrernummer></Lehrer></Alle_Lehrer>");
    m.gezeigt.clear();
    auto v = ImportTeacherXml(pfad, e, m, bericht);
    if (v) {
        ASSERT_EQ(v->size(), 1u);
        EXPECT_EQ((*v)[0].Lehrernummer.str(), "");
    } else {
        ASSERT_EQ(m.gezeigt.size(), 1u); // refused outright is as good
    }
}

TEST_F(Hostile, HugeTextAndDeepNestingDoNotHurt) {
    std::string gross = "<Alle_Lehrer><Lehrer><Lehrernummer>" + std::string(10 * 1024 * 1024, 'x') +
                        "</Lehrernummer></Lehrer></Alle_Lehrer>";
    auto v = ImportTeacherXml(Datei(gross), e, m, bericht);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->at(0).Lehrernummer.str(), std::string(10, 'x'));

    std::string tief = "<Alle_Lehrer>";
    for (int i = 0; i < 100000; ++i) tief += "<a>";
    for (int i = 0; i < 100000; ++i) tief += "</a>";
    tief += "</Alle_Lehrer>";
    v = ImportTeacherXml(Datei(tief), e, m, bericht);
    EXPECT_FALSE(v); // read to its end, but without a record
    EXPECT_TRUE(bericht.gelesen);
    EXPECT_TRUE(bericht.keineDatensaetze);
    EXPECT_EQ(bericht.unbekannt["a"], 100000);
}

TEST_F(Hostile, AHugeTokenIsReadInGrowingChunks) {
    // Expat scans an unfinished token again with every chunk: 24 MB in chunks of
    // 256 KiB would be scanned 96 times over. Growing chunks keep it to a few.
    for (const auto& [anfang, ende] :
         {std::pair<std::string, std::string>{"<Lehrer a=\"", "\">"}, {"<!--", "--><Lehrer>"}}) {
        const auto pfad =
            Datei("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Alle_Lehrer>" + anfang +
                  std::string(24u << 20, 'x') + ende + "<Lehrernummer>7</Lehrernummer></Lehrer></Alle_Lehrer>");
        XmlPartScanner sc;
        std::string fehler;
        ASSERT_TRUE(sc.Laden(pfad, fehler));
        XmlTeil t;
        std::string nummer;
        while (sc.Naechster(t))
            if (t.art == XmlTeilArt::Text) nummer = t.text;
        EXPECT_FALSE(sc.Fehlerhaft());
        EXPECT_EQ(nummer, "7");
        EXPECT_LE(sc.Bloecke(), 12u);
    }
}

TEST_F(Import, Utf8AndWindows1252ArriveAsTheSameBytes) {
    const std::string koerper = "<Alle_Klassen><Klasse><Klassenname>%s</Klassenname></Klasse></Alle_Klassen>";
    const auto mit = [&](const std::string& kopf, const std::string& name) {
        std::string s = koerper;
        s.replace(s.find("%s"), 2, name);
        return Datei(kopf + s);
    };
    const std::string erwartet = "M\xFCller \x80";
    for (const auto& [kopf, name] : {std::pair<std::string, std::string>{"", "Müller €"},
                                     {"\xEF\xBB\xBF", "Müller €"},
                                     {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "Müller €"},
                                     {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "M\xFCller \x80"},
                                     {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "M\xFCller \x80"},
                                     {"<?xml version=\"1.0\"?>", "M&#252;ller &#8364;"}}) {
        SCOPED_TRACE(kopf);
        auto v = ImportClassXml(mit(kopf, name), e, m, bericht);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->at(0).Klassenname.str(), erwartet);
    }
    // UTF-16 with its byte-order mark, and a character Windows-1252 does not have.
    const std::string u8 = "<Alle_Klassen><Klasse><Klassenname>Ω ü</Klassenname></Klasse></Alle_Klassen>";
    std::string u16 = "\xFF\xFE";
    for (std::size_t i = 0; i < u8.size();) {
        const auto b = static_cast<unsigned char>(u8[i]);
        char32_t cp = b;
        std::size_t n = 1;
        if (b >= 0xC0) cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(u8[i + 1]) & 0x3Fu), n = 2;
        u16 += static_cast<char>(cp & 0xFF);
        u16 += static_cast<char>(cp >> 8);
        i += n;
    }
    auto v = ImportClassXml(Datei(u16), e, m, bericht);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->at(0).Klassenname.str(), "? \xFC");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(Import, UndeclaredFilesThatAreNotUtf8AreReadAsWindows1252) {
    const std::string koerper = "<Alle_Klassen><Klasse><Klassenname>5\xE4 \x80</Klassenname></Klasse></Alle_Klassen>";
    for (const std::string& kopf : {std::string(), std::string("<?xml version=\"1.0\"?>\n")}) {
        SCOPED_TRACE(kopf);
        bericht = ImportBericht{};
        auto v = ImportClassXml(Datei(kopf + koerper), e, m, bericht);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->at(0).Klassenname.str(), "5\xE4 \x80");
        EXPECT_TRUE(bericht.alsWindows1252);
        EXPECT_EQ(BerichtText(bericht), "Datei: " + (o / "f.xml") +
                                            "\nRoot-Tag: Alle_Klassen\nohne Kodierungsangabe und nicht UTF-8: als "
                                            "Windows-1252 gelesen\nDatensätze übernommen: 1\n");
    }
    // UTF-8 stays UTF-8, and a declared encoding keeps its rules.
    bericht = ImportBericht{};
    ASSERT_TRUE(ImportClassXml(Datei("<Alle_Klassen><Klasse><Klassenname>5ä</Klassenname></Klasse></Alle_Klassen>"), e,
                               m, bericht));
    EXPECT_FALSE(bericht.alsWindows1252);
    EXPECT_FALSE(ImportClassXml(Datei("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + koerper), e, m, bericht));
    EXPECT_TRUE(m.gezeigt.size() == 1 && m.gezeigt[0].text.starts_with(kParserFehler));
}

TEST_F(Import, AFileWithoutRecordsLeavesTheAreaAsItWas) {
    e.XMLImport[3][1].Datei = Datei("<Alle_Klassen></Alle_Klassen>", "Klassen.XML");
    auto d = std::make_unique<Datenbestand>();
    d->Klassen.DB.resize(4);
    d->Klassen.DB[3].Klassenname = "4d";
    const auto berichte = BereichImportieren(Bereich::Klassen, *d, e, m);
    ASSERT_EQ(berichte.size(), 1u);
    EXPECT_TRUE(berichte[0].gelesen);
    EXPECT_TRUE(berichte[0].keineDatensaetze);
    ASSERT_EQ(d->Klassen.DB.size(), 4u);
    EXPECT_EQ(d->Klassen.DB[3].Klassenname.str(), "4d");
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei " + (o / "Klassen.XML") +
                                                  " enthält keine übernehmbaren Datensätze. Die vorhandenen Daten "
                                                  "bleiben unverändert."});
}

TEST_F(Import, OrdersStopAtTheFirstMissingFileAndTheLastReplaces) {
    e.XMLImport[3][1].Datei = Datei("<Alle_Klassen><Klasse><Klassenname>A</Klassenname></Klasse></Alle_Klassen>",
                                    "k1.xml");
    e.XMLImport[3][2].Datei = Datei("<Alle_Klassen><Klasse><Klassenname>B</Klassenname></Klasse><Klasse>"
                                    "<Klassenname>C</Klassenname></Klasse></Alle_Klassen>",
                                    "k2.xml");
    e.XMLImport[3][3].Datei = Datei("<Alle_Klassen/>", "k3.xml");
    auto d = std::make_unique<Datenbestand>();
    EXPECT_EQ(BereichImportieren(Bereich::Klassen, *d, e, m).size(), 3u);
    EXPECT_EQ(d->Klassen.DB.size(), 2u); // the third file had no record and left the second's

    e.XMLImport[3][2].Datei = o / "fehlt.xml";
    EXPECT_EQ(BereichImportieren(Bereich::Klassen, *d, e, m).size(), 1u);
    ASSERT_EQ(d->Klassen.DB.size(), 1u);
    EXPECT_EQ(d->Klassen.DB[0].Klassenname.str(), "A");
}

TEST(ReportText, NamesWhatWasDropped) {
    ImportBericht b;
    b.datei = "/x/Lehrer.XML";
    b.root = "Alle_Lehrer";
    b.gelesen = true;
    b.datensaetze = 3;
    b.abgelehnt = 1;
    b.unbekannt["Hobby"] = 2;
    EXPECT_EQ(BerichtText(b), "Datei: /x/Lehrer.XML\nRoot-Tag: Alle_Lehrer\nDatensätze übernommen: 3\nDatensätze "
                              "anderer Schulen abgelehnt: 1\nunbekannter XML-Tag (Hobby): 2x übergangen\n");
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// Everything the import does not take as the file holds it is in the report, with
// the record, the element and what happened; CDATA is text. "0" is an unused slot
// as the files write it, and no loss.
TEST_F(Import, TheReportNamesEveryValueCutDroppedReplacedOrDoubled) {
    const std::string lang(31, 'x'); // one character over is cut and named
    std::string ue;
    for (int i = 1; i <= 37; ++i) ue += "<Unterrichtseinheit>" + std::to_string(i) + "</Unterrichtseinheit>";
    const std::string datei =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<Alle_Lehrer>"
        "<Lehrer><Schulnummer>12345</Schulnummer><Lehrernummer>KNT</Lehrernummer><Lehrerdaten><freie_Traeger>"
        "<Grunddaten><Name><![CDATA[Bauer & Co]]></Name><Vorname>Do<![CDATA[reen]]></Vorname><Geschlecht>3"
        "</Geschlecht></Grunddaten></freie_Traeger><Sonstiges><Unterrichtseinheit>0</Unterrichtseinheit>"
        "<Unterrichtseinheit>-1</Unterrichtseinheit><Unterrichtseinheit>abc</Unterrichtseinheit></Sonstiges>"
        "</Lehrerdaten></Lehrer>"
        "<Lehrer><Schulnummer>12345</Schulnummer><Lehrernummer>KNT</Lehrernummer><Lehrerdaten><freie_Traeger>"
        "<Grunddaten><Name>Ω-Müller</Name><Vorname>" +
        lang + "</Vorname></Grunddaten></freie_Traeger><Sonstiges>" + ue +
        "</Sonstiges></Lehrerdaten></Lehrer></Alle_Lehrer>";
    auto v = ImportTeacherXml(Datei(datei), e, m, bericht);
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), 2u);
    EXPECT_EQ(v->at(0).Grunddaten.Name.str(), "Bauer & Co");
    EXPECT_EQ(v->at(0).Grunddaten.Vorname.str(), "Doreen");
    EXPECT_EQ(v->at(1).Grunddaten.Vorname.str(), std::string(30, 'x'));
    const std::string erster = "1. Lehrer (KNT Bauer & Co, Doreen)", zweiter = "2. Lehrer (KNT ?-Müller, " +
                                                                                  std::string(30, 'x') + ")";
    const std::string ueElement = "Lehrerdaten/Sonstiges/Unterrichtseinheit";
    const std::vector<ImportVerlust> erwartet = {
        {erster, "Lehrerdaten/freie_Traeger/Grunddaten/Geschlecht", "keine Wahl (1 oder 2), nicht übernommen", "3"},
        {erster, ueElement, "ungültige UE_ID", "-1"},
        {erster, ueElement, "ungültige UE_ID", "abc"},
        {zweiter, "Lehrerdaten/freie_Traeger/Grunddaten/Name",
         "1 Zeichen ohne Gegenstück in Windows-1252 durch \"?\" ersetzt", "?-Müller"},
        {zweiter, "Lehrerdaten/freie_Traeger/Grunddaten/Vorname", "auf 30 Zeichen gekürzt", lang},
        {zweiter, ueElement, "kein Platz (35 belegt)", "36"},
        {zweiter, ueElement, "kein Platz (35 belegt)", "37"},
        {zweiter, "Lehrernummer", "doppelte Lehrernummer", "KNT"},
    };
    EXPECT_EQ(bericht.verluste, erwartet);
    const std::string text = BerichtText(bericht);
    EXPECT_NE(text.find("nicht wie in der Datei übernommen: 8\n  " + erster +
                        ", Lehrerdaten/freie_Traeger/Grunddaten/Geschlecht \"3\": keine Wahl (1 oder 2), nicht "
                        "übernommen\n"),
              std::string::npos)
        << text;
}

// Units of the school beyond the table's 1000 are counted as without room, with the rest.
TEST_F(Import, SchoolUnitsBeyondTheTableAreCountedAsWithoutRoom) {
    std::string schule = "<Alle_Schulen><Schule><Schuldaten></Schuldaten>";
    for (int i = 1; i <= 1003; ++i)
        schule += "<Unterrichtseinheit><UE_ID>" + std::to_string(i) + "</UE_ID></Unterrichtseinheit>";
    schule += "</Schule></Alle_Schulen>";
    ASSERT_TRUE(ImportSchoolXml(Xml(schule), e, m, bericht));
    EXPECT_EQ(bericht.ueNichtPlatziert, 3);
    ASSERT_EQ(bericht.verluste.size(), 3u);
    EXPECT_EQ(bericht.verluste[2], (ImportVerlust{"Schule (12345)", "Unterrichtseinheit/UE_ID",
                                                  "kein Platz (1000 belegt)", "1003"}));
}

} // namespace
} // namespace zev
