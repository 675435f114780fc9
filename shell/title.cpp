#include "shell/title.h"
const char WEB_ADDRESS[] = "lilyfront.example";
void print_banner() {}
void title_sequence() {}
