#include "Fonts.h"

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

    // Settled here rather than left to QFont::insertSubstitutions: Qt asks fontconfig for the
    // fallbacks of a family it cannot find, and of every family with substitutes, at each face
    // it loads, which costs start-up time for every face of the first frame.
    const LookAlikes chains[] = {
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Franklin Gothic Medium"),
         {QStringLiteral("Libre Franklin Medium"), QStringLiteral("Liberation Sans")}},
    };
    const QStringList families = QFontDatabase::families();
    const auto has = [&](const QString &family) { return families.contains(family, Qt::CaseInsensitive); };
    for (const LookAlikes &chain : chains) {
        QString drawn = chain.named;
        if (!has(drawn)) {
            const auto standIn = std::find_if(chain.standIns.begin(), chain.standIns.end(), has);
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
