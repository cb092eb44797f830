// The result window on the offscreen platform, filled from a real school check
// run over the bundled catalogues; the report's file name comes from the test.
#include "ui/qt/result_window.h"

#include "plausi/message_table.h"
#include "plausi/school_tests.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/widget_checks.h"
#include "ui/qt/class_dialogs.h"
#include "ui/qt/colours.h"
#include "ui/qt/group_window.h"
#include "ui/qt/import_window.h"
#include "ui/qt/school_dialogs.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <filesystem>
#include <memory>

using namespace zev;
using zev::qt::ErgebnisFenster;

namespace {

// A school with one lesson unit whose subject, course and class are missing and
// whose teacher is unknown: findings in every colour.
Ergebnisanzeige SchulpruefungMitFehlern() {
    test::SkriptMeldungen m;
    Kataloge k;
    k.AlleLaden(ZEV_CATALOGUE_DIR "/", m);
    TEinstellungen e;
    EinstellungenStandard(e, "/p/");
    e.Schulnummer = "12345";
    auto d = std::make_unique<Datenbestand>();
    d->Lehrer.Geladen = d->Klassen.Geladen = d->SchuleGeladen = true;
    InitSchule(d->SchulDS, "12345");
    InitLehrer(d->Lehrer.DB[0], "12345");
    d->Lehrer.DB[0].Lehrernummer = "L1";
    InitKlasse(d->Klassen.DB[0], "12345");
    TUnterrichtseinheitDS& u = d->SchulDS.Unterrichtseinheit[1];
    u.UE_ID = 7;
    u.UE_ID_Text = "7";
    u.Schulart = "01";
    u.Jahrgang = "05";
    u.Stunden = "4";
    u.Lehrer = "X9";

    PlausiLauf p;
    p.Saat(1);
    p.TestsZuruecksetzen();
    TesteAlleSchuldaten(p, d->SchulDS, {e, k, *d});
    p.Alarmschwelle = 0;
    p.TestsAuszaehlen();
    Fehlertexte texte;
    texte.Fuellen();
    return ErgebnisseAufbauen(p, texte);
}

Ergebnisanzeige Bestanden() {
    PlausiLauf p;
    p.TestsZuruecksetzen();
    p.Setze(100, 1);
    p.Setze(103, 0);
    p.Alarmschwelle = 1;
    p.TestsAuszaehlen();
    Fehlertexte texte;
    texte.Fuellen();
    return ErgebnisseAufbauen(p, texte);
}

QString Zeile(ErgebnisFenster& f, int n) {
    return f.Liste()->model()->index(n, 0).data(Qt::DisplayRole).toString();
}
QColor ZeilenFarbe(ErgebnisFenster& f, int n) {
    return f.Liste()->model()->index(n, 0).data(Qt::ForegroundRole).value<QBrush>().color();
}
QColor Textfarbe(QWidget* w) {
    return w->palette().color(QPalette::Text);
}
QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
QByteArray Datei(const std::string& pfad) {
    const auto b = test::DateiBytes(pfad);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

const QColor kSchwarz(0, 0, 0), kBlau(0, 0, 255), kGruen(0, 128, 0), kLila(128, 0, 128), kFuchsia(255, 0, 255),
    kRot(255, 0, 0);

} // namespace

class ErgebnisFensterTest : public QObject {
    Q_OBJECT
    // Before the windows, which answer through it until they are gone.
    zev::test::SkriptMeldungen skript_;

private slots:
    void init() { skript_.Leeren(); }

