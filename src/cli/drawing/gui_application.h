#pragma once
// The QGuiApplication that fonts and pages need, made for a command that
// prints without a display.

#include <QGuiApplication>
#include <memory>

namespace scorewick::cli {

// A new application drawing offscreen (unless QT_QPA_PLATFORM says
// otherwise), or null when one exists already.  Qt's notes about its own
// run-time folders are kept off stderr.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace scorewick::cli
