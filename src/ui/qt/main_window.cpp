#include "ui/qt/main_window.h"

#include "control/delivery.h"

#include "model/encoding.h"
#include "pages/guide_sections.h"
#include "plausi/check_report.h"
#include "plausi/group_check.h"
#include "plausi/result_listing.h"
#include "ui/qt/class_page.h"
#include "ui/qt/clipboard_actions.h"
#include "ui/qt/code_widgets.h"
#include "ui/qt/colours.h"
#include "ui/qt/group_window.h"
#include "ui/qt/guide_window.h"
#include "ui/qt/import_window.h"
#include "ui/qt/record_list.h"
#include "ui/qt/result_window.h"
#include "ui/qt/school_page.h"
#include "ui/qt/school_year_dialog.h"
#include "ui/qt/settings_dialog.h"
#include "ui/qt/student_page.h"
#include "ui/qt/teacher_page.h"
#include "ui/qt/ue_sheet.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace zev::qt {

namespace {

constexpr int kVersionsjahr = 2026;

std::size_t Nr(Seite s) {
    return static_cast<std::size_t>(s);
}

void Einfaerben(QWidget* w, Farbe f) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, QFarbe(f));
    p.setColor(QPalette::WindowText, QFarbe(f));
    p.setColor(QPalette::ButtonText, QFarbe(f));
    w->setPalette(p);
}

QLineEdit* NurLesen(QWidget* eltern, const char* name) {
    auto* e = new QLineEdit(eltern);
    e->setReadOnly(true);
    e->setObjectName(name);
    return e;
}

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

QString HauptFenster::Titel() {
    return QString("ZEV-Manager %1").arg(kVersionsjahr);
}

