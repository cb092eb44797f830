// The main window: menus, tool bar, status bar and the page control of the four
// areas. It forwards every event to the controller and draws what it reports.
#pragma once

#include "control/lifecycle.h"
#include "control/navigation.h"
#include "ui/qt/info_dialog.h"
#include "ui/qt/message_box.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace zev::qt {

class DatensatzListe;
class ErgebnisFenster;
class GruppenFenster;
class HandbuchFenster;
class ImportFenster;
class KlassenSeitenWidget;
class LehrerSeitenWidget;
class SchuelerSeitenWidget;
class SchulSeitenWidget;

class HauptFenster : public QMainWindow {
    Q_OBJECT
public:
    // `m` shows every message of the window and its pages; it must outlive the window.
    HauptFenster(const std::string& programmOrdner, Meldungen& m, QWidget* eltern = nullptr);
    ~HauptFenster() override;

    Steuerung& Kontrolle() { return *steuerung_; }
    Navigation& Blaettern() { return *navigation_; }
    // The record list of a list area (null for the start and school pages); its
    // signal `datensatzEingefuegt` tells the area's page to show its first sub-page
    // with the focus in the name box.
    DatensatzListe* Liste(Seite s) const { return listen_[static_cast<std::size_t>(s)]; }
    QTabWidget* Seiten() const { return seiten_; }
    QTabWidget* Unterseiten(Seite s) const;
    InfoDialog* Info() const { return info_; }
    SchulSeitenWidget* SchulSeite() const { return schulSeite_; }
    ErgebnisFenster* Ergebnis() const { return ergebnis_; }
    GruppenFenster* Gruppe() const { return gruppe_; }
    // "Import-Bericht" of the last command that imported (null before the first).
    ImportFenster* Import() const { return import_; }
    LehrerSeitenWidget* LehrerSeite() const { return lehrerSeite_; }
    QTimer& SicherungsTimer() { return sicherung_; }
    // "Hilfe zum Programm" (F1): the guide at the heading of the page on screen.
    void Hilfe();
    HandbuchFenster* Handbuch() const { return handbuch_; }
    std::string_view AktuellerAbschnitt() const;

    // Window caption: the program and its version year.
    static QString Titel();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void MenuesAufbauen();
    // A grid cell still being typed goes into its grid before any command acts on
    // the page: tool-bar and menu entries take no focus, so its editor would stay open.
    void EingabeAbschliessen();
    QWidget* StartseiteAufbauen();
    QWidget* BereichsseiteAufbauen(Seite s, const QStringList& unterseiten);
    void SeiteGewechselt(int index);
    void UnterseiteGewechselt(Seite s, int index);
    void ZustandZeigen();
    // The caption, with "*" in front while the open record has edits not stored.
    void TitelZeigen();
    // Edits of the person on the controls of `seite` mark the open record as edited.
    void BearbeitungVerfolgen(QWidget* seite);
    // The report of what the last command imported, if it imported anything.
    void ImporteZeigen();
    void ListeZeigen(Seite s);
    void EinstellungenZeigen();
    // "Datentest (interne PLAUSI)" over the run that just ended.
    void ErgebnisZeigen();
    // "Ergebnis: große PLAUSI"; a record chosen there is shown on its sheets.
    void GruppeZeigen();
    void Oeffnen();
    // "Lieferung erstellen ...": a folder, the checks, the question, the summary.
    void Liefern();
    void UeberDasProgramm();

    Meldungen& meldungen_;
    QTimer sicherung_;
    std::unique_ptr<Steuerung> steuerung_;
    std::unique_ptr<Navigation> navigation_;
    std::string programmOrdner_;
    bool gezeigt_ = false;
    bool schliessend_ = false;
    int letzteSeite_ = 0;
    std::array<bool, 5> betreten_{}; // pages entered since the start

    QTabWidget* seiten_ = nullptr;
    std::array<QTabWidget*, 5> unterseiten_{};
    std::array<QPlainTextEdit*, 5> xmlText_{};
    std::array<DatensatzListe*, 5> listen_{};

    // start page
    QLineEdit* datenOrdner_ = nullptr;
    QLineEdit* zugriff_ = nullptr;
    QLineEdit* schulnummer_ = nullptr;
    QLineEdit* quelle_ = nullptr;
    QLabel* achtung_ = nullptr;
    QLabel* pruefen_ = nullptr;

    QAction* einstellungen_ = nullptr;
    QAction* erneutVersuchen_ = nullptr;
    QLabel* sperrHinweis_ = nullptr;
    QAction* speichernAussetzen_ = nullptr;
    std::array<QAction*, 3> zwischenablage_{};
    QAction* suchen_ = nullptr;
    InfoDialog* info_ = nullptr;
    SchulSeitenWidget* schulSeite_ = nullptr;
    ErgebnisFenster* ergebnis_ = nullptr;
    GruppenFenster* gruppe_ = nullptr;
    ImportFenster* import_ = nullptr;
    HandbuchFenster* handbuch_ = nullptr;
    LehrerSeitenWidget* lehrerSeite_ = nullptr;
    KlassenSeitenWidget* klassenSeite_ = nullptr;
    SchuelerSeitenWidget* schuelerSeite_ = nullptr;
};

} // namespace zev::qt
