#include "control/lifecycle.h"
#include "storage/area_files.h"
#include "storage/backup.h"
#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

using test::Da;
using test::DateiBytes;
using test::SkriptMeldungen;
using test::TempOrdner;
namespace fs = std::filesystem;

class Lifecycle : public ::testing::Test {
protected:
    // A program folder; settings written first when `einstellungen` is given.
    void Starten(const std::function<void(TEinstellungen&)>& einstellungen = {}) {
        if (einstellungen) {
            TEinstellungen e;
            EinstellungenStandard(e, prog.Pfad());
            e.Schulnummer = "12345";
            einstellungen(e);
            ASSERT_TRUE(EinstellungenSchreiben(e, prog.Pfad(), m));
        }
        Fensterdienste f;
        f.seiteZeigen = [&](Seite s) { gezeigt.push_back(s); };
        f.seiteUebernehmen = [&](Seite s) {
            uebernommen.push_back(s);
            if (s == Seite::Lehrer && !neuerName.empty()) st->Daten().Lehrer.Puffer.Grunddaten.Name = neuerName;
        };
        f.sicherungsTimerStarten = [&](int ms) { timer.push_back(ms); };
        f.showInfo = [&](const InfoTexte& t, std::uint16_t dauer) { infos.push_back({t, dauer}); };
        st = std::make_unique<Steuerung>(prog.Pfad(), m, f);
        st->Erstellen(false);
        st->Gezeigt();
    }
    std::string Daten(const std::string& name) const { return prog.Pfad() + "Daten/" + name; }

    TempOrdner prog;
    SkriptMeldungen m;
    std::unique_ptr<Steuerung> st;
    std::vector<Seite> gezeigt, uebernommen;
    std::vector<int> timer;
    std::vector<std::pair<InfoTexte, std::uint16_t>> infos;
    std::string neuerName;
};

TEST_F(Lifecycle, FirstStartWithoutFiles) {
    Starten();
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(st->Ordnerpfade().Daten, prog.Pfad() + "Daten/");
    EXPECT_EQ(st->Ordnerpfade().Export, prog.Pfad() + "Daten/Export/");
    EXPECT_TRUE(fs::is_directory(Daten("Import")));
    EXPECT_EQ(test::Inhalt(Daten("")), (std::vector<std::string>{"Export", "Import"})); // nothing read or written
    // The start page's texts, colours and counters: the main window test.
    EXPECT_FALSE(st->Status().hinweiseSchwarz);
    EXPECT_EQ(timer, std::vector<int>{2000});

    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_EQ(st->LehrerListe().Eintraege(), std::vector<std::string>{"  - frei -,  [1]"});
    EXPECT_EQ(st->Daten().Lehrer.Puffer.ID.get(), 1); // loaded from the array at the current index
    EXPECT_EQ(gezeigt, std::vector<Seite>{Seite::Lehrer});
    st->SeiteWechseln(Seite::Klassen);
    EXPECT_EQ(uebernommen, std::vector<Seite>{Seite::Lehrer});
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")).size(), 68u + 1052);
    EXPECT_TRUE(Da(Daten("Export/Lehrer.XML")));
    EXPECT_FALSE(Da(Daten("Klassen.ZEV")));
}

TEST_F(Lifecycle, SuspendingSavingSkipsExactlyOneSave) {
    Starten();
    st->SeiteWechseln(Seite::Lehrer);
    st->SpeichernAussetzen(true); // the button's texts and colour: the main window test
    st->SeiteWechseln(Seite::Klassen);
    EXPECT_FALSE(Da(Daten("Lehrer.ZEV")));
    EXPECT_FALSE(Da(Daten("Export/Lehrer.XML")));
    EXPECT_TRUE(st->SpeichernAn());
    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_TRUE(Da(Daten("Klassen.ZEV")));
}

