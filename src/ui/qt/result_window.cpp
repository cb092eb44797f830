#include "ui/qt/result_window.h"

#include "ui/qt/colours.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <vector>

namespace zev::qt {

// The lines of a run for the list view: a run lists up to 1500 of them, and a
// view over a model draws only those on screen.
class ErgebnisModell : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void Setzen(std::vector<AnzeigeZeile> zeilen) {
        beginResetModel();
        zeilen_ = std::move(zeilen);
        endResetModel();
    }

    int rowCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : static_cast<int>(zeilen_.size());
    }

    QVariant data(const QModelIndex& index, int rolle) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const AnzeigeZeile& z = zeilen_[static_cast<std::size_t>(index.row())];
        if (rolle == Qt::DisplayRole) return Anzeigetext(z.text);
        if (rolle == Qt::ForegroundRole) return QBrush(QFarbe(z.farbe));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    std::vector<AnzeigeZeile> zeilen_;
};

ErgebnisFenster::ErgebnisFenster(QWidget* eltern) : QDialog(eltern), eigeneMeldungen_(this), m_(eigeneMeldungen_) {
    Aufbauen();
}

ErgebnisFenster::ErgebnisFenster(Meldungen& m, QWidget* eltern) : QDialog(eltern), eigeneMeldungen_(this), m_(m) {
    Aufbauen();
}

void ErgebnisFenster::Aufbauen() {
    druck_.Einrichten(this, [this] { return BerichtHtml(anzeige_, schulnummer_, datum_); });
    setObjectName("ergebnisFenster");
    setWindowTitle(kFensterTitel);
    setModal(true);

    modell_ = new ErgebnisModell(this);
    liste_ = new QListView;
    liste_->setObjectName("ergebnisListe");
    liste_->setAccessibleName("Einzel-Tests mit Ergebnissen:");
    liste_->setModel(modell_);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    liste_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    schwelle_ = LeseFeld("schwelle", "Test-Alarm-Schwelle:");
    schwelle_->setMinimumWidth(schwelle_->fontMetrics().horizontalAdvance("ab schwerwiegenden Warnungen") + 16);
    urteil_ = LeseFeld("urteil", "Gesamt-Test-Ergebnis:");
    QFont gross = urteil_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.5);
    urteil_->setFont(gross);
    urteil_->setAlignment(Qt::AlignCenter);
    warnungen_ = LeseFeld("warnungen", "Warnung(en)");
    fehler_ = LeseFeld("fehler", "Fehler");
    for (QLineEdit* f : {warnungen_, fehler_}) {
        f->setAlignment(Qt::AlignRight);
        f->setFixedWidth(f->fontMetrics().horizontalAdvance("00000") + 12);
    }

    speichern_ = new QPushButton("Bericht speichern ...");
    speichern_->setObjectName("berichtSpeichern");
    speichern_->setAccessibleName("Bericht speichern ...");
    speichern_->setAutoDefault(false);
    beenden_ = new QPushButton("Beenden");
    beenden_->setObjectName("beenden");
    beenden_->setAccessibleName("Beenden");
    beenden_->setDefault(true);
    connect(speichern_, &QPushButton::clicked, this, &ErgebnisFenster::Speichern);
    connect(beenden_, &QPushButton::clicked, this, &QDialog::accept);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(Beschriftung("Einzel-Tests mit Ergebnissen:", liste_), 0, Qt::AlignBottom);
    kopf->addStretch();
    kopf->addWidget(Beschriftung("Test-Alarm-Schwelle:", schwelle_));
    kopf->addWidget(schwelle_);

    zaehlerZeile_ = new QWidget;
    zaehlerZeile_->setObjectName("zaehlerZeile");
    auto* zaehler = new QHBoxLayout(zaehlerZeile_);
    zaehler->setContentsMargins(0, 0, 0, 0);
    zaehler->addWidget(Beschriftung("mit", warnungen_));
    zaehler->addWidget(warnungen_);
    zaehler->addWidget(new QLabel("Warnung(en)     und"));
    zaehler->addWidget(fehler_);
    zaehler->addWidget(new QLabel("Fehler"));
    zaehlerZeile_->hide();

    auto* fuss = new QHBoxLayout;
    fuss->addWidget(zaehlerZeile_);
    fuss->addStretch();
    fuss->addWidget(speichern_);
    fuss->addWidget(beenden_);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(kopf);
    haupt->addWidget(liste_, 1);
    haupt->addWidget(Beschriftung("Gesamt-Test-Ergebnis:", urteil_));
    haupt->addWidget(urteil_);
    haupt->addLayout(fuss);
    resize(760, 600);
}

void ErgebnisFenster::Anzeigen(const Ergebnisanzeige& a, std::string schulnummer, std::string datum) {
    anzeige_ = a;
    schulnummer_ = std::move(schulnummer);
    datum_ = std::move(datum);

    zaehlerZeile_->hide();
    warnungen_->clear();
    fehler_->clear();
    FarbigSetzen(schwelle_, a.schwelleText, a.schwelleFarbe);
    modell_->Setzen(a.zeilen);
    liste_->scrollToTop();
    FarbigSetzen(urteil_, a.urteil, a.urteilFarbe);
    if (a.zaehlerSichtbar) {
        warnungen_->setText(QString::number(a.warnungen));
        fehler_->setText(QString::number(a.fehler));
        zaehlerZeile_->show();
    }
    beenden_->setFocus();
}

void ErgebnisFenster::Zeigen(const Ergebnisanzeige& a, std::string schulnummer) {
    Anzeigen(a, std::move(schulnummer));
    exec();
}

void ErgebnisFenster::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    beenden_->setFocus();
}

void ErgebnisFenster::Speichern() {
    datei_.Speichern(this, "Datentest", schulnummer_, [&](const std::string& pfad) {
        return BerichtSpeichern(pfad, anzeige_, schulnummer_, datum_, m_);
    });
}

} // namespace zev::qt
