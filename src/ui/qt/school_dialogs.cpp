#include "ui/qt/school_dialogs.h"

#include "ui/qt/code_widgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

QPushButton* Fett(QPushButton* b) {
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    b->setDefault(true);
    return b;
}

} // namespace

// --- "neue Schulart ..." ----------------------------------------------------------------------

SchulartDialog::SchulartDialog(const KomboListe& schularten, QWidget* eltern)
    : QDialog(eltern), liste_(schularten), feld_(new CodeFeldWidget(schularten, 40, this)),
      hinzufuegen_(Fett(new QPushButton("Hinzufügen", this))) {
    setWindowTitle(kTitelNeueSchulart);
    setObjectName("dialogNeueSchulart");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    FormZeile(form, "Schulart", feld_);
    layout->addLayout(form);
    auto* knoepfe = new QHBoxLayout();
    auto* abbrechen = new QPushButton("Abbrechen", this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzufuegen_);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(feld_, &CodeFeldWidget::gewaehlt, this, [this](int i) {
        feld_->Uebernehmen(modell_.schulart);
        CodeFeldGewaehlt(modell_.schulart, liste_, i);
        feld_->Anzeigen(modell_.schulart);
    });
    connect(hinzufuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, sizeHint().height());
    TabFolgeNachLage(this);
}

std::optional<std::string> SchulartDialog::Fragen() {
    SchulartDialogZeigen(modell_, liste_);
    feld_->Anzeigen(modell_.schulart);
    feld_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    feld_->Uebernehmen(modell_.schulart);
    return SchulartDialogErgebnis(modell_);
}

// --- lesson unit -------------------------------------------------------------------------------

UEDialog::UEDialog(const UEDialogListen& listen, QWidget* eltern)
    : QDialog(eltern), listen_(listen), id_(new QLineEdit(this)),
      schulart_(new CodeFeldWidget(listen.schulart, 40, this)),
      jahrgang_(new CodeFeldWidget(listen.jahrgang, 40, this)), fach_(new CodeFeldWidget(listen.fach, 48, this)),
      kurs_(new CodeFeldWidget(listen.kurs, 40, this)), bilingual_(new CodeFeldWidget(listen.bilingual, 40, this)),
      lehrer_(new CodeFeldWidget(KomboListe{}, 90, this)), klasse_(new QLineEdit(this)), stunden_(new QComboBox(this)),
      hinzufuegen_(Fett(new QPushButton("hinzufügen", this))) {
    setObjectName("dialogUE");
    setWindowTitle(kTitelNeueUE);
    id_->setReadOnly(true);
    id_->setToolTip("autmatische Identifizierungsnummer der Unterrichtseinheit");
    id_->setFixedWidth(90);
    klasse_->setMaxLength(10);
    klasse_->setFixedWidth(120);
    stunden_->setEditable(true);
    KomboFuellen(stunden_, listen.stunden);
    stunden_->setFixedWidth(90);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    FormZeile(form, "UE_ID", id_);
    FormZeile(form, "Schulart", schulart_);
    FormZeile(form, "Jahrgang", jahrgang_);
    FormZeile(form, "Klasse", klasse_);
    FormZeile(form, "Fach", fach_);
    FormZeile(form, "Kurs", kurs_);
    FormZeile(form, "Bilingual", bilingual_);
    FormZeile(form, "Stunden (pro Woche)", stunden_);
    FormZeile(form, "unterrichtender Lehrer", lehrer_);
    layout->addLayout(form);
    auto* knoepfe = new QHBoxLayout();
    auto* abbrechen = new QPushButton("abbrechen", this);
    knoepfe->addStretch(1);
    knoepfe->addWidget(hinzufuegen_);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);

    const std::pair<CodeFeldWidget*, std::pair<CodeFeld*, const KomboListe*>> felder[] = {
        {schulart_, {&modell_.schulart, &listen_.schulart}},
        {jahrgang_, {&modell_.jahrgang, &listen_.jahrgang}},
        {fach_, {&modell_.fach, &listen_.fach}},
        {kurs_, {&modell_.kurs, &listen_.kurs}},
        {bilingual_, {&modell_.bilingual, &listen_.bilingual}},
        {lehrer_, {&modell_.lehrer, &modell_.lehrerListe}}};
    for (const auto& [w, ziel] : felder) {
        connect(w, &CodeFeldWidget::gewaehlt, this, [w = w, feld = ziel.first, liste = ziel.second](int i) {
            CodeFeldGewaehlt(*feld, *liste, i);
            w->Anzeigen(*feld);
        });
    }
    connect(hinzufuegen_, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, sizeHint().height());
    TabFolgeNachLage(this);
}

void UEDialog::ModellInWidgets() {
    setWindowTitle(Q(modell_.titel));
    id_->setText(Q(modell_.ueId));
    schulart_->Anzeigen(modell_.schulart);
    jahrgang_->Anzeigen(modell_.jahrgang);
    klasse_->setText(Q(modell_.klasse));
    fach_->Anzeigen(modell_.fach);
    kurs_->Anzeigen(modell_.kurs);
    bilingual_->Anzeigen(modell_.bilingual);
    stunden_->setCurrentText(Q(modell_.stunden));
    KomboFuellen(lehrer_->Kombo(), modell_.lehrerListe);
    lehrer_->Anzeigen(modell_.lehrer);
}

void UEDialog::WidgetsInModell() {
    schulart_->Uebernehmen(modell_.schulart);
    jahrgang_->Uebernehmen(modell_.jahrgang);
    modell_.klasse = S(klasse_->text());
    fach_->Uebernehmen(modell_.fach);
    kurs_->Uebernehmen(modell_.kurs);
    bilingual_->Uebernehmen(modell_.bilingual);
    modell_.stunden = S(stunden_->currentText());
    lehrer_->Uebernehmen(modell_.lehrer);
}

bool UEDialog::Bearbeiten(TUnterrichtseinheitDS& puffer, const Katalog& lehrerAuswahl, std::string_view titel) {
    UEDialogZeigen(modell_, puffer, listen_, lehrerAuswahl, titel);
    ModellInWidgets();
    schulart_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    WidgetsInModell();
    UEDialogUebernehmen(modell_, puffer);
    return true;
}

} // namespace zev::qt