TEST_F(Lifecycle, SchoolDataMenuKeepsTheEditsOfThePageButWritesNothing) {
    Starten();
    st->SeiteWechseln(Seite::Lehrer);
    neuerName = "Neu";
    st->SchulDatenMenue();
    EXPECT_EQ(st->AktuelleSeite(), Seite::Start);
    EXPECT_EQ(uebernommen, std::vector<Seite>{Seite::Lehrer});
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Grunddaten.Name.str(), "Neu");
    EXPECT_FALSE(Da(Daten("Lehrer.ZEV")));
    EXPECT_FALSE(Da(Daten("Export/Lehrer.XML")));
    // Back on the page, the edit is still there, and leaving it writes it.
    neuerName.clear();
    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_EQ(st->Daten().Lehrer.Puffer.Grunddaten.Name.str(), "Neu");
    st->SeiteWechseln(Seite::Start);
    EXPECT_TRUE(Da(Daten("Lehrer.ZEV")));
    // From the start page the entry takes nothing.
    uebernommen.clear();
    st->SchulDatenMenue();
    EXPECT_TRUE(uebernommen.empty());
}

TEST_F(Lifecycle, NewDatabaseSavesFirstThenWritesBlankData) {
    Starten();
    st->SeiteWechseln(Seite::Lehrer);
    neuerName = "Meier";
    m.Antworten({true});
    st->Neu();
    EXPECT_EQ(m.gezeigt.at(0).text,
              "Wollen Sie jetzt mit einer neuen (leeren) Datenbank beginnen?\r\rÄnderungen an den "
              "aktuellen Daten gehen dann beim\rnächsten (manuellen od. automatischen) Speichern "
              "verloren!");
    const auto gespeichert = DateiBytes(Daten("Lehrer.ZEV"));
    EXPECT_EQ(std::string(gespeichert.begin() + 68 + 91, gespeichert.begin() + 68 + 96), "Meier");
    EXPECT_EQ(st->Daten().Lehrer.Puffer.Grunddaten.Name.str(), "  - frei -");
    EXPECT_TRUE(st->Daten().Schueler.Geladen);
    neuerName.clear();
    st->SeiteWechseln(Seite::Start);
    EXPECT_EQ(DateiBytes(Daten("Lehrer.SIC")), gespeichert);
    const auto leer = DateiBytes(Daten("Lehrer.ZEV"));
    EXPECT_EQ(std::string(leer.begin() + 68 + 91, leer.begin() + 68 + 101), "  - frei -");
    EXPECT_EQ(std::string(leer.begin() + 57, leer.begin() + 68).substr(1, 5), "00000");

    m.Antworten({false});
    st->Neu();
    EXPECT_EQ(test::Inhalt(Daten("")), (std::vector<std::string>{"Export", "Import", "Lehrer.SIC", "Lehrer.ZEV"}));
}

TEST_F(Lifecycle, SourceTwoReadsNothingButStillWrites) {
    Starten([](TEinstellungen& e) { e.Datenquelle = 2; });
    BereichsDaten<TLehrerDS> drei;
    drei.DB.resize(3);
    ASSERT_TRUE(BereichSchreiben(drei, Daten(""), st->Einstellungen(), m));
    st->StartseiteAnzeigen();
    EXPECT_EQ(st->Status().quelle.text, "Datenbank");
    EXPECT_EQ(st->Status().zugriff.text, "nur LESEN");
    EXPECT_EQ(st->Status().zugriff.farbe, Farbe::Rot);
    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 0);
    st->SeiteWechseln(Seite::Start);
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")).size(), 68u + 1052);
    EXPECT_EQ(DateiBytes(Daten("Lehrer.SIC")).size(), 68u + 3 * 1052);
}

TEST(SaveMessage, NamesTheFilesAndTheTime) {
    EXPECT_EQ(GespeichertMeldung({}, 10, 42), "");
    EXPECT_EQ(GespeichertMeldung({"Lehrer.ZEV", "Lehrer.XML"}, 10, 42), "Gespeichert: Lehrer.ZEV, Lehrer.XML – 10:42");
    EXPECT_EQ(GespeichertMeldung({"Schule.ZEV"}, 9, 5), "Gespeichert: Schule.ZEV – 09:05");
}

