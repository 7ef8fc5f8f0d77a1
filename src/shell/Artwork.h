#pragma once
// The program's own pictures, drawn when first asked for and looked up by the names the
// windows use ("UserOrg.ico", "Reminder3.ico", "MainBG.bmp", "Splash.GIF", ...; the table
// in Artwork.cpp lists them all). An unknown name gives an empty picture.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace ntx {

[[nodiscard]] QIcon artworkIcon(const QString& name);
[[nodiscard]] QPixmap artworkPicture(const QString& name);

}  // namespace ntx
