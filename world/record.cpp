#include "world/record.h"
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

static bool ends_record(char c)
{
    return c == '\0' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\\';
}

static const char *end_of_line(const char *p)
{
    while (*p && *p != '\n')
        ++p;
    return p;
}

int next_record_span(const char **pos, const char *kinds, char buf[RECORD_BUFFER],
                     const char **start, size_t *length)
{
    const char *p = *pos;
    // A colon at the very start of the text opens the first line, which is
    // no record, just as a colon opening any later line is none.
    if (*p == ':')
        p = end_of_line(p);
    for (;;) {
        // The kind is whatever stands right before a colon; the search runs
        // across line ends, so lines without a colon are simply passed over.
        while (*p && p[1] != ':')
            ++p;
        if (!*p) {
            *pos = p;
            return 0;
        }
        // A line feed before the colon means the colon opens its line: such a
        // line is no record.  (Never ask strchr about a NUL: it would match.)
        if (*p != '\n' && strchr(kinds, *p)) {
            size_t n = 0;
            while (!ends_record(p[n]))
                ++n;
            // A record longer than the buffer is cut after its 254th
            // character: the fields that matter come first, and the element
            // keeps its place so that the frames after it still attach to it.
            size_t kept = n < size_t(RECORD_MAX_CHARS) ? n : size_t(RECORD_MAX_CHARS);
            memcpy(buf, p, kept);
            buf[kept] = ',';
            buf[kept + 1] = '\0';
            if (start)
                *start = p;
            if (length)
                *length = n;
            *pos = end_of_line(p);
            return 1;
        }
        p = end_of_line(p + 1);
    }
}

int next_record(const char **pos, const char *kinds, char buf[RECORD_BUFFER])
{
    return next_record_span(pos, kinds, buf, nullptr, nullptr);
}

int record_numbers(const char *record, int32_t *out, int max)
{
    const char *p = strchr(record, ':');
    if (!p)
        return 0;
    ++p;
    int count = 0;
    for (;;) {
        while (*p == ',')
            ++p;
        if (!*p)
            break;
        long v = strtol(p, nullptr, 10);
        if (v > INT32_MAX)
            v = INT32_MAX;
        if (v < INT32_MIN)
            v = INT32_MIN;
        if (count < max)
            out[count] = int32_t(v);
        ++count;
        while (*p && *p != ',')
            ++p;
    }
    return count;
}

int read_text_file(const char *path, char **text)
{
    int fd = open(path, O_RDONLY);
    if (fd < 0)
        return 1;
    off_t size = lseek(fd, 0, SEEK_END);
    if (size < 0 || size > TEXT_FILE_MAX || lseek(fd, 0, SEEK_SET) != 0) {
        close(fd);
        return 2;
    }
    char *buffer = static_cast<char *>(calloc(size_t(size) + 1, 1));
    if (!buffer) {
        close(fd);
        return 2;
    }
    size_t got = 0;
    while (got < size_t(size)) {
        ssize_t n = read(fd, buffer + got, size_t(size) - got);
        if (n <= 0)
            break;
        got += size_t(n);
    }
    close(fd);
    if (got < size_t(size)) {
        free(buffer);
        return 2;
    }
    *text = buffer;
    return 0;
}
