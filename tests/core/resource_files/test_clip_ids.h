#pragma once
// Clips too short to be written, beside the program's real ones.
#define TEST_CLIP_ONE_BYTE 5900
#define TEST_CLIP_TWO_BYTES 5901