HauptFenster::HauptFenster(const std::string& programmOrdner, Meldungen& m, QWidget* eltern)
    : QMainWindow(eltern), meldungen_(m), programmOrdner_(programmOrdner) {
    setObjectName("hauptFenster");
    setWindowTitle(Titel());

    Fensterdienste dienste;
    dienste.sicherungsTimerStarten = [this](int ms) { sicherung_.start(ms); };
    dienste.showInfo = [this](const InfoTexte&, std::uint16_t) { info_->Zeigen(); };
    dienste.seiteZeigen = [this](Seite s) {
        if (s == Seite::Schule && schulSeite_) schulSeite_->Zeigen();
        if (s == Seite::Lehrer && lehrerSeite_) lehrerSeite_->Zeigen();
        if (s == Seite::Klassen && klassenSeite_) klassenSeite_->Zeigen();
        if (s == Seite::Schueler && schuelerSeite_) schuelerSeite_->Zeigen();
        TitelZeigen();
    };
    dienste.seiteUebernehmen = [this](Seite s) {
        if (s == Seite::Schule && schulSeite_) schulSeite_->Uebernehmen();
        if (s == Seite::Lehrer && lehrerSeite_) lehrerSeite_->Uebernehmen();
        if (s == Seite::Klassen && klassenSeite_) klassenSeite_->Uebernehmen();
        if (s == Seite::Schueler && schuelerSeite_) schuelerSeite_->Uebernehmen();
    };
    steuerung_ = std::make_unique<Steuerung>(programmOrdner, meldungen_, dienste);
    steuerung_->Erstellen();
    // The window writes its data folder for as long as it runs.
    steuerung_->DauerhaftSperren("zev-manager");
    navigation_ = std::make_unique<Navigation>(*steuerung_, meldungen_, Navigationsdienste{[this] {
        for (QAction* a : zwischenablage_) a->setEnabled(true);
    }});
    info_ = new InfoDialog(steuerung_->Info(), this);

    sicherung_.setSingleShot(true);
    connect(&sicherung_, &QTimer::timeout, this, [this] { steuerung_->SicherungsTimerAbgelaufen(); });

    seiten_ = new QTabWidget(this);
    seiten_->setObjectName("seiten");
    seiten_->addTab(StartseiteAufbauen(), "   Start   ");
    seiten_->addTab(BereichsseiteAufbauen(Seite::Schule, {"   XML-Datei   "}), "   Schule   ");
    schulSeite_ = new SchulSeitenWidget(*steuerung_, meldungen_, unterseiten_[Nr(Seite::Schule)], this);
    ergebnis_ = new ErgebnisFenster(meldungen_, this);
    schulSeite_->ergebnisfensterZeigen = [this] { ErgebnisZeigen(); };
    seiten_->addTab(BereichsseiteAufbauen(Seite::Lehrer, {"   Stammblätter ", "   XML-Datei   "}), "   Lehrer   ");
    gruppe_ = new GruppenFenster(meldungen_, this);
    {
        QWidget* blatt = findChild<QWidget*>("blatt_lehrer");
        lehrerSeite_ = new LehrerSeitenWidget(*steuerung_, meldungen_, blatt);
        blatt->layout()->addWidget(lehrerSeite_);
        lehrerSeite_->ergebnisfensterZeigen = [this] { ErgebnisZeigen(); };
        lehrerSeite_->gruppenfensterZeigen = [this] { GruppeZeigen(); };
        connect(listen_[Nr(Seite::Lehrer)], &DatensatzListe::datensatzEingefuegt, lehrerSeite_,
                &LehrerSeitenWidget::NeuerLehrer);
    }
    seiten_->addTab(BereichsseiteAufbauen(Seite::Klassen, {"  Stammblätter  ", "  XML-Datei  "}), "   Klassen   ");
    {
        QWidget* blatt = findChild<QWidget*>("blatt_klassen");
        klassenSeite_ = new KlassenSeitenWidget(*steuerung_, meldungen_, blatt);
        blatt->layout()->addWidget(klassenSeite_);
        klassenSeite_->ergebnisfensterZeigen = [this] { ErgebnisZeigen(); };
        klassenSeite_->gruppenfensterZeigen = [this] { GruppeZeigen(); };
        connect(listen_[Nr(Seite::Klassen)], &DatensatzListe::datensatzEingefuegt, klassenSeite_,
                &KlassenSeitenWidget::NeueKlasse);
    }
    seiten_->addTab(BereichsseiteAufbauen(Seite::Schueler, {"   Stammblätter   ", "   XML-Datei   "}), "   Schüler   ");
    {
        QWidget* blatt = findChild<QWidget*>("blatt_schueler");
        schuelerSeite_ = new SchuelerSeitenWidget(*steuerung_, meldungen_, blatt);
        blatt->layout()->addWidget(schuelerSeite_);
        schuelerSeite_->ergebnisfensterZeigen = [this] { ErgebnisZeigen(); };
        schuelerSeite_->gruppenfensterZeigen = [this] { GruppeZeigen(); };
        connect(listen_[Nr(Seite::Schueler)], &DatensatzListe::datensatzEingefuegt, schuelerSeite_,
                &SchuelerSeitenWidget::NeuerSchueler);
    }
    setCentralWidget(seiten_);
    connect(seiten_, &QTabWidget::currentChanged, this, &HauptFenster::SeiteGewechselt);
    for (int i = 0; i + 1 < unterseiten_[Nr(Seite::Schule)]->count(); ++i)
        BearbeitungVerfolgen(unterseiten_[Nr(Seite::Schule)]->widget(i));
    for (QWidget* seite : std::initializer_list<QWidget*>{lehrerSeite_, klassenSeite_, schuelerSeite_})
        BearbeitungVerfolgen(seite);

    MenuesAufbauen();
    statusBar()->showMessage("");
    sperrHinweis_ = new QLabel(this);
    sperrHinweis_->setObjectName("sperrHinweis");
    sperrHinweis_->setVisible(false);
    statusBar()->addPermanentWidget(sperrHinweis_);
    resize(1260, 780); // fits a 1280 x 800 screen with the desktop around it
}

HauptFenster::~HauptFenster() = default;

QTabWidget* HauptFenster::Unterseiten(Seite s) const {
    return unterseiten_[Nr(s)];
}

