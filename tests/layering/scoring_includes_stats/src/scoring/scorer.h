#pragma once
// Breaks the layers on purpose: the layering check must refuse it.
#include "stats/stat.h"
