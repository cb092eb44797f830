#include "ui/qt/ue_chooser_dialog.h"

#include "ui/qt/code_widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace zev::qt {

UEAuswahlDialog::UEAuswahlDialog(Meldungen& m, QWidget* eltern)
    : QDialog(eltern), m_(m), texte_(new QStringListModel(this)), liste_(new QListView(this)),
      hinzufuegen_(new QPushButton("ausgewählte UEs hinzufügen", this)) {
    setObjectName("dialogUEAuswahl");
    setWindowTitle(kTitelUEAuswahl);
    auto* layout = new QVBoxLayout(this);
    auto* titel = new QLabel("Liste vordefinierter Unterrichtseinheiten", this);
    titel->setBuddy(liste_);
    liste_->setAccessibleName("Liste vordefinierter Unterrichtseinheiten");
    liste_->setModel(texte_);
    liste_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setUniformItemSizes(true);
    layout->addWidget(titel);
    layout->addWidget(liste_, 1);
    auto* knoepfe = new QHBoxLayout();
    auto* abbrechen = new QPushButton("abbrechen", this);
    hinzufuegen_->setDefault(true);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzufuegen_);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(hinzufuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 480);
    TabFolgeNachLage(this);
}

std::optional<std::vector<std::string>> UEAuswahlDialog::Auswaehlen(const Katalog& ueBeschreibungen) {
    UEAuswahlZeigen(modell_, ueBeschreibungen);
    QStringList zeilen;
    zeilen.reserve(static_cast<qsizetype>(modell_.eintraege.size()));
    for (const std::string& e : modell_.eintraege) zeilen << Q(e);
    texte_->setStringList(zeilen);
    liste_->clearSelection();
    if (exec() != QDialog::Accepted) return std::nullopt;
    for (const QModelIndex& i : liste_->selectionModel()->selectedIndexes())
        modell_.gewaehlt[static_cast<std::size_t>(i.row())] = true;
    return UEAuswahlUebernehmen(modell_, m_);
}

} // namespace zev::qt
