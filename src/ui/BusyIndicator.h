#pragma once

#include <QTimer>
#include <QWidget>

// The busy animation at the end of the menu band: turns while the active
// Page loads, stands still otherwise.
class BusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget *parent = nullptr);
    void setRunning(bool running);
    bool isRunning() const { return m_timer.isActive(); }
    QSize sizeHint() const override { return {31, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_step = 0;
};
