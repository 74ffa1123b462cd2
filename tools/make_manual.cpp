// SPDX-License-Identifier: GPL-3.0-or-later
// Turns one language of the user manual (HTML with pictures beside it) into the PDF that the
// program's Help menu opens. Runs at build time on the offscreen platform: no display, no
// network, nothing but Qt's own text layout and PDF writer.
//
//     make_manual manual.html output.pdf

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>

namespace {

int fail(const QString &message) {
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
    return 1;
}

// Loads every picture the text names into the document itself (printing works on a copy of the
// document that would not find them on disk) and returns those that could not be read: they
// would leave an empty frame in the PDF.
QStringList loadImages(QTextDocument &document, const QString &baseDir) {
    QStringList missing;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QImage image(baseDir + QLatin1Char('/') + name);
            if (image.isNull())
                missing << name;
            else
                document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        }
    }
    return missing;
}

} // namespace

int main(int argc, char *argv[]) {
    // Fonts and images need a GUI application object, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: make_manual manual.html output.pdf"));

    QFile input(args.at(1));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(args.at(1), input.errorString()));
    const QString html = QString::fromUtf8(input.readAll());
    const QString baseDir = QFileInfo(args.at(1)).absolutePath();

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(baseDir + QLatin1Char('/')));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 22pt; color: #1d3f6e; } "
                       "h2 { font-size: 15pt; color: #1d3f6e; margin-top: 18px; } "
                       "h3 { font-size: 12pt; color: #1d3f6e; margin-top: 12px; } "
                       "p, li { margin-top: 3px; margin-bottom: 3px; } "
                       "pre, code { font-family: 'DejaVu Sans Mono'; font-size: 9pt; } "
                       "pre { background-color: #f2f2f2; } "
                       "th { background-color: #dde4ee; text-align: left; } "
                       ".caption { font-size: 9pt; color: #555555; }"));
    document.setHtml(html);

    const QStringList missing = loadImages(document, baseDir);
    if (!missing.isEmpty())
        return fail(QStringLiteral("%1 names pictures that are not there: %2")
                        .arg(args.at(1), missing.join(QStringLiteral(", "))));

    // Written beside the target and renamed at the end: a failed run leaves no half PDF.
    QSaveFile output(args.at(2));
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), output.errorString()));
    {
        QPdfWriter writer(&output);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Tavo 2 ") + QStringLiteral(TAVO_VERSION_STRING));
        writer.setResolution(300);
        // QTextDocument::print adds 2 cm of its own on every side (and the page numbers there).
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        document.print(&writer);
    }
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(args.at(2), output.errorString()));
    return 0;
}
