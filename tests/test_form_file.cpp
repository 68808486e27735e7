#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/silent_application.h"
#include "host/form_file.h"
#include "host/form_loader.h"
#include "host_testing.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

Value parsed(std::string_view text) {
  Expected<Value> value = parse_form_value(text);
  EXPECT_TRUE(value.has_value()) << text << ": " << value.error().message;
  return value ? *value : Value();
}

std::string value_error(std::string_view text) {
  Expected<Value> value = parse_form_value(text);
  EXPECT_FALSE(value.has_value()) << text;
  return value ? std::string() : value.error().message;
}

std::string form_error(std::string_view text) {
  Expected<FormDocument> doc = parse_form(text, "form.frm");
  EXPECT_FALSE(doc.has_value()) << text;
  return doc ? std::string() : doc.error().to_string();
}

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void write_text(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A fresh empty directory per test, removed afterwards.
class FormFileOnDisk : public ::testing::Test {
 protected:
  std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }
  testing::TempDir temp_{"okit_form_file"};
  const fs::path& dir_ = temp_.path();
};

const char* const kSample =
    "VERSION 5.00\n"
    "Object = \"{0B5B3C4E-0000-4000-8000-4F50414C494E}#8.0#0\"; \"OpalineKit\"\n"
    "Begin Host.Form Form1\n"
    "   Caption         =   \"Demo\"\n"
    "   ClientHeight    =   3600\n"
    "   Begin OpalineKit.cmd_Opaline_Button Button1\n"
    "      Left            =   240\n"
    "      Enabled         =   0   'False\n"
    "      Caption         =   \"&OK\"\n"
    "   End\n"
    "   Begin Host.Label Label1\n"
    "   End\n"
    "End\n";

TEST(FormValue, StringsKeepQuotesApostrophesAndEquals) {
  EXPECT_EQ(parsed("\"Demo\""), Value("Demo"));
  EXPECT_EQ(parsed("  \"say \"\"hi\"\"\"  "), Value("say \"hi\""));
  EXPECT_EQ(parsed("\"it's a = b\"  ' a comment with \"quotes\""), Value("it's a = b"));
  EXPECT_EQ(parsed("\"\""), Value(""));
  EXPECT_EQ(parsed("\"two\r\nlines\""), Value("two\r\nlines"));
  EXPECT_EQ(parsed("\"caf\xC3\xA9\""), Value("caf\xC3\xA9"));
}

// Control characters load as they are, whether written raw or as the writer
// writes them (a NUL only as Chr(0): the reader refuses a NUL byte).
TEST(FormValue, ControlCharactersLoadRawOrAsChr) {
  EXPECT_EQ(parsed("\"ring\a\x1B\""), Value("ring\a\x1B"));
  EXPECT_EQ(parsed("\"ab\" & Chr(7) & \"c\"  ' bell"), Value("ab\ac"));
  EXPECT_EQ(parsed("Chr(13) & Chr(10)"), Value("\r\n"));
  EXPECT_EQ(parsed("ChrW(133)"), Value("\xC2\x85"));
  EXPECT_EQ(parsed("\"a\" & Chr(0)"), Value(std::string("a\0", 2)));
  EXPECT_EQ(value_error("\"a\" & Chr(7) b"), "unexpected text 'b' after the closing quote");
  EXPECT_EQ(value_error("\"a\" & "), "expected a string or Chr(N) after '&'");
  EXPECT_EQ(value_error("\"a\" & Chr(200)"), "Chr(N) needs a character code N from 0 to 127");
  EXPECT_EQ(value_error("\"a\" & \"b"), "unterminated string");
}

TEST(FormValue, NumbersTakeTheSmallestSubtypeThatHoldsThem) {
  EXPECT_EQ(parsed("240"), Value(std::int16_t{240}));
  EXPECT_EQ(parsed("-32768"), Value(std::int16_t{-32768}));
  EXPECT_EQ(parsed("32768"), Value(std::int32_t{32768}));
  EXPECT_EQ(parsed("-2147483640"), Value(std::int32_t{-2147483640}));
  EXPECT_EQ(parsed("3000000000"), Value(3000000000.0));
  EXPECT_EQ(parsed("&H80000008&"), Value(std::int32_t{-2147483640}));
  EXPECT_EQ(parsed("&HFF"), Value(std::int32_t{255}));
  EXPECT_EQ(parsed("7.5"), Value(7.5));
  EXPECT_EQ(parsed("-1.5E-07"), Value(-1.5e-7));
  EXPECT_EQ(parsed("12.0"), Value(12.0));
  EXPECT_EQ(parsed("2055   ' twips"), Value(std::int16_t{2055}));
}

