// The window of the große PLAUSI on the offscreen platform, filled from a real
// run over four teachers with the bundled catalogues; the report's file name
// comes from the test.
#include "ui/qt/group_window.h"

#include "plausi/check_course.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"
#include "ui/qt/colours.h"

#include <QAccessible>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace zev;
using zev::qt::GruppenFenster;

namespace {

// Four teachers through the course of the button: the first and the last pass,
// the second is class teacher of a class that does not exist (a warning), the
// third lacks the person group its activity needs (an error).
Gruppenanzeige GrossePlausi() {
    test::SkriptMeldungen m;
    Kataloge k;
    k.AlleLaden(ZEV_CATALOGUE_DIR "/", m);
    TEinstellungen e;
    EinstellungenStandard(e, "/p/");
    e.Schulnummer = "12345";
    auto d = std::make_unique<Datenbestand>();
    d->Lehrer.Geladen = d->Klassen.Geladen = d->SchuleGeladen = true;
    InitSchule(d->SchulDS, "12345");
    InitKlasse(d->Klassen.DB[0], "12345");
    d->Lehrer.DB.resize(4);
    const char* namen[4][4] = {{"L1", "", "Adler", "Anna"},
                               {"L2", "Dr.", "B\xF6hm", "Bernd"},
                               {"L3", "", "Cohn", "Clara"},
                               {"L4", "", "Dorn", "Dieter"}};
    for (std::size_t t = 0; t < 4; ++t) {
        TLehrerDS& l = d->Lehrer.DB[t];
        InitLehrer(l, "12345");
        l.Lehrernummer = namen[t][0];
        l.Grunddaten.Titel = namen[t][1];
        l.Grunddaten.Name = namen[t][2];
        l.Grunddaten.Vorname = namen[t][3];
        l.Sonstiges.Taetigkeit = "01";
        l.Sonstiges.Personengruppe[1] = "01";
    }
    d->Lehrer.DB[1].Sonstiges.Klassenleiter = "5a";
    d->Lehrer.DB[2].Sonstiges.Personengruppe[1] = "";

    PlausiLauf p;
    p.Saat(1);
    int fenster = 0;
    m.Antworten({false}); // not a school of a free carrier, and its data not tested
    GrossePlausiAusfuehren(p, *d, e, k, m, {[] {}, [] {}, [&] { ++fenster; }});
    if (fenster != 1) qFatal("the run did not ask for the group window");
    return GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, d->Lehrer);
}

QString Text(GruppenFenster& f, int zeile, int spalte) {
    return f.Tabelle()->model()->index(zeile, spalte).data(Qt::DisplayRole).toString();
}
QStringList Zeile(GruppenFenster& f, int zeile) {
    QStringList z;
    for (int s = 0; s < 6; ++s) z << Text(f, zeile, s);
    return z;
}
QStringList Ueberschriften(GruppenFenster& f) {
    QStringList z;
    for (int s = 0; s < 6; ++s) z << f.Tabelle()->model()->headerData(s, Qt::Horizontal).toString();
    return z;
}
QVariant ZellFarbe(GruppenFenster& f, int zeile, int spalte) {
    const QVariant v = f.Tabelle()->model()->index(zeile, spalte).data(Qt::ForegroundRole);
    return v.isValid() ? QVariant(v.value<QBrush>().color()) : QVariant();
}
bool Fett(const QVariant& schrift) {
    return schrift.isValid() && schrift.value<QFont>().bold();
}
bool Fett(GruppenFenster& f, int zeile, int spalte) {
    return Fett(f.Tabelle()->model()->index(zeile, spalte).data(Qt::FontRole));
}
void Doppelklick(GruppenFenster& f, int zeile) {
    QTableView* t = f.Tabelle();
    const QPoint p = t->visualRect(t->model()->index(zeile, 1)).center();
    // As a mouse does it: the first click presses the row, the second one is the double-click.
    QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
}
QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
QByteArray Datei(const std::string& pfad) {
    const auto b = test::DateiBytes(pfad);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

const QColor kGruen(0, 128, 0), kLila(128, 0, 128), kFuchsia(255, 0, 255), kRot(255, 0, 0);

} // namespace

