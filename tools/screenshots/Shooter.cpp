#include "Shooter.h"

#include "UntranslatedTexts.h"

#include "app/console/CMoxCacheAdminDlg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPainter>
#include <QTextStream>

#include <map>

bool WaitFor(const std::function<bool()>& condition)
{
    QDeadlineTimer deadline(15000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

CMoxCacheAdminDlg* MainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<CMoxCacheAdminDlg*>(widget))
            return window;
    return nullptr;
}

namespace {

// The offscreen platform draws no window frame; a plain title bar shows the title a user would see.
QImage WithTitleBar(QWidget* window)
{
    constexpr int kBarHeight = 30;
    const QPixmap content = window->grab();
    QImage image(content.width(), content.height() + kBarHeight, QImage::Format_ARGB32);
    image.fill(QColor(0x3c, 0x41, 0x48));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(window->font());
    painter.drawText(QRect(10, 0, content.width() - 20, kBarHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawPixmap(0, kBarHeight, content);
    return image;
}

std::multimap<int, ScreenshotScene>& Scenes()
{
    static std::multimap<int, ScreenshotScene> scenes;
    return scenes;
}

}  // namespace

void Shooter::Save(QWidget* widget, const char* name)
{
    // Let layouts settle and every pending paint happen first.
    QCoreApplication::processEvents();
    const QString path = folder_.filePath(QString::fromLatin1(name));
    if (!widget || !WithTitleBar(widget).save(path))
        Fail(QStringLiteral("cannot render ") + path);
    else
        QTextStream(stdout) << path << "\n";
    if (findUntranslated_)
        for (const QString& text : UntranslatedTexts(widget))
            Fail(QString::fromLatin1(name) + QStringLiteral(" shows untranslated ") + text);
    for (const QString& text : expected_.values(QString::fromLatin1(name)))
        if (!ShowsText(widget, text))
            Fail(QString::fromLatin1(name) + QStringLiteral(" does not show ") + text);
}

void Shooter::Require(bool condition, const QString& what)
{
    if (!condition)
        Fail(what);
}

void Shooter::Fail(const QString& what)
{
    QTextStream(stderr) << "console_screenshots: " << what << "\n";
    failed_ = true;
}

bool RegisterScene(int order, ScreenshotScene scene)
{
    Scenes().emplace(order, scene);
    return true;
}

void RunScenes(Shooter& shooter, CMoxCacheAdminDlg* window)
{
    for (const auto& [order, scene] : Scenes())
        scene(shooter, window);
}
