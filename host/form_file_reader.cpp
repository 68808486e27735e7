// Reading form files. The reader walks the text once, line by line, keeping
// the blocks that are begun but not yet ended on a stack of its own (not the
// call stack), so a deeply nested or huge file fails with a message rather
// than a crash. Nothing is returned unless the whole file reads cleanly.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

#include "host/dispatch.h"
#include "host/form_file.h"
#include "host/value_text.h"

namespace okit {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> split_words(std::string_view text) {
  std::vector<std::string_view> words;
  for (text = trim(text); !text.empty(); text = trim(text)) {
    std::size_t end = 0;
    while (end < text.size() && !is_blank(text[end])) ++end;
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

// Library, class and control names: letters, digits and underscores, not
// starting with a digit. Keys may also hold dots ("Font.Size").
bool is_name(std::string_view text, bool dots_allowed = false) {
  if (text.empty() || !is_letter(text.front())) return false;
  for (char c : text)
    if (!is_letter(c) && !is_digit(c) && !(dots_allowed && c == '.')) return false;
  return true;
}

std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ascii_lower(c);
  return out;
}

// Follows the quotes of `text` from the state `inside` and tells whether a
// string is still open at its end. A ' outside a string starts a comment,
// after which no quote counts. Called on each new line of a long string, so
// reading one stays linear in its length.
bool inside_string_after(std::string_view text, bool inside) {
  for (char c : text) {
    if (c == '"') inside = !inside;
    else if (c == '\'' && !inside) return false;
  }
  return inside;
}

// One physical line: its text without the line ending, the ending itself
// ("\n", "\r\n" or nothing at the end of the text) and its 1-based number.
struct PhysicalLine {
  std::string_view text;
  std::string_view ending;
  int number = 0;
};

class LineReader {
 public:
  explicit LineReader(std::string_view text) : rest_(text) {}
  bool at_end() const { return rest_.empty(); }
  int last_number() const { return number_; }

  PhysicalLine next() {
    const std::size_t newline = rest_.find('\n');
    const std::size_t consumed = newline == std::string_view::npos ? rest_.size() : newline + 1;
    std::size_t text_end = newline == std::string_view::npos ? rest_.size() : newline;
    if (text_end > 0 && rest_[text_end - 1] == '\r') --text_end;
    PhysicalLine line{rest_.substr(0, text_end), rest_.substr(text_end, consumed - text_end), ++number_};
    rest_.remove_prefix(consumed);
    return line;
  }

 private:
  std::string_view rest_;
  int number_ = 0;
};

constexpr std::string_view kBeginSyntax = "expected 'Begin LIBRARY.CLASS NAME'";
constexpr std::string_view kTooLarge = "file is larger than 16 MiB";

class FormParser {
 public:
  FormParser(std::string_view text, std::string_view file) : file_(file), lines_(text) {}
  Expected<FormDocument> run();

 private:
  using Problem = std::optional<LoadError>;

  // A block begun and not yet ended, with the line of each key it holds so
  // a duplicate can name the first one.
  struct OpenBlock {
    FormBlock block;
    std::unordered_map<std::string, int> key_lines;
  };

  Problem next_line(PhysicalLine& line);
  Problem handle(const PhysicalLine& line);
  Problem statement(std::string_view text, int number, bool first);
  Problem begin_block(const std::vector<std::string_view>& words, int number);
  Problem end_block(const std::vector<std::string_view>& words, int number);
  Problem assignment(const PhysicalLine& line, std::size_t equals);
  Problem property(std::string_view key, std::string value, const PhysicalLine& line);
  Problem continue_string(std::string& value, std::string_view ending, int first_line);
  LoadError error(int line, std::string message) const { return LoadError{file_, line, std::move(message)}; }

