// test_mime_type FILE...: for each file, the MIME type the desktop's shared
// MIME database gives it (by name and content, as file managers ask), its
// icon name and its comment, as "type|icon|comment". The install tests point
// XDG_DATA_DIRS at an installation whose database they have built, so this
// reads exactly what the installed package file declares.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase database;
    for (const QString& file : app.arguments().mid(1)) {
        const QMimeType type = database.mimeTypeForFile(file);
        out << type.name() << u'|' << type.iconName() << u'|' << type.comment() << u'\n';
    }
    return 0;
}