void HauptFenster::MenuesAufbauen() {
    const auto aktion = [this](const char* name, const QString& text, const QString& hinweis,
                               QStyle::StandardPixmap bild = QStyle::SP_CustomBase) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        // Connected first, so it runs before the command itself.
        connect(a, &QAction::triggered, this, &HauptFenster::EingabeAbschliessen);
        a->setStatusTip(hinweis);
        a->setToolTip(hinweis);
        if (bild != QStyle::SP_CustomBase) a->setIcon(style()->standardIcon(bild));
        return a;
    };
    auto* neu = aktion("aktionNeu", "&Neu", "neue (leere) Datenbank beginnen", QStyle::SP_FileIcon);
    auto* oeffnen = aktion("aktionOeffnen", "Ö&ffnen", "XML-Datei einlesen", QStyle::SP_DialogOpenButton);
    auto* speichern = aktion("aktionSpeichern", "&Speichern", "aktuelle Daten speichern", QStyle::SP_DialogSaveButton);
    auto* exportieren =
        aktion("aktionExportieren", "&Exportieren", "die aktuelle Seite übernehmen und alle vier XML-Dateien schreiben",
               QStyle::SP_ArrowRight);
    auto* liefern = aktion("aktionLieferung", "&Lieferung erstellen ...",
                           "alles prüfen und die Lieferung (XML-Dateien, Prüfbericht, Prüfsummen) in einen neuen "
                           "Ordner schreiben");
    auto* speichernUnter = aktion("aktionSpeichernUnter", "Speichern &unter...", "aktuelle Daten speichern");
    auto* beenden = aktion("aktionBeenden", "&Beenden", "Programm beenden");
    erneutVersuchen_ = aktion("aktionErneutVersuchen", "Erneut &versuchen",
                              "den Daten-Ordner zum Schreiben übernehmen, sobald ihn kein anderes Programm benutzt");
    erneutVersuchen_->setEnabled(false);
    auto* neuLaden = aktion("aktionNeuLaden", "Import &wiederholen / Daten neu laden",
                            "Import wiederholen / Daten neu laden", QStyle::SP_BrowserReload);
    const char* namen[] = {"aktionAusschneiden", "aktionKopieren", "aktionEinfuegen"};
    const char* texte[] = {"&Ausschneiden", "&Kopieren", "&Einfügen"};
    const char* themen[] = {"edit-cut", "edit-copy", "edit-paste"};
    for (std::size_t i = 0; i < 3; ++i) {
        zwischenablage_[i] = aktion(namen[i], texte[i], QString(texte[i]).remove('&') + " (interne Zwischenablage)");
        zwischenablage_[i]->setIcon(QIcon::fromTheme(themen[i]));
        zwischenablage_[i]->setEnabled(false);
    }
    // With Shift, so Ctrl+X/C/V keep cutting, copying and pasting text in the boxes.
    const Qt::Key ablageTasten[] = {Qt::Key_X, Qt::Key_C, Qt::Key_V};
    for (std::size_t i = 0; i < 3; ++i)
        zwischenablage_[i]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | ablageTasten[i]));
    speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exportieren->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    neuLaden->setShortcut(QKeySequence(Qt::Key_F5));
    einstellungen_ = aktion("aktionEinstellungen", "&Programm-Einstellungen", "Programm-Einstellungen anpassen");
    speichernAussetzen_ =
        aktion("aktionSpeichernAussetzen", "Speichern 1x aussetzen", "beim nächsten Seitenwechsel nicht speichern");
    speichernAussetzen_->setCheckable(true);

    auto* datei = menuBar()->addMenu("&Datei");
    datei->addAction(neu);
    auto* oeffnenMenue = datei->addAction("Ö&ffnen");
    oeffnenMenue->setObjectName("menueOeffnen");
    oeffnenMenue->setEnabled(false);
    datei->addAction(speichern);
    datei->addAction(speichernUnter);
    datei->addAction(exportieren);
    datei->addAction(liefern);
    auto* schuljahr = aktion("aktionSchuljahreswechsel", "Sc&huljahreswechsel ...",
                             "das Schuljahr archivieren und abschließen, das nächste beginnen");
    datei->addAction(schuljahr);
    speichernUnter->setVisible(false);
    datei->addAction(neuLaden);
    datei->addAction(erneutVersuchen_);
    datei->addSeparator();
    datei->addAction(beenden);

    auto* bearbeiten = menuBar()->addMenu("&Bearbeiten");
    for (QAction* a : zwischenablage_) bearbeiten->addAction(a);
    bearbeiten->addSeparator();
    auto* verwerfen = aktion("aktionVerwerfen", "Änderungen am Datensatz &verwerfen",
                             "den Datensatz wieder so zeigen, wie er zuletzt gespeichert wurde");
    // A text box with the focus keeps Ctrl+Z for its own undo.
    verwerfen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    bearbeiten->addAction(verwerfen);
    connect(verwerfen, &QAction::triggered, this, [this] {
        steuerung_->DatensatzVerwerfen();
        ZustandZeigen();
    });
    bearbeiten->addSeparator();
    auto* loeschen = bearbeiten->addMenu("&Löschen der ... / aller ...");
    auto* schulDaten = loeschen->addAction("&Schul-Daten");
    schulDaten->setObjectName("aktionSchulDaten");
    for (const char* t : {"&Lehrer-Daten", "&Klassen-Daten", "Sc&hüler-Daten"}) loeschen->addAction(t);
    bearbeiten->addSeparator();
    suchen_ = aktion("aktionSuchen", "S&uchen", "die Suche in der Liste der Datensätze");
    suchen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    bearbeiten->addAction(suchen_);

    auto* ansicht = menuBar()->addMenu("&Ansicht");
    auto* ablageAnsicht = ansicht->addAction("interne &Zwischenablage");
    ablageAnsicht->setObjectName("aktionZwischenablageAnsicht");
    auto* ablage = new ZwischenablageAktionen(
        *steuerung_, meldungen_, *info_, {zwischenablage_[0], zwischenablage_[1], zwischenablage_[2], ablageAnsicht},
        [this](Bereich b) {
            const Seite s = static_cast<Seite>(static_cast<int>(b));
            DatensatzListe* liste = listen_[Nr(s)];
            // The list selects its first row when it is built; only a page that was
            // entered shows a record chosen on its sheets.
            return liste && betreten_[Nr(s)] && unterseiten_[Nr(s)]->currentIndex() == 0 &&
                   liste->Ansicht()->selectionModel()->hasSelection();
        },
        this);
    connect(ablage, &ZwischenablageAktionen::bereichGeaendert, this, [this](Bereich b) {
        ListeZeigen(static_cast<Seite>(static_cast<int>(b)));
        ZustandZeigen();
    });

    auto* einstellungenMenue = menuBar()->addMenu("&Einstellungen");
    einstellungenMenue->addAction(einstellungen_);

    auto* hilfeMenue = menuBar()->addMenu("&Hilfe");
    auto* hilfe = hilfeMenue->addAction("&Hilfe zum Programm");
    hilfe->setShortcut(QKeySequence(Qt::Key_F1));
    auto* info = hilfeMenue->addAction("&Info...");

    auto* leiste = addToolBar("Werkzeuge");
    leiste->setObjectName("werkzeuge");
    leiste->setMovable(false);
    for (QAction* a : {neu, oeffnen, speichern, exportieren, neuLaden}) leiste->addAction(a);
    leiste->addSeparator();
    for (QAction* a : zwischenablage_) leiste->addAction(a);
    leiste->addSeparator();
    leiste->addAction(speichernAussetzen_);
    if (auto* knopf = qobject_cast<QToolButton*>(leiste->widgetForAction(speichernAussetzen_))) {
        knopf->setObjectName("knopfSpeichernAussetzen");
        knopf->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }

    connect(neu, &QAction::triggered, this, [this] {
        steuerung_->Neu();
        ListeZeigen(steuerung_->AktuelleSeite());
        ZustandZeigen();
    });
    connect(oeffnen, &QAction::triggered, this, &HauptFenster::Oeffnen);
    connect(speichern, &QAction::triggered, this, [this] {
        steuerung_->Speichern();
        ZustandZeigen();
    });
    connect(beenden, &QAction::triggered, this, &QWidget::close);
    connect(exportieren, &QAction::triggered, this, [this] {
        steuerung_->AllesExportieren();
        ListeZeigen(steuerung_->AktuelleSeite());
        ZustandZeigen();
    });
    connect(liefern, &QAction::triggered, this, &HauptFenster::Liefern);
    connect(erneutVersuchen_, &QAction::triggered, this, [this] {
        steuerung_->ErneutVersuchen();
        ListeZeigen(steuerung_->AktuelleSeite());
        ZustandZeigen();
    });
    connect(neuLaden, &QAction::triggered, this, [this] { steuerung_->NeuLaden(); });
    connect(schuljahr, &QAction::triggered, this, [this] {
        if (steuerung_->SchreibenVerweigert()) return;
        if (!steuerung_->SpeichernAn()) {
            meldungen_.Warnung("\"Speichern 1x aussetzen\" ist gedrückt.\r\rDer Schuljahreswechsel übernimmt zuerst "
                               "die geöffnete Seite; lösen Sie den Knopf oder wechseln Sie zuvor die Seite.");
            return;
        }
        seiten_->setCurrentIndex(0); // the open page is taken in and written as when it is left
        if (seiten_->currentIndex() != 0) return;
        SchuljahrAssistent assistent(*steuerung_, meldungen_, this);
        if (assistent.Vorbereiten()) assistent.exec();
        steuerung_->StartseiteAnzeigen();
        ZustandZeigen();
    });
    connect(einstellungen_, &QAction::triggered, this, &HauptFenster::EinstellungenZeigen);
    connect(speichernAussetzen_, &QAction::toggled, this, [this](bool an) {
        steuerung_->SpeichernAussetzen(an);
        ZustandZeigen();
    });
    connect(schulDaten, &QAction::triggered, this, [this] {
        steuerung_->SchulDatenMenue();
        const QSignalBlocker sperre(seiten_);
        seiten_->setCurrentIndex(0);
        letzteSeite_ = 0;
        ZustandZeigen();
    });
    connect(hilfe, &QAction::triggered, this, &HauptFenster::Hilfe);
    connect(suchen_, &QAction::triggered, this, [this] {
        if (DatensatzListe* liste = listen_[Nr(steuerung_->AktuelleSeite())]) {
            liste->Suche()->setFocus(Qt::ShortcutFocusReason);
            liste->Suche()->selectAll();
        }
    });
    connect(info, &QAction::triggered, this, &HauptFenster::UeberDasProgramm);
}

