// Whether the platform is Windows NT with major version 6, where the help item opens the
// compiled help file instead of the old one.
#ifndef TARN_PROGMAN_NT6_TEST_H
#define TARN_PROGMAN_NT6_TEST_H

bool RunsOnNt6();

#endif
