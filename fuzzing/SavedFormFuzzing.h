#pragma once

// What the saved-form fuzz target and its seed generator share: the password of every seed file.
namespace SavedFormFuzzing {

inline const char Password[] = "titok";

} // namespace SavedFormFuzzing