TEST_F(Lifecycle, ClosingOnTheStartPageDoesNothing) {
    Starten();
    st->Schliessen();
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(test::Inhalt(Daten("")), (std::vector<std::string>{"Export", "Import"}));
}

TEST_F(Lifecycle, ClosingOnTheClassPageCopiesAsksAndCopiesAgain) {
    Starten();
    st->SeiteWechseln(Seite::Klassen);
    st->SpeichernAussetzen(true); // not consulted at close
    st->Daten().Klassen.Puffer.Klassenname = "5a";
    m.Antworten({true});
    st->Schliessen(); // the question of each area: the areas test
    EXPECT_EQ(DateiBytes(Daten("Klassen.LS1")), DateiBytes(Daten("Klassen.ZEV")));
    const auto ls2 = DateiBytes(Daten("Klassen.LS2"));
    EXPECT_EQ(ls2[68 + 79], 0); // the state before the page was taken in
    EXPECT_EQ(DateiBytes(Daten("Klassen.ZEV"))[68 + 79], 2);
    // The XML goes out with the file, as when the page is left: it holds what the file holds.
    const auto xml = DateiBytes(Daten("Export/Klassen.XML"));
    EXPECT_NE(std::string(xml.begin(), xml.end()).find("<Klassenname>5a</Klassenname>"), std::string::npos);

    // With No nothing is written, but both copies are made.
    fs::remove(Daten("Klassen.ZEV"));
    m.gezeigt.clear();
    m.Antworten({false});
    st->Daten().Klassen.Puffer.Klassenname = "6b";
    st->Schliessen();
    EXPECT_EQ(DateiBytes(Daten("Export/Klassen.XML")), xml);
    EXPECT_FALSE(Da(Daten("Klassen.ZEV")));
    EXPECT_TRUE(Da(Daten("Klassen.LS1")));
    EXPECT_TRUE(Da(Daten("Klassen.LS2")));

    // "Abbrechen": the program stays, nothing is written, the page keeps what was typed.
    m.gezeigt.clear();
    m.Abbrechen();
    EXPECT_FALSE(st->Schliessen());
    EXPECT_EQ(m.gezeigt.back().tasten, Tasten::JaNeinAbbrechen);
    EXPECT_FALSE(Da(Daten("Klassen.ZEV")));
    EXPECT_EQ(st->Daten().Klassen.Puffer.Klassenname.str(), "6b");
}

TEST_F(Lifecycle, DataFolderThatCannotBeCreated) {
    test::DateiSchreiben(prog / "datei", {'x'});
    Starten([&](TEinstellungen& e) { PfadInsFeld(e.DatenPfad, prog.Pfad() + "datei/Daten/"); });
    EXPECT_EQ(m.gezeigt.at(0).art, MeldungsArt::Information);
    EXPECT_EQ(m.gezeigt.at(0).text, "Problem beim Erstellen des Datenverzeichnis:\r" + prog.Pfad() +
                                        "datei/Daten/\rLegen Sie sofort einen verfügbaren Ort (Laufwerk, Pfad) für "
                                        "Ihre Daten fest!");
    EXPECT_EQ(st->Ordnerpfade().Daten, prog.Pfad());
    EXPECT_TRUE(st->Status().hinweiseSchwarz);
    st->SeiteWechseln(Seite::Schule);
    st->SeiteWechseln(Seite::Start);
    EXPECT_TRUE(Da(prog / "Schule.ZEV"));
    EXPECT_TRUE(Da(prog / "Schule.XML")); // the export folder is the program folder as well
}

