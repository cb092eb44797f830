// The class sheets: two sub-pages of widgets over the class page's screen model,
// the specialty dialog and the lesson-unit chooser.
#pragma once

#include "pages/class_page.h"

#include "ui/qt/page_model.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace zev::qt {

class KlBesDialog;
class RasterAnsicht;
class UEAuswahlDialog;

// A plain name for moc.
using KlassenSeitenBasis = SeitenBasis<KlassenSeitenLogik>;

class KlassenSeitenWidget : public KlassenSeitenBasis, private KlassenDialoge {
    Q_OBJECT
public:
    KlassenSeitenWidget(Steuerung& st, Meldungen& m, QWidget* eltern = nullptr);
    ~KlassenSeitenWidget() override;

    KlassenSeitenLogik& Logik() { return *logik_; }
    QTabWidget* Unterseiten() const { return tabs_; }
    KlBesDialog* BesonderheitDialog() const { return besonderheitDialog_; }
    UEAuswahlDialog* Auswahl() const { return auswahl_; }
    RasterAnsicht* UETabelle() const { return ueTabelle_; }

    // The buffer onto the sheets, and the sheets back into the buffer.
    void Zeigen();
    void Uebernehmen();
    // After "+": the first sub-page and the focus in "Klassenname".
    void NeueKlasse();

    // How the two result windows are shown (set by the main window).
    std::function<void()> ergebnisfensterZeigen;
    std::function<void()> gruppenfensterZeigen;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::optional<std::string> NeueKlassenbesonderheit() override;
    std::optional<std::vector<std::string>> UEAuswaehlen() override;
    void Ergebnisfenster() override;
    void Gruppenfenster() override;

    QWidget* KlasseAufbauen();
    QWidget* GruppenAufbauen();
    void ModellInWidgets();
    void WidgetsInModell();
    void Aktion(const std::function<void()>& f);
    // Column 0 of the lesson-unit grid takes the grid's width less 10 and less column 1.
    void UEBreiteAnwenden();

    Steuerung& st_;
    KlBesDialog* besonderheitDialog_ = nullptr;
    UEAuswahlDialog* auswahl_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QLineEdit *id_ = nullptr, *klassenname_ = nullptr, *besonderheitSchluessel_ = nullptr, *ueSchluessel_ = nullptr;
    RasterAnsicht *besonderheiten_ = nullptr, *ueTabelle_ = nullptr;
    QPlainTextEdit* hinweis_ = nullptr;
};

} // namespace zev::qt
