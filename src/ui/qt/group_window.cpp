#include "ui/qt/group_window.h"

#include "ui/qt/colours.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zev::qt {

// The grid below its heading row, for the table view: an area may hold 65,536
// records, and a view over a model draws only the rows on screen.
class GruppenModell : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Setzen(Gruppenanzeige g) {
        beginResetModel();
        g_ = std::move(g);
        endResetModel();
    }
    const Gruppenanzeige& Anzeige() const { return g_; }

    int rowCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() || g_.zeilen.empty() ? 0 : static_cast<int>(g_.zeilen.size() - 1);
    }
    int columnCount(const QModelIndex& eltern = {}) const override {
        return eltern.isValid() ? 0 : static_cast<int>(g_.Spalten());
    }

    QVariant data(const QModelIndex& index, int rolle) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        return Rolle(Zelle(static_cast<std::size_t>(index.row()) + 1, index.column()), rolle);
    }

    QVariant headerData(int spalte, Qt::Orientation richtung, int rolle) const override {
        if (richtung != Qt::Horizontal || spalte < 0 || spalte >= columnCount() || g_.zeilen.empty()) return {};
        return Rolle(Zelle(0, spalte), rolle);
    }

    // Padding rows can be neither chosen nor selected.
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        return static_cast<std::size_t>(index.row()) < g_.datenzeilen ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                                      : Qt::ItemIsEnabled;
    }

private:
    const GruppenZelle& Zelle(std::size_t zeile, int spalte) const {
        return g_.zeilen[zeile][static_cast<std::size_t>(spalte)];
    }

    static QVariant Rolle(const GruppenZelle& c, int rolle) {
        switch (rolle) {
            case Qt::DisplayRole:
                return QString::fromStdString(c.text);
            case Qt::FontRole: {
                if (!c.fett) return {};
                QFont f;
                f.setBold(true);
                return f;
            }
            case Qt::ForegroundRole:
                if (c.farbe) return QBrush(QFarbe(*c.farbe));
                return {};
            default:
                return {};
        }
    }

    Gruppenanzeige g_;
};

GruppenFenster::GruppenFenster(QWidget* eltern) : QDialog(eltern), eigeneMeldungen_(this), m_(eigeneMeldungen_) {
    Aufbauen();
}

GruppenFenster::GruppenFenster(Meldungen& m, QWidget* eltern) : QDialog(eltern), eigeneMeldungen_(this), m_(m) {
    Aufbauen();
}

void GruppenFenster::Aufbauen() {
    druck_.Einrichten(this, [this] { return BerichtHtml(Anzeige(), schulnummer_, datum_); });
    setObjectName("gruppenFenster");
    setWindowTitle("Ergebnis: große PLAUSI");
    setModal(true);

    modell_ = new GruppenModell(this);
    tabelle_ = new QTableView;
    tabelle_->setObjectName("uebersicht");
    tabelle_->setAccessibleName("Übersicht über die Einzeltests:");
    tabelle_->setModel(modell_);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle_->setWordWrap(false);
    tabelle_->verticalHeader()->hide();
    tabelle_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle_->horizontalHeader()->setSectionsClickable(false);
    tabelle_->horizontalHeader()->setHighlightSections(false);
    tabelle_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Double-click, or Enter on the current row.
    connect(tabelle_, &QAbstractItemView::activated, this, &GruppenFenster::Waehlen);

    schwelle_ = LeseFeld("schwelle", "Test-Alarm-Schwelle");
    schwelle_->setMinimumWidth(schwelle_->fontMetrics().horizontalAdvance("ab schwerwiegenden Warnungen") + 16);

    speichern_ = new QPushButton("Bericht speichern ...");
    speichern_->setObjectName("berichtSpeichern");
    speichern_->setAccessibleName("Bericht speichern ...");
    speichern_->setAutoDefault(false);
    beenden_ = new QPushButton("Beenden");
    beenden_->setObjectName("beenden");
    beenden_->setAccessibleName("Beenden");
    beenden_->setDefault(true);
    connect(speichern_, &QPushButton::clicked, this, &GruppenFenster::Speichern);
    connect(beenden_, &QPushButton::clicked, this, &QDialog::accept);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(Beschriftung("Übersicht über die Einzeltests:", tabelle_), 0, Qt::AlignBottom);
    kopf->addStretch();
    kopf->addWidget(Beschriftung("Test-Alarm-Schwelle", schwelle_));
    kopf->addWidget(schwelle_);

    auto* fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(speichern_);
    fuss->addWidget(beenden_);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(kopf);
    haupt->addWidget(tabelle_, 1);
    haupt->addLayout(fuss);
    resize(640, 440);
}

const Gruppenanzeige& GruppenFenster::Anzeige() const {
    return modell_->Anzeige();
}

void GruppenFenster::Anzeigen(Gruppenanzeige g, std::string schulnummer, std::string datum) {
    schulnummer_ = std::move(schulnummer);
    datum_ = std::move(datum);
    gewaehlt_ = -1;
    setWindowTitle(QString::fromStdString(g.titel));
    FarbigSetzen(schwelle_, g.schwelle.text, g.schwelle.farbe);
    modell_->Setzen(std::move(g));
    BreitenSetzen();
    tabelle_->scrollToTop();
    beenden_->setFocus();
}

// The grid's widths were chosen for a smaller font than today's desktops use:
// a column grows where its heading, or in the last column a verdict, needs more.
void GruppenFenster::BreitenSetzen() {
    QHeaderView* kopf = tabelle_->horizontalHeader();
    QFont fett = tabelle_->font();
    fett.setBold(true);
    const QFontMetrics fettMasse(fett);
    const int rand = 2 * (tabelle_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabelle_) + 1) + 4;
    int summe = 0;
    const int spalten = static_cast<int>(Anzeige().Spalten());
    for (int s = 0; s < spalten; ++s) {
        int breite = std::max(Anzeige().breiten[static_cast<std::size_t>(s)], kopf->sectionSizeHint(s));
        if (s == spalten - 1)
            for (const char* urteil : {"alles i.O.", "mit Warnung(en)!", "fehlerhaft!!!"})
                breite = std::max(breite, fettMasse.horizontalAdvance(urteil) + rand);
        kopf->resizeSection(s, breite);
        summe += breite;
    }
    const int rahmen = 2 * tabelle_->frameWidth() + tabelle_->verticalScrollBar()->sizeHint().width();
    tabelle_->setMinimumWidth(summe + rahmen);
}

int GruppenFenster::Zeigen(Gruppenanzeige g, std::string schulnummer) {
    Anzeigen(std::move(g), std::move(schulnummer));
    exec();
    return gewaehlt_;
}

void GruppenFenster::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    gewaehlt_ = -1;
    beenden_->setFocus();
}

void GruppenFenster::Waehlen(const QModelIndex& index) {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= Anzeige().datenzeilen) return;
    gewaehlt_ = index.row();
    emit DatensatzGewaehlt(gewaehlt_);
    accept();
}

void GruppenFenster::Speichern() {
    datei_.Speichern(this, QString::fromStdString(Anzeige().berichtsname), schulnummer_, [&](const std::string& pfad) {
        return BerichtSpeichern(pfad, Anzeige(), schulnummer_, datum_, m_);
    });
}

} // namespace zev::qt
