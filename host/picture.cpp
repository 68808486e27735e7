#include "host/picture.h"

#include <cmath>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

namespace okit {

namespace {

// Handles belong to bitmaps, not to Picture objects. The table remembers each
// bitmap weakly: a new bitmap that happens to reuse the address of a freed one
// finds an expired entry and gets a fresh handle, so handles are never reused.
// One table serves every desktop of the process (a picture may be shown on
// several), and pictures are made on whichever thread runs a desktop, hence
// the lock.
class PictureHandles {
 public:
  std::int32_t handle_for(const std::shared_ptr<const Bitmap>& bitmap) {
    const std::lock_guard held(lock_);
    auto it = entries_.find(bitmap.get());
    if (it != entries_.end() && !it->second.bitmap.expired()) return it->second.handle;
    forget_freed_bitmaps();
    const std::int32_t handle = next_;
    next_ += 4;
    entries_[bitmap.get()] = {bitmap, handle};
    return handle;
  }

 private:
  // Drops entries of freed bitmaps once they could make up half the table,
  // which keeps the table near the number of live bitmaps at little cost.
  void forget_freed_bitmaps() {
    if (entries_.size() < 2 * live_after_last_sweep_ + 16) return;
    std::erase_if(entries_, [](const auto& entry) { return entry.second.bitmap.expired(); });
    live_after_last_sweep_ = entries_.size();
  }

  struct Entry {
    std::weak_ptr<const Bitmap> bitmap;
    std::int32_t handle;
  };
  std::mutex lock_;
  std::unordered_map<const Bitmap*, Entry> entries_;
  std::size_t live_after_last_sweep_ = 0;
  // Starts where a bitmap handle looks like one, away from window handles.
  std::int32_t next_ = 0x05050020;
};

PictureHandles& handles() {
  static PictureHandles instance;
  return instance;
}

std::int32_t himetric(int pixels) { return static_cast<std::int32_t>(std::lround(pixels * 2540.0 / 96.0)); }

const std::shared_ptr<const Bitmap>& checked(const std::shared_ptr<const Bitmap>& bitmap) {
  if (!bitmap) throw std::invalid_argument("Picture: a picture needs a bitmap");
  return bitmap;
}

}  // namespace

Picture::Picture(std::shared_ptr<const Bitmap> bitmap, std::string source_name)
    : bitmap_(checked(bitmap)), source_name_(std::move(source_name)), handle_(handles().handle_for(bitmap_)) {}

std::int32_t Picture::Width() const { return himetric(bitmap_->width); }
std::int32_t Picture::Height() const { return himetric(bitmap_->height); }

const ClassInfo& Picture::class_info() const {
  static const ClassInfo info{
      "Picture",
      "Host",
      {
          prop<&Picture::Handle>("Handle", 0, PropType::Long),
          prop<&Picture::Width>("Width", 4, PropType::Long),
          prop<&Picture::Height>("Height", 5, PropType::Long),
      },
      {},
      nullptr,
  };
  return info;
}

std::shared_ptr<Picture> picture_from_value(const Value& value) {
  if (value.is_empty()) return nullptr;
  if (value.type() != VarType::Object) throw RuntimeError(err::TypeMismatch);
  if (!value.as_object()) return nullptr;
  auto picture = std::dynamic_pointer_cast<Picture>(value.as_object());
  if (!picture) throw RuntimeError(err::TypeMismatch);
  return picture;
}

std::string describe_picture(const Value& value) {
  const auto* picture = value.type() == VarType::Object ? dynamic_cast<const Picture*>(value.as_object().get()) : nullptr;
  if (!picture || picture->source_name().empty()) return "(none)";
  return picture->source_name();
}

}  // namespace okit
