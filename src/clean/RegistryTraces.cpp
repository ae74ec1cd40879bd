#include "clean/RegistryTraces.h"

#include "core/SettingsTable.h"
#include "platform/RegistryStore.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace RegistryTraces {

namespace {

void deleteKeys(RegistryStore &registry, Hive hive, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        registry.deleteKey(hive, QLatin1String(key)); // a missing key is nothing to do
}

QString formsKey(const QString &userKey)
{
    return QLatin1String(mirrored::kProtectedStorage) + QLatin1Char('\\') + userKey + QStringLiteral("\\Data\\")
           + QLatin1String(mirrored::kFormsItemType);
}

} // namespace

void clearRunHistory(RegistryStore &registry)
{
    deleteKeys(registry, Hive::CurrentUser, {mirrored::kRunMru});
}

void clearFoundFiles(RegistryStore &registry)
{
    deleteKeys(registry, Hive::CurrentUser,
               {mirrored::kDocFindSpecMru, mirrored::kContainingTextMru, mirrored::kFilesNamedMru});
}

void clearFoundComputers(RegistryStore &registry)
{
    deleteKeys(registry, Hive::CurrentUser, {mirrored::kFindComputerMru, mirrored::kComputerNameMru});
}

void clearFormPasswords(RegistryStore &registry)
{
    deleteKeys(registry, Hive::CurrentUser, {mirrored::kIntelliForms});
}

void clearForms(RegistryStore &registry, const QString &userName)
{
    const QString storage = QLatin1String(mirrored::kProtectedStorage);
    for (const QString &userKey : registry.subkeys(Hive::CurrentUser, storage))
        registry.deleteKey(Hive::CurrentUser, formsKey(userKey));
    // A user name with a separator in it would name another key.
    if (!userName.isEmpty() && !userName.contains(QLatin1Char('\\')))
        registry.deleteKey(Hive::LocalMachine, formsKey(userName));
}

QString currentUserName()
{
    struct passwd entry;
    struct passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QFile::decodeName(found->pw_name);
    return QFile::decodeName(qgetenv("USER"));
}

} // namespace RegistryTraces
