// The logic of the timed information box: its texts, the timer interval kept
// between calls, and the ten ticks of its progress bar.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace zev {

struct InfoTexte {
    std::string titel;
    std::string kopf;
    std::array<std::string, 5> zeilen;
};

class InfoBox {
public:
    static constexpr int kMaximum = 10;

    // Stores the texts; the interval becomes duration / 10, but only while it is
    // above 0 (once it has rounded to 0 it stays there).
    void Setzen(InfoTexte texte, std::uint16_t dauer) {
        texte_ = std::move(texte);
        if (intervall_ > 0) intervall_ = static_cast<std::uint16_t>(std::nearbyint(dauer / double(kMaximum)));
    }
    // On showing: counter and progress 1.
    void Gezeigt() {
        zaehler_ = 1;
        fortschritt_ = 1;
    }
    // One timer tick; true when the box closes now.
    bool Tick() {
        if (zaehler_ >= kMaximum) return true;
        ++zaehler_;
        fortschritt_ = zaehler_;
        // Should the bar run past its end, the counter starts again.
        if (fortschritt_ > kMaximum) zaehler_ = 0;
        return false;
    }

    const InfoTexte& Texte() const { return texte_; }
    std::uint16_t Intervall() const { return intervall_; }
    int Fortschritt() const { return fortschritt_; }

private:
    InfoTexte texte_;
    std::uint16_t intervall_ = 3000;
    std::uint16_t zaehler_ = 0;
    int fortschritt_ = 0;
};

} // namespace zev
