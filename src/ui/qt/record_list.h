// The record list of a list area with its search box, position counter and the
// eight buttons "| <", "<", ">", "> |", "<<", ">>", "+", "-". The list is a view
// over the controller's display list, so a list of 65,536 records fills and
// scrolls at once; every click goes to the navigation in the core.
#pragma once

#include "control/navigation.h"

#include <QAbstractListModel>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;

namespace zev::qt {

// The entries of one display list, converted for display only when a row is drawn.
class ListenModell : public QAbstractListModel {
    Q_OBJECT
public:
    // The text the search looks through (Windows-1252), by row.
    using SuchText = std::function<std::string(int zeile)>;
    // The role under which a row gives its search text.
    static constexpr int SuchRolle = Qt::UserRole + 1;

    ListenModell(const Katalog& liste, SuchText suchText = {}, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;

    // The list was built anew.
    void Neu();
    // Entry `zeile` was rewritten.
    void ZeileGeaendert(int zeile);

private:
    const Katalog& liste_;
    SuchText suchText_;
    int zeilen_ = 0; // as last announced to the views
};

class DatensatzListe : public QWidget {
    Q_OBJECT
public:
    // Buttons in the order of `Bewegung`, then "+" and "-".
    enum Knopf { Erster, Voriger, Naechster, Letzter, SeiteZurueck, SeiteVor, Neu, Loeschen };

    DatensatzListe(Steuerung& st, Navigation& nav, Bereich b, QWidget* eltern = nullptr);

    // The list, its selection, the counter and the buttons anew, after the list was built anew.
    void Aktualisieren();
    // The position counter from the controller's status.
    void ZaehlerZeigen();
    // Record `index` chosen as by a click in the full list (also for a jump from elsewhere).
    void Waehlen(std::int32_t index);

    QListView* Ansicht() const { return ansicht_; }
    QLineEdit* Suche() const { return suche_; }
    QPushButton* Taste(Knopf k) const { return knoepfe_[static_cast<std::size_t>(k)]; }
    QLineEdit* ZaehlerAktuell() const { return aktuell_; }
    QLineEdit* ZaehlerLetzter() const { return letzter_; }
    // The rows that fit in the list: the step of "<<" and ">>".
    int Seitenschritt() const;

signals:
    // "+" added a record: the area's first sub-page is due, with the focus in the name box.
    void datensatzEingefuegt();

private:
    std::int32_t AktuellerIndex() const;
    void Bewegen(Bewegung w);
    void Gewaehlt(const QModelIndex& index);
    void NachWechsel(std::int32_t alt);
    void AuswahlZeigen();
    void KnoepfeZeigen();
    void Filtern(const QString& text);

    Steuerung& st_;
    Navigation& nav_;
    Bereich b_;
    ListenModell* modell_ = nullptr;
    QSortFilterProxyModel* filter_ = nullptr;
    QListView* ansicht_ = nullptr;
    QLineEdit* suche_ = nullptr;
    QLineEdit* aktuell_ = nullptr;
    QLineEdit* letzter_ = nullptr;
    std::array<QPushButton*, 8> knoepfe_{};
    bool eigeneAuswahl_ = false;  // the selection is being set from the current record, not by the user
    bool geradeGewaehlt_ = false; // a choice was made in the event being handled
};

} // namespace zev::qt