TEST(FormValue, BooleansComeFromWordsOrMarkedNumbers) {
  EXPECT_EQ(parsed("-1  'True"), Value::boolean(true));
  EXPECT_EQ(parsed("0   'False"), Value::boolean(false));
  EXPECT_EQ(parsed("1 'true"), Value::boolean(true));    // any nonzero number is True
  EXPECT_EQ(parsed("0 'True"), Value::boolean(false));   // the number decides, not the comment
  EXPECT_EQ(parsed("-1 'True, pressed"), Value(std::int16_t{-1}));  // not a marker, just a comment
  EXPECT_EQ(parsed("True"), Value::boolean(true));
  EXPECT_EQ(parsed("false"), Value::boolean(false));
  EXPECT_EQ(parsed("Empty"), Value());
}

TEST(FormValue, BrokenValuesSayWhatIsWrong) {
  EXPECT_EQ(value_error("\"abc"), "unterminated string");
  EXPECT_EQ(value_error("\"a\"\"b"), "unterminated string");
  EXPECT_EQ(value_error("\"abc\" def"), "unexpected text 'def' after the closing quote");
  EXPECT_EQ(value_error("abc"), "value 'abc' is not a number, string or boolean");
  EXPECT_EQ(value_error("12 34"), "value '12 34' is not a number, string or boolean");
  EXPECT_EQ(value_error("1E+999"), "number '1E+999' is out of range");
  EXPECT_EQ(value_error("&H123456789&"), "number '&H123456789&' is out of range");
  EXPECT_EQ(value_error("   ' only a comment"), "missing value after '='");
  EXPECT_EQ(value_error("\"bad \xC3\x28\""), "string is not valid UTF-8");
  EXPECT_EQ(value_error("\"surrogate \xED\xA0\x80\""), "string is not valid UTF-8");
  EXPECT_EQ(value_error("\"overlong \xC0\xAF\""), "string is not valid UTF-8");
}

TEST(FormValue, FormatReadsBackAsTheSameSubtype) {
  EXPECT_EQ(format_form_value(Value::boolean(true)), "-1  'True");
  EXPECT_EQ(format_form_value(Value::boolean(false)), "0   'False");
  EXPECT_EQ(format_form_value(Value(std::int32_t(0x80000008u))), "-2147483640");
  EXPECT_EQ(format_form_value(Value("a \"b\"")), "\"a \"\"b\"\"\"");
  EXPECT_EQ(format_form_value(Value(12.0)), "12.0");
  EXPECT_EQ(format_form_value(Value(7.5f)), "7.5");
  EXPECT_EQ(format_form_value(Value("two\r\nlines\a")), "\"two\" & Chr(13) & Chr(10) & \"lines\" & Chr(7)");
  for (const Value& v : {Value::boolean(true), Value(std::int16_t{-7}), Value(std::int32_t{40000}), Value(12.0),
                         Value(-0.1), Value(1e20), Value("x'y=\"z\"\n"), Value("\r"), Value("tab\there"), Value(),
                         Value::null()})
    EXPECT_EQ(parsed(format_form_value(v)), v);
}

TEST(FormReader, BuildsTheBlockTree) {
  Expected<FormDocument> doc = parse_form(kSample, "form.frm");
  ASSERT_TRUE(doc.has_value()) << doc.error().to_string();
  EXPECT_EQ(doc->version, "5.00");
  ASSERT_EQ(doc->object_lines.size(), 1u);
  EXPECT_EQ(doc->object_lines[0], "Object = \"{0B5B3C4E-0000-4000-8000-4F50414C494E}#8.0#0\"; \"OpalineKit\"");
  const FormBlock& form = doc->form;
  EXPECT_EQ(form.library + "." + form.class_name + " " + form.name, "Host.Form Form1");
  EXPECT_EQ(form.line, 3);
  ASSERT_EQ(form.children.size(), 2u);
  const FormBlock& button = form.children[0];
  EXPECT_EQ(button.class_name, "cmd_Opaline_Button");
  EXPECT_EQ(button.line, 6);
  EXPECT_EQ(form.children[1].name, "Label1");
  ASSERT_NE(button.find("ENABLED"), nullptr);
  EXPECT_EQ(button.find("enabled")->value, Value::boolean(false));
  EXPECT_EQ(button.find("enabled")->line, 8);
  EXPECT_EQ(button.find("Caption")->value, Value("&OK"));
  EXPECT_EQ(button.find("Top"), nullptr);
}

