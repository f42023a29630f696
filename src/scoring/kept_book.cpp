#include "scoring/kept_book.h"

#include <filesystem>
#include <sstream>
#include <utility>

#include "records/file_io.h"
#include "records/game_file.h"
#include "scoring/book_writer.h"

namespace scorewick::scoring {

namespace fs = std::filesystem;

namespace {

// No book of a game comes near this; a larger file is not one.
constexpr std::size_t kMaxBookFile = std::size_t{4} << 20;

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace

std::string BookPathOf(const std::string& game) {
  return fs::path(game).replace_extension(".book").string();
}

Status ReadBookFile(const std::string& path, std::vector<std::string>& entries,
                    std::string* cut_line) {
  std::string text;
  if (Status read = ReadWholeTextFile(path, text, kMaxBookFile); !read) return read;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) entries.push_back(line);
  if (!text.empty() && text.back() != '\n' && !entries.empty()) {
    if (cut_line) *cut_line = entries.back();
    entries.pop_back();
  }
  return {};
}

KeptBook::KeptBook(std::string game_path)
    : game_path_(std::move(game_path)), book_path_(BookPathOf(game_path_)) {}

bool KeptBook::Begun() const {
  std::error_code ec;
  return fs::exists(book_path_, ec) || fs::exists(game_path_, ec);
}

Status KeptBook::Open(const LeagueRules& rules, std::string* notice) {
  std::error_code ec;
  if (fs::exists(book_path_, ec)) {
    std::vector<std::string> entries;
    std::string cut_line;
    if (Status read = ReadBookFile(book_path_, entries, &cut_line); !read) return read;
    const bool cut = !cut_line.empty();
    if (Status loaded = book_.Load(entries); !loaded) {
      loaded.reason = book_path_ + ", line " + std::to_string(loaded.line) + ": " + loaded.reason;
      loaded.file = book_path_;
      return loaded;
    }
    if (cut) {
      if (notice) {
        *notice = "the last line of " + book_path_ +
                  " was cut short as it was written; it is left out: " + cut_line;
      }
      if (Status written = WriteWholeBook(); !written) return written;
    }
    WriteGameFile();
    return {};
  }
  // A game scored elsewhere (on a handheld, imported) and scored on here:
  // its book is written first, and the game file stays as it is until a
  // change.
  Game game;
  if (Status loaded = LoadGame(game_path_, game); !loaded) return loaded;
  std::vector<std::string> lines;
  if (Status written = WriteBook(game, rules, lines); !written) {
    return Status::Failed(game_path_,
                          "the book of " + game_path_ + " cannot be written: " + written.reason);
  }
  if (Status loaded = book_.Load(lines); !loaded) {
    return Status::Failed(game_path_, "the book of " + game_path_ + " does not read back, line " +
                                          std::to_string(loaded.line) + ": " + loaded.reason);
  }
  return WriteWholeBook();
}

Status KeptBook::Begin(const std::vector<std::string>& header) {
  for (const std::string& line : header) {
    if (Status added = book_.Add(line); !added) {
      static_cast<void>(book_.Load({}));
      return added;
    }
  }
  if (Status written = WriteWholeBook(); !written) return written;
  WriteGameFile();
  return {};
}

Status KeptBook::AppendToBook(const std::vector<std::string>& added) {
  if (Status saved = AppendTextSynced(book_path_, Lines(added)); !saved) {
    // Not on the disk: the entries are taken back, as if never given.
    // Entries just added always come off again.
    static_cast<void>(book_.Edit(book_.entries().size() - added.size(), added.size(), {}));
    saved.reason += "; the last word is not kept";
    return saved;
  }
  WriteGameFile();
  return {};
}

Status KeptBook::Add(const std::string& entry) {
  std::vector<std::string> added;
  if (Status done = book_.Add(entry, &added); !done) return done;
  if (Status saved = AppendToBook(added); !saved) return saved;
  actions_.push_back(added.size());
  redo_.clear();
  return {};
}

Status KeptBook::AddAction(const std::vector<std::string>& entries) {
  std::vector<std::string> all;
  for (const std::string& entry : entries) {
    std::vector<std::string> added;
    if (Status done = book_.Add(entry, &added); !done) {
      // What the action added before goes back: it loaded before.
      static_cast<void>(book_.Edit(book_.entries().size() - all.size(), all.size(), {}));
      return done;
    }
    all.insert(all.end(), added.begin(), added.end());
  }
  if (all.empty()) return {};
  if (Status saved = AppendToBook(all); !saved) return saved;
  actions_.push_back(all.size());
  redo_.clear();
  return {};
}

Status KeptBook::WriteWholeBook() {
  return WriteTextFileAtomically(book_path_, Lines(book_.entries()));
}

void KeptBook::WriteGameFile() {
  game_file_problem_.clear();
  if (!book_.scorer()) return;  // no game until the first half begins
  EncodeGameFile(book_.game(), bytes_);
  if (Status saved = WriteFileAtomicallyUnsynced(game_path_, bytes_); !saved) {
    game_file_problem_ = saved.reason + "; the game is kept in its book, " + book_path_ +
                         ", and written again after the next word";
  }
}

// The book changed in its middle is written anew; when it cannot be, the
// change is taken back.
Status KeptBook::Rewrite(const std::vector<std::string>& before) {
  if (Status written = WriteWholeBook(); !written) {
    static_cast<void>(book_.Load(before));  // the book it was: it loaded before
    return written;
  }
  WriteGameFile();
  return {};
}

Status KeptBook::Edit(std::size_t first, std::size_t count, const std::vector<std::string>& with) {
  const std::vector<std::string> before = book_.entries();
  if (Status done = book_.Edit(first, count, with); !done) return done;
  if (Status written = Rewrite(before); !written) return written;
  // Actions after the change may no longer be the entries they were.
  actions_.clear();
  redo_.clear();
  return {};
}

Status KeptBook::Undo(std::size_t n) {
  const std::vector<std::string> before = book_.entries();
  if (Status done = book_.Undo(n); !done) return done;
  if (Status written = Rewrite(before); !written) return written;
  actions_.clear();
  redo_.clear();
  return {};
}

Status KeptBook::UndoAction() {
  const std::size_t n = actions_.empty() ? 1 : actions_.back();
  const std::vector<std::string> before = book_.entries();
  if (Status done = book_.Undo(n); !done) return done;
  if (Status written = Rewrite(before); !written) return written;
  if (!actions_.empty()) actions_.pop_back();
  redo_.emplace_back(before.end() - static_cast<long>(n), before.end());
  return {};
}

Status KeptBook::RedoAction() {
  if (redo_.empty()) return Status::Failed({}, "nothing to put back");
  std::vector<std::string> action = redo_.back();
  std::vector<std::vector<std::string>> rest(redo_.begin(), redo_.end() - 1);
  // The entries of the action include the half they opened: they go back
  // as they were.
  if (Status done = book_.Edit(book_.entries().size(), 0, action); !done) return done;
  if (Status saved = AppendToBook(action); !saved) return saved;
  actions_.push_back(action.size());
  redo_ = std::move(rest);
  return {};
}

}  // namespace scorewick::scoring