TEST_F(Lifecycle, SchoolPageLoadsTeachersAndClassesOnceAndReloadClearsTheFlags) {
    Starten([](TEinstellungen&) {});
    BereichsDaten<TLehrerDS> zwei;
    zwei.DB.resize(2);
    ASSERT_TRUE(BereichSchreiben(zwei, Daten(""), st->Einstellungen(), m));
    st->SeiteWechseln(Seite::Schule);
    EXPECT_TRUE(st->Daten().Lehrer.Geladen);
    EXPECT_TRUE(st->Daten().Klassen.Geladen);
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 1);
    EXPECT_EQ(st->LehrerAuswahl().size(), 3u);

    BereichsDaten<TLehrerDS> fuenf;
    fuenf.DB.resize(5);
    ASSERT_TRUE(BereichSchreiben(fuenf, Daten(""), st->Einstellungen(), m));
    st->SpeichernAussetzen(true);
    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 1); // not read again

    m.Antworten({true});
    st->NeuLaden();
    EXPECT_FALSE(st->Daten().Lehrer.Geladen);
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 1); // the open page is not reloaded at once
    st->SpeichernAussetzen(true);
    st->SeiteWechseln(Seite::Klassen);
    EXPECT_EQ(st->Daten().Lehrer.Letzter(), 4);
}

TEST_F(Lifecycle, StartUpBackup) {
    Starten([](TEinstellungen& e) { e.StartSicherung = 0; });
    EXPECT_TRUE(timer.empty());

    for (const char* f : {"Lehrer.ZEV", "Lehrer.SIC", "Lehrer.LS1", "Schule.zev"})
        test::DateiSchreiben(Daten(f), {'1'});
    test::DateiSchreiben(Daten("Import/Klassen.XML"), {'k'});
    // Switched off: the question decides.
    m.Antworten({false});
    st->SicherungsTimerAbgelaufen();
    EXPECT_EQ(m.gezeigt.at(0).text,
              "Sollen die (ev.) vorhandenen Daten-Dateien jetzt\rin das Backup-Verzeichnis gesichert werden?\r");
    EXPECT_EQ(m.gezeigt.at(0).art, MeldungsArt::Information);
    EXPECT_TRUE(test::Inhalt(Daten("Backups")).empty());

    st->Einstellungen().StartSicherung = 1;
    st->SicherungsTimerAbgelaufen();
    EXPECT_EQ(test::Inhalt(Daten("Backups")),
              (std::vector<std::string>{"Export", "Import", "Lehrer.SIC", "Lehrer.ZEV", "Schule.zev"}));
    EXPECT_EQ(DateiBytes(Daten("Backups/Import/Klassen.XML")), std::vector<std::uint8_t>{'k'});
    ASSERT_EQ(infos.size(), 1u);
    EXPECT_EQ(infos[0].first.titel, "Information");
    EXPECT_EQ(infos[0].first.zeilen[0], "Sicherheitskopien der wichtigen");
    EXPECT_EQ(infos[0].first.zeilen[1], "Daten-Dateien erstellt!");
    EXPECT_EQ(infos[0].second, 2000);
    EXPECT_EQ(m.gezeigt.size(), 1u);

    test::DateiSchreiben(Daten("Lehrer.ZEV"), {'2'});
    fs::remove(Daten("Lehrer.SIC"));
    st->SicherungsTimerAbgelaufen();
    EXPECT_EQ(DateiBytes(Daten("Backups/Lehrer.ZEV")), std::vector<std::uint8_t>{'2'});
    EXPECT_TRUE(Da(Daten("Backups/Lehrer.SIC")));
}

TEST(BackupPatterns, CaseInsensitiveEndings) {
    for (const char* ja : {"Lehrer.ZEV", "alt.sic", "Import", "EXPORT"}) EXPECT_TRUE(SicherungsMuster(ja)) << ja;
    for (const char* nein : {"Lehrer.LS1", "Lehrer.ZEV.defekt", "Backups"})
        EXPECT_FALSE(SicherungsMuster(nein)) << nein;
}

TEST(InfoBoxLogic, IntervalTicksAndTheStickyZero) {
    InfoBox box;
    EXPECT_EQ(box.Intervall(), 3000);
    box.Setzen({"T", "K", {"1", "2", "3", "4", "5"}}, 3000);
    EXPECT_EQ(box.Intervall(), 300);
    box.Gezeigt();
    EXPECT_EQ(box.Fortschritt(), 1);
    int ticks = 1;
    while (!box.Tick()) ++ticks;
    EXPECT_EQ(ticks, 10); // the tenth tick closes
    EXPECT_EQ(box.Fortschritt(), 10);
    box.Setzen({}, 4); // rounds to 0 ...
    EXPECT_EQ(box.Intervall(), 0);
    box.Setzen({}, 5000); // ... and stays there
    EXPECT_EQ(box.Intervall(), 0);
}

