#include "ui/qt/class_dialogs.h"

#include "ui/qt/code_widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zev::qt {

KlBesDialog::KlBesDialog(const KomboListe& besonderheiten, QWidget* eltern)
    : QDialog(eltern), liste_(besonderheiten), feld_(new CodeFeldWidget(besonderheiten, 40, this)),
      hinzufuegen_(new QPushButton("Hinzufügen", this)), abbrechen_(new QPushButton("Abbrechen", this)) {
    setObjectName("dialogNeueKlBes");
    setWindowTitle(kTitelNeueKlBes);
    QFont fett = hinzufuegen_->font();
    fett.setBold(true);
    hinzufuegen_->setFont(fett);
    hinzufuegen_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    FormZeile(form, kLabelKlBes, feld_);
    layout->addLayout(form);
    auto* knoepfe = new QHBoxLayout();
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzufuegen_);
    knoepfe->addWidget(abbrechen_);
    layout->addLayout(knoepfe);

    connect(feld_, &CodeFeldWidget::gewaehlt, this, [this](int i) {
        feld_->Uebernehmen(modell_.besonderheit);
        CodeFeldGewaehlt(modell_.besonderheit, liste_, i);
        feld_->Anzeigen(modell_.besonderheit);
    });
    connect(hinzufuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
    resize(560, sizeHint().height());
    TabFolgeNachLage(this);
}

std::optional<std::string> KlBesDialog::Fragen() {
    KlBesDialogZeigen(modell_, liste_);
    feld_->Anzeigen(modell_.besonderheit);
    feld_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    feld_->Uebernehmen(modell_.besonderheit);
    return KlBesDialogHinzufuegen(modell_);
}

} // namespace zev::qt
