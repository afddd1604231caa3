// printers list | add | set | remove: printcap through the core's table and line format.
#include <functional>
#include <memory>

#include "printing/PrintcapFile.h"
#include "printing/PrintcapLine.h"
#include "printing/PrinterExportTable.h"
#include "printing/PrinterExportProblem.h"
#include "tools/nfsctl/Commands.h"
#include "tools/nfsctl/FileChange.h"
#include "tools/nfsctl/PrintcapChange.h"
#include "tools/nfsctl/Report.h"

namespace {

struct Arguments {
  std::string name;
  std::string device, driver, port;
  bool useDefault = false;
  bool whatIf = false;
};

struct PrintcapState {
  std::string path;
  std::string bytes;
  PrinterExportTable table;
};

std::optional<PrintcapState> Load(const Settings& settings, int& failure) {
  std::optional<FileBytes> file = ReadLocatedFile(settings.Where().PrintcapPath(), failure);
  if (!file) return std::nullopt;
  PrintcapState state{std::move(file->path), std::move(file->bytes), {}};
  ReadPrintcapEntries(state.bytes, &Installation::DefaultPrinter, state.table);
  return state;
}

int Save(const Settings& settings, const PrintcapState& state, const PrinterExportTable& table, bool whatIf) {
  if (auto refusal = PrintcapChangeRefusal(state.path, state.bytes, !whatIf, settings))
    return Fail(kExitRefused, *refusal);
  return ApplyChange(state.path, state.bytes, FormatPrintcap(table), whatIf, settings);
}

int List(const Settings& settings) {
  int failure = kExitOk;
  const auto state = Load(settings, failure);
  if (!state) return failure;
  std::vector<Record> records;
  for (const PrinterExport& entry : state->table.Entries())
    records.push_back({{"name", entry.name},
                       {"default", entry.useDefault != 0},
                       {"driver", entry.driver},
                       {"device", entry.device},
                       {"port", entry.port},
                       {"extra", entry.extra}});
  PrintRecords(records, settings.json, {"name", "default", "driver", "device", "port", "extra"});
  return kExitOk;
}

std::optional<std::string> Problem(const Arguments& arguments, const PrinterSelection& selection) {
  PrinterExport entry;
  entry.name = arguments.name;
  entry.useDefault = selection.useDefault;
  entry.driver = selection.printer.driver;
  entry.device = selection.printer.device;
  entry.port = selection.printer.port;
  if (const std::optional<PrinterExportProblem> problem = FindPrinterExportProblem(entry)) {
    static const char* const kOptions[] = {"", "--driver", "--device", "--port"};
    const bool option =
        problem->field >= PrinterExportProblem::kDriver && problem->field <= PrinterExportProblem::kPort;
    return (option ? std::string(kOptions[problem->field]) : "\"" + arguments.name + "\"") + " " + problem->text;
  }
  if (!selection.useDefault) return std::nullopt;
  const std::optional<std::string> noDefault = DefaultPrinterProblem(selection.printer);
  return noDefault ? std::optional(arguments.name + " " + *noDefault) : std::nullopt;
}

// The printer the options choose; none, after saying why, when refused.
std::optional<PrinterSelection> SelectionOf(const Arguments& arguments, int& failure) {
  PrinterSelection selection;
  selection.useDefault = arguments.useDefault ? 1 : 0;
  selection.printer = arguments.useDefault ? Installation::DefaultPrinter()
                                           : WindowsPrinter{arguments.driver, arguments.device, arguments.port};
  if (auto problem = Problem(arguments, selection)) {
    failure = Fail(kExitRefused, "refused: " + *problem + "; nothing was written");
    return std::nullopt;
  }
  return selection;
}

// The first entry of the name, which a change or removal takes; none, after
// saying so, when no entry has it.
std::optional<size_t> FirstNamed(const PrinterExportTable& table, const std::string& name, int& failure) {
  if (const std::optional<size_t> position = table.PositionOf(name)) return position;
  failure = Fail(kExitRefused, name + " is not exported; nothing was written");
  return std::nullopt;
}

int Add(const Settings& settings, const Arguments& arguments) {
  int failure = kExitOk;
  const std::optional<PrinterSelection> selection = SelectionOf(arguments, failure);
  if (!selection) return failure;
  auto state = Load(settings, failure);
  if (!state) return failure;
  // The console would take a second entry of the name, but jobs never reach it.
  WindowsPrinter existing;
  if (state->table.FindPrinter(arguments.name, existing) == 0)
    return Fail(kExitRefused, "refused: " + arguments.name + " is exported already; nothing was written");
  PrinterExportTable table = state->table;
  table.Store("", arguments.name, *selection);
  return Save(settings, *state, table, arguments.whatIf);
}

// The entry takes the printer in its place and keeps its fifth field, which
// nfsctl was not asked to change.
int Set(const Settings& settings, const Arguments& arguments) {
  int failure = kExitOk;
  const std::optional<PrinterSelection> selection = SelectionOf(arguments, failure);
  if (!selection) return failure;
  auto state = Load(settings, failure);
  if (!state) return failure;
  const std::optional<size_t> position = FirstNamed(state->table, arguments.name, failure);
  if (!position) return failure;
  std::vector<PrinterExport> entries = state->table.Entries();
  PrinterExport& entry = entries[*position];
  entry.useDefault = selection->useDefault;
  entry.driver = selection->printer.driver;
  entry.device = selection->printer.device;
  entry.port = selection->printer.port;
  PrinterExportTable table;
  table.Assign(std::move(entries));
  return Save(settings, *state, table, arguments.whatIf);
}

int Remove(const Settings& settings, const Arguments& arguments) {
  int failure = kExitOk;
  auto state = Load(settings, failure);
  if (!state) return failure;
  const std::optional<size_t> position = FirstNamed(state->table, arguments.name, failure);
  if (!position) return failure;
  PrinterExportTable table = state->table;
  table.Remove(*position);
  return Save(settings, *state, table, arguments.whatIf);
}

// add or set: a name and a printer, either --device, --driver and --port together or --default.
void AddPrinterVerb(CLI::App& printers, const char* name, const char* description, Arguments& arguments,
                    std::function<void()> run, int& exitCode) {
  CLI::App* verb = printers.add_subcommand(name, description);
  verb->add_option("NAME", arguments.name, "Export name PC clients print to")->required();
  CLI::Option* device = verb->add_option("--device", arguments.device, "Windows printer name");
  CLI::Option* driver = verb->add_option("--driver", arguments.driver, "Printer driver");
  CLI::Option* port = verb->add_option("--port", arguments.port, "Output port");
  CLI::Option* useDefault = verb->add_flag("--default", arguments.useDefault, "Follow the Windows default printer");
  device->needs(driver, port);
  driver->needs(device, port);
  port->needs(device, driver);
  useDefault->excludes(device, driver, port);
  AddWhatIf(*verb, arguments.whatIf);
  verb->callback([&arguments, &exitCode, device, name, run = std::move(run)] {
    if (!arguments.useDefault && device->count() == 0)
      exitCode =
          Fail(kExitFailed, std::string("printers ") + name + " needs --device, --driver and --port, or --default");
    else
      run();
  });
}

}  // namespace

void AddPrinterCommands(CLI::App& app, const Settings& settings, int& exitCode) {
  CLI::App* printers = app.add_subcommand("printers", "The exported printers (printcap)");
  printers->require_subcommand(1);
  printers->add_subcommand("list", "List the printers the console reads")->callback([&] {
    exitCode = List(settings);
  });

  auto added = std::make_shared<Arguments>();
  AddPrinterVerb(*printers, "add", "Export a Windows printer, or the default printer", *added,
                 [&settings, &exitCode, added] { exitCode = Add(settings, *added); }, exitCode);
  auto changed = std::make_shared<Arguments>();
  AddPrinterVerb(*printers, "set", "Give an exported printer another Windows printer, or the default, in its place",
                 *changed, [&settings, &exitCode, changed] { exitCode = Set(settings, *changed); }, exitCode);

  auto removed = std::make_shared<Arguments>();
  CLI::App* remove = printers->add_subcommand("remove", "Stop exporting a printer (the first of that name)");
  remove->add_option("NAME", removed->name, "Export name")->required();
  AddWhatIf(*remove, removed->whatIf);
  remove->callback([&settings, &exitCode, removed] { exitCode = Remove(settings, *removed); });
}
