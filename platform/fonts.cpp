#include "fonts.h"

namespace {

QString InstalledFamily(const QString& windowsName) {
    if (windowsName == GothicFontName) {
        return QStringLiteral("IPAGothic");
    }
    if (windowsName == PGothicFontName) {
        return QStringLiteral("IPAPGothic");
    }
    if (windowsName == PMinchoFontName) {
        return QStringLiteral("IPAPMincho");
    }
    return windowsName;
}

} // namespace

void InstallFontSubstitutions() {
    for (const QString& name : {GothicFontName, PGothicFontName, PMinchoFontName}) {
        QFont::insertSubstitution(name, InstalledFamily(name));
    }
}

QFont ProgramFont(const QString& windowsName, int pixelHeight) {
    QFont font(InstalledFamily(windowsName));
    font.setPixelSize(pixelHeight);
    return font;
}
