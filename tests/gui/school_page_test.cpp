// The school page in the main window on the offscreen platform: the dialogs
// answered from timers, the data checked in the files the page change writes,
// and every input control named for assistive technology.
#include "control/lifecycle.h"
#include "storage/area_files.h"
#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/main_window.h"
#include "ui/qt/result_window.h"
#include "ui/qt/school_dialogs.h"
#include "ui/qt/school_page.h"
#include "ui/qt/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using namespace zev;
using zev::qt::HauptFenster;

using test::Beantworten;
using test::Unbenannte;

class SchulSeiteTest : public QObject {
    Q_OBJECT
    // Before the windows, which answer through it until they are gone.
    zev::test::SkriptMeldungen skript_;

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<HauptFenster> fenster_;

    QString Pfad(const QString& name) const { return home_->path() + "/" + name; }
    template <class T> T* Kind(const char* name) const {
        T* w = fenster_->findChild<T*>(name);
        if (!w) qFatal("widget %s missing", name);
        return w;
    }
    qt::SchulSeitenWidget& Seite() { return *fenster_->SchulSeite(); }
    void ZurSchule() { Kind<QTabWidget>("seiten")->setCurrentIndex(1); }
    void ZumStart() { Kind<QTabWidget>("seiten")->setCurrentIndex(0); }
    // The school record as the page change wrote it.
    TSchuleDS GespeicherteSchule() {
        auto d = std::make_unique<Datenbestand>();
        StilleMeldungen still;
        if (!SchuleLesen(*d, Pfad("Daten/").toStdString(), still)) qFatal("Schule.ZEV nicht lesbar");
        return d->SchulDS;
    }

private slots:
    void init() {
        skript_.Leeren();
        skript_.gezeigt.clear();
        home_ = std::make_unique<QTemporaryDir>();
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        fenster_ = std::make_unique<HauptFenster>((home_->path() + "/").toStdString(), skript_);
        fenster_->SicherungsTimer().setInterval(60000);
        fenster_->show();
        fenster_->SicherungsTimer().stop();
    }

    void cleanup() {
        fenster_.reset();
        home_.reset();
    }

    void subPagesInOrderWithTheirCaptions() {
        QTabWidget* u = fenster_->Unterseiten(Seite::Schule);
        QCOMPARE(u->count(), 4);
        QCOMPARE(u->tabText(0), QString("   Schul-Daten   "));
        QCOMPARE(u->tabText(1), QString("   freie Träger   "));
        QCOMPARE(u->tabText(2), QString("   Unterrichteinheiten   "));
        QCOMPARE(u->tabText(3), QString("   XML-Datei   "));
        QVERIFY(Kind<QPushButton>("knopfGrossePlausi_schule")->isEnabled());
        Kind<QPushButton>("knopfZuUE")->click();
        QCOMPARE(u->currentIndex(), 2);
        Kind<QPushButton>("knopfZuFreieTraeger")->click();
        QCOMPARE(u->currentIndex(), 1);
    }

