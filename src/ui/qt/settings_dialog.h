// The settings dialog "Einstellungen zum ZEV-Manager" and its new-folder dialog
// "Neuen Ordner erstellen". Every rule lives in settings_form.h; the widgets
// here only copy between that screen model and the controls.
//
// Object names, for tests that drive the dialog:
//   einstellungenTabs            QTabWidget (pages " elementare Einstellungen ", " XML-Export ",
//                                " XML-Import ", " Bearbeitung und Tests ")
//   schulnummer                  QLineEdit "Schulnummer"
//   berichtsjahr                 QComboBox "Berichtsjahr", editable
//   datenOrdnerBaum              QTreeView, folders of "Daten-Ordner (ZEV-Dateien)"
//   datenPfad                    QLineEdit, read-only "Pfad" of the data folder
//   datenNeuerOrdner             QPushButton "neuer Ordner ..." of the data folder
//   datenquelle_0 .. _2          QRadioButton of "primärer Dateizugriff / Datenquellen"
//   dateizugriff_0 .. _1         QRadioButton of "Dateizugriff"
//   freierTraeger                QCheckBox in "Einstellungen zur Schule"
//   weiterfuehrendeSchule        QCheckBox
//   startSicherung               QCheckBox
//   exportOrdnerBaum             QTreeView, folders of the export folder
//   exportPfad                   QLineEdit, read-only "Pfad" of the export folder
//   exportNeuerOrdner            QPushButton "neuer Ordner ..." of the export folder
//   xmlDateiSchule, xmlDateiLehrer, xmlDateiKlassen, xmlDateiSchueler   QLineEdit
//   xmlLayout_0 .. _3            QRadioButton of "XML-Datei"
//   ansiAusgabe                  QCheckBox, hidden
//   zwischenablageInfo, ueLoeschenOhneFrage, vorgaengerAlsVorlage, alleTestsZeigen   QCheckBox
//   schwelleSchule, schwelleLehrer, schwelleKlassen, schwelleSchueler                QComboBox
//   ueInfoReihenfolge_0 .. _3    QRadioButton of "Info-Reihenfolge bei UE's"
//   importBereiche               QTabBar "   Schule   " .. "   Schüler   "
//   importReihenfolge            QSpinBox "Reihenfolge" 1..3
//   importDatei                  QLineEdit "Datei:"
//   importOrdnerBaum             QTreeView, folder of the import file
//   importDateiliste             QListWidget, the "*.XML" files of that folder
//   importDatensaetze_0 .. _1    QRadioButton of "Datensätze"
//   importEinzelfelder_0 .. _2   QRadioButton of "Daten (Einzeldatenfelder)"
//   standardWiederherstellen, ok, abbrechen   QPushButton
// NeuerOrdnerDialog:
//   aktuellerOrdner              QLineEdit, read-only
//   neuerUnterordner             QLineEdit
//   ordnerErstellen              QPushButton "Ordner erstellen" (default)
//   ordnerAbbrechen              QPushButton "abbrechen"
#pragma once

#include "model/messages.h"
#include "model/settings.h"
#include "pages/settings_form.h"

#include <QDialog>
#include <QString>
#include <QTimer>

#include <map>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTabWidget;
class QTreeView;

namespace zev::qt {

// Asks for the name of a subfolder of the current folder.
class NeuerOrdnerDialog : public QDialog {
    Q_OBJECT
public:
    NeuerOrdnerDialog(const QString& aktuellerOrdner, QWidget* parent = nullptr);
    QString Name() const;

private:
    QLineEdit* aktuell_;
    QLineEdit* name_;
};

class EinstellungsDialog : public QDialog {
    Q_OBJECT
public:
    // `record` is edited in place: OK stores and writes it to `programmOrdner`'s
    // settings file, "Abbrechen" (and closing the window) restores it.
    EinstellungsDialog(TEinstellungen& record, std::string programmOrdner, Meldungen& m, QWidget* parent = nullptr);
    // The settings file as the window read or last wrote it: OK asks before writing
    // over another program's version, and keeps it up to date.
    void DateistandVerfolgen(io::Dateistand* stand) { f_.Stand = stand; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* ElementarSeite();
    QWidget* ExportSeite();
    QWidget* ImportSeite();
    QWidget* BearbeitungSeite();
    QTreeView* OrdnerBaum(const QString& name);
    QButtonGroup* Auswahl(QWidget* rahmen, const QString& name, std::initializer_list<const char*> texte);

    void Anzeigen();       // form -> controls
    void ImportAnzeigen(); // the import part of it
    void Einsammeln();     // controls -> form, except the import tab and order
    void OrdnerZeigen(QTreeView* baum, const std::string& ordner);
    // The folder a tree is to show, its parents expanded, chosen and scrolled into
    // view; again whenever the model has read one of the folders on its way, since
    // rows read later push it out of view.
    void ZielZeigen(QTreeView* baum);

    void Ok();
    void Standard();
    void NeuerOrdner(OrdnerWahl w);
    void OrdnerGewaehlt(OrdnerWahl w, const QModelIndex& index);
    void ImportWechseln(int bereich, int reihenfolge);
    void ImportOrdnerGewaehlt(const QModelIndex& index);
    void ImportDateiGewaehlt(int zeile);

    TEinstellungen& e_;
    Meldungen& m_;
    EinstellungsFormular f_;
    bool anzeigen_ = false; // controls are being filled: their signals are not the user's
    bool gezeigt_ = false;  // the copy for "Abbrechen" has been taken

    QFileSystemModel* ordnerModell_;
    std::map<QTreeView*, QString> ziele_; // folder per tree until the person chooses one
    QTimer nachziehen_;
    QTabWidget* tabs_;
    QLineEdit* schulnummer_;
    QComboBox* berichtsjahr_;
    QTreeView* datenBaum_;
    QLineEdit* datenPfad_;
    QButtonGroup* datenquelle_;
    QButtonGroup* dateizugriff_;
    QCheckBox* freierTraeger_;
    QCheckBox* weiterfuehrend_;
    QCheckBox* startSicherung_;
    QTreeView* exportBaum_;
    QLineEdit* exportPfad_;
    QLineEdit* xmlDatei_[4];
    QButtonGroup* xmlLayout_;
    QCheckBox* ansi_;
    QCheckBox* zwischenablage_;
    QCheckBox* ueLoeschen_;
    QCheckBox* vorgaenger_;
    QCheckBox* alleTests_;
    QComboBox* schwelle_[4];
    QButtonGroup* ueInfo_;
    QTabBar* importBereiche_;
    QSpinBox* importReihenfolge_;
    QLineEdit* importDatei_;
    QTreeView* importBaum_;
    QListWidget* importListe_;
    QButtonGroup* importDatensaetze_;
    QButtonGroup* importEinzelfelder_;
};

} // namespace zev::qt
