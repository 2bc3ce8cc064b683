// The Linux entry point: the POSIX services and the user interface, handed to the framework.
// The GTK module is loaded only when a window is needed (launcher mode mostly needs none).

#include "platform/framework.h"
#include "platform/posix/lazy_ui.h"
#include "platform/posix/posix_system.h"

int main(int argc, char** argv) {
    PosixSystem system(argc, argv);
    LazyUi ui(GtkModulePath(system.ModuleFileName()), "korvlink");
    return AfxWinMain(*AfxGetApp(), system, ui);
}
