#include "cli/Commands.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "cli/Csv.h"
#include "cli/LibraryCheck.h"
#include "cli/NoPrinter.h"
#include "cli/NullProcess.h"
#include "cli/TerminalUi.h"
#include "cli/ToolCsv.h"
#include "cli/WhereUsed.h"
#include "core/ProgramArgs.h"
#include "core/Session.h"
#include "core/Text.h"
#include "library/DefaultTools.h"
#include "library/LibraryFiles.h"
#include "library/LibrarySetUp.h"
#include "library/ToolFile.h"
#include "output/ToolListPrint.h"
#include "output/TurretPrint.h"
#include "platform/FileError.h"
#include "platform/Services.h"
#include "tools/ToolListLine.h"
#include "tools/ToolShapes.h"
#include "turrets/TurretFiles.h"

namespace tooling::cli {

namespace {

// A command line that does not say what to do.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A file or data error found by the command itself.
class DataError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

constexpr const char* kMainHelp =
    "usage: tooling-cli [--program-dir DIR] [--library NAME] [--yes] COMMAND [ARGS]\n"
    "\n"
    "Works on the tool library of the installation whose Ostrevan.cfg lies in the current\n"
    "folder (or in DIR), without a window.\n"
    "\n"
    "commands:\n"
    "  list [--shape CODE|all] [--csv]      the tool lists as the edit list shows them\n"
    "  export-csv FILE [--shape CODE|all]   every tool, in a CSV file import-csv reads back\n"
    "  import-csv FILE [--dry-run]          adds the tools of a CSV file, each checked as the\n"
    "                                       tool dialog checks it; nothing is added unless all "
    "pass\n"
    "  turrets [--csv]                      the standard turrets and their stations\n"
    "  print-list --shape CODE --pdf FILE   the printed tool list of a shape, as a PDF file\n"
    "  print-turret NAME --pdf FILE [--illustration]\n"
    "                                       the printed sheet of a turret, as a PDF file\n"
    "  check [--repair]                     what does not hold together in the library\n"
    "  where-used [--shape CODE|all] [--csv]\n"
    "                                       the turrets and stations that hold each tool\n"
    "\n"
    "options:\n"
    "  --program-dir DIR   the folder that holds Ostrevan.cfg\n"
    "  --library NAME      another library of the machine than the current one\n"
    "  --yes               answer Yes to the program's questions (No otherwise)\n"
    "  --version           print the version and end\n"
    "\n"
    "Shape codes: A Diameter (Router on a router machine), B Square, C Rad-Square, D Rectangle,\n"
    "E Rad-Rect, F Obround, G Single-D, H Double-D, I Cannon-D, J Hexagon, K Keyway, L Louvre,\n"
    "M Cruciform, S Special.\n"
    "Exit status: 0 success, 1 a file or data error, 2 a usage error.\n";

const std::map<std::string, std::string, std::less<>> kCommandHelp = {
    {"list",
     "usage: tooling-cli list [--shape CODE|all] [--csv]\n"
     "Writes the tools of a shape (all shapes when not given) as the Edit Tool list shows\n"
     "them: size, station types and angles; with --csv as CSV with the columns\n"
     "Shape,Size,Stations,Angles.\n"},
    {"export-csv",
     "usage: tooling-cli export-csv FILE [--shape CODE|all]\n"
     "Writes every tool of a shape (all when not given) to FILE as CSV with a header row:\n"
     "Shape,Name,Units,Dim1,Dim2,Dim3,Rounded,Stations,Angles,SettingsNo. The dimensions are\n"
     "the values of the tool dialog's boxes in mm; station types and angles are lists\n"
     "separated by \";\". Texts stay in the library's Windows-1252 bytes.\n"},
    {"import-csv",
     "usage: tooling-cli import-csv FILE [--dry-run]\n"
     "Adds the tools of FILE (the columns export-csv writes; Units is mm or in) to the library.\n"
     "Each row is checked as the tool dialog checks what is typed; a refused row is reported\n"
     "with its line and reason, and then nothing is added. --dry-run only checks.\n"},
    {"turrets",
     "usage: tooling-cli turrets [--csv]\n"
     "Writes the standard turrets of the library and the tool of each station; with --csv as\n"
     "CSV with the columns Turret,Station,Type,Size,Angle.\n"},
    {"check",
     "usage: tooling-cli check [--repair]\n"
     "Reports, changing nothing: defaults that point at a missing record, at one that is not a\n"
     "valid tool or at another tool than they describe; tools whose default mark disagrees\n"
     "with the defaults; turret stations whose tool is no longer in the library; drawing-index\n"
     "entries without a drawing and drawings without an entry; records that are not valid\n"
     "tools. With --repair, a default whose tool moved is pointed at it again and wrong marks\n"
     "are corrected; the rest is listed. Exit status 1 while faults remain.\n"},
    {"where-used",
     "usage: tooling-cli where-used [--shape CODE|all] [--csv]\n"
     "Writes each tool of a shape (all shapes when not given) in the Edit Tool list's order, by\n"
     "its size as that list shows it, with the standard turrets and stations that hold it\n"
     "(\"PRODUCTION T2, Spare T5\"); with --csv as CSV with the columns\n"
     "shape,size,turret,station, one row per holding station (a tool no turret holds: one\n"
     "row with the last two fields empty). A turret that cannot be read is reported and left\n"
     "out, and the exit status is then 1.\n"},
    {"print-list",
     "usage: tooling-cli print-list --shape CODE --pdf FILE\n"
     "Writes the page that Print Tool List prints for the shape to the PDF file FILE.\n"},
    {"print-turret",
     "usage: tooling-cli print-turret NAME --pdf FILE [--illustration]\n"
     "Writes the sheet that Print Turret prints for the turret NAME to the PDF file FILE.\n"
     "--illustration adds the page that \"With illustration\" prints after it: the turret drawn\n"
     "on the machine's layout, under its name, the library and the machine.\n"},
};

// A command line taken apart: the options of the run, the command and what follows it.
struct CommandLine {
    std::string programDir;
    std::string library;
    bool yes = false;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> args;
};

CommandLine Parse(const std::vector<std::string>& args) {
    CommandLine line;
    std::size_t i = 0;
    const auto value = [&](const std::string& option) {
        if (i + 1 >= args.size()) {
            throw UsageError(option + " needs a value");
        }
        return args[++i];
    };
    for (; i < args.size() && line.command.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--program-dir") {
            line.programDir = value(arg);
        } else if (arg == "--library") {
            line.library = value(arg);
        } else if (arg == "--yes") {
            line.yes = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg.starts_with("-")) {
            throw UsageError("unknown option " + arg);
        } else {
            line.command = arg;
        }
    }
    line.args.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (std::find(line.args.begin(), line.args.end(), "--help") != line.args.end()) {
        line.help = true;
    }
    return line;
}

// The options and operands of one command: flags without a value, options with one, and the
// operands in order.
struct CommandArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string, std::less<>> options;

