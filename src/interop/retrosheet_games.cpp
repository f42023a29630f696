#include "interop/retrosheet_games.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

#include "interop/retrosheet_records.h"
#include "interop/retrosheet_roster.h"
#include "records/file_io.h"
#include "records/path_names.h"

namespace scorewick::interop {
namespace {

namespace fs = std::filesystem;

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// The file of that name in a folder, whatever the case of its letters
// (Retrosheet's archives say SEA2019.ROS; an unpacked copy may say
// sea2019.ros).  Empty when there is none.
std::string FindBeside(const std::string& folder, const std::string& name) {
  const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
  std::error_code ec;
  if (fs::is_regular_file(dir / name, ec)) return (dir / name).string();
  const std::string wanted = Upper(name);
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (Upper(it->path().filename().string()) == wanted && it->is_regular_file(ec)) {
      return it->path().string();
    }
  }
  return {};
}

// The clubs of the folders the event files are in, read when a game first
// needs them and kept for the others.
class ClubFiles {
 public:
  Status Find(const std::string& folder, std::string_view code, int season, const Club*& club) {
    club = nullptr;
    if (!IsClubCode(code)) {
      return Status::Failed(
          {}, "the club code \"" + std::string(code) + "\" is not letters and digits");
    }
    const std::string key = folder + '\n' + std::to_string(season) + '\n' + std::string(code);
    auto it = clubs_.find(key);
    if (it == clubs_.end()) {
      Entry& entry = clubs_[key];
      entry.loaded = Load(folder, std::string(code), season, entry.club);
      it = clubs_.find(key);
    }
    club = it->second.club.get();
    return it->second.loaded;
  }

  // What the clubs read since the last call changed to fit (names cut).
  std::vector<ImportRefusal> TakeNotices() { return std::exchange(notices_, {}); }

 private:
  struct Entry {
    std::unique_ptr<Club> club;
    Status loaded;
  };

  // Reads a file of the folder into records.
  static Status Records(const std::string& path, std::vector<RetroRecord>& records) {
    std::string text;
    if (Status read = ReadWholeTextFile(path, text, kMaxRetrosheetFile); !read) return read;
    records = ReadRecords(text);
    return {};
  }

  // The clubs the team file of a season names, read once per folder.
  Status Clubs(const std::string& folder, int season, const std::vector<ClubEntry>*& found) {
    const std::string key = folder + '\n' + std::to_string(season);
    auto it = seasons_.find(key);
    if (it == seasons_.end()) it = seasons_.emplace(key, ReadSeason(folder, season)).first;
    found = it->second.clubs.empty() ? nullptr : &it->second.clubs;
    return it->second.read;
  }

  struct SeasonClubs {
    std::vector<ClubEntry> clubs;
    Status read;
  };

  static SeasonClubs ReadSeason(const std::string& folder, int season) {
    SeasonClubs season_clubs;
    const std::string name = "TEAM" + std::to_string(season);
    const std::string path = FindBeside(folder, name);
    std::vector<RetroRecord> records;
    Status& read = season_clubs.read;
    if (path.empty()) {
      read = Status::Failed(
          {}, "the team file " + name + " is not beside the event file: it names the clubs");
    } else if (read = Records(path, records); !read) {
    } else if (Status clubs = ReadClubs(records, season_clubs.clubs); !clubs) {
      read =
          Status::Failed({}, name + ", line " + std::to_string(clubs.line) + ": " + clubs.reason);
      season_clubs.clubs.clear();
    }
    if (season_clubs.clubs.empty() && read) read = Status::Failed({}, name + " names no club");
    return season_clubs;
  }

  Status Load(const std::string& folder, const std::string& code, int season,
              std::unique_ptr<Club>& made) {
    const std::vector<ClubEntry>* clubs = nullptr;
    if (Status found = Clubs(folder, season, clubs); !found) return found;
    const auto club = std::find_if(clubs->begin(), clubs->end(), [&](const ClubEntry& c) {
      return Upper(c.code) == Upper(code);
    });
    const std::string team_name = "TEAM" + std::to_string(season);
    if (club == clubs->end()) {
      return Status::Failed({}, "the club " + code + " is not in " + team_name);
    }
    const std::string roster_name = code + std::to_string(season) + ".ROS";
    const std::string path = FindBeside(folder, roster_name);
    if (path.empty()) {
      return Status::Failed({}, "the roster file " + roster_name + " is not beside the event file");
    }
    std::vector<RetroRecord> records;
    std::vector<RosterEntry> players;
    if (Status read = Records(path, records); !read) return read;
    if (Status read = ReadRoster(records, players); !read) {
      return Status::Failed(
          {}, roster_name + ", line " + std::to_string(read.line) + ": " + read.reason);
    }
    made = std::make_unique<Club>();
    made->code = club->code;
    made->roster_file = FileNameOf(path);
    std::vector<std::string> cut;
    made->team = MakeClubTeam(*club, players, made->names, &cut);
    for (const std::string& name : cut) {
      ImportRefusal notice{made->roster_file,
                           0,
                           {},
                           "the name \"" + name + "\" is cut to its first " +
                               std::to_string(NameText::kCapacity) + " characters"};
      notice.note = true;
      notices_.push_back(std::move(notice));
    }
    return {};
  }

  std::map<std::string, Entry> clubs_;
  std::map<std::string, SeasonClubs> seasons_;
  std::vector<ImportRefusal> notices_;
};

struct EventFile {
  std::string path;
  std::vector<std::vector<RetroRecord>> games;
};

}  // namespace