    void showsEveryLineOfAFailedRunInItsColour() {
        const Ergebnisanzeige a = SchulpruefungMitFehlern();
        ErgebnisFenster f(skript_);
        f.Anzeigen(a, "12345");
        f.show();
        QCOMPARE(f.windowTitle(), QString("Datentest (interne PLAUSI)"));

        // 17 tests, three lines each.
        QCOMPARE(f.Liste()->model()->rowCount(), 51);
        for (int n = 0; n < 51; ++n) {
            const AnzeigeZeile& z = a.zeilen[static_cast<std::size_t>(n)];
            QCOMPARE(Zeile(f, n), QString::fromStdString(z.text));
            QCOMPARE(ZeilenFarbe(f, n), qt::QFarbe(z.farbe));
        }
        QCOMPARE(Zeile(f, 0), QString("[1]   Blindfehlertest - Testet, ob überhaupt Tests durchgeführt werden (Dieser "
                                      "Test wird nicht mit bewertet!!!)"));
        QCOMPARE(ZeilenFarbe(f, 0), kSchwarz);
        QCOMPARE(Zeile(f, 1), QString("  -->  !!! so sieht ein Test mit schwerwiegendem Fehler aus"));
        QCOMPARE(ZeilenFarbe(f, 1), kRot);
        QCOMPARE(Zeile(f, 4), QString("  -->  alle Angaben zur Schulnummer o.B."));
        QCOMPARE(ZeilenFarbe(f, 4), kGruen);
        QCOMPARE(Zeile(f, 7), QString("  -->  Test ohne Ergebnis durchgeführt"));
        QCOMPARE(ZeilenFarbe(f, 7), kBlau);
        QCOMPARE(Zeile(f, 34),
                 QString("  -->  ev. noch keine Klassen angelegt oder geladen (Wechseln Sie ev. 1x zu \"Klassen\"!)"));
        QCOMPARE(ZeilenFarbe(f, 34), kLila);
        QCOMPARE(
            Zeile(f, 49),
            QString("  -->  !!! Lehrer der UE mit laufender Nr.: 1 nicht in der internen Lehrer-Datenbank gefunden"));
        QCOMPARE(ZeilenFarbe(f, 49), kFuchsia);

        QCOMPARE(f.Schwelle()->text(), QString("ab Warnungen"));
        QCOMPARE(Textfarbe(f.Schwelle()), kLila);
        QVERIFY(f.Schwelle()->isReadOnly());
        QCOMPARE(f.Urteil()->text(), QString("Tests NICHT bestanden!!!"));
        QCOMPARE(Textfarbe(f.Urteil()), kRot);
        QVERIFY(f.Urteil()->isReadOnly());
        QVERIFY(f.Zaehlerzeile()->isVisible());
        QCOMPARE(f.Warnungen()->text(), QString("2"));
        QCOMPARE(f.Fehler()->text(), QString("4"));
        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.BeendenKnopf()));

