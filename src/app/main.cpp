// Entry point of the setup program: runs the application object and reports its exit code.
#include <windows.h>

#include "app/the_app.h"

namespace {

lp::TheApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    theApp.InitInstance();
    return theApp.exitCode();
}
