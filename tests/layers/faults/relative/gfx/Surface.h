#include "gfx/GdiTypes.h"
#include "../doc/SorvDoc.h"
