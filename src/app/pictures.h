#pragma once
// The program's pictures, drawn here with QPainter (QtGui only): the
// splash, the main window's background tile, the tool bar buttons and
// divider, and the baseball that decorates the dialogs.

#include <QPixmap>

namespace scorewick::app {

// The splash shown while the program starts (needs a running QGuiApplication
// for its lettering).
QPixmap SplashPicture();
// A tile repeated over the main window's empty client area.
QPixmap BackgroundTile();
// A tool bar button's picture by its bitmap number (6 new team, 15 edit
// team, 7 print game, 12 game statistics, 8 and 10 Palm export and import,
// 9 and 11 Pocket PC export and import, 17 new game); an empty picture for
// others.
QPixmap ToolbarPicture(int bitmap);
// The small divider between groups of tool bar buttons.
QPixmap DividerPicture();
// A baseball on a glove-brown disc, for dialogs.
QPixmap BaseballPicture(int size);

inline constexpr int kToolbarIconSize = 24;

}  // namespace scorewick::app
