// The library frame: published identifiers and their rules, the interface
// resources, the toolbox bitmaps and the exported entry points.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "host/bmp_encoder.h"
#include "library/class_registry.h"
#include "library/entry_points.h"
#include "library/interface_resources.h"
#include "library/toolbox_bitmaps.h"
#include "library/type_library.h"
#include "library/version_info.h"

namespace okit {
namespace {

constexpr std::int32_t kFirstOwnDispid = 0x68030000;

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t read16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

TEST(TypeLibrary, EveryGuidIsDistinctAndSurvivesItsTextForm) {
  std::vector<Guid> guids = {type_library().id};
  for (const ClassTypeInfo& cls : opaline_classes()) {
    guids.insert(guids.end(), {cls.class_id, cls.interface_id, cls.event_interface_id});
  }
  std::set<std::string> texts;
  for (const Guid& guid : guids) {
    const std::string text = guid.to_string();
    texts.insert(text);
    EXPECT_EQ(text.size(), 38u);
    EXPECT_TRUE(std::ranges::none_of(text, [](unsigned char c) { return std::islower(c); })) << text;
    EXPECT_EQ(Guid::parse(text), guid) << text;
  }
  EXPECT_EQ(texts.size(), 19u);

  const Guid expected{0x0A1B2C3D, 0x4E5F, 0x6071, {0x82, 0x93, 0xA4, 0xB5, 0xC6, 0xD7, 0xE8, 0xF9}};
  EXPECT_EQ(Guid::parse("0a1b2c3d-4e5f-6071-8293-a4b5c6d7e8f9"), expected);
  EXPECT_EQ(expected.to_string(), "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
  for (const char* bad : {"", "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F}", "{0A1B2C3D-4E5F-6071-8293_A4B5C6D7E8F9}",
                          "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8FG}", "(0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9)"}) {
    EXPECT_FALSE(Guid::parse(bad)) << bad;
  }
}

TEST(TypeLibrary, FormFilesAndInstallersFindTheLibraryIdentity) {
  EXPECT_EQ(type_library_reference(), type_library().id.to_string() + "#8.0#0");
  EXPECT_EQ(type_library().locale, 0x0409u);
  // Installers look the key up without regard to case and only test its presence.
  EXPECT_NE(version_block().find("oleselfregister"), nullptr);
  EXPECT_EQ(version_block().language, 0x0407);
  EXPECT_EQ(version_block().code_page, 0x04B0);
}

TEST(TypeLibrary, OwnPropertyIdsCountUpFromTheLastDeclaredProperty) {
  const std::map<std::int32_t, std::set<std::string_view>> standard = {
      {-500, {"AutoSize"}}, {-501, {"BackColor"}}, {-514, {"Enabled"}}, {-515, {"hwnd"}}, {-518, {"Caption", "Text"}}};
  for (const ClassTypeInfo& cls : opaline_classes()) {
    SCOPED_TRACE(std::string(cls.name));
    std::int32_t next_own = kFirstOwnDispid;
    std::set<std::int32_t> seen;
    for (auto member = cls.members.rbegin(); member != cls.members.rend(); ++member) {
      EXPECT_TRUE(seen.insert(member->dispid).second) << member->name << " repeats an identifier";
      if (member->dispid > 0) {
        EXPECT_EQ(member->dispid, next_own++) << member->name;
      } else if (member->dispid < 0) {
        ASSERT_TRUE(standard.contains(member->dispid)) << member->name;
        EXPECT_TRUE(standard.at(member->dispid).contains(member->name)) << member->name;
      }
      EXPECT_FALSE(member->help.empty()) << member->name;
    }
  }
}

TEST(TypeLibrary, TheReturnPropertyIsTheDefaultMemberAndMirrorsItsTwin) {
  std::set<std::string_view> with_default;
  for (const ClassTypeInfo& cls : opaline_classes()) {
    const MemberTypeInfo* def = cls.default_member();
    if (def == nullptr) continue;
    with_default.insert(cls.name);
    ASSERT_TRUE(def->name.starts_with("Return")) << cls.name;
    const MemberTypeInfo* twin = cls.find_member(def->name.substr(6));
    ASSERT_NE(twin, nullptr) << def->name;
    EXPECT_EQ(twin->type, def->type);
    EXPECT_FALSE(def->read_only);
    EXPECT_EQ(def, &cls.members.back()) << "the default member closes the interface";
  }
  EXPECT_EQ(with_default, (std::set<std::string_view>{"ctl_Opaline_Form", "txt_Opaline_opal",
                                                      "fam_Opaline_Framebordder", "chk_Opaline_CheckBox"}));
  EXPECT_EQ(class_registry().find_class("chk_opaline_checkbox")->default_member()->type, PropType::Enum);
}

TEST(TypeLibrary, EventIdsAndArgumentsFollowTheStandardEvents) {
  const std::map<std::string_view, std::int32_t> standard = {{"Click", -600},   {"DblClick", -601},  {"KeyDown", -602},
                                                             {"KeyPress", -603}, {"KeyUp", -604},     {"MouseDown", -605},
                                                             {"MouseMove", -606}, {"MouseUp", -607}};
  const std::vector<PropType> mouse = {PropType::Integer, PropType::Integer, PropType::Single, PropType::Single};
  for (const ClassTypeInfo& cls : opaline_classes()) {
    SCOPED_TRACE(std::string(cls.name));
    std::int32_t next_own = 1;
    for (const EventInfo& event : cls.host_events()) {
      if (event.dispid < 0) {
        EXPECT_EQ(standard.at(event.name), event.dispid) << event.name;
      } else {
        EXPECT_EQ(event.dispid, next_own++) << event.name;
      }
      if (event.name.starts_with("Mouse")) {
        EXPECT_EQ(event.args, mouse) << event.name;
      } else if (event.name.starts_with("Key")) {
        EXPECT_EQ(event.args.size(), event.name == "KeyPress" ? 1u : 2u) << event.name;
        EXPECT_EQ(event.args.front(), PropType::Integer);
      } else {
        EXPECT_TRUE(event.args.empty()) << event.name;
      }
    }
  }
  const EventTypeInfo* mouse_down = class_registry().find_class("cmd_Opaline_Button")->find_event("mousedown");
  ASSERT_NE(mouse_down, nullptr);
  EXPECT_EQ(mouse_down->args[3].name, "Y");
}

TEST(TypeLibrary, CheckBoxListsGettersFirstOthersPairEachGetterWithItsPutter) {
  for (const ClassTypeInfo& cls : opaline_classes()) {
    SCOPED_TRACE(std::string(cls.name));
    const std::vector<InterfaceFunction> functions = cls.interface_functions();
    const auto writable = std::ranges::count_if(cls.members, [](const MemberTypeInfo& m) { return !m.read_only; });
    ASSERT_EQ(functions.size(), cls.members.size() + static_cast<std::size_t>(writable));
    if (cls.name == "chk_Opaline_CheckBox") {
      const auto first_put = std::ranges::find(functions, Accessor::Put, &InterfaceFunction::accessor);
      EXPECT_EQ(first_put - functions.begin(), static_cast<std::ptrdiff_t>(cls.members.size()));
      EXPECT_TRUE(std::all_of(first_put, functions.end(), [](const auto& f) { return f.accessor == Accessor::Put; }));
      continue;
    }
    for (std::size_t i = 0; i < functions.size(); ++i) {
      if (functions[i].accessor == Accessor::Get) continue;
      ASSERT_GT(i, 0u);
      EXPECT_EQ(functions[i - 1].member, functions[i].member);
      EXPECT_EQ(functions[i - 1].accessor, Accessor::Get);
    }
  }
  const ClassTypeInfo* text_box = class_registry().find_class("txt_Opaline_opal");
  EXPECT_TRUE(text_box->find_member("HideSelection")->read_only);
  EXPECT_TRUE(text_box->find_member("HWND")->read_only);
}

TEST(TypeLibrary, ContainersHoldChildrenAndNeverTakeTheFocus) {
  for (const ClassTypeInfo& cls : opaline_classes()) {
    SCOPED_TRACE(std::string(cls.name));
    const bool container = cls.name == "ctl_Opaline_Form" || cls.name == "fam_Opaline_Framebordder";
    EXPECT_EQ(cls.container, container);
    EXPECT_EQ(cls.misc_status, container ? 0x34191u : 0x20191u);
  }
}

TEST(InterfaceResources, HoldTheLengthThenTheInterfaceGuidInMemoryOrder) {
  const auto resource = interface_resource("_IID_CMD_OPALINE_BUTTON");
  ASSERT_TRUE(resource);
  // {D03B77ED-4D74-4440-8E03-DA6FCD243033}: the first three fields little-endian.
  const InterfaceResource expected = {0x10, 0x00, 0x00, 0x00, 0xED, 0x77, 0x3B, 0xD0, 0x74, 0x4D,
                                      0x40, 0x44, 0x8E, 0x03, 0xDA, 0x6F, 0xCD, 0x24, 0x30, 0x33};
  EXPECT_EQ(*resource, expected);

  const ClassTypeInfo* check_box = class_registry().find_class("chk_Opaline_CheckBox");
  const auto source = interface_resource("_srciid_chk_opaline_checkbox");
  ASSERT_TRUE(source);
  const auto guid_bytes = check_box->event_interface_id.to_bytes();
  EXPECT_TRUE(std::equal(guid_bytes.begin(), guid_bytes.end(), source->begin() + 4));

  const std::vector<std::string> names = interface_resource_names();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 12u);
  EXPECT_TRUE(std::ranges::all_of(names, [](const std::string& name) { return interface_resource(name).has_value(); }));
  EXPECT_FALSE(interface_resource("_IID_CMD_OPALINE"));
}

TEST(ToolboxBitmaps, EveryClassHasASixteenByFifteenBmp) {
  std::set<std::string> distinct;
  for (const ClassTypeInfo& cls : opaline_classes()) {
    SCOPED_TRACE(std::string(cls.name));
    const auto bmp = toolbox_bitmap_bmp(cls.toolbox_bitmap_id);
    ASSERT_TRUE(bmp);
    ASSERT_EQ(bmp->size(), 54u + 48u * 15u);
    EXPECT_EQ(std::string(bmp->begin(), bmp->begin() + 2), "BM");
    EXPECT_EQ(read32(*bmp, 2), bmp->size());
    EXPECT_EQ(read32(*bmp, 10), 54u);
    EXPECT_EQ(read32(*bmp, 14), 40u);
    EXPECT_EQ(read32(*bmp, 18), 16u);
    EXPECT_EQ(read32(*bmp, 22), 15u);
    EXPECT_EQ(read16(*bmp, 28), 24);
    EXPECT_EQ(read32(*bmp, 30), 0u);

    const RgbImage image = *toolbox_bitmap(cls.toolbox_bitmap_id);
    // The file's first pixel is the image's bottom-left one, stored blue first.
    const Rgb bottom_left = image.at(0, 14);
    EXPECT_EQ((std::vector<std::uint8_t>(bmp->begin() + 54, bmp->begin() + 57)),
              (std::vector<std::uint8_t>{bottom_left.b, bottom_left.g, bottom_left.r}));
    distinct.emplace(bmp->begin(), bmp->end());
  }
  EXPECT_EQ(distinct.size(), 6u);
  EXPECT_FALSE(toolbox_bitmap_bmp(29999));
}

TEST(BmpEncoder, PadsEveryRowToFourBytesAndStoresRowsBottomUp) {
  const Rgb red{0xFF, 0, 0}, green{0, 0xFF, 0}, blue{0, 0, 0xFF};
  const RgbImage image{3, 2, {red, green, blue, blue, blue, red}};
  const std::vector<std::uint8_t> bmp = encode_bmp24(image);
  ASSERT_EQ(bmp.size(), 54u + 2u * 12u);
  EXPECT_EQ(read32(bmp, 34), 24u);
  const std::vector<std::uint8_t> rows(bmp.begin() + 54, bmp.end());
  const std::vector<std::uint8_t> expected = {
      0xFF, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0,  // bottom row: blue, blue, red, padding
      0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0,  // top row: red, green, blue, padding
  };
  EXPECT_EQ(rows, expected);
  EXPECT_THROW(encode_bmp24(RgbImage{3, 3, {red}}), std::invalid_argument);
}

// A stand-in control, so the entry points can be exercised before the real
// controls register their factories.
class ProbeControl : public Element {
 public:
  ProbeControl() : Element("Probe1") {}
  const ClassInfo& class_info() const override {
    static const ClassInfo info{"stp_Brook_TabStrip", "OpalineKit", {}, {}, nullptr};
    return info;
  }
};

// Installs a factory for one test and puts the previous one back afterwards.
class FactoryOverride {
 public:
  FactoryOverride(std::string_view class_name, ControlFactory factory)
      : class_name_(class_name), previous_(class_registry().register_factory(class_name, std::move(factory))) {}
  ~FactoryOverride() { class_registry().register_factory(class_name_, std::move(previous_)); }
  FactoryOverride(const FactoryOverride&) = delete;
  FactoryOverride& operator=(const FactoryOverride&) = delete;

