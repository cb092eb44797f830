#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/group_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/record_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using zev::Bereich;
using zev::Seite;
using zev::qt::DatensatzListe;
using zev::qt::HauptFenster;

class DatensatzListeTest : public QObject {
    Q_OBJECT
    // Before the windows, which answer through it until they are gone.
    zev::test::SkriptMeldungen skript_;

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<HauptFenster> fenster_;

    DatensatzListe* Liste(Seite s = Seite::Lehrer) const { return fenster_->Liste(s); }
    QListView* Ansicht(Seite s = Seite::Lehrer) const { return Liste(s)->Ansicht(); }
    QPushButton* Taste(DatensatzListe::Knopf k, Seite s = Seite::Lehrer) const { return Liste(s)->Taste(k); }
    zev::BereichsDaten<zev::TLehrerDS>& Lehrer() { return fenster_->Kontrolle().Daten().Lehrer; }

    // The texts the view shows, top to bottom.
    QStringList Gezeigt(Seite s = Seite::Lehrer) const {
        QStringList t;
        const auto* m = Ansicht(s)->model();
        for (int i = 0; i < m->rowCount(); ++i) t << m->index(i, 0).data().toString();
        return t;
    }
    QString Markiert(Seite s = Seite::Lehrer) const {
        const QModelIndexList markiert = Ansicht(s)->selectionModel()->selectedIndexes();
        return markiert.size() == 1 ? markiert[0].data().toString() : QString("(%1 markiert)").arg(markiert.size());
    }
    QString Zaehler(Seite s = Seite::Lehrer) const {
        return Liste(s)->ZaehlerAktuell()->text() + " / " + Liste(s)->ZaehlerLetzter()->text();
    }

    // The teacher page with teachers named by `namen`, identifiers 1, 2, ...
    void LehrerSeite(const QStringList& namen) {
        fenster_->Seiten()->setCurrentIndex(2);
        auto& l = Lehrer();
        l.DB.assign(static_cast<std::size_t>(namen.size()), zev::TLehrerDS{});
        for (int i = 0; i < namen.size(); ++i) {
            l.DB[static_cast<std::size_t>(i)].Grunddaten.Name = namen[i].toLatin1().toStdString();
            l.DB[static_cast<std::size_t>(i)].ID = i + 1;
        }
        l.Aktuell = 0;
        zev::PufferLaden(l, 0);
        fenster_->Kontrolle().ListenAufbauen(Bereich::Lehrer);
        fenster_->Kontrolle().StatusAnzeigen();
        fenster_->Kontrolle().Zeigen(Seite::Lehrer); // the sheet shows the first teacher
        Liste()->Aktualisieren();
    }
    template <class T> T* Kind(const char* name) const {
        T* w = fenster_->findChild<T*>(name);
        if (!w) qFatal("widget %s missing", name);
        return w;
    }

    // A click on the row showing `text`.
    void Klicken(const QString& text) {
        const auto* m = Ansicht()->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            const QModelIndex zeile = m->index(i, 0);
            if (zeile.data().toString() != text) continue;
            QTest::mouseClick(Ansicht()->viewport(), Qt::LeftButton, {}, Ansicht()->visualRect(zeile).center());
            return;
        }
        QFAIL(qPrintable("no row " + text));
    }

