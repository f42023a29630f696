#include "exchange/palm_team_stream.h"

#include <algorithm>

#include "exchange/palm_fields.h"
#include "exchange/palm_player.h"
#include "records/cp1252.h"

namespace scorewick {

using namespace palm;

namespace {

// The batting-order slots the roster editor offers.
constexpr std::int32_t kMostLineupSlots = 20;

}  // namespace

UserMessage NotPalmTeamMessage() {
  return {"Not a Palm Team", "Load Error", MessageIcon::kExclamation};
}

UserMessage PalmTeamVersionMessage() {
  return {"Palm Team Version Number is Incorrect", "Load Error", MessageIcon::kExclamation};
}

Status CheckPalmTeam(const Team& team) {
  if (team.count() <= kPalmMaxCount) return {};
  // A message for the person: the team's name in UTF-8.
  std::string name =
      team.team_name.empty() ? std::string("the team") : Cp1252ToUtf8(team.team_name.view());
  return Status::Failed({}, "The roster of " + name + " has " + std::to_string(team.count()) +
                                " players; a Palm team holds at most " +
                                std::to_string(kPalmMaxCount) + ".");
}

Status WritePalmTeamStream(const Team& team, ByteWriter& out) {
  if (Status fits = CheckPalmTeam(team); !fits) return fits;
  PutTag(out, "tem");
  PutNumber(out, kPalmStreamVersion);
  PutText(out, team.team_name);
  PutText(out, team.coach);
  PutText(out, team.manager);
  PutByte(out, team.lineup_size);
  PutByte(out, team.extra_value);
  PutChar(out, team.uses_designated_hitter);
  WritePalmPlayer(out, team.designated_hitter);
  WritePalmPlayer(out, team.dh_bats_for);
  PutByte(out, team.count());
  for (const PLAYER& player : team.players()) WritePalmPlayer(out, player);
  return {};
}

Status ReadPalmTeamStream(ByteReader& in, Team& team) {
  bool tagged = GetTag(in, "tem");
  if (!in.ok()) return StreamDamaged(in);
  if (!tagged) return StreamRefused(Fault::kWrongTag, NotPalmTeamMessage());
  std::int32_t version = GetNumber(in);
  if (!in.ok()) return StreamDamaged(in);
  if (version != kPalmStreamVersion) {
    return StreamRefused(Fault::kBadVersion, PalmTeamVersionMessage());
  }
  GetText(in, team.team_name);
  GetText(in, team.coach);
  GetText(in, team.manager);
  const std::size_t lineup_at = in.position();
  team.lineup_size = GetSigned(in);
  team.extra_value = GetSigned(in);
  team.uses_designated_hitter = GetChar(in);
  team.designated_hitter = ReadPalmPlayer(in);
  team.dh_bats_for = ReadPalmPlayer(in);

  const std::size_t count_at = in.position();
  std::int32_t count = GetSigned(in);
  if (!in.ok()) return StreamDamaged(in);
  if (count < 0) {
    in.Fail("the roster count at byte " + std::to_string(count_at) + " is negative (" +
            std::to_string(count) + ")");
    return StreamDamaged(in);
  }
  // The count is at most 127, but the bytes must be there before the
  // roster is allocated.
  if (static_cast<std::size_t>(count) * kPalmPlayerSize > in.remaining()) {
    in.Fail("the roster count at byte " + std::to_string(count_at) + " names " +
            std::to_string(count) + " players, but the stream ends after " +
            std::to_string(in.remaining() / kPalmPlayerSize) + " of them");
    return StreamDamaged(in);
  }
  std::vector<PLAYER> players;
  players.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) players.push_back(ReadPalmPlayer(in));
  if (!in.ok()) return StreamDamaged(in);
  // The line-up has one slot per batting order up to the highest a player
  // holds, at most the 20 the roster editor offers; a cleared roster keeps
  // its size.  A size beyond all of those (or below zero) is not a team's,
  // but bytes of something else under a team's tag.
  int highest_order = 0;
  for (const PLAYER& p : players) highest_order = std::max(highest_order, int{p.batting_order});
  if (team.lineup_size < 0 ||
      team.lineup_size > std::max({kMostLineupSlots, count, highest_order})) {
    in.Fail("the line-up size at byte " + std::to_string(lineup_at) + " is " +
                std::to_string(team.lineup_size) + ", which does not fit a roster of " +
                std::to_string(count) + " players batting up to " + std::to_string(highest_order),
            lineup_at);
    return StreamDamaged(in);
  }
  team.SetRoster(std::move(players), std::vector<PLAYER_INFO>(static_cast<std::size_t>(count)));
  return {};
}

Status EncodePalmTeamStream(const Team& team, std::vector<std::uint8_t>& stream) {
  stream.clear();
  stream.reserve(kPalmTeamFixedSize + kPalmPlayerSize * team.players().size());
  ByteWriter out(stream);
  return WritePalmTeamStream(team, out);
}

Status DecodePalmTeamStream(std::span<const std::uint8_t> stream, Team& team) {
  ByteReader in(stream);
  return ReadPalmTeamStream(in, team);
}

}  // namespace scorewick
