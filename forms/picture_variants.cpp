#include "forms/picture_variants.h"

#include <QFileInfo>
#include <QHash>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Which file each loaded picture came from, by the pixmap's cache key.
QHash<qint64, QString> &Sources()
{
    static QHash<qint64, QString> sources;
    return sources;
}

QString VariantPath(const QString &path, int factor)
{
    if (factor == 1)
        return path;
    const QFileInfo file(path);
    const QString directory = file.path() == u"." && !path.startsWith(u"./") ? QString() : file.path() + u'/';
    return u"%1%2@%3x.%4"_s.arg(directory, file.completeBaseName()).arg(factor).arg(file.suffix());
}

} // namespace

QPixmap PictureVariants::Load(const QString &path, qreal ratio)
{
    // The smallest variant that has at least as many pixels as the device.
    int factor = std::clamp(int(std::ceil(ratio - 0.01)), 1, 3);
    for (; factor > 1; --factor)
        if (QFileInfo::exists(VariantPath(path, factor)))
            break;
    const QString variant = VariantPath(path, factor);
    QPixmap picture;
    if (!QPixmapCache::find(variant, &picture)) {
        picture.load(variant);
        picture.setDevicePixelRatio(factor);
        QPixmapCache::insert(variant, picture);
    }
    if (!picture.isNull())
        Sources().insert(picture.cacheKey(), path);
    return picture;
}

QPixmap PictureVariants::Matching(const QPixmap &picture, qreal ratio)
{
    const auto source = Sources().constFind(picture.cacheKey());
    if (source == Sources().cend() || std::ceil(ratio - 0.01) <= picture.devicePixelRatio())
        return picture;
    return Load(*source, ratio);
}
