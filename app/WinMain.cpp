// The console's entry point: the one application object and the framework's main.
#include "app/NfsAdminApp.h"

namespace {
CNfsAdminApp theApp;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(); }