    bool Has(std::string_view name) const { return options.contains(name); }
    std::string Get(std::string_view name, std::string fallback = {}) const {
        const auto found = options.find(name);
        return found == options.end() ? fallback : found->second;
    }
};

CommandArgs Take(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                 const std::vector<std::string>& valued, std::size_t operands) {
    CommandArgs taken;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
            taken.options[arg] = {};
        } else if (std::find(valued.begin(), valued.end(), arg) != valued.end()) {
            if (i + 1 >= args.size()) {
                throw UsageError(arg + " needs a value");
            }
            taken.options[arg] = args[++i];
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown option " + arg);
        } else {
            taken.operands.push_back(arg);
        }
    }
    if (taken.operands.size() != operands) {
        throw UsageError(operands == 0 ? "no operand expected"
                                       : "expected " + std::to_string(operands) + " operand(s)");
    }
    return taken;
}

std::vector<std::int16_t> Shapes(const core::Session& session, const std::string& value) {
    std::vector<std::int16_t> shapes = ShapesOf(session, value);
    if (shapes.empty()) {
        throw UsageError("unknown shape \"" + value + "\"");
    }
    return shapes;
}

std::string Padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + "  " : text + std::string(width + 2 - text.size(), ' ');
}

void List(core::Session& session, const CommandArgs& args, std::ostream& out) {
    const bool csv = args.Has("--csv");
    if (csv) {
        out << CsvLine({"Shape", "Size", "Stations", "Angles"});
    }
    for (const std::int16_t shapeNo : Shapes(session, args.Get("--shape", "all"))) {
        SelectShape(session, shapeNo);
        const char code = session.win.CurShapeCode[0];
        const std::string name = tools::ShapeName(shapeNo);
        std::vector<tools::ToolListLine> lines;
        for (const library::ToolRec& rec : library::ReadToolFile(session, code)) {
            if (library::ValidTool(code, rec)) {
                lines.push_back(tools::ListLine(session, rec));
            }
        }
        if (csv) {
            for (const tools::ToolListLine& line : lines) {
                out << CsvLine({name, line.size, line.stations, line.angles});
            }
            continue;
        }
        out << name << '\n';
        for (const tools::ToolListLine& line : lines) {
            out << "  " << Padded(line.size, 20) << line.stations;
            if (!line.angles.empty()) {
                out << "  |  " << line.angles;
            }
            out << '\n';
        }
    }
}