  std::string file_;
  LineReader lines_;
  FormDocument doc_;
  std::vector<OpenBlock> open_;  // outermost first
  bool started_ = false;         // a line other than a blank or a comment was seen
  bool finished_ = false;        // the top-level block has ended
};

Expected<FormDocument> FormParser::run() {
  while (!lines_.at_end()) {
    PhysicalLine line;
    if (Problem problem = next_line(line)) return *problem;
    if (Problem problem = handle(line)) return *problem;
  }
  if (!open_.empty()) {
    const FormBlock& block = open_.back().block;
    return error(lines_.last_number(), "missing End for Begin " + block.library + "." + block.class_name + " " +
                                           block.name + " (line " + std::to_string(block.line) + ")");
  }
  if (!finished_) return error(lines_.last_number(), "no 'Begin' block: the file holds no form");
  return std::move(doc_);
}

// Every line passes here, also those inside a string, comments and those
// after the final End, so a NUL is refused wherever it is rather than cut
// the text short for anything that reads it as a C string later.
FormParser::Problem FormParser::next_line(PhysicalLine& line) {
  line = lines_.next();
  if (line.text.size() > kMaxFormLineBytes)
    return error(line.number, "line is longer than " + std::to_string(kMaxFormLineBytes) + " bytes");
  if (line.text.find('\0') != std::string_view::npos) return error(line.number, "line contains a NUL byte");
  return std::nullopt;
}

FormParser::Problem FormParser::handle(const PhysicalLine& line) {
  const std::string_view text = trim(line.text);
  if (text.empty() || text.front() == '\'') return std::nullopt;
  if (finished_) return error(line.number, "text after the final 'End'");
  const bool first = !started_;
  started_ = true;
  // A '=' before any quote or comment makes a KEY = VALUE line; anything
  // else is a statement such as Begin or End.
  const std::size_t equals = text.find('=');
  if (equals != std::string_view::npos && equals < text.find_first_of("'\""))
    return assignment(line, static_cast<std::size_t>(text.data() - line.text.data()) + equals);
  return statement(text.substr(0, text.find('\'')), line.number, first);
}

FormParser::Problem FormParser::statement(std::string_view text, int number, bool first) {
  const std::vector<std::string_view> words = split_words(text);
  if (equals_ignore_case(words.front(), "Begin")) return begin_block(words, number);
  if (equals_ignore_case(words.front(), "End")) return end_block(words, number);
  if (!equals_ignore_case(words.front(), "VERSION")) return error(number, "expected 'KEY = VALUE', 'Begin' or 'End'");
  if (!first) return error(number, "'VERSION' must be the first line");
  if (words.size() != 2) return error(number, "expected 'VERSION NUMBER'");
  doc_.version = std::string(words[1]);
  return std::nullopt;
}

FormParser::Problem FormParser::begin_block(const std::vector<std::string_view>& words, int number) {
  if (words.size() != 3) return error(number, std::string(kBeginSyntax));
  const std::string_view qualified = words[1];
  const std::size_t dot = qualified.find('.');
  if (dot == std::string_view::npos) return error(number, std::string(kBeginSyntax));
  const std::string_view library = qualified.substr(0, dot), class_name = qualified.substr(dot + 1);
  if (!is_name(library) || !is_name(class_name) || !is_name(words[2])) return error(number, std::string(kBeginSyntax));
  if (open_.size() >= static_cast<std::size_t>(kMaxFormDepth))
    return error(number, "blocks nest deeper than " + std::to_string(kMaxFormDepth) + " levels");
  FormBlock block;
  block.library = std::string(library);
  block.class_name = std::string(class_name);
  block.name = std::string(words[2]);
  block.line = number;
  open_.push_back(OpenBlock{std::move(block), {}});
  return std::nullopt;
}

FormParser::Problem FormParser::end_block(const std::vector<std::string_view>& words, int number) {
  if (words.size() != 1) return error(number, "unexpected text after 'End'");
  if (open_.empty()) return error(number, "'End' without 'Begin'");
  FormBlock done = std::move(open_.back().block);
  open_.pop_back();
  if (open_.empty()) {
    doc_.form = std::move(done);
    finished_ = true;
  } else {
    open_.back().block.children.push_back(std::move(done));
  }
  return std::nullopt;
}

// `equals` is the position of the first '=' in line.text. Outside any block
// the only assignment is the library reference, kept as written.
FormParser::Problem FormParser::assignment(const PhysicalLine& line, std::size_t equals) {
  const std::string_view key = trim(line.text.substr(0, equals));
  if (!open_.empty()) return property(key, std::string(line.text.substr(equals + 1)), line);
  if (equals_ignore_case(key, "Object")) {
    doc_.object_lines.emplace_back(trim(line.text));
    return std::nullopt;
  }
  return error(line.number, "property line before 'Begin'");
}

FormParser::Problem FormParser::property(std::string_view key, std::string value, const PhysicalLine& line) {
  if (!is_name(key, true)) return error(line.number, "expected a property name before '='");
  if (Problem problem = continue_string(value, line.ending, line.number)) return problem;
  Expected<Value> parsed = parse_form_value(value);
  if (!parsed) return error(line.number, parsed.error().message);
  OpenBlock& open = open_.back();
  const auto [earlier, inserted] = open.key_lines.emplace(lowered(key), line.number);
  if (!inserted)
    return error(line.number, "duplicate key " + std::string(key) + " (first on line " +
                                  std::to_string(earlier->second) + ")");
  open.block.properties.push_back(FormProperty{std::string(key), std::move(*parsed), line.number});
  return std::nullopt;
}

// A string may hold line breaks; they are written as they are, so the value
// goes on over the following lines, endings included, until its quote closes.
FormParser::Problem FormParser::continue_string(std::string& value, std::string_view ending, int first_line) {
  const std::string_view start = trim(value);
  bool open = value_text::starts_string_literal(start) && inside_string_after(start, false);
  while (open) {
    if (lines_.at_end()) return error(first_line, "unterminated string");
    PhysicalLine more;
    if (Problem problem = next_line(more)) return problem;
    value.append(ending).append(more.text);
    ending = more.ending;
    open = inside_string_after(more.text, true);
  }
  return std::nullopt;
}

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads at most one byte past the size limit, so a huge file is refused
// without being loaded whole.
std::optional<LoadError> read_whole_file(const std::string& path, std::string& text) {
  std::unique_ptr<std::FILE, CloseFile> in(std::fopen(path.c_str(), "rb"));
  if (!in) return LoadError{path, 0, "cannot open file: " + std::string(std::strerror(errno))};
  char chunk[1 << 16];
  while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, in.get())) {
    text.append(chunk, got);
    if (text.size() > kMaxFormFileBytes) return LoadError{path, 0, std::string(kTooLarge)};
  }
  if (std::ferror(in.get())) return LoadError{path, 0, "cannot read file: " + std::string(std::strerror(errno))};
  return std::nullopt;
}

}  // namespace

Expected<FormDocument> parse_form(std::string_view text, std::string_view file) {
  if (text.size() > kMaxFormFileBytes) return LoadError{std::string(file), 0, std::string(kTooLarge)};
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
  return FormParser(text, file).run();
}

Expected<FormDocument> read_form_file(const std::string& path) {
  std::string text;
  if (std::optional<LoadError> problem = read_whole_file(path, text)) return *problem;
  return parse_form(text, path);
}

}  // namespace okit
