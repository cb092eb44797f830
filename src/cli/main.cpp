#include "cli/cli.h"
#include "io/file_io.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return zev::cli::Ausfuehren(args, std::cout, std::cerr, zev::io::ProgrammOrdner(), ::isatty(STDOUT_FILENO) == 1);
}
