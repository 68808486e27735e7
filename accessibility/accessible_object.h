#pragma once
// The ATK objects the bridge publishes: one GObject per form, control or
// part of a control, each answering from its Node, the bridge's record of
// what it last published. Controls show their actions and extents; text
// fields add ATK's Text and EditableText; forms are windows.

#include <atk/atk.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/description.h"
#include "host/geometry.h"

namespace okit {

class Element;
class Form;
class TextBox;

// What a published object stands for and what it last said.
struct Node {
  std::weak_ptr<Element> element;  // empty for the application and parts
  // The form it is on (or is): compared by address, and touched only while
  // form_alive says the form still lives (a client may hold an object
  // longer than its form).
  Form* form = nullptr;
  std::weak_ptr<Element> form_alive;
  Description description;
  AtkObject* parent = nullptr;
  std::vector<AtkObject*> children;  // each holds a reference
  std::string shown_text;            // a text field's text as last published
  int caret = 0;
  // The bridge: extents on the real screen, and the queue of what clients
  // asked for, run once the bus call has been answered.
  std::function<Rect(const Node&)> extents;
  std::function<void(std::function<void()>)> later;

  TextBox* text_field() const;
};

enum class ObjectKind { Plain, Text, Window };

// A new object for `node` (which it owns), with the role and name of the
// node's description.
AtkObject* make_accessible(std::unique_ptr<Node> node, ObjectKind kind);
Node& node_of(AtkObject* object);

// The ATK role for a description's role word.
AtkRole atk_role(const Description& description, bool is_form);

}  // namespace okit
