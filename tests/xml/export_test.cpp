#include "io/file_io.h"
#include "model/database.h"
#include "model/encoding.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "xml/export_trees.h"
#include "xml/xml_import.h"
#include "xml/xml_writer.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zev {
namespace {

using test::SkriptMeldungen;
using test::TempOrdner;

// Expected texts are written with "\n"; the files have CR LF.
std::string Crlf(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (c == '\n') r += '\r';
        r += c;
    }
    return r;
}

const std::string kKopf = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n";

class XmlExport : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, "/p/");
        e.Schulnummer = "12345";
        InitSchule(*s, "1234567");
    }
    TEinstellungen e;
    std::unique_ptr<TSchuleDS> s = std::make_unique<TSchuleDS>();
    SkriptMeldungen m;
};

const char* kLeereUE = R"(      <Unterrichtseinheit>
        <UE_ID>0</UE_ID>
        <Schulart></Schulart>
        <Jahrgang></Jahrgang>
        <Klasse></Klasse>
        <Fach></Fach>
        <Kurs></Kurs>
        <Bilingual></Bilingual>
        <Stunden></Stunden>
        <Lehrer></Lehrer>
      </Unterrichtseinheit>
)";

TEST_F(XmlExport, SchoolLayoutOneWithoutLessonUnitsStillWritesEntryOne) {
    e.XMLLayout = 1;
    const std::string erwartet = kKopf + Crlf(std::string(R"(<!-- Dateiname: Schule.XML -->


<Alle_Schulen>
  <Schule>
    <Schulnummer>1234567</Schulnummer>
    <Schuldaten>
      <Schulart></Schulart>
      <Orgform></Orgform>
)") + kLeereUE + R"(    </Schuldaten>
  </Schule>
</Alle_Schulen>

)");
    EXPECT_EQ(SchulXml(*s, e, "Schule.XML"), erwartet);
}

TEST_F(XmlExport, SchoolTypesOrgformGanztagUnitsAndNichteinschulung) {
    e.XMLLayout = 1;
    s->Schuldaten.Schulart[1] = "01";
    s->Schuldaten.Schulart[5] = "04";
    s->Schuldaten.Schulart[0] = "99"; // element 0 is never exported
    s->Schuldaten.Orgform = "41";
    s->Schuldaten.Orgform_Text = "Waldorf";
    s->Schuldaten.Ganztag = "--";
    for (int k : {1, 2, 7}) {
        s->Unterrichtseinheit[k].UE_ID = k * 10;
        s->Unterrichtseinheit[k].Fach = "De";
        s->Unterrichtseinheit[k].Fach_Text = "nicht exportiert";
    }
    s->Unterrichtseinheit[4].Fach = "Ma"; // no identifier: not written
    s->Nichteinschulung[1].Art = "1";
    s->Nichteinschulung[1].maennlich = "3";
    const std::string x = SchulXml(*s, e, "Schule.XML");
    EXPECT_NE(x.find("      <Schulart>01</Schulart>\r\n      <Schulart>04</Schulart>\r\n      <Orgform>41, "
                     "Waldorf</Orgform>\r\n      <Unterrichtseinheit>\r\n        <UE_ID>10</UE_ID>"),
              std::string::npos);
    EXPECT_EQ(x.find("<Ganztag>"), std::string::npos);
    EXPECT_EQ(x.find("99"), std::string::npos);
    EXPECT_EQ(x.find("nicht exportiert"), std::string::npos);
    EXPECT_EQ(x.find(">Ma<"), std::string::npos);
    const auto p10 = x.find("<UE_ID>10<"), p20 = x.find("<UE_ID>20<"), p70 = x.find("<UE_ID>70<");
    EXPECT_TRUE(p10 < p20 && p20 < p70 && p70 != std::string::npos);
    EXPECT_NE(x.find("      <Nichteinschulung>\r\n        <Art>1</Art>\r\n        <maennlich>3</maennlich>\r\n       "
                     " <weiblich></weiblich>\r\n      </Nichteinschulung>\r\n    </Schuldaten>"),
              std::string::npos);

    s->Schuldaten.Orgform_Text = "";
    s->Nichteinschulung[1].Art = "";
    s->Schuldaten.Ganztag = "2";
    const std::string y = SchulXml(*s, e, "Schule.XML");
    EXPECT_NE(y.find("<Orgform>41</Orgform>\r\n      <Ganztag>2</Ganztag>"), std::string::npos);
    EXPECT_EQ(y.find("Nichteinschulung"), std::string::npos);
}

TEST_F(XmlExport, FreeCarrierBlockOnlyWithTheSetting) {
    e.XMLLayout = 1;
    s->freie_Traeger.Name = "Verein & Co <e.V.>";
    EXPECT_EQ(SchulXml(*s, e, "S").find("freie_Traeger"), std::string::npos);
    e.FreierTraeger = 1;
    const std::string x = SchulXml(*s, e, "S");
    EXPECT_NE(x.find("      <freie_Traeger>\r\n        <Name>Verein &amp; Co &lt;e.V.></Name>\r\n        "
                     "<Schulamt></Schulamt>"),
              std::string::npos);
    EXPECT_NE(x.find("        <Schulleiter>\r\n          <Anrede></Anrede>\r\n          <Titel></Titel>\r\n          "
                     "<Name></Name>\r\n          <Telefon></Telefon>\r\n        </Schulleiter>\r\n      "
                     "</freie_Traeger>\r\n      <Unterrichtseinheit>"),
              std::string::npos);
}

TEST_F(XmlExport, ClassFileInEachLayout) {
    std::vector<TKlasseDS> k(1);
    InitKlasse(k[0], "12345");
    k[0].Klassenname = "5a";
    k[0].Klassenbesonderheit[2] = "B";
    k[0].Klassenbesonderheit[3] = "--"; // a length test: written as stored

    e.XMLLayout = 0;
    EXPECT_EQ(KlassenXml(k, e, "Klassen.XML"), kKopf + Crlf(R"(<!-- Dateiname: Klassen.XML -->


<Alle_Klassen>
  <Klasse>
    <Schulnummer>
      12345
    </Schulnummer>
    <Klassenname>
      5a
    </Klassenname>
    <Klassenbesonderheit>
      B
    </Klassenbesonderheit>
    <Klassenbesonderheit>
      --
    </Klassenbesonderheit>
  </Klasse>
</Alle_Klassen>

)"));

    e.XMLLayout = 2;
    EXPECT_EQ(KlassenXml(k, e, "K"),
              kKopf + "<!-- Dateiname: K -->\r\n<Alle_Klassen><Klasse><Schulnummer>12345</Schulnummer><Klassenname>5a<"
                      "/Klassenname><Klassenbesonderheit>B</Klassenbesonderheit><Klassenbesonderheit>--</"
                      "Klassenbesonderheit></Klasse></Alle_Klassen>\r\n");

    e.XMLLayout = 3;
    k[0].Klassenname = "";
    k[0].Klassenbesonderheit[2] = "";
    k[0].Klassenbesonderheit[3] = "";
    EXPECT_EQ(KlassenXml(k, e, "K"), kKopf + Crlf(R"(<!-- Dateiname: K -->
<Alle_Klassen>
  <Klasse>
    <Schulnummer>
      12345
    </Schulnummer>
    <Klassenname>
      
    </Klassenname>
  </Klasse>
</Alle_Klassen>

)"));
    // Any other layout value writes its elements as layout 0 does.
    e.XMLLayout = 9;
    const std::string neun = KlassenXml(k, e, "K");
    e.XMLLayout = 3;
    EXPECT_EQ(neun, KlassenXml(k, e, "K"));
}

// The file declares ISO-8859-1, so the Windows-1252 characters that ISO-8859-1
// lacks (bytes 0x80..0x9F) go out as character references; every other byte,
// umlauts included, stays as it was.
TEST_F(XmlExport, CharactersOutsideIsoLatin1AreCharacterReferences) {
    std::vector<TKlasseDS> k(2);
    InitKlasse(k[0], "12345");
    InitKlasse(k[1], "12345");
    k[0].Klassenname = "\x80uro\x85";
    k[0].Klassenbesonderheit[1] = "\x81";
    k[0].Klassenbesonderheit[2] = "\x9F";
    k[1].Klassenname = "M\xFC\xDF\xA0\xFF&<";
    e.XMLLayout = 2;
    EXPECT_EQ(KlassenXml(k, e, "K"),
              kKopf + "<!-- Dateiname: K -->\r\n<Alle_Klassen><Klasse><Schulnummer>12345</Schulnummer><Klassenname>"
                      "&#8364;uro&#8230;</Klassenname><Klassenbesonderheit>&#129;</Klassenbesonderheit>"
                      "<Klassenbesonderheit>&#376;</Klassenbesonderheit></Klasse><Klasse><Schulnummer>12345"
                      "</Schulnummer><Klassenname>M\xFC\xDF\xA0\xFF&amp;&lt;</Klassenname></Klasse></Alle_Klassen>"
                      "\r\n");
}

// Every byte a name can hold, written, then read by a plain expat parser (as any
// receiver of the file would) and by the import: both see the same characters.
TEST_F(XmlExport, EveryByteReadsBackAsItsCharacterWithAnyParser) {
    std::string bytes = "!";
    bytes += ' '; // inside a name, where normalising keeps it
    for (int b = 0x22; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    std::vector<TLehrerDS> l;
    for (std::size_t von = 0; von < bytes.size(); von += 30) {
        TLehrerDS& t = l.emplace_back();
        InitLehrer(t, "12345");
        t.Lehrernummer = std::to_string(l.size());
        t.Grunddaten.Name = bytes.substr(von, 30);
    }
    e.FreierTraeger = 1;
    TempOrdner o;
    const std::string xml = LehrerXml(l, e, "Lehrer.XML");
    test::DateiSchreiben(o / "Lehrer.XML", std::vector<std::uint8_t>(xml.begin(), xml.end()));

    struct Namen {
        std::vector<std::string> gelesen;
        bool imNamen = false;
    } namen;
    XML_Parser p = XML_ParserCreate(nullptr);
    XML_SetUserData(p, &namen);
    XML_SetElementHandler(
        p,
        [](void* d, const XML_Char* n, const XML_Char**) {
            auto* x = static_cast<Namen*>(d);
            x->imNamen = std::strcmp(n, "Name") == 0;
            if (x->imNamen) x->gelesen.emplace_back();
        },
        [](void* d, const XML_Char*) { static_cast<Namen*>(d)->imNamen = false; });
    XML_SetCharacterDataHandler(p, [](void* d, const XML_Char* text, int n) {
        auto* x = static_cast<Namen*>(d);
        if (x->imNamen) x->gelesen.back().append(text, static_cast<std::size_t>(n));
    });
    ASSERT_EQ(XML_Parse(p, xml.data(), static_cast<int>(xml.size()), 1), XML_STATUS_OK)
        << XML_ErrorString(XML_GetErrorCode(p));
    XML_ParserFree(p);
    ASSERT_EQ(namen.gelesen.size(), l.size());
    for (std::size_t i = 0; i < l.size(); ++i)
        EXPECT_EQ(namen.gelesen[i], Cp1252ToUtf8(l[i].Grunddaten.Name.view())) << "teacher " << i;
    EXPECT_EQ(namen.gelesen[0].substr(0, 2), "! ");
    EXPECT_NE(namen.gelesen[3].find("\u20AC\u0081\u201A"), std::string::npos); // 0x80 0x81 0x82

    ImportBericht bericht;
    const auto v = ImportTeacherXml(o / "Lehrer.XML", e, m, bericht);
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), l.size());
    for (std::size_t i = 0; i < l.size(); ++i)
        EXPECT_EQ((*v)[i].Grunddaten.Name.str(), l[i].Grunddaten.Name.str()) << "teacher " << i;
    EXPECT_TRUE(m.gezeigt.empty());
}

class TeacherExport : public XmlExport {
protected:
    void SetUp() override {
        XmlExport::SetUp();
        e.XMLLayout = 1;
        InitLehrer(l[0], "12345");
        l[0].Lehrernummer = "L1";
    }
    std::vector<TLehrerDS> l = std::vector<TLehrerDS>(1);
};

TEST_F(TeacherExport, PublicSchoolGivesOnlySonstiges) {
    EXPECT_EQ(LehrerXml(l, e, "Lehrer.XML"), kKopf + Crlf(R"(<!-- Dateiname: Lehrer.XML -->


<Alle_Lehrer>
  <Lehrer>
    <Schulnummer>12345</Schulnummer>
    <Lehrernummer>L1</Lehrernummer>
    <Lehrerdaten>
      <Sonstiges>
        <Taetigkeit></Taetigkeit>
        <Personengruppe></Personengruppe>
        <Unterrichtseinheit>0</Unterrichtseinheit>
      </Sonstiges>
    </Lehrerdaten>
  </Lehrer>
</Alle_Lehrer>

)"));
}

// Every element in its place: the round trip and the schemas. Here the entries of a
// group in one container, and the lesson-unit references written or not.
TEST_F(TeacherExport, FreeCarrierBlockWithGroupsInOneContainer) {
    e.FreierTraeger = 1;
    TLehrerDS& r = l[0];
    r.Arbeitszeitkonto[2].Grund_mehr = "01";
    r.Arbeitszeitkonto[4].Anzahl_minder = "1.5";
    r.Anrechnungsstunden[3].Stunden = "2";
    r.Unterrichtseinheit[2].Nummer = 7;
    r.Unterrichtseinheit[2].UE_ID = "7";
    r.Unterrichtseinheit[3].UE_ID = "8"; // Nummer 0: not written
    r.Unterrichtseinheit[4].Nummer = 9;
    r.Unterrichtseinheit[4].UE_ID = "--"; // empty in the tables' sense: not written
    const std::string x = LehrerXml(l, e, "Lehrer.XML");
    EXPECT_NE(x.find(Crlf(R"(
        <Arbeitszeitkonto>
          <Grund_mehr>01</Grund_mehr>
          <Anzahl_mehr></Anzahl_mehr>
          <Grund_minder></Grund_minder>
          <Anzahl_minder></Anzahl_minder>
          <Grund_mehr></Grund_mehr>
          <Anzahl_mehr></Anzahl_mehr>
          <Grund_minder></Grund_minder>
          <Anzahl_minder>1.5</Anzahl_minder>
        </Arbeitszeitkonto>
        <Anrechnungsstunden>
          <Grund></Grund>
          <Stunden>2</Stunden>
        </Anrechnungsstunden>
      </freie_Traeger>
)")),
              std::string::npos)
        << x;
    EXPECT_NE(x.find(Crlf(R"(
        <Unterrichtseinheit>0</Unterrichtseinheit>
        <Unterrichtseinheit>7</Unterrichtseinheit>
      </Sonstiges>
)")),
              std::string::npos)
        << x;
}

TEST_F(TeacherExport, VertretungOnceWhateverTheTrainingEntries) {
    e.FreierTraeger = 1;
    l[0].Grunddaten.Ausbildung[1] = "GY";
    l[0].Grunddaten.Ausbildung[4] = "GS";
    l[0].Grunddaten.Ausbildung[5] = "--";
    const std::string x = LehrerXml(l, e, "L");
    EXPECT_NE(x.find("<Ausbildung>GY</Ausbildung>\r\n          <Ausbildung>GS</Ausbildung>\r\n          <Fach_Lehrb>"),
              std::string::npos);
    EXPECT_EQ(x.find("<Vertretung>"), x.rfind("<Vertretung>"));
    EXPECT_NE(x.find("<Vertretung>"), std::string::npos);
}

TEST_F(TeacherExport, ChangeDatesWithoutADigitAreNoChangeInAnyTest) {
    auto xml = [&] { return LehrerXml(l, e, "L"); };
    // The initial text, an untouched box and their birth-date forms: no block at all.
    for (const char* ohne : {"  .  .20  ", "??.??.20??", "  .  .19  ", "??.??.19??", ""}) {
        for (const char* anderes : {"  .  .20  ", "??.??.20??"}) {
            l[0].Zu_Abgang.Zugang.Datum = ohne;
            l[0].Zu_Abgang.Abgang.Datum = anderes;
            EXPECT_EQ(xml().find("Zu_Abgang"), std::string::npos) << ohne << " / " << anderes;
            std::swap(l[0].Zu_Abgang.Zugang.Datum, l[0].Zu_Abgang.Abgang.Datum);
            EXPECT_EQ(xml().find("Zu_Abgang"), std::string::npos) << anderes << " / " << ohne;
        }
    }

    // A real leaving date beside an untouched arrival gives the Abgang block alone.
    l[0].Zu_Abgang.Zugang.Datum = "??.??.20??";
    l[0].Zu_Abgang.Abgang.Datum = "31.07.2026";
    EXPECT_NE(xml().find("      </Sonstiges>\r\n      <Zu_Abgang>\r\n        <Abgang>\r\n          <Art></Art>\r\n"
                         "          <Datum>31.07.2026</Datum>\r\n        </Abgang>\r\n      </Zu_Abgang>\r\n"),
              std::string::npos)
        << xml();

    // A kind of arrival writes its block with the date as stored, digits or not.
    l[0].Zu_Abgang.Abgang.Datum = "  .  .20  ";
    l[0].Zu_Abgang.Zugang.Art = "03";
    EXPECT_NE(xml().find("      </Sonstiges>\r\n      <Zu_Abgang>\r\n        <Zugang>\r\n          <Art>03</Art>\r\n"
                         "          <Datum>??.??.20??</Datum>\r\n        </Zugang>\r\n      </Zu_Abgang>\r\n"),
              std::string::npos)
        << xml();
}

TEST_F(TeacherExport, EinsatzEntriesInOneContainer) {
    l[0].Einsatz[1].Art = "1";
    l[0].Einsatz[3].Stunden = "4";
    EXPECT_NE(
        LehrerXml(l, e, "L").find("      <Einsatz>\r\n        <Art>1</Art>\r\n        <Jahrgang></Jahrgang>\r\n   "
                                  "     <Stunden></Stunden>\r\n        <Art></Art>\r\n        "
                                  "<Jahrgang></Jahrgang>\r\n        <Stunden>4</Stunden>\r\n      </Einsatz>\r\n"),
        std::string::npos);
}

TEST_F(XmlExport, StudentFile) {
    e.XMLLayout = 1;
    std::vector<TSchuelerDS> v(1);
    TSchuelerDS& r = v[0];
    InitSchueler(r, "12345");
    r.Schuelernummer = "S1";
    r.Grunddaten.Migrantenstatus = "--"; // the empty marks that fit two characters
    r.Grunddaten.Einschulung.Einschulungsjahr = "2015";
    r.Grunddaten.Einschulung.Einschulungsart = "1";
    r.Jahrgangsdaten.Wiederholer = "1";
    r.Jahrgangsdaten.Unterrichtseinheit[2].UE_ID = "0"; // Nummer 0: only entry 1 is always written
    r.Jahrgangsdaten.Unterrichtseinheit[3].Nummer = 4;
    r.Jahrgangsdaten.Unterrichtseinheit[3].UE_ID = "--"; // empty in the tables' sense: not written
    r.Fremdsprachen[1].Sprache = "ENG";
    r.Fremdsprachen[3].Sprache = "FRA";
    r.Abschluss.berufsbezogener[2].Jahr = "2024";
    r.Ausbildung.Standort_Text = "nur Text"; // does not count for the block
    const std::string x = SchuelerXml(v, e, "Schueler.XML");
    EXPECT_EQ(x, kKopf + Crlf(R"(<!-- Dateiname: Schueler.XML -->


<Alle_Schueler>
  <Schueler>
    <Schulnummer>12345</Schulnummer>
    <Schuelernummer>S1</Schuelernummer>
    <Schuelerdaten>
      <Grunddaten>
        <Name>  - frei -</Name>
        <Vorname></Vorname>
        <Geschlecht>0</Geschlecht>
        <Geburtsdatum></Geburtsdatum>
        <Staatsangehoerigkeit></Staatsangehoerigkeit>
        <Verkehrssprache></Verkehrssprache>
        <Zuzug></Zuzug>
        <Einschulung>
          <Einschulungsart>1</Einschulungsart>
          <Einschulungsjahr>2015</Einschulungsjahr>
        </Einschulung>
        <Anschrift>
          <Gemeinde></Gemeinde>
          <Wohnort></Wohnort>
          <PLZ></PLZ>
          <Strasse></Strasse>
        </Anschrift>
        <vorherige_Schule></vorherige_Schule>
        <Herkunft>
          <Schulart></Schulart>
          <Jahrgang></Jahrgang>
        </Herkunft>
      </Grunddaten>
      <Jahrgangsdaten>
        <Klasse></Klasse>
        <Jahrgang></Jahrgang>
        <Schulart></Schulart>
        <Wiederholer>1</Wiederholer>
        <LRS></LRS>
        <Dyskalkulie></Dyskalkulie>
        <Bildungsgang></Bildungsgang>
        <Extern></Extern>
        <Unterrichtseinheit>0</Unterrichtseinheit>
      </Jahrgangsdaten>
      <Fremdsprachen>
        <Erwerb></Erwerb>
        <Sprache>ENG</Sprache>
        <Art></Art>
      </Fremdsprachen>
      <Fremdsprachen>
        <Erwerb></Erwerb>
        <Sprache>FRA</Sprache>
        <Art></Art>
      </Fremdsprachen>
      <Abschluss>
        <berufsbezogener>
          <Beruf></Beruf>
          <Jahr>2024</Jahr>
        </berufsbezogener>
      </Abschluss>
    </Schuelerdaten>
  </Schueler>
</Alle_Schueler>

)"));
}

TEST(XmlFileName, Normalisation) {
    SkriptMeldungen m;
    EXPECT_EQ(NormaliseXmlFileName("schule", m), "schule.XML");
    EXPECT_EQ(NormaliseXmlFileName("Daten.xml", m), "Daten.xml");
    EXPECT_EQ(NormaliseXmlFileName("  \tLehrer.XML \r\n", m), "Lehrer.XML");
    EXPECT_EQ(NormaliseXmlFileName("abc", m), "abc.XML");
    EXPECT_EQ(NormaliseXmlFileName(" \x01 ", m), "");
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(NormaliseXmlFileName("?", m), "");
    EXPECT_EQ(NormaliseXmlFileName(".x", m), "");
    ASSERT_EQ(m.gezeigt.size(), 2u);
    EXPECT_EQ(m.gezeigt[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(m.gezeigt[0].text,
              "Dateiname: ? kann nicht benutzt werden!\r\rBeachten Sie die Regeln zur Bildung von Dateinamen!");
    EXPECT_EQ(NormaliseXmlFileName("?abcd", m), "?abcd.XML"); // the refusal is for names of up to four characters
}

TEST(XmlFiles, WrittenToTheExportFolderUnderTheSettingsName) {
    TempOrdner o;
    SkriptMeldungen m;
    TEinstellungen e;
    EinstellungenStandard(e, o.Pfad());
    e.XMLDateiKlassen = "";
    e.XMLDateiLehrer = "meine_lehrer.xml";
    BereichsDaten<TKlasseDS> k;
    BereichsDaten<TLehrerDS> l;
    ASSERT_TRUE(WriteClassXml(k, e, o.Pfad(), m));
    ASSERT_TRUE(WriteTeacherXml(l, e, o.Pfad(), m));
    EXPECT_EQ(test::Inhalt(o.Pfad()), (std::vector<std::string>{"Klassen.XML", "meine_lehrer.xml"}));
    const auto b = test::DateiBytes(o / "meine_lehrer.xml");
    EXPECT_NE(std::string(b.begin(), b.end()).find("<!-- Dateiname: meine_lehrer.xml -->\r\n"), std::string::npos);
}

TEST(XmlFiles, FailedWriteIsReportedAndKeepsTheOldFile) {
    TempOrdner o;
    SkriptMeldungen m;
    TEinstellungen e;
    EinstellungenStandard(e, o.Pfad());
    auto s = std::make_unique<TSchuleDS>();
    ASSERT_TRUE(WriteSchoolXml(*s, e, o.Pfad(), m));
    const auto alt = test::DateiBytes(o / "Schule.XML");
    s->Schulnummer = "999";
    io::test::FehlerBeiSchritt(2);
    EXPECT_FALSE(WriteSchoolXml(*s, e, o.Pfad(), m));
    io::test::FehlerBeiSchritt(0);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + (o / "Schule.XML") +
                                                  "\rkann nicht geschrieben werden!\r\rInput/output error\r\rDie "
                                                  "bisherige Datei bleibt unverändert."});
    EXPECT_EQ(test::DateiBytes(o / "Schule.XML"), alt);
    EXPECT_EQ(test::Inhalt(o.Pfad()), std::vector<std::string>{"Schule.XML"});

    m.gezeigt.clear();
    EXPECT_FALSE(WriteSchoolXml(*s, e, o.Pfad() + "fehlt/", m));
    EXPECT_EQ(m.gezeigt.size(), 1u);
}

TEST(XmlFiles, ExportLeavesTheRecordsUntouched) {
    TEinstellungen e;
    EinstellungenStandard(e, "/p/");
    e.FreierTraeger = 1;
    std::vector<TLehrerDS> l(2);
    InitLehrer(l[0], "1");
    l[1].Grunddaten.Name = "x&y";
    const auto vorher = l;
    (void)LehrerXml(l, e, "L");
    EXPECT_EQ(std::memcmp(l.data(), vorher.data(), 2 * sizeof(TLehrerDS)), 0);
}

} // namespace
} // namespace zev
