#include "ui/qt/code_widgets.h"

#include <algorithm>
#include <vector>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zev::qt {

QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
std::string S(const QString& text) {
    return text.toStdString();
}

namespace {

// Sets the tool tip to the chosen entry just before it shows: the entry is often
// set with signals blocked, so no signal would tell.
class KomboTipp : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ToolTip)
            if (auto* k = qobject_cast<QComboBox*>(o)) k->setToolTip(k->currentText());
        return false;
    }
};

} // namespace

void KomboGanzZeigen(QComboBox* kombo) {
    if (!kombo->property("zevKomboTipp").toBool()) {
        kombo->installEventFilter(new KomboTipp(kombo));
        kombo->setProperty("zevKomboTipp", true);
    }
    const QFontMetrics fm(kombo->view()->font());
    int breit = 0;
    for (int i = 0; i < kombo->count(); ++i) breit = std::max(breit, fm.horizontalAdvance(kombo->itemText(i)));
    // Room for the frame, the item's margins and a vertical scroll bar.
    const int rand = 2 * kombo->view()->frameWidth() + 24 + kombo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    kombo->view()->setMinimumWidth(breit + rand);
}

void KomboFuellen(QComboBox* kombo, const KomboListe& liste) {
    const QSignalBlocker sperre(kombo);
    kombo->clear();
    QStringList texte;
    texte.reserve(static_cast<qsizetype>(liste.size()));
    for (const std::string& t : liste.texte) texte << Q(t);
    kombo->addItems(texte);
    KomboGanzZeigen(kombo);
}

QLineEdit* Textfeld(QWidget* eltern, const char* name, int laenge, int breite) {
    auto* e = new QLineEdit(eltern);
    e->setObjectName(name);
    e->setMaxLength(laenge);
    if (breite > 0) e->setFixedWidth(breite);
    return e;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    return b;
}

std::vector<QPushButton*> KnopfReihe(QWidget* eltern, QBoxLayout* layout,
                                     std::initializer_list<std::pair<const char*, const char*>> knoepfe) {
    std::vector<QPushButton*> k;
    auto* reihe = new QHBoxLayout();
    for (const auto& [name, text] : knoepfe) reihe->addWidget(k.emplace_back(Knopf(eltern, name, text)));
    reihe->addStretch(1);
    layout->addLayout(reihe);
    return k;
}

void FormZeile(QFormLayout* form, const char* beschriftung, QWidget* feld) {
    auto* label = new QLabel(beschriftung);
    // A label on two lines is one name.
    const QString name = QString(beschriftung).replace('\n', ' ');
    if (auto* c = qobject_cast<CodeFeldWidget*>(feld)) {
        c->Benennen(name);
        label->setBuddy(c->Schluessel());
    } else {
        if (feld->accessibleName().isEmpty()) feld->setAccessibleName(name);
        label->setBuddy(feld);
    }
    form->addRow(label, feld);
}

void TextSetzen(QLineEdit* e, const std::string& text) {
    if (e->text() != Q(text)) e->setText(Q(text));
}

QWidget* Wahlgruppe(QWidget* eltern, QButtonGroup*& gruppe, const char* name,
                    std::initializer_list<const char*> texte) {
    auto* w = new QWidget(eltern);
    w->setObjectName(name);
    auto* zeile = new QHBoxLayout(w);
    zeile->setContentsMargins(0, 0, 0, 0);
    gruppe = new QButtonGroup(w);
    int id = 0;
    for (const char* t : texte) {
        auto* r = new QRadioButton(t, w);
        gruppe->addButton(r, id++);
        zeile->addWidget(r);
    }
    zeile->addStretch(1);
    return w;
}

void Auswahlen(QButtonGroup* g, int id) {
    if (auto* b = g->button(id)) b->setChecked(true);
}

QWidget* Rollbar(QWidget* inhalt, QWidget* unten) {
    auto* rolle = new QScrollArea();
    rolle->setWidget(inhalt);
    rolle->setWidgetResizable(true);
    rolle->setFrameShape(QFrame::NoFrame);
    if (!unten) return rolle;
    auto* blatt = new QWidget();
    auto* layout = new QVBoxLayout(blatt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rolle, 1);
    layout->addWidget(unten, 0, Qt::AlignLeft);
    return blatt;
}

