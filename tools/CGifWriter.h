#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Writes an endlessly looping animated GIF (Qt reads GIF but cannot write it). Pixels that are
// mostly transparent become the transparent colour; the rest share one palette of at most 255
// colours, coarsened until the frames fit.
class CGifWriter {
public:
    void AddFrame(const QImage& frame, int delayCentiseconds);
    bool Save(const QString& path) const;

private:
    struct Frame {
        QImage image;
        int delay;
    };
    std::vector<Frame> frames_;
};
