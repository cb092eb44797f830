#include "io/program_folder.h"

#include "io/file_io.h"
#include "model/build_config.h"
#include "model/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zev::io {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> Variable(const char* name) {
    const char* wert = std::getenv(name);
    if (!wert) return std::nullopt;
    return std::string(wert);
}

bool Absolut(const std::optional<std::string>& pfad) {
    return pfad && !pfad->empty() && pfad->front() == '/';
}

// The catalogue files of a folder, by name, sorted.
std::vector<std::string> Kataloge(const std::string& ordner) {
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 11 && name.starts_with("Katalog") && name.ends_with(".csv") && IstDatei(it->path().string()))
            namen.push_back(name);
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

// Copies every catalogue of `quelle` that `ziel` lacks; "" or the message of the
// first failure, after which the copies of this call are gone again.
std::string KatalogeKopieren(const std::string& quelle, const std::string& ziel) {
    std::vector<std::string> kopiert;
    for (const std::string& name : Kataloge(quelle)) {
        const std::string von = quelle + name, nach = ziel + name;
        if (Existiert(nach)) continue;
        std::string fehler;
        const auto daten = GanzLesen(von, fehler);
        if (daten) {
            if (const auto f = SicherSchreiben(nach, *daten)) fehler = f->text;
        }
        if (!fehler.empty()) {
            std::error_code ec;
            for (const std::string& k : kopiert) fs::remove(k, ec);
            return "Der Katalog:\r" + von + "\rkann nicht in den Programm-Ordner:\r" + ziel + "\rkopiert werden!\r\r" +
                   fehler + "\r\rEs wurde kein Katalog kopiert.";
        }
        kopiert.push_back(nach);
    }
    return {};
}

} // namespace

std::string AbsoluterOrdner(const std::string& pfad) {
    std::error_code ec;
    const fs::path absolut = fs::absolute(pfad.empty() ? fs::path(".") : fs::path(pfad), ec);
    if (ec) return MitTrenner(pfad.empty() ? "." : pfad); // no working folder to start from
    return MitTrenner(absolut.lexically_normal().string());
}

Umgebung UmgebungLesen() {
    return {Variable("HOME"), Variable("XDG_DATA_HOME")};
}

bool HatKataloge(const std::string& ordner) {
    return !Kataloge(ordner).empty();
}

std::optional<std::string> BenutzerProgrammOrdner(const Umgebung& env) {
    // A relative XDG_DATA_HOME is to be ignored, as the XDG base directory rules say.
    if (Absolut(env.xdgDataHome)) return MitTrenner(PfadVon(*env.xdgDataHome, "zev-manager"));
    if (Absolut(env.home)) return MitTrenner(PfadVon(*env.home, ".local/share/zev-manager"));
    return std::nullopt;
}

std::string InstallierteKataloge(const std::string& exeOrdner) {
    const fs::path pfad = fs::path(MitTrenner(exeOrdner)) / kDatenRelativZumProgramm / "catalogues/";
    return pfad.lexically_normal().string();
}

StandardOrdner StandardProgrammOrdner(const std::string& exeOrdner, const Umgebung& env) {
    const std::string exe = MitTrenner(exeOrdner.empty() ? std::string(".") : exeOrdner);
    if (HatKataloge(exe)) return {exe, ""};

    // Without a folder of its own the window at least gets the catalogues (zev stops anyway).
    const std::string installiert = InstallierteKataloge(exe);
    const std::string notbehelf = HatKataloge(installiert) ? installiert : exe;
    const auto benutzer = BenutzerProgrammOrdner(env);
    if (!benutzer)
        return {notbehelf, "Der Programm-Ordner kann nicht bestimmt werden!\r\rIm Ordner des Programms:\r" + exe +
                               "\rliegen keine Kataloge, und weder HOME noch XDG_DATA_HOME nennt einen absoluten Pfad."
                               "\r\rGeben Sie den Programm-Ordner mit --home ORDNER an."};
    if (!IstOrdner(*benutzer)) {
        std::error_code ec;
        fs::create_directories(*benutzer, ec);
        if (!IstOrdner(*benutzer))
            return {notbehelf, "Der Programm-Ordner:\r" + *benutzer + "\rkann nicht erstellt werden!\r\r" +
                                   (ec ? ec.message() : SystemFehlerText(ENOTDIR)) +
                                   "\r\rGeben Sie einen anderen mit --home ORDNER an."};
    }
    if (HatKataloge(*benutzer)) return {*benutzer, ""};
    std::string fehler = KatalogeKopieren(installiert, *benutzer);
    return {fehler.empty() ? *benutzer : notbehelf, std::move(fehler)};
}

} // namespace zev::io