// --- tab order -----------------------------------------------------------------------------

namespace {

void InLage(QLayout* l, std::vector<QWidget*>& folge);

void InLage(QWidget* w, std::vector<QWidget*>& folge) {
    if (!w) return;
    if (auto* rolle = qobject_cast<QScrollArea*>(w)) return InLage(rolle->widget(), folge);
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) InLage(tabs->widget(i), folge);
        return;
    }
    if (auto* stapel = qobject_cast<QStackedWidget*>(w)) {
        for (int i = 0; i < stapel->count(); ++i) InLage(stapel->widget(i), folge);
        return;
    }
    if (w->focusPolicy() & Qt::TabFocus) {
        folge.push_back(w);
        return;
    }
    if (w->layout()) InLage(w->layout(), folge);
}

void InLage(QLayout* l, std::vector<QWidget*>& folge) {
    // The items in the order a reader sees them: a form and a grid by row, then
    // column; any other layout in its own order.
    std::vector<std::pair<std::pair<int, int>, QLayoutItem*>> items;
    for (int i = 0; i < l->count(); ++i) {
        std::pair<int, int> lage{i, 0};
        if (auto* form = qobject_cast<QFormLayout*>(l)) {
            int zeile = 0;
            QFormLayout::ItemRole rolle{};
            form->getItemPosition(i, &zeile, &rolle);
            lage = {zeile, rolle == QFormLayout::LabelRole ? 0 : 1};
        } else if (auto* gitter = qobject_cast<QGridLayout*>(l)) {
            int zeile = 0, spalte = 0, zs = 0, ss = 0;
            gitter->getItemPosition(i, &zeile, &spalte, &zs, &ss);
            lage = {zeile, spalte};
        }
        items.push_back({lage, l->itemAt(i)});
    }
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [lage, item] : items) {
        if (item->widget())
            InLage(item->widget(), folge);
        else if (item->layout())
            InLage(item->layout(), folge);
    }
}

} // namespace

void TabFolgeNachLage(QWidget* wurzel) {
    std::vector<QWidget*> folge;
    if (wurzel->layout()) InLage(wurzel->layout(), folge);
    for (std::size_t i = 1; i < folge.size(); ++i) QWidget::setTabOrder(folge[i - 1], folge[i]);
}

// --- key box + combo -----------------------------------------------------------------------

void SchluesselFeld::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    selectAll();
    frischFokussiert_ = e->reason() == Qt::MouseFocusReason;
}

void SchluesselFeld::mousePressEvent(QMouseEvent* e) {
    if (!frischFokussiert_) return QLineEdit::mousePressEvent(e);
    // The press that brought the focus would place the cursor and drop the selection.
    frischFokussiert_ = false;
    e->accept();
}

CodeFeldWidget::CodeFeldWidget(const KomboListe& liste, int schluesselBreite, QWidget* eltern)
    : QWidget(eltern), schluessel_(new SchluesselFeld(this)), kombo_(new QComboBox(this)) {
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    schluessel_->setStyleSheet("background-color: #ffff80;");
    schluessel_->setFixedWidth(schluesselBreite);
    kombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kombo_->setMinimumContentsLength(30);
    KomboFuellen(kombo_, liste);
    zeile->addWidget(schluessel_);
    zeile->addWidget(kombo_, 1);
    setFocusProxy(schluessel_);
    connect(kombo_, &QComboBox::activated, this, &CodeFeldWidget::gewaehlt);
    connect(schluessel_, &QLineEdit::textEdited, this, &CodeFeldWidget::schluesselGetippt);
    // The combo follows a key as it is typed, so a person sees at once whether it is
    // a key of the catalogue: its line, or the placeholder line when none matches.
    connect(schluessel_, &QLineEdit::textEdited, this, [this](const QString& text) {
        int index = kombo_->findText("[" + text.trimmed() + "]", Qt::MatchContains);
        if (index < 0) index = kombo_->findText(" -???-; []", Qt::MatchExactly);
        const QSignalBlocker sperre(kombo_);
        kombo_->setCurrentIndex(index);
    });
}

