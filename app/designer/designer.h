#pragma once
// Designer: the document model a visual form designer sits on, without a
// screen. It owns one form on the desktop and edits it the way a designer
// window would (place, select, move, resize, nudge, delete, nest, set), each
// edit one undoable step. Undo keeps it simple: before each edit the form's
// file text and the selection are kept, and undo loads that text again, so
// every kind of edit is undone by the same code the loader is tested with.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/desktop.h"
#include "host/elements/element_kinds.h"
#include "host/expected.h"
#include "host/form.h"
#include "host/form_file.h"

namespace okit {

enum class Direction { Left, Right, Up, Down };

class Designer : public ApplicationEvents {
 public:
  // Designs on `shared` (a window's message loop owns it), or on a desktop of
  // its own when that is nullptr; either way it is the desktop's application
  // (silent but for PropertyChanged) for as long as it lives, and unloads
  // every form of the desktop when it goes.
  explicit Designer(Desktop* shared = nullptr);
  ~Designer() override;
  Designer(const Designer&) = delete;
  Designer& operator=(const Designer&) = delete;

  // A new empty form; `path` (may be empty) is where save() writes. Error 380
  // when `name` cannot name a form.
  void start_new(const std::string& name, const std::string& path = "");
  // Loads a form file, which becomes the save path.
  Expected<bool> open(const std::string& path);
  // Loads a recovery copy in place of the form, keeping the save path; the
  // form is then modified, as it was when the copy was written.
  Expected<bool> restore(const std::string& recovery_path);

  Form& form() const { return *form_; }
  Desktop& desktop() const { return desktop_; }
  const std::string& path() const { return path_; }
  // The form as its file would read now.
  std::string text() const;

  // ---- Edits: each is one undo step; a failing one changes nothing ----------
  // Places a control (pixels of `container`, the form when empty) and selects
  // it alone. An empty name picks the next free one (Command1, Check1, ...).
  // Returns the name.
  std::string place(const std::string& class_name, const std::string& name, int x, int y,
                    std::optional<Size> size = std::nullopt, const std::string& container = "");
  void move(int dx, int dy);
  // A move that ends over another container: moves the selection and puts
  // it into `container` (a container control, or the form by its name) where
  // the move left it on screen, as one edit.
  void move_into(int dx, int dy, const std::string& container);
  void resize(int width, int height);
  // One pixel, or to the next grid line in that direction.
  void nudge(Direction direction, bool by_grid);
  void delete_selection();
  // Moves the selected controls into `container` (a container control, or the
  // form by its name), keeping where they are on screen.
  void nest(const std::string& container);
  // Writes a property through the control's own put routine; the form itself
  // is named by its name.
  void set(const std::string& name, const std::string& property, const Value& value);
  Value get(const std::string& name, const std::string& property) const;
  // What the property grid does with text entered in a row: its editor reads
  // the text by the property's type (property_grid.h), then set() writes it;
  // the Name row renames the control. Either failing changes nothing.
  void enter(const std::string& name, const std::string& property, std::string_view entered);
  // Gives a control (or the form) a new name, keeping it selected if it was.
  void rename(const std::string& name, const std::string& new_name);
  // A control by name, or the form by its name; RuntimeError 424 for neither.
  Element& object(const std::string& name) const;

  bool undo();
  bool redo();

  // ---- Selection (not an edit: undo brings back the selection it had) --------
  void select(const std::string& name, bool add);
  void deselect(const std::string& name);
  void clear_selection() { selection_.clear(); }
  const std::vector<std::string>& selection() const { return selection_; }

  // ---- Grid --------------------------------------------------------------------
  int grid() const { return grid_; }
  void set_grid(int pixels) { grid_ = pixels; }  // must be positive
  bool snap() const { return snap_; }
  void set_snap(bool on) { snap_ = on; }

  // ---- File state ----------------------------------------------------------------
  bool modified() const { return modified_; }
  std::string title() const;
  // Writes the form file (safely: a failed save keeps the old file); an empty
  // path saves where the form came from.
  Expected<bool> save(const std::string& path = "");

  // ApplicationEvents: a control's PropertyChanged marks the form modified.
  void control_event(Element&, std::string_view, std::span<Value>) override {}
  void property_changed(Element&, std::string_view) override;
  void unhandled_error(const RuntimeError&) override {}

 private:
  struct Snapshot {
    std::string text;
    std::vector<std::string> selection;
  };

  // Runs one edit: keeps the state before it for undo, and puts that state
  // back when the edit throws.
  void edit(const std::function<void()>& change);
  Snapshot snapshot() const { return {text(), selection_}; }
  void restore(const Snapshot& state);
  void load_text(const std::string& text);
  void load_document(const FormDocument& doc);
  void after_restore();
  bool step(std::vector<Snapshot>& from, std::vector<Snapshot>& to);

  void shift(const std::vector<Element*>& controls, int dx, int dy);
  void check_can_hold(const Element& into, const std::vector<Element*>& controls) const;
  void put_into(const Element& into, const std::vector<Element*>& controls);

  Element& control(const std::string& name) const;        // RuntimeError 424 when there is none
  Element& container(const std::string& name) const;      // a container control or the form
  std::vector<Element*> selected_controls() const;        // RuntimeError 5 when nothing is
  int snap_to_grid(int pixels) const;
  int snap_size(int pixels) const;
  std::string free_name(const std::string& class_name) const;
  void check_new_name(const std::string& name) const;

  std::unique_ptr<Desktop> own_desktop_;
  Desktop& desktop_;
  std::shared_ptr<Form> form_;
  std::string path_;
  std::vector<std::string> selection_;
  std::vector<Snapshot> undo_, redo_;
  std::string saved_text_;  // the text last saved or opened: undoing back to it clears `modified`
  int grid_ = 8;
  bool snap_ = true;
  bool modified_ = false;
  bool loading_ = false;  // reloading raises PropertyChanged that changes nothing
};

// Whether `name` can name a form or a control in a form file.
bool is_valid_name(std::string_view name);

}  // namespace okit
