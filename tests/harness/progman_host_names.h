// The named events through which a test starts and stops progman_host.exe.
#ifndef TARN_HARNESS_PROGMAN_HOST_NAMES_H
#define TARN_HARNESS_PROGMAN_HOST_NAMES_H

// Set by the host once the shell's DDE server answers.
#define PROGMAN_HOST_READY_EVENT "TarnProgmanHostReady"
// Set by the test to end the host.
#define PROGMAN_HOST_QUIT_EVENT "TarnProgmanHostQuit"

#endif
