// The button's design-time layout, its properties and their persistence.

#include "controls/button/cmd_Opaline_Button.h"

#include "host/property_bag.h"
#include "host/skins.h"

namespace okit {

namespace {

constexpr std::int32_t kWindowText = static_cast<std::int32_t>(0x80000008);
constexpr std::int32_t kGreyText = static_cast<std::int32_t>(0x80000011);
constexpr std::int32_t kWindowBackground = static_cast<std::int32_t>(0x80000005);
constexpr const char* kDefaultCaption = "&Opal Button";
constexpr std::int16_t kPixels = 3;

}  // namespace

cmd_Opaline_Button::cmd_Opaline_Button() : UserControl("cmd_Opaline_Button") {
  put_ScaleMode(kPixels);
  place_twips(0, 0, 6735, 4020);

  tmr_hover = add_element<Timer>(*this, "tmr_hover");
  tmr_hover->put_Enabled(false);
  tmr_hover->put_Interval(1);

  pic_ButtonBar = add_element<PictureBox>(*this, "pic_ButtonBar");
  pic_ButtonBar->put_ScaleMode(kPixels);
  pic_ButtonBar->Move(0, 0, 449, 21);
  pic_ButtonBar->put_Align(1);
  pic_ButtonBar->put_BackColor(kWindowBackground);
  pic_ButtonBar->put_ForeColor(kWindowText);
  pic_ButtonBar->put_TabIndex(5);

  // Inside the bar, back to front: v2, v1, v3, lbl_Caption, cmd_move. The
  // picture-less input surface lies in front of everything, so every mouse
  // action on the visible button reaches it.
  pic_Objects = add_element<PictureBox>(*this, "pic_Objects");
  pic_Objects->put_Visible(false);
  pic_Objects->put_ScaleMode(kPixels);
  pic_Objects->Move(0, 198, 449, 70);
  pic_Objects->put_Align(2);
  pic_Objects->put_BackColor(0x00FFFFFF);
  pic_Objects->put_TabIndex(2);
  const auto state_image = [this](const char* name, int row, int left) {
    auto image = add_element<Image>(*pic_Objects, name);
    image->set_picture(skin_picture("button", name));
    image->Move(static_cast<float>(left), static_cast<float>(row * 21), image->Width(), 21);
    return image;
  };
  h1 = state_image("h1", 0, 0), h2 = state_image("h2", 0, 7), h3 = state_image("h3", 0, 19);
  c1 = state_image("c1", 1, 0), c2 = state_image("c2", 1, 7), c3 = state_image("c3", 1, 19);
  f1 = state_image("f1", 2, 0), f2 = state_image("f2", 2, 7), f3 = state_image("f3", 2, 19);
  d1 = state_image("d1", 3, 0), d2 = state_image("d2", 3, 7), d3 = state_image("d3", 3, 19);
  e1 = state_image("e1", 4, 0), e2 = state_image("e2", 4, 7), e3 = state_image("e3", 4, 19);

  v2 = add_element<Image>(*pic_ButtonBar, "v2");
  v2->put_Stretch(true);
  v2->set_picture(d2->picture());
  v2->Move(7, 0, 121, 21);
  v1 = add_element<Image>(*pic_ButtonBar, "v1");
  v1->set_picture(d1->picture());
  v1->Move(0, 0, 7, 21);
  v3 = add_element<Image>(*pic_ButtonBar, "v3");
  v3->set_picture(d3->picture());
  v3->Move(128, 0, 8, 21);

  lbl_Caption = add_element<Label>(*pic_ButtonBar, "lbl_Caption");
  lbl_Caption->put_AutoSize(false);
  lbl_Caption->put_Alignment(2);
  lbl_Caption->put_BackStyle(0);
  lbl_Caption->put_BackColor(kWindowBackground);
  lbl_Caption->put_ForeColor(kWindowText);
  lbl_Caption->put_Caption(kDefaultCaption);
  lbl_Caption->Move(0, 4, 136, 13);
  lbl_Caption->put_TabIndex(0);

  cmd_move = add_element<Image>(*pic_ButtonBar, "cmd_move");
  cmd_move->Move(0, 0, 137, 25);

  // The keyboard target lies just below the 21-pixel visible area, so it can
  // hold the focus inside the button while staying out of sight.
  cmd_HotKey = add_element<CommandButton>(*this, "cmd_HotKey");
  cmd_HotKey->put_Caption("AutoClick");
  cmd_HotKey->Move(0, 24, 137, 21);
  cmd_HotKey->put_TabIndex(1);

  connect_handlers();
}

// ---- Properties: every put reports a change and redraws, even when the value
// is the one already set.

void cmd_Opaline_Button::put_Enabled(bool value) {
  m_Enabled = value;
  PropertyChanged("Enabled");
  ApplyEnabledLook();
  UserControl::put_Enabled(value);
}

void cmd_Opaline_Button::put_Caption(std::string value) {
  m_Caption = std::move(value);
  PropertyChanged("Caption");
  tmr_hover_Timer();
}

void cmd_Opaline_Button::put_ForeColor(std::int32_t value) {
  m_ForeColor = value;
  PropertyChanged("ForeColor");
  ApplyEnabledLook();
}

void cmd_Opaline_Button::put_DeactivatedForeColor(std::int32_t value) {
  m_DeactivatedForeColor = value;
  PropertyChanged("DeactivatedForeColor");
  ApplyEnabledLook();
}

// ---- Persistence ----------------------------------------------------------------

void cmd_Opaline_Button::InitProperties() {
  put_Enabled(true);
  put_Caption(kDefaultCaption);
  put_ForeColor(kWindowText);
  put_DeactivatedForeColor(kGreyText);
}

void cmd_Opaline_Button::ReadProperties(PropertyBag& bag) {
  put_Enabled(bag.ReadProperty("Enabled", Value::boolean(true)).to_bool());
  put_Caption(bag.ReadProperty("Caption", kDefaultCaption).to_string());
  put_ForeColor(bag.ReadProperty("ForeColor", kWindowText).to_long());
  put_DeactivatedForeColor(bag.ReadProperty("DeactivatedForeColor", kGreyText).to_long());
}

void cmd_Opaline_Button::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("Enabled", Value::boolean(m_Enabled), Value::boolean(true));
  bag.WriteProperty("Caption", m_Caption, kDefaultCaption);
  bag.WriteProperty("ForeColor", m_ForeColor, kWindowText);
  bag.WriteProperty("DeactivatedForeColor", m_DeactivatedForeColor, kGreyText);
}

}  // namespace okit