QWidget* HauptFenster::StartseiteAufbauen() {
    auto* seite = new QWidget(this);
    auto* layout = new QVBoxLayout(seite);
    auto* gruppe = new QGroupBox("aktuelle Programm-Einstellungen", seite);
    auto* form = new QFormLayout(gruppe);
    datenOrdner_ = NurLesen(gruppe, "startDatenOrdner");
    zugriff_ = NurLesen(gruppe, "startZugriff");
    schulnummer_ = NurLesen(gruppe, "startSchulnummer");
    quelle_ = NurLesen(gruppe, "startQuelle");
    form->addRow("Datenordner der internen *.ZEV-Dateien", datenOrdner_);
    form->addRow("Zugriff auf *.ZEV- und *.XML-Dateien:", zugriff_);
    form->addRow("Schulnummer", schulnummer_);
    form->addRow("primärer Datenzugriff auf ... / Datenquelle: ", quelle_);
    auto* anpassen = new QPushButton("anpassen ...", gruppe);
    anpassen->setObjectName("knopfAnpassen");
    anpassen->setStatusTip("Programm-Einstellungen anpassen");
    connect(anpassen, &QPushButton::clicked, this, &HauptFenster::EinstellungenZeigen);
    form->addRow("", anpassen);
    form->setAlignment(anpassen, Qt::AlignLeft);
    anpassen->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(gruppe);

    achtung_ = new QLabel("Achtung!", seite);
    achtung_->setObjectName("hinweisAchtung");
    QFont gross = achtung_->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    achtung_->setFont(gross);
    pruefen_ = new QLabel("Prüfen Sie immer unbedingt die Programm-Einstellungen!\n"
                          "Schulnummer und Datenordner bestimmen, welche Daten geladen\n"
                          "und wohin alle Daten gespeichert und exportiert werden.",
                          seite);
    pruefen_->setObjectName("hinweisPruefen");
    QFont fett = pruefen_->font();
    fett.setBold(true);
    pruefen_->setFont(fett);
    layout->addSpacing(24);
    layout->addWidget(achtung_);
    layout->addWidget(pruefen_);
    layout->addStretch(1);
    return seite;
}

