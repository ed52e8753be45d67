#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "cli/Demo.h"
#include "cli/FileCommands.h"
#include "cli/Place.h"

namespace {

constexpr const char* kUsage =
    "usage: loomset demo [--out DIR]\n"
    "       loomset dump FAMILY FILE\n"
    "       loomset render FAMILY FILE --svg OUT\n"
    "       loomset place [--reverse] [--mirror] [--flip] [--svg OUT] FILE|builtin:NAME X0 Y0 X1 "
    "Y1\n"
    "       (loomset COMMAND --help for more)";

const CLI::Validator kFinite(
    [](std::string& text) {
      char* end = nullptr;
      const double value = std::strtod(text.c_str(), &end);
      const bool whole = !text.empty() && end == text.c_str() + text.size();
      return whole && std::isfinite(value) ? std::string() : "not a finite number: " + text;
    },
    "NUMBER");

// A stream file that exists, or a built-in motif.
const CLI::Validator kMotifSource(
    [](std::string& text) {
      if (text.rfind(loomset::tool::kBuiltinPrefix, 0) == 0) return std::string();
      return CLI::ExistingFile(text);
    },
    "FILE|builtin:NAME");

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
  const auto familyAndFile = [&](CLI::App* command) {
    command->add_option("FAMILY", family, "Record family of the file")
        ->required()
        ->check(CLI::IsMember(loomset::tool::recordFamilies()));
    command->add_option("FILE", file, "Stream file of records back to back")
        ->required()
        ->check(CLI::ExistingFile);
  };
  CLI::App* dump = app.add_subcommand("dump", "Print every record of a stream file");
  familyAndFile(dump);
  std::string renderSvg;
  CLI::App* render =
      app.add_subcommand("render", "Draw a preview of every record of a stream file as SVG");
  familyAndFile(render);
  render->add_option("--svg", renderSvg, "SVG file to write")->required();

  loomset::tool::PlaceOptions place;
  CLI::App* placeCommand = app.add_subcommand(
      "place", "Lay one motif between two points and print the vectors and needle points");
  placeCommand->add_flag("--reverse", place.reverse, "Lay the motif backwards");
  placeCommand->add_flag("--mirror", place.mirror, "Mirror the motif");
  placeCommand->add_flag("--flip", place.flip, "Flip the motif");
  placeCommand->add_option("--svg", place.svgPath, "Also draw the placement to this SVG file");
  placeCommand
      ->add_option("SOURCE", place.source,
                   "Stream file of a direction pattern, or builtin:NAME for the first motif of a "
                   "built-in programmed pattern")
      ->required()
      ->check(kMotifSource);
  for (auto [name, value] : {std::pair{"X0", &place.x0}, std::pair{"Y0", &place.y0},
                             std::pair{"X1", &place.x1}, std::pair{"Y1", &place.y1}}) {
    placeCommand->add_option(name, *value, "Coordinate of the span")->required()->check(kFinite);
  }

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
  if (dump->parsed()) return loomset::tool::runDump(family, file, std::cout, std::cerr);
  if (render->parsed())
    return loomset::tool::runRender(family, file, renderSvg, std::cout, std::cerr);
  const int status = loomset::tool::runPlace(place, std::cout, std::cerr);
  if (status == 2) std::cerr << kUsage << std::endl;
  return status;
}
