// The lesson-unit sub-page the teacher and the student sheets share: the grid of
// the chosen units with their descriptions, the hour sum below it, and the
// buttons over the page's UESeite. Each page gives its names and captions and may
// add buttons of its own to the second row.
#pragma once

#include "pages/ue_grid.h"

#include <QWidget>

#include <array>
#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace zev::qt {

class RasterAnsicht;

struct UEBlattTexte {
    const char* seite; // object names of the sub-page, its grid and its sum
    const char* tabelle;
    const char* summe;
    bool bearbeitbar; // whether identifiers may be typed into the grid
    // Object name and caption of "add", "delete", "renew the view", "empty row",
    // "delete all", in this order.
    std::array<std::pair<const char*, const char*>, 5> knoepfe;
};

class UEBlatt : public QWidget {
    Q_OBJECT
public:
    // `aktion` runs a button's work between taking the controls into the screen
    // model and showing the model again.
    UEBlatt(const UEBlattTexte& t, CodeRaster& raster, UESeite& ue,
            std::function<void(const std::function<void()>&)> aktion, QWidget* eltern = nullptr);

    RasterAnsicht* Tabelle() const { return tabelle_; }
    // Another button at the end of the second row (after a gap when `abgesetzt`).
    QPushButton* KnopfAnfuegen(const char* name, const char* text, bool abgesetzt = false);
    // Runs `f` as the page's action; `geaendert` follows when the grid's rows changed.
    void Ausfuehren(const std::function<void()>& f);
    // The grid and the sum from the screen model.
    void Anzeigen(const Summenanzeige& summe);
    void SummeZeigen(const Summenanzeige& summe);

signals:
    // A button changed the units of the record (added, removed, emptied).
    void geaendert();

private:
    CodeRaster& raster_;
    std::function<void(const std::function<void()>&)> aktion_;
    RasterAnsicht* tabelle_ = nullptr;
    QLabel* summe_ = nullptr;
    QHBoxLayout* zweiteReihe_ = nullptr;
};

} // namespace zev::qt
