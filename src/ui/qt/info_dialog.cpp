#include "ui/qt/info_dialog.h"
#include "ui/qt/code_widgets.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace zev::qt {

InfoDialog::InfoDialog(InfoBox& logik, QWidget* eltern) : QDialog(eltern), logik_(logik) {
    setObjectName("infoDialog");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    kopf_ = new QLineEdit(this);
    kopf_->setObjectName("infoKopf");
    kopf_->setReadOnly(true);
    QFont fett = kopf_->font();
    fett.setBold(true);
    kopf_->setFont(fett);
    text_ = new QTextEdit(this);
    text_->setObjectName("infoText");
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 6 + 12);
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setObjectName("infoFortschritt");
    fortschritt_->setRange(0, InfoBox::kMaximum);
    fortschritt_->setTextVisible(false);
    knopf_ = new QPushButton("OK   /   Schließen", this);
    knopf_->setObjectName("infoKnopf");
    knopf_->setDefault(true);
    layout->addWidget(kopf_);
    layout->addWidget(text_);
    layout->addWidget(fortschritt_);
    layout->addWidget(knopf_, 0, Qt::AlignHCenter);
    setMinimumWidth(380);
    connect(knopf_, &QPushButton::clicked, this, &QDialog::accept);
    connect(&timer_, &QTimer::timeout, this, &InfoDialog::Tick);
    TabFolgeNachLage(this);
}

void InfoDialog::Zeigen() {
    const InfoTexte& t = logik_.Texte();
    setWindowTitle(QString::fromStdString(t.titel));
    kopf_->setText(QString::fromStdString(t.kopf));
    text_->clear();
    QStringList zeilen;
    for (const auto& z : t.zeilen) zeilen << QString::fromStdString(z);
    text_->setPlainText(zeilen.join('\n'));
    // Centre every line.
    QTextCursor c(text_->document());
    c.select(QTextCursor::Document);
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignHCenter);
    c.mergeBlockFormat(f);
    exec();
}

void InfoDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    logik_.Gezeigt();
    fortschritt_->setValue(logik_.Fortschritt());
    timer_.start(logik_.Intervall());
}

void InfoDialog::Tick() {
    if (logik_.Tick()) {
        accept();
        return;
    }
    fortschritt_->setValue(std::min(logik_.Fortschritt(), InfoBox::kMaximum));
}

void InfoDialog::done(int r) {
    timer_.stop();
    QDialog::done(r);
}

} // namespace zev::qt