void Turrets(core::Session& session, const CommandArgs& args, std::ostream& out) {
    if (session.machine.RouterMachine) {
        throw DataError("a router machine has no turrets");
    }
    const bool csv = args.Has("--csv");
    if (csv) {
        out << CsvLine({"Turret", "Station", "Type", "Size", "Angle"});
    }
    for (const turrets::TurretEntry& entry : turrets::ReadTurretIndex(session)) {
        if (!csv) {
            out << entry.name << '\n';
        }
        for (const library::StationRow& row : turrets::LoadTurret(session, entry.number)) {
            const std::string type = core::Trim(library::StationToolType(row));
            const std::string size =
                library::StationToolSize(row, session.machine.ImperialDisplay, 3);
            const std::string station = std::to_string(row.station);
            if (csv) {
                out << CsvLine({entry.name, station, type, size, row.angle});
            } else if (!type.empty()) {
                out << "  " << Padded(station, 4) << Padded(type, 12) << Padded(size, 20)
                    << row.angle << '\n';
            }
        }
    }
}

void ExportCsv(core::Session& session, const CommandArgs& args, std::ostream& out) {
    const std::string& file = args.operands[0];
    const std::vector<std::int16_t> shapes = Shapes(session, args.Get("--shape", "all"));
    session.os.fs.Replace(file, ToolsCsv(session, shapes));
    out << "exported to " << file << '\n';
}

// On a terminal, one line that says how far a long step has got; it is wiped when the step ends.
CheckProgress ProgressLine(const CliContext& context) {
    if (!context.showProgress) {
        return {};
    }
    return [&context](const std::string& step, std::size_t done, std::size_t count) {
        context.err << '\r' << step << ' ' << done << " of " << count
                    << (done == count ? "\r\x1b[K" : "") << std::flush;
    };
}

void ImportCsv(core::Session& session, TerminalUi& ui, const CommandArgs& args,
               const CliContext& context) {
    const std::string& file = args.operands[0];
    const bool dryRun = args.Has("--dry-run");
    ImportProgress progress;
    if (const CheckProgress line = ProgressLine(context)) {
        progress = [line](int pass, std::size_t done, std::size_t count) {
            line(pass == 1 ? "checking row" : "adding row", done, count);
        };
    }
    const ImportReport report =
        ImportTools(session, ui, session.os.fs.ReadAll(file), dryRun, progress);
    if (!report.refusals.empty()) {
        for (const std::string& refusal : report.refusals) {
            context.err << file << ": " << refusal << '\n';
        }
        throw DataError("no tool added: " + std::to_string(report.refusals.size()) +
                        " row(s) refused");
    }
    context.out << report.accepted << (dryRun ? " tool(s) would be added\n" : " tool(s) added\n");
}

void Check(core::Session& session, bool repair, const CliContext& context) {
    std::ostream& out = context.out;
    const CheckReport report = CheckLibrary(session, repair, ProgressLine(context));
    for (const std::string& line : report.repaired) {
        out << "repaired: " << line << '\n';
    }
    for (const std::string& line : report.faults) {
        out << "fault: " << line << '\n';
    }
    if (!report.faults.empty()) {
        throw DataError(std::to_string(report.faults.size()) + " fault(s) in library \"" +
                        session.lib.LibraryName + "\"");
    }
    out << "library \"" << session.lib.LibraryName << "\" holds together\n";
}

void WhereUsed(core::Session& session, const CommandArgs& args, const CliContext& context) {
    const std::vector<std::string> unreadable = WriteWhereUsed(
        session, Shapes(session, args.Get("--shape", "all")), args.Has("--csv"), context.out);
    for (const std::string& line : unreadable) {
        context.err << "tooling-cli: " << line << '\n';
    }
    if (!unreadable.empty()) {
        throw DataError(std::to_string(unreadable.size()) + " turret(s) could not be read");
    }
}

// Switches the session to another library of the machine.
void UseLibrary(core::Session& session, const std::string& name) {
    if (!library::LibraryExists(session, name)) {
        throw DataError("the machine has no library \"" + name + "\"");
    }
    session.lib.LibraryName = name;
    library::SetLibraryPrefixes(session);
    library::ReadDefaults(session);
}

std::string WithSeparator(std::string dir) {
    if (!dir.empty() && dir.back() != platform::kSeparator) {
        dir += platform::kSeparator;
    }
    return dir;
}

