// The class sheets standalone on the offscreen platform over a controller with
// the example catalogues: the specialty dialog and the lesson-unit chooser
// answered from timers, the files the page change writes, the width rule, names
// for assistive technology; and the clipboard actions moving a teacher.
#include "control/lifecycle.h"
#include "storage/area_files.h"
#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/class_dialogs.h"
#include "ui/qt/class_page.h"
#include "ui/qt/clipboard_actions.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/info_dialog.h"
#include "ui/qt/message_box.h"
#include "ui/qt/teacher_page.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <set>

using namespace zev;

Q_DECLARE_METATYPE(zev::Bereich)

namespace {

QString Zelle(qt::RasterAnsicht* t, int zeile, int spalte) {
    return t->model()->data(t->model()->index(zeile, spalte), Qt::DisplayRole).toString();
}

} // namespace

class KlassenSeiteTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home_;
    zev::test::SkriptMeldungen skript_;
    std::unique_ptr<Steuerung> st_;
    std::unique_ptr<qt::KlassenSeitenWidget> klassen_;
    std::unique_ptr<qt::LehrerSeitenWidget> lehrer_;

    QString Pfad(const QString& name) const { return home_->path() + "/" + name; }
    template <class T> T* Kind(QWidget* w, const char* name) const {
        T* k = w->findChild<T*>(name);
        if (!k) qFatal("widget %s missing", name);
        return k;
    }

