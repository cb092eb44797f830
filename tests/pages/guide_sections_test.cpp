// The guide's sections beside the pages, and the guide itself: every heading the
// program opens is in it, and every picture it shows lies beside it.
#include "pages/guide_sections.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace zev;

namespace {

std::string Handbuch() {
    const auto bytes = test::DateiBytes(std::string(ZEV_DOCS_DIR) + "/" + kHandbuchDatei);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(GuideSections, EverySheetOfEveryAreaHasItsHeading) {
    EXPECT_EQ(HandbuchAbschnitt(Seite::Start, 0, 0), "Die Startseite");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, 0, 3), "Schul-Daten");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, 1, 0), "Freie Träger");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, 2, 0), "Unterrichtseinheiten der Schule");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, 3, 0), "Die XML-Seiten");
    const std::vector<std::string_view> lehrer = {"Grunddaten, Ausbildung, Lehrbefähigung", "Stunden", "Arbeitszeit",
                                                  "Sonstiges, PmsA, Zu- und Abgänge",
                                                  "Unterrichtseinheiten eines Lehrers"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(HandbuchAbschnitt(Seite::Lehrer, 0, i), lehrer[std::size_t(i)]);
    EXPECT_EQ(HandbuchAbschnitt(Seite::Klassen, 0, 0), "Klassendaten");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Klassen, 0, 1), "Unterrichtseinheiten-Gruppen");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schueler, 0, 2), "Schullaufbahn, Förderbedarf, Fremdsprachen");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schueler, 0, 4), "Abschluss und Ausbildung");
    for (Seite s : {Seite::Lehrer, Seite::Klassen, Seite::Schueler})
        EXPECT_EQ(HandbuchAbschnitt(s, 1, 0), "Die XML-Seiten");
}

TEST(GuideSections, TabsOutOfRangeFallBackToTheArea) {
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, -1, 0), "Schule");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schule, 4, 0), "Schule");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Lehrer, 0, 5), "Lehrer");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Klassen, 0, 2), "Klassen");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schueler, 0, -1), "Schüler");
    EXPECT_EQ(HandbuchAbschnitt(Seite::Schueler, 2, 0), "Schüler");
    EXPECT_EQ(HandbuchAbschnitt(static_cast<Seite>(9), 0, 0), "Die Startseite");
}

TEST(GuideSections, AnchorsAsOnTheWeb) {
    EXPECT_EQ(HandbuchAnker("Freie Träger"), "freie-träger");
    EXPECT_EQ(HandbuchAnker("Grunddaten, Ausbildung, Lehrbefähigung"), "grunddaten-ausbildung-lehrbefähigung");
    EXPECT_EQ(HandbuchAnker("Sonstiges, PmsA, Zu- und Abgänge"), "sonstiges-pmsa-zu--und-abgänge");
    EXPECT_EQ(HandbuchAnker("Die große PLAUSI"), "die-große-plausi");
    EXPECT_EQ(HandbuchAnker("Übersicht: Ärger & Öfen (1.)"), "übersicht-ärger--öfen-1");
    EXPECT_EQ(HandbuchAnker("Das Kommandozeilenprogramm `zev`"), "das-kommandozeilenprogramm-zev");
    EXPECT_EQ(HandbuchAnker("x_y\xC3\x97z"), "x_y\xC3\x97z"); // the multiplication sign has no small form
    EXPECT_EQ(HandbuchAnker("ab\xC3"), "ab\xC3");             // a cut sequence at the end stays as it is
}

TEST(GuideSections, HeadingsOfAMarkdownText) {
    const std::string md = "# Titel\n"
                           "Text mit # darin\n"
                           "##Kein Titel\n"
                           "   ### Eingerückt ###\r\n"
                           "    # Code durch Einrückung\n"
                           "```\n"
                           "# im Codeblock\n"
                           "~~~\n"
                           "# immer noch im Codeblock\n"
                           "```\n"
                           "## C# und F#\n"
                           "####### sieben\n"
                           "#\n"
                           "## Ende ##";
    EXPECT_EQ(MarkdownUeberschriften(md), (std::vector<std::string>{"Titel", "Eingerückt", "C# und F#", "", "Ende"}));
}

TEST(Guide, HasEveryHeadingTheProgramOpensOnce) {
    const auto ueberschriften = MarkdownUeberschriften(Handbuch());
    ASSERT_FALSE(ueberschriften.empty());
    EXPECT_EQ(ueberschriften.front(), "Handbuch ZEV-Manager");
    for (std::string_view a : HandbuchAbschnitte())
        EXPECT_EQ(std::count(ueberschriften.begin(), ueberschriften.end(), std::string(a)), 1) << a;
}

TEST(Guide, LinksWithinItLeadToHeadingsAndItsPicturesExist) {
    const std::string md = Handbuch();
    std::set<std::string> anker;
    for (const std::string& u : MarkdownUeberschriften(md)) anker.insert(HandbuchAnker(u));
    std::size_t bilder = 0;
    for (std::size_t p = md.find("]("); p != std::string::npos; p = md.find("](", p + 2)) {
        const std::size_t ende = md.find(')', p);
        ASSERT_NE(ende, std::string::npos);
        const std::string ziel = md.substr(p + 2, ende - p - 2);
        if (ziel.starts_with("#")) {
            EXPECT_TRUE(anker.count(ziel.substr(1))) << ziel;
        } else if (ziel.ends_with(".png")) {
            ++bilder;
            EXPECT_TRUE(std::filesystem::is_regular_file(std::string(ZEV_DOCS_DIR) + "/" + ziel)) << ziel;
        }
    }
    EXPECT_GE(bilder, HandbuchAbschnitte().size() - 4); // a picture of every sheet
}
