// The assistant of the change of school year on the demonstration school: the
// table of Jahrgänge, decisions per student and per class, the overview, and
// "Durchführen" after the last question. With ZEV_BILDER set to a folder, the four
// steps are saved there as pictures (for the guide).
#include "control/demo_school.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "support/widget_checks.h"
#include "ui/qt/main_window.h"
#include "ui/qt/school_year_dialog.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zev;
using zev::qt::SchuljahrAssistent;

class SchuljahrAssistentTest : public QObject {
    Q_OBJECT
    test::SkriptMeldungen skript_;
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<Steuerung> s_;

    std::string Home() const { return (home_->path() + "/").toStdString(); }

    static int Zeile(SchuljahrAssistent& a, const QString& jahrgang) {
        for (int r = 0; r < a.Jahrgaenge()->rowCount(); ++r)
            if (a.Jahrgaenge()->item(r, 0)->text().endsWith("[" + jahrgang + "]")) return r;
        qFatal("keine Zeile %s", qPrintable(jahrgang));
    }
    static QString Nachher(SchuljahrAssistent& a, const QString& jahrgang) {
        for (int r = 0; r < a.Zaehlung()->rowCount(); ++r)
            if (a.Zaehlung()->item(r, 0)->text() == jahrgang) return a.Zaehlung()->item(r, 2)->text();
        return "-";
    }
    static void Bild(QWidget& w, const char* name) {
        const QByteArray ordner = qgetenv("ZEV_BILDER");
        if (ordner.isEmpty()) return;
        QTest::qWait(50);
        QVERIFY(w.grab().save(QString::fromLocal8Bit(ordner) + "/" + name));
    }

private slots:
    void init() {
        skript_.Leeren();
        home_ = std::make_unique<QTemporaryDir>();
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        TEinstellungen e;
        EinstellungenStandard(e, Home());
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2025";
        e.Datenquelle = 1;
        QVERIFY(EinstellungenSchreiben(e, Home(), skript_));
        s_ = std::make_unique<Steuerung>(Home(), skript_);
        s_->Erstellen();
        s_->DauerhaftSperren("zev-manager");
        s_->Gezeigt();
        DemoSchuleErzeugen(s_->Daten(), s_->Katalogliste(), s_->Einstellungen(), kDemoSaat);
        for (Bereich b : kAlleBereiche) QVERIFY(s_->Schreiben(b));
    }
    void cleanup() {
        s_.reset();
        home_.reset();
    }

