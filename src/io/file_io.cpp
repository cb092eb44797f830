#include "io/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <set>
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

// Temporary files are named ".NAME.neu.PID.RANDOM" (the new image) and
// ".NAME.alt.PID.RANDOM" (a link to the old one on its way to the previous version),
// beside the file they belong to. The random part makes names that cannot collide
// with a stale file of a dead process that had the same id.
std::string TempPrefix(const std::string& ziel, const char* art) {
    std::string p = ".";
    p += NameVon(ziel);
    p += '.';
    p += art;
    p += '.';
    return p;
}

std::string TempName(const std::string& ordner, const std::string& ziel, const char* art) {
    static std::mt19937_64 zufall{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    static const char zeichen[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ordner + "/" + TempPrefix(ziel, art) + std::to_string(::getpid()) + ".";
    for (int i = 0; i < 8; ++i) name += zeichen[zufall() % (sizeof zeichen - 1)];
    return name;
}

// Temporary files this process has in use; one of ours that is not listed here
// was left by an earlier process that had our id.
std::set<std::string>& InArbeit() {
    static std::set<std::string> namen;
    return namen;
}

// Whether the writer of a temporary file no longer runs (the id follows the prefix).
bool Verwaist(const std::string& pfad, std::string_view rest) {
    const auto punkt = rest.find('.');
    if (punkt == 0 || punkt == std::string_view::npos) return false;
    long pid = 0;
    for (const char c : rest.substr(0, punkt)) {
        if (c < '0' || c > '9' || pid > 4194304) return false;
        pid = pid * 10 + (c - '0');
    }
    if (pid <= 0) return false;
    if (pid == ::getpid()) return InArbeit().count(pfad) == 0;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of `ziel` in `ordner` whose writers are gone
// (killed during a save); best effort, so nothing here is counted or reported.
void Aufraeumen(const std::string& ordner, const std::string& ziel) {
    DIR* d = ::opendir(ordner.c_str());
    if (!d) return;
    const std::string neu = TempPrefix(ziel, "neu"), alt = TempPrefix(ziel, "alt");
    std::vector<std::string> weg;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        for (const std::string* p : {&neu, &alt}) {
            if (name.size() <= p->size() || name.compare(0, p->size(), *p) != 0) continue;
            const std::string pfad = ordner + "/" + std::string(name);
            if (Verwaist(pfad, name.substr(p->size()))) weg.push_back(pfad);
        }
    }
    ::closedir(d);
    for (const std::string& pfad : weg) ::unlink(pfad.c_str());
}

// The file a path finally names: symbolic links are followed, so a save replaces
// the link's target and keeps the link (a dangling link names the file to create).
std::string Aufloesen(const std::string& pfad) {
    std::string p = pfad;
    for (int i = 0; i < 40; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string ziel(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), ziel.data(), ziel.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= ziel.size()) return p;
        ziel.resize(static_cast<std::size_t>(n));
        p = ziel.front() == '/' ? ziel : OrdnerVon(p) + "/" + ziel;
    }
    return p;
}

} // namespace

std::string Umbenennen(const std::string& von, const std::string& nach) {
    if (Verhindert() || ::rename(von.c_str(), nach.c_str()) != 0) return SystemFehlerText(errno);
    OrdnerSichern(OrdnerVon(nach));
    return {};
}

std::string Entfernen(const std::string& pfad) {
    if (Verhindert() || (::unlink(pfad.c_str()) != 0 && errno != ENOENT)) return SystemFehlerText(errno);
    OrdnerSichern(OrdnerVon(pfad));
    return {};
}

std::string SystemFehlerText(int err) {
    return std::error_code(err, std::generic_category()).message();
}

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
    // Without blocking: a FIFO in place of a data file would wait for a writer forever.
    if (!Verhindert()) fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        fehler_ = SystemFehlerText(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fehler_ = SystemFehlerText(errno);
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        fehler_ = S_ISDIR(st.st_mode) ? SystemFehlerText(EISDIR) : std::string(kKeineDatei);
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    fd_ = fd;
    groesse_ = static_cast<std::uint64_t>(st.st_size);
    return true;
}

