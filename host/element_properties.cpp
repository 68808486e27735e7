// The property tables of the element base and of forms.

#include "host/element.h"
#include "host/form.h"

namespace okit {

namespace {
std::string get_name(Element& e) { return e.name(); }
}  // namespace

const ClassInfo& element_class_info() {
  static const ClassInfo info{
      "Element",
      "Host",
      {
          PropertyInfo{"Name", -800, PropType::String,
                       [](Dispatch& d) -> Value { return get_name(static_cast<Element&>(d)); }, nullptr},
          prop<&Element::Left, &Element::put_Left>("Left", -801, PropType::Single),
          prop<&Element::Top, &Element::put_Top>("Top", -802, PropType::Single),
          prop<&Element::Width, &Element::put_Width>("Width", -803, PropType::Single),
          prop<&Element::Height, &Element::put_Height>("Height", -804, PropType::Single),
          prop<&Element::visible, &Element::put_Visible>("Visible", -805, PropType::Boolean),
          prop<&Element::enabled, &Element::put_Enabled>("Enabled", -514, PropType::Boolean),
          prop<&Element::tab_index, &Element::put_TabIndex>("TabIndex", -806, PropType::Integer),
          prop<&Element::tab_stop, &Element::put_TabStop>("TabStop", -807, PropType::Boolean),
          prop<&Element::tag, &Element::put_Tag>("Tag", -808, PropType::String),
          prop<&Element::hwnd>("hWnd", -515, PropType::Long),
      },
      {},
      nullptr,
  };
  return info;
}

namespace {

constexpr NamedValue kFormBorderStyles[] = {{"None", 0},   {"Fixed", 1},       {"Sizable", 2},
                                           {"Dialog", 3}, {"Tool window", 4}, {"Sizable tool window", 5}};

const ClassInfo& form_class_info() {
  static const ClassInfo info{
      "Form",
      "Host",
      {
          prop<&Form::caption, &Form::put_Caption>("Caption", -518, PropType::String),
          prop<&Form::get_hwnd>("hwnd", -515, PropType::Long),
          prop<&Form::ClientWidth>("ClientWidth", 1, PropType::Single),
          prop<&Form::ClientHeight>("ClientHeight", 2, PropType::Single),
          with_named_values(
              prop<&Form::border_style, &Form::put_BorderStyle>("BorderStyle", -504, PropType::Integer),
              kFormBorderStyles),
          prop<&Form::back_color, &Form::put_BackColor>("BackColor", -501, PropType::Color),
      },
      {},
      &element_class_info(),
  };
  return info;
}

}  // namespace

const ClassInfo& Form::class_info() const { return form_class_info(); }

// The form's own table only: the properties every element shares (Name,
// Left, ...) are no keys of a form's block.
const PropertyInfo* Form::saved_property(std::string_view key) {
  for (const PropertyInfo& info : form_class_info().properties)
    if (equals_ignore_case(info.name, key) && !info.read_only() && info.persisted) return &info;
  return nullptr;
}

bool Form::is_client_rect_key(std::string_view key) {
  for (std::string_view rect_key : {"ClientLeft", "ClientTop", "ClientWidth", "ClientHeight"})
    if (equals_ignore_case(rect_key, key)) return true;
  return false;
}

}  // namespace okit
