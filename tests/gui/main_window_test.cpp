#include "support/scripted_messages.h"
#include "support/widget_checks.h"
#include "ui/qt/main_window.h"

#include "control/delivery.h"
#include "storage/area_files.h"
#include "ui/qt/class_page.h"
#include "ui/qt/group_window.h"
#include "ui/qt/guide_window.h"
#include "ui/qt/import_window.h"
#include "ui/qt/result_window.h"
#include "ui/qt/student_page.h"
#include "ui/qt/teacher_page.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextImageFormat>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>

using zev::qt::HauptFenster;

class HauptFensterTest : public QObject {
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
    QColor Textfarbe(QWidget* w) const { return w->palette().color(QPalette::Text); }

private slots:
    void init() {
        skript_.Leeren();
        home_ = std::make_unique<QTemporaryDir>();
        zev::test::KatalogeKopieren(ZEV_CATALOGUE_DIR, home_->path());
        fenster_ = std::make_unique<HauptFenster>((home_->path() + "/").toStdString(), skript_);
        fenster_->SicherungsTimer().setInterval(60000); // no backup while a test runs
        fenster_->show();
        fenster_->SicherungsTimer().stop();
    }

    void cleanup() {
        fenster_.reset();
        home_.reset();
    }

    // The text of the block at the top of the guide's view.
    static QString ObenImHandbuch(zev::qt::HandbuchFenster& h) {
        return h.Text()->cursorForPosition(QPoint(4, 4)).block().text();
    }

