#pragma once

#include <string>

// Column titles of the exercise and condition values, as every grid and
// summary names them by the settings: a fixed name for the built-in kinds,
// the user's own name (cut to 8 bytes of CP932) for kind 2, and an empty
// title for any other value.
std::string ExerciseTitle(int movement, const std::string& name);
std::string ConditionTitle(int condition, const std::string& name);
