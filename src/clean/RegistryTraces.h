#pragma once

#include <QString>

class RegistryStore;

// What the shell and the engine remember in the registry of runs, searches
// and forms. This desktop keeps no such stores of its own; the keys are
// deleted where the program's registry holds them (an imported .reg may have
// put them there), each with everything below it, and nothing else.
namespace RegistryTraces {

// The Run box's history.
void clearRunHistory(RegistryStore &registry);
// The shell's file search: what was looked for and the text it contained.
void clearFoundFiles(RegistryStore &registry);
// The shell's computer search.
void clearFoundComputers(RegistryStore &registry);
// The engine's remembered form passwords.
void clearFormPasswords(RegistryStore &registry);
// The engine's remembered form entries in the protected storage. The user's
// key there is named by a security identifier, which this desktop does not
// have: the entries go under every user key of the current user's hive, and
// under the key named userName of the machine's hive.
void clearForms(RegistryStore &registry, const QString &userName);

// The name of the user running the program.
QString currentUserName();

} // namespace RegistryTraces
