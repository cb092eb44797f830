#include "storage/year_archive.h"

#include "io/file_io.h"
#include "model/settings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace zev {

namespace {

namespace fs = std::filesystem;

std::string Schuljahre(const std::string& datenOrdner) {
    return datenOrdner + kSchuljahreOrdner + "/";
}

std::string Hex(std::uint32_t v) {
    char b[9];
    std::snprintf(b, sizeof b, "%08x", v);
    return b;
}

struct Eintrag {
    std::string name;
    std::uint64_t groesse = 0;
    std::string crc;
};

std::vector<std::uint32_t> Pruefsummen(const std::vector<Jahresdatei>& dateien) {
    std::vector<std::uint32_t> r;
    for (const Jahresdatei& d : dateien) r.push_back(Crc32(d.bytes));
    return r;
}

std::string Liste(const std::vector<Jahresdatei>& dateien, const std::vector<std::uint32_t>& crc) {
    std::string s;
    for (std::size_t i = 0; i < dateien.size(); ++i)
        s += ArchivName(dateien[i].pfad) + ' ' + std::to_string(dateien[i].bytes.size()) + ' ' + Hex(crc[i]) + '\n';
    return s;
}

std::vector<Eintrag> ListeLesen(const std::string& text) {
    std::vector<Eintrag> e;
    std::istringstream in(text);
    Eintrag x;
    while (in >> x.name >> x.groesse >> x.crc) e.push_back(x);
    return e;
}

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::string Unvollstaendig(const std::string& ordner, const std::string& was) {
    return "Das Archiv:\r" + ordner + "\rist nicht vollständig oder beschädigt (" + was + ").";
}

std::string MeldungNichtsGeaendert(const std::string& pfad, const std::string& text) {
    return "Die Datei:\r" + pfad + "\rkann nicht geschrieben werden:\r" + text + "\r\rEs wurde nichts geändert.";
}

// Removes the folder tree `pfad`; best effort.
void Wegraeumen(const std::string& pfad) {
    std::error_code ec;
    fs::remove_all(pfad, ec);
}

// The journal: one line per target, "S" or "-" (the old file becomes .SIC or not), a tab, the path.
std::string Journal(const std::vector<Umstellziel>& ziele) {
    std::string s;
    for (const Umstellziel& z : ziele) s += std::string(z.alteAlsSic ? "S" : "-") + '\t' + z.pfad + '\n';
    return s;
}

// Puts the .NEU file of one target in place; a second call after a kill finishes what the first began.
std::string Einsetzen(const std::string& pfad, bool alteAlsSic) {
    const std::string neu = Nebendatei(pfad, "NEU");
    if (!io::Existiert(neu)) return {};
    if (alteAlsSic && io::Existiert(pfad))
        if (std::string f = io::Umbenennen(pfad, Nebendatei(pfad, "SIC")); !f.empty()) return f;
    return io::Umbenennen(neu, pfad);
}

} // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> daten) {
    // Eight bytes per step ("slicing by 8"): the archive checks a full student file twice.
    static const auto tabellen = [] {
        std::array<std::array<std::uint32_t, 256>, 8> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (std::size_t i = 0; i < 256; ++i)
            for (std::size_t k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
        return t;
    }();
    const auto& t = tabellen;
    std::uint32_t c = 0xFFFFFFFFu;
    const std::uint8_t* p = daten.data();
    std::size_t n = daten.size();
    for (; n >= 8; p += 8, n -= 8) {
        const std::uint32_t a = c ^ (std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                     std::uint32_t(p[3]) << 24);
        c = t[7][a & 0xFF] ^ t[6][(a >> 8) & 0xFF] ^ t[5][(a >> 16) & 0xFF] ^ t[4][a >> 24] ^ t[3][p[4]] ^ t[2][p[5]] ^
            t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; ++p, --n) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string ArchivOrdner(const std::string& datenOrdner, std::string_view jahr) {
    return Schuljahre(datenOrdner) + std::string(jahr) + "/";
}

std::string ArchivName(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    return p == std::string::npos ? pfad : pfad.substr(p + 1);
}

std::string Nebendatei(const std::string& pfad, std::string_view endung) {
    const auto punkt = pfad.find_last_of('.');
    const auto trenner = pfad.find_last_of('/');
    const bool mitEndung = punkt != std::string::npos && (trenner == std::string::npos || punkt > trenner);
    return (mitEndung ? pfad.substr(0, punkt) : pfad) + "." + std::string(endung);
}

std::string ArchivLesen(const std::string& datenOrdner, std::string_view jahr, std::vector<Jahresdatei>& dateien) {
    const std::string ordner = ArchivOrdner(datenOrdner, jahr);
    dateien.clear();
    if (!io::IstOrdner(ordner)) return "Es gibt kein Archiv des Schuljahres " + std::string(jahr) + ":\r" + ordner;
    std::string fehler;
    const auto liste = io::GanzLesen(ordner + kPruefsummenDatei, fehler);
    if (!liste) return Unvollstaendig(ordner, std::string(kPruefsummenDatei) + ": " + fehler);
    const auto eintraege = ListeLesen(std::string(liste->begin(), liste->end()));
    if (eintraege.empty()) return Unvollstaendig(ordner, std::string(kPruefsummenDatei) + " ist leer");
    for (const Eintrag& e : eintraege) {
        auto bytes = io::GanzLesen(ordner + e.name, fehler);
        if (!bytes) return Unvollstaendig(ordner, e.name + ": " + fehler);
        if (bytes->size() != e.groesse || Hex(Crc32(*bytes)) != e.crc)
            return Unvollstaendig(ordner, e.name + " hat nicht die verzeichnete Größe und Prüfsumme");
        dateien.push_back({ordner + e.name, std::move(*bytes)});
    }
    return {};
}

std::string Archivieren(const std::string& datenOrdner, std::string_view jahr,
                        const std::vector<Jahresdatei>& dateien) {
    const std::string ziel = ArchivOrdner(datenOrdner, jahr);
    const auto crc = Pruefsummen(dateien);
    const std::string liste = Liste(dateien, crc);
    if (io::Existiert(ziel)) {
        std::vector<Jahresdatei> da;
        if (ArchivLesen(datenOrdner, jahr, da).empty() && Liste(da, Pruefsummen(da)) == liste) return {};
        return "Im Ordner:\r" + ziel + "\rliegt schon ein Archiv des Schuljahres " + std::string(jahr) +
               ", das nicht den jetzigen Dateien entspricht.\r\rEs wird nichts überschrieben. Soll der "
               "Schuljahreswechsel noch einmal erfolgen, benennen Sie diesen Ordner zuvor um.";
    }
    const std::string arbeit = Schuljahre(datenOrdner) + "." + std::string(jahr) + ".neu/";
    const auto scheitern = [&](const std::string& pfad, const std::string& text) {
        Wegraeumen(arbeit);
        return "Das Archiv des Schuljahres " + std::string(jahr) + " kann nicht angelegt werden:\r" + pfad + "\r\r" +
               text + "\r\rEs wurde nichts geändert.";
    };
    Wegraeumen(arbeit); // left by a run that was killed while archiving
    if (!io::OrdnerAnlegen(arbeit)) return scheitern(arbeit, "Der Ordner kann nicht erstellt werden.");
    for (const Jahresdatei& d : dateien)
        if (const auto f = io::SicherSchreiben(arbeit + ArchivName(d.pfad), d.bytes))
            return scheitern(arbeit + ArchivName(d.pfad), f->text);
    if (const auto f = io::SicherSchreiben(arbeit + kPruefsummenDatei, Bytes(liste)))
        return scheitern(arbeit + kPruefsummenDatei, f->text);
    // Read back before anything else happens: the archive is the way back.
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        const std::string kopiePfad = arbeit + ArchivName(dateien[i].pfad);
        std::string fehler;
        const auto kopie = io::GanzLesen(kopiePfad, fehler);
        if (!kopie || kopie->size() != dateien[i].bytes.size() || Crc32(*kopie) != crc[i])
            return scheitern(kopiePfad, "Die Kopie stimmt nicht mit der Datei überein. " + fehler);
    }
    std::string ohneTrenner = ziel;
    ohneTrenner.pop_back();
    std::string arbeitOhne = arbeit;
    arbeitOhne.pop_back();
    if (const std::string f = io::Umbenennen(arbeitOhne, ohneTrenner); !f.empty()) return scheitern(ziel, f);
    return {};
}

