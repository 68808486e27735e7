#include "host/skins.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "host/bmp.h"
#include "host/embedded_skins.h"
#include "host/runtime_error.h"
#include "host/skin_folder.h"

namespace okit {
namespace {

using PictureCache = std::unordered_map<const EmbeddedSkin*, std::shared_ptr<Picture>>;

// The pictures handed out so far, plus those a skin folder put in place
// ahead of their first lookup. Replacing an entry never touches a Picture
// already handed out: controls that hold one keep it alive and unchanged.
// Every desktop of the process shares them: they are the same images, and
// the skin folder is the program's choice. Controls load their skins while
// they are made, on whichever thread runs their desktop, hence the lock.
struct SharedPictures {
  std::mutex lock;
  PictureCache cache;
};
SharedPictures& shared_pictures() {
  static SharedPictures pictures;
  return pictures;
}

const EmbeddedSkin* find_skin(std::string_view control, std::string_view name) {
  const auto skins = embedded_skins();
  const auto it = std::find_if(
      skins.begin(), skins.end(), [&](const EmbeddedSkin& skin) { return skin.control == control && skin.name == name; });
  return it == skins.end() ? nullptr : &*it;
}

std::shared_ptr<Picture> make_skin_picture(Bitmap bitmap, std::string_view name) {
  if (std::find(bitmap.pixels.begin(), bitmap.pixels.end(), kSkinTransparentKey) != bitmap.pixels.end()) {
    bitmap.transparent_key = kSkinTransparentKey;
  }
  return std::make_shared<Picture>(std::make_shared<const Bitmap>(std::move(bitmap)), std::string(name));
}

Bitmap decode_built_in(const EmbeddedSkin& skin) {
  const std::string file = std::string(skin.control) + "/" + std::string(skin.name) + ".bmp";
  auto bitmap = decode_bmp(skin.bmp, file);
  // The build embeds whatever files the control folders hold, so a broken
  // file surfaces here rather than at build time.
  if (!bitmap) {
    throw RuntimeError(err::InvalidPicture, std::string(classic_error_text(err::InvalidPicture)) + " (" + file +
                                                ": " + bitmap.error().message + ")");
  }
  return std::move(*bitmap);
}

}  // namespace

std::shared_ptr<Picture> skin_picture(std::string_view control, std::string_view name) {
  const EmbeddedSkin* skin = find_skin(control, name);
  if (!skin) throw RuntimeError(err::InvalidPicture);
  auto& pictures = shared_pictures();
  const std::lock_guard held(pictures.lock);
  std::shared_ptr<Picture>& picture = pictures.cache[skin];
  if (!picture) picture = make_skin_picture(decode_built_in(*skin), skin->name);
  return picture;
}

std::vector<std::string> skin_names(std::string_view control) {
  std::vector<std::string> names;
  for (const EmbeddedSkin& skin : embedded_skins()) {
    if (skin.control == control) names.emplace_back(skin.name);
  }
  return names;
}

std::vector<SkinImage> skin_images() {
  std::vector<SkinImage> images;
  for (const EmbeddedSkin& skin : embedded_skins()) {
    const Bitmap bitmap = decode_built_in(skin);
    images.push_back({std::string(skin.control), std::string(skin.name), bitmap.width, bitmap.height,
                      bmp_bits_per_pixel(skin.bmp)});
  }
  return images;
}

Expected<std::vector<std::string>> use_skin_folder(const std::string& dir) {
  auto checks = check_skin_folder(dir);
  if (!checks) return checks.error();
  use_built_in_skins();
  auto& pictures = shared_pictures();
  const std::lock_guard held(pictures.lock);
  std::vector<std::string> warnings;
  for (SkinFileCheck& check : *checks) {
    if (check.bitmap) {
      pictures.cache[find_skin(check.needed.control, check.needed.name)] =
          make_skin_picture(std::move(*check.bitmap), check.needed.name);
    } else if (is_problem(check)) {
      warnings.push_back(skin_warning(check));
    }
  }
  return warnings;
}

void use_built_in_skins() {
  auto& pictures = shared_pictures();
  const std::lock_guard held(pictures.lock);
  pictures.cache.clear();
}

}  // namespace okit
