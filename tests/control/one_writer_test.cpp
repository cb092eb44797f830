// One writer per data folder, seen from the controller: a file another program
// wrote behind a loaded area is never overwritten unasked, and a second run on a
// held folder writes nothing on any path.
#include "control/clipboard.h"
#include "control/lifecycle.h"
#include "control/navigation.h"
#include "model/encoding.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace zev {
namespace {

using test::DateiBytes;
using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

// Every file below a folder with its bytes.
std::map<std::string, std::vector<std::uint8_t>> Abbild(const std::string& ordner) {
    std::map<std::string, std::vector<std::uint8_t>> a;
    for (const auto& e : fs::recursive_directory_iterator(ordner))
        if (e.is_regular_file()) a[e.path().string()] = DateiBytes(e.path().string());
    return a;
}

// Teachers named `namen`, as a program that ignores the lock would write them.
void LehrerDateiSchreiben(const std::string& daten, const std::vector<std::string>& namen) {
    Datenbestand d;
    StilleMeldungen still;
    AnfangsZustand(d, "12345", still);
    d.Lehrer.DB.resize(namen.size());
    for (std::size_t i = 0; i < namen.size(); ++i) {
        InitLehrer(d.Lehrer.DB[i], "12345");
        d.Lehrer.DB[i].ID = static_cast<std::int32_t>(i + 1);
        d.Lehrer.DB[i].Grunddaten.Name = namen[i];
    }
    TEinstellungen e;
    e.Schulnummer = "12345";
    ASSERT_TRUE(BereichSchreiben(d.Lehrer, daten, e, still));
}

class OneWriter : public ::testing::Test {
protected:
    void SetUp() override {
        TEinstellungen e;
        EinstellungenStandard(e, prog.Pfad());
        e.Schulnummer = "12345";
        ASSERT_TRUE(EinstellungenSchreiben(e, prog.Pfad(), m));
        fs::create_directories(Daten());
    }

    // A controller as the window makes it; typing `name` into the teacher sheet
    // when it is given.
    std::unique_ptr<Steuerung> Fenster(SkriptMeldungen& meldungen, std::string* name = nullptr) {
        auto halter = std::make_shared<Steuerung*>(nullptr);
        Fensterdienste f;
        f.seiteUebernehmen = [halter, name](Seite s) {
            if (s == Seite::Lehrer && name && !name->empty()) (*halter)->Daten().Lehrer.Puffer.Grunddaten.Name = *name;
        };
        auto st = std::make_unique<Steuerung>(prog.Pfad(), meldungen, f);
        *halter = st.get();
        st->DauerhaftSperren("zev-manager");
        st->Erstellen(false);
        st->Gezeigt();
        return st;
    }
    std::string Daten(const std::string& name = "") const { return prog.Pfad() + "Daten/" + name; }
    std::string Erster(Steuerung& st) const { return Cp1252ToUtf8(st.Daten().Lehrer.DB[0].Grunddaten.Name.view()); }

