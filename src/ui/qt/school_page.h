// The page "   Schule   ": the widgets of its three editing sub-pages over the
// school page's screen model, and the Qt dialogs it opens.
#pragma once

#include "pages/school_page.h"

#include <QPointer>
#include <QWidget>

#include <array>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zev::qt {

class CodeFeldWidget;
class RasterAnsicht;
class SchulartDialog;
class UEDialog;

class SchulSeitenWidget : public QWidget, private SchulDialoge {
    Q_OBJECT
public:
    // Adds the sub-pages "   Schul-Daten   ", "   freie Träger   " and
    // "   Unterrichteinheiten   " to `unterseiten`.
    SchulSeitenWidget(Steuerung& st, Meldungen& m, QTabWidget* unterseiten, QWidget* eltern = nullptr);
    ~SchulSeitenWidget() override;

    SchulSeitenLogik& Logik() { return *logik_; }

    // The record onto the page, and the page back into the record.
    void Zeigen();
    void Uebernehmen();
    // A check button of the page or of its XML sub-page.
    void Pruefen(PruefKnopf knopf);

    // How the result window is shown (set by the main window).
    std::function<void()> ergebnisfensterZeigen;

    SchulartDialog* SchulartFenster() const { return schulartDialog_; }
    UEDialog* UEFenster() const { return ueDialog_; }
    RasterAnsicht* UETabelle() const { return ueTabelle_; }
    RasterAnsicht* SchulartTabelle() const { return schulartTabelle_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    std::optional<std::string> NeueSchulart() override;
    bool Unterrichtseinheit(TUnterrichtseinheitDS& puffer, std::string_view titel) override;
    void Ergebnisfenster() override;

    QWidget* SchulDatenAufbauen();
    QWidget* FreieTraegerAufbauen();
    QWidget* UnterrichtseinheitenAufbauen();
    void ModellInWidgets();
    void WidgetsInModell();
    // A button's action between taking the widgets and showing the model.
    void Aktion(const std::function<void()>& f);
    void BeschreibungsBreite();

    Steuerung& st_;
    std::unique_ptr<SchulSeitenLogik> logik_;
    QTabWidget* unterseiten_;
    std::array<QPointer<QWidget>, 3> seiten_;
    SchulartDialog* schulartDialog_ = nullptr;
    UEDialog* ueDialog_ = nullptr;

    // Schul-Daten
    RasterAnsicht* schulartTabelle_ = nullptr;
    QLineEdit* schulartSchluessel_ = nullptr;
    CodeFeldWidget* orgform_ = nullptr;
    QLabel* nennungLabel_ = nullptr;
    QLineEdit* nennung_ = nullptr;
    CodeFeldWidget* ganztag_ = nullptr;
    RasterAnsicht* nichteinschulung_ = nullptr;
    // freie Träger
    QLineEdit *name_ = nullptr, *gemeinde_ = nullptr, *plz_ = nullptr, *standort_ = nullptr, *strasse_ = nullptr,
              *email_ = nullptr, *internet_ = nullptr, *titel_ = nullptr, *leiterName_ = nullptr, *telefon_ = nullptr;
    CodeFeldWidget *schulamt_ = nullptr, *rechtsstatus_ = nullptr, *traeger_ = nullptr;
    QComboBox* gemeinden_ = nullptr;
    QComboBox* anrede_ = nullptr;
    // Unterrichteinheiten
    RasterAnsicht* ueTabelle_ = nullptr;
    QLineEdit* ueId_ = nullptr;
};

} // namespace zev::qt
