#include "ui/qt/record_list.h"

#include "model/encoding.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

const char* ListenTitel(Bereich b) {
    const char* titel = "";
    MitListenBereich(b, [&]<class A>(A) { titel = A::kListenTitel.data(); });
    return titel;
}

struct Knopfbeschreibung {
    const char* text;
    const char* name;
    const char* hinweis;
};

constexpr std::array<Knopfbeschreibung, 8> kKnoepfe = {{
    {"| <", "knopfErster", "erster Datensatz"},
    {"<", "knopfVoriger", "vorheriger Datensatz"},
    {">", "knopfNaechster", "nächster Datensatz"},
    {"> |", "knopfLetzter", "letzter Datensatz"},
    {"<<", "knopfSeiteZurueck", "eine Seite zurück"},
    {">>", "knopfSeiteVor", "eine Seite vor"},
    {"+", "knopfNeu", "neuer Datensatz"},
    {"-", "knopfLoeschen", "Datensatz löschen"},
}};

} // namespace

// --- the model ----------------------------------------------------------------------------

ListenModell::ListenModell(const Katalog& liste, SuchText suchText, QObject* eltern)
    : QAbstractListModel(eltern), liste_(liste), suchText_(std::move(suchText)),
      zeilen_(static_cast<int>(liste.size())) {}

int ListenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : zeilen_;
}

QVariant ListenModell::data(const QModelIndex& index, int rolle) const {
    if ((rolle != Qt::DisplayRole && rolle != SuchRolle) || !index.isValid()) return {};
    const auto zeile = static_cast<std::size_t>(index.row());
    if (index.row() >= zeilen_ || zeile >= liste_.size()) return {};
    if (rolle == SuchRolle && suchText_) return QString::fromStdString(Cp1252ToUtf8(suchText_(index.row())));
    return QString::fromStdString(Cp1252ToUtf8(liste_[zeile]));
}

void ListenModell::Neu() {
    beginResetModel();
    zeilen_ = static_cast<int>(liste_.size());
    endResetModel();
}

void ListenModell::ZeileGeaendert(int zeile) {
    if (zeile < 0 || zeile >= zeilen_) return;
    const QModelIndex i = index(zeile);
    emit dataChanged(i, i, {Qt::DisplayRole, SuchRolle});
}

// --- the panel ----------------------------------------------------------------------------

DatensatzListe::DatensatzListe(Steuerung& st, Navigation& nav, Bereich b, QWidget* eltern)
    : QWidget(eltern), st_(st), nav_(nav), b_(b) {
    const QString name = QString::fromUtf8(BereichsName(b));
    setObjectName("datensatzliste_" + name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    suche_ = new QLineEdit(this);
    suche_->setObjectName("suche_" + name);
    suche_->setPlaceholderText("Suche (Name, Nummer, Klasse)");
    suche_->setAccessibleName("Suche");
    suche_->setClearButtonEnabled(true);
    layout->addWidget(suche_);

    modell_ = new ListenModell(
        st.AnzeigeListe(b), [this](int zeile) { return st_.SuchEintrag(b_, zeile); }, this);
    filter_ = new QSortFilterProxyModel(this);
    filter_->setSourceModel(modell_);
    filter_->setFilterRole(ListenModell::SuchRolle);
    filter_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    ansicht_ = new QListView(this);
    ansicht_->setObjectName("liste_" + name);
    ansicht_->setAccessibleName(ListenTitel(b));
    ansicht_->setModel(filter_);
    ansicht_->setUniformItemSizes(true); // rows need not be measured one by one
    ansicht_->setSelectionMode(QAbstractItemView::SingleSelection);
    ansicht_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(ansicht_, 1);

    auto* zaehler = new QHBoxLayout();
    const auto kasten = [&](const char* objekt, const char* zugang) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString(objekt) + name);
        e->setAccessibleName(zugang);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(fontMetrics().horizontalAdvance("0000000") + 12);
        return e;
    };
    aktuell_ = kasten("zaehler_aktuell_", "aktueller Datensatz");
    letzter_ = kasten("zaehler_letzter_", "Anzahl der Datensätze");
    zaehler->addWidget(aktuell_);
    zaehler->addWidget(new QLabel("/", this));
    zaehler->addWidget(letzter_);
    zaehler->addStretch(1);
    layout->addLayout(zaehler);

    auto* raster = new QGridLayout();
    for (std::size_t i = 0; i < kKnoepfe.size(); ++i) {
        auto* k = new QPushButton(kKnoepfe[i].text, this);
        k->setObjectName(QString(kKnoepfe[i].name) + "_" + name);
        k->setAccessibleName(kKnoepfe[i].text);
        k->setAccessibleDescription(kKnoepfe[i].hinweis);
        k->setToolTip(kKnoepfe[i].hinweis);
        k->setAutoDefault(false);
        raster->addWidget(k, static_cast<int>(i / 4), static_cast<int>(i % 4));
        knoepfe_[i] = k;
        if (i < 6) connect(k, &QPushButton::clicked, this, [this, i] { Bewegen(static_cast<Bewegung>(i)); });
    }
    layout->addLayout(raster);

    connect(Taste(Neu), &QPushButton::clicked, this, [this] {
        const bool neu = nav_.InsertRecord(b_);
        Aktualisieren();
        if (neu) emit datensatzEingefuegt();
    });
    connect(Taste(Loeschen), &QPushButton::clicked, this, [this] {
        nav_.DeleteRecord(b_);
        Aktualisieren();
    });
    // A click, or the arrow keys in the list, as the list's own selection.
    connect(ansicht_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { Gewaehlt(i); });
    // A click on the entry that is already current changes no selection, but is a click all the same.
    connect(ansicht_, &QAbstractItemView::pressed, this, [this](const QModelIndex& i) {
        if (!geradeGewaehlt_) Gewaehlt(i);
    });
    connect(suche_, &QLineEdit::textChanged, this, &DatensatzListe::Filtern);
    Aktualisieren();
}