    void guideWindowRendersMarkdownAndFindsItsSections() {
        QFile datei(Pfad("handbuch.md"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QByteArray md = "# Titel\n\n[zu den Stunden](#stunden) und [nirgends](#gibt-es-nicht)\n\n";
        for (int i = 0; i < 80; ++i) md += "Absatz " + QByteArray::number(i) + "\n\n";
        md += "## Freie Träger\n\n![Bild](bild.png)\n\n## Stunden\n\n";
        for (int i = 0; i < 80; ++i) md += "Zeile " + QByteArray::number(i) + "\n\n";
        datei.write(md);
        datei.close();
        QImage bild(4000, 300, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QVERIFY(bild.save(Pfad("bild.png")));

        zev::qt::HandbuchFenster h;
        QVERIFY(!h.Laden(Pfad("fehlt.md")));
        QVERIFY(h.Laden(Pfad("handbuch.md")));
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        QCOMPARE(ObenImHandbuch(h), QString("Titel"));
        QVERIFY(h.Abschnitt("Freie Träger"));
        QCOMPARE(ObenImHandbuch(h), QString("Freie Träger"));
        // The picture beside the guide is found.
        const QVariant b = h.Text()->document()->resource(QTextDocument::ImageResource, QUrl("bild.png"));
        QCOMPARE(b.value<QImage>().size(), QSize(4000, 300));
        // Shown no wider than the view, in its proportions.
        QTextImageFormat format;
        for (QTextBlock block = h.Text()->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) format = it.fragment().charFormat().toImageFormat();
        QVERIFY(format.width() > 100 && format.width() < h.Text()->viewport()->width());
        QCOMPARE(qRound(format.height()), qRound(format.width() * 300 / 4000));
        QVERIFY(!h.Abschnitt("Gibt es nicht"));
        QCOMPARE(ObenImHandbuch(h), QString("Freie Träger"));
        // A link within the guide leads to its heading; one to nowhere changes nothing.
        emit h.Text()->anchorClicked(QUrl("#stunden"));
        QCOMPARE(ObenImHandbuch(h), QString("Stunden"));
        emit h.Text()->anchorClicked(QUrl("#gibt-es-nicht"));
        QCOMPARE(ObenImHandbuch(h), QString("Stunden"));
        // "Inhalt" goes back to the top.
        h.findChild<QPushButton*>("inhalt")->click();
        QCOMPARE(ObenImHandbuch(h), QString("Titel"));
    }

    void f1OpensTheGuideAtThePageOnScreen() {
        QCOMPARE(std::string(fenster_->AktuellerAbschnitt()), std::string("Die Startseite"));
        Kind<QTabWidget>("seiten")->setCurrentIndex(2);
        fenster_->LehrerSeite()->Unterseiten()->setCurrentIndex(1);
        QCOMPARE(std::string(fenster_->AktuellerAbschnitt()), std::string("Stunden"));
        QAction* hilfe = nullptr;
        for (QAction* a : fenster_->findChildren<QAction*>())
            if (a->text() == "&Hilfe zum Programm") hilfe = a;
        QVERIFY(hilfe);
        QCOMPARE(hilfe->shortcut(), QKeySequence(Qt::Key_F1));
        hilfe->trigger();
        auto* h = fenster_->Handbuch();
        QVERIFY(h && h->isVisible());
        QVERIFY(skript_.gezeigt.empty());
        QVERIFY(QTest::qWaitForWindowExposed(h));
        QCOMPARE(ObenImHandbuch(*h), QString("Stunden"));
        // The school's XML page, then the students' third sheet.
        Kind<QTabWidget>("seiten")->setCurrentIndex(1);
        fenster_->Unterseiten(zev::Seite::Schule)->setCurrentIndex(3);
        fenster_->Hilfe();
        QCOMPARE(ObenImHandbuch(*h), QString("Die XML-Seiten"));
        Kind<QTabWidget>("seiten")->setCurrentIndex(4);
        fenster_->findChild<zev::qt::SchuelerSeitenWidget*>()->Unterseiten()->setCurrentIndex(2);
        fenster_->Hilfe();
        QCOMPARE(ObenImHandbuch(*h), QString("Schullaufbahn, Förderbedarf, Fremdsprachen"));
    }

    void everySheetFitsA1280PixelScreen() {
        auto* seiten = Kind<QTabWidget>("seiten");
        const std::vector<QTabWidget*> blaetter = {
            nullptr, nullptr, fenster_->LehrerSeite()->Unterseiten(),
            fenster_->findChild<zev::qt::KlassenSeitenWidget*>()->Unterseiten(),
            fenster_->findChild<zev::qt::SchuelerSeitenWidget*>()->Unterseiten()};
        QStringList zuBreit;
        for (int s = 0; s < seiten->count(); ++s) {
            seiten->setCurrentIndex(s);
            QTabWidget* b = blaetter[std::size_t(s)] ? blaetter[std::size_t(s)] : fenster_->Unterseiten(zev::Seite(s));
            for (int i = 0; b && i < b->count(); ++i) {
                b->setCurrentIndex(i);
                QCoreApplication::processEvents();
                const QString blatt = seiten->tabText(s).trimmed() + " / " + b->tabText(i).trimmed();
                if (fenster_->width() > 1280 || fenster_->minimumSizeHint().width() > 1280) zuBreit << blatt;
                // Nothing of a sheet hides behind a scroll bar sideways.
                QList<QScrollArea*> rollbar = b->currentWidget()->findChildren<QScrollArea*>();
                if (auto* selbst = qobject_cast<QScrollArea*>(b->currentWidget())) rollbar.append(selbst);
                for (QScrollArea* a : rollbar)
                    if (a->horizontalScrollBar()->isVisible())
                        zuBreit << blatt + QString(" (rollt seitwärts: %1 in %2)")
                                               .arg(a->widget()->minimumSizeHint().width())
                                               .arg(a->viewport()->width());
                // Every combo shows its texts whole: a list as wide as its longest
                // entry, and the chosen entry as its tool tip.
                for (QComboBox* k : b->currentWidget()->findChildren<QComboBox*>()) {
                    if (!k->isVisibleTo(b->currentWidget()) || k->count() == 0) continue;
                    int breit = 0;
                    for (int e = 0; e < k->count(); ++e)
                        breit = std::max(breit, k->view()->fontMetrics().horizontalAdvance(k->itemText(e)));
                    if (k->view()->minimumWidth() < breit)
                        zuBreit << blatt + " (Liste schmaler als ihr Text: " + k->accessibleName() + ")";
                    k->setCurrentIndex(k->count() - 1);
                    QHelpEvent tipp(QEvent::ToolTip, QPoint(2, 2), k->mapToGlobal(QPoint(2, 2)));
                    QCoreApplication::sendEvent(k, &tipp);
                    if (k->toolTip() != k->currentText())
                        zuBreit << blatt + " (ohne ganzen Text als Hinweis: " + k->accessibleName() + ")";
                }
                // Every check button is whole within the window, not cut off by the
                // window's edge or a scroll area.
                for (QPushButton* p : b->currentWidget()->findChildren<QPushButton*>()) {
                    if (!p->isVisibleTo(b->currentWidget()) || !p->text().contains("prüfen")) continue;
                    QRect sichtbar = QRect(p->mapTo(fenster_.get(), QPoint(0, 0)), p->size());
                    QRect rahmen = fenster_->rect();
                    for (QWidget* w = p->parentWidget(); w && w != fenster_.get(); w = w->parentWidget())
                        if (auto* a = qobject_cast<QScrollArea*>(w))
                            rahmen &= QRect(a->viewport()->mapTo(fenster_.get(), QPoint(0, 0)), a->viewport()->size());
                    if (!rahmen.contains(sichtbar)) zuBreit << blatt + " (verdeckt: " + p->text() + ")";
                }
            }
        }
        QVERIFY2(zuBreit.isEmpty(), qPrintable(zuBreit.join(", ")));
    }

    void startPageAfterAFirstStart() {
        QCOMPARE(fenster_->windowTitle(), QString("ZEV-Manager 2026"));
        QVERIFY(skript_.gezeigt.empty()); // the bundled catalogues load without a message
        QCOMPARE(Kind<QLineEdit>("startDatenOrdner")->text(), Pfad("Daten/"));
        QCOMPARE(Kind<QLineEdit>("startSchulnummer")->text(), QString("00000"));
        QCOMPARE(Kind<QLineEdit>("startQuelle")->text(), QString("interne *.ZEV-Dateien"));
        QCOMPARE(Textfarbe(Kind<QLineEdit>("startQuelle")), QColor(0, 0, 255));
        QCOMPARE(Kind<QLineEdit>("startZugriff")->text(), QString("LESEN und SCHREIBEN"));
        QCOMPARE(Textfarbe(Kind<QLineEdit>("startZugriff")), QColor(255, 0, 0));
        QCOMPARE(Kind<QLabel>("hinweisAchtung")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(Kind<QLabel>("hinweisPruefen")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        for (const char* bereich : {"lehrer", "klassen", "schueler"}) {
            QCOMPARE(Kind<QLineEdit>(qPrintable(QString("zaehler_aktuell_") + bereich))->text(), QString("1"));
            QCOMPARE(Kind<QLineEdit>(qPrintable(QString("zaehler_letzter_") + bereich))->text(), QString("1"));
        }
        auto* seiten = Kind<QTabWidget>("seiten");
        QCOMPARE(seiten->count(), 5);
        QCOMPARE(seiten->tabText(4), QString("   Schüler   "));
        QCOMPARE(fenster_->Unterseiten(zev::Seite::Schule)->tabText(1), QString("   freie Träger   "));
        QVERIFY(!QFile::exists(Pfad("Daten/Lehrer.ZEV")));
    }

    void pageChangesSaveUnlessSuspendedOnce() {
        auto* seiten = Kind<QTabWidget>("seiten");
        seiten->setCurrentIndex(2);
        const auto* liste = Kind<QListView>("liste_lehrer")->model();
        QCOMPARE(liste->rowCount(), 1);
        QCOMPARE(liste->index(0, 0).data().toString(), QString("  - frei -,  [1]"));
        seiten->setCurrentIndex(3);
        QVERIFY(QFile::exists(Pfad("Daten/Lehrer.ZEV")));
        QVERIFY(QFile::exists(Pfad("Daten/Export/Lehrer.XML")));

        auto* aussetzen = Kind<QAction>("aktionSpeichernAussetzen");
        aussetzen->trigger();
        auto* knopf = Kind<QToolButton>("knopfSpeichernAussetzen");
        QVERIFY(knopf->isChecked());
        QCOMPARE(knopf->text(), QString("Speichern ausgeschaltet!"));
        QCOMPARE(knopf->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
        seiten->setCurrentIndex(2);
        QVERIFY(!QFile::exists(Pfad("Daten/Klassen.ZEV")));
        QVERIFY(!knopf->isChecked());
        QCOMPARE(knopf->text(), QString("Speichern 1x aussetzen"));
        seiten->setCurrentIndex(3);
        QVERIFY(QFile::exists(Pfad("Daten/Lehrer.SIC"))); // written a second time
    }

    void actionStatesFollowThePage() {
        auto* seiten = Kind<QTabWidget>("seiten");
        auto* kopieren = Kind<QAction>("aktionKopieren");
        auto* einstellungen = Kind<QAction>("aktionEinstellungen");
        QVERIFY(!kopieren->isEnabled());
        QVERIFY(einstellungen->isEnabled());
        const bool erwartet[] = {false, false, true, true, true};
        for (int i : {1, 2, 3, 4, 0}) {
            seiten->setCurrentIndex(i);
            QCOMPARE(kopieren->isEnabled(), erwartet[i]);
            QCOMPARE(Kind<QAction>("aktionAusschneiden")->isEnabled(), erwartet[i]);
            QCOMPARE(einstellungen->isEnabled(), i == 0);
        }
        QVERIFY(!Kind<QAction>("menueOeffnen")->isEnabled());
        QCOMPARE(Kind<QAction>("aktionExportieren")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        Kind<QAction>("aktionExportieren")->trigger();
        for (const char* name : {"Schule", "Lehrer", "Klassen", "Schueler"})
            QVERIFY(QFile::exists(Pfad("Daten/Export/") + name + ".XML"));
        QVERIFY(!Kind<QAction>("aktionSpeichernUnter")->isVisible());
    }

    // The folder from the chooser, the question (answered yes), the summary with the folder's path.
    void deliveryAsksForAFolderAndShowsTheSummary() {
        QTemporaryDir ziel;
        QVERIFY(QDir(ziel.path()).mkdir("abgabe"));
        bool gewaehlt = false;
        QTimer::singleShot(100, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->setDirectory(ziel.path() + "/abgabe");
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it
            gewaehlt = true;
        });
        skript_.Antworten({true});
        Kind<QAction>("aktionLieferung")->trigger();
        QVERIFY(gewaehlt);
        const QString ordner =
            ziel.path() + "/abgabe/" + QString::fromStdString(zev::LieferOrdnerName("00000", zev::Heute()));
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 7);
        QVERIFY(skript_.gezeigt.size() >= 2);
        QVERIFY(skript_.gezeigt[skript_.gezeigt.size() - 2].text.starts_with("Die Prüfung der Lieferung fand "));
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text).section('\r', 0, 1),
                 "Die Lieferung wurde geschrieben in den Ordner:\r" + ordner);
    }

    void xmlSubPageShowsTheWrittenFile() {
        Kind<QTabWidget>("seiten")->setCurrentIndex(3);
        fenster_->Unterseiten(zev::Seite::Klassen)->setCurrentIndex(1);
        const QString text = Kind<QPlainTextEdit>("xml_klassen")->toPlainText();
        QVERIFY(text.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>"));
        QVERIFY(text.contains("<Alle_Klassen>"));
    }

    void timedNoticeClosesByItselfAndByItsButton() {
        auto& box = fenster_->Kontrolle().Info();
        box.Setzen({"Information", "", {"a", "b", "", "", ""}}, 200);
        QElapsedTimer uhr;
        uhr.start();
        fenster_->Info()->Zeigen();
        QVERIFY(uhr.elapsed() >= 150);
        QCOMPARE(fenster_->Info()->Fortschritt()->value(), 10);

        box.Setzen({"Information", "", {"", "", "", "", ""}}, 60000); // ten ticks of six seconds
        QTimer::singleShot(50, fenster_->Info(), [this] { Kind<QPushButton>("infoKnopf")->click(); });
        uhr.restart();
        fenster_->Info()->Zeigen();
        QVERIFY(uhr.elapsed() < 5000);
        QVERIFY(!fenster_->Info()->Zeitgeber().isActive());
    }

    // "alle Schüler prüfen (grosse PLAUSI)" shows the students' grid; a double-click on
    // a student closes it and opens that student's sheet. The same for the classes.
    void theGroupRunsOfClassesAndStudentsJumpToTheChosenRecord() {
        auto* seiten = Kind<QTabWidget>("seiten");
        QStringList koepfe;
        const auto lauf = [&](int seite, const char* knopf, const char* unterseiten) {
            seiten->setCurrentIndex(seite);
            auto* karten = Kind<QTabWidget>(unterseiten);
            karten->setCurrentIndex(1); // the jump comes back to the sheets
            koepfe.clear();
            QTimer::singleShot(0, this, [&] {
                QTableView* t = fenster_->Gruppe()->Tabelle();
                for (int s = 0; s < t->model()->columnCount(); ++s)
                    koepfe << t->model()->headerData(s, Qt::Horizontal).toString();
                const QPoint p = t->visualRect(t->model()->index(0, 1)).center();
                QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
                QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
            });
            Kind<QPushButton>(knopf)->click();
            QTRY_COMPARE(karten->currentIndex(), 0);
            QCOMPARE(seiten->currentIndex(), seite);
        };
        lauf(4, "knopfAlleSchueler", "unterseiten_schueler");
        QCOMPARE(koepfe,
                 QStringList({"Schülernummer", "Name", "Vorname", "Klasse", "Warnungen", "Fehler", "Ergebnis"}));
        QCOMPARE(fenster_->Gruppe()->windowTitle(), QString("Ergebnis: große PLAUSI -->  S c h ü l e r"));
        QCOMPARE(fenster_->Gruppe()->GewaehlterDatensatz(), 0);
        lauf(3, "knopfAlleKlassen", "unterseiten_klassen");
        QCOMPARE(koepfe, QStringList({"Klassenname", "Warnungen", "Fehler", "Ergebnis"}));
        QCOMPARE(fenster_->Gruppe()->windowTitle(), QString("Ergebnis: große PLAUSI -->  K l a s s e n"));
    }

    void closingOnTheClassPageAsks() {
        Kind<QTabWidget>("seiten")->setCurrentIndex(3);
        skript_.Antworten({true});
        fenster_->close();
        QVERIFY(QFile::exists(Pfad("Daten/Klassen.ZEV")));
        QVERIFY(QFile::exists(Pfad("Daten/Klassen.LS1")));
        QVERIFY(QFile::exists(Pfad("Daten/Klassen.LS2")));
        QVERIFY(QFile::exists(Pfad("Daten/Export/Klassen.XML"))); // the XML goes out with the file
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text),
                 QString("Die Klassendaten wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen "
                         "Datenformat (*.ZEV) sichern?"));
    }

    void anImportOnEnteringAPageEndsWithItsReport() {
        QFile datei(Pfad("Import-Lehrer.XML"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("<Alle_Lehrer><Lehrer><Schulnummer>00000</Schulnummer><Lehrernummer>ABCDEFGHIJKL</Lehrernummer>"
                    "</Lehrer></Alle_Lehrer>");
        datei.close();
        auto& e = fenster_->Kontrolle().Einstellungen();
        e.Datenquelle = 0;
        e.XMLImport[zev::ImportLehrer][1].Datei = Pfad("Import-Lehrer.XML").toStdString();
        QVERIFY(!fenster_->Import());
        Kind<QTabWidget>("seiten")->setCurrentIndex(2);
        auto* f = fenster_->Import();
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->windowTitle(), QString("Import-Bericht"));
        QCOMPARE(f->Text()->toPlainText(),
                 "[lehrer]\nDatei: " + Pfad("Import-Lehrer.XML") +
                     "\nRoot-Tag: Alle_Lehrer\nDatensätze übernommen: 1\nnicht wie in der "
                     "Datei übernommen: 1\n  1. Lehrer (ABCDEFGHIJ   - frei -, ), Lehrernummer "
                     "\"ABCDEFGHIJKL\": auf 10 Zeichen gekürzt\n");
        // "Bericht speichern ..." writes it where the person says.
        QString vorschlag;
        f->DateiFrageSetzen([&](QWidget*, const QString& v) {
            vorschlag = v;
            return Pfad("import.csv");
        });
        f->findChild<QPushButton*>("berichtSpeichern")->click();
        QCOMPARE(vorschlag, Pfad("Daten/Import_00000.html")); // in the data folder, not the home folder
        QFile csv(Pfad("import.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().endsWith(";Lehrernummer;ABCDEFGHIJKL;auf 10 Zeichen gekürzt\r\n"));
        // Entering the page again imports nothing and leaves the report as it was.
        f->hide();
        Kind<QTabWidget>("seiten")->setCurrentIndex(3);
        Kind<QTabWidget>("seiten")->setCurrentIndex(2);
        QVERIFY(!f->isVisible());
    }

    void editsMarkTheTitleCtrlZTakesThemBackAndSavingSaysWhat() {
        fenster_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        Kind<QTabWidget>("seiten")->setCurrentIndex(2);
        auto* name = Kind<QLineEdit>("lehrerName");
        const QString vorher = name->text();
        QCOMPARE(fenster_->windowTitle(), QString("ZEV-Manager 2026"));
        QTest::keyClicks(name, "Neu");
        QCOMPARE(fenster_->windowTitle(), QString("*ZEV-Manager 2026"));
        // In a text box Ctrl+Z is the box's own undo.
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(skript_.gezeigt.empty());
        QTest::keyClicks(name, "Neu");
        auto* liste = Kind<QListView>("liste_lehrer");
        liste->setFocus();
        skript_.Antworten({false, true});
        QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(skript_.gezeigt.size(), std::size_t(1));
        QCOMPARE(name->text(), vorher + "Neu");
        QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text),
                 QString("Wollen Sie Ihre Änderungen an diesem Datensatz verwerfen?\r\rEr wird dann wieder so "
                         "gezeigt, wie er zuletzt gespeichert wurde."));
        QCOMPARE(name->text(), vorher);
        QCOMPARE(fenster_->windowTitle(), QString("ZEV-Manager 2026"));
        QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier); // nothing edited: nothing asked
        QCOMPARE(skript_.gezeigt.size(), std::size_t(2));

        QTest::keyClicks(name, "X");
        QCOMPARE(fenster_->windowTitle(), QString("*ZEV-Manager 2026"));
        Kind<QAction>("aktionSpeichern")->trigger();
        QCOMPARE(fenster_->windowTitle(), QString("ZEV-Manager 2026"));
        QVERIFY2(QRegularExpression("^Gespeichert: Lehrer\\.ZEV, Lehrer\\.XML – \\d\\d:\\d\\d$")
                     .match(fenster_->statusBar()->currentMessage())
                     .hasMatch(),
                 qPrintable(fenster_->statusBar()->currentMessage()));

        // The unit buttons mark the record when they change its grid, not when they only renew the view.
        Kind<QPushButton>("knopfUEAktualisieren")->click();
        QCOMPARE(fenster_->windowTitle(), QString("ZEV-Manager 2026"));
        Kind<QPushButton>("knopfUELeereZeile")->click();
        QCOMPARE(fenster_->windowTitle(), QString("*ZEV-Manager 2026"));
    }

    void keysAreShownInTheMenusAndWork() {
        const std::pair<const char*, QKeySequence> tasten[] = {
            {"aktionSpeichern", QKeySequence("Ctrl+S")},      {"aktionBeenden", QKeySequence("Ctrl+Q")},
            {"aktionNeuLaden", QKeySequence("F5")},           {"aktionExportieren", QKeySequence("Ctrl+E")},
            {"aktionSuchen", QKeySequence("Ctrl+F")},         {"aktionAusschneiden", QKeySequence("Ctrl+Shift+X")},
            {"aktionKopieren", QKeySequence("Ctrl+Shift+C")}, {"aktionEinfuegen", QKeySequence("Ctrl+Shift+V")}};
        for (const auto& [name, taste] : tasten) {
            auto* a = Kind<QAction>(name);
            QCOMPARE(a->shortcut(), taste);
            const auto orte = a->associatedObjects();
            QVERIFY2(std::any_of(orte.begin(), orte.end(), [](QObject* o) { return qobject_cast<QMenu*>(o); }), name);
        }
        // Mnemonics differ within the menu bar and within each menu.
        const std::function<void(const QList<QAction*>&, const QString&)> pruefen = [&](const QList<QAction*>& aktionen,
                                                                                        const QString& wo) {
            QMap<QChar, QString> belegt;
            for (QAction* a : aktionen) {
                if (!a->isVisible() || a->isSeparator()) continue;
                const QString t = a->text();
                const qsizetype und = t.indexOf('&');
                QVERIFY2(und >= 0 && und + 1 < t.size(), qPrintable(wo + ": ohne Kürzel: " + t));
                const QChar c = t[und + 1].toLower();
                QVERIFY2(!belegt.contains(c), qPrintable(wo + ": " + belegt.value(c) + " / " + t));
                belegt[c] = t;
                if (a->menu()) pruefen(a->menu()->actions(), t);
            }
        };
        pruefen(fenster_->menuBar()->actions(), "Menüleiste");

        fenster_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        // F5 asks its question; Ctrl+S on the teacher page writes the teachers.
        QTest::keyClick(fenster_.get(), Qt::Key_F5);
        QCOMPARE(QString::fromStdString(skript_.gezeigt.back().text).left(38),
                 QString("Wollen Sie jetzt das Öffnen / Laden / "));
        Kind<QTabWidget>("seiten")->setCurrentIndex(2);
        QTest::keyClick(fenster_.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(Pfad("Daten/Lehrer.ZEV")));
        // Ctrl+C in a text box copies text; Ctrl+Shift+C the record.
        QSignalSpy kopiert(Kind<QAction>("aktionKopieren"), &QAction::triggered);
        auto* name = Kind<QLineEdit>("lehrerName");
        name->setFocus();
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(kopiert.count(), 0);
        QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(kopiert.count(), 1);
        // Ctrl+Q closes, asking about the open page (the copy's notice had the focus).
        fenster_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        skript_.Antworten({false});
        QTest::keyClick(fenster_.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!fenster_->isVisible());
    }

    void escapeClosesTheGuide() {
        fenster_->Hilfe();
        auto* h = fenster_->Handbuch();
        QVERIFY(h && h->isVisible());
        h->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h));
        QTest::keyClick(h, Qt::Key_Escape);
        QVERIFY(!h->isVisible());
    }