void CodeFeldWidget::Benennen(const QString& beschriftung) {
    QString name = beschriftung;
    name.remove('&');
    schluessel_->setAccessibleName(name);
    kombo_->setAccessibleName(name + " (Auswahl)");
}

void CodeFeldWidget::Anzeigen(const CodeFeld& f) {
    const QSignalBlocker a(schluessel_), b(kombo_);
    schluessel_->setText(Q(f.schluessel));
    kombo_->setCurrentIndex(f.index < kombo_->count() ? f.index : 0);
}

void CodeFeldWidget::Uebernehmen(CodeFeld& f) const {
    f.schluessel = S(schluessel_->text());
    f.index = kombo_->currentIndex();
}

// --- grid model ------------------------------------------------------------------------------

RasterModell::RasterModell(CodeRaster& raster, QObject* eltern) : QAbstractTableModel(eltern), r_(raster) {}

void RasterModell::Neu() {
    beginResetModel();
    endResetModel();
}

void RasterModell::ZeileGeaendert(int zeile) {
    emit dataChanged(index(zeile, 0), index(zeile, r_.Spalten() - 1));
}

int RasterModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : r_.Zeilen();
}
int RasterModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : r_.Spalten();
}

QVariant RasterModell::data(const QModelIndex& i, int rolle) const {
    if (!i.isValid() || i.row() >= r_.Zeilen() || i.column() >= r_.Spalten()) return {};
    if (rolle == Qt::DisplayRole || rolle == Qt::EditRole || rolle == Qt::ToolTipRole)
        return Q(r_.zeilen[static_cast<std::size_t>(i.row())][static_cast<std::size_t>(i.column())]);
    if (rolle == Qt::BackgroundRole && !r_.spalten[static_cast<std::size_t>(i.column())].gespeichert)
        return QColor(0xF0, 0xF0, 0xF0);
    return {};
}

QVariant RasterModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole) return {};
    if (richtung == Qt::Horizontal && abschnitt >= 0 && abschnitt < r_.Spalten())
        return Q(r_.spalten[static_cast<std::size_t>(abschnitt)].ueberschrift);
    if (richtung == Qt::Vertical) return abschnitt + 1;
    return {};
}

Qt::ItemFlags RasterModell::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (r_.spalten[static_cast<std::size_t>(i.column())].editierbar) f |= Qt::ItemIsEditable;
    return f;
}

bool RasterModell::setData(const QModelIndex& i, const QVariant& wert, int rolle) {
    if (rolle != Qt::EditRole || !i.isValid()) return false;
    if (!ZelleSetzen(r_, i.row(), i.column(), S(wert.toString()))) return false;
    ZeileGeaendert(i.row());
    emit zelleGeaendert(i.row(), i.column());
    return true;
}

bool RasterModell::AusKombo(const QModelIndex& i, int eintrag) {
    if (!ZelleAusKombo(r_, i.row(), i.column(), eintrag)) return false;
    ZeileGeaendert(i.row());
    emit zelleGeaendert(i.row(), i.column());
    return true;
}

// --- in-place combo --------------------------------------------------------------------------

KomboDelegat::KomboDelegat(RasterModell& modell, QObject* eltern) : QStyledItemDelegate(eltern), modell_(modell) {}

QWidget* KomboDelegat::createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const RasterSpalte& s = modell_.Raster().spalten[static_cast<std::size_t>(index.column())];
    if (!s.kombo) return QStyledItemDelegate::createEditor(eltern, option, index);
    auto* kombo = new QComboBox(eltern);
    kombo->setAccessibleName(Q(s.ueberschrift));
    KomboFuellen(kombo, *s.kombo);
    // A pick ends the edit at once, as picking in the floating combo did.
    connect(kombo, &QComboBox::activated, this, [this, kombo] {
        auto* selbst = const_cast<KomboDelegat*>(this);
        emit selbst->commitData(kombo);
        emit selbst->closeEditor(kombo);
    });
    return kombo;
}

