// What the tab strip says about itself: a tab list whose value is the
// selected tab's caption, with its two tabs as parts a user can select.

#include "controls/tabstrip/stp_Brook_TabStrip.h"
#include "host/elements/mnemonic.h"
#include "host/picture.h"

namespace okit {

namespace {

bool same_picture(const Image& a, const Image& b) {
  return a.picture() && b.picture() && a.picture()->Handle() == b.picture()->Handle();
}

// A tab: its caption, selected while its image shows the on-picture (the
// strip keeps no selection of its own), and selected by a click on it.
Description describe_tab(Image& tab_image, const Label& caption, const Image& on_picture) {
  Description tab;
  tab.role = "tab";
  tab.name = strip_mnemonic(caption.Caption());
  tab.states.selected = same_picture(tab_image, on_picture);
  tab.actions.push_back(click_action(tab_image, "select", "Shows this tab in front of the other."));
  return tab;
}

}  // namespace

Description stp_Brook_TabStrip::describe() {
  Description d = UserControl::describe();
  d.role = "tablist";
  d.children.push_back(describe_tab(*img_caption1, *lbl_caption1, *img_on));
  d.children.push_back(describe_tab(*img_caption2, *lbl_caption2, *img_on));
  for (const Description& tab : d.children)
    if (tab.states.selected && !d.value) d.value = tab.name;
  return d;
}

}  // namespace okit
