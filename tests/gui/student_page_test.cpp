// The student sheets standalone on the offscreen platform: a student filled in
// through the controls, the lesson-unit buttons with the chooser answered from
// a timer, and every control named for assistive technology.
#include "control/lifecycle.h"
#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/student_page.h"
#include "ui/qt/ue_chooser_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zev;
using qt::CodeFeldWidget;
using qt::SchuelerSeitenWidget;
using test::Beantworten;
using test::Unbenannte;

class SchuelerSeiteTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home_;
    test::SkriptMeldungen m_;
    std::unique_ptr<Steuerung> st_;
    std::unique_ptr<SchuelerSeitenWidget> seite_;

    TSchuelerDS& Puffer() { return st_->Daten().Schueler.Puffer; }
    template <class T> T* Kind(const char* name) const {
        T* w = seite_->findChild<T*>(name);
        if (!w) qFatal("widget %s missing", name);
        return w;
    }
    // A key box with its combo, found by the name its label gives it.
    CodeFeldWidget* Codefeld(const QString& name) const {
        for (CodeFeldWidget* c : seite_->findChildren<CodeFeldWidget*>())
            if (c->Schluessel()->accessibleName() == name) return c;
        qFatal("Schlüsselfeld %s fehlt", qPrintable(name));
    }
    // Picks the item that contains `text`, as the user does.
    static void Waehlen(QComboBox* k, const QString& text) {
        const int i = k->findText(text, Qt::MatchContains);
        if (i < 0) qFatal("kein Eintrag %s", qPrintable(text));
        k->setCurrentIndex(i);
        emit k->activated(i);
    }
    QString Zelle(qt::RasterAnsicht* t, int zeile, int spalte) const {
        return t->model()->data(t->model()->index(zeile, spalte)).toString();
    }
    void Tippen(const char* name, const QString& text) {
        auto* e = Kind<QLineEdit>(name);
        e->clear();
        QTest::keyClicks(e, text);
    }

