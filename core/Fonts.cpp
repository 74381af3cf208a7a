#include "Fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <algorithm>

namespace Fonts {

namespace {
QHash<QString, QString> drawnFamilies;

using FontFiles = QHash<QString, QStringList>;

// True when the family can draw: the machine has it, or its files were found and registered,
// each from the first folder that holds it: the program folder's fonts/, which carries them
// for machines without the font packages; Wine's font folder, which is on no font path; the
// program's resources.
bool available(QStringList &families, const FontFiles &files, const QString &family)
{
    if (families.contains(family, Qt::CaseInsensitive))
        return true;
    const QString folders[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/"),
                               QStringLiteral("/usr/share/wine/fonts/"), QStringLiteral(":/fonts/")};
    bool found = false;
    for (const QString &file : files.value(family)) {
        const auto folder = std::find_if(std::begin(folders), std::end(folders),
                                         [&](const QString &folder) { return QFile::exists(folder + file); });
        if (folder != std::end(folders))
            found = QFontDatabase::addApplicationFont(*folder + file) >= 0 || found;
    }
    if (found)
        families.append(family);
    return found;
}
} // namespace

void installLookAlikes()
{
    // The families the system has, asked once. Not QFontDatabase::hasFamily: it first has
    // fontconfig resolve each name as an alias, which costs start-up time for every family asked.
    QStringList families = QFontDatabase::families();
    // The free families' files. Wine's versions of Tahoma and MS Sans Serif bear the names they
    // stand in for. Only the regular face of Tahoma: Wine's bold one has regular-weight strokes,
    // so Qt emboldens the regular face instead, which reads as bold on screen and on paper.
    // Wine's MS Sans Serif holds bitmaps of 13, 16 and 20 px only, which a scaled screen would
    // draw small and spread out; there its scalable successor Tahoma stands in for it. Franklin
    // Gothic Medium has no free metric copy; Libre Franklin Medium comes with the program.
    const bool scaled = qApp->devicePixelRatio() != 1.0;
    const FontFiles files = {
        {QStringLiteral("Tahoma"), {QStringLiteral("tahoma.ttf")}},
        {QStringLiteral("MS Sans Serif"), scaled ? QStringList() : QStringList{QStringLiteral("ms_sans_serif.ttf")}},
        {QStringLiteral("Liberation Sans"),
         {QStringLiteral("LiberationSans-Regular.ttf"), QStringLiteral("LiberationSans-Bold.ttf"),
          QStringLiteral("LiberationSans-Italic.ttf")}},
        {QStringLiteral("DejaVu Sans"), {QStringLiteral("DejaVuSans.ttf"), QStringLiteral("DejaVuSans-Bold.ttf")}},
        {QStringLiteral("Libre Franklin Medium"), {QStringLiteral("LibreFranklin-Medium.ttf")}},
    };
    // Each named family, then the families that stand in for it where it is missing, best first.
    const QStringList chains[] = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Franklin Gothic Medium"), QStringLiteral("Libre Franklin Medium"),
         QStringLiteral("Liberation Sans")},
    };
    // Settled here rather than left to QFont::insertSubstitutions: Qt asks fontconfig for the
    // fallbacks of a family it cannot find, and of every family with substitutes, at each face
    // it loads, which costs start-up time for every face of the first frame. A free family is
    // registered only where a named family needs it and the machine lacks it.
    for (const QStringList &chain : chains) {
        const auto drawn = std::find_if(chain.begin(), chain.end(),
                                        [&](const QString &family) { return available(families, files, family); });
        drawnFamilies.insert(chain.first(), drawn != chain.end() ? *drawn : chain.first());
    }
}

QString drawnFamily(const QString &named)
{
    return drawnFamilies.value(named, named);
}

QFont byPixelHeight(const QString &family, int pixelHeight, int style)
{
    QFont font(drawnFamily(family));
    font.setPixelSize(pixelHeight);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    return font;
}

} // namespace Fonts
