#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Demo.h"
#include "cli/FileCommands.h"
#include "cli/Make.h"
#include "cli/Place.h"

namespace {

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

// "loomset", then the names of the commands down to `command`.
std::string commandName(const CLI::App* command) {
  std::string name;
  for (; command->get_parent() != nullptr; command = command->get_parent())
    name = " " + command->get_name() + name;
  return "loomset" + name;
}

// The deepest command that the arguments named.
const CLI::App* deepestCommand(const CLI::App* app) {
  while (!app->get_subcommands().empty()) app = app->get_subcommands().front();
  return app;
}

// One line: what is wrong, and where to read more. Returns the exit status for a usage error.
int usageError(const CLI::App* command, const std::string& message) {
  const std::string name = commandName(command);
  std::cerr << name << ": " << message << " (see " << name << " --help)" << std::endl;
  return 2;
}

// [FAMILY] FILE, as the options of the file commands take them.
loomset::tool::FileOptions fileOptions(const std::vector<std::string>& words) {
  if (words.size() == 1) return {std::string(), words[0]};
  return {words[0], words[1]};
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Loomset: read, draw and make stitch-pattern stream files, and lay motifs along a span"};
  app.set_version_flag("--version", "loomset " LOOMSET_VERSION);
  app.require_subcommand(-1);
  // Every command leaves what it does not know to the check after parsing, which names it.
  app.allow_extras();

  std::string demoDirectory = "demo";
  CLI::App* demo = app.add_subcommand(
      "demo",
      "Load the built-in catalogue and a sample design, write every manager's patterns to a "
      "stream file, read them back, and draw catalogue.svg");
  demo->add_option("--out", demoDirectory, "Directory for the files (created when missing)")
      ->capture_default_str();

  std::vector<std::string> fileWords;
  const auto takeFile = [&](CLI::App* command) {
    command
        ->add_option("[FAMILY] FILE", fileWords,
                     "The record family (fill, programmed, wave, vector, direction or bezier) and "
                     "the stream file of records back to back; without FAMILY, the only family as "
                     "whose records the whole file reads")
        ->required()
        ->expected(1, 2)
        ->type_name("");
  };
  bool recordText = false;
  CLI::App* dump = app.add_subcommand(
      "dump", "Print every record of a stream file, with its place, offset and size");
  takeFile(dump);
  dump->add_flag("--record-text", recordText,
                 "Print each record's own diagnostic text (a programmed pattern's motifs laid "
                 "from (0, 0) to (0, 100), turned a quarter, without jump flags) instead of "
                 "showing every motif in its own frame with its jump flags");

  loomset::tool::RenderOptions render;
  CLI::App* renderCommand =
      app.add_subcommand("render", "Draw a preview of the records of a stream file as SVG");
  takeFile(renderCommand);
  renderCommand->add_option("--svg", render.svgPath, "SVG file to write")->required();
  renderCommand->add_option("--first", render.first, "Draw at most the first N records")
      ->capture_default_str()
      ->check(CLI::PositiveNumber);
  renderCommand->add_option("--only", render.only,
                            "Draw only the records with this name (record N for motifs)");
  renderCommand->add_flag("--same-scale", render.oneScale,
                          "Draw every panel at one scale, so that sizes compare");
  renderCommand->add_flag("--tile", render.tile,
                          "Draw vector patterns as a 3 x 3 tiling of their dimension");

  loomset::tool::PlaceOptions place;
  CLI::App* placeCommand = app.add_subcommand(
      "place",
      "Lay a motif along the span between two points and print the vectors, needle points and "
      "the box they cover");
  bool repeat = false;
  bool fit = false;
  bool once = false;
  CLI::Option* repeatFlag = placeCommand->add_flag(
      "--repeat", repeat, "As many whole repeats as fit, the rest left over (the default)");
  CLI::Option* fitFlag = placeCommand->add_flag(
      "--fit", fit, "A whole number of repeats, the motif scaled to fill the span");
  CLI::Option* onceFlag =
      placeCommand->add_flag("--once", once, "The motif once, whatever the span's length");
  repeatFlag->excludes(fitFlag)->excludes(onceFlag);
  fitFlag->excludes(onceFlag);
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

  std::string outPath;
  std::string reference;
  std::vector<std::string> steps;
  std::string patternName;
  CLI::App* make = app.add_subcommand("make", "Write a motif or a programmed pattern to a file");
  make->require_subcommand(-1);
  CLI::App* makeDirection =
      make->add_subcommand("direction",
                           "A direction pattern of stitch and jump steps, closed and turned as the "
                           "library installs a motif");
  makeDirection->add_option("--reference", reference,
                            "X,Y: the reference line; the steps' own end point by default");
  makeDirection->add_option("STEP", steps, "X,Y for a stitch, X,Y:jump for a jump")->required();
  CLI::App* makeProgrammed =
      make->add_subcommand("programmed", "A programmed pattern of motifs from direction files");
  makeProgrammed->add_option("NAME", patternName, "The pattern's name")->required();
  makeProgrammed
      ->add_option("THREAD=FILE", steps,
                   "The motifs of a direction-pattern file, each with this thread identifier")
      ->required();
  for (CLI::App* command : {makeDirection, makeProgrammed})
    command->add_option("-o,--out", outPath, "Stream file to write")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return usageError(deepestCommand(&app), e.what());
  }
  const CLI::App* command = deepestCommand(&app);
  const std::vector<std::string> extras = app.remaining(true);
  if (!extras.empty()) {
    const bool option = extras.front().rfind('-', 0) == 0;
    const bool isParent = command == &app || command == make;
    return usageError(command, (option     ? "unknown option "
                                : isParent ? "unknown command "
                                           : "unexpected argument ") +
                                   extras.front());
  }
  if (command == &app || command == make) return usageError(command, "a command is required");

  std::ostream& out = std::cout;
  std::ostream& err = std::cerr;
  if (command == demo) return loomset::tool::runDemo(demoDirectory, out, err);
  if (command == dump) return loomset::tool::runDump(fileOptions(fileWords), recordText, out, err);
  if (command == renderCommand)
    return loomset::tool::runRender(fileOptions(fileWords), render, out, err);
  if (command == makeDirection)
    return loomset::tool::runMakeDirection(steps, reference, outPath, out, err);
  if (command == makeProgrammed)
    return loomset::tool::runMakeProgrammed(patternName, steps, outPath, out, err);
  place.layout = fit    ? loomset::tool::Layout::kFit
                 : once ? loomset::tool::Layout::kOnce
                        : loomset::tool::Layout::kRepeat;
  return loomset::tool::runPlace(place, out, err);
}
