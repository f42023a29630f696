#include "exchange/pocket_pc_partners.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "records/file_io.h"

namespace scorewick {
namespace {

constexpr std::size_t kMaxPartnersBytes = std::size_t{1} << 20;

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameKey(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool HoldsControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
  });
}

}  // namespace

std::string PartnersFilePath() {
  if (const char* path = std::getenv("SCOREWICK_PARTNERS"); path && *path) return path;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    config = std::filesystem::path(home && *home ? home : ".") / ".config";
  }
  return (config / "scorewick" / "partners").string();
}

std::vector<PocketPcPartner> ParsePartners(std::string_view text) {
  std::vector<PocketPcPartner> partners;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      partners.push_back({std::string(Trim(line.substr(1, line.size() - 2))), {}, {}, {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || partners.empty()) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string value(Trim(line.substr(equals + 1)));
    if (SameKey(key, "DisplayName")) {
      partners.back().display_name = value;
    } else if (SameKey(key, "SyncFolder") && !value.empty()) {
      PocketPcPartner& partner = partners.back();
      if (HoldsControlCharacter(value)) {
        partner.sync_folder.reset();
        partner.refusal =
            "the SyncFolder of [" + partner.key + "] holds a control character and is not used";
      } else {
        partner.sync_folder = value;
        partner.refusal.clear();
      }
    }
  }
  return partners;
}

Status ReadPartners(const std::string& path, std::vector<PocketPcPartner>& partners) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return Status::Failed(path, "no partners file at " + path);
  if (std::filesystem::is_regular_file(status) &&
      std::filesystem::file_size(path, ec) > kMaxPartnersBytes && !ec) {
    return Status::Failed(path, path + " is larger than 1 MB and was not read");
  }
  std::string text;
  if (Status read = ReadWholeTextFile(path, text, kMaxPartnersBytes); !read) return read;
  partners = ParsePartners(text);
  return {};
}

}  // namespace scorewick
