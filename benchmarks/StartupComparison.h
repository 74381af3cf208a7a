#pragma once

// Start-up to the first painted frame and peak resident memory of the declaration window and of
// the floor window, each measured in fresh child processes of this bench, alternately. Prints
// the medians with their ratio to the floor against the goal and returns how many goals were
// missed (a child that fails counts as missed).
int compareStartup();