QWidget* HauptFenster::BereichsseiteAufbauen(Seite s, const QStringList& unterseiten) {
    auto* tabs = new QTabWidget(this);
    unterseiten_[Nr(s)] = tabs;
    const char* namen[] = {"", "schule", "lehrer", "klassen", "schueler"};
    tabs->setObjectName(QString("unterseiten_") + namen[Nr(s)]);
    for (int i = 0; i < unterseiten.size(); ++i) {
        auto* blatt = new QWidget(tabs);
        const bool xml = i == unterseiten.size() - 1;
        auto* layout = new QVBoxLayout(blatt);
        if (xml) {
            auto* text = new QPlainTextEdit(blatt);
            text->setObjectName(QString("xml_") + namen[Nr(s)]);
            text->setReadOnly(true);
            text->setLineWrapMode(QPlainTextEdit::NoWrap);
            text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            xmlText_[Nr(s)] = text;
            layout->addWidget(text);
            if (s == Seite::Schule || s == Seite::Lehrer) {
                auto* pruefen = new QPushButton(s == Seite::Schule ? "alle Schuldaten prüfen (grosse PLAUSI)"
                                                                   : "alle Lehrer prüfen (grosse PLAUSI)",
                                                blatt);
                pruefen->setObjectName(QString("knopfGrossePlausi_") + namen[Nr(s)]);
                layout->addWidget(pruefen, 0, Qt::AlignLeft);
                if (s == Seite::Schule)
                    connect(pruefen, &QPushButton::clicked, this,
                            [this] { schulSeite_->Pruefen(PruefKnopf::AlleSchuldaten); });
                else
                    connect(pruefen, &QPushButton::clicked, this, [this] { lehrerSeite_->GrossePlausi(); });
            }
        } else if (i == 0 && s != Seite::Schule) {
            // The record list on the left; the area's record pages go to its right.
            auto* zeile = new QHBoxLayout();
            auto* liste = new DatensatzListe(*steuerung_, *navigation_, *BereichVon(s), blatt);
            liste->setMinimumWidth(260);
            liste->setMaximumWidth(320);
            listen_[Nr(s)] = liste;
            auto* rest = new QWidget(blatt);
            rest->setObjectName(QString("blatt_") + namen[Nr(s)]);
            (new QVBoxLayout(rest))->setContentsMargins(0, 0, 0, 0);
            zeile->addWidget(liste);
            zeile->addWidget(rest, 1);
            layout->addLayout(zeile);
            connect(liste, &DatensatzListe::datensatzEingefuegt, this, [tabs] { tabs->setCurrentIndex(0); });
        } else {
            layout->addStretch(1);
        }
        tabs->addTab(blatt, unterseiten[i]);
    }
    connect(tabs, &QTabWidget::currentChanged, this, [this, s](int i) { UnterseiteGewechselt(s, i); });
    return tabs;
}

