// The controller during play.
#pragma once

int handle_input();
