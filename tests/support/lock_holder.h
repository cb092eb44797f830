// A child process that takes a lock file's lock as another program would and keeps
// it until it is killed; the guard kills it when the test ends, however it ends.
#pragma once

#include "io/file_lock.h"

#include <csignal>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace zev::test {

struct Kind {
    pid_t pid;
    explicit Kind(pid_t p) : pid(p) {}
    Kind(const Kind&) = delete;
    Kind& operator=(const Kind&) = delete;
    ~Kind() { Beenden(); }
    void Beenden() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = -1;
    }
};

// The child's process id once it holds the lock of `pfad` under the name `programm`; -1 otherwise.
inline pid_t HalterStarten(const std::string& pfad, std::string_view programm) {
    int rohr[2];
    if (::pipe(rohr) != 0) return -1;
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::close(rohr[0]);
        io::Dateisperre s;
        const bool gehalten = s.Nehmen(pfad, io::DieserLauf(programm)) == io::Dateisperre::Ergebnis::Gehalten;
        const char ok = gehalten ? 'j' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(rohr[1], &ok, 1);
        for (;;) ::pause();
    }
    ::close(rohr[1]);
    char ok = 0;
    const ssize_t n = ::read(rohr[0], &ok, 1);
    ::close(rohr[0]);
    return n == 1 && ok == 'j' ? kind : -1;
}

} // namespace zev::test
