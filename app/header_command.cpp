#include "app/header_command.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string_view>

#include "app/silent_application.h"
#include "app/usage.h"
#include "host/form_loader.h"
#include "host/utf8.h"
#include "host/whole_file.h"

namespace okit {

namespace {

// What follows the form's name in the struct's: `Login` gives `LoginUi`.
constexpr std::string_view kStructSuffix = "Ui";

// Words a member may not be called as they stand: C++20's keywords and
// alternative operator tokens, `import` and `module`, which begin module
// declarations, and the lower-case object-like macros that the headers the
// generated one includes (errno) or GCC's GNU modes (linux, unix, i386)
// define. Names are case-sensitive in C++, so `Class` or `Delete` stay.
constexpr std::string_view kTakenWords[] = {
    "alignas",     "alignof",  "and",        "and_eq",    "asm",       "auto",         "bitand",
    "bitor",       "bool",     "break",      "case",      "catch",     "char",         "char8_t",
    "char16_t",    "char32_t", "class",      "co_await",  "co_return", "co_yield",     "compl",
    "concept",     "const",    "const_cast", "consteval", "constexpr", "constinit",    "continue",
    "decltype",    "default",  "delete",     "do",        "double",    "dynamic_cast", "else",
    "enum",        "explicit", "export",     "extern",    "false",     "float",        "for",
    "friend",      "goto",     "if",         "inline",    "int",       "long",         "mutable",
    "namespace",   "new",      "noexcept",   "not",       "not_eq",    "nullptr",      "operator",
    "or",          "or_eq",    "private",    "protected", "public",    "register",     "reinterpret_cast",
    "requires",    "return",   "short",      "signed",    "sizeof",    "static",       "static_assert",
    "static_cast", "struct",   "switch",     "template",  "this",      "thread_local", "throw",
    "true",        "try",      "typedef",    "typeid",    "typename",  "union",        "unsigned",
    "using",       "virtual",  "void",       "volatile",  "wchar_t",   "while",        "xor",
    "xor_eq",      "import",   "module",     "errno",     "linux",     "unix",         "i386",
};

bool is_taken_word(std::string_view name) {
  return std::find(std::begin(kTakenWords), std::end(kTakenWords), name) != std::end(kTakenWords);
}

// Identifiers the C++ implementation keeps for itself (its macros such as
// __LINE__ among them); appending an underscore would not free them.
bool is_reserved_identifier(std::string_view name) {
  const bool underscore_capital = name.size() >= 2 && name[0] == '_' && name[1] >= 'A' && name[1] <= 'Z';
  return underscore_capital || name.find("__") != std::string_view::npos;
}

std::string reserved_message(std::string_view what, std::string_view name) {
  return std::string(what) + " " + std::string(name) +
         ": names beginning with an underscore and a capital letter, or holding two underscores in a row, are "
         "reserved in C++; rename it";
}

// One reference member of the struct.
struct Member {
  std::string control;  // the control's name in the form file
  std::string name;     // the member's name in C++
  std::string type;     // "::okit::Label": the control's class, qualified
  int line = 0;         // the control's Begin line
};

struct HeaderPlan {
  std::string struct_name;
  std::vector<Member> members;     // file order, depth first: containers before what they hold
  std::set<std::string> includes;  // beside api/opalinekit.h, sorted
};

// The header that declares a host element kind: "PictureBox" is in
// host/elements/picture_box.h.
std::string host_element_header(std::string_view kind) {
  std::string file;
  for (char c : kind) {
    const bool capital = c >= 'A' && c <= 'Z';
    if (capital && !file.empty()) file += '_';
    file += static_cast<char>(capital ? c - 'A' + 'a' : c);
  }
  return "host/elements/" + file + ".h";
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

void collect_members(const Desktop* desktop, const FormBlock& block, const std::map<std::string, Element*>& loaded,
                     HeaderPlan& plan) {
  for (const FormBlock& child : block.children) {
    // Loading checked every class and name, so each control is there under
    // its own (case-insensitively unique) name, unless it destroyed itself
    // while loading: then a new one of its class tells the class.
    const auto found = loaded.find(lowered(child.name));
    std::shared_ptr<Element> probe;
    if (found == loaded.end()) probe = create_control(desktop, child.library, child.class_name);
    const ClassInfo& info = (found != loaded.end() ? found->second : probe.get())->class_info();
    if (info.library == kHostLibrary) plan.includes.insert(host_element_header(info.name));
    plan.members.push_back({child.name, child.name, "::okit::" + std::string(info.name), child.line});
    collect_members(desktop, child, loaded, plan);
  }
}

// Gives each member its C++ name (see header_command.h), or says which
// control's name cannot become one.
std::optional<LoadError> name_members(HeaderPlan& plan, const std::string& file) {
  std::map<std::string, const Member*> taken;
  for (Member& member : plan.members) {
    if (is_reserved_identifier(member.control))
      return LoadError{file, member.line, reserved_message("control", member.control)};
    if (is_taken_word(member.control) || member.control == plan.struct_name) member.name += '_';
    const auto [it, added] = taken.emplace(member.name, &member);
    if (!added)
      return LoadError{file, member.line,
                       "controls " + it->second->control + " (line " + std::to_string(it->second->line) + ") and " +
                           member.control + " would both be member " + member.name + " of " + plan.struct_name +
                           "; rename one of them"};
  }
  return std::nullopt;
}

Expected<HeaderPlan> plan_header(const FormDocument& doc, Form& form, const std::string& file) {
  HeaderPlan plan;
  if (is_reserved_identifier(doc.form.name))
    return LoadError{file, doc.form.line, reserved_message("form", doc.form.name)};
  plan.struct_name = doc.form.name + std::string(kStructSuffix);
  std::map<std::string, Element*> loaded;
  for (Element* control : form.controls()) loaded.emplace(lowered(control->name()), control);
  collect_members(form.desktop(), doc.form, loaded, plan);
  if (auto problem = name_members(plan, file)) return *problem;
  return plan;
}

// The form file's name for the header's first line: without its folders,
// so the header does not depend on where the build tree is, and with
// anything that is not printable text as '?', so the comment stays one line.
std::string printable_file_name(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  std::string out;
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t start = pos;
    const char32_t c = next_code_point(name, pos);
    const bool printable = c >= 0x20 && c != 0x7F && c != kReplacementCharacter;
    out += printable ? name.substr(start, pos - start) : "?";
  }
  return out;
}

// A parameter name that no member shadows.
std::string parameter_name(const HeaderPlan& plan) {
  const auto is_member = [&](const std::string& name) {
    return std::any_of(plan.members.begin(), plan.members.end(), [&](const Member& m) { return m.name == name; });
  };
  std::string name = "form";
  for (int n = 2; is_member(name); ++n) name = "form" + std::to_string(n);
  return name;
}

std::string header_text(const HeaderPlan& plan, const std::string& form_name, const std::string& source) {
  std::ostringstream h;
  h << "// Generated by okit header from " << source << "; do not edit.\n"
    << "// The controls of form " << form_name << " by name and class: " << plan.struct_name
    << " ui(*form) binds each\n"
    << "// member with Form::control<T>, which throws okit::RuntimeError 424 for a\n"
    << "// control the loaded form does not have.\n"
    << "#pragma once\n\n"
    << "#include \"api/opalinekit.h\"\n";
  for (const std::string& include : plan.includes) h << "#include \"" << include << "\"\n";
  h << "\nstruct " << plan.struct_name << " {\n";
  if (plan.members.empty()) {
    h << "  explicit " << plan.struct_name << "(::okit::Form&) {}\n";
  } else {
    const std::string form = parameter_name(plan);
    h << "  explicit " << plan.struct_name << "(::okit::Form& " << form << ")\n";
    for (std::size_t i = 0; i < plan.members.size(); ++i) {
      const Member& m = plan.members[i];
      h << (i == 0 ? "      : " : "        ") << m.name << '{' << form << ".control<" << m.type << ">(\"" << m.control
        << "\")}" << (i + 1 < plan.members.size() ? ",\n" : " {}\n");
    }
    h << '\n';
  }
  for (const Member& m : plan.members) h << "  " << m.type << "& " << m.name << ";\n";
  h << "};\n";
  return h.str();
}

// Loads the form quietly, as okit check does, and writes its header.
Expected<std::string> make_header(const std::string& path) {
  auto doc = read_form_file(path);
  if (!doc) return doc.error();
  QuietDesktop quiet;
  auto form = load_form(quiet.desktop(), *doc, path);
  if (!form) return form.error();
  auto plan = plan_header(*doc, **form, path);
  if (!plan) return plan.error();
  return header_text(*plan, doc->form.name, printable_file_name(path));
}

// A header that already holds `text` keeps its time stamp, so a build does
// not recompile what includes it.
std::optional<LoadError> write_header_file(const std::string& path, const std::string& text) {
  if (read_whole_file(path) == text) return std::nullopt;
  if (Expected<bool> written = replace_file(path, text); !written) return written.error();
  return std::nullopt;
}

}  // namespace

int header_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string form_path;
  std::optional<std::string> header_path;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && !header_path && !args[i + 1].empty()) {
      header_path = args[++i];
    } else if (form_path.empty() && !args[i].empty() && args[i][0] != '-') {
      form_path = args[i];
    } else {
      return short_usage(err, "header");
    }
  }
  if (form_path.empty()) return short_usage(err, "header");
  const auto header = make_header(form_path);
  if (!header) {
    err << header.error().to_string() << '\n';
    return 2;
  }
  if (!header_path) {
    out << *header;
    return 0;
  }
  if (auto problem = write_header_file(*header_path, *header)) {
    err << problem->to_string() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace okit
