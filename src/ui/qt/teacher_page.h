// The teacher sheets: the name above five sub-pages of widgets over the teacher
// page's screen model, the chooser and the check buttons.
#pragma once

#include "pages/teacher_page.h"

#include "ui/qt/page_model.h"

#include <QWidget>

#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zev::qt {

class CodeFeldWidget;
class DatumsFeld;
class RasterAnsicht;
class UEBlatt;
class UEAuswahlDialog;

// A plain name for moc.
using LehrerSeitenBasis = SeitenBasis<LehrerSeitenLogik>;

class LehrerSeitenWidget : public LehrerSeitenBasis, private LehrerDialoge {
    Q_OBJECT
public:
    LehrerSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern = nullptr);

    LehrerSeitenLogik& Logik() { return *logik_; }
    QTabWidget* Unterseiten() const { return tabs_; }
    UEAuswahlDialog* Auswahl() const { return auswahl_; }

    // The buffer onto the sheets, and the sheets back into the buffer.
    void Zeigen();
    void Uebernehmen();
    // After "+": the first sub-page and the focus in "Name".
    void NeuerLehrer();
    // "alle Lehrer prüfen (grosse PLAUSI)", also from the XML sub-page.
    void GrossePlausi();

    // How the two result windows are shown (set by the main window).
    std::function<void()> ergebnisfensterZeigen;
    std::function<void()> gruppenfensterZeigen;

private:
    std::optional<std::vector<std::string>> UEAuswaehlen() override;
    void Ergebnisfenster() override;
    void Gruppenfenster() override;

    QWidget* GrunddatenAufbauen();
    QWidget* StundenAufbauen();
    QWidget* ArbeitszeitAufbauen();
    QWidget* SonstigesAufbauen();
    QWidget* UnterrichtseinheitenAufbauen();
    RasterAnsicht* Tabelle(CodeRaster& r, const char* name);
    QLabel* Summe(const char* name);
    void ModellInWidgets();
    void WidgetsInModell();
    void SummenZeigen();
    void Aktion(const std::function<void()>& f);
    void Pruefen(PruefKnopf knopf);

    Steuerung& st_;
    UEAuswahlDialog* auswahl_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* kopf_ = nullptr;

    QLineEdit *lehrernummer_ = nullptr, *id_ = nullptr, *name_ = nullptr, *vorname_ = nullptr, *titel_ = nullptr;
    QButtonGroup* geschlecht_ = nullptr;
    DatumsFeld* geburtsdatum_ = nullptr;
    CodeFeldWidget *staat_ = nullptr, *beschaeftigung_ = nullptr;
    QLineEdit *regelstunden_ = nullptr, *vertragsstunden_ = nullptr, *vertretung_ = nullptr;
    CodeFeldWidget* taetigkeit_ = nullptr;
    QLineEdit* klassenleiter_ = nullptr;
    QButtonGroup* schulleiter_ = nullptr;
    CodeFeldWidget *zugang_ = nullptr, *abgang_ = nullptr;
    DatumsFeld *zugangDatum_ = nullptr, *abgangDatum_ = nullptr;
    QLabel *anrechnungSumme_ = nullptr, *regelungEffektiv_ = nullptr, *kontoEffektiv_ = nullptr,
           *einsatzSumme_ = nullptr;
    std::vector<RasterAnsicht*> tabellen_;
    UEBlatt* ueBlatt_ = nullptr;
    QPushButton* pruefenUnten_ = nullptr; // the check button of the sheet being built
};

} // namespace zev::qt