class Opening : public Lifecycle {
protected:
    std::string Datei(const std::string& name, const std::string& inhalt) {
        test::DateiSchreiben(prog / name, std::vector<std::uint8_t>(inhalt.begin(), inhalt.end()));
        return prog / name;
    }
};

TEST_F(Opening, EachRootGoesToItsArea) {
    Starten([](TEinstellungen&) {});
    st->SeiteWechseln(Seite::Klassen);
    gezeigt.clear();
    st->Oeffnen(Datei("k.xml", "<Alle_Klassen><Klasse><Schulnummer>12345</Schulnummer><Klassenname>7b</Klassenname>"
                               "</Klasse><Klasse><Klassenname>7c</Klassenname></Klasse></Alle_Klassen>"));
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(st->Daten().Klassen.Letzter(), 1);
    EXPECT_EQ(st->Daten().Klassen.Puffer.Klassenname.str(), "7b");
    EXPECT_EQ(gezeigt, std::vector<Seite>{Seite::Klassen});
    EXPECT_EQ(st->KlassenListe().Eintraege(), (std::vector<std::string>{"7b [1]", "7c [2]"}));
    EXPECT_EQ(st->Ordnerpfade().Daten, prog.Pfad() + "Daten/"); // the data folder stays

    st->Oeffnen(Datei("l.xml", "<Alle_Lehrer><Lehrer><Lehrernummer>L7</Lehrernummer></Lehrer></Alle_Lehrer>"));
    EXPECT_TRUE(st->Daten().Lehrer.Geladen);
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Lehrernummer.str(), "L7");
    EXPECT_EQ(gezeigt.size(), 1u); // not the open page
    st->Oeffnen(Datei("s.xml", "<Alle_Schueler><Schueler><Schuelernummer>S1</Schuelernummer></Schueler>"
                               "</Alle_Schueler>"));
    EXPECT_EQ(st->Daten().Schueler.DB[0].Schuelernummer.str(), "S1");
    st->Oeffnen(Datei("sch.xml", "<Alle_Schulen><Schule><Schuldaten><Ganztag>1</Ganztag></Schuldaten></Schule>"
                                 "</Alle_Schulen>"));
    EXPECT_EQ(st->Daten().SchulDS.Schuldaten.Ganztag.str(), "1");
    EXPECT_TRUE(st->Daten().SchuleGeladen);

    for (const std::string& fremd : {std::string("<html/>"), std::string("kein XML")}) {
        m.gezeigt.clear();
        st->Oeffnen(Datei("f.xml", fremd));
        EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die eingelesene Datei konnte keinem Bereich\r(Schule, Lehrer, "
                                                      "Klassen, Schüler) zugeordnet werden!\r\rWiederholen Sie den "
                                                      "Vorgang ev. mit einer anderen Datei!"});
    }
}

TEST_F(Lifecycle, UnreadableFileIsKeptAsideBeforeTheNextSave) {
    Starten([](TEinstellungen&) {});
    BereichsDaten<TKlasseDS> klassen;
    ASSERT_TRUE(BereichSchreiben(klassen, Daten(""), st->Einstellungen(), m));
    fs::rename(Daten("Klassen.ZEV"), Daten("Lehrer.ZEV"));
    test::DateiSchreiben(Daten("Lehrer.SIC"), {'s'});
    const auto unlesbar = DateiBytes(Daten("Lehrer.ZEV"));

    st->SeiteWechseln(Seite::Lehrer);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Datei ist keine Lehrer-Datenbank für den ZEV-Manager!"});
    m.gezeigt.clear();
    st->SeiteWechseln(Seite::Start);
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV.defekt")), unlesbar);
    EXPECT_EQ(DateiBytes(Daten("Lehrer.SIC")), std::vector<std::uint8_t>{'s'});
    EXPECT_EQ(DateiBytes(Daten("Lehrer.ZEV")).size(), 68u + 1052);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + Daten("Lehrer.ZEV") +
                                                  "\rkonnte nicht gelesen werden und wurde aufbewahrt als:\r" +
                                                  Daten("Lehrer.ZEV.defekt")});
    // Once: the next save rotates as usual.
    m.gezeigt.clear();
    st->SeiteWechseln(Seite::Lehrer);
    st->SeiteWechseln(Seite::Start);
    EXPECT_TRUE(m.gezeigt.empty());
    EXPECT_EQ(DateiBytes(Daten("Lehrer.SIC")).size(), 68u + 1052);
}

