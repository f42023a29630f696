#include "scoring/live_book.h"

#include "scoring/book_compiler.h"

namespace scorewick::scoring {

namespace {

// A reason without the "line N: " the reader puts in front.
std::string WithoutLine(std::string reason) {
  const std::size_t colon = reason.find(": ");
  if (reason.rfind("line ", 0) == 0 && colon != std::string::npos) reason.erase(0, colon + 2);
  return reason;
}

}  // namespace

struct LiveBook::State {
  Game game;
  book::Compiler compiler{game};

  // The game as it stands after a change: its score, position and
  // decisions so far.
  void Settle() { compiler.Settle(); }
};

LiveBook::LiveBook() : state_(std::make_unique<State>()) {}
LiveBook::~LiveBook() = default;

const Game& LiveBook::game() const { return state_->game; }
const Scorer* LiveBook::scorer() const { return state_->compiler.scorer(); }
const LeagueRules& LiveBook::rules() const { return state_->compiler.rules(); }

bool LiveBook::Over() const {
  const Scorer* s = scorer();
  return state_->compiler.called() || (s && s->GameOver());
}

LiveBook::LineUps LiveBook::Listed() const {
  const book::Compiler& c = state_->compiler;
  LineUps l;
  l.listing = c.listing();
  for (int k = 0; k < 2; ++k) {
    if (c.declared(k)) l.names[k] = c.team(k).team_name.str();
    l.batters[k] = static_cast<int>(c.side(k).batters.size());
    l.pitcher[k] = !c.side(k).pitcher.name.empty();
  }
  return l;
}

Status LiveBook::Replay(const std::vector<std::string>& entries, std::unique_ptr<State>& out) {
  auto state = std::make_unique<State>();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (Status read = state->compiler.Line(entries[i]); !read) {
      Status failed = Status::Failed({}, WithoutLine(read.reason));
      failed.line = static_cast<int>(i + 1);
      return failed;
    }
  }
  state->Settle();
  out = std::move(state);
  return {};
}

Status LiveBook::Load(const std::vector<std::string>& entries) {
  std::unique_ptr<State> state;
  if (Status played = Replay(entries, state); !played) {
    state_ = std::make_unique<State>();
    entries_.clear();
    return played;
  }
  state_ = std::move(state);
  entries_ = entries;
  return {};
}

Status LiveBook::Add(const std::string& entry, std::vector<std::string>* added) {
  std::vector<std::string> lines;
  const std::string half = state_->compiler.HalfNeededBy(entry);
  if (!half.empty()) lines.push_back(half);
  lines.push_back(entry);
  for (const std::string& line : lines) {
    Status read = state_->compiler.Line(line);
    if (read) continue;
    // What the game took of the entry before it refused goes back.
    const std::string reason = WithoutLine(read.reason);
    std::unique_ptr<State> state;
    if (Status again = Replay(entries_, state); again) state_ = std::move(state);
    return Status::Failed({}, reason);
  }
  state_->Settle();
  entries_.insert(entries_.end(), lines.begin(), lines.end());
  if (added) *added = lines;
  return {};
}

Status LiveBook::Edit(std::size_t first, std::size_t count, const std::vector<std::string>& with) {
  if (first > entries_.size() || count > entries_.size() - first) {
    return Status::Failed({}, "the book has " + std::to_string(entries_.size()) + " entries");
  }
  std::vector<std::string> edited(entries_.begin(), entries_.begin() + static_cast<long>(first));
  edited.insert(edited.end(), with.begin(), with.end());
  edited.insert(edited.end(), entries_.begin() + static_cast<long>(first + count), entries_.end());
  std::unique_ptr<State> state;
  if (Status played = Replay(edited, state); !played) return played;
  state_ = std::move(state);
  entries_ = std::move(edited);
  return {};
}

std::string LiveBook::HalfNeededBy(const std::string& entry) const {
  return state_->compiler.HalfNeededBy(entry);
}

bool LiveBook::Ready() const {
  if (scorer()) return true;
  const LineUps l = Listed();
  for (int k = 0; k < 2; ++k) {
    if (l.names[k].empty() || l.batters[k] == 0 || !l.pitcher[k]) return false;
  }
  return true;
}

Status LiveBook::Check(const std::vector<std::string>& more) const {
  std::vector<std::string> entries = entries_;
  std::unique_ptr<State> state;
  // The half an entry opens comes first, as Add writes it.
  const std::string half = more.empty() ? std::string() : state_->compiler.HalfNeededBy(more[0]);
  if (!half.empty()) entries.push_back(half);
  entries.insert(entries.end(), more.begin(), more.end());
  if (Status played = Replay(entries, state); !played) {
    played.line = 0;
    return played;
  }
  return {};
}

Status LiveBook::Preview(const std::string& words, scoring::Play& play) {
  Status parsed = state_->compiler.ParsePlay(words, play);
  parsed.reason = WithoutLine(parsed.reason);
  return parsed;
}

Status LiveBook::Undo(std::size_t n) {
  // The header and the line-ups are the game's, not words to take back.
  std::size_t first_play = entries_.size();
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].rfind("top 1", 0) == 0) {
      first_play = i;
      break;
    }
  }
  if (n == 0 || first_play + n > entries_.size()) {
    return Status::Failed({}, first_play == entries_.size()
                                  ? "nothing to take back: the game has not begun"
                                  : "only " + std::to_string(entries_.size() - first_play) +
                                        " entries can be taken back");
  }
  return Edit(entries_.size() - n, n, {});
}

}  // namespace scorewick::scoring
