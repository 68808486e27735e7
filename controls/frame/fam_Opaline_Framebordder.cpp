// The frame border's design-time layout, its properties and their
// persistence.

#include "controls/frame/fam_Opaline_Framebordder.h"

#include <string>

#include "host/property_bag.h"

namespace okit {

namespace {

constexpr const char* kDefaultCaption = "Eigenschaften";
constexpr std::int32_t kDesignBackColor = 0x00D8E9EC;
constexpr std::int32_t kLineColor = 0x00C0C0C0;
// The store's default for "BackColor" is the system button face, not the
// design-time colour: a store without the key loads button face, and a new
// frame saved at once keeps its design colour in the file.
constexpr std::int32_t kButtonFace = static_cast<std::int32_t>(0x8000000F);
constexpr std::int16_t kPixels = 3;

}  // namespace

fam_Opaline_Framebordder::fam_Opaline_Framebordder() : UserControl("fam_Opaline_Framebordder") {
  put_ScaleMode(kPixels);
  UserControl::put_BackColor(kDesignBackColor);
  // The design-time text colour is the disabled caption colour, so a frame
  // that starts disabled needs no colour change on its first pass.
  put_ForeColor(kLineColor);
  place_twips(0, 0, 3600, 2400);

  // Nine short vertical placeholders side by side; the first drawing pass
  // gives them their places in the outline.
  std::shared_ptr<Line>* const lines[] = {&Line1, &Line2, &Line3, &Line4, &Line5,
                                          &Line6, &Line7, &Line8, &Line9};
  for (int i = 0; i < 9; ++i) {
    auto& line = *lines[i];
    line = add_element<Line>(*this, "Line" + std::to_string(i + 1));
    line->put_BorderColor(kLineColor);
    const float x = 10.0f * static_cast<float>(i + 1);
    line->put_X1(x);
    line->put_Y1(10);
    line->put_X2(x);
    line->put_Y2(20);
  }
}

// ---- Properties: every put stores the value, reports the change (also of
// the value already set) and draws the frame again.

void fam_Opaline_Framebordder::put_Enabled(bool value) {
  UserControl::put_Enabled(value);
  ReportAndRedraw("Enabled");
}

void fam_Opaline_Framebordder::put_Caption(std::string value) {
  m_Caption = std::move(value);
  ReportAndRedraw("Caption");
}

void fam_Opaline_Framebordder::put_BackColor(std::int32_t value) {
  UserControl::put_BackColor(value);
  ReportAndRedraw("BackColor");
}

void fam_Opaline_Framebordder::put_ReturnCaption(std::string value) {
  m_Caption = std::move(value);
  ReportAndRedraw("ReturnCaption");
}

// The host learns of the change first; the frame is drawn only if it still
// exists afterwards.
void fam_Opaline_Framebordder::ReportAndRedraw(std::string_view property_name) {
  auto alive_until_return = keep_alive();
  PropertyChanged(property_name);
  if (alive()) UserControl_Resize();
}

// ---- Life -------------------------------------------------------------------------

// Enabled and BackColor keep their design-time values. Nothing is drawn
// here: the resize that follows a placement draws.
void fam_Opaline_Framebordder::InitProperties() {
  m_Caption = kDefaultCaption;
  m_ReturnCaption = "";
}

// Values go straight to where they are held, not through the put routines,
// so loading reports nothing as changed. "Enabled" has no default: a store
// without it loads a disabled frame. "ReturnCaption" is kept apart from the
// caption and only carried back to the store.
void fam_Opaline_Framebordder::ReadProperties(PropertyBag& bag) {
  UserControl::put_Enabled(bag.ReadProperty("Enabled").to_bool());
  m_Caption = bag.ReadProperty("Caption", kDefaultCaption).to_string();
  UserControl::put_BackColor(bag.ReadProperty("BackColor", kButtonFace).to_long());
  m_ReturnCaption = bag.ReadProperty("ReturnCaption", "").to_string();
  UserControl_Resize();
}

void fam_Opaline_Framebordder::WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("Enabled", Value::boolean(enabled()));
  bag.WriteProperty("Caption", m_Caption, kDefaultCaption);
  bag.WriteProperty("BackColor", BackColor(), kButtonFace);
  bag.WriteProperty("ReturnCaption", m_ReturnCaption, "");
}

void fam_Opaline_Framebordder::UserControl_Show() { UserControl_Resize(); }

}  // namespace okit
