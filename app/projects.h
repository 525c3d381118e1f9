#pragma once
#include "shell/menuwindow.h"

// Tells the menu which window each of its project buttons opens.
void registerProjects(shell::MenuWindow& menu);
