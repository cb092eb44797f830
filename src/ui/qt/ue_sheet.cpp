#include "ui/qt/ue_sheet.h"

#include "ui/qt/code_widgets.h"
#include "ui/qt/colours.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zev::qt {

UEBlatt::UEBlatt(const UEBlattTexte& t, CodeRaster& raster, UESeite& ue,
                 std::function<void(const std::function<void()>&)> aktion, QWidget* eltern)
    : QWidget(eltern), raster_(raster), aktion_(std::move(aktion)) {
    setObjectName(t.seite);
    auto* layout = new QVBoxLayout(this);
    tabelle_ = new RasterAnsicht(raster, this);
    tabelle_->setObjectName(t.tabelle);
    if (!t.bearbeitbar) tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->horizontalHeader()->setStretchLastSection(false);
    tabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(tabelle_, 1);

    auto* summe = new QHBoxLayout();
    summe_ = new QLabel("0", this);
    summe_->setObjectName(t.summe);
    summe_->setMinimumWidth(60);
    QFont fett = summe_->font();
    fett.setBold(true);
    summe_->setFont(fett);
    auto* beschriftung = new QLabel("Stundensumme:", this);
    beschriftung->setBuddy(summe_);
    summe->addWidget(beschriftung);
    summe->addWidget(summe_);
    summe->addStretch(1);
    layout->addLayout(summe);

    // Two rows, so the sheets fit a window of 1280 pixels beside the record list.
    const std::function<void()> arbeit[] = {[&ue] { ue.Hinzufuegen(); }, [&ue] { ue.Loeschen(); },
                                            [&ue] { ue.AnsichtAktualisieren(); }, [&ue] { ue.LeereZeile(); },
                                            [&ue] { ue.AlleLoeschen(); }};
    auto* ersteReihe = new QHBoxLayout();
    zweiteReihe_ = new QHBoxLayout();
    for (std::size_t i = 0; i < t.knoepfe.size(); ++i) {
        auto* b = Knopf(this, t.knoepfe[i].first, t.knoepfe[i].second);
        (i < 3 ? ersteReihe : zweiteReihe_)->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, a = arbeit[i]] { Ausfuehren(a); });
    }
    ersteReihe->addStretch(1);
    layout->addLayout(ersteReihe);
    layout->addLayout(zweiteReihe_);
    zweiteReihe_->addStretch(1);
}

QPushButton* UEBlatt::KnopfAnfuegen(const char* name, const char* text, bool abgesetzt) {
    auto* b = Knopf(this, name, text);
    // The stretch stays last unless the button is to stand apart at the right.
    const int stelle = zweiteReihe_->count() - 1;
    if (abgesetzt)
        zweiteReihe_->addWidget(b);
    else
        zweiteReihe_->insertWidget(stelle, b);
    return b;
}

void UEBlatt::Ausfuehren(const std::function<void()>& f) {
    const auto vorher = raster_.zeilen;
    aktion_(f);
    if (raster_.zeilen != vorher) emit geaendert();
}

void UEBlatt::Anzeigen(const Summenanzeige& summe) {
    tabelle_->Anzeigen();
    tabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    SummeZeigen(summe);
}

void UEBlatt::SummeZeigen(const Summenanzeige& summe) {
    summe_->setText(Q(summe.text));
    QPalette p = summe_->palette();
    p.setColor(QPalette::WindowText, QFarbe(summe.farbe));
    summe_->setPalette(p);
}

} // namespace zev::qt
