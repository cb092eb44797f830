// Runs the command-line program in the test's own process: its exit status and
// what it printed on standard output and standard error.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace zev::test {

struct Lauf {
    int status;
    std::string out, err;
};

// With a `home`, "--home HOME" goes before the arguments; the default program
// folder is one that does not exist, so nothing falls back on it unnoticed.
inline Lauf ZevLauf(std::vector<std::string> args, const std::string& home = "",
                    const std::string& programmOrdner = "/nirgends/") {
    if (!home.empty()) args.insert(args.begin(), {"--home", home});
    std::ostringstream out, err;
    const int s = cli::Ausfuehren(args, out, err, programmOrdner);
    return {s, out.str(), err.str()};
}

} // namespace zev::test
