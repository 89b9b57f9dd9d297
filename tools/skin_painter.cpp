// Paints every skin image of the console into the folder given on the command line.
#include "CGifWriter.h"
#include "SkinFaces.h"
#include "controls/SkinImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <functional>
#include <utility>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: skin_painter <output folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        err << "cannot create " << folder.path() << "\n";
        return 1;
    }

    const std::pair<const char*, std::function<QImage()>> images[] = {
        {SkinImages::kToolbarBackground, SkinFaces::ToolbarBackground},
        {SkinImages::kToolbarButton, SkinFaces::ToolbarButtonStrip},
        {SkinImages::kToolbarArrow, SkinFaces::ToolbarArrowStrip},
        {SkinImages::kToolbarIcons, SkinFaces::ToolbarIcons},
        {SkinImages::kNavigatRow, SkinFaces::NavigatRowStrip},
        {SkinImages::kNavigatIcons, SkinFaces::NavigatIcons},
        {SkinImages::kTab, SkinFaces::TabStrip},
        {SkinImages::kHeaderBackground, SkinFaces::HeaderBackground},
        {SkinImages::kHeaderLine, SkinFaces::HeaderLine},
        {SkinImages::kHeaderArrow, SkinFaces::HeaderArrows},
        {SkinImages::kStatusBackground, SkinFaces::StatusBackground},
        {SkinImages::kDiskStopped, SkinFaces::DiskStopped},
        {SkinImages::kDiskFull, SkinFaces::DiskFull},
        {SkinImages::kDiskClearing, SkinFaces::DiskClearing},
        {SkinImages::kApplicationIcon, SkinFaces::ApplicationIcon},
    };
    int failures = 0;
    for (const auto& [name, paint] : images) {
        const QString path = folder.filePath(name);
        if (!paint().save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            ++failures;
        }
    }

    CGifWriter reading;
    for (const QImage& frame : SkinFaces::DiskReadingFrames())
        reading.AddFrame(frame, 10);
    if (!reading.Save(folder.filePath(SkinImages::kDiskReading))) {
        err << "cannot write " << folder.filePath(SkinImages::kDiskReading) << "\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
