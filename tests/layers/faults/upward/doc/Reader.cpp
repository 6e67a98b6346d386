#include "doc/SorvDoc.h"
#include "app/SorvView.h"
