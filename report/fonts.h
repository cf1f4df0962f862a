#pragma once

#include <QFont>
#include <QString>

namespace report {

/**
 * Makes the Windows face names of the report ("宋体", "SimSun", "新宋体",
 * "NSimSun") resolve to a Song-style CJK font of the Linux desktop, first
 * "AR PL UMing CN" (Debian package fonts-arphic-uming), so every Chinese text
 * shows real glyphs and measures the same on every machine with that font.
 * Programs call it once at start, after creating the Qt application; it is
 * harmless to call again, and reportFont() calls it itself.
 */
void installReportFonts();

/**
 * The font the report draws and measures \a name with, at a character height
 * of \a pixelHeight page units (values below 1 count as 1). Hinting and
 * kerning are off so that widths do not depend on desktop font settings.
 */
QFont reportFont(const QString &name, int pixelHeight);

} // namespace report