std::vector<std::string> ArchivierteJahre(const std::string& datenOrdner) {
    std::vector<std::string> jahre;
    std::error_code ec;
    for (fs::directory_iterator i(Schuljahre(datenOrdner), ec), ende; !ec && i != ende; i.increment(ec))
        if (i->is_directory(ec) && i->path().filename().string()[0] != '.')
            jahre.push_back(i->path().filename().string());
    std::sort(jahre.begin(), jahre.end());
    return jahre;
}

std::string Umstellen(const std::string& datenOrdner, const std::vector<Umstellziel>& ziele,
                      const std::vector<Jahresdatei>& rueckfall) {
    const std::string journal = Schuljahre(datenOrdner) + kUmstellungsDatei;
    const auto neuWeg = [&] {
        for (const Umstellziel& z : ziele) io::Entfernen(Nebendatei(z.pfad, "NEU"));
    };
    for (const Umstellziel& z : ziele) {
        if (z.pfad.find('\n') != std::string::npos) return "interner Fehler: Zeilenwechsel im Pfad " + z.pfad;
        if (const auto f = io::SicherSchreiben(Nebendatei(z.pfad, "NEU"), z.bytes)) {
            neuWeg();
            return MeldungNichtsGeaendert(Nebendatei(z.pfad, "NEU"), f->text);
        }
    }
    const std::string liste = Journal(ziele);
    if (!io::OrdnerAnlegen(Schuljahre(datenOrdner))) {
        neuWeg();
        return MeldungNichtsGeaendert(Schuljahre(datenOrdner), "Der Ordner kann nicht erstellt werden.");
    }
    if (const auto f = io::SicherSchreiben(journal, Bytes(liste))) {
        neuWeg();
        return MeldungNichtsGeaendert(journal, f->text);
    }
    // From here on the new files count: a run killed now is completed by the next one.
    for (const Umstellziel& z : ziele) {
        const std::string f = Einsetzen(z.pfad, z.alteAlsSic);
        if (f.empty()) continue;
        bool zurueck = rueckfall.size() == ziele.size();
        for (std::size_t i = 0; zurueck && i < ziele.size(); ++i)
            zurueck = !io::SicherSchreiben(ziele[i].pfad, rueckfall[i].bytes);
        if (zurueck && io::Entfernen(journal).empty()) {
            neuWeg();
            return "Die Datei:\r" + z.pfad + "\rkann nicht ersetzt werden:\r" + f +
                   "\r\rDie bisherigen Dateien wurden aus dem Archiv wiederhergestellt.";
        }
        return "Die Datei:\r" + z.pfad + "\rkann nicht ersetzt werden:\r" + f +
               "\r\rDer Wechsel wird beim nächsten Start vollendet (Liste: " + journal + ").";
    }
    // The new year is in place; a list that stays is removed by the next run.
    io::Entfernen(journal);
    return {};
}