    void closingWithNoWritesOnlyTheCopies() {
        Kind<QTabWidget>("seiten")->setCurrentIndex(4);
        skript_.Antworten({false});
        fenster_->close();
        QVERIFY(!QFile::exists(Pfad("Daten/Schueler.ZEV")));
        QVERIFY(QFile::exists(Pfad("Daten/Schueler.LS1")));
    }

    // A file replaced behind the window: cancelling keeps the page and writes nothing;
    // keeping one's own version makes the other the backup.
    void aTabChangeOverAChangedFileAsksAndCancelStaysOnThePage() {
        auto* seiten = Kind<QTabWidget>("seiten");
        seiten->setCurrentIndex(2);
        seiten->setCurrentIndex(3);
        QVERIFY(QFile::exists(Pfad("Daten/Lehrer.ZEV")));
        seiten->setCurrentIndex(2);
        QFile::remove(Pfad("Daten/Lehrer.ZEV"));
        QVERIFY(QFile::copy(Pfad("Daten/Klassen.ZEV"), Pfad("Daten/Lehrer.ZEV")));
        const QByteArray fremd = [&] {
            QFile f(Pfad("Daten/Lehrer.ZEV"));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        skript_.gezeigt.clear();
        skript_.Wahlen({2});
        seiten->setCurrentIndex(4);
        QCOMPARE(seiten->currentIndex(), 2);
        QCOMPARE(fenster_->Kontrolle().AktuelleSeite(), zev::Seite::Lehrer);
        QVERIFY(QString::fromStdString(skript_.gezeigt.back().text)
                    .startsWith("Die Datei " + Pfad("Daten/Lehrer.ZEV") +
                                " wurde seit dem Laden von einem anderen Programm geändert."));
        QFile f(Pfad("Daten/Lehrer.ZEV"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), fremd);
        f.close();
        skript_.Wahlen({0});
        seiten->setCurrentIndex(4);
        QCOMPARE(seiten->currentIndex(), 4);
        QFile sic(Pfad("Daten/Lehrer.SIC"));
        QVERIFY(sic.open(QIODevice::ReadOnly));
        QCOMPARE(sic.readAll(), fremd);
    }

    // A lesson-unit ID still being typed into the student's grid reaches the file when
    // the tool bar's "Speichern" is pressed (the button takes no focus from the cell).
    void aCellBeingTypedIsTakenInByTheToolBar() {
        Kind<QTabWidget>("seiten")->setCurrentIndex(4);
        Kind<QTabWidget>("unterseiten_schuelerblatt")->setCurrentIndex(3);
        auto* tabelle = Kind<QTableView>("tabelleSchuelerUE");
        const QModelIndex zelle = tabelle->model()->index(0, 1);
        tabelle->setCurrentIndex(zelle);
        tabelle->edit(zelle);
        auto* editor = tabelle->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        editor->setText("7");
        Kind<QAction>("aktionSpeichern")->trigger();
        QVERIFY(!tabelle->viewport()->findChild<QLineEdit*>() ||
                !tabelle->viewport()->findChild<QLineEdit*>()->isVisible());
        zev::BereichsDatei<zev::TSchuelerDS> datei;
        std::string fehler;
        QCOMPARE(zev::BereichsdateiLesen(Pfad("Daten/Schueler.ZEV").toStdString(), datei, fehler), zev::LeseStatus::Ok);
        QCOMPARE(QString::fromStdString(std::string(datei.Saetze[0].Jahrgangsdaten.Unterrichtseinheit[1].UE_ID.view())),
                 QString("7"));
    }

    // Right after the start no sheet shows a chosen record: the clipboard view has
    // nothing to report, though the lists have selected their first rows.
    void theClipboardViewReportsOnlyAreasWhosePageWasEntered() {
        fenster_->Kontrolle().Info().Setzen({"vorher", "", {"", "", "", "", ""}}, 100);
        Kind<QAction>("aktionZwischenablageAnsicht")->trigger();
        QCOMPARE(QString::fromStdString(fenster_->Kontrolle().Info().Texte().titel), QString("vorher"));
        Kind<QTabWidget>("seiten")->setCurrentIndex(3);
        QTimer::singleShot(50, fenster_->Info(), [this] { Kind<QPushButton>("infoKnopf")->click(); });
        Kind<QAction>("aktionZwischenablageAnsicht")->trigger();
        QCOMPARE(QString::fromStdString(fenster_->Kontrolle().Info().Texte().kopf), QString("Klasen-Datensatz"));
    }

    void aSecondWindowOnTheFolderOnlyReadsUntilItIsFree() {
        skript_.gezeigt.clear();
        auto zweites = std::make_unique<HauptFenster>((home_->path() + "/").toStdString(), skript_);
        zweites->SicherungsTimer().setInterval(60000);
        zweites->show();
        zweites->SicherungsTimer().stop();
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QVERIFY(
            QString::fromStdString(skript_.gezeigt[0].text)
                .startsWith("Der Daten-Ordner " + Pfad("Daten/") + " wird gerade von zev-manager benutzt (Benutzer "));
        auto* erneut = zweites->findChild<QAction*>("aktionErneutVersuchen");
        auto* hinweis = zweites->findChild<QLabel*>("sperrHinweis");
        QVERIFY(erneut && hinweis);
        QVERIFY(erneut->isEnabled());
        QVERIFY(!Kind<QAction>("aktionErneutVersuchen")->isEnabled());
        QVERIFY(hinweis->isVisible());
        QVERIFY(hinweis->text().startsWith("nur LESEN: Der Daten-Ordner "));
        QVERIFY(!Kind<QLabel>("sperrHinweis")->isVisible());
        // The settings belong to the writer.
        skript_.gezeigt.clear();
        zweites->findChild<QAction*>("aktionEinstellungen")->trigger();
        QCOMPARE(skript_.gezeigt.size(), std::size_t{1});
        QCOMPARE(skript_.gezeigt[0].art, zev::MeldungsArt::Warnung);
        // Still held: nothing changes.
        erneut->trigger();
        QVERIFY(erneut->isEnabled());
        fenster_.reset();
        erneut->trigger();
        QVERIFY(!erneut->isEnabled());
        QVERIFY(!hinweis->isVisible());
        QCOMPARE(zweites->findChild<QLineEdit*>("startZugriff")->text(), QString("LESEN und SCHREIBEN"));
    }
};

QTEST_MAIN(HauptFensterTest)
#include "main_window_test.moc"
