#include "document/ImageProvider.h"

#include <QDir>

void TImageProvider::SetImage(const QString& name, const QImage& image)
{
    SetImageSource(name, [image] { return image; });
}

void TImageProvider::SetImageSource(const QString& name, std::function<QImage()> source)
{
    Sources.insert(name.toLower(), std::move(source));
}

void TImageProvider::RemoveImage(const QString& name)
{
    Sources.remove(name.toLower());
}

bool TImageProvider::HasImage(const QString& name) const
{
    return Sources.contains(name.toLower());
}

QImage TImageProvider::NamedImage(const QString& name) const
{
    const auto it = Sources.constFind(name.toLower());
    if (it == Sources.constEnd() || !*it)
        return LogoImage;
    const QImage image = (*it)();
    return image.isNull() ? LogoImage : image;
}

QImage TImageProvider::FileImage(const QString& fileName) const
{
    if (fileName == QLatin1String("*.bmp") || fileName.isEmpty())
        return LogoImage;
    const QString path = BaseDirectory.isEmpty() ? fileName : QDir(BaseDirectory).filePath(fileName);
    QImage image;
    if (!image.load(path))
        return LogoImage;
    return image;
}
