// hostile_res.h - resources of the hostile-input test programs.
#ifndef TESTS_HOSTILE_HOSTILE_RES_H
#define TESTS_HOSTILE_HOSTILE_RES_H

#define IDB_HOSTILE_STRIP 3101   // 80 x 16, five 16 x 16 images

#endif // TESTS_HOSTILE_HOSTILE_RES_H
