// Compiled, not run, by the test form_header.compiles_in_gnu_mode: the header
// generated from every_kind.frm, used the way a program uses it, in the GNU
// dialect a plain CMake project gets (where `linux` and `unix` are macros)
// and with <cassert> included first (`assert` is a control there).

#include <cassert>

#include "every_kind_form.h"

void use_every_kind(okit::Form& form) {
  EveryUi ui(form);
  ui.delete_.put_Enabled(false);
  ui.class_.put_Value(okit::chk_Checked);
  ui.Struct.on_Click([&ui] { ui.int_.put_Text(ui.TextBox.Text()); });
  ui.EveryUi_.put_Caption("Ok");
  ui.linux_.put_Visible(false);
  ui.errno_.put_Visible(false);
  ui.assert.put_Visible(false);
  ui.form.put_Visible(false);
  ui.okit.put_Visible(false);
  ui.Label.put_Caption(ui.Window.get_Caption());
}
