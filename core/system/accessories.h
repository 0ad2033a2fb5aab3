#ifndef ACCESSORIES_H
#define ACCESSORIES_H

// The desktop's small helpers that some windows offer a button for. Each starts the
// first program of its kind found on the PATH, detached; when none is installed,
// nothing happens. Returns whether one was started.
bool startCalculator();
bool startCharacterMap();

#endif // ACCESSORIES_H
