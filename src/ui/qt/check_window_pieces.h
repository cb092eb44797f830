// Pieces the two check windows share: read-only fields that show a text in one
// of the program's colours, labels that name their field for assistive
// technology, and the file question of "Bericht speichern ...".
#pragma once

#include "model/colours.h"

#include <QString>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace zev::qt {

// A read-only field; `zugaenglich` is its label's text.
QLineEdit* LeseFeld(const char* objektname, const QString& zugaenglich);

// A label that names `buddy` (its mnemonic and screen readers go there).
QLabel* Beschriftung(const QString& text, QWidget* buddy);

void FarbigSetzen(QLineEdit* f, const std::string& text, Farbe farbe);

// "Bericht speichern ...": asks for a file name, suggesting one in the folder of
// the last report written (at first the start folder, the data folder; the home
// folder only without one), and writes the report under it. Tests replace the
// question by their own answer.
class BerichtsDatei {
public:
    // Asks for the file name of a report, starting from `vorschlag`; an empty
    // name means the user cancelled.
    using Frage = std::function<QString(QWidget* eltern, const QString& vorschlag)>;

    // The file dialog used unless replaced: HTML or CSV, asking before it overwrites.
    static QString Dialog(QWidget* eltern, const QString& vorschlag);

    void FrageSetzen(Frage frage) { frage_ = std::move(frage); }
    void StartOrdnerSetzen(QString ordner) { start_ = std::move(ordner); }

    // Suggests "<stamm>_<schulnummer>.html" (or "<stamm>.html" without a number);
    // `schreiben` writes the report under the chosen name and says whether it did.
    void Speichern(QWidget* eltern, const QString& stamm, const std::string& schulnummer,
                   const std::function<bool(const std::string& pfad)>& schreiben);

private:
    Frage frage_ = Dialog;
    QString ordner_;
    QString start_;
};

// "Drucken" (Ctrl+P) of a report window: the report as the saved HTML page,
// through the print dialog. The action is also in the window's context menu,
// where it shows its key. Tests replace the printer by their own.
class BerichtsDruck {
public:
    using Drucker = std::function<void(QWidget* eltern, const QString& html)>;

    // The print dialog, then the page on the chosen printer.
    static void Dialog(QWidget* eltern, const QString& html);

    void DruckerSetzen(Drucker d) { drucker_ = std::move(d); }
    // Gives `fenster` the action; `html` makes the page when it is triggered.
    void Einrichten(QWidget* fenster, std::function<std::string()> html);

private:
    Drucker drucker_ = Dialog;
};

} // namespace zev::qt
