// The Linux entry point: the POSIX services and the user interface, handed to the framework.

#include "platform/framework.h"
#include "platform/posix/posix_system.h"
#include "platform/posix/stderr_ui.h"

int main(int argc, char** argv) {
    PosixSystem system(argc, argv);
    StderrUi ui;
    return AfxWinMain(*AfxGetApp(), system, ui);
}
