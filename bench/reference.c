/* The least a launcher can do for one double-click, as a yardstick for korvlink: read the two
 * commands from [Setup] of $XDG_CONFIG_HOME/korvlink/korvlink.INI, test the document and its
 * companion ('%' before the file name), start the chosen command on the document with
 * posix_spawnp, and exit without waiting. No quoting rules, no loop guard, no locale: only what
 * the job itself cannot do without. */
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

extern char** environ;

static char* Trim(char* begin, char* end) {
    while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r')) --end;
    *end = '\0';
    return begin;
}

int main(int argc, char** argv) {
    if (argc < 2) return 0;
    const char* config = getenv("XDG_CONFIG_HOME");
    char path[4096];
    snprintf(path, sizeof path, "%s/korvlink/korvlink.INI", config ? config : ".");

    static char text[65536];
    ssize_t size = 0;
    int fd = open(path, O_RDONLY);
    if (fd >= 0) {
        size = read(fd, text, sizeof text - 1);
        close(fd);
        if (size < 0) size = 0;
    }
    text[size] = '\0';

    char* emulator = "";
    char* viewer = "";
    int inSetup = 0;
    for (char* line = text; *line != '\0';) {
        char* end = line + strcspn(line, "\n");
        char* next = *end ? end + 1 : end;
        *end = '\0';
        char* trimmed = Trim(line, end);
        if (trimmed[0] == '[') {
            inSetup = strncasecmp(trimmed, "[Setup]", 7) == 0;
        } else if (inSetup) {
            char* equals = strchr(trimmed, '=');
            if (equals != NULL) {
                char* key = Trim(trimmed, equals);
                char* value = Trim(equals + 1, equals + 1 + strlen(equals + 1));
                if (strcasecmp(key, "Korvo path") == 0) emulator = value;
                if (strcasecmp(key, "Viewer path") == 0) viewer = value;
            }
        }
        line = next;
    }

    const char* document = argv[1];
    const char* slash = strrchr(document, '/');
    size_t folder = slash ? (size_t)(slash - document + 1) : 0;
    char data[4096], companion[4096];
    if (document[folder] == '%') {
        snprintf(data, sizeof data, "%.*s%s", (int)folder, document, document + folder + 1);
        snprintf(companion, sizeof companion, "%s", document);
    } else {
        snprintf(data, sizeof data, "%s", document);
        snprintf(companion, sizeof companion, "%.*s%%%s", (int)folder, document, document + folder);
    }

    struct stat status;
    int dataPresent = stat(data, &status) == 0;
    int companionPresent = stat(companion, &status) == 0;
    const char* command = dataPresent && companionPresent ? emulator
                          : dataPresent || companionPresent ? viewer
                                                            : NULL;
    if (command == NULL) {
        fprintf(stderr, "korvlink: Cannot find file %s\n", document);
        return 0;
    }
    char program[4096];
    snprintf(program, sizeof program, "%.*s", (int)strcspn(command, " \t"), command);
    char* childArgv[] = {program, dataPresent ? data : companion, NULL};
    pid_t child;
    posix_spawnp(&child, program, NULL, NULL, childArgv, environ);
    return 0;
}