private slots:
    void init() {
        m_.gezeigt.clear();
        home_ = std::make_unique<QTemporaryDir>();
        test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        st_ = std::make_unique<Steuerung>((home_->path() + "/").toStdString(), m_);
        st_->Erstellen();
        st_->Einstellungen().Schulnummer = "54321";
        for (int k = 1; k <= 40; ++k) {
            auto& u = st_->Daten().SchulDS.Unterrichtseinheit[k];
            u.UE_ID = k;
            u.UE_ID_Text = std::to_string(k);
            u.Stunden = "2";
        }
        st_->UEBeschreibungenNeu();
        InitSchueler(Puffer(), "54321");
        seite_ = std::make_unique<SchuelerSeitenWidget>(*st_, m_);
        seite_->resize(1280, 800);
        seite_->Zeigen();
        seite_->show();
    }

    void cleanup() {
        seite_.reset();
        st_.reset();
        home_.reset();
    }

    void fiveSubPagesAndTheHead() {
        QTabWidget* u = seite_->Unterseiten();
        QCOMPARE(u->count(), 5);
        const QStringList titel{"Personendaten", "Jahrg.-daten", "Schullaufb./Förderbed./Fremdsp.", "Unt.-Einheiten",
                                "Abschl./Ausbild."};
        for (int i = 0; i < 5; ++i) QCOMPARE(u->tabText(i), titel[i]);
        QCOMPARE(Kind<QLineEdit>("schuelerId")->text(), QString(" ??"));
        QCOMPARE(Kind<QLineEdit>("schuelerKopf")->text(), QString("  - frei -, "));
        seite_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(seite_.get()));
        u->setCurrentIndex(2);
        QCOMPARE(QApplication::focusWidget(), Codefeld("vorherige_Schule")->Schluessel());
        u->setCurrentIndex(3);
        seite_->NeuerSchueler();
        QCOMPARE(u->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), Kind<QLineEdit>("schuelerName"));
    }

    void aStudentFilledThroughTheControls() {
        Tippen("schuelerName", "Sommer");
        Tippen("schuelerVorname", "Lena");
        seite_->findChildren<QRadioButton*>()[2]->click(); // "weiblich"
        auto* datum = Kind<qt::DatumsFeld>("schuelerGeburtsdatum");
        datum->setCursorPosition(0);
        QTest::keyClicks(datum, "15032014");
        Waehlen(Codefeld("Staatsangehörigkeit")->Kombo(), "Österreich");
        QCOMPARE(Codefeld("Staatsangehörigkeit")->Schluessel()->text(), QString("040"));
        Waehlen(Kind<QComboBox>("anschriftOrt"), "Görlitz");
        QCOMPARE(Kind<QLineEdit>("plz")->text(), QString("02826"));
        QCOMPARE(Kind<QLineEdit>("wohnort")->text(), QString("Görlitz"));
        QCOMPARE(Kind<QLineEdit>("gemeinde")->text(), QString("14626110"));
        Kind<QComboBox>("lrs")->setCurrentIndex(1);
        Kind<QComboBox>("einschulungsjahr")->setCurrentText("2020");
        Waehlen(Codefeld("Extern (in Schule ...) (zu Gast in der Schule; kommt aus ...)")->Kombo(), "Am Petersberg");

        // The training place: a place within the state, then a state, which resets the place.
        Waehlen(Kind<QComboBox>("ausbildungOrt"), "Erfurt");
        QCOMPARE(Kind<QLineEdit>("standort")->text(), QString("16051000"));
        Waehlen(Kind<QComboBox>("ausbildungBundesland"), "Bayern");
        QCOMPARE(Kind<QComboBox>("ausbildungOrt")->currentIndex(), 0);
        QCOMPARE(Kind<QLineEdit>("standort")->text(), QString("09"));
        QCOMPARE(Kind<QLineEdit>("standortName")->text(), QString("Bayern"));
        Waehlen(Kind<QComboBox>("wochenstunden"), "12");

        // Row 2 of the language grid through its in-place combos.
        seite_->Unterseiten()->setCurrentIndex(2);
        auto* sprachen = Kind<qt::RasterAnsicht>("tabelleFremdsprachen");
        for (const auto& [spalte, text] : {std::pair{2, "Französisch"}, std::pair{1, "als zweite"}}) {
            const QModelIndex i = sprachen->model()->index(1, spalte);
            sprachen->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the last editor is gone
            sprachen->edit(i);
            auto* kombo = sprachen->viewport()->findChild<QComboBox*>();
            QVERIFY(kombo);
            Waehlen(kombo, text);
        }
        QCOMPARE(Zelle(sprachen, 1, 0), QString(" 2. Fremdsprache; Französisch"));

        seite_->Uebernehmen();
        QVERIFY(m_.gezeigt.empty());
        const TSchuelerDS& r = Puffer();
        QCOMPARE(QByteArray::fromStdString(r.Grunddaten.Name.str()), QByteArray("Sommer"));
        QCOMPARE(r.Grunddaten.Geschlecht.get(), 2);
        QCOMPARE(QByteArray::fromStdString(r.Grunddaten.Geburtsdatum.str()), QByteArray("15.03.2014"));
        QCOMPARE(QByteArray::fromStdString(r.Grunddaten.Staatsangehoerigkeit.str()), QByteArray("040"));
        QCOMPARE(QByteArray::fromStdString(r.Grunddaten.Anschrift.Wohnort.str()), QByteArray("G\xF6rlitz"));
        QCOMPARE(QByteArray::fromStdString(r.Grunddaten.Einschulung.Einschulungsjahr.str()), QByteArray("2020"));
        QCOMPARE(QByteArray::fromStdString(r.Jahrgangsdaten.LRS.str()), QByteArray("Nein"));
        QCOMPARE(QByteArray::fromStdString(r.Jahrgangsdaten.Extern.str()), QByteArray("10104"));
        QCOMPARE(QByteArray::fromStdString(r.Ausbildung.Standort.str()), QByteArray("09"));
        QCOMPARE(QByteArray::fromStdString(r.Ausbildung.Stunden.str()), QByteArray("12"));
        QCOMPARE(QByteArray::fromStdString(r.Fremdsprachen[2].Erwerb.str() + r.Fremdsprachen[2].Sprache.str()),
                 QByteArray("2fra"));
        QVERIFY(r.Fremdsprachen[1].Sprache.empty());
        QCOMPARE(Kind<QLineEdit>("schuelerKopf")->text(), QString("Sommer, Lena"));
    }

    void ueGroupFromTheClassAndTheChooserLimit() {
        TKlasseDS k{};
        InitKlasse(k, "54321");
        k.Klassenname = "5a";
        k.Unterrichtseinheit[1].UE_ID = "4";
        k.Unterrichtseinheit[2].UE_ID = "9";
        st_->Daten().Klassen.DB.push_back(k);
        seite_->Unterseiten()->setCurrentIndex(3);
        auto* ue = Kind<qt::RasterAnsicht>("tabelleSchuelerUE");
        QCOMPARE(ue->model()->headerData(1, Qt::Horizontal).toString(), QString("UE_ID"));

        seite_->Unterseiten()->setCurrentIndex(1);
        Tippen("klasse", "5A");
        Kind<QPushButton>("knopfUEGruppe")->click();
        QCOMPARE(m_.Texte(), std::vector<std::string>{"Es wurde keine Klasse: 5A in der Klassen-Datenbank "
                                                      "gefunden!\r\rPrüfen Sie die exakte Schreibweise!"});
        QCOMPARE(Zelle(ue, 0, 1), QString());
        Tippen("klasse", "5a");
        Kind<QPushButton>("knopfUEGruppe")->click();
        QCOMPARE(Zelle(ue, 0, 1), QString("4"));
        QCOMPARE(Zelle(ue, 1, 1), QString("9"));
        QVERIFY(Zelle(ue, 1, 0).startsWith("[9] "));
        QCOMPARE(Kind<QLabel>("schuelerStundensumme")->text(), QString("4"));

        // All 40 units chosen: the chooser hands 35, the page takes 25.
        m_.gezeigt.clear();
        Beantworten<qt::UEAuswahlDialog>(seite_.get(), [](qt::UEAuswahlDialog& d) {
            d.Liste()->selectAll();
            d.Hinzufuegen()->click();
        });
        Kind<QPushButton>("knopfSchuelerUEHinzufuegen")->click();
        QCOMPARE(m_.Texte(),
                 (std::vector<std::string>{
                     "Fehler:\r\rzu viele Unterrichtseinheiten ausgewählt!\rfür Schüler werden 25 und für Lehrer 35 "
                     "unterstützt!",
                     "Unterrichtseinheit 4 ist schon in Zeile: 1 vorhanden!",
                     "Unterrichtseinheit 9 ist schon in Zeile: 2 vorhanden!",
                     "Für Schüler (und Klassen) werden nur 25 unterstützt!\r\rWenden Sie sich bei Bedarf an den "
                     "Programmautor!"}));
        QCOMPARE(ue->model()->rowCount(), 25);
        QCOMPARE(Zelle(ue, 24, 1), QString("25"));
        QCOMPARE(Kind<QLabel>("schuelerStundensumme")->text(), QString("50"));
    }

    void tabGoesThroughPersonalDataBeforeTheAddressBesideIt() {
        seite_->show();
        const QString leer = " -???-; []";
        // The box of personal data, then the address box to its right, then the button below both.
        QCOMPARE(test::TabFolge(Kind<QLineEdit>("schuelernummer"), 26),
                 QStringList({"Schülernummer",
                              "interne ID-Nummer",
                              "Name",
                              "Vorname",
                              "???",
                              "männlich",
                              "weiblich",
                              "Geburtsdatum",
                              "Staatsangehörigkeit",
                              leer,
                              "Migrantenstatus",
                              leer,
                              "Verkehrssprache (wenn nicht deutsch)",
                              leer,
                              "Zuzug",
                              "Einschulungsart",
                              leer,
                              "Einschulungsjahr",
                              "Gemeinde",
                              "Wohnort",
                              "PLZ",
                              "Strasse",
                              leer,
                              leer,
                              leer,
                              "diesen Schüler prüfen"}));
    }

    void everyControlOfTheFiveSubPagesHasAName() {
        QTabWidget* u = seite_->Unterseiten();
        for (int i = 0; i < u->count(); ++i) {
            u->setCurrentIndex(i);
            const QStringList fehlend = Unbenannte(u->widget(i));
            QVERIFY2(fehlend.isEmpty(), qPrintable(u->tabText(i) + ": " + fehlend.join(", ")));
        }
        QVERIFY2(Unbenannte(seite_.get()).isEmpty(), qPrintable(Unbenannte(seite_.get()).join(", ")));
        // The walk reaches into the scrolling sub-pages: an unnamed box there is found.
        auto* ohne = new QLineEdit(Kind<QWidget>("seiteAbschluss"));
        ohne->show();
        QCOMPARE(Unbenannte(u->widget(4)), QStringList{"QLineEdit "});
        delete ohne;
        QCOMPARE(Codefeld("Verkehrssprache (wenn nicht deutsch)")->Kombo()->accessibleName(),
                 QString("Verkehrssprache (wenn nicht deutsch) (Auswahl)"));
        QCOMPARE(Kind<QComboBox>("berufJahr")->accessibleName(), QString("Jahr (berufsbezogener)"));
    }
};

QTEST_MAIN(SchuelerSeiteTest)
#include "student_page_test.moc"
