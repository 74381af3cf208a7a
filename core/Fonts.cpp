#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

namespace Fonts {

namespace {
// Wine's free versions of Tahoma and MS Sans Serif; they are not on the font path.
void addWineFont(const QStringList &systemFamilies, const QString &family, const QStringList &files)
{
    if (systemFamilies.contains(family, Qt::CaseInsensitive))
        return; // the real font wins
    for (const QString &file : files) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + file;
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}
} // namespace

void installLookAlikes()
{
    // The families the system has, asked once. Not QFontDatabase::hasFamily: it first has
    // fontconfig resolve each name as an alias, which costs start-up time for every family asked.
    const QStringList systemFamilies = QFontDatabase::families();
    // Franklin Gothic Medium has no free metric copy; Libre Franklin Medium comes with the program.
    if (!systemFamilies.contains(QStringLiteral("Franklin Gothic Medium"), Qt::CaseInsensitive))
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LibreFranklin-Medium.ttf"));
    // Only the regular face: Wine's bold Tahoma has regular-weight strokes, so Qt emboldens the
    // regular face instead, which reads as bold on screen and on paper.
    addWineFont(systemFamilies, QStringLiteral("Tahoma"), {QStringLiteral("tahoma.ttf")});
    // Wine's MS Sans Serif holds bitmaps of 13, 16 and 20 px only, which a scaled screen would
    // draw small and spread out; there its scalable successor Tahoma stands in for it.
    if (qApp->devicePixelRatio() == 1.0)
        addWineFont(systemFamilies, QStringLiteral("MS Sans Serif"), {QStringLiteral("ms_sans_serif.ttf")});

    // Substitutes are used only when the named family itself is missing.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Franklin Gothic Medium"),
                               {QStringLiteral("Libre Franklin Medium"), QStringLiteral("Liberation Sans")});
}

QFont byPixelHeight(const QString &family, int pixelHeight, int style)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    return font;
}

} // namespace Fonts
