// The text box's design-time layout, its properties, which all live in the
// inner field, their persistence and the events passed on from the field.

#include "controls/textbox/txt_Opaline_opal.h"

#include "host/property_bag.h"
#include "host/skins.h"

namespace okit {

namespace {

constexpr std::int32_t kWindowText = static_cast<std::int32_t>(0x80000008);
constexpr std::int32_t kWhite = 0x00FFFFFF;
constexpr const char* kDefaultText = "Kleiner fuchs (Standart)";
constexpr float kSkinHeight = 315;

}  // namespace

txt_Opaline_opal::txt_Opaline_opal() : UserControl("txt_Opaline_opal") {
  place_twips(0, 0, 2070, kSkinHeight);

  // Back to front: the three visible slices, the hidden source images of the
  // two looks, and the edit field on top of the slices. Positions in twips.
  const auto slice = [this](const char* name, float left, float width, bool stretch) {
    auto image = add_element<Image>(*this, name);
    image->put_Stretch(stretch);
    image->Move(left, 0, width, kSkinHeight);
    return image;
  };
  v1 = slice("v1", 0, 75, false);
  v2 = slice("v2", 75, 1980, true);
  v3 = slice("v3", 2040, 30, false);

  const auto source_image = [this](const char* name, float left, float top, float width, bool stretch) {
    auto image = add_element<Image>(*this, name);
    image->put_Visible(false);
    image->put_Stretch(stretch);
    image->set_picture(skin_picture("textbox", name));
    image->Move(left, top, width, kSkinHeight);
    return image;
  };
  d1 = source_image("d1", 0, 600, 75, false);
  d2 = source_image("d2", 75, 600, 540, true);
  d3 = source_image("d3", 600, 600, 30, false);
  a1 = source_image("a1", 0, 960, 75, false);
  a2 = source_image("a2", 75, 960, 540, true);
  a3 = source_image("a3", 600, 960, 30, false);

  v1->set_picture(d1->picture());
  v2->set_picture(d2->picture());
  v3->set_picture(d3->picture());

  // The field draws no border of its own: the skin is its frame. Its
  // design-time text is the one the "Text" key defaults to.
  txt_text = add_element<TextBox>(*this, "txt_text");
  txt_text->put_BorderStyle(0);
  txt_text->put_BackColor(kWhite);
  txt_text->put_Text(kDefaultText);
  txt_text->Move(40, 38, 1815, 225);
  txt_text->put_TabIndex(0);

  connect_handlers();
}

// Each handler of the field's events (txt_text_Change, txt_text_KeyDown, ...)
// raises the control's event of the same name with the field's own
// arguments, so what the application's handler does to a by-reference
// argument reaches the field: KeyAscii = 0 keeps a character out of it.
void txt_Opaline_opal::connect_handlers() {
  for (std::string_view event :
       {"Change", "Click", "DblClick", "KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp"})
    handle(*txt_text, event, [this, event](std::span<Value> args) { RaiseEvent(event, args); });
}

// ---- Properties: each put assigns the field's property and then reports the
// change; a value the field refuses raises its error and reports nothing.

template <typename T>
void txt_Opaline_opal::assign(void (TextBox::*put)(T), T value, std::string_view property_name) {
  auto alive_until_return = keep_alive();
  ((*txt_text).*put)(std::move(value));
  if (alive()) PropertyChanged(property_name);
}

void txt_Opaline_opal::put_Appearance(std::int16_t value) { assign(&TextBox::put_Appearance, value, "Appearance"); }

void txt_Opaline_opal::put_Enabled(bool value) {
  auto alive_until_return = keep_alive();
  assign<bool>(&Element::put_Enabled, value, "Enabled");
  if (alive()) SetEnabledLook();
}

void txt_Opaline_opal::put_ForeColor(std::int32_t value) { assign(&TextBox::put_ForeColor, value, "ForeColor"); }
void txt_Opaline_opal::put_Locked(bool value) { assign(&TextBox::put_Locked, value, "Locked"); }
void txt_Opaline_opal::put_PasswordChar(std::string value) {
  assign(&TextBox::put_PasswordChar, std::move(value), "PasswordChar");
}
void txt_Opaline_opal::put_SelLength(std::int32_t value) { assign(&TextBox::put_SelLength, value, "SelLength"); }
void txt_Opaline_opal::put_SelStart(std::int32_t value) { assign(&TextBox::put_SelStart, value, "SelStart"); }
void txt_Opaline_opal::put_SelText(std::string value) { assign(&TextBox::put_SelText, std::move(value), "SelText"); }
void txt_Opaline_opal::put_Text(std::string value) { assign(&TextBox::put_Text, std::move(value), "Text"); }
void txt_Opaline_opal::put_ReturnText(std::string value) {
  assign(&TextBox::put_Text, std::move(value), "ReturnText");
}

// ---- Persistence --------------------------------------------------------------
// Loading assigns each key straight to the field, in the order below; the
// "ReturnText" key comes last, so its text (or its default, the empty text)
// is the one that stays. The selection keys act on the text the field holds
// at that moment, which the two text keys then replace.

void txt_Opaline_opal::ReadProperties(PropertyBag& bag) {
  auto alive_until_return = keep_alive();
  txt_text->put_Appearance(bag.ReadProperty("Appearance", std::int16_t{1}).to_integer());
  txt_text->put_Enabled(bag.ReadProperty("Enabled").to_bool());
  txt_text->put_ForeColor(bag.ReadProperty("ForeColor", kWindowText).to_long());
  txt_text->put_Locked(bag.ReadProperty("Locked").to_bool());
  txt_text->put_PasswordChar(bag.ReadProperty("PasswordChar", "").to_string());
  txt_text->put_SelLength(bag.ReadProperty("SelLength", std::int16_t{0}).to_long());
  txt_text->put_SelStart(bag.ReadProperty("SelStart", std::int16_t{0}).to_long());
  txt_text->put_SelText(bag.ReadProperty("SelText", "").to_string());
  txt_text->put_Text(bag.ReadProperty("Text", kDefaultText).to_string());
  txt_text->put_Text(bag.ReadProperty("ReturnText", "").to_string());
  if (alive()) SetEnabledLook();
}

void txt_Opaline_opal::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("Appearance", txt_text->Appearance(), std::int16_t{1});
  bag.WriteProperty("Enabled", Value::boolean(txt_text->enabled()));
  bag.WriteProperty("ForeColor", txt_text->ForeColor(), kWindowText);
  bag.WriteProperty("Locked", Value::boolean(txt_text->Locked()));
  bag.WriteProperty("PasswordChar", txt_text->PasswordChar(), "");
  bag.WriteProperty("SelLength", txt_text->SelLength(), std::int16_t{0});
  bag.WriteProperty("SelStart", txt_text->SelStart(), std::int16_t{0});
  bag.WriteProperty("SelText", txt_text->SelText(), "");
  bag.WriteProperty("Text", txt_text->Text(), kDefaultText);
  bag.WriteProperty("ReturnText", txt_text->Text(), "");
}

}  // namespace okit
