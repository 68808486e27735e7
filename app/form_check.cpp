#include "app/form_check.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/silent_application.h"
#include "host/desktop.h"
#include "host/form_loader.h"

namespace okit {

namespace {

bool overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Each control's Begin line, in the order Form::controls() lists them
// (depth first, file order).
void collect_lines(const FormBlock& block, std::vector<int>& lines) {
  for (const auto& child : block.children) {
    lines.push_back(child.line);
    collect_lines(child, lines);
  }
}

class Checker {
 public:
  Checker(const std::string& file, std::ostream& out) : file_(file), out_(out) {}

  void warn(int line, const std::string& text) {
    out_ << file_ << ':' << line << ": warning: " << text << '\n';
    ++warnings_;
  }
  int warnings() const { return warnings_; }

  void check_geometry(Form& form, const std::map<Element*, int>& line_of) {
    for (Element* control : form.controls()) {
      const Rect r = control->pixel_rect();
      const Element* container = control->parent();
      const Rect inside{0, 0, container->pixel_rect().width(), container->pixel_rect().height()};
      if (r.left < inside.left || r.top < inside.top || r.right > inside.right || r.bottom > inside.bottom)
        warn(line_of.at(control), control->name() + " is clipped by " + container->name());
      for (const auto& sibling : container->children()) {
        if (sibling.get() == control) break;  // each pair once, reported at the later one
        if (sibling->role() == ElementRole::Control && overlap(r, sibling->pixel_rect()))
          warn(line_of.at(control), control->name() + " overlaps " + sibling->name());
      }
    }
  }

  void check_access_keys(Form& form, const std::map<Element*, int>& line_of) {
    std::map<char, Element*> seen;
    for (Element* control : form.controls()) {
      const char key = control->access_key();
      if (key == 0) continue;
      auto [it, added] = seen.emplace(key, control);
      if (!added)
        warn(line_of.at(control), control->name() + " has the access key '" + std::string(1, key) + "' of " +
                                      it->second->name());
    }
  }

  void check_tab_order(Form& form, int form_line) {
    std::set<int> indexes;
    for (Element* control : form.controls()) indexes.insert(control->tab_index());
    int expected = 0;
    for (int index : indexes) {
      if (index != expected) {
        warn(form_line, "tab order has a gap: no control has TabIndex " + std::to_string(expected));
        return;
      }
      ++expected;
    }
  }

 private:
  const std::string& file_;
  std::ostream& out_;
  int warnings_ = 0;
};

}  // namespace

int check_form_file(const std::string& path, std::ostream& out, std::ostream& err) {
  auto doc = read_form_file(path);
  if (!doc) {
    err << doc.error().to_string() << '\n';
    return 2;
  }
  QuietDesktop quiet;
  std::vector<UnreadKey> unread;
  auto loaded = load_form(*doc, path, &unread);
  int status = 2;
  if (!loaded) {
    err << loaded.error().to_string() << '\n';
  } else {
    Form& form = **loaded;
    std::vector<int> lines;
    collect_lines(doc->form, lines);
    std::map<Element*, int> line_of;
    const auto controls = form.controls();
    for (std::size_t i = 0; i < controls.size() && i < lines.size(); ++i) line_of[controls[i]] = lines[i];

    Checker checker(path, out);
    for (const auto& key : unread) checker.warn(key.line, "unknown property " + key.key + " of " + key.control);
    checker.check_geometry(form, line_of);
    checker.check_access_keys(form, line_of);
    checker.check_tab_order(form, doc->form.line);
    status = checker.warnings() == 0 ? 0 : 1;
  }
  return status;
}

}  // namespace okit
