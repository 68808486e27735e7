#include "app/usage.h"

#include <array>
#include <cctype>
#include <iomanip>

namespace okit {

namespace {

constexpr OptionHelp kSkinsOption{"--skins DIR",
                                  "draw the controls from the images in DIR/CONTROL/NAME.bmp (see okit skins); "
                                  "a missing or unusable image keeps the built-in one, with a warning"};
constexpr OptionHelp kScaleOption{"--scale N", "draw each pixel as an N x N block, N from 1 to 16"};

constexpr std::array kRunOptions{kScaleOption, kSkinsOption};
constexpr std::array kRenderOptions{
    OptionHelp{"-o OUT.png", "the PNG file to write (required)"},
    OptionHelp{"--state STATE",
               "show every control in one look: normal, hover, pressed, focused, disabled or inactive"},
    kScaleOption,
    OptionHelp{"--tree", "also print the form's semantic tree (role, name, value, states, access key of each control) "
                         "instead of the confirmation line"},
    kSkinsOption};
constexpr std::array kScriptOptions{OptionHelp{"FILE", "the scenario to run; - reads it from standard input"}};
constexpr std::array kCheckOptions{OptionHelp{"--json", "write the findings as one JSON document"}};
constexpr std::array kSheetOptions{OptionHelp{"-o OUT.png", "the PNG file to write (default sheet.png)"},
                                   kScaleOption, kSkinsOption};
constexpr std::array kSkinsOptions{OptionHelp{"DIR", "a folder of replacement images to check against the list"}};
constexpr std::array kDesignOptions{
    OptionHelp{"--script FILE", "edit headless with the designer commands in FILE instead of opening windows"}};
constexpr std::array kHeaderOptions{
    OptionHelp{"-o FILE.h", "write the header to FILE.h instead of standard output; nothing is written unless "
                            "the whole header can be made, and a FILE.h that already holds the same text is left "
                            "untouched"}};
constexpr std::array kWebOptions{
    OptionHelp{"-o DIR", "the folder to write the site into (required); it is made when missing"},
    OptionHelp{"--runtime DIR", "take the web runtime from DIR instead of web-runtime beside okit or the installed "
                                "share/OpalineKit/web-runtime"}};
constexpr std::array kHelpOptions{OptionHelp{"COMMAND", "the command to describe; without it, every command"}};

constexpr std::array kCommands{
    CommandHelp{"run", "run FORM [--scale N] [--skins DIR]",
                "open a form in real windows and run it until its last window closes",
                "Without a display the form is rendered to FORM.png beside it instead, and okit says so. SIGINT, "
                "SIGTERM and SIGHUP unload the form and end okit with status 128 + the signal's number; if the "
                "display goes away, okit says so in one line and ends with status 1. NO_AT_BRIDGE=1 keeps the "
                "windows off the accessibility bus.",
                kRunOptions},
    CommandHelp{"render", "render FORM -o OUT.png [--state STATE] [--scale N] [--tree] [--skins DIR]",
                "draw a form headless to a PNG file", "", kRenderOptions},
    CommandHelp{"script", "script FILE", "run a scenario on the headless desktop and print what happens", "",
                kScriptOptions},
    CommandHelp{"check", "check FORM [--json]", "lint a form file",
                "Reports unknown keys, values that load changed, overlapping or clipped controls, duplicate access "
                "keys, gaps and duplicates in tab order, captions that stop fitting at larger text sizes and control "
                "characters in strings. Exit 0 when clean, 1 with findings, 2 when the file does not load.",
                kCheckOptions},
    CommandHelp{"sheet", "sheet [-o OUT.png] [--scale N] [--skins DIR]",
                "draw a contact sheet of every control in every look", "", kSheetOptions},
    CommandHelp{"skins", "skins [DIR]", "list the skin images the controls need, or check a folder of them", "",
                kSkinsOptions},
    CommandHelp{"design", "design FORM [--script FILE]", "open a form in the designer",
                "A toolbox, a property grid and the form: place, select, move, resize, nest and delete controls, "
                "edit properties, undo and redo, save with Ctrl+S and run with F5. A FORM that does not exist yet "
                "starts a new form. When a signal or the loss of the display ends a session with unsaved changes, "
                "they are kept in FORM.recovery and the next session offers them back.",
                kDesignOptions},
    CommandHelp{"header", "header FORM [-o FILE.h]",
                "write a C++ header with a typed reference to each control of a form",
                "The struct is the form's name followed by Ui (Login gives LoginUi); each control, nested ones "
                "included, is a member typed as its class. A name C++ cannot take gets an underscore (delete_). "
                "opalinekit_add_forms(TARGET FORM.frm ...) in CMake runs it at build time.",
                kHeaderOptions},
    CommandHelp{"web", "web FORM -o DIR [--runtime DIR]", "write a static web site that runs a form in a browser",
                "The site is index.html, the WebAssembly runtime (okit_runtime.js, okit_runtime.wasm), the page's "
                "script okit_page.js and a copy of the form; any static file server serves it. The form is checked "
                "first, as okit render would. tools/build-web.sh builds the runtime.",
                kWebOptions},
    CommandHelp{"help", "help [COMMAND]", "show the usage of okit or of one command", "", kHelpOptions},
};

constexpr std::array kProgramOptions{OptionHelp{"-h, --help", "show this help; okit COMMAND --help shows a command's"},
                                     OptionHelp{"--version", "show the version"}};

constexpr std::size_t kLineWidth = 79;
constexpr std::size_t kTextColumn = 18;

// Writes TEXT from column `column` (where the cursor already stands), breaking
// lines between words so none passes the terminal's usual 79 columns, and
// starting each further line at `indent`.
void print_wrapped(std::string_view text, std::size_t column, std::size_t indent, std::ostream& out) {
  std::size_t at = column;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
    if (at > column && at + 1 + word.size() > kLineWidth) {
      out << '\n' << std::string(indent, ' ');
      at = indent;
    } else if (at > column) {
      out << ' ';
      ++at;
    }
    out << word;
    at += word.size();
  }
  out << '\n';
}

void print_options(std::span<const OptionHelp> options, std::ostream& out) {
  for (const OptionHelp& option : options) {
    out << "  " << std::left << std::setw(kTextColumn - 2) << option.name;
    // A long name still keeps two spaces before its text.
    if (option.name.size() >= kTextColumn - 2) out << "\n" << std::string(kTextColumn, ' ');
    print_wrapped(option.text, kTextColumn, kTextColumn, out);
  }
}

// What a command does and its options, each line indented by `indent`.
void print_command_body(const CommandHelp& command, std::size_t indent, std::ostream& out) {
  out << std::string(indent, ' ') << char(std::toupper(command.summary[0])) << command.summary.substr(1) << ".\n";
  if (!command.details.empty()) {
    out << std::string(indent, ' ');
    print_wrapped(command.details, indent, indent, out);
  }
  if (command.options.empty()) return;
  out << (indent == 0 ? "\nOptions:\n" : "\n");
  print_options(command.options, out);
}

void print_command_list(std::ostream& out) {
  out << "Usage: okit COMMAND [ARGUMENT...]\n"
         "  or:  okit help [COMMAND]\n"
         "  or:  okit --version\n"
         "Run, render, script, check and design OpalineKit form files.\n"
         "\n"
         "Commands:\n";
  for (const CommandHelp& command : kCommands)
    out << "  " << std::left << std::setw(8) << command.name << command.summary << '\n';
}

void print_program_options(std::ostream& out) {
  out << "\n"
         "Exit status:\n"
         "  0 success; 1 the scenario or form ran but reported errors or warnings;\n"
         "  2 bad usage, or a file that cannot be read or parsed (FILE:LINE: message\n"
         "  on standard error).\n"
         "\n"
         "Options:\n";
  print_options(kProgramOptions, out);
  out << "\n"
         "Environment:\n"
         "  OKIT_FONT       the font file to draw text with, instead of the classic\n"
         "                  8-point sans-serif face\n";
}

}  // namespace