TEST(FormReader, ToleratesLayoutDifferences) {
  // No VERSION line, a byte order mark, CRLF endings, comment and blank lines,
  // odd indentation, keyword and key case, and a string running over lines.
  const std::string text =
      "\xEF\xBB\xBF' saved by hand\r\n"
      "\r\n"
      "begin Host.Form Form1   ' the form\r\n"
      "Caption=\"a\r\n"
      "b\"\r\n"
      "        ClientWidth =4800\r\n"
      "END\r\n"
      "\r\n"
      "' trailing comment\r\n";
  Expected<FormDocument> doc = parse_form(text, "form.frm");
  ASSERT_TRUE(doc.has_value()) << doc.error().to_string();
  EXPECT_EQ(doc->version, "5.00");
  EXPECT_TRUE(doc->object_lines.empty());
  EXPECT_EQ(doc->form.find("caption")->value, Value("a\r\nb"));
  EXPECT_EQ(doc->form.find("ClientWidth")->value, Value(std::int16_t{4800}));
  EXPECT_EQ(doc->form.find("ClientWidth")->line, 6);
}

TEST(FormReader, ReportsTheFirstProblemWithFileAndLine) {
  EXPECT_EQ(form_error("VERSION 5.00\nBegin Host.Form F\n   Caption = \"Demo\nEnd\n"),
            "form.frm:3: unterminated string");
  EXPECT_EQ(form_error("VERSION 5.00\n\nBegin Host.Form Form1\n   Begin Host.Label L\n   End\n\n"),
            "form.frm:6: missing End for Begin Host.Form Form1 (line 3)");
  EXPECT_EQ(form_error("Begin Host.Form F\nEnd\nEnd\n"), "form.frm:3: text after the final 'End'");
  EXPECT_EQ(form_error("Begin Host.Form F\nEnd\nBegin Host.Form G\nEnd\n"), "form.frm:3: text after the final 'End'");
  EXPECT_EQ(form_error("VERSION 5.00\nEnd\n"), "form.frm:2: 'End' without 'Begin'");
  EXPECT_EQ(form_error("Begin Host.Form F\n  Caption \"x\"\nEnd\n"),
            "form.frm:2: expected 'KEY = VALUE', 'Begin' or 'End'");
  EXPECT_EQ(form_error("VERSION 5.00\nBegin Form1\nEnd\n"), "form.frm:2: expected 'Begin LIBRARY.CLASS NAME'");
  EXPECT_EQ(form_error("Begin Host.Form Form 1\nEnd\n"), "form.frm:1: expected 'Begin LIBRARY.CLASS NAME'");
  EXPECT_EQ(form_error("Begin Host.Form F\n\n\n  Left = abc\nEnd\n"),
            "form.frm:4: value 'abc' is not a number, string or boolean");
  EXPECT_EQ(form_error("Begin Host.Form F\n  Back Color = 5\nEnd\n"), "form.frm:2: expected a property name before '='");
  EXPECT_EQ(form_error("Begin Host.Form F\n  Left = 1\n  LEFT = 2\nEnd\n"),
            "form.frm:3: duplicate key LEFT (first on line 2)");
  EXPECT_EQ(form_error("Caption = \"x\"\nBegin Host.Form F\nEnd\n"), "form.frm:1: property line before 'Begin'");
  EXPECT_EQ(form_error("Begin Host.Form F\nEnd\nVERSION 5.00\n"), "form.frm:3: text after the final 'End'");
  EXPECT_EQ(form_error("Begin Host.Form F\nVERSION 5.00\nEnd\n"), "form.frm:2: 'VERSION' must be the first line");
  EXPECT_EQ(form_error("Begin Host.Form F\nEnd Sub\n"), "form.frm:2: unexpected text after 'End'");
  EXPECT_EQ(form_error("VERSION 5.00\n' nothing else\n"), "form.frm:2: no 'Begin' block: the file holds no form");
  EXPECT_EQ(form_error("Begin Host.Form F\n  Caption = \"\xFF\"\nEnd\n"), "form.frm:2: string is not valid UTF-8");
}

