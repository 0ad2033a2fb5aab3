#ifndef RESTART_H
#define RESTART_H

// Starts the program anew, detached, with the arguments it was started with (the
// executable first), and tells the event loop to end this instance. False, with the loop
// left running, when the new instance could not be started.
bool restartProgram();

#endif // RESTART_H
