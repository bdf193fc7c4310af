// The library's GUIDs, defined once from the header widl made of the IDL.
#include <windows.h>
#include <initguid.h>

#include "Pinglet.h"
