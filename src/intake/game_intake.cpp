#include "intake/game_intake.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <utility>

#include "records/byte_reader.h"
#include "records/file_io.h"
#include "records/game_file.h"
#include "records/le_bytes.h"
#include "records/record_codec.h"
#include "records/team_file.h"

namespace scorewick {
namespace {

constexpr std::size_t kHeadSize = 4 + kGameHeaderSize;
constexpr const char* kPriorFormatReason = "not in the 3.0 game format";

// Why a file could not be read, without its name, which the refusal
// carries on its own: "cannot open: No such file or directory".
std::string WithoutPath(const Status& read) {
  return read.detail.empty() ? read.reason : read.detail;
}

// An older game without a version word begins with its header: every text
// of it terminated, and the two team names kept for game lists filled in.
bool LooksLikeOldGameHeader(std::span<const std::uint8_t> head) {
  if (head.size() < kGameHeaderSize) return false;
  GameHeader header;
  if (!DecodeGameHeader(head.data(), header)) return false;
  for (const NameText& name : header.list_names) {
    const std::string_view text = name.view();
    if (text.empty() || std::any_of(text.begin(), text.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
      return false;
    }
  }
  return true;
}

// How far a file is read before its two teams are known: a game's teams
// (without personal information) follow its header, and two rosters of 60
// players fit.
constexpr std::size_t kTeamsHead = 8192;

enum class TeamsSay { kPlays, kOtherTeams, kUnknown };

// What the bytes (the whole file or its head) say of whether team plays:
// the two teams right after the header are read without the rest.  Teams
// that cannot be read (cut off by the head, or damaged) say nothing.
TeamsSay TeamPlays(std::span<const std::uint8_t> bytes, std::string_view team, Team& scratch) {
  ByteReader in(bytes);
  in.Skip(4 + kGameHeaderSize);
  for (int side = 0; side < 2; ++side) {
    scratch.Clear();
    scratch.no_personal_info = 1;  // a game's teams carry none
    if (!in.ok() || !ReadTeam(in, scratch)) return TeamsSay::kUnknown;
    if (scratch.team_name.view() == team) return TeamsSay::kPlays;
  }
  return TeamsSay::kOtherTeams;
}

}  // namespace

std::string PriorFormatMessage(const std::string& path) {
  return path + "\n\nCannot use Game until Converted to 3.0 Format\n(See Help File)";
}

std::string RefusalLine(const GameRefusal& refusal) {
  const std::string why = refusal.reason.empty() && refusal.prior_format()
                              ? std::string(kPriorFormatReason)
                              : refusal.reason;
  return refusal.file + (why.empty() ? std::string() : " (" + why + ")");
}

GameFileKind KindOfGameFile(std::span<const std::uint8_t> head, std::string* why) {
  const auto say = [why](GameFileKind kind, const char* text) {
    if (why) *why = text;
    return kind;
  };
  if (head.empty()) return say(GameFileKind::kNotAGame, "the file is empty");
  if (head.size() >= 4) {
    const std::int32_t version = le::LoadI32(head.data());
    if (version == kVersion3) return say(GameFileKind::kCurrent, "");
    if (version == kVersion2) return say(GameFileKind::kPriorFormat, kPriorFormatReason);
  }
  if (LooksLikeOldGameHeader(head)) {
    return say(GameFileKind::kPriorFormat, kPriorFormatReason);
  }
  return say(GameFileKind::kNotAGame, "not a game file");
}

Status GameIntake::Refuse(Fault fault, std::string reason) const {
  Status refused = Status::Failed(path_, std::move(reason));
  refused.fault = fault;
  return refused;
}

Status GameIntake::Classify() const {
  std::string why;
  switch (KindOfGameFile(std::span(bytes_).first(std::min(bytes_.size(), kHeadSize)), &why)) {
    case GameFileKind::kCurrent:
      return {};
    case GameFileKind::kPriorFormat:
      if (take_prior_format_ && le::LoadI32(bytes_.data()) == kVersion2) return {};
      return Refuse(Fault::kPriorFormat, why);
    case GameFileKind::kNotAGame:
      break;
  }
  return Refuse(Fault::kNotAGame, why);
}

bool GameIntake::Taken(std::span<const std::uint8_t> head) const {
  return KindOfGameFile(head.first(std::min(head.size(), kHeadSize))) == GameFileKind::kCurrent ||
         (take_prior_format_ && head.size() >= 4 && le::LoadI32(head.data()) == kVersion2);
}

Status GameIntake::Check(const std::string& path) {
  path_ = path;
  if (Status read = ReadFilePrefix(path, kHeadSize, bytes_); !read) {
    return Refuse(Fault::kNone, WithoutPath(read));
  }
  return Classify();
}

Status GameIntake::Read(const std::string& path) {
  path_ = path;
  other_teams_ = false;
  if (Status read = ReadWholeFile(path, bytes_); !read) {
    return Refuse(Fault::kNone, WithoutPath(read));
  }
  return Classify();
}

Status GameIntake::ReadFor(const std::string& path, std::string_view team) {
  other_teams_ = false;
  if (team.empty()) return Read(path);
  path_ = path;
  bool whole = false;
  const auto want_rest = [&](std::span<const std::uint8_t> head) {
    if (!Taken(head)) return false;  // refused below, from the head alone
    const TeamsSay says = TeamPlays(head, team, scratch_);
    other_teams_ = says == TeamsSay::kOtherTeams;
    return says != TeamsSay::kOtherTeams;
  };
  if (Status read = ReadFileHeadFirst(path, kTeamsHead, want_rest, bytes_, &whole); !read) {
    other_teams_ = false;
    return Refuse(Fault::kNone, WithoutPath(read));
  }
  if (Status refused = Classify(); !refused) {
    other_teams_ = false;
    return refused;
  }
  // Teams too long for the head are read from the whole file.
  if (whole && TeamPlays(bytes_, team, scratch_) == TeamsSay::kOtherTeams) other_teams_ = true;
  return {};
}

Status GameIntake::ReadIf(const std::string& path, const HeadlineCheck& read_on,
                          GameHeadline& headline, bool& read) {
  path_ = path;
  other_teams_ = false;
  left_ = false;
  read = false;
  HeadlineRead parsed = HeadlineRead::kCutOff;
  std::string why;
  const auto decide = [&](std::span<const std::uint8_t> bytes, bool head) {
    parsed = ParseGameHeadline(bytes, head, false, headline, why);
    read = parsed == HeadlineRead::kDone;
    left_ = read && !read_on(headline);
  };
  // A game in a prior format that is left is not refused for its format.
  const auto want_rest = [&](std::span<const std::uint8_t> head) {
    decide(head, head.size() == kTeamsHead);
    return Taken(head) && !left_;  // else left, or refused below from the head alone
  };
  bool whole = false;
  if (Status status = ReadFileHeadFirst(path, kTeamsHead, want_rest, bytes_, &whole); !status) {
    left_ = read = false;
    return Refuse(Fault::kNone, WithoutPath(status));
  }
  if (left_) return {};
  if (Status refused = Classify(); !refused) return refused;
  // Teams too long for the head are read from the whole file.
  if (parsed == HeadlineRead::kCutOff) decide(bytes_, false);
  return {};
}

Status GameIntake::Decode(Game& game) {
  Status decoded = DecodeGameFile(bytes_, game);
  messages_ = std::move(decoded.messages);
  if (decoded) return {};
  // Team files begin with the same version word as games.
  if (LooksLikeTeamFile(std::vector<std::uint8_t>(bytes_.begin(), bytes_.end()))) {
    return Refuse(Fault::kNotAGame, "a team file, not a game file");
  }
  return Refuse(Fault::kDamaged, decoded.reason);
}

Status GameIntake::Take(const std::string& path, Game& game) {
  if (Status read = Read(path); !read) return read;
  return Decode(game);
}

std::string FileIdentity(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return "path:" + path;
  return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

std::vector<std::string> DistinctGameFiles(
    const std::vector<std::string>& paths,
    std::vector<std::pair<std::string, std::string>>* repeats) {
  std::vector<std::string> kept;
  kept.reserve(paths.size());
  std::map<std::string, std::size_t> seen;  // identity -> index in kept
  for (const std::string& path : paths) {
    const auto [at, fresh] = seen.emplace(FileIdentity(path), kept.size());
    if (!fresh) {
      if (repeats) repeats->emplace_back(path, kept[at->second]);
      continue;
    }
    kept.push_back(path);
  }
  return kept;
}

}  // namespace scorewick
