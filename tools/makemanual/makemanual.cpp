// Renders the user manual from its Markdown source into a PDF:
//   makemanual <manual.md> <output.pdf>
// Qt's own text layout does the work, so the build needs no document tool.
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: makemanual <manual.md> <output.pdf>\n";
        return 2;
    }

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        err << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());

    QPdfWriter writer(args.at(2));
    writer.setTitle(QStringLiteral("VELK Thermal Camera PC Software - User Manual"));
    writer.setCreator(QStringLiteral("makemanual"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("h1 { color: #293F6F; } h2 { color: #293F6F; }"));
    document.setMarkdown(markdown);
    // Without a page size of its own the document is laid out on the
    // writer's pages and gets page numbers.
    document.print(&writer);

    if (!QFile::exists(args.at(2)) || QFile(args.at(2)).size() == 0) {
        err << "no PDF was written to " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
