#pragma once

#include <QString>

class Paths;

// The command-line jobs on the settings store: they open no window and
// return the process exit code, reporting on standard output and error.
namespace RegistryCommands {

int exportTo(const Paths &paths, const QString &file);
int importFrom(const Paths &paths, const QString &file);

} // namespace RegistryCommands