class GruppenFensterTest : public QObject {
    Q_OBJECT
    // Before the windows, which answer through it until they are gone.
    zev::test::SkriptMeldungen skript_;

private slots:
    void init() { skript_.Leeren(); }

    void showsOneRowPerTeacherWithTheVerdictBoldAndColoured() {
        GruppenFenster f(skript_);
        f.Anzeigen(GrossePlausi(), "12345");
        f.show();
        QCOMPARE(f.windowTitle(), QString("Ergebnis: große PLAUSI -->  L e h r e r"));
        QCOMPARE(f.Schwelle()->text(), QString("ab Warnungen"));
        QCOMPARE(f.Schwelle()->palette().color(QPalette::Text), kLila);
        QVERIFY(f.Schwelle()->isReadOnly());

        QCOMPARE(Ueberschriften(f),
                 QStringList({"Lehrernummer", "Name", "Vorname", "Warnungen", "Fehler", "Ergebnis"}));
        QVERIFY(!f.Tabelle()->verticalHeader()->isVisible());
        // Eleven grid rows: the headings above the view, four teachers, six empty rows.
        QCOMPARE(f.Tabelle()->model()->rowCount(), 10);
        QCOMPARE(Zeile(f, 0), QStringList({"L1", "Adler", "Anna", "0", "0", "alles i.O."}));
        QCOMPARE(Zeile(f, 1), QStringList({"L2", "Dr. Böhm", "Bernd", "1", "0", "mit Warnung(en)!"}));
        QCOMPARE(Zeile(f, 2), QStringList({"L3", "Cohn", "Clara", "0", "1", "fehlerhaft!!!"}));
        QCOMPARE(Zeile(f, 3), QStringList({"L4", "Dorn", "Dieter", "0", "0", "alles i.O."}));
        QCOMPARE(Zeile(f, 9), QStringList({"", "", "", "", "", ""}));

        QCOMPARE(ZellFarbe(f, 0, 5), QVariant(kGruen));
        QCOMPARE(ZellFarbe(f, 1, 5), QVariant(kFuchsia));
        QCOMPARE(ZellFarbe(f, 2, 5), QVariant(kRot));
        for (int z = 0; z < 10; ++z) {
            QVERIFY2(Fett(f, z, 5), qPrintable(QString::number(z)));
            for (int s = 0; s < 5; ++s) {
                QVERIFY(!Fett(f, z, s));
                QCOMPARE(ZellFarbe(f, z, s), QVariant());
            }
        }
        QCOMPARE(ZellFarbe(f, 4, 5), QVariant());
        // The heading of the last column is bold too, in the grid's own colour.
        QVERIFY(Fett(f.Tabelle()->model()->headerData(5, Qt::Horizontal, Qt::FontRole)));
        QVERIFY(!Fett(f.Tabelle()->model()->headerData(4, Qt::Horizontal, Qt::FontRole)));
        QVERIFY(!f.Tabelle()->model()->headerData(5, Qt::Horizontal, Qt::ForegroundRole).isValid());

        // The widths of the grid, grown where a heading would not fit.
        const int breiten[6] = {80, 150, 100, 70, 50, 120};
        QHeaderView* kopf = f.Tabelle()->horizontalHeader();
        for (int s = 0; s < 5; ++s) QCOMPARE(kopf->sectionSize(s), std::max(breiten[s], kopf->sectionSizeHint(s)));
        QVERIFY(kopf->sectionSize(5) >= std::max(breiten[5], kopf->sectionSizeHint(5)));

        QCOMPARE(f.focusWidget(), static_cast<QWidget*>(f.BeendenKnopf()));
        QStringList beschriftungen;
        for (QLabel* l : f.findChildren<QLabel*>()) beschriftungen << l->text();
        beschriftungen.sort();
        QCOMPARE(beschriftungen, QStringList({"Test-Alarm-Schwelle", "Übersicht über die Einzeltests:"}));
    }

