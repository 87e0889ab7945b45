#pragma once
// Ids of the programs' Win32 resources, shared by the resource script and
// the code. Macros, because the resource compiler reads only the
// preprocessor.
#define FUDA_TITLE_PICTURE_BITMAP 101
#define FUDA_PROGRAM_ICON 103