std::span<const CommandHelp> command_helps() { return kCommands; }

const CommandHelp* find_command_help(std::string_view name) {
  for (const CommandHelp& command : kCommands)
    if (command.name == name) return &command;
  return nullptr;
}

void print_version(std::ostream& out) { out << "okit " << OKIT_VERSION << '\n'; }

void print_help(std::ostream& out) {
  print_command_list(out);
  print_program_options(out);
}

void print_command_help(const CommandHelp& command, std::ostream& out) {
  out << "Usage: okit " << command.synopsis << '\n';
  print_command_body(command, 0, out);
}

// Each command under a heading of its own, in the layout help2man turns into
// a subsection with its options as a list.
void print_full_help(std::ostream& out) {
  print_command_list(out);
  for (const CommandHelp& command : kCommands) {
    out << "\nokit " << command.synopsis << ":\n";
    print_command_body(command, 2, out);
  }
  print_program_options(out);
}

int short_usage(std::ostream& err, std::string_view command) {
  const CommandHelp* one = find_command_help(command);
  if (one) {
    err << "usage: okit " << one->synopsis << '\n';
  } else {
    const char* lead = "usage: okit ";
    for (const CommandHelp& each : kCommands) {
      err << lead << each.synopsis << '\n';
      lead = "       okit ";
    }
  }
  err << "Try 'okit help" << (one ? " " : "") << (one ? command : "") << "' for more information.\n";
  return 2;
}

}  // namespace okit
