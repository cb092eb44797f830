// "Datei" > "Schuljahreswechsel ...": the assistant over the plan of the change of
// school year, in four steps: the table of Jahrgänge, the students by class with
// their decisions, what changes (with the counts per Jahrgang), and "Durchführen".
// An archived year can be taken back from its first step.
#pragma once

#include "control/school_year_run.h"

#include <QAbstractTableModel>
#include <QWizard>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTableView;
class QTableWidget;

namespace zev::qt {

// The students of one class with what the plan makes of them.
class SchuelerPlanModell : public QAbstractTableModel {
    Q_OBJECT
public:
    SchuelerPlanModell(const Datenbestand& d, const SchuljahrPlan& p, QObject* eltern = nullptr)
        : QAbstractTableModel(eltern), d_(d), p_(p) {}
    void Zeilen(std::vector<std::size_t> indizes);
    const std::vector<std::size_t>& Indizes() const { return zeilen_; }
    // The plan changed: every cell anew.
    void Neu();

    int rowCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
    }
    int columnCount(const QModelIndex& eltern = {}) const override { return eltern.isValid() ? 0 : 7; }
    QVariant data(const QModelIndex& i, int rolle) const override;
    QVariant headerData(int spalte, Qt::Orientation o, int rolle) const override;

private:
    const Datenbestand& d_;
    const SchuljahrPlan& p_;
    std::vector<std::size_t> zeilen_;
};

class SchuljahrAssistent : public QWizard {
    Q_OBJECT
public:
    SchuljahrAssistent(Steuerung& s, Meldungen& m, QWidget* eltern = nullptr);
    // Reads the four areas and makes the plan; false (after a message) when the step cannot begin.
    bool Vorbereiten();

    SchuljahrPlan& Plan() { return plan_; }
    QTableWidget* Jahrgaenge() const { return jahrgaenge_; }
    QListWidget* Klassen() const { return klassen_; }
    QTableView* Schueler() const { return schueler_; }
    QComboBox* WiederholerSchluessel() const { return wiederholer_; }
    QTableWidget* Zaehlung() const { return zaehlung_; }
    QListWidget* Lehrer() const { return lehrer_; }
    QTableWidget* OhneNummer() const { return ohneNummer_; }
    QPlainTextEdit* Aenderungen() const { return aenderungen_; }

    // The decision for the students selected in the table, or for the whole class.
    void Entscheiden(Entscheidung e, bool ganzeKlasse);
    // "Durchführen": the last question, then the step; the assistant closes when it was done.
    void accept() override;
    // "Schuljahr zurückholen ...": the archived year chosen, after the question of the controller.
    void Zurueckholen(const std::string& jahr);

private:
    QWizardPage* JahrgangsSeite();
    QWizardPage* SchuelerSeite();
    QWizardPage* UebersichtSeite();
    QWizardPage* DurchfuehrenSeite();
    void JahrgaengeZeigen();
    void KlasseGewaehlt();
    void UebersichtZeigen();

    Steuerung& s_;
    Meldungen& m_;
    SchuljahrPlan plan_;
    std::vector<std::string> klassenNamen_; // Windows-1252, as the list shows them
    QTableWidget* jahrgaenge_ = nullptr;
    QListWidget* klassen_ = nullptr;
    QTableView* schueler_ = nullptr;
    SchuelerPlanModell* modell_ = nullptr;
    QComboBox* wiederholer_ = nullptr;
    QTableWidget* zaehlung_ = nullptr;
    QListWidget* lehrer_ = nullptr;
    QTableWidget* ohneNummer_ = nullptr;
    QPlainTextEdit* aenderungen_ = nullptr;
    QLabel* zusammenfassung_ = nullptr;
};

} // namespace zev::qt
