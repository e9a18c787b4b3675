// zovamagnetic-cli: the calculator's and the selection's answers for scripts.
// The windows' program takes no command line; this is the second executable,
// built on the same library and nothing else.
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "cli/commands.h"
#include "cli/result_writer.h"

int main(int argc, char** argv) {
    zova::LoadCatalogue();

    const std::vector<std::string> args(argv + 1, argv + argc);
    const zova::cli::CliResult result = zova::cli::RunCli(args);
    return zova::cli::WriteResult(result, stdout, stderr);
}
