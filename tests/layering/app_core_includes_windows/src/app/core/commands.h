#pragma once
// A command of the application's core that opens a window of its own.
#include <QDialog>

#include "app/core/session.h"
#include "app/main_window.h"