        QStringList beschriftungen;
        for (QLabel* l : f.findChildren<QLabel*>()) beschriftungen << l->text();
        beschriftungen.sort();
        QCOMPARE(beschriftungen, QStringList({"Einzel-Tests mit Ergebnissen:", "Fehler", "Gesamt-Test-Ergebnis:",
                                              "Test-Alarm-Schwelle:", "Warnung(en)     und", "mit"}));
    }

    void aPassedRunHidesAndClearsTheCounts() {
        ErgebnisFenster f(skript_);
        f.Anzeigen(SchulpruefungMitFehlern(), "12345");
        f.show();
        f.Anzeigen(Bestanden(), "12345");
        QCOMPARE(f.Liste()->model()->rowCount(), 6);
        QCOMPARE(Zeile(f, 0),
                 QString("[100]   Schulnummer eingetragen und passend zu den Programm-Einstellungen prüfen"));
        QCOMPARE(f.Schwelle()->text(), QString("ab schwerwiegenden Warnungen"));
        QCOMPARE(Textfarbe(f.Schwelle()), kFuchsia);
        QCOMPARE(f.Urteil()->text(), QString("alle Tests bestanden!!!"));
        QCOMPARE(Textfarbe(f.Urteil()), kGruen);
        QVERIFY(!f.Zaehlerzeile()->isVisible());
        QCOMPARE(f.Warnungen()->text(), QString());
        QCOMPARE(f.Fehler()->text(), QString());
    }

    void savesTheReportUnderTheScriptedName() {
        test::TempOrdner o;
        const Ergebnisanzeige a = SchulpruefungMitFehlern();
        ErgebnisFenster f(skript_);
        QStringList namen, vorschlaege;
        f.DateiFrageSetzen([&](QWidget* eltern, const QString& vorschlag) {
            if (eltern != &f) qFatal("file dialog without the result window as its parent");
            vorschlaege << vorschlag;
            return namen.takeFirst();
        });
        f.Anzeigen(a, "12345", "01.02.2026");

        namen << QString::fromStdString(o / "b.csv") << QString::fromStdString(o / "b.HTML") << QString()
              << QString::fromStdString(o / "b.txt");
        for (int i = 0; i < 4; ++i) QTest::mouseClick(f.SpeichernKnopf(), Qt::LeftButton);
        QCOMPARE(Datei(o / "b.csv"), Bytes(BerichtCsv(a)));
        QCOMPARE(Datei(o / "b.HTML"), Bytes(BerichtHtml(a, "12345", "01.02.2026")));
        QVERIFY(Datei(o / "b.HTML")
                    .contains("<span style=\"color:#FF00FF\">  --&gt;  !!! Lehrer der UE mit laufender "
                              "Nr.: 1 nicht in der internen Lehrer-Datenbank gefunden</span>\n"));
        // The first suggestion lies in the home folder, later ones where the last report went.
        const QString ordner = QString::fromStdString(o.Pfad()).chopped(1);
        QCOMPARE(vorschlaege, QStringList({QDir::homePath() + "/Datentest_12345.html", ordner + "/Datentest_12345.html",
                                           ordner + "/Datentest_12345.html", ordner + "/Datentest_12345.html"}));
        QCOMPARE(test::Inhalt(o.Pfad()), (std::vector<std::string>{"b.HTML", "b.csv"}));
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QCOMPARE(skript_.gezeigt[0].art, MeldungsArt::Fehler);
        QCOMPARE(skript_.gezeigt[0].text,
                 "Unbekanntes Berichtsformat: " + (o / "b.txt") +
                     "\r\rEin Bericht wird als HTML-Datei (*.html, *.htm) oder als CSV-Datei (*.csv) gespeichert.\r\r"
                     "KEIN Bericht gespeichert!");
    }

    // Ctrl+P prints the page "Bericht speichern ..." writes as HTML, and the context menu shows the key.
    void ctrlPPrintsTheReportPage() {
        const Ergebnisanzeige a = SchulpruefungMitFehlern();
        ErgebnisFenster f(skript_);
        QStringList gedruckt;
        f.DruckerSetzen([&](QWidget* eltern, const QString& html) {
            QCOMPARE(eltern, &f);
            gedruckt << html;
        });
        f.Anzeigen(a, "12345", "01.02.2026");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::keyClick(f.Liste(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(gedruckt, QStringList({QString::fromStdString(BerichtHtml(a, "12345", "01.02.2026"))}));
        auto* drucken = f.findChild<QAction*>("aktionDrucken");
        QVERIFY(drucken && f.actions().contains(drucken));
        QCOMPARE(drucken->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(f.contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    // The import report and the lesson-unit chooser name their controls as well.
    void theImportReportAndTheChooserNameEveryControl() {
        qt::ImportFenster bericht(skript_);
        qt::UEAuswahlDialog auswahl(skript_);
        for (QWidget* w : {static_cast<QWidget*>(&bericht), static_cast<QWidget*>(&auswahl)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QStringList fehlend;
            test::Unbenannte(QAccessible::queryAccessibleInterface(w), fehlend);
            QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(", ")));
        }
    }

    // Enter presses one button in every dialog: each has exactly one default button.
    void everyDialogHasOneDefaultButton() {
        const KomboListe leer;
        const UEDialogListen listen;
        qt::UEDialog ue(listen);
        qt::SchulartDialog schulart(leer);
        qt::KlBesDialog besonderheit(leer);
        qt::UEAuswahlDialog auswahl(skript_);
        qt::ImportFenster bericht(skript_);
        ErgebnisFenster ergebnis(skript_);
        qt::GruppenFenster gruppe(skript_);
        for (QDialog* d :
             std::initializer_list<QDialog*>{&ue, &schulart, &besonderheit, &auswahl, &bericht, &ergebnis, &gruppe}) {
            int standard = 0;
            for (QPushButton* b : d->findChildren<QPushButton*>()) standard += b->isDefault() ? 1 : 0;
            QVERIFY2(standard == 1, d->metaObject()->className());
        }
    }

    void aFailedWriteGoesToTheGivenMessages() {
        test::SkriptMeldungen m;
        ErgebnisFenster f(m);
        f.DateiFrageSetzen([](QWidget*, const QString&) { return QString("/nicht/da/b.csv"); });
        f.Anzeigen(Bestanden(), "");
        f.SpeichernKnopf()->click();
        QCOMPARE(m.Texte(),
                 std::vector<std::string>{"Die Datei:\r/nicht/da/b.csv\rkann nicht geschrieben werden!\r\rNo "
                                          "such file or directory\r\rDie bisherige Datei bleibt unverändert."});
    }

    // "Bericht speichern ..." goes through the same check as `zev check --csv`: the
    // program's own files, a link to them and a FIFO are named and left alone.
    void aReportNeverReplacesTheProgramsFilesOrAFifo() {
        test::TempOrdner o;
        test::DateiSchreiben(o / "Lehrer.ZEV", {'Z', 'E', 'V'});
        test::DateiSchreiben(o / "Katalog1.csv", {'1', ';', 'x'});
        std::filesystem::create_symlink(o / "Lehrer.ZEV", o / "b.html");
        QCOMPARE(::mkfifo((o / "f.csv").c_str(), 0600), 0);
        test::SkriptMeldungen m;
        ErgebnisFenster f(m);
        QStringList namen = {QString::fromStdString(o / "Katalog1.csv"), QString::fromStdString(o / "b.html"),
                             QString::fromStdString(o / "f.csv")};
        f.DateiFrageSetzen([&](QWidget*, const QString&) { return namen.takeFirst(); });
        f.Anzeigen(Bestanden(), "");
        for (int i = 0; i < 3; ++i) f.SpeichernKnopf()->click();
        const std::string eigen = "\r\rDateien des ZEV-Managers (*.ZEV, *.SIC, *.LS1, *.LS2, *.defekt,\r"
                                  "ZEVEinstellungen.DAT, Katalog*.csv) werden nie überschrieben.";
        QCOMPARE(m.Texte(), (std::vector<std::string>{
                                "Die Datei:\r" + (o / "Katalog1.csv") + "\rwird nicht geschrieben!" + eigen,
                                "Die Datei:\r" + (o / "b.html") + "\rwird nicht geschrieben!" + eigen,
                                "Die Datei:\r" + (o / "f.csv") + "\rwird nicht geschrieben!\r\rkeine reguläre Datei"}));
        QCOMPARE(Datei(o / "Lehrer.ZEV"), QByteArray("ZEV"));
        QCOMPARE(Datei(o / "Katalog1.csv"), QByteArray("1;x"));
        QVERIFY(std::filesystem::is_symlink(o / "b.html"));
        QVERIFY(std::filesystem::is_fifo(o / "f.csv"));
    }

    void beendenClosesTheModalWindow() {
        ErgebnisFenster f(skript_);
        bool offen = false;
        QWidget* fokus = nullptr;
        QTimer::singleShot(0, &f, [&] {
            offen = f.isVisible();
            fokus = f.focusWidget();
            f.BeendenKnopf()->click();
        });
        f.Zeigen(Bestanden(), "12345");
        QVERIFY(offen);
        QCOMPARE(fokus, static_cast<QWidget*>(f.BeendenKnopf()));
        QVERIFY(!f.isVisible());
        QCOMPARE(f.result(), int(QDialog::Accepted));
    }

    void everyControlIsNamedForAssistiveTechnology() {
        ErgebnisFenster f(skript_);
        f.Anzeigen(SchulpruefungMitFehlern(), "12345");
        f.show();
        QMap<QString, QString> namen;
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QListView*>(w) && !qobject_cast<QPushButton*>(w))
                continue;
            namen[w->objectName()] = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        const QMap<QString, QString> erwartet{{"ergebnisListe", "Einzel-Tests mit Ergebnissen:"},
                                              {"schwelle", "Test-Alarm-Schwelle:"},
                                              {"urteil", "Gesamt-Test-Ergebnis:"},
                                              {"warnungen", "Warnung(en)"},
                                              {"fehler", "Fehler"},
                                              {"berichtSpeichern", "Bericht speichern ..."},
                                              {"beenden", "Beenden"}};
        QCOMPARE(namen, erwartet);
    }

    void theListFollowsTheWindowSize() {
        ErgebnisFenster f(skript_);
        f.Anzeigen(SchulpruefungMitFehlern(), "12345");
        f.resize(800, 600);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QSize vorher = f.Liste()->size();
        f.resize(1000, 750);
        QTRY_COMPARE(f.Liste()->size(), vorher + QSize(200, 150));
        QCOMPARE(f.BeendenKnopf()->geometry().right(), f.Liste()->geometry().right());
    }
};

QTEST_MAIN(ErgebnisFensterTest)
#include "result_window_test.moc"