 private:
  std::string class_name_;
  ControlFactory previous_;
};

TEST(EntryPoints, ClassObjectsExistOnlyForClassesWithAFactory) {
  const Guid tab_strip = class_registry().find_class("stp_Brook_TabStrip")->class_id;
  void* out = &out;
  {
    FactoryOverride none("stp_Brook_TabStrip", nullptr);
    EXPECT_EQ(DllGetClassObject(&tab_strip, &kClassFactoryInterfaceId, &out), hr::ClassNotAvailable);
    EXPECT_EQ(out, nullptr);
    EXPECT_THROW(class_registry().create("stp_Brook_TabStrip"), RuntimeError);
  }
  FactoryOverride probe("stp_Brook_TabStrip", [] { return std::make_shared<ProbeControl>(); });
  EXPECT_EQ(DllGetClassObject(&tab_strip, &kClassFactoryInterfaceId, &out), hr::Ok);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(static_cast<ClassFactory*>(out)->type_info().name, "stp_Brook_TabStrip");
  EXPECT_EQ(static_cast<ClassFactory*>(out)->create_instance()->class_info().name, "stp_Brook_TabStrip");
  EXPECT_EQ(DllGetClassObject(&tab_strip, &kUnknownInterfaceId, &out), hr::Ok);

  const Guid unknown = guid_literal("{00000000-0000-0000-0000-000000000001}");
  EXPECT_EQ(DllGetClassObject(&unknown, &kClassFactoryInterfaceId, &out), hr::ClassNotAvailable);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(DllGetClassObject(&tab_strip, &tab_strip, &out), hr::NoInterface);
  EXPECT_EQ(out, nullptr);
  out = &out;
  EXPECT_EQ(DllGetClassObject(nullptr, &kClassFactoryInterfaceId, &out), hr::InvalidPointer);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(DllGetClassObject(&tab_strip, &kClassFactoryInterfaceId, nullptr), hr::InvalidPointer);
}

TEST(EntryPoints, LibraryStaysLoadedWhileAnyCreatedObjectLives) {
  const int baseline = class_registry().live_objects();
  const HResult idle = baseline == 0 ? hr::Ok : hr::False;
  FactoryOverride probe("stp_Brook_TabStrip", [] { return std::make_shared<ProbeControl>(); });
  std::shared_ptr<Element> control = class_registry().create("STP_BROOK_TABSTRIP");
  EXPECT_EQ(DllCanUnloadNow(), hr::False);
  // A second owner keeps the object, and so the library, alive.
  std::shared_ptr<Dispatch> second_owner = control->shared_from_this();
  control.reset();
  EXPECT_EQ(DllCanUnloadNow(), hr::False);
  second_owner.reset();
  EXPECT_EQ(class_registry().live_objects(), baseline);
  EXPECT_EQ(DllCanUnloadNow(), idle);
}

TEST(EntryPoints, RegistryRejectsWhatItCannotCreate) {
  try {
    class_registry().create("cmd_Unknown_Control");
    FAIL() << "an unknown class was created";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::CantCreateObject);
  }
  try {
    class_registry().register_factory("cmd_Unknown_Control", [] { return std::make_shared<ProbeControl>(); });
    FAIL() << "a factory for an unknown class was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::InvalidCall);
    EXPECT_NE(std::string(e.what()).find("cmd_Unknown_Control"), std::string::npos);
  }
  FactoryOverride broken("stp_Brook_TabStrip", [] { return std::shared_ptr<Element>(); });
  EXPECT_THROW(class_registry().create("stp_Brook_TabStrip"), RuntimeError);
}

TEST(EntryPoints, RegisterAndUnregisterToggleTheRegistration) {
  const bool was_registered = class_registry().is_registered();
  EXPECT_EQ(DllRegisterServer(), hr::Ok);
  EXPECT_TRUE(class_registry().is_registered());
  EXPECT_EQ(DllUnregisterServer(), hr::Ok);
  EXPECT_FALSE(class_registry().is_registered());
  class_registry().mark_registered(was_registered);
}

}  // namespace
}  // namespace okit
