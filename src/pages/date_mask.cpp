#include "pages/date_mask.h"

#include "model/encoding.h"

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

bool DatumAnnehmbar(std::string_view box, std::string_view maske) {
    if (!PasstZurMaske(box)) return false;
    bool geleert = true;
    for (std::size_t i : {0, 1, 3, 4, 8, 9}) geleert = geleert && box[i] == ' ';
    if (geleert) return true;
    const std::string d = DateFromMask(box, maske);
    if (d.find('?') != std::string::npos) return false; // without "?" it holds digits only
    const int tag = (d[0] - '0') * 10 + (d[1] - '0');
    const int monat = (d[3] - '0') * 10 + (d[4] - '0');
    const int jahr = std::stoi(d.substr(6, 4));
    if (monat < 1 || monat > 12 || tag < 1) return false;
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return tag <= kTage[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

DatumsKasten DatumsKastenAnlegen(std::string_view maske, std::string_view meldung) {
    DatumsKasten k;
    k.maske = std::string(maske);
    k.meldung = std::string(meldung);
    k.text = k.maske;
    return k;
}

void DatumZeigen(DatumsKasten& k, std::string_view gespeichert) {
    k.gespeichert = std::string(gespeichert);
    k.bearbeitet = false;
    bool imSpeicherformat = gespeichert.size() == 10 && gespeichert[2] == '.' && gespeichert[5] == '.';
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        imSpeicherformat =
            imSpeicherformat && (Ziffer(gespeichert[i]) || gespeichert[i] == ' ' || gespeichert[i] == '?');
    k.text = imSpeicherformat || gespeichert.empty() ? DatumInMaske(gespeichert, k.maske) : Cp1252ToUtf8(gespeichert);
}

void DatumEingeben(DatumsKasten& k, std::string_view text) {
    k.text = std::string(text);
    k.bearbeitet = true;
}

bool DatumVerlassen(DatumsKasten& k, Meldungen& m) {
    if (!k.bearbeitet || DatumAnnehmbar(k.text, k.maske)) return true;
    m.Fehler(k.meldung);
    DatumZeigen(k, std::string(k.gespeichert));
    return false;
}

void DatumUebernehmen(DatumsKasten& k, s10& feld, Meldungen& m) {
    if (!DatumVerlassen(k, m) || !k.bearbeitet) return;
    feld = DateFromMask(k.text, k.maske);
    DatumZeigen(k, feld.view());
}

} // namespace zev
