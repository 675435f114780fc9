// The program from its banner to the hand-over to the console's menu.
#pragma once

// The whole run; returns only when the hand-over fails or the display
// cannot be set up.
int game_main();

// Installed for SIGTERM and SIGINT: two lines and exit status 1.
void on_stop_signal(int signal);
