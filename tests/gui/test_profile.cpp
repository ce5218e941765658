/* Integers from INI files through the Win32 platform layer
   (GetPrivateProfileIntA): the table the portable layer is held to. */
#include "profilecases.h"
