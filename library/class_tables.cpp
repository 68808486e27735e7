// The member and event tables of the six OpalineKit classes, in interface
// order, with their identifiers, types and designer help. The identifiers are
// published: forms and compiled hosts bind to them, so they never change.
// Own property identifiers count up from 0x68030000 starting at the last
// declared own property; the Return* property is the default member (0);
// the negative ones are the platform's standard identifiers.

#include <array>

#include "library/type_library.h"

namespace okit {
namespace {

// Standard identifiers of the platform's stock properties and events.
constexpr std::int32_t kDispAutoSize = -500;
constexpr std::int32_t kDispBackColor = -501;
constexpr std::int32_t kDispEnabled = -514;
constexpr std::int32_t kDispHwnd = -515;
constexpr std::int32_t kDispCaption = -518;
constexpr std::int32_t kDispClick = -600;
constexpr std::int32_t kDispKeyDown = -602;
constexpr std::int32_t kDispKeyPress = -603;
constexpr std::int32_t kDispKeyUp = -604;
constexpr std::int32_t kDispMouseDown = -605;
constexpr std::int32_t kDispMouseMove = -606;
constexpr std::int32_t kDispMouseUp = -607;

// The first identifier the library assigns to its own properties.
constexpr std::int32_t kOwn = 0x68030000;

constexpr bool kReadOnly = true;
constexpr bool kReadWrite = false;

constexpr EventArgInfo kMouseArgs[] = {
    {"Button", PropType::Integer}, {"Shift", PropType::Integer}, {"X", PropType::Single}, {"Y", PropType::Single}};
constexpr EventArgInfo kKeyArgs[] = {{"KeyCode", PropType::Integer}, {"Shift", PropType::Integer}};
constexpr EventArgInfo kKeyPressArgs[] = {{"KeyAscii", PropType::Integer}};
constexpr std::span<const EventArgInfo> kNoArgs;

// ---- cmd_Opaline_Button ----------------------------------------------------

constexpr MemberTypeInfo kButtonMembers[] = {
    {"Enabled", kDispEnabled, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob der Button auf Eingaben reagiert."},
    {"Caption", kDispCaption, PropType::String, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, welche Caption der Button tragen soll."},
    {"ForeColor", kOwn + 1, PropType::Color, kReadWrite,
     "Gibt die Textfarbe der Caption zurück, oder legt diese fest, solange der Button aktiviert ist."},
    {"DeactivatedForeColor", kOwn + 0, PropType::Color, kReadWrite,
     "Gibt die Textfarbe der Caption zurück, oder legt diese fest, solange der Button deaktiviert ist."},
};

constexpr EventTypeInfo kButtonEvents[] = {
    {"Click", kDispClick, kNoArgs, "Tritt ein, wenn der Button angeklickt oder per Tastatur ausgelöst wird."},
    {"MouseDown", kDispMouseDown, kMouseArgs, "Tritt ein, wenn über dem Button eine Maustaste gedrückt wird."},
    {"MouseMove", kDispMouseMove, kMouseArgs, "Tritt ein, wenn die Maus über dem Button bewegt wird."},
    {"MouseUp", kDispMouseUp, kMouseArgs, "Tritt ein, wenn über dem Button eine Maustaste losgelassen wird."},
    {"KeyDown", kDispKeyDown, kKeyArgs, "Tritt ein, wenn der Button den Fokus hat und eine Taste gedrückt wird."},
    {"KeyPress", kDispKeyPress, kKeyPressArgs, "Tritt ein, wenn der Button den Fokus hat und ein Zeichen eingegeben wird."},
    {"KeyUp", kDispKeyUp, kKeyArgs, "Tritt ein, wenn der Button den Fokus hat und eine Taste losgelassen wird."},
    {"Resize", 1, kNoArgs, "Ist für Größenänderungen des Buttons vorgesehen."},
};

// ---- ctl_Opaline_Form ------------------------------------------------------

constexpr MemberTypeInfo kFormMembers[] = {
    {"AutoRedraw", kOwn + 3, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob die Zeichnung der Fläche dauerhaft gespeichert wird."},
    {"Enabled", kDispEnabled, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob die Titelleiste auf Eingaben reagiert."},
    {"hwnd", kDispHwnd, PropType::Long, kReadOnly, "Gibt das Fensterhandle des Steuerelements zurück."},
    {"Caption", kDispCaption, PropType::String, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, welcher Titel in der Titelleiste stehen soll."},
    {"MoveForm", kOwn + 2, PropType::Variant, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob beim Ziehen der Titelleiste das ganze Formular bewegt wird."},
    {"DoMove", kOwn + 1, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob das Formular an der Titelleiste gezogen werden kann."},
    {"BackColor", kOwn + 0, PropType::Color, kReadWrite,
     "Gibt die Hintergrundfarbe des Clientbereichs zurück, oder legt diese fest."},
    {"ReturnCaption", 0, PropType::String, kReadWrite,
     "Gibt den Titel zurück, oder legt diesen fest; Standardeigenschaft des Steuerelements."},
};

constexpr EventTypeInfo kFormEvents[] = {
    {"CloseWindow", 1, kNoArgs, "Tritt ein, wenn die Schließen-Schaltfläche der Titelleiste angeklickt wird."},
};

// ---- txt_Opaline_opal ------------------------------------------------------

constexpr MemberTypeInfo kTextBoxMembers[] = {
    {"Appearance", kOwn + 9, PropType::Integer, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob das Eingabefeld flach oder dreidimensional erscheint."},
    {"Enabled", kOwn + 8, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob das Textfeld auf Eingaben reagiert."},
    {"ForeColor", kOwn + 7, PropType::Color, kReadWrite, "Gibt die Textfarbe zurück, oder legt diese fest."},
    {"HideSelection", kOwn + 6, PropType::Boolean, kReadOnly,
     "Gibt zurück, ob die Markierung ausgeblendet wird, wenn das Textfeld den Fokus verliert."},
    {"Locked", kOwn + 5, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob der Text nur gelesen werden kann."},
    {"PasswordChar", kOwn + 4, PropType::String, kReadWrite,
     "Gibt das Zeichen zurück, oder legt dieses fest, das anstelle der eingegebenen Zeichen angezeigt wird."},
    {"SelLength", kOwn + 3, PropType::Long, kReadWrite,
     "Gibt die Anzahl der markierten Zeichen zurück, oder legt diese fest."},
    {"SelStart", kOwn + 2, PropType::Long, kReadWrite,
     "Gibt den Beginn der Markierung zurück, oder legt diesen fest."},
    {"SelText", kOwn + 1, PropType::String, kReadWrite,
     "Gibt den markierten Text zurück, oder ersetzt die Markierung durch einen neuen Text."},
    {"Text", kDispCaption, PropType::String, kReadWrite, "Gibt den Inhalt des Textfelds zurück, oder legt diesen fest."},
    {"hwnd", kOwn + 0, PropType::Long, kReadOnly, "Gibt das Fensterhandle des Steuerelements zurück."},
    {"ReturnText", 0, PropType::String, kReadWrite,
     "Gibt den Inhalt des Textfelds zurück, oder legt diesen fest; Standardeigenschaft des Steuerelements."},
};

constexpr EventTypeInfo kTextBoxEvents[] = {
    {"Change", 1, kNoArgs, "Tritt ein, wenn sich der Inhalt des Textfelds ändert."},
    {"Click", kDispClick, kNoArgs, "Tritt ein, wenn das Textfeld angeklickt wird."},
    {"DblClick", 2, kNoArgs, "Tritt ein, wenn das Textfeld doppelt angeklickt wird."},
    {"KeyDown", 3, kKeyArgs, "Tritt ein, wenn im Textfeld eine Taste gedrückt wird."},
    {"KeyPress", 4, kKeyPressArgs, "Tritt ein, wenn im Textfeld ein Zeichen eingegeben wird."},
    {"KeyUp", 5, kKeyArgs, "Tritt ein, wenn im Textfeld eine Taste losgelassen wird."},
    {"MouseDown", 6, kMouseArgs, "Tritt ein, wenn über dem Textfeld eine Maustaste gedrückt wird."},
    {"MouseMove", 7, kMouseArgs, "Tritt ein, wenn die Maus über dem Textfeld bewegt wird."},
    {"MouseUp", 8, kMouseArgs, "Tritt ein, wenn über dem Textfeld eine Maustaste losgelassen wird."},
};

// ---- fam_Opaline_Framebordder ----------------------------------------------

constexpr MemberTypeInfo kFrameMembers[] = {
    {"Enabled", kOwn + 2, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob der Rahmen und sein Inhalt auf Eingaben reagieren."},
    {"hwnd", kOwn + 1, PropType::Long, kReadOnly, "Gibt das Fensterhandle des Steuerelements zurück."},
    {"Caption", kDispCaption, PropType::String, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, welche Überschrift der Rahmen tragen soll."},
    {"BackColor", kOwn + 0, PropType::Color, kReadWrite, "Gibt die Hintergrundfarbe des Rahmens zurück, oder legt diese fest."},
    {"ReturnCaption", 0, PropType::String, kReadWrite,
     "Gibt die Überschrift zurück, oder legt diese fest; Standardeigenschaft des Steuerelements."},
};

// ---- chk_Opaline_CheckBox --------------------------------------------------

constexpr MemberTypeInfo kCheckBoxMembers[] = {
    {"Caption", kDispCaption, PropType::String, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, welche Beschriftung neben dem Kästchen stehen soll."},
    {"ForeColor", kOwn + 4, PropType::Color, kReadWrite, "Gibt die Farbe der Beschriftung zurück, oder legt diese fest."},
    {"BackColor", kDispBackColor, PropType::Color, kReadWrite, "Gibt die Hintergrundfarbe zurück, oder legt diese fest."},
    {"FocusColor", kOwn + 3, PropType::Color, kReadWrite,
     "Gibt die Farbe der Beschriftung zurück, oder legt diese fest, solange das Kontrollkästchen den Fokus hat."},
    {"DisabledColor", kOwn + 2, PropType::Color, kReadWrite,
     "Gibt die Farbe der Beschriftung zurück, oder legt diese fest, solange das Kontrollkästchen deaktiviert ist."},
    {"AutoSize", kDispAutoSize, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob sich die Breite nach der Beschriftung richtet."},
    {"Enabled", kDispEnabled, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob das Kontrollkästchen auf Eingaben reagiert."},
    {"Inactive", kOwn + 1, PropType::Boolean, kReadWrite,
     "Gibt einen Wert zurück, oder legt diesen fest, ob ein Klick auch den Zustand chk_Inactive durchläuft."},
    {"Value", kOwn + 0, PropType::Enum, kReadWrite,
     "Gibt den Zustand des Kontrollkästchens zurück, oder legt diesen fest.", &kPressedEnum},
    {"ReturnValue", 0, PropType::Enum, kReadWrite,
     "Gibt den Zustand zurück, oder legt diesen fest; Standardeigenschaft des Steuerelements.", &kPressedEnum},
};

constexpr EventTypeInfo kCheckBoxEvents[] = {
    {"Click", kDispClick, kNoArgs, "Tritt ein, wenn das Kontrollkästchen angeklickt wird."},
    {"Change", 1, kNoArgs, "Tritt ein, wenn sich der Zustand des Kontrollkästchens durch eine Eingabe ändert."},
    {"MouseDown", kDispMouseDown, kMouseArgs, "Tritt ein, wenn über dem Kontrollkästchen eine Maustaste gedrückt wird."},
    {"MouseMove", kDispMouseMove, kMouseArgs, "Tritt ein, wenn die Maus über dem Kontrollkästchen bewegt wird."},
    {"MouseUp", kDispMouseUp, kMouseArgs, "Tritt ein, wenn über dem Kontrollkästchen eine Maustaste losgelassen wird."},
    {"KeyDown", kDispKeyDown, kKeyArgs, "Tritt ein, wenn das Kontrollkästchen den Fokus hat und eine Taste gedrückt wird."},
    {"KeyPress", kDispKeyPress, kKeyPressArgs,
     "Tritt ein, wenn das Kontrollkästchen den Fokus hat und ein Zeichen eingegeben wird."},
    {"KeyUp", kDispKeyUp, kKeyArgs, "Tritt ein, wenn das Kontrollkästchen den Fokus hat und eine Taste losgelassen wird."},
    {"Resize", 2, kNoArgs, "Ist für Größenänderungen des Kontrollkästchens vorgesehen."},
};

// ---- The classes -----------------------------------------------------------

constexpr std::array kClasses = {
    ClassTypeInfo{"cmd_Opaline_Button", 30005, false, olemisc::Control,
                  guid_literal("{7318368E-7F8E-4567-A17B-DEBDAB61C1C0}"),
                  guid_literal("{D03B77ED-4D74-4440-8E03-DA6FCD243033}"),
                  guid_literal("{451C105F-8CBF-4CD1-9A26-323D48CBF06F}"), AccessorOrder::GetterThenPutter,
                  kButtonMembers, kButtonEvents},
    ClassTypeInfo{"stp_Brook_TabStrip", 30004, false, olemisc::Control,
                  guid_literal("{325ECA5A-7065-4F3A-82BD-A3E85B9781BA}"),
                  guid_literal("{05CA7C49-7905-4C0B-927C-973D276204EE}"),
                  guid_literal("{F851C60B-EC3E-410C-BF32-D02B58BFCC52}"), AccessorOrder::GetterThenPutter, {}, {}},
    ClassTypeInfo{"ctl_Opaline_Form", 30003, true, olemisc::ContainerControl,
                  guid_literal("{EE916D72-38AF-4A99-84D9-8091BB4F860D}"),
                  guid_literal("{27EDD1B6-2314-485D-88DD-F85E77E8B589}"),
                  guid_literal("{F75A2B03-8341-4E80-8E02-A97A6924F208}"), AccessorOrder::GetterThenPutter,
                  kFormMembers, kFormEvents},
    ClassTypeInfo{"txt_Opaline_opal", 30002, false, olemisc::Control,
                  guid_literal("{5F5C72EA-CC9C-491D-BDCF-4429325EC9B5}"),
                  guid_literal("{5CD14A3F-874F-4BF8-A5DC-E27D92B02227}"),
                  guid_literal("{E47B9F37-70EC-4259-876A-6F77CEA73B85}"), AccessorOrder::GetterThenPutter,
                  kTextBoxMembers, kTextBoxEvents},
    ClassTypeInfo{"fam_Opaline_Framebordder", 30001, true, olemisc::ContainerControl,
                  guid_literal("{E0E66D29-448A-4836-8DDF-6AA7B59A666F}"),
                  guid_literal("{9D9FC115-8C95-43C9-909E-1E7E48BD16CC}"),
                  guid_literal("{2ECEF3D1-74C7-4C0A-98FF-B11B776A3335}"), AccessorOrder::GetterThenPutter,
                  kFrameMembers, {}},
    ClassTypeInfo{"chk_Opaline_CheckBox", 30000, false, olemisc::Control,
                  guid_literal("{88761F91-F608-4FEA-8A3F-CFDC3D091898}"),
                  guid_literal("{4F8934CF-2E06-4ADC-AF75-A2D1F42F6F78}"),
                  guid_literal("{22810160-84C0-4311-AF53-020120B448C2}"), AccessorOrder::AllGettersFirst,
                  kCheckBoxMembers, kCheckBoxEvents},
};

}  // namespace

std::span<const ClassTypeInfo> opaline_classes() { return kClasses; }

}  // namespace okit