bool IsClubCode(std::string_view code) {
  return !code.empty() && code.size() <= 8 && std::all_of(code.begin(), code.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
}

std::string ImportRefusal::Text() const {
  std::string text = file;
  if (line > 0) text += ", line " + std::to_string(line);
  if (!game.empty()) text += " (game " + game + ")";
  return text + ": " + reason;
}

std::vector<ClubRefusals> RefusedGamesByClub(const std::vector<ImportRefusal>& refusals) {
  std::map<std::string, std::vector<std::string>> by_club;
  for (const ImportRefusal& r : refusals) {
    if (r.kept || r.note || r.game.empty()) continue;
    const std::string home = r.home.empty() ? r.game.substr(0, 3) : r.home;
    for (const std::string& club : {home, r.visitor}) {
      if (club.empty()) continue;
      std::vector<std::string>& games = by_club[club];
      if (std::find(games.begin(), games.end(), r.game) == games.end()) games.push_back(r.game);
    }
  }
  std::vector<ClubRefusals> grouped;
  for (auto& [club, games] : by_club) grouped.push_back({club, std::move(games)});
  return grouped;
}

namespace {

// The event files read and split into their games; a file that cannot be
// read is refused, one without a game or with lines before the first is
// noted.  total gets the number of games.
std::vector<EventFile> SplitEventFiles(const std::vector<std::string>& event_files, GamesRead& read,
                                       int& total) {
  std::vector<EventFile> files;
  for (const std::string& path : event_files) {
    std::string text;
    if (Status got = ReadWholeTextFile(path, text, kMaxRetrosheetFile); !got) {
      read.refusals.push_back(
          {FileNameOf(path), 0, {}, got.detail.empty() ? got.reason : got.detail});
      continue;
    }
    EventFileGames split = SplitGames(ReadRecords(text));
    // A file without a game (an empty one too) is refused as one of junk is.
    if (!split.stray.empty() || split.games.empty()) {
      read.refusals.push_back({FileNameOf(path),
                               split.stray.empty() ? 0 : split.stray.front().line,
                               {},
                               split.games.empty()
                                   ? "no game here: an event file is a series of games, each "
                                     "beginning with an id record (id,SEA201903280)"
                                   : "the lines before the first id record belong to no game"});
    }
    total += static_cast<int>(split.games.size());
    files.push_back({path, std::move(split.games)});
  }
  return files;
}

// A game built, handed to the sink: kept as it was, refused, or taken with
// the notes of its import.
void HandOver(const GameSink& take, const ScoredGame& given, const std::string& file_name,
              std::vector<ImportNote>& notes, GamesRead& read) {
  const Taken taken = take(given);
  if (taken.kept) {
    ++read.games_kept;
    read.refusals.push_back({file_name, 0, given.origin.id, taken.status.reason, true});
  } else if (!taken.status) {
    ++read.games_refused;
    read.refusals.push_back({file_name, 0, given.origin.id, taken.status.reason, false, false,
                             given.origin.home, given.origin.visitor});
  } else {
    ++read.games_taken;
    if (!notes.empty()) ++read.games_noted;
    for (ImportNote& n : notes) {
      read.refusals.push_back({file_name, n.line, given.origin.id, std::move(n.text), false, true});
    }
  }
}

}  // namespace

GamesRead ReadRetrosheetGames(const std::vector<std::string>& event_files, const GameSink& take,
                              const ImportProgress& progress) {
  GamesRead read;
  int total = 0;
  const std::vector<EventFile> files = SplitEventFiles(event_files, read, total);
  ClubFiles clubs;
  std::set<std::string> ids_done;
  int done = 0;
  Game game;
  for (const EventFile& file : files) {
    const std::string folder = FolderOf(file.path);
    const std::string file_name = FileNameOf(file.path);
    ClubFinder finder = [&](std::string_view code, int season, const Club*& club) {
      return clubs.Find(folder, code, season, club);
    };
    for (const std::vector<RetroRecord>& records : file.games) {
      if (progress && !progress(done, total)) {
        read.cancelled = true;
        return read;
      }
      ++done;
      game = Game();
      GameOrigin origin;
      EventRefusal refusal;
      std::vector<ImportNote> notes;
      const bool built = BuildRetrosheetGame(records, finder, game, origin, refusal, notes);
      for (ImportRefusal& notice : clubs.TakeNotices()) read.refusals.push_back(std::move(notice));
      auto refuse = [&](int line, const std::string& reason) {
        ++read.games_refused;
        read.refusals.push_back(
            {file_name, line, origin.id, reason, false, false, origin.home, origin.visitor});
      };
      if (!built) {
        refuse(refusal.line, refusal.reason);
        continue;
      }
      if (!ids_done.insert(origin.id).second) {
        refuse(records.front().line, "the game " + origin.id + " comes twice; the first is kept");
        continue;
      }
      // Both clubs were found when the game was built.
      const int season = std::stoi(origin.id.substr(3, 4));
      const Club* home = nullptr;
      const Club* visitor = nullptr;
      (void)clubs.Find(folder, origin.home, season, home);
      (void)clubs.Find(folder, origin.visitor, season, visitor);
      HandOver(take, {game, origin, *home, *visitor, file.path, read.refusals}, file_name, notes,
               read);
    }
  }
  if (progress) progress(done, total);
  return read;
}

}  // namespace scorewick::interop
