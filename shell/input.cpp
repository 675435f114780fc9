#include "shell/input.h"
int handle_input() { return 0; }
