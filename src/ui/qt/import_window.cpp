#include "ui/qt/import_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zev::qt {

ImportFenster::ImportFenster(Meldungen& m, QWidget* eltern) : QDialog(eltern), m_(m) {
    druck_.Einrichten(this, [this] { return ImportHtml(importe_, schulnummer_, datum_); });
    setObjectName("importFenster");
    setWindowTitle("Import-Bericht");
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("importText");
    text_->setAccessibleName("Import-Bericht");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* speichern = new QPushButton("Bericht speichern ...", this);
    speichern->setObjectName("berichtSpeichern");
    speichern->setAccessibleName("Bericht speichern ...");
    speichern->setAutoDefault(false);
    beenden_ = new QPushButton("Beenden", this);
    beenden_->setObjectName("beenden");
    beenden_->setAccessibleName("Beenden");
    beenden_->setDefault(true);
    connect(speichern, &QPushButton::clicked, this, &ImportFenster::Speichern);
    connect(beenden_, &QPushButton::clicked, this, &QDialog::accept);

    auto* fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(speichern);
    fuss->addWidget(beenden_);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(Beschriftung("Ergebnis des Imports:", text_));
    haupt->addWidget(text_, 1);
    haupt->addLayout(fuss);
    resize(900, 560);
}

void ImportFenster::Anzeigen(std::vector<BereichsImport> importe, std::string schulnummer, std::string datum) {
    importe_ = std::move(importe);
    schulnummer_ = std::move(schulnummer);
    datum_ = std::move(datum);
    text_->setPlainText(QString::fromStdString(ImportText(importe_)));
    beenden_->setFocus();
}

void ImportFenster::Speichern() {
    datei_.Speichern(this, "Import", schulnummer_, [&](const std::string& pfad) {
        return ImportBerichtSpeichern(pfad, importe_, schulnummer_, datum_, m_);
    });
}

} // namespace zev::qt
