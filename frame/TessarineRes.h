/// @file TessarineRes.h
/// Identifiers of Tessarine.dll's own resources.
///
/// These resources are not in the host's resource chain: the library loads
/// them from its own module, never through AfxGetResourceHandle, so a host's
/// resources with the same numbers do not take their place. Plain numbers
/// only, so the resource compiler reads this header too.
///
/// @image html frame_strings.png "The strings, as the gallery loads them from the library"
/// @image html frame_arrows.png "The four arrow bitmaps, enlarged"
/// @image html frame_glyphs.png "The check-box and option-button glyphs, enlarged"
#ifndef TESSARINE_TESSARINERES_H
#define TESSARINE_TESSARINERES_H

// Strings
#define IDS_COLLAPSE_UP         41006   ///< String "Collapse Up": collapse arrow tooltip
#define IDS_COLLAPSE_DOWN       41007   ///< String "Collapse Down"
#define IDS_COLLAPSE_LEFT       41008   ///< String "Collapse Left"
#define IDS_COLLAPSE_RIGHT      41009   ///< String "Collapse Right"
#define IDS_RESTORE             41010   ///< String "Restore"
#define IDS_MORE_ITEMS          41011   ///< String "More ...": multi-item drag image
#define IDS_NO_DATA             41012   ///< String "No data or constant variable": histogram

// Bitmaps: 8 x 8, 16 colours, dark grey arrow on light grey
#define IDB_ARROW_UP            1132    ///< Bitmap: arrow pointing up (8 x 8, 16 colours, dark grey on light grey)
#define IDB_ARROW_DOWN          1133    ///< Bitmap: arrow pointing down
#define IDB_ARROW_LEFT          1134    ///< Bitmap: arrow pointing left
#define IDB_ARROW_RIGHT         1135    ///< Bitmap: arrow pointing right

// Bitmap: 70 x 39, 16 colours, 5 x 3 cells of 14 x 13 check-box and
// option-button glyphs (row 0 check boxes, row 1 pressed/flat check boxes,
// row 2 option buttons)
#define IDB_CHECK_GLYPHS        26567   ///< Bitmap: the check-box and option-button glyphs (70 x 39, 16 colours)
#define CHECK_GLYPH_CX          14      ///< Width of one glyph cell of IDB_CHECK_GLYPHS
#define CHECK_GLYPH_CY          13      ///< Height of one glyph cell
#define CHECK_GLYPH_COLUMNS     5       ///< Cells per row
#define CHECK_GLYPH_ROWS        3       ///< Rows: check boxes, pressed or flat check boxes, option buttons

#endif // TESSARINE_TESSARINERES_H
