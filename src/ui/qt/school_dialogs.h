// The two dialogs of the school page: "neue Schulart ..." and the lesson-unit
// dialog. Each copies between its screen model and its controls.
#pragma once

#include "pages/school_dialogs.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zev::qt {

class CodeFeldWidget;

class SchulartDialog : public QDialog {
    Q_OBJECT
public:
    SchulartDialog(const KomboListe& schularten, QWidget* eltern = nullptr);
    // Empties the key box and shows the dialog modally; the key on "Hinzufügen".
    std::optional<std::string> Fragen();
    CodeFeldWidget* Feld() const { return feld_; }
    QPushButton* Hinzufuegen() const { return hinzufuegen_; }

private:
    const KomboListe& liste_;
    SchulartDialogModell modell_;
    CodeFeldWidget* feld_;
    QPushButton* hinzufuegen_;
};

class UEDialog : public QDialog {
    Q_OBJECT
public:
    UEDialog(const UEDialogListen& listen, QWidget* eltern = nullptr);
    // Shows the dialog over the buffer; true and the buffer filled on "hinzufügen".
    bool Bearbeiten(TUnterrichtseinheitDS& puffer, const Katalog& lehrerAuswahl, std::string_view titel);

    CodeFeldWidget* Schulart() const { return schulart_; }
    CodeFeldWidget* Jahrgang() const { return jahrgang_; }
    CodeFeldWidget* Fach() const { return fach_; }
    CodeFeldWidget* Kurs() const { return kurs_; }
    CodeFeldWidget* Bilingual() const { return bilingual_; }
    CodeFeldWidget* Lehrer() const { return lehrer_; }
    QLineEdit* Klasse() const { return klasse_; }
    QComboBox* Stunden() const { return stunden_; }
    QLineEdit* Id() const { return id_; }
    QPushButton* Hinzufuegen() const { return hinzufuegen_; }

private:
    void ModellInWidgets();
    void WidgetsInModell();

    const UEDialogListen& listen_;
    UEDialogModell modell_;
    QLineEdit* id_;
    CodeFeldWidget *schulart_, *jahrgang_, *fach_, *kurs_, *bilingual_, *lehrer_;
    QLineEdit* klasse_;
    QComboBox* stunden_;
    QPushButton* hinzufuegen_;
};

} // namespace zev::qt
