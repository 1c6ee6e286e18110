// String resources of afxlite_tests (core_resources.rc).
#ifndef AFXLITE_TESTS_CORE_RESOURCES_H
#define AFXLITE_TESTS_CORE_RESOURCES_H

#define IDS_CORE_HELLO      2001   // "Hello, resource"
#define IDS_CORE_FORMAT     2002   // "%d of %s"
#define IDS_CORE_LONG       2003   // 300 characters: "0123456789" thirty times
#define IDS_CORE_EMPTYBLOCK 2030   // no string of this block exists
#define IDS_CORE_MISSING    2004   // in the block of the others, but absent

#endif
