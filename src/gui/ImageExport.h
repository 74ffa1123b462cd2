// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IMAGEEXPORT_H
#define IMAGEEXPORT_H

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QPrinter;

/*! Writing the construction sketch or the diagram to an image file: the formats of the export
    dialog, the rule that gives the file the extension of the chosen format, and the writing
    itself, which replaces the file completely or leaves it as it was. */
class ImageExport {
public:
    enum Format { Png, Pdf, Svg, Jpg };

    /*! What is exported, in the three ways it can be drawn. */
    struct Source {
        std::function<QPixmap()> pixmap;              ///< PNG and JPG
        std::function<void(QIODevice *device)> svg;   ///< SVG onto a device open for writing
        std::function<void(QPrinter *printer)> print; ///< PDF
    };

    /*! The name filters of the export dialog, in this order: PNG, PDF, SVG, JPG. */
    static QStringList nameFilters();
    /*! The format of a name filter, told by the pattern in its brackets; PNG when there is none. */
    static Format formatOfFilter(const QString &filter);
    /*! "png", "pdf", "svg" or "jpg". */
    static QString suffix(Format format);
    /*! \a fileName with its extension replaced by the one of \a format ("image.jpeg" as PNG gives
        "image.png"); a name without extension gets it appended. */
    static QString fileNameFor(const QString &fileName, Format format);

    /*! Writes \a source as \a format to \a fileName, completely or not at all (a file of that
        name stays as it was). False with the reason in \a errorMessage. */
    static bool write(const QString &fileName, Format format, const Source &source, QString &errorMessage);

    ImageExport() = delete;
};

#endif // IMAGEEXPORT_H
