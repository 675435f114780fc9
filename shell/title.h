// The screens shown before play.
#pragma once

extern const char WEB_ADDRESS[];

void print_banner();
void title_sequence();
