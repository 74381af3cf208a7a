#include "Fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <algorithm>

namespace Fonts {

namespace {
// Each named family and the families that stand in for it where it is missing, best first.
struct LookAlikes
{
    QString named;
    QStringList standIns;
};

QHash<QString, QString> &drawnFamilies()
{
    static QHash<QString, QString> families;
    return families;
}

// The font files of the free families, from the first folder that has each: the program
// folder's fonts/, which carries them all for machines without the font packages; Wine's font
// folder, which is on no font path; the program's resources.
QStringList fontFiles(const QString &family)
{
    static const QHash<QString, QStringList> files = {
        {QStringLiteral("Tahoma"), {QStringLiteral("tahoma.ttf")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("ms_sans_serif.ttf")}},
        {QStringLiteral("Liberation Sans"),
         {QStringLiteral("LiberationSans-Regular.ttf"), QStringLiteral("LiberationSans-Bold.ttf"),
          QStringLiteral("LiberationSans-Italic.ttf")}},
        {QStringLiteral("DejaVu Sans"), {QStringLiteral("DejaVuSans.ttf"), QStringLiteral("DejaVuSans-Bold.ttf")}},
        {QStringLiteral("Libre Franklin Medium"), {QStringLiteral("LibreFranklin-Medium.ttf")}},
    };
    const QString folders[] = {QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/"),
                               QStringLiteral("/usr/share/wine/fonts/"), QStringLiteral(":/fonts/")};
    QStringList paths;
    for (const QString &file : files.value(family)) {
        const auto folder = std::find_if(std::begin(folders), std::end(folders),
                                         [&](const QString &folder) { return QFile::exists(folder + file); });
        if (folder != std::end(folders))
            paths.append(*folder + file);
    }
    return paths;
}

// True when the family can draw: the machine has it, or its files were found and registered.
bool available(QStringList &families, const QString &family)
{
    if (families.contains(family, Qt::CaseInsensitive))
        return true;
    const QStringList files = fontFiles(family);
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
    if (files.isEmpty())
        return false;
    families.append(family);
    return true;
}
} // namespace

void installLookAlikes()
{
    // The families the system has, asked once. Not QFontDatabase::hasFamily: it first has
    // fontconfig resolve each name as an alias, which costs start-up time for every family asked.
    QStringList families = QFontDatabase::families();
    // Wine's versions of Tahoma and MS Sans Serif bear the names they stand in for. Only the
    // regular face of Tahoma: Wine's bold one has regular-weight strokes, so Qt emboldens the
    // regular face instead, which reads as bold on screen and on paper. Wine's MS Sans Serif
    // holds bitmaps of 13, 16 and 20 px only, which a scaled screen would draw small and spread
    // out; there its scalable successor Tahoma stands in for it. Franklin Gothic Medium has no
    // free metric copy; Libre Franklin Medium is the nearest.
    const QString tahoma = QStringLiteral("Tahoma");
    const QString msSansSerif = QStringLiteral("MS Sans Serif");
    const QString dejaVuSans = QStringLiteral("DejaVu Sans");
    const LookAlikes chains[] = {
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), dejaVuSans}},
        {tahoma, {tahoma, dejaVuSans}},
        {msSansSerif, qApp->devicePixelRatio() == 1.0 ? QStringList{msSansSerif, tahoma, dejaVuSans}
                                                      : QStringList{tahoma, dejaVuSans}},
        {QStringLiteral("Verdana"), {dejaVuSans}},
        {QStringLiteral("Franklin Gothic Medium"),
         {QStringLiteral("Libre Franklin Medium"), QStringLiteral("Liberation Sans")}},
    };
    // Settled here rather than left to QFont::insertSubstitutions: Qt asks fontconfig for the
    // fallbacks of a family it cannot find, and of every family with substitutes, at each face
    // it loads, which costs start-up time for every face of the first frame. A look-alike is
    // registered only where the machine lacks the named family and the look-alike itself.
    for (const LookAlikes &chain : chains) {
        QString drawn = chain.named;
        if (!families.contains(drawn, Qt::CaseInsensitive)) {
            const auto standIn = std::find_if(chain.standIns.begin(), chain.standIns.end(),
                                              [&](const QString &family) { return available(families, family); });
            if (standIn != chain.standIns.end())
                drawn = *standIn;
        }
        drawnFamilies().insert(chain.named, drawn);
    }
}

QString drawnFamily(const QString &named)
{
    return drawnFamilies().value(named, named);
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
