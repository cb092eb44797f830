// The window of the große PLAUSI, "Ergebnis: große PLAUSI": one grid row per
// teacher, class or student with the counts of warnings and errors and the verdict
// in its colour, the alarm threshold, "Bericht speichern ..." and "Beenden". What
// it shows is built in the core (group_check.h). Double-clicking a record's row
// (or Enter on it) closes the window and leaves that record's index for the
// caller, who then shows the record's sheet.
//
// Object names, for tests that drive the window:
//   uebersicht          QTableView "Übersicht über die Einzeltests:", the headings
//                       in its header, one row per grid row below them
//   schwelle            QLineEdit, read-only "Test-Alarm-Schwelle"
//   berichtSpeichern    QPushButton "Bericht speichern ..."
//   beenden             QPushButton "Beenden"
#pragma once

#include "model/messages.h"
#include "plausi/check_report.h"
#include "plausi/group_check.h"
#include "ui/qt/check_window_pieces.h"
#include "ui/qt/message_box.h"

#include <QDialog>

#include <string>

class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace zev::qt {

class GruppenModell;

class GruppenFenster : public QDialog {
    Q_OBJECT
public:
    using DateiFrage = BerichtsDatei::Frage;

    // Messages (a report that cannot be written) go to message boxes of its own,
    // or to `m`.
    explicit GruppenFenster(QWidget* eltern = nullptr);
    explicit GruppenFenster(Meldungen& m, QWidget* eltern = nullptr);

    // Fills the window from a grid; `schulnummer` and `datum` head a saved report.
    // No record is chosen afterwards.
    void Anzeigen(Gruppenanzeige g, std::string schulnummer, std::string datum = HeutigesDatum());
    // Fills it and shows it modally; returns, once the user has closed it, the
    // index of the record chosen by a double-click, or -1 after "Beenden".
    int Zeigen(Gruppenanzeige g, std::string schulnummer);

    // The record chosen when the window closed, or -1.
    int GewaehlterDatensatz() const { return gewaehlt_; }

    // Replaces the file dialog of "Bericht speichern ...", e.g. by a test's answer.
    void DateiFrageSetzen(DateiFrage frage) { datei_.FrageSetzen(std::move(frage)); }
    // Replaces the print dialog of "Drucken ..." (Ctrl+P), e.g. by a test's printer.
    void DruckerSetzen(BerichtsDruck::Drucker d) { druck_.DruckerSetzen(std::move(d)); }
    // Where "Bericht speichern ..." first suggests a file: the data folder.
    void BerichtsOrdnerSetzen(const QString& ordner) { datei_.StartOrdnerSetzen(ordner); }

    const Gruppenanzeige& Anzeige() const;
    QTableView* Tabelle() const { return tabelle_; }
    QLineEdit* Schwelle() const { return schwelle_; }
    QPushButton* SpeichernKnopf() const { return speichern_; }
    QPushButton* BeendenKnopf() const { return beenden_; }

signals:
    // Sent just before the window closes on a chosen record.
    void DatensatzGewaehlt(int index);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Aufbauen();
    void Waehlen(const QModelIndex& index);
    void Speichern();
    void BreitenSetzen();

    QtMeldungen eigeneMeldungen_;
    Meldungen& m_;
    BerichtsDatei datei_;
    BerichtsDruck druck_;
    std::string schulnummer_, datum_;
    int gewaehlt_ = -1;

    GruppenModell* modell_;
    QTableView* tabelle_;
    QLineEdit* schwelle_;
    QPushButton* speichern_;
    QPushButton* beenden_;
};

} // namespace zev::qt
