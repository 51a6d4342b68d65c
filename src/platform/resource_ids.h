/* Resource numbers shared by the resource script and the code that loads them.
   Plain #defines, as the resource compiler reads this file too. */
#pragma once

#define VELTRANA_ICON 1
#define VELTRANA_MANIFEST 1
#define VELTRANA_BACKGROUND_JPEG 100
#define VELTRANA_GLYPH_CD_OUT 110
#define VELTRANA_GLYPH_CD_IN 111
#define VELTRANA_GLYPH_MAGIC 112
#define VELTRANA_GLYPH_OPTIONS 113
#define VELTRANA_GLYPH_ABOUT 114
#define VELTRANA_GLYPH_HELP 115
#define VELTRANA_GLYPH_EXIT 116
