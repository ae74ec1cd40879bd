#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class RegistryStore;

// The small window that shows the logo picture while the program starts,
// sized to the picture and centred on the screen.
class CStartupLogo : public QWidget
{
    Q_OBJECT
public:
    // The picture to show: the "logo" value of the option key, read straight
    // from the store (the key is created, with logo "no", when it is missing);
    // when that file cannot be shown, "logo.gif" in the program directory.
    static QString chooseImage(RegistryStore &registry, const QString &programDir);

    explicit CStartupLogo(const QString &imageFile, QWidget *parent = nullptr);
    bool hasImage() const { return !m_image.isNull(); }

    // Shows the window and paints it at once, before the start goes on.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    bool m_painted = false;
};
