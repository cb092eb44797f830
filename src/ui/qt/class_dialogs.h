// "neue Klassenbesonderheit ...": a key box with the sorted entries of
// catalogue 52 beside it, "Hinzufügen" and "Abbrechen".
#pragma once

#include "pages/class_dialogs.h"

#include <QDialog>

#include <optional>
#include <string>

class QPushButton;

namespace zev::qt {

class CodeFeldWidget;

class KlBesDialog : public QDialog {
    Q_OBJECT
public:
    KlBesDialog(const KomboListe& besonderheiten, QWidget* eltern = nullptr);
    // Empties the key box and shows the dialog modally; the key on "Hinzufügen"
    // with a non-empty box, nothing otherwise.
    std::optional<std::string> Fragen();
    // The chosen specialty, kept from the last "Hinzufügen".
    const std::string& Gewaehlt() const { return modell_.gewaehlt; }

    CodeFeldWidget* Feld() const { return feld_; }
    QPushButton* Hinzufuegen() const { return hinzufuegen_; }
    QPushButton* Abbrechen() const { return abbrechen_; }

private:
    const KomboListe& liste_;
    KlBesDialogModell modell_;
    CodeFeldWidget* feld_;
    QPushButton* hinzufuegen_;
    QPushButton* abbrechen_;
};

} // namespace zev::qt