int Run(const CommandLine& line, const CliContext& context) {
    const std::vector<std::string> known = {"list",    "export-csv", "import-csv",
                                            "turrets", "print-list", "print-turret",
                                            "check",   "where-used"};
    if (std::find(known.begin(), known.end(), line.command) == known.end()) {
        throw UsageError("unknown command \"" + line.command + "\"");
    }
    CommandArgs args;
    if (line.command == "list" || line.command == "where-used") {
        args = Take(line.args, {"--csv"}, {"--shape"}, 0);
    } else if (line.command == "export-csv") {
        args = Take(line.args, {}, {"--shape"}, 1);
    } else if (line.command == "import-csv") {
        args = Take(line.args, {"--dry-run"}, {}, 1);
    } else if (line.command == "turrets") {
        args = Take(line.args, {"--csv"}, {}, 0);
    } else if (line.command == "check") {
        args = Take(line.args, {"--repair"}, {}, 0);
    } else if (line.command == "print-list") {
        args = Take(line.args, {}, {"--shape", "--pdf"}, 0);
    } else {
        args = Take(line.args, {"--illustration"}, {"--pdf"}, 1);
    }
    const bool prints = line.command.starts_with("print-");
    if (prints && (!args.Has("--pdf") || (line.command == "print-list" && !args.Has("--shape")))) {
        throw UsageError(line.command + " needs " +
                         (line.command == "print-list" ? "--shape and --pdf" : "--pdf"));
    }
    if (prints && !context.pdfPage) {
        throw DataError("this build of tooling-cli cannot write PDF files");
    }

    TerminalUi ui(context.err, line.yes);
    NullProcess process;
    NoPrinter noPrinter;
    std::unique_ptr<platform::TextPage> pdf;
    if (prints) {
        pdf = context.pdfPage(args.Get("--pdf"));
    }
    platform::Services services{context.fs, ui, pdf ? *pdf : noPrinter, process};
    core::Session session(services);
    session.inst.StartDir =
        line.programDir.empty() ? context.startDir : WithSeparator(line.programDir);
    if (library::StartSession(session) != core::StartOutcome::Ready) {
        throw DataError("Varnholt.exe or Pellarin.exe is missing from the program folder");
    }
    if (!line.library.empty()) {
        UseLibrary(session, line.library);
    }

    if (line.command == "list") {
        List(session, args, context.out);
    } else if (line.command == "export-csv") {
        ExportCsv(session, args, context.out);
    } else if (line.command == "import-csv") {
        ImportCsv(session, ui, args, context);
    } else if (line.command == "turrets") {
        Turrets(session, args, context.out);
    } else if (line.command == "check") {
        Check(session, args.Has("--repair"), context);
    } else if (line.command == "where-used") {
        WhereUsed(session, args, context);
    } else if (line.command == "print-list") {
        const std::vector<std::int16_t> shapes = Shapes(session, args.Get("--shape"));
        if (shapes.size() != 1) {
            throw UsageError("print-list prints one shape");
        }
        SelectShape(session, shapes[0]);
        output::PrintToolList(session, shapes[0]);
    } else {
        const std::string& name = args.operands[0];
        const std::optional<std::int16_t> number = turrets::FindTurret(session, name);
        if (!number) {
            throw DataError("the library has no turret \"" + name + "\"");
        }
        std::string stored = core::Trim(name);
        for (const turrets::TurretEntry& entry : turrets::ReadTurretIndex(session)) {
            if (entry.number == *number) {
                stored = entry.name;
                break;
            }
        }
        output::PrintTurret(session, *number, stored, args.Has("--illustration"));
    }
    if (prints && !context.fs.Exists(args.Get("--pdf"), platform::ListFilter::Files)) {
        throw DataError("the PDF file \"" + args.Get("--pdf") + "\" could not be written");
    }
    return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const CliContext& context) {
    CommandLine line;
    try {
        line = Parse(args);
        if (line.version && !line.help) {
            context.out << core::VersionLine("tooling-cli");
            return kExitOk;
        }
        if (!line.help && line.command.empty()) {
            context.err << kMainHelp;
            return kExitUsage;
        }
        if (line.help) {
            const auto help = kCommandHelp.find(line.command);
            context.out << (help == kCommandHelp.end() ? kMainHelp : help->second);
            return kExitOk;
        }
        return Run(line, context);
    } catch (const UsageError& error) {
        const bool known = kCommandHelp.contains(line.command);
        context.err << "tooling-cli: " << error.what() << "\n(tooling-cli "
                    << (known ? line.command + " " : "") << "--help tells more)\n";
        return kExitUsage;
    } catch (const platform::PrinterError& error) {
        context.err << "tooling-cli: Printer Error ! (" << error.what() << ")\n";
    } catch (const std::exception& error) {
        context.err << "tooling-cli: " << error.what() << '\n';
    }
    return kExitDataError;
}

}  // namespace tooling::cli
