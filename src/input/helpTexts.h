// The places where F1 helps (HelpPlace); what it says in each is worded
// with the rest of the menus' sentences, in wording/menuWords.h.
#pragma once

#include "wording/menuWords.h"
