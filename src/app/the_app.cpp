// The one application object, registered with the framework during static initialisation.

#include "app/launcher_app.h"

CLauncherApp theApp;