    void schoolTypeDialogAddsTheChosenTypeAndTheRecordGetsItOnLeaving() {
        ZurSchule();
        Beantworten<qt::SchulartDialog>(fenster_.get(), [](qt::SchulartDialog& d) {
            QCOMPARE(d.windowTitle(), QString("neue Schulart ..."));
            QCOMPARE(d.Feld()->Schluessel()->text(), QString());
            QComboBox* k = d.Feld()->Kombo();
            const int i = k->findText("Realschule; [03]; RS");
            QVERIFY(i > 0);
            k->setCurrentIndex(i);
            emit k->activated(i);
            QCOMPARE(d.Feld()->Schluessel()->text(), QString("03"));
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfNeueSchulart")->click();
        auto& modell = Seite().SchulartTabelle()->Modell();
        QCOMPARE(modell.rowCount(), 1);
        QCOMPARE(modell.data(modell.index(0, 0), Qt::DisplayRole).toString(), QString("Realschule"));
        QCOMPARE(modell.data(modell.index(0, 1), Qt::DisplayRole).toString(), QString("03"));

        // A key typed by hand is taken as typed; "Abbrechen" adds nothing.
        Beantworten<qt::SchulartDialog>(fenster_.get(), [](qt::SchulartDialog& d) {
            QTest::keyClicks(d.Feld()->Schluessel(), "X7");
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfNeueSchulart")->click();
        Beantworten<qt::SchulartDialog>(fenster_.get(), [](qt::SchulartDialog& d) { d.reject(); });
        Kind<QPushButton>("knopfNeueSchulart")->click();
        QCOMPARE(modell.rowCount(), 2);

        ZumStart();
        const TSchuleDS s = GespeicherteSchule();
        QCOMPARE(QString::fromStdString(s.Schuldaten.Schulart[1].str()), QString("03"));
        QCOMPARE(QString::fromStdString(s.Schuldaten.Schulart[2].str()), QString("X7"));
        QVERIFY(QFile::exists(Pfad("Daten/Export/Schule.XML")));
        QVERIFY(skript_.gezeigt.empty());
    }

    // A key kept as the default ("KNT" from the last unit) is typed over, not onto,
    // whether the box is reached by Tab or by a click.
    void aKeyBoxSelectsItsTextWhenItGetsTheFocus() {
        QWidget huelle;
        auto* vorher = new QLineEdit(&huelle);
        auto* feld = new qt::CodeFeldWidget(KomboListe{}, 90, &huelle);
        auto* layout = new QVBoxLayout(&huelle);
        layout->addWidget(vorher);
        layout->addWidget(feld);
        huelle.show();
        QApplication::setActiveWindow(&huelle);
        QVERIFY(QTest::qWaitForWindowActive(&huelle));
        for (const bool klick : {false, true}) {
            vorher->setFocus();
            feld->Schluessel()->setText("KNT");
            if (klick)
                QTest::mouseClick(feld->Schluessel(), Qt::LeftButton, {}, QPoint(5, 5));
            else
                feld->Schluessel()->setFocus(Qt::TabFocusReason);
            QVERIFY(feld->Schluessel()->hasFocus());
            QTest::keyClicks(feld->Schluessel(), "ABC");
            QCOMPARE(feld->Schluessel()->text(), QString("ABC"));
        }
        // The combo follows the key as it is typed, and shows the placeholder line for no key.
        auto* kombo =
            new qt::CodeFeldWidget(KomboListe{{}, {" -???-; []", "Deutschland; [276]", "Polen; [616]"}}, 40, &huelle);
        kombo->Schluessel()->clear();
        QTest::keyClicks(kombo->Schluessel(), "27");
        QCOMPARE(kombo->Kombo()->currentText(), QString(" -???-; []"));
        QTest::keyClicks(kombo->Schluessel(), "6");
        QCOMPARE(kombo->Kombo()->currentText(), QString("Deutschland; [276]"));
        QTest::keyClick(kombo->Schluessel(), Qt::Key_Backspace);
        QCOMPARE(kombo->Kombo()->currentText(), QString(" -???-; []"));

        // A second click inside the box places the cursor as usual.
        QTest::mouseClick(feld->Schluessel(), Qt::LeftButton, {}, QPoint(2, 5));
        QVERIFY(!feld->Schluessel()->hasSelectedText());
    }

    // However narrow the window, a description is shown whole: its row grows to the wrapped text.
    void aLongDescriptionWrapsInsteadOfBeingCut() {
        ZurSchule();
        QWidget* w = Seite().UETabelle();
        while (w && !qobject_cast<QTabWidget*>(w)) w = w->parentWidget();
        qobject_cast<QTabWidget*>(w)->setCurrentIndex(2);
        Beantworten<qt::UEDialog>(fenster_.get(), [](qt::UEDialog& d) {
            QTest::keyClicks(d.Schulart()->Schluessel(), "01");
            QTest::keyClicks(d.Jahrgang()->Schluessel(), "SE");
            QTest::keyClicks(d.Fach()->Schluessel(), "020");
            QTest::keyClicks(d.Kurs()->Schluessel(), "TG");
            QTest::keyClicks(d.Bilingual()->Schluessel(), "FR");
            QTest::keyClicks(d.Klasse(), "1a");
            d.Stunden()->setCurrentText("4,5");
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfNeueUE")->click();
        fenster_->resize(700, 800);
        QApplication::processEvents();
        auto* t = Seite().UETabelle();
        const QModelIndex i = t->model()->index(0, UE_Beschreibung);
        const QString text = i.data().toString();
        const int spalte = t->columnWidth(UE_Beschreibung);
        QVERIFY2(t->fontMetrics().horizontalAdvance(text) > spalte, "the description should not fit on one line");
        const QRect noetig = t->fontMetrics().boundingRect(QRect(0, 0, spalte - 8, 10000), Qt::TextWordWrap, text);
        QVERIFY2(t->rowHeight(0) >= noetig.height(),
                 qPrintable(QString("row %1 < text %2").arg(t->rowHeight(0)).arg(noetig.height())));
    }

    void lessonUnitDialogAddsEditsAndTheTableShowsTheUnit() {
        ZurSchule();
        Beantworten<qt::UEDialog>(fenster_.get(), [](qt::UEDialog& d) {
            QCOMPARE(d.windowTitle(), QString("neue Unterrichtseinheit definieren ..."));
            QCOMPARE(d.Id()->text(), QString("1"));
            // Tab goes down the form as it reads, whatever order the controls were made in.
            const QString leer = " -???-; []";
            QCOMPARE(test::TabFolge(d.Id(), 17),
                     QStringList({"UE_ID", "Schulart", leer, "Jahrgang", leer, "Klasse", "Fach", leer, "Kurs", leer,
                                  "Bilingual", leer, "Stunden (pro Woche)", "unterrichtender Lehrer", leer,
                                  "hinzufügen", "abbrechen"}));
            QTest::keyClicks(d.Schulart()->Schluessel(), "01");
            const int fach = d.Fach()->Kombo()->findText("Mathematik; [020]; Ma");
            d.Fach()->Kombo()->setCurrentIndex(fach);
            emit d.Fach()->Kombo()->activated(fach);
            QTest::keyClicks(d.Klasse(), "1a und noch mehr"); // cut to ten characters by the box
            d.Stunden()->setCurrentText("4,5");
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfNeueUE")->click();
        auto& modell = Seite().UETabelle()->Modell();
        QCOMPARE(modell.rowCount(), 1);
        QCOMPARE(modell.data(modell.index(0, UE_Fach), Qt::DisplayRole).toString(), QString("020"));
        QCOMPARE(modell.data(modell.index(0, UE_Klasse), Qt::DisplayRole).toString(), QString("1a und noc"));
        QCOMPARE(modell.data(modell.index(0, UE_Beschreibung), Qt::DisplayRole).toString(),
                 QString("Grundschule; 1a und noc; Mathematik; 4,5 Std."));
        QCOMPARE(modell.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Beschreibung der Unterrichtseinheit"));

        // Editing by "ID:": the dialog shows the unit under its editing caption.
        Kind<QLineEdit>("ueId")->setText("1");
        Beantworten<qt::UEDialog>(fenster_.get(), [](qt::UEDialog& d) {
            QCOMPARE(d.windowTitle(), QString("UnterrichtsEinheit bearbeiten ..."));
            QCOMPARE(d.Fach()->Schluessel()->text(), QString("020"));
            QCOMPARE(d.Fach()->Kombo()->currentText(), QString("Mathematik; [020]; Ma"));
            d.Klasse()->setText("2b");
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfUEBearbeiten")->click();
        QCOMPARE(modell.data(modell.index(0, UE_Klasse), Qt::DisplayRole).toString(), QString("2b"));

        ZumStart();
        const TSchuleDS s = GespeicherteSchule();
        QCOMPARE(s.Unterrichtseinheit[1].UE_ID.get(), 1);
        QCOMPARE(QString::fromStdString(s.Unterrichtseinheit[1].Klasse.str()), QString("2b"));
        QCOMPARE(QString::fromStdString(s.Unterrichtseinheit[1].Stunden.str()), QString("4,5"));
        QCOMPARE(fenster_->Kontrolle().UEBeschreibungen().size(), std::size_t{1});
    }

    void organisationForm41ShowsNennung() {
        ZurSchule();
        auto* nennung = Kind<QLineEdit>("nennung");
        QVERIFY(nennung->isHidden());
        auto* orgform = Kind<qt::CodeFeldWidget>("orgform");
        QTest::keyClicks(orgform->Schluessel(), "41");
        QVERIFY(!nennung->isHidden());
        QVERIFY(orgform->Kombo()->currentText().endsWith("[41]")); // the combo follows the typed key
        nennung->setText("Verbund");
        orgform->Schluessel()->clear();
        QTest::keyClicks(orgform->Schluessel(), "10");
        QVERIFY(nennung->isHidden());
        ZumStart();
        QCOMPARE(QString::fromStdString(GespeicherteSchule().Schuldaten.Orgform_Text.str()), QString("Verbund"));
    }

    void failingCheckOpensTheResultWindowAndTheFreeCarrierQuestionComesFirst() {
        int fenster = 0;
        Seite().ergebnisfensterZeigen = [&fenster] { ++fenster; };
        ZurSchule();
        Kind<QPushButton>("knopfPruefenSchulDaten")->click();
        QCOMPARE(fenster, 1);
        skript_.Antworten({false});
        Kind<QPushButton>("knopfPruefenFreieTraeger")->click();
        QCOMPARE(fenster, 1);
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text),
                 QString("Diese Schule ist keine Schule in freier Trägerschaft!\r\rWollen Sie die "
                         "diesbezüglichen Daten trotzdem testen?"));
        Kind<QPushButton>("knopfGrossePlausi_schule")->click();
        QCOMPARE(fenster, 2);
    }

    void failingCheckShowsTheResultWindowWithTheFindings() {
        ZurSchule();
        QString urteil;
        int zeilen = 0;
        Beantworten<qt::ErgebnisFenster>(fenster_.get(), [&](qt::ErgebnisFenster& f) {
            QCOMPARE(f.windowTitle(), QString("Datentest (interne PLAUSI)"));
            urteil = f.Urteil()->text();
            zeilen = f.Liste()->model()->rowCount();
            f.BeendenKnopf()->click();
        });
        Kind<QPushButton>("knopfPruefenSchulDaten")->click();
        QCOMPARE(urteil, QString("Tests NICHT bestanden!!!"));
        QVERIFY(zeilen > 3);
        QVERIFY(!fenster_->Ergebnis()->isVisible());
    }

    void everyInputControlOfThePageAndItsDialogsHasAName() {
        ZurSchule();
        QTabWidget* u = fenster_->Unterseiten(Seite::Schule);
        for (int i = 0; i < 3; ++i) {
            u->setCurrentIndex(i);
            const QStringList fehlend = Unbenannte(u->widget(i));
            QVERIFY2(fehlend.isEmpty(), qPrintable(u->tabText(i) + ": " + fehlend.join(", ")));
        }
        QVERIFY2(Unbenannte(Seite().SchulartFenster()).isEmpty(),
                 qPrintable(Unbenannte(Seite().SchulartFenster()).join(", ")));
        QVERIFY2(Unbenannte(Seite().UEFenster()).isEmpty(), qPrintable(Unbenannte(Seite().UEFenster()).join(", ")));
        // The check that would fail: an unnamed box is found.
        auto* ohne = new QLineEdit(u->widget(0));
        QCOMPARE(Unbenannte(u->widget(0)).size(), 1);
        delete ohne;
    }

    void qtsOwnDialogsSpeakGerman() {
        QVERIFY(qt::QtUebersetzungLaden(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
    }
};

QTEST_MAIN(SchulSeiteTest)
#include "school_page_test.moc"
