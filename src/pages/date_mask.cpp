#include "pages/date_mask.h"

namespace zev {

namespace {

bool Ziffer(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Day or month: one digit gets a leading zero, two characters stay, else "??".
std::string TagOderMonat(std::string_view teil) {
    const std::string_view t = Getrimmt(teil);
    if (t.size() == 1) return "0" + std::string(t);
    if (t.size() == 2) return std::string(t);
    return "??";
}

} // namespace

bool PasstZurMaske(std::string_view box) {
    if (box.size() != 10 || box[2] != '.' || box[5] != '.') return false;
    for (std::size_t i = 0; i < box.size(); ++i)
        if (i != 2 && i != 5 && !Ziffer(box[i]) && box[i] != ' ') return false;
    return true;
}

std::string DateFromMask(std::string_view box, std::string_view maske) {
    std::string ergebnis(maske.size() == 10 ? maske : kMaskeGeburtsdatum);
    const auto teil = [&](std::size_t von, std::size_t n) { return von < box.size() ? box.substr(von, n) : ""; };
    const std::string tag = TagOderMonat(teil(0, 2));
    const std::string monat = TagOderMonat(teil(3, 2));
    ergebnis.replace(0, 2, tag);
    ergebnis.replace(3, 2, monat);
    const std::string_view jahrhundert = teil(6, 2);
    if (jahrhundert.size() == 2 && Ziffer(jahrhundert[0]) && Ziffer(jahrhundert[1]))
        ergebnis.replace(6, 2, jahrhundert);
    const std::string_view jahr = Getrimmt(teil(8, 2));
    ergebnis.replace(8, 2, jahr.size() == 2 ? std::string(jahr) : "??");
    return ergebnis;
}

std::string DatumInMaske(std::string_view gespeichert, std::string_view maske) {
    std::string box(maske.size() == 10 ? maske : kMaskeGeburtsdatum);
    if (gespeichert.size() != 10 || gespeichert[2] != '.' || gespeichert[5] != '.') return box;
    for (std::size_t i : {0, 1, 3, 4, 8, 9})
        box[i] = i < gespeichert.size() && Ziffer(gespeichert[i]) ? gespeichert[i] : ' ';
    if (gespeichert.size() >= 8 && Ziffer(gespeichert[6]) && Ziffer(gespeichert[7])) {
        box[6] = gespeichert[6];
        box[7] = gespeichert[7];
    }
    return box;
}

} // namespace zev
