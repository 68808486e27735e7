#pragma once
// EditBuffer: the text and selection of a single-line edit field, with the
// editing operations the keyboard and the SelText/SelStart properties need.
// Positions count characters (code points), not bytes. The selection runs
// between the anchor (where it started) and the caret (where it ends and
// typing happens); with nothing selected the two coincide.
//
// Editing goes by user-perceived character (grapheme cluster,
// host/text/grapheme_breaks.h): Back and Delete take a whole cluster, the
// cluster_* positions give the caret keys and the properties their stops,
// and an edit never leaves the caret inside a cluster. select() and
// move_caret() take positions as given; their callers choose boundaries.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/export.h"

namespace okit {

class OKIT_EXPORT EditBuffer {
 public:
  const std::string& text() const { return text_; }
  std::int32_t length() const;  // in characters
  std::int32_t caret() const { return caret_; }
  std::int32_t anchor() const { return anchor_; }
  std::int32_t selection_start() const;
  std::int32_t selection_length() const;
  std::string selected_text() const;

  // Replaces the whole text, leaving the caret at the start and nothing
  // selected. Returns whether the text changed.
  bool set_text(std::string text);
  // Selects from `anchor` to `caret`; both are clamped to the text.
  void select(std::int32_t anchor, std::int32_t caret);
  // Moves the caret; `extend` keeps the anchor, so the selection follows.
  void move_caret(std::int32_t to, bool extend);
  void select_all() { select(0, length()); }
  bool has_selection() const { return anchor_ != caret_; }

  // Edits. Each returns whether the text changed.
  // Replaces the selection with `insert` and puts the caret after it, or
  // after the cluster it ends inside when the text after it joins the
  // insertion's end (a letter typed before a lone combining mark).
  bool replace_selection(std::string_view insert);
  // Back: deletes the selection, or else the cluster before the caret.
  bool delete_backward();
  // Delete: deletes the selection, or else the cluster after the caret.
  bool delete_forward();

  // Cluster boundaries, clamped to the text: the start and the end of the
  // cluster that holds `position` (itself when it is a boundary), and the
  // nearest boundary before and after it.
  std::int32_t cluster_start(std::int32_t position) const;
  std::int32_t cluster_end(std::int32_t position) const;
  std::int32_t cluster_before(std::int32_t position) const;
  std::int32_t cluster_after(std::int32_t position) const;

  bool operator==(const EditBuffer&) const = default;

 private:
  std::int32_t clamp(std::int32_t position) const;

  std::string text_;
  std::int32_t anchor_ = 0;
  std::int32_t caret_ = 0;
};

}  // namespace okit
