// Messages of the program as Qt message boxes: icon by kind, OK or Yes/No, each
// "\r" a line break, centred on the window that owns them. Tests pass a scripted
// `Meldungen` of their own instead.
#pragma once

#include "model/messages.h"

#include <QString>
#include <QWidget>

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

private:
    QWidget* eltern_;
};

// UTF-8 to QString, "\r" as a line break.
QString Anzeigetext(std::string_view text);

} // namespace zev::qt
