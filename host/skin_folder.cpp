#include "host/skin_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "host/bmp.h"

namespace okit {
namespace {

namespace fs = std::filesystem;

// Room for headers, a colour profile and padding beyond the pixels
// themselves. A bigger file cannot be the image asked for, and is not read
// into memory.
constexpr std::uintmax_t kHeaderAllowance = 1 << 20;

std::string size_text(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

// Reads the file and judges it against `check.needed`.
void check_file(SkinFileCheck& check) {
  std::error_code error;
  if (!fs::exists(check.path, error)) {
    check.verdict = SkinVerdict::Missing;
    return;
  }
  check.verdict = SkinVerdict::Unreadable;
  if (!fs::is_regular_file(check.path, error)) {
    check.reason = "not a file";
    return;
  }
  const std::uintmax_t limit =
      static_cast<std::uintmax_t>(check.needed.width) * check.needed.height * 4 + kHeaderAllowance;
  if (const std::uintmax_t size = fs::file_size(check.path, error); error || size > limit) {
    check.reason = error ? error.message() : std::to_string(size) + " bytes, too large for a skin image";
    return;
  }
  std::ifstream in(check.path, std::ios::binary);
  if (!in) {
    check.reason = "cannot be opened";
    return;
  }
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  auto bitmap = decode_bmp(bytes, check.path);
  if (!bitmap) {
    check.reason = bitmap.error().message;
    return;
  }
  check.width = bitmap->width;
  check.height = bitmap->height;
  check.bits_per_pixel = bmp_bits_per_pixel(bytes);
  if (check.bits_per_pixel != 24 && check.bits_per_pixel != 32) {
    check.verdict = SkinVerdict::WrongDepth;
  } else if (check.width != check.needed.width || check.height != check.needed.height) {
    check.verdict = SkinVerdict::WrongSize;
  } else {
    check.verdict = SkinVerdict::Ok;
    check.bitmap = std::move(*bitmap);
  }
}

}  // namespace

int bmp_bits_per_pixel(std::span<const std::uint8_t> bmp) { return bmp[28] | bmp[29] << 8; }

Expected<std::vector<SkinFileCheck>> check_skin_folder(const std::string& dir) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) return LoadError{dir, 0, "not a folder"};
  std::vector<SkinFileCheck> checks;
  for (SkinImage& image : skin_images()) {
    const fs::path control_dir = fs::path(dir) / image.control;
    SkinFileCheck check;
    check.path = (control_dir / (image.name + ".bmp")).string();
    check.needed = std::move(image);
    if (fs::is_directory(control_dir, error)) {
      check_file(check);
    } else {
      check.verdict = SkinVerdict::NoFolder;
    }
    checks.push_back(std::move(check));
  }
  return checks;
}

std::string verdict_text(const SkinFileCheck& check) {
  switch (check.verdict) {
    case SkinVerdict::Ok: return "ok";
    case SkinVerdict::NoFolder: return "built-in (no " + fs::path(check.path).parent_path().string() + " folder)";
    case SkinVerdict::Missing: return "missing";
    case SkinVerdict::WrongSize:
      return "wrong size (" + size_text(check.width, check.height) + ", needs " +
             size_text(check.needed.width, check.needed.height) + ")";
    case SkinVerdict::WrongDepth:
      return "wrong depth (" + std::to_string(check.bits_per_pixel) + "-bit, needs 24-bit or 32-bit)";
    case SkinVerdict::Unreadable: return "unreadable: " + check.reason;
  }
  return {};
}

bool is_problem(const SkinFileCheck& check) {
  return check.verdict != SkinVerdict::Ok && check.verdict != SkinVerdict::NoFolder;
}

std::string skin_warning(const SkinFileCheck& check) {
  const std::string& control = check.needed.control;
  std::string problem;
  switch (check.verdict) {
    case SkinVerdict::Ok:
    case SkinVerdict::NoFolder: return {};
    case SkinVerdict::Missing: problem = "missing"; break;
    case SkinVerdict::WrongSize:
      problem = size_text(check.width, check.height) + " pixels, the " + control + " needs " +
                size_text(check.needed.width, check.needed.height);
      break;
    case SkinVerdict::WrongDepth:
      problem = std::to_string(check.bits_per_pixel) + " bits per pixel, the " + control + " needs 24 or 32";
      break;
    case SkinVerdict::Unreadable: problem = check.reason; break;
  }
  return check.path + ": " + problem + "; using the built-in image";
}

}  // namespace okit
