#pragma once
#include "shell/frmmenu.h"

// Tells the menu which window each of its project buttons opens.
void registerProjects(shell::frmMenu& menu);
