// The tab strip's record: its factory (it has no members of its own), and
// how designers and review sheets show it.

#include "controls/records.h"
#include "controls/tabstrip/stp_Brook_TabStrip.h"

namespace okit {

namespace {

// The strip selects only when a tab is clicked, so the review selects
// through the tab's own "select" action, the routine a click runs.
ReviewLook with_tab_selected(std::string label, std::size_t tab) {
  return {std::move(label), [tab](Element& control) {
            const Description strip = control.describe();
            if (tab < strip.children.size())
              if (const DescribedAction* select = strip.children[tab].find_action("select")) select->perform();
          }};
}

}  // namespace

const ControlRecord& tabstrip_record() {
  static const ControlRecord record{
      "stp_Brook_TabStrip",
      [] { return std::make_shared<stp_Brook_TabStrip>(); },
      {},
      "TabStrip",
      "TabStrip",
      {{"Tab strip",
        std::nullopt,
        [](Element&) {},
        {with_tab_selected("first tab selected", 0), with_tab_selected("second tab selected", 1)}}},
  };
  return record;
}

const ClassInfo& stp_Brook_TabStrip::class_info() const {
  static const ClassInfo info = bind_record(tabstrip_record());
  return info;
}

}  // namespace okit
