// "Import-Bericht": what the imports of the last command did, as `zev import`
// prints it (built in the core, import_report.h), with "Bericht speichern ..."
// (HTML or CSV) and "Beenden". It opens by itself after a page entry or
// "Ö&ffnen" that imported files.
//
// Object names, for tests that drive the window:
//   importText          QPlainTextEdit, read-only, the report
//   berichtSpeichern    QPushButton "Bericht speichern ..."
//   beenden             QPushButton "Beenden"
#pragma once

#include "control/import_report.h"
#include "ui/qt/check_window_pieces.h"

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace zev::qt {

class ImportFenster : public QDialog {
    Q_OBJECT
public:
    // A report that cannot be written is told through `m`.
    explicit ImportFenster(Meldungen& m, QWidget* eltern = nullptr);

    // Fills the window; `schulnummer` and `datum` head a saved report.
    void Anzeigen(std::vector<BereichsImport> importe, std::string schulnummer, std::string datum);

    // Replaces the file dialog of "Bericht speichern ...", e.g. by a test's answer.
    void DateiFrageSetzen(BerichtsDatei::Frage frage) { datei_.FrageSetzen(std::move(frage)); }
    // Replaces the print dialog of "Drucken ..." (Ctrl+P), e.g. by a test's printer.
    void DruckerSetzen(BerichtsDruck::Drucker d) { druck_.DruckerSetzen(std::move(d)); }
    // Where "Bericht speichern ..." first suggests a file: the data folder.
    void BerichtsOrdnerSetzen(const QString& ordner) { datei_.StartOrdnerSetzen(ordner); }
    QPlainTextEdit* Text() const { return text_; }

private:
    void Speichern();

    Meldungen& m_;
    BerichtsDatei datei_;
    BerichtsDruck druck_;
    std::vector<BereichsImport> importe_;
    std::string schulnummer_, datum_;
    QPlainTextEdit* text_;
    QPushButton* beenden_;
};

} // namespace zev::qt