std::int32_t DatensatzListe::AktuellerIndex() const {
    std::int32_t aktuell = 0;
    MitListenBereich(b_, [&]<class A>(A) { aktuell = A::Daten(st_.Daten()).Aktuell; });
    return aktuell;
}

int DatensatzListe::Seitenschritt() const {
    int zeile = ansicht_->sizeHintForRow(0);
    if (zeile < 1) zeile = ansicht_->fontMetrics().height();
    return SeitenSchritt(ansicht_->viewport()->height(), zeile);
}

void DatensatzListe::Aktualisieren() {
    {
        const QScopedValueRollback sperre(eigeneAuswahl_, true);
        modell_->Neu();
    }
    AuswahlZeigen();
    ZaehlerZeigen();
    KnoepfeZeigen();
}

void DatensatzListe::ZaehlerZeigen() {
    std::size_t platz = 0;
    MitListenBereich(b_, [&]<class A>(A) { platz = A::kPlatz; });
    const auto& z = st_.Status().zaehler[platz];
    aktuell_->setText(QString::number(z.first));
    letzter_->setText(QString::number(z.second));
}

void DatensatzListe::Bewegen(Bewegung w) {
    const std::int32_t alt = AktuellerIndex();
    nav_.Bewegen(b_, w, Seitenschritt());
    NachWechsel(alt);
}

void DatensatzListe::Gewaehlt(const QModelIndex& index) {
    if (eigeneAuswahl_ || !index.isValid()) return;
    const QModelIndex quelle = filter_->mapToSource(index);
    if (!quelle.isValid()) return;
    Waehlen(quelle.row());
    // The press that made this selection reports it once more; it is the same click.
    geradeGewaehlt_ = true;
    QTimer::singleShot(0, this, [this] { geradeGewaehlt_ = false; });
}

void DatensatzListe::Waehlen(std::int32_t index) {
    const std::int32_t alt = AktuellerIndex();
    nav_.SelectFromList(b_, index);
    NachWechsel(alt);
}

// Only the entry of the record left behind was rewritten.
void DatensatzListe::NachWechsel(std::int32_t alt) {
    modell_->ZeileGeaendert(alt);
    AuswahlZeigen();
    ZaehlerZeigen();
    KnoepfeZeigen();
}

void DatensatzListe::AuswahlZeigen() {
    const QScopedValueRollback sperre(eigeneAuswahl_, true);
    const std::int32_t aktuell = AktuellerIndex();
    QModelIndex zeile;
    if (aktuell >= 0 && aktuell < modell_->rowCount()) zeile = filter_->mapFromSource(modell_->index(aktuell));
    if (!zeile.isValid()) {
        // The current record is hidden by the search, or there is none.
        ansicht_->selectionModel()->clear();
        return;
    }
    ansicht_->selectionModel()->setCurrentIndex(zeile, QItemSelectionModel::ClearAndSelect);
    ansicht_->scrollTo(zeile);
}

void DatensatzListe::KnoepfeZeigen() {
    const Bewegungsknoepfe an = nav_.Knoepfe(b_);
    for (std::size_t i = 0; i < an.size(); ++i) knoepfe_[i]->setEnabled(an[i]);
}

void DatensatzListe::Filtern(const QString& text) {
    {
        const QScopedValueRollback sperre(eigeneAuswahl_, true);
        filter_->setFilterFixedString(text);
    }
    AuswahlZeigen();
}

} // namespace zev::qt
