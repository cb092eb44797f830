// "vordefinierte UE auswählen ...": the school's lesson units in a list from
// which several are chosen at once.
#pragma once

#include "pages/ue_chooser.h"

#include <QDialog>

#include <optional>

class QListView;
class QPushButton;
class QStringListModel;

namespace zev::qt {

class UEAuswahlDialog : public QDialog {
    Q_OBJECT
public:
    UEAuswahlDialog(Meldungen& m, QWidget* eltern = nullptr);
    // Shows the dialog over the description list; the chosen UE-IDs on
    // "ausgewählte UEs hinzufügen", nothing on "abbrechen".
    std::optional<std::vector<std::string>> Auswaehlen(const Katalog& ueBeschreibungen);

    QListView* Liste() const { return liste_; }
    QPushButton* Hinzufuegen() const { return hinzufuegen_; }

private:
    Meldungen& m_;
    UEAuswahlModell modell_;
    QStringListModel* texte_;
    QListView* liste_;
    QPushButton* hinzufuegen_;
};

} // namespace zev::qt
