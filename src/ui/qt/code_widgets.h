// The Qt pieces every record page shares: a key box with its catalogue combo, a
// table view over a code grid whose editable columns pick from an in-place
// combo, and the masked date box. They copy between the screen model and the
// controls and hold no rule of their own.
#pragma once

#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/date_mask.h"

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace zev::qt {

QString Q(std::string_view utf8);
std::string S(const QString& text);

// Fills a combo with a list's texts (once; the lists do not change in a run) and
// makes its texts readable in full (KomboGanzZeigen).
void KomboFuellen(QComboBox* kombo, const KomboListe& liste);
// A combo narrower than its texts still shows them whole: its list opens as wide
// as its longest entry, and its tool tip is the chosen entry. Again after the
// entries changed.
void KomboGanzZeigen(QComboBox* kombo);

// A text box holding at most `laenge` characters (a field's width), optionally of fixed width.
QLineEdit* Textfeld(QWidget* eltern, const char* name, int laenge, int breite = 0);
QPushButton* Knopf(QWidget* eltern, const char* name, const char* text);
// Buttons (object name, caption) side by side at the left of a new row of `layout`.
std::vector<QPushButton*> KnopfReihe(QWidget* eltern, QBoxLayout* layout,
                                     std::initializer_list<std::pair<const char*, const char*>> knoepfe);
// A form row whose label names the control for assistive technology (a key box
// with its combo, or any other control without a name of its own).
void FormZeile(QFormLayout* form, const char* beschriftung, QWidget* feld);
// Sets a box's text only when it differs, so the cursor stays where it is.
void TextSetzen(QLineEdit* e, const std::string& text);
// Radio buttons in a row, their ids 0, 1, ... in order; and checking one by id.
QWidget* Wahlgruppe(QWidget* eltern, QButtonGroup*& gruppe, const char* name, std::initializer_list<const char*> texte);
void Auswahlen(QButtonGroup* g, int id);
// Tab moves through the controls below `wurzel` in the order a reader sees them:
// layout by layout, a form or grid row by row, whatever order they were made in.
void TabFolgeNachLage(QWidget* wurzel);
// A sub-page that scrolls when the window is smaller than its content.
// `unten` (a sheet's check button) stays below the scroll area, always in view.
QWidget* Rollbar(QWidget* inhalt, QWidget* unten = nullptr);

// A key box selects its whole text when it gets the focus, by Tab or by click, so
// that a key typed replaces the one there (a key kept as the default of the last
// entry would otherwise be typed onto).
class SchluesselFeld : public QLineEdit {
    Q_OBJECT
public:
    explicit SchluesselFeld(QWidget* eltern = nullptr) : QLineEdit(eltern) {}

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool frischFokussiert_ = false; // the click that gave the focus keeps the selection
};

// The key box (yellow, as wide as the key) and the combo beside it.
class CodeFeldWidget : public QWidget {
    Q_OBJECT
public:
    CodeFeldWidget(const KomboListe& liste, int schluesselBreite, QWidget* eltern = nullptr);
    QLineEdit* Schluessel() const { return schluessel_; }
    QComboBox* Kombo() const { return kombo_; }
    // Names both controls after the label, for assistive technology.
    void Benennen(const QString& beschriftung);

    void Anzeigen(const CodeFeld& f);
    void Uebernehmen(CodeFeld& f) const;

signals:
    // The user picked combo item `index`.
    void gewaehlt(int index);
    // The user typed into the key box.
    void schluesselGetippt(const QString& text);

private:
    QLineEdit* schluessel_;
    QComboBox* kombo_;
};

// A table model over a code grid of the screen model.
class RasterModell : public QAbstractTableModel {
    Q_OBJECT
public:
    RasterModell(CodeRaster& raster, QObject* eltern = nullptr);
    CodeRaster& Raster() { return r_; }

    // The grid's rows were replaced.
    void Neu();
    // One row changed.
    void ZeileGeaendert(int zeile);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;

    // A pick from the in-place combo of a cell.
    bool AusKombo(const QModelIndex& index, int eintrag);

signals:
    // After a cell of a stored column changed: the page's follow-up.
    void zelleGeaendert(int zeile, int spalte);

private:
    CodeRaster& r_;
};

// In-place editor: the column's combo for columns with a catalogue, a plain line
// for other editable columns.
class KomboDelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit KomboDelegat(RasterModell& modell, QObject* eltern = nullptr);
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override;

private:
    RasterModell& modell_;
};

// A table view over a code grid: headings, widths, the grid's caption as its
// accessible name, the focus row kept in the screen model.
class RasterAnsicht : public QTableView {
    Q_OBJECT
public:
    RasterAnsicht(CodeRaster& raster, QWidget* eltern = nullptr);
    RasterModell& Modell() { return *modell_; }
    // Model into the view: rows, widths and the focus row.
    void Anzeigen();
    // A column's width on screen, and the width that shows every column.
    int Spaltenbreite(int spalte) const;
    int Gesamtbreite() const;

private:
    RasterModell* modell_;
};

// The masked date box "TT.MM.JJJJ": blanks where nothing is typed, the century
// preset from the mask and typed over like every other digit. A stored text of
// another form is shown without the mask, as it is; the first key typed into it
// brings the empty mask back.
class DatumsFeld : public QLineEdit {
    Q_OBJECT
public:
    DatumsFeld(std::string_view maske, QWidget* eltern = nullptr);
    // Screen model into the box and back, with whether a person typed into it.
    void Anzeigen(const DatumsKasten& k);
    void Uebernehmen(DatumsKasten& k) const;

signals:
    // The focus left the box after a person typed into it.
    void verlassen();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::string maske_;
    bool bearbeitet_ = false;
};

// Leaving the box runs the page's check on its screen-model box and shows the outcome.
template <class Pruefen> void BeimVerlassen(DatumsFeld* feld, QObject* ziel, DatumsKasten& k, Pruefen pruefen) {
    QObject::connect(feld, &DatumsFeld::verlassen, ziel, [feld, &k, pruefen] {
        feld->Uebernehmen(k);
        pruefen(k);
        feld->Anzeigen(k);
    });
}

} // namespace zev::qt
