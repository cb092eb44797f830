#include "cli/cli.h"
#include "io/file_io.h"
#include "io/program_folder.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto standardOrdner = [](std::string& fehler) {
        auto s = zev::io::StandardProgrammOrdner(zev::io::ProgrammOrdner(), zev::io::UmgebungLesen());
        fehler = std::move(s.fehler);
        return s.ordner;
    };
    return zev::cli::Ausfuehren(args, std::cout, std::cerr, standardOrdner, ::isatty(STDOUT_FILENO) == 1);
}
