#include "controls/CSkinImageCache.h"

#include "shell/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include <map>

namespace {

struct SkinStore {
    QString folder;
    // A node-based map: a returned reference stays valid while other images are added.
    std::map<QString, QPixmap> images;
};

SkinStore& Store()
{
    static SkinStore store = [] {
        // Pixmaps must not outlive the application object that owns the graphics system.
        qAddPostRoutine([] { Store().images.clear(); });
        return SkinStore{QString::fromStdString((AppPaths::ApplicationDirectory() / "Skins").string()), {}};
    }();
    return store;
}

// The skins are PNG files: read as such, they spare the start-up the loading of every image-format
// plugin that finding a file's format takes. Any other file goes to whichever plugin reads it.
QPixmap LoadSkin(const QString& path)
{
    QImageReader png(path, "png");
    png.setAutoDetectImageFormat(false);
    QImage image = png.read();
    return image.isNull() ? QPixmap(path) : QPixmap::fromImage(std::move(image));
}

}  // namespace

const QPixmap& CSkinImageCache::Image(const QString& fileName)
{
    SkinStore& store = Store();
    auto found = store.images.find(fileName);
    if (found == store.images.end())
        found = store.images.emplace(fileName, LoadSkin(QDir(store.folder).filePath(fileName))).first;
    return found->second;
}

QString CSkinImageCache::Folder()
{
    return Store().folder;
}

void CSkinImageCache::SetFolder(const QString& folder)
{
    SkinStore& store = Store();
    store.folder = folder;
    store.images.clear();
}
