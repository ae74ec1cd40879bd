#include "app/CStartupLogo.h"

#include "platform/RegistryStore.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

namespace {

const QString kOptionKey = QStringLiteral("Software\\larkspurware\\Vesperal\\option");

QImage firstFrame(const QString &file)
{
    if (file.isEmpty())
        return {};
    QImageReader reader(file);
    return reader.read();
}

} // namespace

QString CStartupLogo::chooseImage(RegistryStore &registry, const QString &programDir)
{
    const QString fallback = programDir + QStringLiteral("/logo.gif");
    if (!registry.keyExists(Hive::CurrentUser, kOptionKey)) {
        registry.createAndSetValue(Hive::CurrentUser, kOptionKey, QStringLiteral("logo"),
                                   RegValue::fromText(QStringLiteral("no")));
        return fallback;
    }
    const auto value = registry.query(Hive::CurrentUser, kOptionKey, QStringLiteral("logo"));
    if (value && value->type == RegType::Sz && QImageReader(value->text).canRead())
        return value->text;
    return fallback;
}

CStartupLogo::CStartupLogo(const QString &imageFile, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_image(firstFrame(imageFile))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (!m_image.isNull())
        setFixedSize(m_image.size());
}

void CStartupLogo::showNow()
{
    if (!hasImage())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // Showing a splash window before the event loop runs already handles the
    // events waiting then, and so paints it when the window system has shown
    // it at once; a second painting would only wait for the first to reach
    // the screen.
    show();
    if (!m_painted)
        repaint();
}

void CStartupLogo::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    m_painted = true;
}
