#include "StretchedImage.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

namespace siltmere::ui {

namespace {

QImage decode(const QString& path, QSize deviceSize)
{
    QImageReader reader(path);
    reader.setScaledSize(deviceSize);
    reader.setQuality(100); // smooth scaling after the decoder's own
    return reader.read();
}

QSize deviceSize(QSize size, qreal ratio)
{
    return (QSizeF(size) * ratio).toSize();
}

} // namespace

StretchedImage::StretchedImage(const QString& path, QSize shownSize, QWidget* parent)
    : QWidget(parent)
    , path_(path)
    , pending_(std::async(std::launch::async, decode, path,
                          deviceSize(shownSize, parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio())))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

StretchedImage::~StretchedImage()
{
    if (pending_.valid())
        pending_.wait();
}

QSize StretchedImage::sourceSize() const
{
    return QImageReader(path_).size();
}

void StretchedImage::paintEvent(QPaintEvent*)
{
    if (pending_.valid())
        shown_ = pending_.get();
    const QSize wanted = deviceSize(size(), devicePixelRatioF());
    if (shown_.size() != wanted) // resized, or moved to a screen of another scale
        shown_ = decode(path_, wanted);

    QPainter painter(this);
    if (shown_.isNull())
        painter.fillRect(rect(), palette().color(QPalette::Window));
    else
        painter.drawImage(rect(), shown_);
}

} // namespace siltmere::ui