// A NUL byte is refused on the line that holds it, wherever that is: the
// text is read whole, never as a C string that would end at the NUL.
TEST(FormReader, RefusesANulByteOnItsLine) {
  using namespace std::string_literals;
  const std::string start = "VERSION 5.00\nBegin Host.Form F\n";
  EXPECT_EQ(form_error(start + "  Cap\0tion = \"x\"\nEnd\n"s), "form.frm:3: line contains a NUL byte");
  EXPECT_EQ(form_error(start + "  Caption = \"a\0b\"\nEnd\n"s), "form.frm:3: line contains a NUL byte");
  EXPECT_EQ(form_error(start + "  Caption = \"one\ntwo\0\"\nEnd\n"s), "form.frm:4: line contains a NUL byte")
      << "inside a string that runs over lines";
  EXPECT_EQ(form_error(start + "  ' a comment \0\nEnd\n"s), "form.frm:3: line contains a NUL byte");
  EXPECT_EQ(form_error(start + "End\n\n\0"s), "form.frm:5: line contains a NUL byte") << "after the last End";
  EXPECT_EQ(form_error("\0"s), "form.frm:1: line contains a NUL byte");
}

// Control characters other than NUL in a string load unchanged (okit check
// reports them), also a lone CR inside a line.
TEST(FormReader, LoadsOtherControlCharactersInStringsAsTheyAre) {
  Expected<FormDocument> doc = parse_form("Begin Host.Form F\n  Caption = \"a\ab\rc\x7F\xC2\x9B\"\nEnd\n", "form.frm");
  ASSERT_TRUE(doc.has_value()) << doc.error().to_string();
  EXPECT_EQ(doc->form.find("Caption")->value, Value("a\ab\rc\x7F\xC2\x9B"));
}

std::string nested_blocks(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "Begin Host.PictureBox P" + std::to_string(i) + "\n";
  for (int i = 0; i < depth; ++i) text += "End\n";
  return text;
}

TEST(FormReader, LimitsFailCleanly) {
  EXPECT_TRUE(parse_form(nested_blocks(kMaxFormDepth), "form.frm").has_value());
  EXPECT_EQ(form_error(nested_blocks(kMaxFormDepth + 1)), "form.frm:65: blocks nest deeper than 64 levels");

  const std::string long_caption(kMaxFormLineBytes, 'x');
  EXPECT_EQ(form_error("Begin Host.Form F\n  Caption = \"" + long_caption + "\"\nEnd\n"),
            "form.frm:2: line is longer than 65536 bytes");

  std::string huge = "Begin Host.Form F\n";
  huge.resize(kMaxFormFileBytes + 1, '\n');
  EXPECT_EQ(form_error(huge), "form.frm:0: file is larger than 16 MiB");
}

std::string load_error(std::string_view text) {
  QuietDesktop quiet;
  Expected<FormDocument> doc = parse_form(text, "form.frm");
  if (!doc) return doc.error().to_string();
  auto form = load_form(quiet.desktop(), *doc, "form.frm");
  return form ? std::string() : form.error().to_string();
}

// Found by fuzzing: these keys are stored in 16 or 32 bits, and a number
// beyond them used to be narrowed by a cast with undefined behaviour.
TEST(FormLoader, KeysStoredInFewerBitsRefuseNumbersBeyondThem) {
  EXPECT_EQ(load_error("Begin Host.Form F\n"
                       "   Begin OpalineKit.chk_Opaline_CheckBox Odd\n"
                       "      Height          =   195\n"
                       "      TabIndex           =   40000\n"
                       "   End\n"
                       "End\n"),
            "form.frm:4: value of TabIndex is out of range");
  EXPECT_EQ(load_error("Begin Host.Form F\n  BorderStyle = -32769\nEnd\n"),
            "form.frm:2: value of BorderStyle is out of range");
  EXPECT_EQ(load_error("Begin Host.Form F\n  BackColor = 3000000000\nEnd\n"),
            "form.frm:2: value of BackColor is out of range");
  EXPECT_EQ(load_error("Begin Host.Form F\n  BorderStyle = 2\n  BackColor = &H80000008&\n"
                       "  Begin Host.Label L\n    TabIndex = 32767\n  End\nEnd\n"),
            "")
      << "the largest values that fit load";
}

