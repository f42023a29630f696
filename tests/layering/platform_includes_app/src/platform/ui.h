#pragma once
// The Ui asking the main window for its parent.
#include "app/main_window.h"
#include "records/user_message.h"
