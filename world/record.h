// The record scanner shared by every description file (sprites, level,
// sound list).  A record is one word like "e:0,0,1,..." found at the first
// colon of a line; see next_record for the exact rules.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr int RECORD_BUFFER = 256;  // a record has at most 254 characters
constexpr int RECORD_MAX_CHARS = RECORD_BUFFER - 2;  // room for the comma and the NUL

// Largest description file the readers take in: ours are a few kilobytes, and
// a bigger file is treated as one that cannot be read in full.
constexpr long TEXT_FILE_MAX = 16L * 1024 * 1024;

// Finds the next record of one of `kinds` from *pos on.  On success copies
// the record plus a trailing comma into buf, moves *pos to the line feed
// that ends the record's line (or the end of the text) and returns 1;
// returns 0 when the text holds no further record.
int next_record(const char **pos, const char *kinds, char buf[RECORD_BUFFER]);

// The same search, also telling where the record starts in the text and how
// many characters it really has (more than RECORD_MAX_CHARS when the copy in
// buf was cut).  Either out pointer may be null.  For tools that point at
// the line of a record.
int next_record_span(const char **pos, const char *kinds, char buf[RECORD_BUFFER],
                     const char **start, size_t *length);

// Splits a record "k:n1,n2,..." into its numbers like strtol base 10,
// saturating at the 32-bit limits; empty fields vanish.  Stores at most
// `max` numbers and returns how many the record holds (which may be more).
int record_numbers(const char *record, int32_t *out, int max);

// Reads a whole file into a fresh NUL-terminated buffer (size + 1 bytes).
// Returns 0 on success, 1 if it cannot be opened, 2 if it cannot be read in
// full; *text is only set on success and must be released with free().
int read_text_file(const char *path, char **text);