std::optional<std::size_t> EingabeDatei::Teil(void* ziel, std::size_t n) {
    while (true) {
        if (fd_ < 0 || Verhindert()) {
            fehler_ = SystemFehlerText(fd_ < 0 ? EBADF : errno);
            return std::nullopt;
        }
        const ssize_t r = ::read(fd_, ziel, n);
        if (r >= 0) return static_cast<std::size_t>(r);
        if (errno == EINTR) continue;
        fehler_ = SystemFehlerText(errno);
        return std::nullopt;
    }
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

SichereAusgabe::~SichereAusgabe() {
    Verwerfen();
}

void SichereAusgabe::Verwerfen() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        InArbeit().erase(temp_);
    }
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
    echt_ = Aufloesen(ziel);
    vorgaenger_ = vorgaenger;
    fehler_.reset();
    const std::string ordner = OrdnerVon(echt_);
    Aufraeumen(ordner, echt_);
    if (!vorgaenger_.empty() && OrdnerVon(vorgaenger_) != ordner) Aufraeumen(OrdnerVon(vorgaenger_), echt_);

    // The replaced file keeps its permission bits (and owner, where we may set it).
    struct stat st {};
    bisher_ = ::stat(echt_.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    modus_ = static_cast<unsigned>(st.st_mode & 07777);
    uid_ = st.st_uid;
    gid_ = st.st_gid;

    // The new image goes under a temporary name beside the target.
    if (Verhindert()) return Fehlschlag(SchreibFehler::Stufe::Erstellen);
    for (int versuch = 0; versuch < 100 && fd_ < 0; ++versuch) {
        const std::string temp = TempName(ordner, echt_, "neu");
        fd_ = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd_ >= 0) {
            temp_ = temp;
            InArbeit().insert(temp_);
        } else if (errno != EEXIST) {
            break;
        }
    }
    if (fd_ < 0) return Fehlschlag(SchreibFehler::Stufe::Erstellen);
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

bool SichereAusgabe::VorgaengerBehalten(bool& zielVerschoben) {
    const std::string ordner = OrdnerVon(vorgaenger_);
    // A hard link keeps the target in place the whole time.
    std::string alt;
    int err = 0;
    if (Verhindert()) return false;
    for (int versuch = 0; versuch < 100; ++versuch) {
        alt = TempName(ordner, echt_, "alt");
        InArbeit().insert(alt);
        if (::link(echt_.c_str(), alt.c_str()) == 0) break;
        err = errno;
        InArbeit().erase(alt);
        alt.clear();
        if (err != EEXIST) break;
    }
    if (!alt.empty()) {
        const bool ok = !Verhindert() && ::rename(alt.c_str(), vorgaenger_.c_str()) == 0;
        err = errno;
        // When the previous version already is a link of the target, rename has nothing
        // to do and leaves the temporary name; it goes in every case.
        ::unlink(alt.c_str());
        InArbeit().erase(alt);
        errno = err;
        return ok;
    }
    // File systems without links: the target itself moves, in the same folder.
    if (echt_ == ziel_ && ordner == OrdnerVon(echt_)) {
        if (Verhindert() || ::rename(echt_.c_str(), vorgaenger_.c_str()) != 0) return false;
        zielVerschoben = true;
        return true;
    }
    // A linked target in another file system: the previous version is a copy.
    std::string fehler;
    const auto bisher = GanzLesen(echt_, fehler);
    if (!bisher) {
        errno = EIO;
        return false;
    }
    SichereAusgabe kopie;
    std::optional<SchreibFehler> f = kopie.Oeffnen(vorgaenger_);
    if (!f) f = kopie.Schreiben(*bisher) ? kopie.Abschliessen() : kopie.Fehler();
    if (f) errno = EIO;
    return !f;
}

std::optional<SchreibFehler> SichereAusgabe::Abschliessen() {
    using Stufe = SchreibFehler::Stufe;
    if (fd_ < 0) return fehler_ ? fehler_ : SchreibFehler{Stufe::Schreiben, SystemFehlerText(EBADF)};
    // 1. The new image, complete, with the old file's permissions, and on disk.
    if (bisher_) {
        if (::fchmod(fd_, static_cast<mode_t>(modus_)) != 0) return Fehlschlag(Stufe::Schreiben);
        if (uid_ != ::geteuid() || gid_ != ::getegid()) (void)!::fchown(fd_, uid_, gid_); // only where allowed
    }
    if (Verhindert() || ::fsync(fd_) != 0) return Fehlschlag(Stufe::Schreiben);
    const bool verhindert = Verhindert();
    const bool geschlossen = ::close(fd_) == 0 && !verhindert;
    fd_ = -1;
    if (!geschlossen) return Fehlschlag(Stufe::Schreiben);

    // 2. The old file becomes the previous version.
    bool zielVerschoben = false;
    if (!vorgaenger_.empty() && Existiert(echt_) && !VorgaengerBehalten(zielVerschoben))
        return Fehlschlag(Stufe::Umbenennen);

    // 3. The new image takes the place of the target.
    if (Verhindert() || ::rename(temp_.c_str(), echt_.c_str()) != 0) {
        const int err = errno;
        if (zielVerschoben) ::rename(vorgaenger_.c_str(), echt_.c_str()); // put the current data back
        errno = err;
        return Fehlschlag(Stufe::Umbenennen);
    }
    InArbeit().erase(temp_);
    temp_.clear();
    OrdnerSichern(OrdnerVon(echt_));
    if (!vorgaenger_.empty() && OrdnerVon(vorgaenger_) != OrdnerVon(echt_)) OrdnerSichern(OrdnerVon(vorgaenger_));
    return std::nullopt;
}

