#include "app/StandardOutput_Win32.h"

#include <windows.h>

bool hasStandardOutput()
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN;
}