// A form's block holds its own saved properties and its client rectangle;
// what every element has (Tag, Visible) and what it only reports (hwnd) are
// no keys of a form.
TEST(FormLoader, FormKeysAreItsSavedPropertiesAndClientRectangle) {
  EXPECT_EQ(load_error("Begin Host.Form F\n  caption = \"x\"\n  BORDERSTYLE = 0\n  ClientTop = 15\nEnd\n"), "");
  EXPECT_EQ(load_error("Begin Host.Form F\n  Tag = \"x\"\nEnd\n"), "form.frm:2: unknown property Tag of Form");
  EXPECT_EQ(load_error("Begin Host.Form F\n  hwnd = 1\nEnd\n"), "form.frm:2: unknown property hwnd of Form");
  EXPECT_EQ(load_error("Begin Host.Form F\n  BackColor = \"red\"\nEnd\n"),
            "form.frm:2: value of BackColor is not a number");
}

// A designer's undo swaps a form's contents in place: the same form object
// (and window handle) afterwards, holding exactly the new document.
TEST(FormLoader, ReloadingKeepsTheFormAndReplacesWhatItHolds) {
  QuietDesktop quiet;
  const auto parse = [](std::string_view text) { return *parse_form(text, "form.frm"); };
  auto form = *load_form(quiet.desktop(), parse("Begin Host.Form F\n  Caption = \"One\"\n"
                               "  Begin Host.Label A\n  End\n  Begin Host.Label B\n  End\nEnd\n"),
                         "form.frm");
  const auto hwnd = form->hwnd();
  ASSERT_TRUE(reload_form(*form, parse("Begin Host.Form G\n  Caption = \"Two\"\n  ClientLeft = 150\n"
                                       "  Begin Host.CommandButton C\n  End\nEnd\n"),
                          "form.frm"));
  EXPECT_EQ(form->hwnd(), hwnd);
  EXPECT_EQ(form->name(), "G");
  EXPECT_EQ(form->caption(), "Two");
  EXPECT_EQ(form->left_twips(), 150);
  ASSERT_EQ(form->controls().size(), 1u);
  EXPECT_EQ(form->controls()[0]->name(), "C");

  // Another form's name is refused before anything changes.
  quiet.desktop().create_form("Other");
  const auto refused = reload_form(*form, parse("Begin Host.Form Other\nEnd\n"), "form.frm");
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().to_string(), "form.frm:1: a form named Other is already loaded");
  EXPECT_EQ(form->controls().size(), 1u);
}

FormDocument small_document() {
  FormDocument doc;
  doc.object_lines.push_back("Object = \"{GUID}#8.0#0\"; \"OpalineKit\"");
  doc.form = FormBlock{"Host", "Form", "Form1", 0, {{"Caption", Value("Say \"hi\""), 0}}, {}};
  FormBlock frame{"OpalineKit", "cmd_Opaline_Frame", "Frame1", 0, {}, {}};
  frame.properties = {{"Height", Value(std::int16_t{315}), 0},
                      {"AVeryLongKeyName", Value::boolean(true), 0},
                      {"ExactlySixteen16", Value::boolean(false), 0},
                      {"BackColor", Value(std::int32_t(0x80000008u)), 0},
                      {"FontSize", Value(8.25), 0}};
  frame.children.push_back(FormBlock{"Host", "Label", "Label1", 0, {{"Caption", Value("a'b"), 0}}, {}});
  doc.form.children.push_back(frame);
  doc.form.children.push_back(FormBlock{"Host", "Timer", "Timer1", 0, {}, {}});
  return doc;
}

