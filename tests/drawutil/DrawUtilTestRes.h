// DrawUtilTestRes.h - resources of drawutil_tests.exe, standing in for a
// host's (written by tools/make_drawutil_resources.py).
#ifndef TESTS_DRAWUTIL_DRAWUTILTESTRES_H
#define TESTS_DRAWUTIL_DRAWUTILTESTRES_H

#define IDB_TEST_STRIP      3001    // 80 x 16, five 16 x 16 images on light grey
#define IDB_TEST_MISSING    3002    // no such bitmap
#define IDW_TEST_TONE       7       // a "WAVE" resource
#define IDW_TEST_MISSING    8       // no such "WAVE" resource
#define IDS_HOST_MORE_ITEMS 41011   // the library's overflow text's number, other text

#endif // TESTS_DRAWUTIL_DRAWUTILTESTRES_H
