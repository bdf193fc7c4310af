#pragma once
// Every resource id at once, for the files that have not yet moved to the header of each kind.
#include "bitmap_ids.h"
#include "clip_ids.h"
#include "icon_ids.h"
#include "string_ids.h"
