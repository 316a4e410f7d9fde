// What happens when Next is pressed on the destination page.
#ifndef TARN_DESTINATION_DESTINATION_STEP_H
#define TARN_DESTINATION_DESTINATION_STEP_H

// Makes the destination directory and puts the replace page in the walk exactly when an old
// installation is there: LEAVE_GO_ON. A directory that cannot be made brings the page back
// from its second template: LEAVE_REBUILD_PAGE.
int RunDestinationStep();

#endif