    void doubleClickingATeachersRowClosesAndNamesHim() {
        GruppenFenster f(skript_);
        QSignalSpy gewaehlt(&f, &GruppenFenster::DatensatzGewaehlt);
        bool offenNachLeerzeile = false;
        QTimer::singleShot(0, &f, [&] {
            Doppelklick(f, 6); // an empty row: nothing happens
            offenNachLeerzeile = f.isVisible();
            Doppelklick(f, 1);
            if (f.isVisible()) f.reject(); // the test fails instead of waiting
        });
        QCOMPARE(f.Zeigen(GrossePlausi(), "12345"), 1);
        QVERIFY(offenNachLeerzeile);
        QVERIFY(!f.isVisible());
        QCOMPARE(f.GewaehlterDatensatz(), 1);
        QCOMPARE(gewaehlt.size(), 1);
        QCOMPARE(gewaehlt.at(0).at(0).toInt(), 1);

        // "Beenden" afterwards leaves no teacher chosen.
        QTimer::singleShot(0, &f, [&] {
            QTest::mouseClick(f.BeendenKnopf(), Qt::LeftButton);
            if (f.isVisible()) f.reject();
        });
        QCOMPARE(f.Zeigen(GrossePlausi(), "12345"), -1);
        QCOMPARE(f.GewaehlterDatensatz(), -1);
        QCOMPARE(f.result(), int(QDialog::Accepted));
        QCOMPARE(gewaehlt.size(), 1);
    }

    void enterOnATeachersRowChoosesHimToo() {
        GruppenFenster f(skript_);
        QWidget* fokus = nullptr;
        QTimer::singleShot(0, &f, [&] {
            fokus = f.focusWidget();
            f.Tabelle()->setFocus();
            f.Tabelle()->setCurrentIndex(f.Tabelle()->model()->index(3, 0));
            QTest::keyClick(f.Tabelle(), Qt::Key_Return);
            if (f.isVisible()) f.reject();
        });
        QCOMPARE(f.Zeigen(GrossePlausi(), "12345"), 3);
        QCOMPARE(fokus, static_cast<QWidget*>(f.BeendenKnopf()));
    }

    void savesTheGridUnderTheScriptedName() {
        test::TempOrdner o;
        const Gruppenanzeige g = GrossePlausi();
        GruppenFenster f(skript_);
        QStringList namen, vorschlaege;
        f.DateiFrageSetzen([&](QWidget* eltern, const QString& vorschlag) {
            if (eltern != &f) qFatal("file dialog without the group window as its parent");
            vorschlaege << vorschlag;
            return namen.takeFirst();
        });
        f.Anzeigen(g, "12345", "01.02.2026");
        namen << QString::fromStdString(o / "g.csv") << QString() << QString::fromStdString(o / "g.html")
              << QString::fromStdString(o / "g.txt");
        for (int i = 0; i < 4; ++i) QTest::mouseClick(f.SpeichernKnopf(), Qt::LeftButton);

        QCOMPARE(Datei(o / "g.csv"), QByteArray("\xEF\xBB\xBFLehrernummer;Name;Vorname;Warnungen;Fehler;Ergebnis\r\n"
                                                "L1;Adler;Anna;0;0;alles i.O.\r\n"
                                                "L2;Dr. Böhm;Bernd;1;0;mit Warnung(en)!\r\n"
                                                "L3;Cohn;Clara;0;1;fehlerhaft!!!\r\n"
                                                "L4;Dorn;Dieter;0;0;alles i.O.\r\n"));
        QCOMPARE(Datei(o / "g.html"), Bytes(BerichtHtml(g, "12345", "01.02.2026")));
        QVERIFY(Datei(o / "g.html")
                    .contains("<tr><td>L3</td><td>Cohn</td><td>Clara</td><td>0</td><td>1</td>"
                              "<td class=\"fett\" style=\"color:#FF0000\">fehlerhaft!!!</td></tr>\n"));
        const QString ordner = QString::fromStdString(o.Pfad()).chopped(1);
        QCOMPARE(vorschlaege,
                 QStringList({QDir::homePath() + "/Lehrer-PLAUSI_12345.html", ordner + "/Lehrer-PLAUSI_12345.html",
                              ordner + "/Lehrer-PLAUSI_12345.html", ordner + "/Lehrer-PLAUSI_12345.html"}));
        QCOMPARE(test::Inhalt(o.Pfad()), (std::vector<std::string>{"g.csv", "g.html"}));
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QCOMPARE(skript_.gezeigt[0].text, MeldungUnbekanntesBerichtsformat(o / "g.txt"));
    }