    void menuEntryNeedsTheFourFiles() {
        QTemporaryDir leer;
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, leer.path());
        const std::string home = (leer.path() + "/").toStdString();
        TEinstellungen e;
        EinstellungenStandard(e, home);
        QVERIFY(EinstellungenSchreiben(e, home, skript_));
        qt::HauptFenster f(home, skript_);
        f.SicherungsTimer().setInterval(60000);
        f.show();
        f.SicherungsTimer().stop();
        skript_.Leeren();
        auto* aktion = f.findChild<QAction*>("aktionSchuljahreswechsel");
        QVERIFY(aktion);
        QCOMPARE(aktion->text(), QString("Sc&huljahreswechsel ..."));
        aktion->trigger();
        QCOMPARE(skript_.gezeigt.size(), std::size_t(1));
        QCOMPARE(skript_.gezeigt[0].text, "Der Schuljahreswechsel braucht die vier Dateien Schule.ZEV, Lehrer.ZEV, "
                                          "Klassen.ZEV und Schueler.ZEV.\rEs fehlt:\r" +
                                              home + "Daten/Schule.ZEV");
    }

    void stepsShowThePlanAndCarryItOut() {
        SchuljahrAssistent a(*s_, skript_);
        QVERIFY(a.Vorbereiten());
        QAbstractItemModelTester tester(a.Schueler()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        a.resize(1000, 680);
        a.show();
        QVERIFY(QTest::qWaitForWindowExposed(&a));
        // Every step names its controls for assistive technology.
        const auto benannt = [&a] {
            const QStringList fehlend = test::Unbenannte(a.currentPage());
            QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(", ")));
        };
        QCOMPARE(a.windowTitle(), QString("Schuljahreswechsel: Berichtsjahr 2025 → 2026"));
        QCOMPARE(a.Jahrgaenge()->rowCount(), 20);
        auto* elf = qobject_cast<QComboBox*>(a.Jahrgaenge()->cellWidget(Zeile(a, "11"), 1));
        QCOMPARE(elf->currentText(), QString("verlässt die Schule"));
        QCOMPARE(a.Jahrgaenge()->item(Zeile(a, "11"), 3)->text(), QString("höchster Jahrgang"));
        QCOMPARE(a.Jahrgaenge()->item(Zeile(a, "05"), 2)->text(), QString("50"));
        Bild(a, "schuljahr-1.png");
        benannt();

        // The 11th grade goes on to 12: it stays, under the name 12a.
        QCOMPARE(Nachher(a, "12"), QString("-"));
        elf->setCurrentIndex(elf->findData(QString("12")));
        QCOMPARE(Nachher(a, "12"), QString("25"));

        a.next();
        QCOMPARE(a.Klassen()->item(4)->text(), QString("5a"));
        a.Klassen()->setCurrentRow(4);
        QCOMPARE(a.Schueler()->model()->rowCount(), 25);
        QCOMPARE(a.Schueler()->model()->index(0, 6).data().toString(), QString("6a"));
        a.Schueler()->selectRow(0);
        a.findChild<QPushButton*>("wiederholt")->click();
        QCOMPARE(a.Schueler()->model()->index(0, 4).data().toString(), QString("wiederholt"));
        QCOMPARE(a.Schueler()->model()->index(0, 6).data().toString(), QString("5a"));
        a.Klassen()->setCurrentRow(7); // 7a leaves as a whole
        a.findChild<QPushButton*>("klasse_verlaesst")->click();
        QCOMPARE(a.Schueler()->model()->index(24, 4).data().toString(), QString("verlässt die Schule"));
        a.WiederholerSchluessel()->setCurrentIndex(a.WiederholerSchluessel()->findData(QString("02")));
        QCOMPARE(a.Plan().wiederholerSchluessel, std::string("02"));
        a.Klassen()->setCurrentRow(4);
        Bild(a, "schuljahr-2.png");
        benannt();

        a.next();
        QCOMPARE(Nachher(a, "05"), QString("26"));
        QCOMPARE(Nachher(a, "08"), QString("0"));
        QVERIFY(a.Aenderungen()->toPlainText().startsWith("274 versetzt, 1 wiederholen, 25 verlassen die Schule.\n"));
        QVERIFY(a.Aenderungen()->toPlainText().contains("Klassen entfernt (alle Schüler verlassen die Schule): 7a\n"));
        Bild(a, "schuljahr-3.png");
        benannt();
        a.next();
        Bild(a, "schuljahr-4.png");
        benannt();

        // "Durchführen", answered No: nothing happens.
        const auto vorher = test::DateiBytes(s_->Ordnerpfade().Daten + "Schueler.ZEV");
        skript_.Antworten({false});
        a.button(QWizard::FinishButton)->click();
        QVERIFY(a.isVisible());
        QCOMPARE(test::DateiBytes(s_->Ordnerpfade().Daten + "Schueler.ZEV"), vorher);
        skript_.Antworten({true});
        a.button(QWizard::FinishButton)->click();
        QVERIFY(!a.isVisible());
        QCOMPARE(a.result(), int(QDialog::Accepted));
        QCOMPARE(skript_.gezeigt.back().text,
                 "Der Schuljahreswechsel ist durchgeführt.\r\rBerichtsjahr jetzt: 2026\rDas Schuljahr 2025 liegt "
                 "in:\r" +
                     s_->Ordnerpfade().Daten + "Schuljahre/2025/");
        // The controller holds the new year, read from the new files.
        QCOMPARE(s_->Einstellungen().Berichtsjahr.str(), std::string("2026"));
        QVERIFY(s_->Geladen(Bereich::Schueler));
        QCOMPARE(s_->Daten().Schueler.DB.size(), std::size_t(275));
        QCOMPARE(s_->SchuelerListe().size(), std::size_t(275));
        QVERIFY(test::Da(s_->Ordnerpfade().Daten + "Schuljahre/2025/Schueler.ZEV"));

        // And back.
        SchuljahrAssistent b(*s_, skript_);
        QVERIFY(b.Vorbereiten());
        skript_.Antworten({true});
        b.Zurueckholen("2025");
        QCOMPARE(s_->Einstellungen().Berichtsjahr.str(), std::string("2025"));
        QCOMPARE(s_->Daten().Schueler.DB.size(), std::size_t(300));
        QCOMPARE(test::DateiBytes(s_->Ordnerpfade().Daten + "Schueler.ZEV"), vorher);
    }
};

QTEST_MAIN(SchuljahrAssistentTest)
#include "school_year_dialog_test.moc"
