// Handing the console back to its menu program.
#pragma once

// Replaces the process with the console's menu; returns only if that fails.
void menu_hand_over();