    TempOrdner prog;
    SkriptMeldungen m;
};

TEST_F(OneWriter, AFileChangedBehindTheWindowIsAskedAboutAndAnsweredEachWayLosesNothing) {
    const std::string kText =
        "Die Datei " + Daten("Lehrer.ZEV") +
        " wurde seit dem Laden von einem anderen Programm geändert.\r\rMeine Fassung speichern: die andere Fassung "
        "wird zur Sicherheitskopie (.SIC).\rDie andere Fassung laden: Ihre ungespeicherten Änderungen dieses "
        "Bereichs gehen verloren.\rAbbrechen: es wird nichts geschrieben.";
    struct Fall {
        std::size_t wahl;
        bool ja;             // the second question of "Die andere Fassung laden"
        bool verlassen;      // the page may be left
        std::string datei;   // first teacher in Lehrer.ZEV afterwards
        std::string sic;     // ... in Lehrer.SIC ("" when none)
        std::string bereich; // ... in the window's area
    };
    const Fall faelle[] = {
        {0, false, true, "Meins", "Fremd", "Meins"},
        {1, true, false, "Fremd", "Alt", "Fremd"},
        {1, false, false, "Fremd", "Alt", "Meins"},
        {2, false, false, "Fremd", "Alt", "Meins"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "Wahl " << f.wahl << (f.ja ? " Ja" : ""));
        fs::remove_all(Daten());
        fs::create_directories(Daten());
        LehrerDateiSchreiben(Daten(), {"Alt", "Zweiter"});
        SkriptMeldungen mf;
        std::string name = "Meins";
        auto st = Fenster(mf, &name);
        st->SeiteWechseln(Seite::Lehrer);
        ASSERT_EQ(Erster(*st), "Alt");
        // Another program writes behind the window (one that ignores the lock).
        LehrerDateiSchreiben(Daten(), {"Fremd", "Zweiter", "Dritter"});
        const auto fremd = DateiBytes(Daten("Lehrer.ZEV"));

        mf.Wahlen({f.wahl});
        mf.Antworten({f.ja});
        EXPECT_EQ(st->SeiteVerlassen(Seite::Lehrer), f.verlassen);
        ASSERT_FALSE(mf.gezeigt.empty());
        EXPECT_EQ(mf.gezeigt[0].text, kText);
        EXPECT_EQ(mf.knoepfeGezeigt,
                  (std::vector<std::string>{"Meine Fassung speichern", "Die andere Fassung laden", "Abbrechen"}));

        BereichsDatei<TLehrerDS> datei, sic;
        std::string fehler;
        ASSERT_EQ(BereichsdateiLesen(Daten("Lehrer.ZEV"), datei, fehler), LeseStatus::Ok);
        EXPECT_EQ(Cp1252ToUtf8(datei.Saetze[0].Grunddaten.Name.view()), f.datei);
        if (f.datei == "Fremd") {
            EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")), fremd);
        }
        ASSERT_EQ(BereichsdateiLesen(Daten("Lehrer.SIC"), sic, fehler), LeseStatus::Ok);
        EXPECT_EQ(Cp1252ToUtf8(sic.Saetze[0].Grunddaten.Name.view()), f.sic);
        // Written only with the person's own version.
        EXPECT_EQ(fs::exists(Daten("Export/Lehrer.XML")), f.verlassen);
        name.clear();
        EXPECT_EQ(Erster(*st), f.bereich);
        EXPECT_EQ(st->Daten().Lehrer.Letzter(), f.bereich == "Fremd" ? 2 : 1);

        // Once answered, the file is this window's again: the next leave writes without asking.
        mf.gezeigt.clear();
        EXPECT_TRUE(st->SeiteVerlassen(Seite::Lehrer) || f.wahl != 0);
        if (f.wahl == 1 && f.ja) {
            EXPECT_TRUE(mf.gezeigt.empty());
            ASSERT_EQ(BereichsdateiLesen(Daten("Lehrer.ZEV"), datei, fehler), LeseStatus::Ok);
            EXPECT_EQ(datei.Saetze.size(), 3u);
        }
    }
}

TEST_F(OneWriter, TheSameCheckGuardsClosingAndSaving) {
    LehrerDateiSchreiben(Daten(), {"Alt"});
    SkriptMeldungen mf;
    std::string name = "Meins";
    auto st = Fenster(mf, &name);
    st->SeiteWechseln(Seite::Lehrer);
    LehrerDateiSchreiben(Daten(), {"Fremd"});
    const auto fremd = DateiBytes(Daten("Lehrer.ZEV"));
    mf.Wahlen({2});
    EXPECT_FALSE(st->Speichern());
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")), fremd);
    // Closing: "save?" Yes, then cancelled at the changed file: the window stays.
    mf.Antworten({true});
    mf.Wahlen({2});
    EXPECT_FALSE(st->Schliessen());
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")), fremd);
    mf.Antworten({true});
    mf.Wahlen({0});
    EXPECT_TRUE(st->Schliessen());
    BereichsDatei<TLehrerDS> datei;
    std::string fehler;
    ASSERT_EQ(BereichsdateiLesen(Daten("Lehrer.ZEV"), datei, fehler), LeseStatus::Ok);
    EXPECT_EQ(Cp1252ToUtf8(datei.Saetze[0].Grunddaten.Name.view()), "Meins");
    EXPECT_EQ(DateiBytes(Daten("Lehrer.SIC")), fremd);
}

TEST_F(OneWriter, ASecondWindowOnAHeldFolderIsReadOnlyAndNoPathWrites) {
    LehrerDateiSchreiben(Daten(), {"Alt", "Zweiter"});
    SkriptMeldungen ma;
    auto erster = Fenster(ma);
    EXPECT_FALSE(erster->NurLesen());
    EXPECT_TRUE(ma.gezeigt.empty());
    EXPECT_TRUE(fs::exists(Daten("ZEV.LCK")));

    SkriptMeldungen mb;
    std::string name = "Meins";
    auto zweiter = Fenster(mb, &name);
    ASSERT_TRUE(zweiter->NurLesen());
    const std::string belegt = "Der Daten-Ordner " + Daten() + " wird gerade von zev-manager benutzt (Benutzer ";
    const std::string nurLesen = "\r\rDieses Fenster zeigt die Daten nur zum LESEN: es wird nichts gespeichert.\r"
                                 "\"Datei\" > \"Erneut versuchen\" übernimmt den Ordner, sobald er frei ist.";
    ASSERT_EQ(mb.gezeigt.size(), 1u);
    EXPECT_EQ(mb.gezeigt[0].art, MeldungsArt::Information);
    EXPECT_EQ(mb.gezeigt[0].text.rfind(belegt, 0), 0u);
    EXPECT_NE(mb.gezeigt[0].text.find(nurLesen), std::string::npos);
    EXPECT_EQ(zweiter->Status().zugriff.text, "nur LESEN");
    EXPECT_EQ(zweiter->Status().zugriff.farbe, Farbe::Rot);
    EXPECT_TRUE(zweiter->Status().nurLesen);
    EXPECT_EQ(zweiter->Status().sperrHinweis.rfind("nur LESEN: " + belegt, 0), 0u);

    const auto vorher = Abbild(Daten());
    mb.gezeigt.clear();
    // Looking without an edit says nothing.
    name.clear();
    zweiter->SeiteWechseln(Seite::Lehrer);
    EXPECT_TRUE(zweiter->SeiteWechseln(Seite::Klassen));
    EXPECT_TRUE(mb.gezeigt.empty());
    zweiter->SeiteWechseln(Seite::Lehrer);
    // Every command that would write says why and writes nothing.
    name = "Meins";
    EXPECT_TRUE(zweiter->SeiteWechseln(Seite::Schueler));
    zweiter->SeiteWechseln(Seite::Lehrer);
    EXPECT_FALSE(zweiter->Speichern());
    Navigation nav(*zweiter, mb);
    EXPECT_FALSE(nav.InsertRecord(Bereich::Lehrer));
    EXPECT_FALSE(nav.DeleteRecord(Bereich::Lehrer));
    Zwischenablage ablage(*zweiter, mb);
    EXPECT_TRUE(ablage.CopyRecord()); // copying changes nothing
    EXPECT_FALSE(ablage.CutRecord());
    EXPECT_FALSE(ablage.PasteRecord());
    mb.Antworten({true});
    zweiter->Neu();
    zweiter->Oeffnen(Daten("Lehrer.ZEV"));
    EXPECT_NE(zweiter->XmlSeite(Bereich::Lehrer).find("<Alle_Lehrer"), std::string::npos);
    zweiter->SicherungsTimerAbgelaufen();
    const std::size_t warnungen = mb.gezeigt.size();
    EXPECT_GE(warnungen, 8u);
    for (const auto& g : mb.gezeigt) {
        if (g.art != MeldungsArt::Warnung) continue;
        EXPECT_EQ(g.text.rfind(belegt, 0), 0u) << g.text;
        EXPECT_NE(g.text.find(nurLesen), std::string::npos);
    }
    EXPECT_EQ(std::count_if(mb.gezeigt.begin(), mb.gezeigt.end(),
                            [](const auto& g) { return g.art == MeldungsArt::Warnung; }),
              8);
    // Closing with edits asks whether to drop them.
    mb.Antworten({false});
    EXPECT_FALSE(zweiter->Schliessen());
    EXPECT_EQ(mb.gezeigt.back().text.rfind(belegt, 0), 0u);
    EXPECT_EQ(Abbild(Daten()), vorher);

    // The folder is freed: "Erneut versuchen" takes it and the edits can be stored.
    mb.gezeigt.clear();
    EXPECT_FALSE(zweiter->ErneutVersuchen());
    EXPECT_TRUE(zweiter->NurLesen());
    erster.reset();
    EXPECT_FALSE(fs::exists(Daten("ZEV.LCK")));
    EXPECT_TRUE(zweiter->ErneutVersuchen());
    EXPECT_FALSE(zweiter->NurLesen());
    EXPECT_EQ(zweiter->Status().zugriff.text, "LESEN und SCHREIBEN");
    EXPECT_EQ(mb.gezeigt.back().text,
              "Der Daten-Ordner " + Daten() + " ist jetzt frei: dieses Fenster speichert Ihre Änderungen wieder.");
    EXPECT_TRUE(zweiter->Speichern());
    BereichsDatei<TLehrerDS> datei;
    std::string fehler;
    ASSERT_EQ(BereichsdateiLesen(Daten("Lehrer.ZEV"), datei, fehler), LeseStatus::Ok);
    EXPECT_EQ(Cp1252ToUtf8(datei.Saetze[0].Grunddaten.Name.view()), "Meins");
}

TEST_F(OneWriter, AfterTheFolderWasFreedAreasChangedMeanwhileAreReadAgain) {
    LehrerDateiSchreiben(Daten(), {"Alt"});
    SkriptMeldungen ma, mb;
    auto erster = Fenster(ma);
    auto zweiter = Fenster(mb);
    zweiter->SeiteWechseln(Seite::Lehrer);
    ASSERT_EQ(Erster(*zweiter), "Alt");
    // The writer stores new teachers and ends.
    LehrerDateiSchreiben(Daten(), {"Neu", "Noch einer"});
    erster.reset();
    ASSERT_TRUE(zweiter->ErneutVersuchen());
    EXPECT_EQ(Erster(*zweiter), "Neu");
    EXPECT_EQ(Cp1252ToUtf8(zweiter->Daten().Lehrer.Puffer.Grunddaten.Name.view()), "Neu");
    EXPECT_EQ(zweiter->LehrerListe().Eintraege().size(), 2u);
}

} // namespace
} // namespace zev
