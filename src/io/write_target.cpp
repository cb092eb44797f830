#include "io/write_target.h"

#include "io/file_io.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zev::io {

namespace {

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string_view NameVon(std::string_view pfad) {
    const auto p = pfad.find_last_of('/');
    return p == std::string_view::npos ? pfad : pfad.substr(p + 1);
}

std::string OrdnerVon(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    if (p == std::string::npos) return ".";
    return p == 0 ? "/" : pfad.substr(0, p);
}

// As many links as the safe write follows before it gives up.
constexpr int kHoechstensLinks = 40;

} // namespace

bool EigeneDatei(std::string_view name) {
    const std::string n = Klein(name);
    for (std::string_view endung : {".zev", ".sic", ".ls1", ".ls2", ".defekt"})
        if (n.size() > endung.size() && n.ends_with(endung)) return true;
    return n == "zeveinstellungen.dat" || (n.starts_with("katalog") && n.ends_with(".csv"));
}

std::string SchreibzielGrund(const std::string& pfad) {
    std::string p = pfad;
    for (int i = 0; i <= kHoechstensLinks; ++i) {
        if (EigeneDatei(NameVon(p))) return std::string(kGrundEigeneDatei);
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0) return errno == ENOENT ? "" : SystemFehlerText(errno);
        if (S_ISREG(st.st_mode)) return "";
        if (S_ISDIR(st.st_mode)) return SystemFehlerText(EISDIR);
        if (!S_ISLNK(st.st_mode)) return std::string(kKeineDatei);
        std::string ziel(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), ziel.data(), ziel.size());
        if (n < 0) return SystemFehlerText(errno);
        if (n == 0 || static_cast<std::size_t>(n) >= ziel.size()) return SystemFehlerText(ENAMETOOLONG);
        ziel.resize(static_cast<std::size_t>(n));
        p = ziel.front() == '/' ? ziel : OrdnerVon(p) + "/" + ziel;
    }
    return SystemFehlerText(ELOOP);
}

std::string MeldungSchreibzielVerweigert(const std::string& pfad, const std::string& grund) {
    return "Die Datei:\r" + pfad + "\rwird nicht geschrieben!\r\r" + grund;
}

bool SchreibzielPruefen(const std::string& pfad, Meldungen& m) {
    const std::string grund = SchreibzielGrund(pfad);
    if (grund.empty()) return true;
    m.Fehler(MeldungSchreibzielVerweigert(pfad, grund));
    return false;
}

} // namespace zev::io
