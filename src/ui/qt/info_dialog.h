// The timed information box: title, bold headline, five centred lines, a
// progress bar of ten steps and "OK   /   Schließen". It closes by itself on
// the tenth tick of its timer, or at once by its button.
#pragma once

#include "control/info_box.h"

#include <QDialog>
#include <QTimer>

class QLineEdit;
class QTextEdit;
class QProgressBar;
class QPushButton;

namespace zev::qt {

class InfoDialog : public QDialog {
    Q_OBJECT
public:
    InfoDialog(InfoBox& logik, QWidget* eltern = nullptr);

    // Fills the box from the logic's texts and shows it modally until it closes.
    void Zeigen();

    QTimer& Zeitgeber() { return timer_; }
    QProgressBar* Fortschritt() const { return fortschritt_; }

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void Tick();

    InfoBox& logik_;
    QTimer timer_;
    QLineEdit* kopf_;
    QTextEdit* text_;
    QProgressBar* fortschritt_;
    QPushButton* knopf_;
};

} // namespace zev::qt
