#include <CLI/CLI.hpp>
#include <iostream>
#include <string>

#include "loomset/Demo.h"
#include "loomset/Dump.h"

namespace {

constexpr const char* kUsage =
    "usage: loomset demo [--out DIR] | loomset dump FAMILY FILE  (loomset --help for more)";

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Loomset: the stitch-pattern catalogue and its motif geometry"};
  app.require_subcommand(1);

  std::string demoDirectory = "loomset-demo";
  CLI::App* demo = app.add_subcommand(
      "demo",
      "Load the built-in catalogue and a sample design, write every manager's patterns to a "
      "stream file, read them back, and draw catalogue.svg");
  demo->add_option("--out", demoDirectory, "Directory for the files (created when missing)")
      ->capture_default_str();

  std::string family;
  std::string file;
  CLI::App* dump = app.add_subcommand("dump", "Print every record of a stream file");
  dump->add_option("FAMILY", family, "Record family of the file")
      ->required()
      ->check(CLI::IsMember(loomset::tool::dumpFamilies()));
  dump->add_option("FILE", file, "Stream file of records back to back")
      ->required()
      ->check(CLI::ExistingFile);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "loomset: " << e.what() << std::endl << kUsage << std::endl;
    return 2;
  }

  if (demo->parsed()) return loomset::tool::runDemo(demoDirectory, std::cout, std::cerr);
  return loomset::tool::runDump(family, file, std::cout, std::cerr);
}