private slots:
    void init() {
        skript_.Leeren();
        skript_.gezeigt.clear();
        home_ = std::make_unique<QTemporaryDir>();
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        Fensterdienste dienste;
        dienste.seiteZeigen = [this](Seite s) {
            if (s == Seite::Klassen && klassen_) klassen_->Zeigen();
            if (s == Seite::Lehrer && lehrer_) lehrer_->Zeigen();
        };
        dienste.seiteUebernehmen = [this](Seite s) {
            if (s == Seite::Klassen && klassen_) klassen_->Uebernehmen();
            if (s == Seite::Lehrer && lehrer_) lehrer_->Uebernehmen();
        };
        st_ = std::make_unique<Steuerung>((home_->path() + "/").toStdString(), skript_, dienste);
        st_->Erstellen();
        st_->Gezeigt();
        for (int k = 1; k <= 5; ++k) {
            auto& u = st_->Daten().SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Stunden = "2";
        }
        st_->Daten().SchuleGeladen = true;
        st_->UEBeschreibungenNeu();
        klassen_ = std::make_unique<qt::KlassenSeitenWidget>(*st_, skript_);
        lehrer_ = std::make_unique<qt::LehrerSeitenWidget>(*st_, skript_);
    }

    void cleanup() {
        klassen_.reset();
        lehrer_.reset();
        st_.reset();
        home_.reset();
    }

    void aClassWithASpecialtyAndAUnitGroupReachesItsFile() {
        st_->SeiteBetreten(Seite::Klassen);
        QTabWidget* tabs = klassen_->Unterseiten();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QString("   Klasse   "));
        QCOMPARE(tabs->tabText(1), QString("   Unterrichtseinheiten-Gruppen   "));
        QTest::keyClicks(Kind<QLineEdit>(klassen_.get(), "klassenname"), "7b");

        test::Beantworten<qt::KlBesDialog>(klassen_.get(), [](qt::KlBesDialog& d) {
            QCOMPARE(d.windowTitle(), QString("neue Klassenbesonderheit ..."));
            QCOMPARE(d.findChild<QLabel*>()->text(), QString("Klassenbesonderherheit"));
            QCOMPARE(d.Feld()->Schluessel()->text(), QString());
            QComboBox* k = d.Feld()->Kombo();
            QCOMPARE(k->itemText(0), QString(" -???-; []"));
            QCOMPARE(k->itemText(1), QString("Außenklasse an einer anderen Schule; [12]"));
            const int i = k->findText("Sportklasse; [05]");
            QVERIFY(i > 1);
            k->setCurrentIndex(i);
            emit k->activated(i);
            QCOMPARE(d.Feld()->Schluessel()->text(), QString("05"));
            QVERIFY(test::Unbenannte(&d).isEmpty());
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>(klassen_.get(), "knopfKlBesHinzufuegen")->click();
        test::Beantworten<qt::KlBesDialog>(klassen_.get(), [](qt::KlBesDialog& d) {
            QTest::keyClicks(d.Feld()->Schluessel(), "77"); // not in the catalogue: handed over as typed
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>(klassen_.get(), "knopfKlBesHinzufuegen")->click();
        test::Beantworten<qt::KlBesDialog>(klassen_.get(), [](qt::KlBesDialog& d) {
            QTest::keyClicks(d.Feld()->Schluessel(), "01");
            d.Abbrechen()->click();
        });
        Kind<QPushButton>(klassen_.get(), "knopfKlBesHinzufuegen")->click();
        QCOMPARE(klassen_->BesonderheitDialog()->Gewaehlt(), std::string("77"));
        auto* besonderheiten = Kind<qt::RasterAnsicht>(klassen_.get(), "tabelleKlassenbesonderheiten");
        QCOMPARE(Zelle(besonderheiten, 0, 0), QString("Sportklasse"));
        QCOMPARE(Zelle(besonderheiten, 0, 1), QString("05"));
        QCOMPARE(Zelle(besonderheiten, 1, 1), QString("77"));
        QCOMPARE(Zelle(besonderheiten, 2, 1), QString());

        tabs->setCurrentIndex(1);
        test::Beantworten<qt::UEAuswahlDialog>(klassen_.get(), [](qt::UEAuswahlDialog& d) {
            auto* l = d.Liste();
            for (int zeile : {1, 3, 4})
                l->selectionModel()->select(l->model()->index(zeile, 0), QItemSelectionModel::Select);
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>(klassen_.get(), "knopfKlassenUEHinzufuegen")->click();
        qt::RasterAnsicht* ue = klassen_->UETabelle();
        QCOMPARE(ue->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("UE_ID"));
        QCOMPARE(Zelle(ue, 0, 1), QString("2"));
        QVERIFY(Zelle(ue, 0, 0).startsWith("[2] "));
        QCOMPARE(Zelle(ue, 2, 1), QString("5"));

        // Deleting by key removes the unit's row.
        QTest::keyClicks(Kind<QLineEdit>(klassen_.get(), "klassenUESchluessel"), "4");
        skript_.Antworten({true});
        Kind<QPushButton>(klassen_.get(), "knopfKlassenUELoeschen")->click();
        QCOMPARE(ue->model()->rowCount(), 9);
        QCOMPARE(Zelle(ue, 1, 1), QString("5"));
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QVERIFY(skript_.gezeigt[0].text.starts_with("Wollen Sie die Unterrichtseinheit:4  ==>  \r[4] "));

        st_->SeiteVerlassen(Seite::Klassen);
        auto d = std::make_unique<Datenbestand>();
        StilleMeldungen still;
        QVERIFY(KlassenLesen(*d, st_->Ordnerpfade().Daten, st_->Einstellungen(), still));
        const TKlasseDS& k = d->Klassen.DB[0];
        QCOMPARE(QString::fromStdString(k.Klassenname.str()), QString("7b"));
        QCOMPARE(QString::fromStdString(k.Klassenbesonderheit[1].str()), QString("05"));
        QCOMPARE(QString::fromStdString(k.Klassenbesonderheit[2].str()), QString("77"));
        QCOMPARE(QString::fromStdString(k.Unterrichtseinheit[1].UE_ID.str()), QString("2"));
        QCOMPARE(k.Unterrichtseinheit[2].Nummer.get(), std::uint16_t{5});
        QVERIFY(k.Unterrichtseinheit[3].UE_ID.empty());
        QCOMPARE(k.ID.get(), st_->Daten().Klassen.Puffer.ID.get());
        QVERIFY(QFile::exists(QString::fromStdString(st_->Ordnerpfade().Export) + "Klassen.XML"));
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
    }

    void theDescriptionColumnTakesTheRestOfTheWidthAndEveryControlIsNamed() {
        st_->SeiteBetreten(Seite::Klassen);
        klassen_->resize(900, 500);
        klassen_->show();
        klassen_->Unterseiten()->setCurrentIndex(1);
        qt::RasterAnsicht* ue = klassen_->UETabelle();
        QApplication::processEvents();
        const auto regel = [ue] { return ue->viewport()->width() - 10 - ue->columnWidth(1); };
        QVERIFY(ue->columnWidth(0) > 300);
        QCOMPARE(ue->columnWidth(0), regel());
        klassen_->resize(1200, 500);
        QApplication::processEvents();
        QCOMPARE(ue->columnWidth(0), regel());
        QCOMPARE(klassen_->Logik().Seite().ue.spalten[0].breite, regel());

        QStringList fehlend = test::Unbenannte(klassen_.get());
        klassen_->Unterseiten()->setCurrentIndex(0);
        fehlend << test::Unbenannte(klassen_.get());
        QVERIFY2(fehlend.isEmpty(), qPrintable(fehlend.join(", ")));

        klassen_->Unterseiten()->setCurrentIndex(1);
        klassen_->NeueKlasse();
        QCOMPARE(klassen_->Unterseiten()->currentIndex(), 0);
        QCOMPARE(klassen_->focusWidget(), Kind<QLineEdit>(klassen_.get(), "klassenname"));
    }

    void aTeacherIsCopiedAndPastedOntoAFreeRecordThroughTheActions() {
        st_->Einstellungen().ZwischenablageInfo = 1;
        st_->SeiteBetreten(Seite::Lehrer);
        auto& b = st_->Daten().Lehrer;
        TLehrerDS frei{};
        InitLehrer(frei, "");
        b.DB.assign(2, frei);
        b.DB[0].ID = 1;
        b.DB[0].Grunddaten.Name = "Adler";
        b.DB[0].Grunddaten.Vorname = "Anna";
        b.DB[1].ID = 2;
        b.Aktuell = 0;
        PufferLaden(b, 0);
        lehrer_->Zeigen();
        QTest::keyClicks(Kind<QLineEdit>(lehrer_.get(), "lehrerTitel"), "Dr.");

        qt::InfoDialog info(st_->Info());
        QAction ausschneiden("&Ausschneiden"), kopieren("&Kopieren"), einfuegen("&Einfügen"),
            ansicht("interne Zwischenablage");
        std::set<Bereich> bereit{Bereich::Lehrer};
        qt::ZwischenablageAktionen aktionen(*st_, skript_, info, {&ausschneiden, &kopieren, &einfuegen, &ansicht},
                                            [&bereit](Bereich x) { return bereit.count(x) > 0; });
        QSignalSpy geaendert(&aktionen, &qt::ZwischenablageAktionen::bereichGeaendert);

        QStringList notiz;
        test::Beantworten<qt::InfoDialog>(klassen_.get(), [&notiz](qt::InfoDialog& d) {
            notiz << d.windowTitle() << d.findChild<QLineEdit*>("infoKopf")->text();
            d.findChild<QPushButton*>("infoKnopf")->click();
        });
        kopieren.trigger();
        QCOMPARE(notiz, (QStringList{"Zwischenablage Lehrer", "Inhalt"}));
        QCOMPARE(QString::fromStdString(aktionen.Logik().LehrerSlot().Grunddaten.Titel.str()), QString("Dr."));

        // The navigation's part: the page into the buffer, stored; the next record shown.
        lehrer_->Uebernehmen();
        PufferSpeichern(b, 0, skript_);
        b.Aktuell = 1;
        PufferLaden(b, 1);
        lehrer_->Zeigen();
        QCOMPARE(Kind<QLineEdit>(lehrer_.get(), "lehrerName")->text(), QString("  - frei -"));

        einfuegen.trigger();
        QVERIFY(skript_.gezeigt.empty()); // a free record is replaced without a question
        QCOMPARE(Kind<QLineEdit>(lehrer_.get(), "lehrerName")->text(), QString("Adler"));
        QCOMPARE(Kind<QLineEdit>(lehrer_.get(), "lehrerTitel")->text(), QString("Dr."));
        const std::int32_t id = b.DB[1].ID;
        QVERIFY(id != 1 && id != 0);
        QCOMPARE(Kind<QLineEdit>(lehrer_.get(), "lehrerId")->text(), QString::number(id));
        QCOMPARE(st_->LehrerListe()[1], "Adler, Anna [" + std::to_string(id) + "]");
        QCOMPARE(geaendert.count(), 2);
        QCOMPARE(geaendert[1][0].value<Bereich>(), Bereich::Lehrer);

        // The view reports the class slot on its own page; the teacher slot has none.
        bereit = {Bereich::Klassen};
        notiz.clear();
        test::Beantworten<qt::InfoDialog>(klassen_.get(), [&notiz](qt::InfoDialog& d) {
            notiz << d.windowTitle() << d.findChild<QLineEdit*>("infoKopf")->text();
            d.findChild<QPushButton*>("infoKnopf")->click();
        });
        ansicht.trigger();
        QCOMPARE(notiz, (QStringList{"interne Zwischablage", "Klasen-Datensatz"}));
        // Cut and paste are not for the teacher page when its sheets are not shown.
        ausschneiden.trigger();
        QCOMPARE(b.Letzter(), 1);
        QCOMPARE(geaendert.count(), 2);
    }
};

QTEST_MAIN(KlassenSeiteTest)
#include "class_page_test.moc"
