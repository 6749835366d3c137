// The drawing layer's interface in one include.
#pragma once

#include "draw/BitmapList.h"
#include "draw/Blit.h"
#include "draw/BmpReader.h"
#include "draw/DrawDevice.h"
#include "draw/Fade.h"
#include "draw/PaletteEntry.h"
#include "draw/PaletteOps.h"
#include "draw/PixelFormat.h"
#include "draw/Present.h"
#include "draw/Primitives.h"
#include "draw/SjisLiteral.h"
#include "draw/SurfaceDesc.h"
#include "draw/Surfaces.h"
#include "draw/TextOut.h"
