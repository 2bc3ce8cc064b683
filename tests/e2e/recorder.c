/* A stand-in emulator or viewer for the end-to-end tests. It writes what it received to the
 * file named by RECORDER_OUT: each argument after argv[0] followed by a NUL byte, then a line
 * "marker=" with the value of KORVLINK_OPENED_DOCUMENT. It writes a temporary file and renames it,
 * so a test that sees the file sees all of it. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    const char* out = getenv("RECORDER_OUT");
    if (out == NULL) return 2;
    char temporary[4096];
    snprintf(temporary, sizeof temporary, "%s.part", out);
    FILE* file = fopen(temporary, "wb");
    if (file == NULL) return 3;
    for (int i = 1; i < argc; ++i) fwrite(argv[i], 1, strlen(argv[i]) + 1, file);
    const char* marker = getenv("KORVLINK_OPENED_DOCUMENT");
    fprintf(file, "marker=%s", marker ? marker : "");
    if (fclose(file) != 0) return 4;
    return rename(temporary, out) == 0 ? 0 : 5;
}