std::optional<SchreibFehler> SicherSchreiben(const std::string& ziel, std::span<const std::uint8_t> daten,
                                             const std::string& vorgaenger) {
    SichereAusgabe aus;
    if (auto f = aus.Oeffnen(ziel, vorgaenger)) return f;
    if (!aus.Schreiben(daten)) return aus.Fehler();
    return aus.Abschliessen();
}

namespace {

// Moves the finished folder to `ziel` unless something is there already.
// Without RENAME_NOREPLACE (some file systems refuse it) the name is first
// taken by an empty folder of our own, which a rename may then replace.
bool OhneErsetzenUmbenennen(const std::string& von, const std::string& ziel) {
    if (Verhindert()) return false;
    if (::renameat2(AT_FDCWD, von.c_str(), AT_FDCWD, ziel.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::mkdir(ziel.c_str(), 0700) != 0) return false;
    if (::rename(von.c_str(), ziel.c_str()) == 0) return true;
    const int e = errno;
    ::rmdir(ziel.c_str());
    errno = e;
    return false;
}

bool DateiAnlegen(const std::string& pfad, std::string_view inhalt) {
    if (Verhindert()) return false;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool ok = AllesSchreiben(fd, reinterpret_cast<const std::uint8_t*>(inhalt.data()), inhalt.size()) &&
                    !Verhindert() && ::fsync(fd) == 0;
    const int e = errno;
    const bool zu = ::close(fd) == 0;
    if (!ok) errno = e;
    return ok && zu;
}

} // namespace

std::optional<std::string> OrdnerSchreiben(const std::string& eltern, const std::string& name,
                                           std::span<const OrdnerDatei> dateien, std::string& fehler) {
    std::string basis = eltern.empty() ? std::string(".") : eltern;
    if (basis.size() > 1 && basis.back() == '/') basis.pop_back();
    const auto scheitern = [&](const std::string& pfad) {
        fehler = pfad + ": " + SystemFehlerText(errno);
        return std::nullopt;
    };
    std::string temp;
    for (int versuch = 0;; ++versuch) {
        temp = TempName(basis, name, "neu");
        if (Verhindert()) return scheitern(temp);
        if (::mkdir(temp.c_str(), 0777) == 0) break;
        if (errno != EEXIST || versuch == 9) return scheitern(temp);
    }
    std::vector<std::string> angelegt;
    const auto wegraeumen = [&] {
        const int e = errno;
        for (const std::string& p : angelegt) ::unlink(p.c_str());
        ::rmdir(temp.c_str());
        errno = e;
    };
    for (const OrdnerDatei& d : dateien) {
        const std::string pfad = temp + "/" + d.name;
        angelegt.push_back(pfad);
        if (!DateiAnlegen(pfad, d.inhalt)) {
            wegraeumen();
            return scheitern(basis + "/" + name + "/" + d.name);
        }
    }
    OrdnerSichern(temp);
    for (int n = 1; n < 1000; ++n) {
        const std::string ziel = basis + "/" + name + (n == 1 ? std::string() : "-" + std::to_string(n));
        if (OhneErsetzenUmbenennen(temp, ziel)) {
            OrdnerSichern(basis);
            return ziel;
        }
        if (errno != EEXIST && errno != ENOTEMPTY) {
            wegraeumen();
            return scheitern(ziel);
        }
    }
    errno = EEXIST;
    wegraeumen();
    return scheitern(basis + "/" + name + "-999");
}

namespace test {
void FehlerBeiSchritt(int n) {
    gFehlerBei = n;
    gSchritte = 0;
}
int Schritte() {
    return gSchritte;
}
} // namespace test

} // namespace zev::io

namespace zev::io {
std::string ProgrammOrdner() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return exe.parent_path().string() + "/";
}
void GrosseSeitenErbitten(void* anfang, std::size_t laenge) {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kGross = 2u << 20;
    const auto a = reinterpret_cast<std::uintptr_t>(anfang);
    const std::uintptr_t von = (a + kGross - 1) & ~(kGross - 1);
    const std::uintptr_t bis = (a + laenge) & ~(kGross - 1);
    if (bis > von) ::madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
#else
    (void)anfang;
    (void)laenge;
#endif
}

} // namespace zev::io
