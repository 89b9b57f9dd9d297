#pragma once

#include <QPixmap>
#include <QString>

// The skin images, each read from disk at most once per process and shared by every control.
// A missing or unreadable file is remembered as a null pixmap, so callers draw plainly instead.
// Used on the user-interface thread only, as QPixmap requires.
class CSkinImageCache {
public:
    // The reference stays valid until SetFolder.
    static const QPixmap& Image(const QString& fileName);

    // <directory of the executable>/Application/Skins unless replaced.
    static QString Folder();
    // Points the cache at another folder and forgets what was loaded (tests, screenshots).
    static void SetFolder(const QString& folder);
};
