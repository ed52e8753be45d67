#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
  CLI::App app{"Loomset: the stitch-pattern catalogue and its motif geometry"};
  app.require_subcommand(1);
  CLI11_PARSE(app, argc, argv);
  return 0;
}
