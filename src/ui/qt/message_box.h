// Messages of the program as Qt message boxes: icon by kind, OK or Yes/No, each
// "\r" a line break, centred on the window that owns them. For tests the boxes
// can be scripted: answers come from a queue and nothing is shown.
#pragma once

#include "model/messages.h"

#include <QString>
#include <QWidget>

#include <deque>
#include <string>
#include <vector>

namespace zev::qt {

class QtMeldungen final : public Meldungen {
public:
    explicit QtMeldungen(QWidget* eltern = nullptr) : eltern_(eltern) {}
    void Eltern(QWidget* eltern) { eltern_ = eltern; }

    Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) override;
    // A question box with the given buttons; Escape and closing the box choose the last.
    std::size_t Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) override;

    // Scripted mode for tests: no box appears; questions take the queued answers
    // (No when the queue is empty) and every message is recorded.
    static void Skriptbetrieb(bool an);
    static void NaechsteAntwort(bool ja);
    // The button index the next choice among several buttons takes (the last when none is queued).
    static void NaechsteWahl(std::size_t knopf);
    struct Eintrag {
        MeldungsArt art;
        std::string text;
    };
    static std::vector<Eintrag>& Protokoll();

private:
    QWidget* eltern_;
};

// UTF-8 to QString, "\r" as a line break.
QString Anzeigetext(std::string_view text);

} // namespace zev::qt
