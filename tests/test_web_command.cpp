// okit web: the site it writes from a runtime folder, and what it says
// instead when the form or the runtime is not there. The page itself runs in
// a browser in tests/web/.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "okit_command.h"
#include "temp_dir.h"

namespace okit {
namespace {

namespace fs = std::filesystem;
using testing::run_okit;

void write_file(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

constexpr const char* kForm =
    "VERSION 5.00\n"
    "Begin Host.Form Shop\n"
    "   Caption         =   \"Tom & Jerry <shop>\"\n"
    "   ClientHeight    =   1500\n"
    "   ClientWidth     =   3000\n"
    "End\n";

// A runtime folder as tools/build-web.sh leaves it, with stand-in files.
fs::path make_runtime(const fs::path& folder) {
  const fs::path runtime = folder / "runtime";
  fs::create_directories(runtime);
  write_file(runtime / "index.html", "<title>@FORM_TITLE@</title><div data-form=\"@FORM_FILE@\"></div>");
  for (const char* file : {"okit_runtime.js", "okit_runtime.wasm", "okit_page.js"})
    write_file(runtime / file, std::string("contents of ") + file);
  return runtime;
}

TEST(WebCommand, WritesTheRuntimeTheFormAndAPageThatLoadsIt) {
  testing::TempDir dir("okit_web");
  const fs::path form = dir.path() / "shop.frm";
  write_file(form, kForm);
  const fs::path site = dir.path() / "site" / "nested";
  const auto result =
      run_okit({"web", form.string(), "-o", site.string(), "--runtime", make_runtime(dir.path()).string()});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(read_file(site / "shop.frm"), kForm);
  EXPECT_EQ(read_file(site / "okit_runtime.wasm"), "contents of okit_runtime.wasm");
  EXPECT_EQ(read_file(site / "okit_page.js"), "contents of okit_page.js");
  // The title is the form's caption, as text and not as markup.
  EXPECT_EQ(read_file(site / "index.html"),
            "<title>Tom &amp; Jerry &lt;shop&gt;</title><div data-form=\"shop.frm\"></div>");
}

TEST(WebCommand, AFormThatDoesNotLoadIsReportedAsOkitRenderReportsItAndNothingIsWritten) {
  testing::TempDir dir("okit_web");
  const fs::path form = dir.path() / "broken.frm";
  write_file(form, "VERSION 5.00\nBegin Host.Form F\n   Caption = \"open\n");
  const fs::path site = dir.path() / "site";
  const auto web = run_okit({"web", form.string(), "-o", site.string(), "--runtime", make_runtime(dir.path()).string()});
  const auto render = run_okit({"render", form.string(), "-o", (dir.path() / "out.png").string()});
  EXPECT_EQ(web.status, 2);
  EXPECT_EQ(web.err, render.err);
  EXPECT_FALSE(fs::exists(site));

  const auto missing = run_okit({"web", (dir.path() / "none.frm").string(), "-o", site.string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.frm"), std::string::npos) << missing.err;
}

TEST(WebCommand, WithoutARuntimeItSaysWhereItLookedAndHowToBuildOne) {
  testing::TempDir dir("okit_web");
  const fs::path form = dir.path() / "shop.frm";
  write_file(form, kForm);
  const fs::path empty = dir.path() / "empty";
  fs::create_directories(empty);
  const auto result = run_okit({"web", form.string(), "-o", (dir.path() / "site").string(), "--runtime", empty.string()});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "okit web: no web runtime in " + empty.string() +
                            "; build it with tools/build-web.sh, which puts it beside okit in the build tree\n");
  EXPECT_FALSE(fs::exists(dir.path() / "site"));
}

}  // namespace
}  // namespace okit
