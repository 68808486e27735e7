// The login dialog of examples/login, taking its form file as an argument:
// the same program then shows examples/login/login.frm, whose caption
// control draws the window frame, and login_no_caption.frm, the same
// controls straight on the form. It finds its controls by name rather than
// through the typed header the example uses, since the second form has no
// caption control for that header to bind.
//
// usage: login_okit FORM.frm

#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "api/opalinekit.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: login_okit FORM.frm\n";
    return 2;
  }
  okit::Application app;
  std::shared_ptr<okit::Form> form;
  try {
    form = app.load(argv[1]);
  } catch (const okit::FormFileError& error) {
    std::cerr << error.what() << '\n';
    return 2;
  }
  auto& user = form->control<okit::txt_Opaline_opal>("UserText");
  auto& password = form->control<okit::txt_Opaline_opal>("PasswordText");
  auto& remember = form->control<okit::chk_Opaline_CheckBox>("RememberCheck");
  auto& ok = form->control<okit::cmd_Opaline_Button>("OkButton");
  auto& cancel = form->control<okit::cmd_Opaline_Button>("CancelButton");

  std::string signed_in;
  const auto sign_in = [&] {
    signed_in = user.get_Text() + (remember.get_Value() == okit::chk_Checked ? " (remembered)" : "");
    form->Unload();
  };
  ok.put_Enabled(false);
  user.on_Change([&] { ok.put_Enabled(!user.get_Text().empty()); });
  password.on_KeyPress([&](std::int16_t& key_ascii) {
    if (key_ascii != '\r') return;
    key_ascii = 0;
    if (ok.get_Enabled()) sign_in();
  });
  ok.on_Click(sign_in);
  cancel.on_Click([&] { form->Unload(); });
  if (form->find_control("Window"))
    form->control<okit::ctl_Opaline_Form>("Window").on_CloseWindow([&] { form->Unload(); });

  if (!app.run()) {
    std::cerr << "login_okit: no display\n";
    return 1;
  }
  if (!signed_in.empty()) std::cout << "signed in as " << signed_in << '\n';
  return 0;
}
