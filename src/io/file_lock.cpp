#include "io/file_lock.h"

#include "io/file_io.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zev::io {

namespace {

constexpr std::string_view kSchluessel[] = {"Programm=", "Benutzer=", "Rechner=", "Prozess=", "Seit="};

std::string* Feld(Sperrinhaber& i, std::size_t n) {
    std::string* felder[] = {&i.programm, &i.benutzer, &i.rechner, &i.prozess, &i.seit};
    return felder[n];
}

bool SperreSetzen(int fd, short art) {
    struct flock f {};
    f.l_type = art;
    f.l_whence = SEEK_SET;
    f.l_start = 0;
    f.l_len = 0;
    while (::fcntl(fd, F_OFD_SETLK, &f) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

// The file the path names now is the one open as `fd`: a holder removes the file
// when it lets go, and a run that waited on the removed file must not count it.
bool NochDieselbe(int fd, const std::string& pfad) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::stat(pfad.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string TextVon(int fd) {
    std::string text;
    char puffer[512];
    off_t pos = 0;
    while (text.size() < 4096) {
        const ssize_t n = ::pread(fd, puffer, sizeof puffer, pos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(puffer, static_cast<std::size_t>(n));
        pos += n;
    }
    return text;
}

} // namespace

std::string Sperrinhaber::Beschreibung() const {
    const auto oder = [](const std::string& s) { return s.empty() ? std::string("?") : s; };
    // "2026-12-07T10:42:13" is shown as "07.12.2026 10:42".
    std::string zeit = seit;
    if (seit.size() >= 16 && seit[4] == '-' && seit[7] == '-' && seit[10] == 'T')
        zeit = seit.substr(8, 2) + "." + seit.substr(5, 2) + "." + seit.substr(0, 4) + " " + seit.substr(11, 5);
    return "Benutzer " + oder(benutzer) + ", Rechner " + oder(rechner) + ", seit " + oder(zeit);
}

Sperrinhaber InhaberAusText(std::string_view text) {
    Sperrinhaber i;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
        for (std::size_t n = 0; n < std::size(kSchluessel); ++n)
            if (zeile.substr(0, kSchluessel[n].size()) == kSchluessel[n])
                *Feld(i, n) = std::string(zeile.substr(kSchluessel[n].size(), 200));
    }
    return i;
}

std::string InhaberAlsText(const Sperrinhaber& i) {
    Sperrinhaber kopie = i;
    std::string text;
    for (std::size_t n = 0; n < std::size(kSchluessel); ++n) {
        std::string wert = *Feld(kopie, n);
        for (char& c : wert)
            if (c == '\n' || c == '\r') c = ' ';
        text += std::string(kSchluessel[n]) + wert + "\n";
    }
    return text;
}

Sperrinhaber DieserLauf(std::string_view programm) {
    Sperrinhaber i;
    i.programm = std::string(programm);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        i.benutzer = pw->pw_name;
    else if (const char* u = std::getenv("USER"))
        i.benutzer = u;
    char rechner[256] = {};
    if (::gethostname(rechner, sizeof rechner - 1) == 0) i.rechner = rechner;
    i.prozess = std::to_string(::getpid());
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    ::localtime_r(&jetzt, &t);
    char zeit[32];
    std::strftime(zeit, sizeof zeit, "%Y-%m-%dT%H:%M:%S", &t);
    i.seit = zeit;
    return i;
}

Dateisperre::Ergebnis Dateisperre::Versuch(const std::string& pfad, const Sperrinhaber& ich) {
    for (int runde = 0; runde < 100; ++runde) {
        const int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            fehler_ = SystemFehlerText(errno);
            return Ergebnis::Unmoeglich;
        }
        if (!SperreSetzen(fd, F_WRLCK)) {
            const int err = errno;
            if (err == EAGAIN || err == EACCES) {
                // The holder writes its name right after taking the lock.
                inhaber_ = InhaberAusText(TextVon(fd));
                for (int i = 0; i < 20 && inhaber_.programm.empty(); ++i) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    inhaber_ = InhaberAusText(TextVon(fd));
                }
                ::close(fd);
                return Ergebnis::Belegt;
            }
            fehler_ = SystemFehlerText(err);
            ::close(fd);
            return Ergebnis::Unmoeglich;
        }
        if (!NochDieselbe(fd, pfad)) {
            ::close(fd);
            continue;
        }
        const std::string text = InhaberAlsText(ich);
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t n = ::pwrite(fd, text.data(), text.size(), 0);
        }
        fd_ = fd;
        pfad_ = pfad;
        inhaber_ = ich;
        return Ergebnis::Gehalten;
    }
    fehler_ = "die Sperrdatei wird ständig neu angelegt";
    return Ergebnis::Unmoeglich;
}

Dateisperre::Ergebnis Dateisperre::Nehmen(const std::string& pfad, const Sperrinhaber& ich, int warteSekunden) {
    Freigeben();
    fehler_.clear();
    inhaber_ = {};
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(warteSekunden > 0 ? warteSekunden : 0);
    for (;;) {
        const Ergebnis e = Versuch(pfad, ich);
        if (e != Ergebnis::Belegt || std::chrono::steady_clock::now() >= ende) return e;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void Dateisperre::Freigeben() {
    if (fd_ < 0) return;
    // Removed while still held, so no one takes a lock on a file that is about to go.
    if (NochDieselbe(fd_, pfad_)) ::unlink(pfad_.c_str());
    ::close(fd_);
    fd_ = -1;
    pfad_.clear();
}

Dateistand StandVon(const std::string& pfad) {
    Dateistand s;
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) return s;
    s.vorhanden = true;
    s.geraet = st.st_dev;
    s.inode = st.st_ino;
    s.groesse = static_cast<std::uint64_t>(st.st_size);
    s.sekunden = st.st_mtim.tv_sec;
    s.nanosekunden = st.st_mtim.tv_nsec;
    return s;
}

} // namespace zev::io
