#pragma once
// The property grid on screen: a window listing the rows of the selected
// control (or of the form when none or several are selected), one label and
// one text box per row. Enter in a box hands its text to the row's editor
// (Designer::enter); Escape puts the shown value back. Rows with a list
// (True/False, the values of m_Pressed, the system colours) have a button
// that opens it; taking an entry enters it. A refused entry is shown as a
// message and changes nothing.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/designer/designer.h"
#include "app/designer/event_router.h"
#include "app/designer/property_grid.h"

namespace okit {

class PropertyWindow {
 public:
  // `changed` runs after every entry taken, `message` shows a refusal.
  PropertyWindow(EventRouter& router, Designer& designer, Point at, std::function<void()> changed,
                 std::function<void(const std::string&)> message);

  Form& form() const { return *form_; }
  // Shows the rows of what is selected now, with their current values.
  void show();
  void close();

 private:
  struct RowControls {
    std::shared_ptr<Element> label, box, list_button;
  };

  void build_rows();
  void enter(const std::string& property, const std::string& text);
  void open_list(const PropertyRow& row);
  std::string object_name() const;

  EventRouter& router_;
  Designer& d_;
  std::function<void()> changed_;
  std::function<void(const std::string&)> message_;
  std::shared_ptr<Form> form_;
  std::shared_ptr<Element> heading_;
  std::string shown_object_, shown_class_;
  std::vector<PropertyRow> rows_;
  std::vector<RowControls> row_controls_;
  std::weak_ptr<Form> list_;
};

}  // namespace okit
