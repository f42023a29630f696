#pragma once
// Windows that open where the person left them.
//
// A window has two rectangles: the client area, which the program lays
// out, and the outer rectangle with the frame (title bar and borders) that
// the window manager adds around it, some time after the window shows.
// The settings file keeps the main window's outer rectangle; the dialogs'
// places are kept as client positions.  Mixing the two moves a window by
// its frame every time it is placed, so all placing goes through here.

#include <QRect>

class QDialog;
class QWidget;

namespace scorewick::app {

// Moves dialog to the place remembered under key, if any, and remembers
// its place whenever it closes (within one run).
void RememberPosition(QDialog* dialog, const char* key);
// The same for a window the person sizes: its size is kept with its place.
void RememberPositionAndSize(QDialog* dialog, const char* key);

// Places a top-level window that is not yet shown so that its outer
// rectangle is outer: the client area takes outer at once, and as soon as
// the window manager has framed the window, the client area is shrunk to
// leave the frame inside outer.  Without a frame the client area is outer.
void PlaceOuterRect(QWidget* window, const QRect& outer);

// The window's outer rectangle in screen coordinates, frame included.
QRect OuterRect(const QWidget* window);

}  // namespace scorewick::app
