// The teacher sheets as widgets on the offscreen platform, over a controller in
// a temporary program folder: an in-place combo pick, the chooser answered from
// a timer, the sums, and names for assistive technology.
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/message_box.h"
#include "ui/qt/teacher_page.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>

using namespace zev;

class LehrerSeiteTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<Steuerung> st_;
    std::unique_ptr<qt::LehrerSeitenWidget> seite_;
    zev::test::SkriptMeldungen skript_;

    template <class T> T* Kind(const char* name) const {
        T* w = seite_->findChild<T*>(name);
        if (!w) qFatal("widget %s missing", name);
        return w;
    }
    TLehrerDS& Puffer() { return st_->Daten().Lehrer.Puffer; }

private slots:
    void init() {
        skript_.Leeren();
        skript_.gezeigt.clear();
        home_ = std::make_unique<QTemporaryDir>();
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        st_ = std::make_unique<Steuerung>((home_->path() + "/").toStdString(), skript_);
        st_->Erstellen();
        for (int k = 1; k <= 3; ++k) {
            auto& u = st_->Daten().SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Klasse = "5" + std::string(1, static_cast<char>('a' + k - 1));
            u.Stunden = "2";
        }
        st_->UEBeschreibungenNeu();
        seite_ = std::make_unique<qt::LehrerSeitenWidget>(*st_, skript_);
        seite_->resize(1200, 800);
        seite_->show();
        seite_->Zeigen();
    }

    void cleanup() {
        seite_.reset();
        st_.reset();
        home_.reset();
    }

    // Untouched boxes keep the stored text, also one of another form; an impossible
    // date is refused when the box is left and the stored one shown again; a typed
    // name reaches the record and the head.
    void dateBoxesKeepUntouchedDatesAndRefuseImpossibleOnesWhenLeft() {
        InitLehrer(Puffer(), "54321");
        Puffer().Schulnummer = st_->Einstellungen().Schulnummer.view();
        Puffer().Grunddaten.Geburtsdatum = "1985-02-03";
        seite_->Zeigen();
        auto* geburt = Kind<qt::DatumsFeld>("geburtsdatum");
        auto* abgang = Kind<qt::DatumsFeld>("abgangDatum");
        QCOMPARE(geburt->displayText(), QString("1985-02-03"));
        QCOMPARE(abgang->displayText(), QString("  .  .20  "));
        const TLehrerDS vorher = Puffer();
        seite_->Uebernehmen();
        QVERIFY(std::memcmp(&vorher, &Puffer(), sizeof vorher) == 0);

        const auto verlassen = [](QWidget* w) {
            QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(w, &aus);
        };
        abgang->setCursorPosition(0);
        QTest::keyClicks(abgang, "31021985");
        QCOMPARE(abgang->displayText(), QString("31.02.1985"));
        verlassen(abgang);
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(skript_.gezeigt[0].text),
                 QString("Bitte geben Sie das Abgangsdatum entsprechend dem Format ein!"));
        QCOMPARE(abgang->displayText(), QString("  .  .20  "));

        // The first key typed over a text of another form brings the mask back.
        Kind<QLineEdit>("lehrerName")->setText("Schröder");
        geburt->setCursorPosition(0);
        QTest::keyClicks(geburt, "29022000");
        verlassen(geburt);
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        seite_->Uebernehmen();
        QCOMPARE(QString::fromStdString(Puffer().Grunddaten.Geburtsdatum.str()), QString("29.02.2000"));
        QCOMPARE(QString::fromStdString(Puffer().Zu_Abgang.Abgang.Datum.str()), QString("  .  .20  "));
        QCOMPARE(QByteArray::fromStdString(Puffer().Grunddaten.Name.str()), QByteArray("Schr\xF6"
                                                                                       "der"));
        seite_->Zeigen();
        QCOMPARE(Kind<QLineEdit>("lehrerKopf")->text(), QString("Schröder, "));
    }

    void inPlaceComboPickWritesTheKeyAndRefreshesTheDescription() {
        auto* tabelle = Kind<qt::RasterAnsicht>("tabelleAnrechnung");
        const QModelIndex schluessel = tabelle->model()->index(1, 1);
        tabelle->setCurrentIndex(schluessel);
        tabelle->edit(schluessel);
        auto* kombo = tabelle->findChild<QComboBox*>();
        QVERIFY(kombo);
        const int kl = kombo->findText("Klassenleitung; [KL]");
        QVERIFY(kl > 0);
        kombo->setCurrentIndex(kl);
        emit kombo->activated(kl);
        QCOMPARE(tabelle->model()->index(1, 1).data().toString(), QString("KL"));
        QCOMPARE(tabelle->model()->index(1, 0).data().toString(), QString("Klassenleitung"));

        // An hours column takes the entry's text and renews "Summe:" in its colour.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed editor goes
        const QModelIndex stunden = tabelle->model()->index(1, 2);
        tabelle->setCurrentIndex(stunden);
        tabelle->edit(stunden);
        kombo = tabelle->findChild<QComboBox*>();
        QVERIFY(kombo);
        const int zwei = kombo->findText("2.5");
        QVERIFY(zwei > 0);
        kombo->setCurrentIndex(zwei);
        emit kombo->activated(zwei);
        QCOMPARE(tabelle->model()->index(1, 2).data().toString(), QString("2.5"));
        auto* summe = Kind<QLabel>("anrechnungSumme");
        QCOMPARE(summe->text(), QString("2,5"));
        QCOMPARE(summe->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        seite_->Uebernehmen();
        QCOMPARE(QString::fromStdString(Puffer().Anrechnungsstunden[1].Grund.str()), QString("KL"));
    }

    void chooserAddsUnitsAndTheHourSumFollows() {
        QTimer::singleShot(0, seite_.get(), [] {
            auto* d = qobject_cast<qt::UEAuswahlDialog*>(QApplication::activeModalWidget());
            if (!d) qFatal("kein Auswahldialog");
            QCOMPARE(d->windowTitle(), QString("vordefinierte UE auswählen ..."));
            QCOMPARE(d->Liste()->model()->rowCount(), 3);
            d->Liste()->selectionModel()->select(d->Liste()->model()->index(0, 0), QItemSelectionModel::Select);
            d->Liste()->selectionModel()->select(d->Liste()->model()->index(2, 0), QItemSelectionModel::Select);
            d->Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfUEHinzufuegen")->click();
        QCOMPARE(Kind<QLabel>("stundensumme")->text(), QString("4"));
        seite_->Uebernehmen();
        QCOMPARE(QString::fromStdString(Puffer().Unterrichtseinheit[1].UE_ID.str()), QString("1"));
        QCOMPARE(QString::fromStdString(Puffer().Unterrichtseinheit[2].UE_ID.str()), QString("3"));
        QCOMPARE(Puffer().Unterrichtseinheit[2].Nummer.get(), 3);
    }

    void chooserSearchesAndSortsByTheNumber() {
        auto& u = st_->Daten().SchulDS.Unterrichtseinheit[4];
        u.UE_ID = 10;
        u.UE_ID_Text = "10";
        u.Klasse = "6a";
        st_->UEBeschreibungenNeu();
        QStringList ids;
        QTimer::singleShot(0, seite_.get(), [&ids] {
            auto* d = qobject_cast<qt::UEAuswahlDialog*>(QApplication::activeModalWidget());
            if (!d) qFatal("kein Auswahldialog");
            ids << d->Suche()->accessibleName();
            auto* m = d->Liste()->model();
            d->Liste()->sortByColumn(0, Qt::DescendingOrder); // as a click on the heading
            for (int i = 0; i < m->rowCount(); ++i) ids << m->index(i, 0).data().toString();
            QTest::keyClicks(d->Suche(), "5B");
            ids << QString::number(m->rowCount()) << m->index(0, 0).data().toString();
            d->Liste()->selectAll();
            d->Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfUEHinzufuegen")->click();
        QCOMPARE(ids, QStringList({"Suche", "10", "3", "2", "1", "1", "2"}));
        seite_->Uebernehmen();
        QCOMPARE(QString::fromStdString(Puffer().Unterrichtseinheit[1].UE_ID.str()), QString("2"));
        QCOMPARE(QString::fromStdString(Puffer().Unterrichtseinheit[2].UE_ID.str()),
                 QString("0")); // only the one found
    }

    void everyInputControlOfTheFiveSubPagesHasAName() {
        QTabWidget* tabs = seite_->Unterseiten();
        QCOMPARE(tabs->count(), 5);
        QCOMPARE(tabs->tabText(0), QString("  Grundd./ Ausb./ Lehrb.  "));
        QCOMPARE(tabs->tabText(4), QString("  Unt.-Einheiten  "));
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            const QStringList fehlend = test::Unbenannte(tabs->widget(i));
            QVERIFY2(fehlend.isEmpty(), qPrintable(tabs->tabText(i) + ": " + fehlend.join(", ")));
        }
        const QStringList fehlend = test::Unbenannte(seite_->Auswahl());
        QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(", ")));
    }
};

QTEST_MAIN(LehrerSeiteTest)
#include "teacher_page_test.moc"
