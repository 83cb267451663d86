#pragma once
// The two POSIX calls the unit tests use to set up their surroundings, made of
// their Windows counterparts. Included ahead of every unit test in the Windows
// build only; the code under test never sees it.
#include <cstdlib>

// An empty value removes the variable on Windows, where no variable can be
// empty; the configuration treats both alike.
inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && std::getenv(name))
    return 0;
  return _putenv_s(name, value) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name) {
  return _putenv_s(name, "") == 0 ? 0 : -1;
}