void HauptFenster::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (gezeigt_) return;
    gezeigt_ = true;
    steuerung_->Gezeigt();
    ZustandZeigen();
}

void HauptFenster::EingabeAbschliessen() {
    for (QAbstractItemView* ansicht : findChildren<QAbstractItemView*>()) {
        QAbstractItemDelegate* delegat = ansicht->itemDelegateForIndex(ansicht->currentIndex());
        // An open editor is a visible child of its view's viewport (the views here hold no index widgets).
        for (QWidget* editor : ansicht->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!editor->isVisible()) continue;
            emit delegat->commitData(editor);
            emit delegat->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

void HauptFenster::closeEvent(QCloseEvent* e) {
    EingabeAbschliessen();
    if (!schliessend_) {
        schliessend_ = true;
        // The person chose to stay (a file changed by another program, or edits a
        // read-only window cannot keep).
        if (!steuerung_->Schliessen()) {
            schliessend_ = false;
            ZustandZeigen();
            e->ignore();
            return;
        }
    }
    e->accept();
}

void HauptFenster::SeiteGewechselt(int index) {
    if (index == letzteSeite_) return;
    EingabeAbschliessen();
    if (!steuerung_->SeiteVerlassen(static_cast<Seite>(letzteSeite_))) {
        // The page stays as it is: nothing was written.
        const QSignalBlocker sperre(seiten_);
        seiten_->setCurrentIndex(letzteSeite_);
        ZustandZeigen();
        return;
    }
    letzteSeite_ = index;
    const Seite s = static_cast<Seite>(index);
    betreten_[Nr(s)] = true;
    steuerung_->SeiteBetreten(s);
    ListeZeigen(s);
    if (auto* tabs = unterseiten_[Nr(s)]; tabs && tabs->currentIndex() == tabs->count() - 1)
        UnterseiteGewechselt(s, tabs->currentIndex());
    ZustandZeigen();
}

void HauptFenster::UnterseiteGewechselt(Seite s, int index) {
    auto* tabs = unterseiten_[Nr(s)];
    if (!tabs || index != tabs->count() - 1 || steuerung_->AktuelleSeite() != s) return;
    const auto b = BereichVon(s);
    xmlText_[Nr(s)]->setPlainText(QString::fromStdString(steuerung_->XmlSeite(*b)));
}

void HauptFenster::ListeZeigen(Seite s) {
    if (DatensatzListe* liste = listen_[Nr(s)]) liste->Aktualisieren();
}

void HauptFenster::ZustandZeigen() {
    const Statusanzeige& st = steuerung_->Status();
    datenOrdner_->setText(Text(st.datenOrdner));
    schulnummer_->setText(Text(st.schulnummer));
    quelle_->setText(Text(st.quelle.text));
    Einfaerben(quelle_, st.quelle.farbe);
    zugriff_->setText(Text(st.zugriff.text));
    Einfaerben(zugriff_, st.zugriff.farbe);
    Einfaerben(achtung_, st.hinweiseSchwarz ? Farbe::Schwarz : Farbe::Rot);
    Einfaerben(pruefen_, st.hinweiseSchwarz ? Farbe::Schwarz : Farbe::Blau);

    for (Seite s : {Seite::Lehrer, Seite::Klassen, Seite::Schueler}) listen_[Nr(s)]->ZaehlerZeigen();

    {
        const QSignalBlocker sperre(speichernAussetzen_);
        speichernAussetzen_->setChecked(st.speichernGedrueckt);
    }
    speichernAussetzen_->setText(Text(st.speichernKnopf.text));
    if (auto* leiste = findChild<QToolBar*>("werkzeuge"))
        if (QWidget* knopf = leiste->widgetForAction(speichernAussetzen_)) Einfaerben(knopf, st.speichernKnopf.farbe);

    const Seite s = steuerung_->AktuelleSeite();
    const bool liste = s == Seite::Lehrer || s == Seite::Klassen || s == Seite::Schueler;
    for (QAction* a : zwischenablage_) a->setEnabled(liste);
    suchen_->setEnabled(liste);
    einstellungen_->setEnabled(s == Seite::Start);
    erneutVersuchen_->setEnabled(st.nurLesen);
    sperrHinweis_->setText(Text(st.sperrHinweis));
    sperrHinweis_->setToolTip(Text(st.sperrHinweis));
    sperrHinweis_->setVisible(st.nurLesen);
    Einfaerben(sperrHinweis_, Farbe::Rot);
    if (const std::string gespeichert = steuerung_->SpeicherMeldungAbholen(); !gespeichert.empty())
        statusBar()->showMessage(Text(gespeichert));
    TitelZeigen();
    ImporteZeigen();
}

void HauptFenster::TitelZeigen() {
    setWindowTitle((steuerung_ && steuerung_->IstBearbeitet() ? "*" : "") + Titel());
}

void HauptFenster::BearbeitungVerfolgen(QWidget* seite) {
    // Combos filled without KomboFuellen (fixed lists) show their texts whole as well.
    for (auto* k : seite->findChildren<QComboBox*>()) KomboGanzZeigen(k);
    // Only what a person does: these signals are not sent when a page is filled.
    const auto bearbeitet = [this] {
        steuerung_->Bearbeitet();
        TitelZeigen();
    };
    for (auto* e : seite->findChildren<QLineEdit*>())
        if (!e->isReadOnly()) connect(e, &QLineEdit::textEdited, this, bearbeitet);
    for (auto* k : seite->findChildren<QComboBox*>()) connect(k, &QComboBox::activated, this, bearbeitet);
    for (auto* k : seite->findChildren<QAbstractButton*>())
        if (k->isCheckable()) connect(k, &QAbstractButton::clicked, this, bearbeitet);
    for (auto* v : seite->findChildren<QAbstractItemView*>())
        if (v->itemDelegate()) connect(v->itemDelegate(), &QAbstractItemDelegate::commitData, this, bearbeitet);
    for (auto* u : seite->findChildren<UEBlatt*>()) connect(u, &UEBlatt::geaendert, this, bearbeitet);
}

void HauptFenster::ImporteZeigen() {
    std::vector<BereichsImport> importe = steuerung_->ImporteAbholen();
    if (importe.empty()) return;
    if (!import_) import_ = new ImportFenster(meldungen_, this);
    import_->BerichtsOrdnerSetzen(QString::fromStdString(steuerung_->Ordnerpfade().Daten));
    import_->Anzeigen(std::move(importe), Cp1252ToUtf8(steuerung_->Einstellungen().Schulnummer.view()),
                      HeutigesDatum());
    import_->show();
    import_->raise();
}

void HauptFenster::ErgebnisZeigen() {
    ergebnis_->BerichtsOrdnerSetzen(QString::fromStdString(steuerung_->Ordnerpfade().Daten));
    ergebnis_->Zeigen(ErgebnisseAufbauen(steuerung_->Plausi(), steuerung_->Texte()),
                      Cp1252ToUtf8(steuerung_->Einstellungen().Schulnummer.view()));
}

void HauptFenster::GruppeZeigen() {
    gruppe_->BerichtsOrdnerSetzen(QString::fromStdString(steuerung_->Ordnerpfade().Daten));
    const PlausiLauf& p = steuerung_->Plausi();
    const int gewaehlt = gruppe_->Zeigen(GruppenAnzeigeAufbauen(p.Gruppenart, p.Alarmschwelle, steuerung_->Daten()),
                                         Cp1252ToUtf8(steuerung_->Einstellungen().Schulnummer.view()));
    if (gewaehlt < 0) return;
    const Seite seite = p.Gruppenart == kGruppenartKlassen    ? Seite::Klassen
                        : p.Gruppenart == kGruppenartSchueler ? Seite::Schueler
                                                              : Seite::Lehrer;
    // The jump runs after the check has ended, as a click in the list would.
    QTimer::singleShot(0, this, [this, gewaehlt, seite] {
        seiten_->setCurrentIndex(static_cast<int>(seite));
        unterseiten_[Nr(seite)]->setCurrentIndex(0);
        listen_[Nr(seite)]->Waehlen(gewaehlt);
    });
}

void HauptFenster::EinstellungenZeigen() {
    // The settings belong to the run that writes the data folder.
    if (steuerung_->SchreibenVerweigert()) return;
    EinstellungsDialog dialog(steuerung_->Einstellungen(), programmOrdner_, meldungen_, this);
    dialog.DateistandVerfolgen(&steuerung_->EinstellungsStand());
    if (dialog.exec() == QDialog::Accepted) steuerung_->EinstellungenUebernommen();
    ZustandZeigen();
}

void HauptFenster::Oeffnen() {
    const QString pfad =
        QFileDialog::getOpenFileName(this, "Einlesen ...", QString::fromStdString(steuerung_->Ordnerpfade().Import),
                                     "XML-Dateien (*.XML *.xml);;Alle Dateien(*.*) (*)");
    if (pfad.isEmpty()) return;
    steuerung_->Oeffnen(pfad.toStdString());
    ListeZeigen(steuerung_->AktuelleSeite());
    ZustandZeigen();
}

void HauptFenster::Liefern() {
    const QString ordner = QFileDialog::getExistingDirectory(this, "Lieferung erstellen in ...",
                                                             QString::fromStdString(steuerung_->Ordnerpfade().Export));
    if (ordner.isEmpty()) return;
    const LieferAusgang a = LieferungErstellen(
        *steuerung_, meldungen_, ordner.toStdString(),
        [this](const Pruefbericht& b) { return meldungen_.Frage(LieferFrage(b)); }, Heute());
    if (a.stand == LieferStand::Geschrieben) meldungen_.Information(LieferMeldung(a));
    ListeZeigen(steuerung_->AktuelleSeite());
    ZustandZeigen();
}

void HauptFenster::Hilfe() {
    const QString pfad = HandbuchPfad(QCoreApplication::applicationDirPath());
    if (!handbuch_) handbuch_ = new HandbuchFenster(this);
    if (pfad.isEmpty() || !handbuch_->Laden(pfad)) {
        meldungen_.Information("Das Handbuch (" + std::string(kHandbuchDatei) +
                               ") ist nicht zu finden oder nicht lesbar.\r\rEs wird neben dem Programm im Ordner "
                               "\"doc\" oder im Ordner \"share/doc/zev-manager\" der Installation gesucht.");
        return;
    }
    handbuch_->show();
    handbuch_->raise();
    handbuch_->activateWindow();
    handbuch_->Abschnitt(QString::fromUtf8(std::string(AktuellerAbschnitt())));
}

std::string_view HauptFenster::AktuellerAbschnitt() const {
    const int index = seiten_->currentIndex();
    const Seite s = index >= 0 && index <= static_cast<int>(Seite::Schueler) ? static_cast<Seite>(index) : Seite::Start;
    const QTabWidget* unterseiten = unterseiten_[Nr(s)];
    const int unterseite = unterseiten ? unterseiten->currentIndex() : 0;
    const QTabWidget* blaetter = s == Seite::Lehrer     ? lehrerSeite_->Unterseiten()
                                 : s == Seite::Klassen  ? klassenSeite_->Unterseiten()
                                 : s == Seite::Schueler ? schuelerSeite_->Unterseiten()
                                                        : nullptr;
    return HandbuchAbschnitt(s, unterseite, blaetter ? blaetter->currentIndex() : 0);
}

void HauptFenster::UeberDasProgramm() {
    QMessageBox::about(this, "Info",
                       Titel() + "\n\nZEV-Manager für Linux: Schuldaten für die Schulstatistik erfassen, prüfen "
                                 "und als XML übergeben.\n\nLizenz: MIT");
}

} // namespace zev::qt
