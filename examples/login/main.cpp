// A sign-in dialog built on the installed OpalineKit package: the layout
// comes from login.frm, the behaviour from the handlers below.
//
//   login                    shows the dialog; on OK prints who signed in
//   login --render OUT.png   draws the dialog headless into a PNG and exits

#include <cstdint>
#include <iostream>
#include <string>

#include "api/opalinekit.h"
#include "login_form.h"

int main(int argc, char** argv) {
  const std::string args = argc == 3 ? argv[1] : "";
  if (argc != 1 && args != "--render") {
    std::cerr << "usage: login [--render OUT.png]\n";
    return 2;
  }

  okit::Application app;
  std::shared_ptr<okit::Form> form;
  try {
    form = app.load(LOGIN_FORM_FILE);
  } catch (const okit::FormFileError& error) {
    std::cerr << error.what() << '\n';
    return 2;
  }
  // Each control of login.frm by name and class (login_form.h is generated
  // from the form file at build time).
  const LoginUi ui(*form);

  // Who signed in is printed here rather than after run(): in a web page
  // run() never returns, and the page shows what the program prints.
  const auto sign_in = [&] {
    const bool remember = ui.RememberCheck.get_Value() == okit::chk_Checked;
    std::cout << "signed in as " << ui.UserText.get_Text() << (remember ? " (remembered)" : "") << std::endl;
    form->Unload();
  };

  // OK waits for a user name.
  ui.OkButton.put_Enabled(false);
  ui.UserText.on_Change([&] { ui.OkButton.put_Enabled(!ui.UserText.get_Text().empty()); });
  // Enter in the password box signs in; the key is used up there.
  ui.PasswordText.on_KeyPress([&](std::int16_t& key_ascii) {
    if (key_ascii != '\r') return;
    key_ascii = 0;
    if (ui.OkButton.get_Enabled()) sign_in();
  });
  ui.OkButton.on_Click(sign_in);
  ui.CancelButton.on_Click([&] { form->Unload(); });
  // The close button in the title bar only asks; closing is ours to do.
  ui.Window.on_CloseWindow([&] { form->Unload(); });

  if (args == "--render") {
    try {
      app.render(*form, argv[2]);
    } catch (const okit::FormFileError& error) {
      std::cerr << error.what() << '\n';
      return 2;
    }
    return 0;
  }
  if (!app.run()) {
    std::cerr << "login: no display; use --render OUT.png to draw the dialog\n";
    return 1;
  }
  return 0;
}
