#include "io/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace zev::io {

namespace {

int gFehlerBei = 0;
int gSchritte = 0;

// Counts one fallible operation; true when the injected failure hits it.
bool Verhindert() {
    ++gSchritte;
    if (gFehlerBei > 0 && gSchritte == gFehlerBei) {
        errno = EIO;
        return true;
    }
    return false;
}

std::string OrdnerVon(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    if (p == std::string::npos) return ".";
    if (p == 0) return "/";
    return pfad.substr(0, p);
}

std::string NameVon(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    return p == std::string::npos ? pfad : pfad.substr(p + 1);
}

bool AllesSchreiben(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        if (Verhindert()) return false;
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) {
            errno = EIO;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

void OrdnerSichern(const std::string& ordner) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // best effort: not every file system can sync a folder
    ::close(fd);
}

// A unique name in the folder of `ziel` for a file we are about to create.
std::string TempName(const std::string& ziel, const char* art) {
    static unsigned zaehler = 0;
    return OrdnerVon(ziel) + "/." + NameVon(ziel) + "." + art + "." + std::to_string(::getpid()) + "." +
           std::to_string(++zaehler);
}

} // namespace

std::string SystemFehlerText(int err) { return std::error_code(err, std::generic_category()).message(); }

bool Existiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0;
}

bool IstOrdner(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IstDatei(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool OrdnerAnlegen(const std::string& pfad) {
    if (IstOrdner(pfad)) return true;
    if (Verhindert()) return false;
    std::error_code ec;
    std::filesystem::create_directories(pfad, ec);
    return IstOrdner(pfad);
}

EingabeDatei::~EingabeDatei() {
    if (fd_ >= 0) ::close(fd_);
}

bool EingabeDatei::Oeffnen(const std::string& pfad) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    fehler_.clear();
    int fd = -1;
    if (!Verhindert()) fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fehler_ = SystemFehlerText(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        fehler_ = SystemFehlerText(S_ISDIR(st.st_mode) ? EISDIR : errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    groesse_ = static_cast<std::uint64_t>(st.st_size);
    return true;
}

bool EingabeDatei::Lesen(void* ziel, std::size_t n) {
    auto* p = static_cast<std::uint8_t*>(ziel);
    while (n > 0) {
        if (fd_ < 0 || Verhindert()) {
            fehler_ = SystemFehlerText(fd_ < 0 ? EBADF : errno);
            return false;
        }
        const ssize_t r = ::read(fd_, p, n);
        if (r < 0) {
            if (errno == EINTR) continue;
            fehler_ = SystemFehlerText(errno);
            return false;
        }
        if (r == 0) {
            fehler_.clear();
            return false;
        }
        p += r;
        n -= static_cast<std::size_t>(r);
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> GanzLesen(const std::string& pfad, std::string& fehler) {
    EingabeDatei d;
    if (!d.Oeffnen(pfad)) {
        fehler = d.Fehler();
        return std::nullopt;
    }
    std::vector<std::uint8_t> daten(d.Groesse());
    if (!daten.empty() && !d.Lesen(daten.data(), daten.size())) {
        fehler = d.Fehler().empty() ? SystemFehlerText(EIO) : d.Fehler();
        return std::nullopt;
    }
    return daten;
}

SichereAusgabe::~SichereAusgabe() { Verwerfen(); }

void SichereAusgabe::Verwerfen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

std::optional<SchreibFehler> SichereAusgabe::Fehlschlag(SchreibFehler::Stufe s) {
    fehler_ = SchreibFehler{s, SystemFehlerText(errno)};
    Verwerfen();
    return fehler_;
}

std::optional<SchreibFehler> SichereAusgabe::Oeffnen(const std::string& ziel, const std::string& vorgaenger) {
    Verwerfen();
    ziel_ = ziel;
    vorgaenger_ = vorgaenger;
    fehler_.reset();
    // The new image goes under a temporary name beside the target.
    const std::string temp = TempName(ziel, "neu");
    if (!Verhindert()) fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0) return Fehlschlag(SchreibFehler::Stufe::Erstellen);
    temp_ = temp;
    return std::nullopt;
}

bool SichereAusgabe::Schreiben(std::span<const std::uint8_t> daten) {
    if (fd_ < 0) return false;
    if (!AllesSchreiben(fd_, daten.data(), daten.size())) {
        Fehlschlag(SchreibFehler::Stufe::Schreiben);
        return false;
    }
    return true;
}

std::optional<SchreibFehler> SichereAusgabe::Abschliessen() {
    using Stufe = SchreibFehler::Stufe;
    if (fd_ < 0) return fehler_ ? fehler_ : SchreibFehler{Stufe::Schreiben, SystemFehlerText(EBADF)};
    // 1. The new image, complete and on disk.
    if (Verhindert() || ::fsync(fd_) != 0) return Fehlschlag(Stufe::Schreiben);
    const bool geschlossen = !Verhindert() && ::close(fd_) == 0;
    fd_ = -1;
    if (!geschlossen) return Fehlschlag(Stufe::Schreiben);

    // 2. The old file becomes the previous version. A hard link keeps the target in
    //    place the whole time; file systems without links fall back to a rename.
    bool zielVerschoben = false;
    if (!vorgaenger_.empty() && Existiert(ziel_)) {
        const std::string alt = TempName(ziel_, "alt");
        if (!Verhindert() && ::link(ziel_.c_str(), alt.c_str()) == 0) {
            if (Verhindert() || ::rename(alt.c_str(), vorgaenger_.c_str()) != 0) {
                const int err = errno;
                ::unlink(alt.c_str());
                errno = err;
                return Fehlschlag(Stufe::Umbenennen);
            }
        } else {
            if (Verhindert() || ::rename(ziel_.c_str(), vorgaenger_.c_str()) != 0) return Fehlschlag(Stufe::Umbenennen);
            zielVerschoben = true;
        }
    }

    // 3. The new image takes the place of the target.
    if (Verhindert() || ::rename(temp_.c_str(), ziel_.c_str()) != 0) {
        const int err = errno;
        if (zielVerschoben) ::rename(vorgaenger_.c_str(), ziel_.c_str()); // put the current data back
        errno = err;
        return Fehlschlag(Stufe::Umbenennen);
    }
    temp_.clear();
    OrdnerSichern(OrdnerVon(ziel_));
    return std::nullopt;
}

std::optional<SchreibFehler> SicherSchreiben(const std::string& ziel, std::span<const std::uint8_t> daten,
                                             const std::string& vorgaenger) {
    SichereAusgabe aus;
    if (auto f = aus.Oeffnen(ziel, vorgaenger)) return f;
    if (!aus.Schreiben(daten)) return aus.Fehler();
    return aus.Abschliessen();
}

namespace test {
void FehlerBeiSchritt(int n) {
    gFehlerBei = n;
    gSchritte = 0;
}
int Schritte() { return gSchritte; }
} // namespace test

} // namespace zev::io

namespace zev::io {
std::string ProgrammOrdner() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}
} // namespace zev::io