    void ctrlPPrintsTheGridPage() {
        const Gruppenanzeige g = GrossePlausi();
        GruppenFenster f(skript_);
        QStringList gedruckt;
        f.DruckerSetzen([&](QWidget*, const QString& html) { gedruckt << html; });
        f.Anzeigen(g, "12345", "01.02.2026");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::keyClick(&f, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(gedruckt, QStringList({QString::fromStdString(BerichtHtml(g, "12345", "01.02.2026"))}));
    }

    void aReportNeverReplacesTheProgramsFiles() {
        test::TempOrdner o;
        test::DateiSchreiben(o / "katalog7.CSV", {'7'});
        test::SkriptMeldungen m;
        GruppenFenster f(m);
        f.DateiFrageSetzen([&](QWidget*, const QString&) { return QString::fromStdString(o / "katalog7.CSV"); });
        f.Anzeigen(GrossePlausi(), "12345", "01.02.2026");
        f.SpeichernKnopf()->click();
        QCOMPARE(m.Texte(), std::vector<std::string>{"Die Datei:\r" + (o / "katalog7.CSV") +
                                                     "\rwird nicht geschrieben!\r\rDateien des ZEV-Managers (*.ZEV, "
                                                     "*.SIC, *.LS1, *.LS2, *.defekt,\rZEVEinstellungen.DAT, "
                                                     "Katalog*.csv) werden nie überschrieben."});
        QCOMPARE(Datei(o / "katalog7.CSV"), QByteArray("7"));
    }

    void everyControlIsNamedForAssistiveTechnology() {
        GruppenFenster f(skript_);
        f.Anzeigen(GrossePlausi(), "12345");
        f.show();
        QMap<QString, QString> namen;
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QTableView*>(w) && !qobject_cast<QPushButton*>(w))
                continue;
            namen[w->objectName()] = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        }
        const QMap<QString, QString> erwartet{{"uebersicht", "Übersicht über die Einzeltests:"},
                                              {"schwelle", "Test-Alarm-Schwelle"},
                                              {"berichtSpeichern", "Bericht speichern ..."},
                                              {"beenden", "Beenden"}};
        QCOMPARE(namen, erwartet);
    }

    void everyOneOf65536TeachersHasARow() {
        BereichsDaten<TLehrerDS> lehrer;
        lehrer.DB.resize(65536);
        for (std::size_t t = 0; t < lehrer.DB.size(); ++t) {
            InitLehrer(lehrer.DB[t], "12345");
            lehrer.DB[t].Lehrernummer = "L" + std::to_string(t);
        }
        lehrer.DB.back().Fehler = 2;
        GruppenFenster f(skript_);
        f.Anzeigen(GruppenAnzeigeAufbauen(kGruppenartLehrer, 2, lehrer), "12345");
        QCOMPARE(f.Tabelle()->model()->rowCount(), 65536);
        QCOMPARE(Zeile(f, 65535), QStringList({"L65535", "  - frei -", "", "0", "2", "fehlerhaft!!!"}));
        QCOMPARE(f.Schwelle()->text(), QString("nur Fehler !!!"));
        QCOMPARE(f.Schwelle()->palette().color(QPalette::Text), kRot);
    }
};

QTEST_MAIN(GruppenFensterTest)
#include "group_window_test.moc"
