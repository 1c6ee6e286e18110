// TessarineRes.h - identifiers of Tessarine.dll's own resources.
//
// These resources are not in the host's resource chain: strings are loaded
// with LoadLibraryString (LibraryResources.h), bitmaps with LoadImage given
// GetLibraryInstance() (LibraryInstance.h). Plain numbers only, so the
// resource compiler reads this header too.
#ifndef TESSARINE_TESSARINERES_H
#define TESSARINE_TESSARINERES_H

// Strings
#define IDS_COLLAPSE_UP         41006   // "Collapse Up"     - collapse arrow tooltip
#define IDS_COLLAPSE_DOWN       41007   // "Collapse Down"
#define IDS_COLLAPSE_LEFT       41008   // "Collapse Left"
#define IDS_COLLAPSE_RIGHT      41009   // "Collapse Right"
#define IDS_RESTORE             41010   // "Restore"
#define IDS_MORE_ITEMS          41011   // "More ..."        - multi-item drag image
#define IDS_NO_DATA             41012   // "No data or constant variable" - histogram

// Bitmaps: 8 x 8, 16 colours, dark grey arrow on light grey
#define IDB_ARROW_UP            1132
#define IDB_ARROW_DOWN          1133
#define IDB_ARROW_LEFT          1134
#define IDB_ARROW_RIGHT         1135

// Bitmap: 70 x 39, 16 colours, 5 x 3 cells of 14 x 13 check-box and
// option-button glyphs (row 0 check boxes, row 1 pressed/flat check boxes,
// row 2 option buttons)
#define IDB_CHECK_GLYPHS        26567
#define CHECK_GLYPH_CX          14
#define CHECK_GLYPH_CY          13
#define CHECK_GLYPH_COLUMNS     5
#define CHECK_GLYPH_ROWS        3

#endif // TESSARINE_TESSARINERES_H
