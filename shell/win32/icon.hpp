#pragma once
// The resource number of the application icon, for the resource script and the windows.
#define VELNI_ICON 1
