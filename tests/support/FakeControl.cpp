#include "FakeControl.h"

FakeControl::FakeControl(QWidget *parent)
    : m_widget(new QWidget(parent))
{
    m_widget->setFocusPolicy(Qt::StrongFocus);
}

FakeControl::~FakeControl()
{
    delete m_widget;
}

void FakeControl::navigate(const QString &address)
{
    navigated << address;
    location = address;
    if (completeLoads)
        finishLoad(address);
}

void FakeControl::finishLoad(const QString &address, const QString &title)
{
    emit beforeNavigate2(Frame::Top);
    location = address;
    emit navigateComplete2(Frame::Top);
    emit titleChange(title.isEmpty() ? address : title);
    emit documentComplete(Frame::Top);
}

void FakeControl::failLoad(const QString &address, const QString &errorTitle)
{
    emit beforeNavigate2(Frame::Top);
    location = address;
    emit navigateComplete2(Frame::Top);
    if (!errorTitle.isEmpty())
        emit titleChange(errorTitle);
    emit navigateError(Frame::Top);
    emit documentComplete(Frame::Top);
}

ControlFactory FakeControls::factory()
{
    return [this](QWidget *parent) -> std::unique_ptr<BrowserControl> {
        if (failNext) {
            failNext = false;
            return nullptr;
        }
        auto control = std::make_unique<FakeControl>(parent);
        control->completeLoads = completeLoads;
        made.push_back(control.get());
        return control;
    };
}
