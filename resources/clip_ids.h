#pragma once
// Animation clip ids of VNCCorvana.exe. Included by the resource script too, so plain defines only.

// Resource type of the animation clips, as the progress windows look them up.
#define CORVANA_AVI_TYPE "AVI"

// Animation clips, type CORVANA_AVI_TYPE: 272x60, 8-bit RLE.
#define IDR_AVI_COPY 5000    // 34 frames, 100 ms each
#define IDR_AVI_DELETE 5001  // 23 frames, 83.333 ms each