TEST(FormWriter, WritesTheFixedLayout) {
  EXPECT_EQ(write_form(small_document()),
            "VERSION 5.00\n"
            "Object = \"{GUID}#8.0#0\"; \"OpalineKit\"\n"
            "Begin Host.Form Form1\n"
            "   Caption         =   \"Say \"\"hi\"\"\"\n"
            "   Begin OpalineKit.cmd_Opaline_Frame Frame1\n"
            "      Height          =   315\n"
            "      AVeryLongKeyName=   -1  'True\n"
            "      ExactlySixteen16=   0   'False\n"
            "      BackColor       =   -2147483640\n"
            "      FontSize        =   8.25\n"
            "      Begin Host.Label Label1\n"
            "         Caption         =   \"a'b\"\n"
            "      End\n"
            "   End\n"
            "   Begin Host.Timer Timer1\n"
            "   End\n"
            "End\n");
}

// A string is written on its key's line, control characters as Chr(N), so
// the file holds none raw and every string comes back as it was.
TEST(FormWriter, ControlCharactersAreWrittenAsChrAndReadBack) {
  FormDocument doc = small_document();
  const std::string texts[] = {"first\r\nsecond", "lone\rcr", "\a", "\x1B[1m\t\"x\"", "nel\xC2\x85", "\r\n"};
  for (const std::string& text : texts) {
    const std::string key = std::string("T").append(std::to_string(doc.form.properties.size()));
    doc.form.properties.push_back({key, Value(text), 0});
  }
  const std::string written = write_form(doc);
  EXPECT_NE(written.find("\n   T1              =   \"first\" & Chr(13) & Chr(10) & \"second\"\n"), std::string::npos)
      << written;
  for (char c : written) EXPECT_TRUE(c == '\n' || c == '\t' || static_cast<unsigned char>(c) >= 0x20) << int(c);
  Expected<FormDocument> reread = parse_form(written, "form.frm");
  ASSERT_TRUE(reread.has_value()) << reread.error().to_string();
  EXPECT_TRUE(*reread == doc);
  EXPECT_EQ(write_form(*reread), written);
}

TEST(FormWriter, RoundTripIsByteStable) {
  FormDocument doc = small_document();
  doc.form.properties.push_back({"Text", Value("first\r\nsecond\nthird \"q\" ' = "), 0});
  // The text cannot tell a Single from a Double, or a small Long from an
  // Integer; the loader converts to each key's declared type anyway.
  doc.form.properties.push_back({"Ratio", Value(0.1f), 0});
  doc.form.properties.push_back({"Small", Value(std::int32_t{240}), 0});
  const std::string written = write_form(doc);
  Expected<FormDocument> reread = parse_form(written, "form.frm");
  ASSERT_TRUE(reread.has_value()) << reread.error().to_string();
  EXPECT_EQ(write_form(*reread), written);
  EXPECT_EQ(reread->form.find("Ratio")->value, Value(0.1));
  EXPECT_EQ(reread->form.find("Small")->value, Value(std::int16_t{240}));
  doc.form.properties.pop_back();
  doc.form.properties.pop_back();
  reread->form.properties.resize(doc.form.properties.size());
  EXPECT_TRUE(*reread == doc);
}

