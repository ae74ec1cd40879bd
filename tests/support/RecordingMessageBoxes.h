#pragma once

#include "ui/MessageBoxes.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

// Message boxes that show nothing: they keep what was said and answer
// questions from a queue (yes when it is empty).
class RecordingMessageBoxes : public MessageBoxes
{
public:
    void tell(QWidget *, const QString &text, Icon, const QString &) override
    {
        told << text;
        // What happens while the box would be up.
        if (whileShown)
            std::exchange(whileShown, nullptr)();
    }
    bool ask(QWidget *, const QString &text, const QString &) override
    {
        asked << text;
        return answers.isEmpty() ? true : answers.takeFirst();
    }

    QStringList told;
    QStringList asked;
    QList<bool> answers;
    std::function<void()> whileShown;
};
