// "vordefinierte UE auswählen ...": the school's lesson units in a table from
// which several are chosen at once; a search box narrows it (by ID, class,
// subject, teacher: anything of the description) and both columns sort.
#pragma once

#include "pages/ue_chooser.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace zev::qt {

class UEAuswahlDialog : public QDialog {
    Q_OBJECT
public:
    UEAuswahlDialog(Meldungen& m, QWidget* eltern = nullptr);
    // Shows the dialog over the description list; the chosen UE-IDs on
    // "ausgewählte UEs hinzufügen", nothing on "abbrechen".
    std::optional<std::vector<std::string>> Auswaehlen(const Katalog& ueBeschreibungen);

    // Columns "UE-ID" and "Beschreibung", as sorted and narrowed by the search.
    QTableView* Liste() const { return liste_; }
    QLineEdit* Suche() const { return suche_; }
    QPushButton* Hinzufuegen() const { return hinzufuegen_; }

private:
    Meldungen& m_;
    UEAuswahlModell modell_;
    QStandardItemModel* texte_;
    QSortFilterProxyModel* filter_;
    QLineEdit* suche_;
    QTableView* liste_;
    QPushButton* hinzufuegen_;
};

} // namespace zev::qt
