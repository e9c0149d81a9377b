#pragma once

#include <QFont>
#include <QString>

// The Windows font names the windows were designed with map to the installed
// IPA fonts, which have the same metrics; sizes given in pixels stay pixels.
void InstallFontSubstitutions();

inline const QString GothicFontName = QStringLiteral("ＭＳ ゴシック");
inline const QString PGothicFontName = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString PMinchoFontName = QStringLiteral("ＭＳ Ｐ明朝");

// A font by its Windows name with a height in pixels.
QFont ProgramFont(const QString& windowsName, int pixelHeight);
