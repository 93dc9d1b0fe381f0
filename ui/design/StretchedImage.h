#pragma once

// A photograph stretched to fill its box, aspect ratio not kept. The JPEG is
// decoded straight at the size it is shown at, in device pixels so that it
// stays sharp on high-DPI screens: decoding a large photograph whole and
// scaling it down afterwards would cost start-up time and memory for pixels
// nobody sees. The first decode runs on a worker thread while the rest of
// the window is built.

#include <QImage>
#include <QString>
#include <QWidget>

#include <future>

namespace siltmere::ui {

class StretchedImage : public QWidget {
    Q_OBJECT

public:
    // `shownSize` is the box the picture will fill, in device-independent
    // pixels; decoding for it starts at once.
    StretchedImage(const QString& path, QSize shownSize, QWidget* parent = nullptr);
    ~StretchedImage() override;

    // The picture's own size in pixels, as stored.
    QSize sourceSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    std::future<QImage> pending_;
    QImage shown_; // decoded at the box's size in device pixels
};

} // namespace siltmere::ui
