#pragma once

// A Page Host over fake controls, with one Page showing http://a/.
#include "core/AppSwitches.h"
#include "core/SettingsStore.h"
#include "pages/CWebBrowser2.h"
#include "pages/PageHost.h"
#include "platform/RegistryStore.h"

#include "FakeControl.h"
#include "PageListState.h"
#include "RecordingFrame.h"
#include "RecordingMessageBoxes.h"
#include "TabGlyphPrinter.h"
#include "TestEnvironment.h"

#include <QUrl>

#include <gtest/gtest.h>

class PageHostFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registry.open(freshProfileDir() + QStringLiteral("/registry.db"));
        flags.load();
        host = std::make_unique<PageHost>(PageHostServices{controls.factory(), switches, flags, frame, sounds,
                                                           messages, [] { return QStringLiteral("http://home/"); }});
        host->CreateFirstPage(QStringLiteral("http://a/"));
    }

    static QString url(const QString &name) { return QStringLiteral("http://%1/").arg(name); }

    // Opens Pages after the active one (or at the end), not brought up.
    void open(const QStringList &names)
    {
        for (const QString &name : names)
            host->CreatePage(url(name), {}, QStringLiteral("Loading..."));
    }

    CWebBrowser2 *page(int i) const { return host->list().at(i); }
    FakeControl *fake(int i) const { return static_cast<FakeControl *>(page(i)->control()); }

    std::string state() const { return pageListState(host->list()); }

    QStringList closedAddresses() const
    {
        QStringList result;
        const ClosedPageList &closed = host->list().closed();
        for (int slot : closed.slotsNewestFirst())
            result << QUrl(closed.at(slot).address).host();
        return result;
    }

    RegistryStore registry;
    SettingsStore settings{registry};
    DownloadFlags flags{registry, settings};
    AppSwitches switches;
    FakeControls controls;
    RecordingFrame frame;
    RecordingSounds sounds;
    RecordingMessageBoxes messages;
    std::unique_ptr<PageHost> host;
};

