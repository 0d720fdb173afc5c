// Temporary Win32 translation unit until the Win32 layer lands.
#include <windows.h>
