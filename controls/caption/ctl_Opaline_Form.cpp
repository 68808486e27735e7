// The caption control's design-time layout, its properties and their
// persistence.

#include "controls/caption/ctl_Opaline_Form.h"

#include "host/property_bag.h"
#include "host/skins.h"

namespace okit {

namespace {

constexpr const char* kDefaultCaption = "Form1";
constexpr std::int32_t kClientFill = 0x00D8E9EC;
constexpr std::int32_t kWhite = 0x00FFFFFF;
// MoveForm and DoMove default to the integer 1, not to the boolean True (-1):
// a boolean DoMove never equals it, so the store always keeps "DoMove".
const Value kIntegerOne{std::int16_t{1}};

// Where the hidden source images lie in the designer. Only their pictures
// are ever used; the rows are as high as the tallest source, the right
// border (61 pixels).
constexpr float kSourcesLeft = 5100;
constexpr float kSourceGap = 60;
constexpr float kRowHeight = 1020;

}  // namespace

ctl_Opaline_Form::ctl_Opaline_Form() : UserControl("ctl_Opaline_Form") {
  place_twips(0, 0, 4890, 4125);

  Timer1 = add_element<Timer>(*this, "Timer1");
  Timer1->put_Interval(1);
  Timer1->put_Enabled(true);

  // The hidden source images, created first so that they lie beneath
  // everything that shows: one row per set, to the right of the bar.
  float source_left = kSourcesLeft;
  float source_top = 0;
  const auto source_image = [this, &source_left, &source_top](const char* name) {
    auto image = add_element<Image>(*this, name);
    image->put_Visible(false);
    image->set_picture(skin_picture("caption", name));
    image->Move(source_left, source_top, image->Width(), image->Height());
    source_left += image->Width() + kSourceGap;
    return image;
  };
  const auto next_row = [&source_left, &source_top] {
    source_left = kSourcesLeft;
    source_top += kRowHeight;
  };
  al1 = source_image("al1"), am1 = source_image("am1"), ar1 = source_image("ar1"), al2 = source_image("al2");
  ar2 = source_image("ar2"), al3 = source_image("al3"), am3 = source_image("am3"), ar3 = source_image("ar3");
  next_row();
  dl1 = source_image("dl1"), dm1 = source_image("dm1"), dr1 = source_image("dr1"), dl2 = source_image("dl2");
  dr2 = source_image("dr2"), dl3 = source_image("dl3"), dm3 = source_image("dm3"), dr3 = source_image("dr3");
  next_row();
  h1 = source_image("h1"), c1 = source_image("c1");

  // The visible elements, back to front: the client fill beneath everything,
  // then the slices (r1 over the part of m1 that runs under it), the caption
  // over the bar, the drag area over the caption and the close button's hit
  // area on top.
  img_background = add_element<Shape>(*this, "img_background");
  img_background->put_Shape(0);
  img_background->put_FillStyle(0);
  img_background->put_BorderStyle(0);
  img_background->put_FillColor(kClientFill);
  img_background->Move(45, 300, 4815, 3795);

  const auto slice = [this](const char* name, std::shared_ptr<Picture> picture, bool stretched, float left,
                            float top, float width, float height) {
    auto image = add_element<Image>(*this, name);
    image->put_Stretch(stretched);
    image->set_picture(std::move(picture));
    image->Move(left, top, width, height);
    return image;
  };
  l1 = slice("l1", al1->picture(), false, 0, 0, 810, 300);
  m1 = slice("m1", am1->picture(), true, 795, 0, 3450, 300);
  r1 = slice("r1", ar1->picture(), false, 4200, 0, 690, 300);
  l2 = slice("l2", al2->picture(), true, 0, 300, 45, 3780);
  r2 = slice("r2", ar2->picture(), true, 4845, 300, 45, 3795);
  // The bottom-right corner starts with a picture of its own, which the
  // first timer tick replaces with the active or deactivated corner.
  r3 = slice("r3", skin_picture("caption", "r3"), false, 4545, 4080, 360, 45);
  l3 = slice("l3", al3->picture(), false, 0, 4080, 270, 45);
  m3 = slice("m3", am3->picture(), true, 240, 4080, 4335, 45);

  cmd_label = add_element<Label>(*this, "cmd_label");
  cmd_label->put_BackStyle(0);
  cmd_label->put_ForeColor(kWhite);
  cmd_label->put_FontBold(true);
  cmd_label->Move(75, 60, 525, 195);
  cmd_label->put_AutoSize(true);
  cmd_label->put_Caption(kDefaultCaption);
  cmd_label->put_TabIndex(0);

  cmd_move = add_element<Image>(*this, "cmd_move");
  cmd_move->Move(0, 0, 4935, 255);
  cmd_click = add_element<Image>(*this, "cmd_click");
  cmd_click->Move(4600, 60, 200, 200);

  connect_handlers();
}

// ---- Properties: every put reports a change, even of the value already set.
// None of them lays out or re-skins anything; the label and the shape repaint
// themselves.

void ctl_Opaline_Form::put_AutoRedraw(bool value) {
  UserControl::put_AutoRedraw(value);
  PropertyChanged("AutoRedraw");
}

// The look never depends on Enabled: a disabled caption keeps its skin and
// its timer, it only stops taking the mouse.
void ctl_Opaline_Form::put_Enabled(bool value) {
  UserControl::put_Enabled(value);
  PropertyChanged("Enabled");
}

void ctl_Opaline_Form::put_Caption(std::string value) {
  cmd_label->put_Caption(std::move(value));
  PropertyChanged("Caption");
}

// Stored as given, whatever its subtype: a value that is no boolean shows
// only when a drag starts.
void ctl_Opaline_Form::put_MoveForm(Value value) {
  m_MoveForm = std::move(value);
  PropertyChanged("MoveForm");
}

void ctl_Opaline_Form::put_DoMove(bool value) {
  m_DoMove = value;
  PropertyChanged("DoMove");
}

void ctl_Opaline_Form::put_BackColor(std::int32_t value) {
  img_background->put_FillColor(value);
  PropertyChanged("BackColor");
}

void ctl_Opaline_Form::put_ReturnCaption(std::string value) {
  cmd_label->put_Caption(std::move(value));
  PropertyChanged("ReturnCaption");
}

// ---- Persistence ----------------------------------------------------------------

// The caption and the fill colour of a new control come from the design-time
// layout; only the two drag settings need values here.
void ctl_Opaline_Form::InitProperties() {
  m_MoveForm = kIntegerOne;
  m_DoMove = true;
}

// Values go straight to where they are held, not through the put routines,
// so loading reports nothing as changed. "ReturnCaption" is read last and
// wins when the two stored captions differ.
void ctl_Opaline_Form::ReadProperties(PropertyBag& bag) {
  UserControl::put_AutoRedraw(bag.ReadProperty("AutoRedraw", Value::boolean(false)).to_bool());
  UserControl::put_Enabled(bag.ReadProperty("Enabled", Value::boolean(true)).to_bool());
  cmd_label->put_Caption(bag.ReadProperty("Caption", kDefaultCaption).to_string());
  m_MoveForm = bag.ReadProperty("MoveForm", kIntegerOne);
  m_DoMove = bag.ReadProperty("DoMove", kIntegerOne).to_bool();
  img_background->put_FillColor(bag.ReadProperty("BackColor", kClientFill).to_long());
  cmd_label->put_Caption(bag.ReadProperty("ReturnCaption", kDefaultCaption).to_string());
}

void ctl_Opaline_Form::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("AutoRedraw", Value::boolean(AutoRedraw()), Value::boolean(false));
  bag.WriteProperty("Enabled", Value::boolean(enabled()), Value::boolean(true));
  bag.WriteProperty("Caption", cmd_label->Caption(), kDefaultCaption);
  bag.WriteProperty("MoveForm", m_MoveForm, kIntegerOne);
  bag.WriteProperty("DoMove", Value::boolean(m_DoMove), kIntegerOne);
  bag.WriteProperty("BackColor", img_background->FillColor(), kClientFill);
  bag.WriteProperty("ReturnCaption", cmd_label->Caption(), kDefaultCaption);
}

}  // namespace okit
