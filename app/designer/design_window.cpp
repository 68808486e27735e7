#include "app/designer/design_window.h"

#include <filesystem>

#include "app/designer/design_canvas.h"
#include "app/designer/event_router.h"
#include "app/designer/form_run.h"
#include "app/designer/property_window.h"
#include "app/designer/question_window.h"
#include "app/designer/recovery.h"
#include "app/designer/toolbox_window.h"
#include "host/place_control.h"

namespace okit {

namespace {

// How often the designer checks that the form's window is open and whether
// a run has ended.
constexpr int kWatchMs = 200;
constexpr int kGap = 16;

// The designer's windows together: the form (canvas), the toolbox to its
// right and the property grid beside that. Closing any of them ends the
// designer, after asking when there are unsaved changes.
class DesignSession {
 public:
  DesignSession(Designer& designer, std::ostream& err)
      : d_(designer),
        err_(err),
        toolbox_(d_.desktop(), router_, {d_.form().screen_rect().right + kGap, d_.form().screen_rect().top},
                 [this](const std::string& class_name, Point at) { return canvas_.drop(class_name, at); }),
        grid_(router_, d_, {toolbox_.form().screen_rect().right + kGap, d_.form().screen_rect().top},
              [this] { refresh(); }, [this](const std::string& message) { tell(message); }),
        canvas_(d_, {[this] { return toolbox_.take_pick(); }, [this] { save(); }, [this] { run(); },
                     [this] { refresh(); }}) {
    router_.on_property_changed = [this](Element& control, std::string_view property) {
      d_.property_changed(control, property);
    };
    router_.on_key_down = [this](std::int16_t code, std::int16_t shift) { canvas_.shortcut(code, shift); };
    router_.on_error = [this](const RuntimeError& error) {
      err_ << "okit: run-time error " << error.number() << ": " << error.what() << '\n';
    };
    d_.desktop().set_application(&router_);
    auto timer = place_control(toolbox_.form(), toolbox_.form(), "Timer", "Watch", {0, 0});
    timer->put_property("Interval", Value(static_cast<std::int32_t>(kWatchMs)));
    router_.on(timer, "Timer", [this](std::span<Value>) { watch(); });
    for (Form* window : {&toolbox_.form(), &grid_.form()}) window->set_close_guard([this] { return may_close(); });
    refresh();
  }
  ~DesignSession() { d_.desktop().set_application(&d_); }

  // An earlier session that ended suddenly left its unsaved changes beside
  // the form: restore them (the form is then modified) or discard them.
  void offer_recovery() {
    const std::string copy = recovery_path_for(d_.path());
    if (d_.path().empty() || !std::filesystem::exists(copy)) return;
    ask(router_, d_.form(), "okit design",
        copy + " holds unsaved changes from a session that ended suddenly. Restore them?", {"Restore", "Discard"},
        [this, copy](std::size_t answer) {
          if (answer == 0) {
            if (auto restored = d_.restore(copy); !restored) {
              tell(restored.error().to_string());
              return;
            }
            refresh();
          }
          std::error_code ignored;
          std::filesystem::remove(copy, ignored);
        });
  }

  void close_all() {
    toolbox_.close();
    grid_.close();
  }

 private:
  // After every action: the canvas follows the form (undo loads a new one),
  // the caption follows the title, the grid follows the selection.
  void refresh() {
    Form& form = d_.form();
    canvas_.attach();
    form.set_close_guard([this] { return may_close(); });
    form.set_window_title(d_.title() + (running_ ? " [running]" : ""));
    grid_.show();
  }

  void watch() {
    if (!d_.form().alive()) close_all();
    if (running_ && !run_.running()) {
      running_ = false;
      canvas_.set_paused(false);
      refresh();
    }
  }

  void tell(const std::string& message) { ask(router_, d_.form(), "okit design", message, {"OK"}, [](std::size_t) {}); }

  void save() {
    if (auto saved = d_.save(); !saved) tell(saved.error().to_string());
    refresh();
  }

  // The form runs as `okit run` would run the text saving would write; the
  // canvas takes no input until that window is closed.
  void run() {
    if (running_) return;
    if (auto started = run_.start(d_.text(), d_.form().name()); !started) {
      tell(started.error().message);
      return;
    }
    running_ = true;
    canvas_.set_paused(true);
    refresh();
  }

  // Closing any window closes them all; with unsaved changes it asks first
  // and the windows stay until the answer (and when saving fails). Either
  // way the guard itself does the closing.
  bool may_close() {
    if (!d_.modified()) {
      close_everything();
      return false;
    }
    if (asking_) return false;  // one question, however many windows were closed
    asking_ = true;
    const std::string where = d_.path().empty() ? d_.form().name() : d_.path();
    ask(router_, d_.form(), "okit design", "Save the changes to " + where + "?", {"Save", "Don't Save", "Cancel"},
        [this](std::size_t answer) {
          asking_ = false;
          if (answer == 0) {
            if (auto saved = d_.save(); !saved) {
              tell(saved.error().to_string());
              return;
            }
          }
          if (answer <= 1) close_everything();
        });
    return false;
  }

  void close_everything() {
    close_all();
    if (d_.form().alive()) d_.desktop().unload(d_.form());
  }

  Designer& d_;
  std::ostream& err_;
  EventRouter router_;
  ToolboxWindow toolbox_;
  PropertyWindow grid_;
  DesignCanvas canvas_;
  FormRun run_;
  bool running_ = false;
  bool asking_ = false;
};

}  // namespace

bool run_design_window(Application& app, Designer& designer, std::ostream& err) {
  DesignSession session(designer, err);
  session.offer_recovery();
  app.on_emergency_stop([&designer] { return keep_unsaved_changes(designer); });
  if (app.run()) {
    if (app.stop_signal() && !app.stop_note().empty()) err << "okit design: " << app.stop_note() << '\n';
    return true;
  }
  // No display: the designer's windows go, the form stays as it was.
  session.close_all();
  return false;
}

}  // namespace okit