bool UmstellungNachholen(const std::string& datenOrdner, const std::string& programmOrdner, std::string& fehler) {
    fehler.clear();
    const std::string ordner = Schuljahre(datenOrdner);
    std::error_code ec;
    for (fs::directory_iterator i(ordner, ec), ende; !ec && i != ende; i.increment(ec)) {
        const std::string n = i->path().filename().string();
        if (n.size() > 4 && n[0] == '.' && n.ends_with(".neu")) Wegraeumen(i->path().string());
    }
    const std::string journal = ordner + kUmstellungsDatei;
    if (!io::Existiert(journal)) {
        std::vector<std::string> neu;
        for (const char* name : {"Schule", "Lehrer", "Klassen", "Schueler"}) neu.push_back(datenOrdner + name + ".NEU");
        neu.push_back(Nebendatei(programmOrdner + kEinstellungenDatei, "NEU"));
        for (const std::string& n : neu)
            if (io::Existiert(n)) io::Entfernen(n);
        return false;
    }
    const auto text = io::GanzLesen(journal, fehler);
    if (!text) {
        fehler =
            "Die Liste eines unterbrochenen Schuljahreswechsels kann nicht gelesen werden:\r" + journal + "\r" + fehler;
        return false;
    }
    std::istringstream in(std::string(text->begin(), text->end()));
    std::string zeile;
    while (std::getline(in, zeile)) {
        if (zeile.size() < 3 || zeile[1] != '\t') continue;
        if (const std::string f = Einsetzen(zeile.substr(2), zeile[0] == 'S'); !f.empty()) {
            fehler =
                "Ein unterbrochener Schuljahreswechsel kann nicht vollendet werden:\r" + zeile.substr(2) + "\r" + f;
            return false;
        }
    }
    if (const std::string f = io::Entfernen(journal); !f.empty()) fehler = f;
    return true;
}

} // namespace zev
