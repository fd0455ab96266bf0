#pragma once
// Where <img and <imgform get their pictures: the page-setup logo, image files, and named images
// that the windows register (the diagrams "Image7".."Image9"). Each document holds one.
#include <QHash>
#include <QImage>
#include <QString>
#include <functional>

class TImageProvider
{
public:
    // The logo picture of the page setup; drawn whenever a named image or a file is missing.
    void SetLogo(const QImage& logo) { LogoImage = logo; }
    const QImage& Logo() const { return LogoImage; }

    // A fixed picture under a control name (names are compared ignoring letter case).
    void SetImage(const QString& name, const QImage& image);
    // A picture asked for at the moment the mark-up draws it (the control's current picture).
    void SetImageSource(const QString& name, std::function<QImage()> source);
    void RemoveImage(const QString& name);
    bool HasImage(const QString& name) const;

    // <imgform: the named picture, or the logo when no such name is registered.
    QImage NamedImage(const QString& name) const;
    // <img: the file's bitmap; the logo for the name "*.bmp" or a file that cannot be loaded.
    QImage FileImage(const QString& fileName) const;

    // Relative file names of <img are looked up here (empty: the working directory).
    QString BaseDirectory;

private:
    QImage LogoImage;
    QHash<QString, std::function<QImage()>> Sources;
};
