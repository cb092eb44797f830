#include "ui/qt/ue_chooser_dialog.h"

#include "ui/qt/code_widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

constexpr int kZeile = Qt::UserRole + 1; // the entry's place in the description list

} // namespace

UEAuswahlDialog::UEAuswahlDialog(Meldungen& m, QWidget* eltern)
    : QDialog(eltern), m_(m), texte_(new QStandardItemModel(this)), filter_(new QSortFilterProxyModel(this)),
      suche_(new QLineEdit(this)), liste_(new QTableView(this)),
      hinzufuegen_(new QPushButton("ausgewählte UEs hinzufügen", this)) {
    setObjectName("dialogUEAuswahl");
    setWindowTitle(kTitelUEAuswahl);
    auto* layout = new QVBoxLayout(this);
    auto* titel = new QLabel("Liste vordefinierter Unterrichtseinheiten", this);
    titel->setBuddy(liste_);
    auto* sucheText = new QLabel("&Suche:", this);
    sucheText->setBuddy(suche_);
    suche_->setObjectName("ueSuche");
    suche_->setAccessibleName("Suche");
    suche_->setPlaceholderText("UE-ID, Klasse, Fach oder Lehrer");
    suche_->setClearButtonEnabled(true);

    texte_->setHorizontalHeaderLabels({"UE-ID", "Beschreibung"});
    filter_->setSourceModel(texte_);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filter_->setFilterKeyColumn(-1);
    filter_->setSortCaseSensitivity(Qt::CaseInsensitive);
    liste_->setAccessibleName("Liste vordefinierter Unterrichtseinheiten");
    liste_->setModel(filter_);
    liste_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setSortingEnabled(true);
    liste_->sortByColumn(-1, Qt::AscendingOrder); // the school's order until a heading is clicked
    liste_->verticalHeader()->hide();
    liste_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    liste_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Long descriptions wrap instead of running off to the side.
    liste_->setWordWrap(true);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* suchzeile = new QHBoxLayout();
    suchzeile->addWidget(sucheText);
    suchzeile->addWidget(suche_, 1);
    layout->addWidget(titel);
    layout->addLayout(suchzeile);
    layout->addWidget(liste_, 1);
    auto* knoepfe = new QHBoxLayout();
    auto* abbrechen = new QPushButton("abbrechen", this);
    hinzufuegen_->setDefault(true);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzufuegen_);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(suche_, &QLineEdit::textChanged, filter_, &QSortFilterProxyModel::setFilterFixedString);
    connect(hinzufuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 560); // within a 1280 x 800 screen
    TabFolgeNachLage(this);
}

std::optional<std::vector<std::string>> UEAuswahlDialog::Auswaehlen(const Katalog& ueBeschreibungen) {
    UEAuswahlZeigen(modell_, ueBeschreibungen);
    texte_->removeRows(0, texte_->rowCount());
    for (std::size_t i = 0; i < modell_.eintraege.size(); ++i) {
        const QString text = Q(modell_.eintraege[i]);
        // "[UE_ID_Text] ..." : the identifier sorts as a number where it is one.
        const QString id = text.startsWith('[') ? text.mid(1, text.indexOf(']') - 1) : QString();
        auto* idZelle = new QStandardItem();
        bool zahl = false;
        const qlonglong wert = id.toLongLong(&zahl);
        idZelle->setData(zahl ? QVariant(wert) : QVariant(id), Qt::DisplayRole);
        idZelle->setData(static_cast<int>(i), kZeile);
        auto* beschreibung = new QStandardItem(text);
        beschreibung->setData(static_cast<int>(i), kZeile);
        texte_->appendRow({idZelle, beschreibung});
    }
    suche_->clear();
    liste_->sortByColumn(-1, Qt::AscendingOrder);
    filter_->sort(-1);
    liste_->clearSelection();
    suche_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    for (const QModelIndex& i : liste_->selectionModel()->selectedIndexes())
        modell_.gewaehlt[static_cast<std::size_t>(i.data(kZeile).toInt())] = true;
    return UEAuswahlUebernehmen(modell_, m_);
}

} // namespace zev::qt
