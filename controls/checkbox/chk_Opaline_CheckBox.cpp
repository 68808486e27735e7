// The check box's design-time layout, its properties and their persistence.

#include "controls/checkbox/chk_Opaline_CheckBox.h"

#include "host/property_bag.h"
#include "host/skins.h"

namespace okit {

namespace {

constexpr const char* kDefaultCaption = "Opaline Checkbox";
constexpr std::int32_t kDefaultForeColor = 0x00000000;
constexpr std::int32_t kDefaultBackColor = 0x00D8E9EC;
constexpr std::int32_t kDefaultFocusColor = 0x00C56A31;
constexpr std::int32_t kDefaultDisabledColor = 0x00C0C0C0;
constexpr std::int16_t kAlignTop = 1;
constexpr std::int16_t kAlignBottom = 2;
constexpr float kBoxTwips = 195;  // 13 pixels

}  // namespace

chk_Opaline_CheckBox::chk_Opaline_CheckBox() : UserControl("chk_Opaline_CheckBox") {
  place_twips(0, 0, 5760, 3165);

  tmr_hover = add_element<Timer>(*this, "tmr_hover");
  tmr_hover->put_Enabled(false);
  tmr_hover->put_Interval(1);

  Picture1 = add_element<PictureBox>(*this, "Picture1");
  Picture1->Move(0, 0, 5760, 375);
  Picture1->put_Align(kAlignTop);
  Picture1->put_TabIndex(2);

  // The hidden panel keeps the twelve state images: one row per look, one
  // column per value. Only their pictures are ever used.
  pic_Objects = add_element<PictureBox>(*this, "pic_Objects");
  pic_Objects->put_Visible(false);
  pic_Objects->Move(0, 2115, 5760, 1050);
  pic_Objects->put_Align(kAlignBottom);
  pic_Objects->put_BackColor(0x00FFFFFF);
  const auto state_image = [this](const char* name, int row, int column) {
    auto image = add_element<Image>(*pic_Objects, name);
    image->set_picture(skin_picture("checkbox", name));
    image->Move(static_cast<float>(column * 255), static_cast<float>(row * 255), kBoxTwips, kBoxTwips);
    return image;
  };
  a1 = state_image("a1", 0, 0), a2 = state_image("a2", 0, 1), a3 = state_image("a3", 0, 2);
  c1 = state_image("c1", 1, 0), c2 = state_image("c2", 1, 1), c3 = state_image("c3", 1, 2);
  d1 = state_image("d1", 2, 0), d2 = state_image("d2", 2, 1), d3 = state_image("d3", 2, 2);
  e1 = state_image("e1", 3, 0), e2 = state_image("e2", 3, 1), e3 = state_image("e3", 3, 2);

  // Inside the panel, back to front: lbl_Caption, v1, cmd_move, cmd_none. The
  // two picture-less images lie in front, so every mouse action on the
  // visible control reaches the input surface cmd_move, except in the dead
  // zone that cmd_none covers.
  lbl_Caption = add_element<Label>(*Picture1, "lbl_Caption");
  lbl_Caption->put_BackStyle(0);
  lbl_Caption->put_Caption("&Test");
  lbl_Caption->Move(240, 0, 315, kBoxTwips);
  lbl_Caption->put_AutoSize(true);
  lbl_Caption->put_TabIndex(0);

  v1 = add_element<Image>(*Picture1, "v1");
  v1->set_picture(d1->picture());
  v1->Move(0, 0, kBoxTwips, kBoxTwips);

  cmd_move = add_element<Image>(*Picture1, "cmd_move");
  cmd_move->Move(0, 0, 3975, 255);

  cmd_none = add_element<Image>(*Picture1, "cmd_none");
  cmd_none->Move(0, 0, 255, 375);

  // The keyboard target lies below the visible area, so it can hold the
  // focus inside the check box while staying out of sight.
  cmd_HotKey = add_element<CommandButton>(*this, "cmd_HotKey");
  cmd_HotKey->put_Caption("AutoClick");
  cmd_HotKey->Move(0, 480, 1575, 375);
  cmd_HotKey->put_TabIndex(1);

  connect_handlers();
}

// ---- Properties: every put stores, reports and updates, even when the value
// is the one already set. Nothing is validated: a Value outside the three
// known ones is kept and simply leaves the box as it is.

void chk_Opaline_CheckBox::put_Caption(std::string value) {
  m_Caption = std::move(value);
  PropertyChanged("Caption");
  ApplyCaption();
}

void chk_Opaline_CheckBox::put_ForeColor(std::int32_t value) {
  m_ForeColor = value;
  PropertyChanged("ForeColor");
  ApplyCaptionColor();
}

void chk_Opaline_CheckBox::put_BackColor(std::int32_t value) {
  m_BackColor = value;
  PropertyChanged("BackColor");
  ApplyBackColor();
}

void chk_Opaline_CheckBox::put_FocusColor(std::int32_t value) {
  m_FocusColor = value;
  PropertyChanged("FocusColor");
  ApplyCaptionColor();
}

void chk_Opaline_CheckBox::put_DisabledColor(std::int32_t value) {
  m_DisabledColor = value;
  PropertyChanged("DisabledColor");
  ApplyCaptionColor();
}

void chk_Opaline_CheckBox::put_AutoSize(bool value) {
  m_AutoSize = value;
  PropertyChanged("AutoSize");
  ApplyAutoSize();
}

void chk_Opaline_CheckBox::put_Enabled(bool value) {
  m_Enabled = value;
  PropertyChanged("Enabled");
  UserControl::put_Enabled(value);
  ApplyCaptionColor();
  ShowStateImage(false);
}

// Only the cycle of the next toggle changes; the box and the value stay.
void chk_Opaline_CheckBox::put_Inactive(bool value) {
  m_Inactive = value;
  PropertyChanged("Inactive");
}

void chk_Opaline_CheckBox::put_Value(std::int32_t value) {
  m_Value = value;
  PropertyChanged("Value");
  ShowStateImage(false);
}

// The default member is a second name of Value and is persisted as "Value".
void chk_Opaline_CheckBox::put_ReturnValue(std::int32_t value) { put_Value(value); }

// ---- Persistence ----------------------------------------------------------------

void chk_Opaline_CheckBox::InitProperties() {
  put_AutoSize(true);
  put_BackColor(kDefaultBackColor);
  put_Caption(kDefaultCaption);
  put_DisabledColor(kDefaultDisabledColor);
  put_Enabled(true);
  put_FocusColor(kDefaultFocusColor);
  put_ForeColor(kDefaultForeColor);
  put_Inactive(false);
  put_Value(chk_None);
}

void chk_Opaline_CheckBox::ReadProperties(PropertyBag& bag) {
  put_AutoSize(bag.ReadProperty("AutoSize", Value::boolean(true)).to_bool());
  put_BackColor(bag.ReadProperty("BackColor", kDefaultBackColor).to_long());
  put_Caption(bag.ReadProperty("Caption", kDefaultCaption).to_string());
  put_DisabledColor(bag.ReadProperty("DisabledColor", kDefaultDisabledColor).to_long());
  put_Enabled(bag.ReadProperty("Enabled", Value::boolean(true)).to_bool());
  put_FocusColor(bag.ReadProperty("FocusColor", kDefaultFocusColor).to_long());
  put_ForeColor(bag.ReadProperty("ForeColor", std::int16_t{0}).to_long());
  put_Inactive(bag.ReadProperty("Inactive", Value::boolean(false)).to_bool());
  put_Value(bag.ReadProperty("Value", std::int16_t{chk_None}).to_long());
}

// Enabled is written before DisabledColor, unlike the order of reading; the
// saved form lists the keys in this order.
void chk_Opaline_CheckBox::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("AutoSize", Value::boolean(m_AutoSize), Value::boolean(true));
  bag.WriteProperty("BackColor", m_BackColor, kDefaultBackColor);
  bag.WriteProperty("Caption", m_Caption, kDefaultCaption);
  bag.WriteProperty("Enabled", Value::boolean(m_Enabled), Value::boolean(true));
  bag.WriteProperty("DisabledColor", m_DisabledColor, kDefaultDisabledColor);
  bag.WriteProperty("FocusColor", m_FocusColor, kDefaultFocusColor);
  bag.WriteProperty("ForeColor", m_ForeColor, kDefaultForeColor);
  bag.WriteProperty("Inactive", Value::boolean(m_Inactive), Value::boolean(false));
  bag.WriteProperty("Value", m_Value, std::int32_t{chk_None});
}

}  // namespace okit
