#pragma once
// Breaks the layers on purpose: the layering check must refuse it.
#include "reports/team_html.h"