TEST_F(FormFileOnDisk, SavesAndLoadsThroughFiles) {
  const fs::path target = dir_ / "form.frm";
  write_text(target, "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(write_form_file(target.string(), small_document()).has_value());
  EXPECT_EQ(read_text(target), write_form(small_document()));
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(entries(), 1u);  // no temporary file left behind

  Expected<FormDocument> loaded = read_form_file(target.string());
  ASSERT_TRUE(loaded.has_value()) << loaded.error().to_string();
  EXPECT_TRUE(*loaded == small_document());

  Expected<FormDocument> missing = read_form_file((dir_ / "absent.frm").string());
  ASSERT_FALSE(missing.has_value());
  EXPECT_EQ(missing.error().to_string(), (dir_ / "absent.frm").string() + ":0: cannot open file: No such file or directory");
  write_text(dir_ / "broken.frm", "Begin Host.Form F\n");
  EXPECT_EQ(read_form_file((dir_ / "broken.frm").string()).error().line, 1);
}

// Text set from code need not be UTF-8, but the reader refuses a file that
// holds such text: saving it would lose the form.
TEST_F(FormFileOnDisk, TextThatIsNotUtf8IsNotSaved) {
  const fs::path target = dir_ / "form.frm";
  write_text(target, "previous contents");
  FormDocument doc = small_document();
  doc.form.children.front().children.front().properties.front().value = Value(std::string("caf\xE9"));
  Expected<bool> saved = write_form_file(target.string(), doc);
  ASSERT_FALSE(saved.has_value());
  EXPECT_EQ(saved.error().to_string(),
            target.string() + ":0: Caption of Label1 is not valid UTF-8 text; nothing was written");
  EXPECT_EQ(read_text(target), "previous contents");
  EXPECT_EQ(entries(), 1u);
}

// A NUL set from code is written as Chr(0) and reads back; a NUL byte on
// disk stops the load at its line, however much of the file lies behind it.
TEST_F(FormFileOnDisk, NulIsSavedAsChrAndNeverReadRaw) {
  const fs::path target = dir_ / "form.frm";
  FormDocument doc = small_document();
  doc.form.children.front().children.front().properties.front().value = Value(std::string("a\0b", 3));
  ASSERT_TRUE(write_form_file(target.string(), doc).has_value());
  EXPECT_NE(read_text(target).find("Caption         =   \"a\" & Chr(0) & \"b\"\n"), std::string::npos);
  Expected<FormDocument> reread = read_form_file(target.string());
  ASSERT_TRUE(reread.has_value()) << reread.error().to_string();
  EXPECT_TRUE(*reread == doc);

  write_text(target, write_form(small_document()) + std::string("\0\n", 2));
  Expected<FormDocument> loaded = read_form_file(target.string());
  ASSERT_FALSE(loaded.has_value());
  EXPECT_EQ(loaded.error().to_string(), target.string() + ":18: line contains a NUL byte");
}

// A string that would make a line longer than the reader takes is not saved:
// a long one, or a shorter one whose control characters grow as Chr(N).
TEST_F(FormFileOnDisk, StringsTooLongForALineAreNotSaved) {
  const fs::path target = dir_ / "form.frm";
  write_text(target, "previous contents");
  FormDocument doc = small_document();
  Value& caption = doc.form.children.front().children.front().properties.front().value;
  caption = Value(std::string(8000, '\a'));
  Expected<bool> saved = write_form_file(target.string(), doc);
  ASSERT_FALSE(saved.has_value());
  EXPECT_EQ(saved.error().to_string(), target.string() +
                                           ":0: Caption of Label1 would take a line of 72026 bytes, more than a form "
                                           "file may hold (65536); nothing was written");
  EXPECT_EQ(read_text(target), "previous contents");

  caption = Value(std::string(kMaxFormLineBytes - 31, 'x'));  // 29 bytes before the quotes
  ASSERT_TRUE(write_form_file(target.string(), doc).has_value()) << "a line just within the limit";
  EXPECT_TRUE(read_form_file(target.string()).has_value());
}

TEST_F(FormFileOnDisk, FailedSaveLeavesThePreviousFileAlone) {
  const fs::path directory_target = dir_ / "taken";
  fs::create_directory(directory_target);
  write_text(directory_target / "inside", "keep");
  Expected<bool> over_directory = write_form_file(directory_target.string(), small_document());
  ASSERT_FALSE(over_directory.has_value());
  EXPECT_EQ(over_directory.error().file, directory_target.string());
  EXPECT_EQ(read_text(directory_target / "inside"), "keep");
  EXPECT_EQ(entries(), 1u);

  EXPECT_FALSE(write_form_file((dir_ / "no_such_dir" / "form.frm").string(), small_document()).has_value());

  // A write that runs out of space: the file size limit makes the write fail
  // part way through, as a full disk would.
  const fs::path target = dir_ / "form.frm";
  write_text(target, "previous contents");
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit tiny = saved;
  tiny.rlim_cur = 16;
  auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &tiny);
  Expected<bool> too_big = write_form_file(target.string(), small_document());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous_handler);
  ASSERT_FALSE(too_big.has_value());
  EXPECT_NE(too_big.error().message.find("cannot write"), std::string::npos) << too_big.error().message;
  EXPECT_EQ(read_text(target), "previous contents");
  EXPECT_EQ(entries(), 2u);
}

}  // namespace
}  // namespace okit