private slots:
    void init() {
        skript_.Leeren();
        skript_.gezeigt.clear();
        home_ = std::make_unique<QTemporaryDir>();
        zev::test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        fenster_ = std::make_unique<HauptFenster>((home_->path() + "/").toStdString(), skript_);
        fenster_->SicherungsTimer().setInterval(60000);
        fenster_->show();
        fenster_->SicherungsTimer().stop();
        QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
    }

    void cleanup() {
        fenster_.reset();
        home_.reset();
    }

    void nextMovesAndTheListHighlightsTheNewRecord() {
        LehrerSeite({"Adam", "Berg", "Cordes"});
        QCOMPARE(Markiert(), QString("Adam,  [1]"));
        QCOMPARE(Zaehler(), QString("1 / 3"));
        QVERIFY(Taste(DatensatzListe::Naechster)->isEnabled());

        Kind<QLineEdit>("lehrerName")->setText("Ahrens"); // typed on the teacher sheet
        QTest::mouseClick(Taste(DatensatzListe::Naechster), Qt::LeftButton);
        QCOMPARE(Lehrer().Aktuell, 1);
        QCOMPARE(Markiert(), QString("Berg,  [2]"));
        QCOMPARE(Zaehler(), QString("2 / 3"));
        QCOMPARE(Gezeigt(), QStringList({"Ahrens,  [1]", "Berg,  [2]", "Cordes,  [3]"}));

        QTest::mouseClick(Taste(DatensatzListe::Letzter), Qt::LeftButton);
        QCOMPARE(Markiert(), QString("Cordes,  [3]"));
        const bool nachLetztem[] = {true, true, false, false, true, false, true, true};
        for (int k = 0; k < 8; ++k) QCOMPARE(Taste(static_cast<DatensatzListe::Knopf>(k))->isEnabled(), nachLetztem[k]);

        QTest::mouseClick(Taste(DatensatzListe::SeiteZurueck), Qt::LeftButton); // many rows fit: to the first
        QCOMPARE(Markiert(), QString("Ahrens,  [1]"));
        QVERIFY(!Taste(DatensatzListe::Erster)->isEnabled());
        QVERIFY(Taste(DatensatzListe::SeiteVor)->isEnabled());

        Liste()->Waehlen(1); // a jump from elsewhere, as the group check's grid makes it
        QCOMPARE(Markiert(), QString("Berg,  [2]"));
        QCOMPARE(Zaehler(), QString("2 / 3"));
    }

    void clickingAnEntryChoosesItAndFreesTheClipboard() {
        LehrerSeite({"Adam", "Berg", "Cordes"});
        auto* kopieren = fenster_->findChild<QAction*>("aktionKopieren");
        kopieren->setEnabled(false);
        int gewaehlt = 0;
        auto& freigeben = fenster_->Blaettern().Dienste().zwischenablageFreigeben;
        freigeben = [&gewaehlt, weiter = freigeben] {
            ++gewaehlt;
            weiter();
        };
        Klicken("Cordes,  [3]");
        QCOMPARE(gewaehlt, 1);
        QCOMPARE(Lehrer().Aktuell, 2);
        QCOMPARE(Lehrer().Puffer.ID.get(), 3);
        QCOMPARE(Zaehler(), QString("3 / 3"));
        QVERIFY(kopieren->isEnabled());

        // The current entry clicked again: stored and shown anew, so a changed name reaches the list.
        QTest::qWait(1);
        Kind<QLineEdit>("lehrerName")->setText("Cramer");
        Klicken("Cordes,  [3]");
        QCOMPARE(gewaehlt, 2);
        QCOMPARE(Gezeigt(), QStringList({"Adam,  [1]", "Berg,  [2]", "Cramer,  [3]"}));
        QCOMPARE(Markiert(), QString("Cramer,  [3]"));
    }

    void plusThenMinus() {
        LehrerSeite({"Adam", "Berg"});
        QTest::mouseClick(Taste(DatensatzListe::Naechster), Qt::LeftButton);
        fenster_->Unterseiten(Seite::Lehrer)->setCurrentIndex(0);
        QSignalSpy neu(Liste(), &DatensatzListe::datensatzEingefuegt);
        QTest::mouseClick(Taste(DatensatzListe::Neu), Qt::LeftButton);
        QCOMPARE(neu.count(), 1);
        QCOMPARE(Gezeigt(), QStringList({"Adam,  [1]", "  - frei -,  [3]", "Berg,  [2]"}));
        QCOMPARE(Markiert(), QString("  - frei -,  [3]"));
        QCOMPARE(Zaehler(), QString("2 / 3"));

        skript_.Antworten({true});
        QTest::mouseClick(Taste(DatensatzListe::Loeschen), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text),
                 QString("Wollen Sie den aktuellen Lehrer:\r   - frei - [3]\rjetzt endgültig löschen?"));
        QCOMPARE(Gezeigt(), QStringList({"Adam,  [1]", "Berg,  [2]"}));
        QCOMPARE(Markiert(), QString("Adam,  [1]"));
        QCOMPARE(Zaehler(), QString("1 / 2"));
        QCOMPARE(neu.count(), 1);
    }

    void groupCheckWindowAndTheJumpToADoubleClickedTeacher() {
        LehrerSeite({"Adam", "Berg", "Cordes"});
        fenster_->Kontrolle().Einstellungen().AlleTestsZeigen = 1; // the window also when all pass
        QString titel;
        QTimer::singleShot(0, fenster_.get(), [&titel] {
            auto* g = qobject_cast<zev::qt::GruppenFenster*>(QApplication::activeModalWidget());
            if (!g) qFatal("kein Fenster \"Ergebnis: große PLAUSI\"");
            titel = g->windowTitle();
            QTableView* t = g->Tabelle();
            emit t->activated(t->model()->index(1, 1)); // what a double-click on the row sends
        });
        Kind<QLineEdit>("lehrerName")->setText("Abel"); // stored before the run
        Kind<QPushButton>("knopfAlleLehrer")->click();
        QCOMPARE(titel, QString("Ergebnis: große PLAUSI -->  L e h r e r"));
        QVERIFY(!fenster_->Gruppe()->isVisible());
        QTRY_COMPARE(Lehrer().Aktuell, 1);
        QCOMPARE(Kind<QLineEdit>("lehrerName")->text(), QString("Berg"));
        QCOMPARE(Markiert(), QString("Berg,  [2]"));
        QCOMPARE(QString::fromStdString(Lehrer().DB[0].Grunddaten.Name.str()), QString("Abel"));
    }

    void searchNarrowsChoosesAndClears() {
        LehrerSeite({"Adam", "Berg", "Cordes", "Bergmann", "Dietz"});
        QTest::keyClicks(Liste()->Suche(), "BER");
        QCOMPARE(Gezeigt(), QStringList({"Berg,  [2]", "Bergmann,  [4]"}));
        QCOMPARE(Markiert(), QString("(0 markiert)")); // the current teacher is not among them
        QCOMPARE(Lehrer().Aktuell, 0);

        Klicken("Bergmann,  [4]");
        QCOMPARE(Lehrer().Aktuell, 3);
        QCOMPARE(Lehrer().Puffer.ID.get(), 4);
        QCOMPARE(Markiert(), QString("Bergmann,  [4]"));

        QTest::keyClicks(Liste()->Suche(), "[2"); // matching anywhere, brackets as plain text
        QCOMPARE(Gezeigt(), QStringList());
        Liste()->Suche()->clear();
        QCOMPARE(Gezeigt().size(), 5);
        QCOMPARE(Markiert(), QString("Bergmann,  [4]"));
        QCOMPARE(Lehrer().Aktuell, 3);

        QTest::keyClicks(Liste()->Suche(), "TZ,");
        QCOMPARE(Gezeigt(), QStringList({"Dietz,  [5]"}));
        QTest::mouseClick(Taste(DatensatzListe::Naechster), Qt::LeftButton); // moving ignores the search
        QCOMPARE(Lehrer().Aktuell, 4);
        QCOMPARE(Markiert(), QString("Dietz,  [5]"));
    }

    void searchFindsNumbersAndClassesAsWellAsNames() {
        LehrerSeite({"Adam", "Berg", "Cordes"});
        Lehrer().DB[1].Lehrernummer = "KNT";
        Lehrer().DB[2].Lehrernummer = "BKN";
        fenster_->Kontrolle().ListenAufbauen(Bereich::Lehrer);
        Liste()->Aktualisieren();
        const auto suchen = [this](Seite s, const QString& text) {
            Liste(s)->Suche()->clear();
            QTest::keyClicks(Liste(s)->Suche(), text);
            return Gezeigt(s);
        };
        QCOMPARE(suchen(Seite::Lehrer, "knt"), QStringList({"Berg,  [2]"}));
        QCOMPARE(suchen(Seite::Lehrer, "kn"), QStringList({"Berg,  [2]", "Cordes,  [3]"}));
        // A number typed on the sheet is found once the record is left.
        Liste()->Suche()->clear();
        QTest::keyClicks(Kind<QLineEdit>("lehrernummer"), "XYZ");
        QTest::mouseClick(Taste(DatensatzListe::Naechster), Qt::LeftButton);
        QCOMPARE(suchen(Seite::Lehrer, "xyz"), QStringList({"Adam,  [1]"}));

        fenster_->Seiten()->setCurrentIndex(static_cast<int>(Seite::Schueler));
        auto& sch = fenster_->Kontrolle().Daten().Schueler;
        sch.DB.assign(3, zev::TSchuelerDS{});
        const char* daten[3][3] = {{"Ziegler", "4711", "5a"}, {"Yilmaz", "0815", "10b"}, {"Xaver", "5a", "7c"}};
        for (std::size_t i = 0; i < 3; ++i) {
            sch.DB[i].ID = static_cast<int>(i) + 1;
            sch.DB[i].Grunddaten.Name = daten[i][0];
            sch.DB[i].Schuelernummer = daten[i][1];
            sch.DB[i].Jahrgangsdaten.Klasse = daten[i][2];
        }
        fenster_->Kontrolle().ListenAufbauen(Bereich::Schueler);
        Liste(Seite::Schueler)->Aktualisieren();
        QCOMPARE(suchen(Seite::Schueler, "0815"), QStringList({"Yilmaz,  [2]"}));
        QCOMPARE(suchen(Seite::Schueler, "5A"), QStringList({"Ziegler,  [1]", "Xaver,  [3]"}));
        QCOMPARE(suchen(Seite::Schueler, "10b"), QStringList({"Yilmaz,  [2]"}));
    }

    void ctrlFGoesToTheSearchOfTheListOnScreen() {
        fenster_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        auto* suchen = Kind<QAction>("aktionSuchen");
        QVERIFY(!suchen->isEnabled()); // the start page has no list
        for (Seite s : {Seite::Lehrer, Seite::Schueler}) {
            fenster_->Seiten()->setCurrentIndex(static_cast<int>(s));
            QTest::keyClick(fenster_.get(), Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), Liste(s)->Suche());
        }
    }

    void aFullAreaFillsAndScrollsAtOnce() {
        QStringList namen;
        for (int i = 0; i < 65536; ++i) namen << QString("L%1").arg(i);
        LehrerSeite(namen);
        QCOMPARE(Ansicht()->model()->rowCount(), 65536);
        QTest::mouseClick(Taste(DatensatzListe::Letzter), Qt::LeftButton);
        QCOMPARE(Zaehler(), QString("65536 / 65536"));
        QCOMPARE(Markiert(), QString("L65535,  [65536]"));
        QVERIFY(Ansicht()->viewport()->rect().intersects(Ansicht()->visualRect(Ansicht()->currentIndex())));

        QTest::mouseClick(Taste(DatensatzListe::Neu), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text),
                 QString("Es können höchstens 65.536 Lehrer gespeichert werden!\rEin neuer Lehrer kann nicht mehr "
                         "angelegt werden."));
        QCOMPARE(Ansicht()->model()->rowCount(), 65536);
    }

    void eachListAreaHasItsPanel() {
        for (Seite s : {Seite::Klassen, Seite::Schueler}) {
            fenster_->Seiten()->setCurrentIndex(static_cast<int>(s));
            QCOMPARE(Gezeigt(s).size(), 1);
            QCOMPARE(Liste(s)->Suche()->accessibleName(), QString("Suche"));
            QCOMPARE(Taste(DatensatzListe::SeiteVor, s)->accessibleName(), QString(">>"));
            QVERIFY(fenster_->findChild<QWidget*>(s == Seite::Klassen ? "blatt_klassen" : "blatt_schueler"));
            QTest::mouseClick(Taste(DatensatzListe::Neu, s), Qt::LeftButton);
            QCOMPARE(Gezeigt(s).size(), 2);
            QCOMPARE(Zaehler(s), QString("1 / 2"));
        }
        QVERIFY(!fenster_->Liste(Seite::Schule));
    }
};

QTEST_MAIN(DatensatzListeTest)
#include "record_list_test.moc"
