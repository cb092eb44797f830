// The student sheets: the name and class above five sub-pages of widgets over
// the student page's screen model, and the lesson-unit chooser.
#pragma once

#include "pages/student_page.h"

#include "ui/qt/page_model.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace zev::qt {

class CodeFeldWidget;
class DatumsFeld;
class RasterAnsicht;
class UEAuswahlDialog;
class UEBlatt;

// A plain name for moc.
using SchuelerSeitenBasis = SeitenBasis<SchuelerSeitenLogik>;

class SchuelerSeitenWidget : public SchuelerSeitenBasis, private SchuelerDialoge {
    Q_OBJECT
public:
    SchuelerSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern = nullptr);

    SchuelerSeitenLogik& Logik() { return *logik_; }
    QTabWidget* Unterseiten() const { return tabs_; }
    UEAuswahlDialog* Auswahl() const { return auswahl_; }

    // The buffer onto the sheets, and the sheets back into the buffer.
    void Zeigen();
    void Uebernehmen();
    // After "+": the first sub-page and the focus in "Name".
    void NeuerSchueler();

    // How the two result windows are shown (set by the main window).
    std::function<void()> ergebnisfensterZeigen;
    std::function<void()> gruppenfensterZeigen;

private:
    std::optional<std::vector<std::string>> UEAuswaehlen() override;
    void Ergebnisfenster() override;
    void Gruppenfenster() override;

    QWidget* PersonendatenAufbauen();
    QWidget* JahrgangsdatenAufbauen();
    QWidget* SchullaufbahnAufbauen();
    QWidget* UnterrichtseinheitenAufbauen();
    QWidget* AbschlussAufbauen();

    // The controls of the field rows placed in group box `kasten`, each in a form row.
    void Felder(QFormLayout* form, int kasten);
    QComboBox* Ort(QFormLayout* form, const char* beschriftung, const char* name, int SchuelerSeite::*feld,
                   const KomboListe& liste, void (SchuelerSeitenLogik::*gewaehlt)(int));

    void ModellInWidgets();
    void WidgetsInModell();
    void Aktion(const std::function<void()>& f);

    struct TextBindung {
        QLineEdit* w;
        std::string SchuelerSeite::*feld;
    };
    struct CodeBindung {
        CodeFeldWidget* w;
        CodeFeld SchuelerSeite::*feld;
    };
    struct WertBindung {
        QComboBox* w;
        std::string SchuelerSeite::*feld;
    };
    struct WahlBindung {
        QButtonGroup* w;
        int SchuelerSeite::*feld;
    };
    struct DatumBindung {
        DatumsFeld* w;
        DatumsKasten SchuelerSeite::*feld;
    };
    struct OrtBindung {
        QComboBox* w;
        int SchuelerSeite::*feld;
    };

    Steuerung& st_;
    UEAuswahlDialog* auswahl_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit *kopfName_ = nullptr, *kopfKlasse_ = nullptr;
    QLineEdit* id_ = nullptr;
    RasterAnsicht* fremdsprachen_ = nullptr;
    UEBlatt* ueBlatt_ = nullptr;
    std::vector<TextBindung> texte_;
    std::vector<CodeBindung> codes_;
    std::vector<WertBindung> werte_;
    std::vector<WahlBindung> wahlen_;
    std::vector<DatumBindung> daten_;
    std::vector<OrtBindung> orte_;
};

} // namespace zev::qt
