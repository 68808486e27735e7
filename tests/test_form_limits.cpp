// Form files that ask for more than the host can hold: each is refused with
// the file, the line and what was too much, before anything is built.

#include <gtest/gtest.h>

#include <string>

#include "app/silent_application.h"
#include "host/form_loader.h"

namespace okit {
namespace {

std::string load_error(const std::string& text) {
  QuietDesktop quiet;
  auto doc = parse_form(text, "limits.frm");
  if (!doc) return doc.error().to_string();
  auto form = load_form(quiet.desktop(), *doc, "limits.frm");
  if (form) return "";
  EXPECT_TRUE(quiet.desktop().forms().empty()) << "a refused file loads nothing";
  return form.error().to_string();
}

std::string form_with(const std::string& keys, const std::string& controls = "") {
  return "VERSION 5.00\nBegin Host.Form F\n" + keys + controls + "End\n";
}

TEST(FormLimits, FormGeometryMustFitAFrame) {
  EXPECT_EQ(load_error(form_with("ClientWidth = 122881\n")),
            "limits.frm:3: ClientWidth is larger than the largest form (8192 pixels, 122880 twips)");
  EXPECT_EQ(load_error(form_with("ClientWidth = 4800\nClientHeight = 99999999999\n")),
            "limits.frm:4: ClientHeight is larger than the largest form (8192 pixels, 122880 twips)");
  EXPECT_EQ(load_error(form_with("ClientHeight = -15\n")), "limits.frm:3: ClientHeight must not be negative");
  EXPECT_EQ(load_error(form_with("ClientLeft = 1E+300\n")), "limits.frm:3: value of ClientLeft is out of range");
  EXPECT_EQ(load_error(form_with("ClientWidth = 122880\nClientHeight = 15\n")), "") << "the largest form loads";
}

TEST(FormLimits, ControlCountIsBounded) {
  std::string controls;
  for (int i = 0; i <= kMaxFormControls; ++i) controls += "Begin Host.Timer T" + std::to_string(i) + "\nEnd\n";
  const int line_of_last = 3 + 2 * kMaxFormControls;
  EXPECT_EQ(load_error(form_with("", controls)),
            "limits.frm:" + std::to_string(line_of_last) + ": the form holds more than 10000 controls");
}

}  // namespace
}  // namespace okit
