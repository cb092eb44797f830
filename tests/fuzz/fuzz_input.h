// The readers take paths, as the program gives them: each input is written to a
// file of a private folder under the name the reader expects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace zev::fuzz {

// A folder of this process, ending in a separator (in memory where there is one).
inline const std::string& Ordner() {
    static const std::string ordner = [] {
        std::string muster = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/zevfuzz.XXXXXX");
        if (!::mkdtemp(muster.data())) std::abort();
        return muster + "/";
    }();
    return ordner;
}

// Writes the input as `name` in the folder and returns its path.
inline std::string AlsDatei(const char* name, const std::uint8_t* daten, std::size_t n) {
    const std::string pfad = Ordner() + name;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) std::abort();
    for (std::size_t ab = 0; ab < n;) {
        const ssize_t w = ::write(fd, daten + ab, n - ab);
        if (w <= 0) std::abort();
        ab += static_cast<std::size_t>(w);
    }
    ::close(fd);
    return pfad;
}

} // namespace zev::fuzz
