#pragma once

#include "pages/PageFrame.h"
#include "platform/Sounds.h"

#include <QStringList>

// A frame that keeps what the Pages told it.
class RecordingFrame : public PageFrame
{
public:
    void setStatusText(const QString &text) override { statusTexts << text; }
    void setStatusColor(const QColor &color) override { statusColor = color; }
    void setProgress(int position, int maximum) override { progress = {position, maximum}; }
    void setSecurityText(const QString &text) override { security = text; }
    void setFrameTitle(const QString &pageTitle) override { title = pageTitle; }
    void setAddressText(const QString &text) override { address = text; }
    void focusAddressBar() override { ++addressFocused; }
    bool isEditingAddress() const override { return editingAddress; }

    QStringList statusTexts;
    QColor statusColor; // invalid: the usual one
    std::pair<int, int> progress{0, 0};
    QString security;
    QString title;
    QString address;
    int addressFocused = 0;
    bool editingAddress = false;
};

class RecordingSounds : public SoundPlayer
{
public:
    void play(const QString &wave) override { played << wave; }
    QStringList played;
};