void KomboDelegat::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* kombo = qobject_cast<QComboBox*>(editor)) {
        kombo->setCurrentIndex(KomboIndexFuerZelle(modell_.Raster(), index.row(), index.column()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void KomboDelegat::setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const {
    if (auto* kombo = qobject_cast<QComboBox*>(editor)) {
        modell_.AusKombo(index, kombo->currentIndex());
        return;
    }
    QStyledItemDelegate::setModelData(editor, modell, index);
}

// --- grid view -------------------------------------------------------------------------------

RasterAnsicht::RasterAnsicht(CodeRaster& raster, QWidget* eltern)
    : QTableView(eltern), modell_(new RasterModell(raster, this)) {
    setModel(modell_);
    setItemDelegate(new KomboDelegat(*modell_, this));
    setAccessibleName(Q(raster.titel));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
        modell_->Raster().fokusZeile = i.isValid() ? i.row() : -1;
        if (i.isValid()) modell_->Raster().fokusSpalte = i.column();
    });
}

int RasterAnsicht::Spaltenbreite(int spalte) const {
    // The widths were chosen for a small 8-point font; scale them to this one and
    // never below the heading.
    const RasterSpalte& s = modell_->Raster().spalten[static_cast<std::size_t>(spalte)];
    const double faktor = std::max(1.0, fontMetrics().averageCharWidth() / 6.0);
    const int kopf = horizontalHeader()->fontMetrics().horizontalAdvance(Q(s.ueberschrift)) + 14;
    return std::max(static_cast<int>(s.breite * faktor), kopf);
}

int RasterAnsicht::Gesamtbreite() const {
    int b = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < modell_->Raster().Spalten(); ++c) b += Spaltenbreite(c);
    return b;
}

void RasterAnsicht::Anzeigen() {
    CodeRaster& r = modell_->Raster();
    const int fokus = r.fokusZeile; // resetting the view clears its current row
    modell_->Neu();
    for (int c = 0; c < r.Spalten(); ++c) setColumnWidth(c, Spaltenbreite(c));
    if (fokus >= 0 && fokus < r.Zeilen()) {
        const QModelIndex i = modell_->index(fokus, std::clamp(r.fokusSpalte, 0, r.Spalten() - 1));
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(i);
    }
    r.fokusZeile = fokus;
}

// --- masked date -----------------------------------------------------------------------------

namespace {
constexpr const char* kDatumsmaske = "99.99.9999; ";
}

DatumsFeld::DatumsFeld(std::string_view maske, QWidget* eltern) : QLineEdit(eltern), maske_(maske) {
    setInputMask(kDatumsmaske);
    setText(Q(maske_));
    setFixedWidth(fontMetrics().horizontalAdvance("00.00.00000") + 16);
    connect(this, &QLineEdit::textEdited, this, [this] { bearbeitet_ = true; });
}

void DatumsFeld::Anzeigen(const DatumsKasten& k) {
    setInputMask(PasstZurMaske(k.text) ? kDatumsmaske : "");
    setText(Q(k.text));
    setCursorPosition(0);
    bearbeitet_ = k.bearbeitet;
}

void DatumsFeld::Uebernehmen(DatumsKasten& k) const {
    k.text = S(displayText());
    k.bearbeitet = bearbeitet_;
}

void DatumsFeld::keyPressEvent(QKeyEvent* e) {
    const bool aendert = !e->text().isEmpty() || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete;
    if (inputMask().isEmpty() && aendert && !isReadOnly()) {
        setInputMask(kDatumsmaske);
        setText(Q(maske_));
        setCursorPosition(0);
        bearbeitet_ = true;
    }
    QLineEdit::keyPressEvent(e);
}

void DatumsFeld::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // A menu or another window taking the focus does not end the typing.
    if (bearbeitet_ && e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason)
        emit verlassen();
}

} // namespace zev::qt
