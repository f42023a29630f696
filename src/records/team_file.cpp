#include "records/team_file.h"

#include "records/csv_team.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/le_bytes.h"
#include "records/path_names.h"
#include "records/record_codec.h"

namespace scorewick {

UserMessage InvalidTeamFileMessage() {
  return {"Invalid Team File", "Unable to read Team file", MessageIcon::kInformation};
}

namespace {

Status Damaged(const ByteReader& in) {
  return Status::Broken(Fault::kDamaged, in.error(), static_cast<std::int64_t>(in.failed_at()));
}

}  // namespace

Status ReadTeam(ByteReader& in, Team& team, std::size_t file_length) {
  const std::size_t start = in.position();
  std::int32_t version = in.I32();
  if (!in.ok()) return Damaged(in);
  if (version < kVersion2 || version > kVersion3) {
    Status refused =
        Status::Broken(Fault::kBadVersion, "the version word is " + std::to_string(version) +
                                               ", not 512 to 768 as in a team file");
    refused.messages.push_back(InvalidTeamFileMessage());
    return refused;
  }
  PathText stored_path;
  in.Text(stored_path, "the stored team path");
  // A team read from a game takes the path it had when the game was saved.
  if (team.file_path.size() < 2) team.file_path = stored_path;
  in.Text(team.team_name, "the team name");
  in.Text(team.coach, "the coach");
  in.Text(team.manager, "the manager");
  in.Text(team.logo_file, "the logo file");
  team.reserved = in.I32();
  team.lineup_size = in.I32();
  team.extra_value = in.I32();
  team.uses_designated_hitter = in.U8();
  ReadPlayer(in, team.designated_hitter);
  ReadPlayer(in, team.dh_bats_for);
  std::int32_t count = in.Count(kPlayerSize, "player count", false);
  if (!in.ok()) return Damaged(in);

  std::vector<PLAYER> players;
  ReadPlayers(in, static_cast<std::size_t>(count), players, version == kVersion2);
  if (!in.ok()) return Damaged(in);
  std::vector<PLAYER_INFO> info(players.size());

  // The personal information is there when the file is exactly long enough
  // for it; anything else (missing, cut short, a stray byte) leaves it empty.
  if (!team.no_personal_info &&
      file_length == start + kTeamPlayersOffset + kPlayerSize * players.size() +
                         kPlayerInfoSize * info.size() &&
      in.remaining() >= kPlayerInfoSize * info.size()) {
    for (PLAYER_INFO& i : info) {
      const std::uint8_t* p = in.Take(kPlayerInfoSize, "personal information");
      if (!DecodePlayerInfo(p, i)) {
        in.Fail("personal information at byte " + std::to_string(in.position() - kPlayerInfoSize) +
                " has a text without terminator");
        return Damaged(in);
      }
    }
  }
  team.SetRoster(std::move(players), std::move(info));
  return {};
}

void WriteTeam(ByteWriter& out, const Team& team, bool with_personal_info) {
  out.I32(kVersion3);
  out.Text(team.file_path);
  out.Text(team.team_name);
  out.Text(team.coach);
  out.Text(team.manager);
  out.Text(team.logo_file);
  out.I32(team.reserved);
  out.I32(team.lineup_size);
  out.I32(team.extra_value);
  out.U8(team.uses_designated_hitter);
  WritePlayer(out, team.designated_hitter);
  WritePlayer(out, team.dh_bats_for);
  out.I32(team.count());
  for (const PLAYER& p : team.players()) WritePlayer(out, p);
  if (with_personal_info) {
    for (const PLAYER_INFO& i : team.personal_info())
      EncodePlayerInfo(out.Append(kPlayerInfoSize), i);
  }
}

namespace {

// The player count a team file states, or -1 when it is too short to say.
std::int64_t StatedPlayerCount(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kTeamPlayersOffset) return -1;
  return le::LoadI32(bytes.data() + kTeamHeaderSize);
}

bool FitsTeamShape(std::size_t length, std::int64_t count) {
  if (count < 0) return false;
  const std::size_t n = static_cast<std::size_t>(count);
  const std::size_t bare = kTeamPlayersOffset + kPlayerSize * n;
  return length == bare || length == bare + kPlayerInfoSize * n;
}

// What a file that is not shaped as a team looks like, for the refusal.
std::string DescribeMisshapenTeam(const std::vector<std::uint8_t>& bytes) {
  Game game;
  if (DecodeGameFile(bytes, game)) {
    return "this is a game file, not a team file";
  }
  const std::int64_t count = StatedPlayerCount(bytes);
  const std::size_t n = static_cast<std::size_t>(count);
  const std::size_t bare = kTeamPlayersOffset + kPlayerSize * n;
  return "the file is " + std::to_string(bytes.size()) + " bytes long, but a team file of " +
         std::to_string(count) + " players is " + std::to_string(bare) + " bytes, or " +
         std::to_string(bare + kPlayerInfoSize * n) + " with personal information";
}

}  // namespace

bool IsWholeTeamFile(const std::vector<std::uint8_t>& bytes) {
  return FitsTeamShape(bytes.size(), StatedPlayerCount(bytes));
}

Status DecodeTeamFile(const std::vector<std::uint8_t>& bytes, Team& team) {
  Team decoded;
  decoded.file_path = team.file_path;
  decoded.no_personal_info = team.no_personal_info;
  ByteReader in(bytes);
  Status status = ReadTeam(in, decoded, bytes.size());
  if (!status) return status;
  if (!FitsTeamShape(bytes.size(), decoded.count())) {
    return Status::Broken(Fault::kWrongShape, DescribeMisshapenTeam(bytes));
  }
  team = std::move(decoded);
  return status;
}

Status LoadTeam(const std::string& path, Team& team) {
  team.file_path.set(path);
  if (ExtensionOf(path) == "csv") return ImportTeamCsv(path, team);
  std::vector<std::uint8_t> bytes;
  if (Status read = ReadWholeFile(path, bytes); !read) return read;
  Status status = DecodeTeamFile(bytes, team);
  if (status) return status;
  const std::string error = std::move(status.reason);
  status.file = path;
  status.reason = path + ": " + error;
  if (status.fault == Fault::kWrongShape || status.fault == Fault::kDamaged) {
    UserMessage refused = InvalidTeamFileMessage();
    refused.text += "\n\n" + path + ": " + error;
    status.messages.push_back(refused);
  } else {
    // The reader said "Invalid Team File"; the person also learns which
    // file and why.
    for (UserMessage& message : status.messages) {
      if (message == InvalidTeamFileMessage()) message.text += "\n\n" + path + ": " + error;
    }
  }
  return status;
}

std::vector<std::uint8_t> EncodeTeamFile(const Team& team) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kTeamPlayersOffset + (kPlayerSize + kPlayerInfoSize) * team.players().size());
  ByteWriter out(bytes);
  WriteTeam(out, team, !team.no_personal_info);
  return bytes;
}

Status SaveTeam(const std::string& path, Team& team) {
  team.file_path.set(path);
  return WriteFileAtomically(path, EncodeTeamFile(team));
}

}  // namespace scorewick
