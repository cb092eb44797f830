#include "io/file_io.h"
#include "storage/area_files.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

#include <csignal>
#include <cstring>
#include <memory>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zev {
namespace {

using test::DateiBytes;
using test::DateiSchreiben;
using test::SkriptMeldungen;
using test::TempOrdner;
using Bytes = std::vector<std::uint8_t>;

const std::string kOeffnenLehrer = "interne Lehrer-Datei kann nicht benutzt werden\rPrüfen Sie die Möglichkeit eine "
                                   "Datei im Ordner:\r";

class AreaFiles : public ::testing::Test {
protected:
    void SetUp() override {
        EinstellungenStandard(e, ordner.Pfad());
        e.Schulnummer = "12345";
    }

    // A teacher area with `n` records whose IDs are 10, 11, ...
    BereichsDaten<TLehrerDS> Lehrer(int n, std::int32_t aktuell = 0) {
        BereichsDaten<TLehrerDS> b;
        b.DB.resize(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            InitLehrer(b.DB[static_cast<std::size_t>(i)], "12345");
            b.DB[static_cast<std::size_t>(i)].ID = 10 + i;
        }
        b.Aktuell = aktuell;
        return b;
    }

    std::string Pfad(const char* name) const { return ordner / name; }

    TempOrdner ordner;
    SkriptMeldungen m;
    TEinstellungen e;
};

TEST_F(AreaFiles, HeaderBytesOfAWrittenTeacherFile) {
    auto b = Lehrer(3, 1);
    e.Schulnummer = "1234567";
    e.Schulnummer = "12345"; // the image carries the bytes after the length as they stand
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes f = DateiBytes(Pfad("Lehrer.ZEV"));
    ASSERT_EQ(f.size(), 68u + 3 * 1052);
    const std::string kennung(f.begin(), f.begin() + 41);
    EXPECT_EQ(kennung, "(kwt: mox --> ZEV-Manager: L_DB          ");
    EXPECT_EQ(Bytes(f.begin() + 41, f.begin() + 68),
              (Bytes{0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xB7, 0x9B, 0x02, 0x00, 0x00, 0x00,
                     0x00, 0x00, 0x05, '1',  '2',  '3',  '4',  '5',  '6',  '7',  0x00, 0x00, 0x00}));
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(AreaFiles, ClassAndStudentFilesCarryTheirOwnIdentifier) {
    BereichsDaten<TKlasseDS> k;
    BereichsDaten<TSchuelerDS> s;
    ASSERT_TRUE(BereichSchreiben(k, ordner.Pfad(), e, m));
    ASSERT_TRUE(BereichSchreiben(s, ordner.Pfad(), e, m));
    const Bytes kf = DateiBytes(Pfad("Klassen.ZEV")), sf = DateiBytes(Pfad("Schueler.ZEV"));
    EXPECT_EQ(std::string(kf.begin(), kf.begin() + 41), "(kwt: mox --> ZEV-Manager: Kl_DB         ");
    EXPECT_EQ(std::string(sf.begin(), sf.begin() + 41), "(kwt: mox --> ZEV-Manager: S_DB          ");
    EXPECT_EQ(kf.size(), 68u + 300);
    EXPECT_EQ(sf.size(), 68u + 772);
}

TEST_F(AreaFiles, RecordsAreWrittenLastIndexFirstAndReadBackInIndexOrder) {
    auto b = Lehrer(3, 2);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes f = DateiBytes(Pfad("Lehrer.ZEV"));
    EXPECT_EQ(f[68], 12);
    EXPECT_EQ(f[68 + 1052], 11);
    EXPECT_EQ(f[68 + 2 * 1052], 10);

    BereichsDaten<TLehrerDS> gelesen;
    ASSERT_TRUE(BereichLesen(gelesen, ordner.Pfad(), e, m));
    ASSERT_EQ(gelesen.Letzter(), 2);
    EXPECT_EQ(gelesen.Aktuell, 2);
    EXPECT_EQ(gelesen.DB[0].ID.get(), 10);
    EXPECT_EQ(gelesen.DB[2].ID.get(), 12);
    EXPECT_FALSE(gelesen.Geladen); // teachers are marked loaded by the caller
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(AreaFiles, ArbitraryBytesInEveryRecordMakeAByteForByteRoundTrip) {
    BereichsDaten<TSchuelerDS> b;
    b.DB.resize(4);
    std::mt19937 zufall(42);
    for (auto& r : b.DB)
        for (std::size_t i = 0; i < sizeof r; ++i) ImageOf(r)[i] = static_cast<std::uint8_t>(zufall());
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes erst = DateiBytes(Pfad("Schueler.ZEV"));

    BereichsDaten<TSchuelerDS> gelesen;
    ASSERT_TRUE(BereichLesen(gelesen, ordner.Pfad(), e, m));
    ASSERT_EQ(gelesen.DB.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(std::memcmp(&gelesen.DB[i], &b.DB[i], sizeof(TSchuelerDS)), 0);

    TempOrdner zweiter;
    ASSERT_TRUE(BereichSchreiben(gelesen, zweiter.Pfad(), e, m));
    EXPECT_EQ(DateiBytes(zweiter / "Schueler.ZEV"), erst);
}

TEST_F(AreaFiles, StoredCurrentIndexIsClampedIntoTheArray) {
    for (auto [gespeichert, erwartet] : {std::pair{7, 3}, {-5, 0}, {3, 3}}) {
        auto b = Lehrer(4, gespeichert);
        ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
        BereichsDaten<TLehrerDS> gelesen;
        ASSERT_TRUE(BereichLesen(gelesen, ordner.Pfad(), e, m));
        EXPECT_EQ(gelesen.Aktuell, erwartet) << "stored " << gespeichert;
    }
}

// A file of another school is read and switches to read-only. School numbers
// compare by length and characters only, not by the bytes after them.
TEST_F(AreaFiles, FileOfAnotherSchoolIsReadAndSwitchesToReadOnly) {
    for (const auto& [andere, zugriff] :
         std::vector<std::pair<const char*, int>>{{"54321", 0}, {"1234", 0}, {"12345", 1}}) {
        SCOPED_TRACE(andere);
        auto b = Lehrer(2);
        e.Schulnummer = "12345XYZ";
        e.Schulnummer = "12345";
        ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
        TEinstellungen lesend = e;
        lesend.Schulnummer = "12345ABC";
        lesend.Schulnummer = andere; // other bytes after the characters
        BereichsDaten<TLehrerDS> gelesen;
        EXPECT_TRUE(BereichLesen(gelesen, ordner.Pfad(), lesend, m));
        EXPECT_EQ(gelesen.Letzter(), 1);
        EXPECT_EQ(lesend.Dateizugriff.get(), zugriff);
    }
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(AreaFiles, ClassFileOfferedAsTeacherFileIsRefusedAndTheAreaUntouched) {
    BereichsDaten<TKlasseDS> k;
    k.DB.resize(2);
    ASSERT_TRUE(BereichSchreiben(k, ordner.Pfad(), e, m));
    std::filesystem::rename(Pfad("Klassen.ZEV"), Pfad("Lehrer.ZEV"));

    auto b = Lehrer(3, 1);
    EXPECT_FALSE(BereichLesen(b, ordner.Pfad(), e, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Datei ist keine Lehrer-Datenbank für den ZEV-Manager!"});
    EXPECT_EQ(b.Letzter(), 2);
    EXPECT_EQ(b.Aktuell, 1);
    EXPECT_EQ(b.DB[2].ID.get(), 12);
}

class CorruptFiles : public AreaFiles {
protected:
    // A valid file of three teachers, then changed by `aendern`.
    void Schreiben(const std::function<void(Bytes&)>& aendern) {
        auto b = Lehrer(3);
        Bytes f = BereichsImage(b, e.Schulnummer);
        aendern(f);
        DateiSchreiben(Pfad("Lehrer.ZEV"), f);
    }
    // Reading must leave this area exactly as it is.
    void ErwarteAbgelehnt(const std::string& meldung) {
        auto b = Lehrer(2, 1);
        b.DB[1].Grunddaten.Name = "Vorher";
        EXPECT_FALSE(BereichLesen(b, ordner.Pfad(), e, m));
        EXPECT_EQ(m.Texte(), std::vector<std::string>{meldung});
        EXPECT_EQ(m.gezeigt.at(0).art, MeldungsArt::Fehler);
        EXPECT_EQ(b.Letzter(), 1);
        EXPECT_EQ(b.Aktuell, 1);
        EXPECT_EQ(b.DB[1].Grunddaten.Name.str(), "Vorher");
    }
    static void SetzeLetzter(Bytes& f, std::int32_t wert) {
        LE<std::int32_t> le;
        le.set(wert);
        std::memcpy(f.data() + 51, le.b, 4);
    }
    std::string Beschaedigt() const {
        return "Die Datei:\r" + Pfad("Lehrer.ZEV") + "\rist beschädigt oder unvollständig und wird nicht gelesen!";
    }
};

// A last index outside the format (refused before any record is read), a file
// shorter than its records, one shorter than the header.
TEST_F(CorruptFiles, DamagedFilesAreRefusedAndTheAreaKept) {
    const std::vector<std::function<void(Bytes&)>> schaeden = {
        [](Bytes& f) { SetzeLetzter(f, -1); }, [](Bytes& f) { SetzeLetzter(f, 65536); },
        [](Bytes& f) { SetzeLetzter(f, 2147483647); }, [](Bytes& f) { f.resize(f.size() - 1); },
        [](Bytes& f) { f.resize(60); }};
    for (std::size_t i = 0; i < schaeden.size(); ++i) {
        SCOPED_TRACE(i);
        m.gezeigt.clear();
        Schreiben(schaeden[i]);
        ErwarteAbgelehnt(Beschaedigt());
    }
}

TEST_F(CorruptFiles, ShortFileWithAForeignBeginningIsNotOurs) {
    DateiSchreiben(Pfad("Lehrer.ZEV"), Bytes{'h', 'a', 'l', 'l', 'o'});
    ErwarteAbgelehnt("Datei ist keine Lehrer-Datenbank für den ZEV-Manager!");
}

TEST_F(CorruptFiles, BytesAfterTheLastRecordAreIgnored) {
    Schreiben([](Bytes& f) { f.insert(f.end(), 100, 0xEE); });
    auto b = Lehrer(1);
    EXPECT_TRUE(BereichLesen(b, ordner.Pfad(), e, m));
    EXPECT_EQ(b.Letzter(), 2);
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(CorruptFiles, UnknownVersionIsRefusedAfterTheSchoolNumberWasCompared) {
    Schreiben([](Bytes& f) {
        f[41] = 2;
        f[58] = '9'; // another school
    });
    ErwarteAbgelehnt("unbekannte Dateiversion\r\rWenden Sie sich an den Programm-Autor!");
    EXPECT_EQ(e.Dateizugriff.get(), 0);
}

// A missing file changes nothing and says nothing; one that cannot be opened is reported.
TEST_F(AreaFiles, MissingFileSaysNothingAndOneThatCannotBeOpenedIsReported) {
    auto b = Lehrer(2, 1);
    EXPECT_FALSE(BereichLesen(b, ordner.Pfad(), e, m));
    EXPECT_TRUE(m.gezeigt.empty());
    std::filesystem::create_directory(Pfad("Lehrer.ZEV"));
    EXPECT_FALSE(BereichLesen(b, ordner.Pfad(), e, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{kOeffnenLehrer + ordner.Pfad() + "\rzu lesen und zu öffnen!"});
    EXPECT_EQ(b.Letzter(), 1);
}

TEST_F(AreaFiles, ClassReaderMarksItsAreaLoaded) {
    BereichsDaten<TKlasseDS> k;
    ASSERT_TRUE(BereichSchreiben(k, ordner.Pfad(), e, m));
    EXPECT_TRUE(BereichLesen(k, ordner.Pfad(), e, m));
    EXPECT_TRUE(k.Geladen);
}

TEST_F(AreaFiles, SecondWriteLeavesTheFirstStateInSic) {
    auto b = Lehrer(1);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes erst = DateiBytes(Pfad("Lehrer.ZEV"));
    EXPECT_FALSE(test::Da(Pfad("Lehrer.SIC")));
    b = Lehrer(2);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    EXPECT_EQ(DateiBytes(Pfad("Lehrer.SIC")), erst);
    EXPECT_EQ(DateiBytes(Pfad("Lehrer.ZEV")).size(), 68u + 2 * 1052);
    EXPECT_EQ(test::Inhalt(ordner.Pfad()), (std::vector<std::string>{"Lehrer.SIC", "Lehrer.ZEV"}));
}

TEST_F(AreaFiles, CloseTimeCopiesRotateLs1IntoLs2) {
    auto b = Lehrer(1);
    ASSERT_TRUE(BereichKopieLS(b, ordner.Pfad(), e, m));
    b = Lehrer(2);
    ASSERT_TRUE(BereichKopieLS(b, ordner.Pfad(), e, m));
    const Bytes zwei = DateiBytes(Pfad("Lehrer.LS1"));
    b = Lehrer(3);
    ASSERT_TRUE(BereichKopieLS(b, ordner.Pfad(), e, m));
    EXPECT_EQ(DateiBytes(Pfad("Lehrer.LS2")), zwei);
    EXPECT_EQ(DateiBytes(Pfad("Lehrer.LS1")).size(), 68u + 3 * 1052);
    EXPECT_EQ(test::Inhalt(ordner.Pfad()), (std::vector<std::string>{"Lehrer.LS1", "Lehrer.LS2"}));
}

TEST_F(AreaFiles, FolderThatCannotTakeTheFileGivesTheCreateMessage) {
    const std::string fehlt = ordner.Pfad() + "fehlt/";
    auto b = Lehrer(1);
    EXPECT_FALSE(BereichSchreiben(b, fehlt, e, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{kOeffnenLehrer + fehlt + "\rzu erstellen und zu speichern!"});
    // The close-time copy of a list area passes over this silently.
    m.gezeigt.clear();
    EXPECT_FALSE(BereichKopieLS(b, fehlt, e, m));
    EXPECT_TRUE(m.gezeigt.empty());
}

// Fail every file operation of a write in turn: after each failure the current
// file and its previous version are intact, and nothing else is left behind.
TEST_F(AreaFiles, EveryFailingStepOfAWriteLeavesZevAndSicIntact) {
    auto b = Lehrer(1);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    b = Lehrer(2);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes sic = DateiBytes(Pfad("Lehrer.SIC"));
    const Bytes zev = DateiBytes(Pfad("Lehrer.ZEV"));
    const Bytes neu = BereichsImage(Lehrer(3), e.Schulnummer);

    int fehlschlaege = 0;
    for (int schritt = 1; schritt < 50; ++schritt) {
        SCOPED_TRACE(schritt);
        m.gezeigt.clear();
        io::test::FehlerBeiSchritt(schritt);
        const bool ok = BereichSchreiben(Lehrer(3), ordner.Pfad(), e, m);
        io::test::FehlerBeiSchritt(0);
        if (ok) {
            EXPECT_EQ(DateiBytes(Pfad("Lehrer.ZEV")), neu);
            EXPECT_EQ(DateiBytes(Pfad("Lehrer.SIC")), zev);
            break;
        }
        ++fehlschlaege;
        ASSERT_EQ(m.gezeigt.size(), 1u);
        const std::string erwartet =
            schritt == 1 ? kOeffnenLehrer + ordner.Pfad() + "\rzu erstellen und zu speichern!"
                         : "Die Datei:\r" + Pfad("Lehrer.ZEV") +
                               "\rkann nicht geschrieben werden!\r\rInput/output error\r\rDie bisherige Datei bleibt "
                               "unverändert.";
        EXPECT_EQ(m.gezeigt[0].text, erwartet);
        EXPECT_EQ(DateiBytes(Pfad("Lehrer.ZEV")), zev);
        const Bytes sicJetzt = DateiBytes(Pfad("Lehrer.SIC"));
        EXPECT_TRUE(sicJetzt == sic || sicJetzt == zev); // rotated or not, never lost
        EXPECT_EQ(test::Inhalt(ordner.Pfad()), (std::vector<std::string>{"Lehrer.SIC", "Lehrer.ZEV"}));
    }
    EXPECT_GE(fehlschlaege, 4); // create, write, flush, close, link, rename ...
}

// A real write error from the system: a file-size limit in a child process.
TEST_F(AreaFiles, FileSizeLimitFailsTheWriteAndKeepsTheFiles) {
    auto b = Lehrer(1);
    ASSERT_TRUE(BereichSchreiben(b, ordner.Pfad(), e, m));
    const Bytes zev = DateiBytes(Pfad("Lehrer.ZEV"));

    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{2000, 2000};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        SkriptMeldungen km;
        const bool ok = BereichSchreiben(Lehrer(5), ordner.Pfad(), e, km);
        const bool richtig = !ok && km.gezeigt.size() == 1 &&
                             km.gezeigt[0].text == "Die Datei:\r" + Pfad("Lehrer.ZEV") +
                                                       "\rkann nicht geschrieben werden!\r\rFile too large\r\rDie "
                                                       "bisherige Datei bleibt unverändert.";
        ::_exit(richtig ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(DateiBytes(Pfad("Lehrer.ZEV")), zev);
    EXPECT_EQ(test::Inhalt(ordner.Pfad()), std::vector<std::string>{"Lehrer.ZEV"});
}

class SchoolFile : public AreaFiles {
protected:
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
};

TEST_F(SchoolFile, WrittenAsOneImageAndReadBack) {
    InitSchule(d->SchulDS, "12345");
    d->SchulDS.Unterrichtseinheit[1000].Fach = "Ma";
    ASSERT_TRUE(SchuleSchreiben(d->SchulDS, ordner.Pfad(), m));
    const Bytes f = DateiBytes(Pfad("Schule.ZEV"));
    ASSERT_EQ(f.size(), 88656u);
    EXPECT_EQ(std::memcmp(f.data(), ImageOf(d->SchulDS), f.size()), 0);

    auto neu = std::make_unique<Datenbestand>();
    EXPECT_TRUE(SchuleLesen(*neu, ordner.Pfad(), m));
    EXPECT_TRUE(neu->SchuleGeladen);
    EXPECT_EQ(neu->SchulDS.Unterrichtseinheit[1000].Fach.str(), "Ma");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(SchoolFile, MissingFileLeavesTheRecordAndTheFlag) {
    d->SchulDS.Schulnummer = "99";
    EXPECT_FALSE(SchuleLesen(*d, ordner.Pfad(), m));
    EXPECT_FALSE(d->SchuleGeladen);
    EXPECT_EQ(d->SchulDS.Schulnummer.str(), "99");
    EXPECT_TRUE(m.gezeigt.empty());
}

TEST_F(SchoolFile, ShortFileIsRefusedAndTheRecordKept) {
    DateiSchreiben(Pfad("Schule.ZEV"), Bytes(88655, 0x01));
    d->SchulDS.Schulnummer = "99";
    EXPECT_FALSE(SchuleLesen(*d, ordner.Pfad(), m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + Pfad("Schule.ZEV") +
                                                  "\rist beschädigt oder unvollständig und wird nicht gelesen!"});
    EXPECT_EQ(d->SchulDS.Schulnummer.str(), "99");
    EXPECT_FALSE(d->SchuleGeladen);
}

TEST_F(SchoolFile, SicAndCloseTimeCopies) {
    InitSchule(d->SchulDS, "1");
    ASSERT_TRUE(SchuleSchreiben(d->SchulDS, ordner.Pfad(), m));
    const Bytes erst = DateiBytes(Pfad("Schule.ZEV"));
    d->SchulDS.Schulnummer = "2";
    ASSERT_TRUE(SchuleSchreiben(d->SchulDS, ordner.Pfad(), m));
    EXPECT_EQ(DateiBytes(Pfad("Schule.SIC")), erst);

    ASSERT_TRUE(SchuleKopieLS(d->SchulDS, ordner.Pfad(), m));
    d->SchulDS.Schulnummer = "3";
    ASSERT_TRUE(SchuleKopieLS(d->SchulDS, ordner.Pfad(), m));
    EXPECT_EQ(DateiBytes(Pfad("Schule.LS2"))[1], '2');
    EXPECT_EQ(DateiBytes(Pfad("Schule.LS1"))[1], '3');
}

TEST_F(SchoolFile, FailedWriteIsReported) {
    InitSchule(d->SchulDS, "1");
    EXPECT_FALSE(SchuleSchreiben(d->SchulDS, ordner.Pfad() + "fehlt/", m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Die Datei:\r" + ordner.Pfad() +
                                                  "fehlt/Schule.ZEV\rkann nicht geschrieben werden!\r\rNo such file "
                                                  "or directory\r\rDie bisherige Datei bleibt unverändert."});
}

} // namespace
} // namespace zev
