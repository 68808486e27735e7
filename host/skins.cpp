#include "host/skins.h"

#include <algorithm>
#include <unordered_map>

#include "host/bmp.h"
#include "host/embedded_skins.h"
#include "host/runtime_error.h"

namespace okit {
namespace {

const EmbeddedSkin* find_skin(std::string_view control, std::string_view name) {
  const auto skins = embedded_skins();
  const auto it = std::ranges::find_if(
      skins, [&](const EmbeddedSkin& skin) { return skin.control == control && skin.name == name; });
  return it == skins.end() ? nullptr : &*it;
}

std::shared_ptr<Picture> decode_skin(const EmbeddedSkin& skin) {
  const std::string file = std::string(skin.control) + "/" + std::string(skin.name) + ".bmp";
  auto bitmap = decode_bmp(skin.bmp, file);
  // The build embeds whatever files the control folders hold, so a broken
  // file surfaces here rather than at build time.
  if (!bitmap) {
    throw RuntimeError(err::InvalidPicture, std::string(classic_error_text(err::InvalidPicture)) + " (" + file +
                                                ": " + bitmap.error().message + ")");
  }
  if (std::ranges::find(bitmap->pixels, kSkinTransparentKey) != bitmap->pixels.end()) {
    bitmap->transparent_key = kSkinTransparentKey;
  }
  return std::make_shared<Picture>(std::make_shared<const Bitmap>(std::move(*bitmap)), std::string(skin.name));
}

}  // namespace

std::shared_ptr<Picture> skin_picture(std::string_view control, std::string_view name) {
  // Pictures live as long as the process: they are few and small, and
  // keeping them keeps their handles stable for every control instance.
  static std::unordered_map<const EmbeddedSkin*, std::shared_ptr<Picture>> decoded;
  const EmbeddedSkin* skin = find_skin(control, name);
  if (!skin) throw RuntimeError(err::InvalidPicture);
  std::shared_ptr<Picture>& picture = decoded[skin];
  if (!picture) picture = decode_skin(*skin);
  return picture;
}

std::vector<std::string> skin_names(std::string_view control) {
  std::vector<std::string> names;
  for (const EmbeddedSkin& skin : embedded_skins()) {
    if (skin.control == control) names.emplace_back(skin.name);
  }
  return names;
}

}  // namespace okit
