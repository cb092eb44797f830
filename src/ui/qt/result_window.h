// The result window of a check run, "Datentest (interne PLAUSI)": every test
// that ran with its result line in the result's colour, the alarm threshold, the
// overall verdict with the counts of warnings and errors, and "Beenden". What it
// shows is built in the core (result_listing.h); "Bericht speichern ..." writes
// the same as an HTML or CSV file (check_report.h).
//
// Object names, for tests that drive the window:
//   ergebnisListe       QListView "Einzel-Tests mit Ergebnissen:", one row per line
//   schwelle            QLineEdit, read-only "Test-Alarm-Schwelle:"
//   urteil              QLineEdit, read-only "Gesamt-Test-Ergebnis:"
//   zaehlerZeile        QWidget: "mit" [warnungen] "Warnung(en)     und" [fehler] "Fehler"
//   warnungen, fehler   QLineEdit, read-only
//   berichtSpeichern    QPushButton "Bericht speichern ..."
//   beenden             QPushButton "Beenden"
#pragma once

#include "model/messages.h"
#include "plausi/check_report.h"
#include "plausi/result_listing.h"
#include "ui/qt/check_window_pieces.h"
#include "ui/qt/message_box.h"

#include <QDialog>
#include <QString>

#include <string>

class QLineEdit;
class QListView;
class QPushButton;

namespace zev::qt {

class ErgebnisModell;

class ErgebnisFenster : public QDialog {
    Q_OBJECT
public:
    // Asks for the file name of a report, starting from `vorschlag`; an empty
    // name means the user cancelled.
    using DateiFrage = BerichtsDatei::Frage;

    // Messages (a report that cannot be written) go to message boxes of its own,
    // or to `m`.
    explicit ErgebnisFenster(QWidget* eltern = nullptr);
    explicit ErgebnisFenster(Meldungen& m, QWidget* eltern = nullptr);

    // Fills the window from a run; `schulnummer` and `datum` head a saved report.
    void Anzeigen(const Ergebnisanzeige& a, std::string schulnummer, std::string datum = HeutigesDatum());
    // Fills it and shows it modally; returns when the user has closed it.
    void Zeigen(const Ergebnisanzeige& a, std::string schulnummer);

    // Replaces the file dialog of "Bericht speichern ...", e.g. by a test's answer.
    void DateiFrageSetzen(DateiFrage frage) { datei_.FrageSetzen(std::move(frage)); }
    // Replaces the print dialog of "Drucken ..." (Ctrl+P), e.g. by a test's printer.
    void DruckerSetzen(BerichtsDruck::Drucker d) { druck_.DruckerSetzen(std::move(d)); }
    // Where "Bericht speichern ..." first suggests a file: the data folder.
    void BerichtsOrdnerSetzen(const QString& ordner) { datei_.StartOrdnerSetzen(ordner); }
    // The file dialog used unless replaced: HTML or CSV, asking before it overwrites.
    static QString DateiDialog(QWidget* eltern, const QString& vorschlag) {
        return BerichtsDatei::Dialog(eltern, vorschlag);
    }

    const Ergebnisanzeige& Anzeige() const { return anzeige_; }
    QListView* Liste() const { return liste_; }
    QLineEdit* Schwelle() const { return schwelle_; }
    QLineEdit* Urteil() const { return urteil_; }
    QWidget* Zaehlerzeile() const { return zaehlerZeile_; }
    QLineEdit* Warnungen() const { return warnungen_; }
    QLineEdit* Fehler() const { return fehler_; }
    QPushButton* SpeichernKnopf() const { return speichern_; }
    QPushButton* BeendenKnopf() const { return beenden_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Aufbauen();
    void Speichern();

    QtMeldungen eigeneMeldungen_;
    Meldungen& m_;
    BerichtsDatei datei_;
    BerichtsDruck druck_;
    Ergebnisanzeige anzeige_;
    std::string schulnummer_, datum_;

    ErgebnisModell* modell_;
    QListView* liste_;
    QLineEdit* schwelle_;
    QLineEdit* urteil_;
    QWidget* zaehlerZeile_;
    QLineEdit* warnungen_;
    QLineEdit* fehler_;
    QPushButton* speichern_;
    QPushButton* beenden_;
};

} // namespace zev::qt
