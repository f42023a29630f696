#include "intake/game_headline.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "intake/game_intake.h"
#include "records/byte_reader.h"
#include "records/file_io.h"
#include "records/game.h"
#include "records/le_bytes.h"
#include "records/record_codec.h"
#include "records/team_file.h"

namespace scorewick {
namespace {

// Two rosters of 60 players fit in this many bytes.
constexpr std::size_t kHeadlineHead = 8192;

using Parsed = HeadlineRead;

}  // namespace

HeadlineRead ParseGameHeadline(std::span<const std::uint8_t> bytes, bool head, bool rosters,
                               GameHeadline& out, std::string& why) {
  const std::size_t first = std::min(bytes.size(), 4 + kGameHeaderSize);
  if (KindOfGameFile(bytes.first(first), &why) == GameFileKind::kNotAGame) return Parsed::kRefused;
  const std::int32_t version = bytes.size() >= 4 ? le::LoadI32(bytes.data()) : 0;
  if (version != kVersion3 && version != kVersion2)
    return Parsed::kRefused;  // older, no version word
  if (bytes.size() < 4 + kGameHeaderSize) {
    why = "the file ends inside its header";
    return Parsed::kRefused;
  }
  GameHeader header;
  if (!DecodeGameHeader(bytes.data() + 4, header)) {
    why = "a damaged game header";
    return Parsed::kRefused;
  }
  out.year = header.year;
  out.month = header.month;
  out.day = header.day;
  out.hour = header.start_hour;
  out.minute = header.start_minute;
  out.home_runs = header.home_score;
  out.visitor_runs = header.visitor_score;
  ByteReader in(bytes);
  in.Skip(4 + kGameHeaderSize);
  Team team;
  for (const bool home : {true, false}) {
    team.Clear();
    team.no_personal_info = 1;  // a game's teams carry none
    if (!ReadTeam(in, team)) {
      // Teams that run past a head may be whole in the file.
      if (head) return Parsed::kCutOff;
      why = "its teams are damaged";
      return Parsed::kRefused;
    }
    (home ? out.home : out.visitor) = team.team_name.str();
    if (!rosters) continue;
    std::vector<std::string>& names = home ? out.home_players : out.visitor_players;
    names.clear();
    for (const PLAYER& p : team.players())
      if (!p.name.empty()) names.emplace_back(p.name.view());
  }
  return Parsed::kDone;
}

Status ReadGameHeadline(const std::string& path, GameHeadline& headline, bool rosters) {
  headline = GameHeadline{};
  std::string reason;
  Parsed parsed = Parsed::kCutOff;
  const auto want_rest = [&](std::span<const std::uint8_t> head) {
    parsed = ParseGameHeadline(head, head.size() == kHeadlineHead, rosters, headline, reason);
    return parsed == Parsed::kCutOff;
  };
  std::vector<std::uint8_t> bytes;
  bool whole = false;
  if (Status read = ReadFileHeadFirst(path, kHeadlineHead, want_rest, bytes, &whole); !read) {
    return read;
  }
  if (whole) parsed = ParseGameHeadline(bytes, false, rosters, headline, reason);
  if (parsed == Parsed::kDone) return {};
  return Status::Failed(path, reason);
}

}  // namespace scorewick
