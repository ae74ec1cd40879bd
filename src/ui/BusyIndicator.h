#pragma once

#include <QTimer>
#include <QWidget>

// The busy animation at the end of the menu band: turns while the active
// Page loads, stands still otherwise. It starts turning only once a load has
// taken a moment: each of its steps repaints the window, and most loads are
// over sooner.
class BusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget *parent = nullptr);
    void setRunning(bool running);
    // Asked to run, whether or not it turns yet.
    bool isRunning() const { return m_running; }
    bool isTurning() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {31, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_delay;
    QTimer m_timer;
    int m_step = 0;
    bool m_running = false;
};