TEST_F(Lifecycle, XmlSubPageWritesTheFileAndHandsBackItsText) {
    Starten();
    st->SeiteWechseln(Seite::Lehrer);
    neuerName = "M\xFCller";
    const std::string text = st->XmlSeite(Bereich::Lehrer);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<!-- Dateiname: Lehrer.XML -->", 0), 0u);
    EXPECT_EQ(st->Daten().Lehrer.DB[0].Grunddaten.Name.str(), "M\xFCller"); // stored back
    EXPECT_FALSE(Da(Daten("Lehrer.ZEV")));
}

TEST_F(Lifecycle, SettingsAppliedAgainAfterOk) {
    Starten();
    PfadInsFeld(st->Einstellungen().DatenPfad, prog.Pfad() + "Neu/");
    st->Einstellungen().Schulnummer = "777";
    st->EinstellungenUebernommen();
    EXPECT_EQ(st->Ordnerpfade().Daten, prog.Pfad() + "Neu/");
    EXPECT_EQ(st->Status().schulnummer, "777");
    EXPECT_EQ(st->Status().datenOrdner, prog.Pfad() + "Neu/");
}

} // namespace
} // namespace zev

namespace zev {
namespace {

// "Datei" > "Exportieren": the open page is taken in and all four files go out;
// an area whose file cannot be read keeps its XML file as it was.
TEST_F(Lifecycle, ExportWritesAllFourWithTheOpenPageAndSkipsAnUnreadableArea) {
    Starten([](TEinstellungen& e) { e.FreierTraeger = 1; }); // files that carry the teachers' names
    test::DateiSchreiben(Daten("Klassen.ZEV"), std::vector<std::uint8_t>(100, 0xFF));
    test::DateiSchreiben(Daten("Export/Klassen.XML"), {'g', 'u', 't'});
    st->SeiteWechseln(Seite::Lehrer);
    m.gezeigt.clear();
    neuerName = "Exportiert";
    const std::vector<std::string> pfade = st->AllesExportieren();
    const std::string ex = Daten("Export/");
    EXPECT_EQ(pfade, (std::vector<std::string>{ex + "Schule.XML", ex + "Lehrer.XML", ex + "Schueler.XML"}));
    const auto lehrer = DateiBytes(ex + "Lehrer.XML");
    EXPECT_NE(std::string(lehrer.begin(), lehrer.end()).find("<Name>Exportiert</Name>"), std::string::npos);
    EXPECT_EQ(DateiBytes(ex + "Klassen.XML"), (std::vector<std::uint8_t>{'g', 'u', 't'}));
    EXPECT_FALSE(Da(Daten("Lehrer.ZEV"))); // exporting stores no internal file
    ASSERT_FALSE(m.gezeigt.empty());
    EXPECT_EQ(m.gezeigt.back().text, "Die XML-Dateien wurden geschrieben:\r" + ex + "Schule.XML\r" + ex +
                                         "Lehrer.XML\r" + ex + "Schueler.XML");
    EXPECT_NE(std::find(m.Texte().begin(), m.Texte().end(),
                        "Die Klassendaten konnten nicht geladen werden!\rDie XML-Datei:\r" + ex +
                            "Klassen.XML\rwird nicht geschrieben und bleibt, wie sie ist."),
              m.Texte().end());
}

} // namespace
} // namespace zev
