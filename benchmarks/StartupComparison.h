#pragma once

// Start-up to the first painted frame and peak resident memory of the declaration window, of
// the bare floor window and of the same-content floor window, each measured in fresh child
// processes of this bench, in turn. Prints the medians with their ratios to the floors against
// the goals and returns how many goals were missed (a child that fails counts as missed).
int compareStartup();
