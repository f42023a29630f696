#pragma once
// The side panel of the scoring window: the book of the game, one entry a
// line, where a past entry is chosen to be corrected, deleted or to have
// one put before it; and the play-by-play of the game so far, in the box
// score's own sentences, written anew after every change.

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "scoring/live_book.h"

namespace scorewick::app {

class ScoringBookPanel : public QTabWidget {
  Q_OBJECT

 public:
  explicit ScoringBookPanel(QWidget* parent = nullptr);

  void Show(const scoring::LiveBook& book);
  QListWidget* entries() const { return entries_; }
  QPlainTextEdit* play_by_play() const { return play_by_play_; }

 signals:
  // The entry (0-based) chosen to be corrected, to have one put before it,
  // or to be deleted.
  void correctEntry(int index);
  void insertBefore(int index);
  void deleteEntry(int index);

 private:
  QListWidget* entries_;
  QPlainTextEdit* play_by_play_;
};

}  // namespace scorewick::app
