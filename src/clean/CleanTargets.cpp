#include "clean/CleanTargets.h"

#include "core/FrameCommandIds.h"
#include "core/SettingsTable.h"

#include <QtGlobal>

namespace {

using T = CleanTarget;

const QList<CleanTargetInfo> kTargets{
    {T::Cookies, cmd::CleanCookies, QT_TRANSLATE_NOOP("CCleanDlg", "清除全部小甜点"), settings::cleanCookie},
    {T::Cache, cmd::CleanCache, QT_TRANSLATE_NOOP("CCleanDlg", "清除 Cache"), settings::cleanCache},
    {T::History, cmd::CleanHistory, QT_TRANSLATE_NOOP("CCleanDlg", "清除历史"), settings::cleanHistory},
    {T::Addresses, cmd::CleanAddresses, QT_TRANSLATE_NOOP("CCleanDlg", "清除地址"), settings::cleanAddress},
    {T::SearchWords, cmd::ClearSearch, QT_TRANSLATE_NOOP("CCleanDlg", "清除搜索"), settings::cleanSearch},
    {T::TempFiles, cmd::CleanTemp, QT_TRANSLATE_NOOP("CCleanDlg", "清除临时文件"), settings::cleanTemp},
    {T::RecycleBin, cmd::CleanRecycleBin, QT_TRANSLATE_NOOP("CCleanDlg", "清除回收站"), settings::cleanRecyclebin},
    {T::RecentDocuments, cmd::CleanRecent, QT_TRANSLATE_NOOP("CCleanDlg", "清除最近打开的文件"), settings::cleanRecent},
    {T::RunHistory, cmd::CleanRunHistory, QT_TRANSLATE_NOOP("CCleanDlg", "清除运行历史"), settings::cleanRun},
    {T::FoundFiles, cmd::CleanFoundFiles, QT_TRANSLATE_NOOP("CCleanDlg", "清除查找文件记录"), settings::cleanFindFile},
    {T::FormPasswords, cmd::CleanFormPasswords, QT_TRANSLATE_NOOP("CCleanDlg", "清除自动完成密码"), settings::cleanFormPass},
    {T::Forms, cmd::CleanForms, QT_TRANSLATE_NOOP("CCleanDlg", "清除自动完成表单"), settings::cleanForm},
    {T::FoundComputers, cmd::CleanFoundComputers, QT_TRANSLATE_NOOP("CCleanDlg", "清除查找到的计算机"), settings::cleanFindPC},
};

} // namespace

namespace CleanTargets {

const QList<CleanTargetInfo> &all()
{
    return kTargets;
}

const CleanTargetInfo &info(CleanTarget target)
{
    for (const CleanTargetInfo &entry : kTargets) {
        if (entry.target == target)
            return entry;
    }
    Q_UNREACHABLE();
}

const CleanTargetInfo *forCommand(int command)
{
    for (const CleanTargetInfo &entry : kTargets) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

QList<CleanTarget> clearAllOrder()
{
    return {T::Cache,     T::SearchWords,    T::History,    T::Addresses,     T::Cookies,    T::RecentDocuments,
            T::TempFiles, T::FoundComputers, T::FoundFiles, T::FormPasswords, T::RecycleBin, T::RunHistory};
}

QList<CleanTarget> exitOrder()
{
    return {T::Addresses, T::Cache, T::Cookies, T::FoundFiles, T::FoundComputers, T::FormPasswords, T::Forms,
            T::History, T::RecentDocuments, T::RecycleBin, T::RunHistory, T::SearchWords, T::TempFiles};
}

} // namespace CleanTargets
