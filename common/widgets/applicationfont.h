#pragma once

namespace common {

/**
 * The fonts of the program, installed once after the QApplication exists:
 * the report's Windows face names ("宋体" and its kin) resolve to the
 * installed Song-style CJK font, and every window uses that face at 9
 * points, as a Chinese desktop shows its dialogs, so that each label shows
 * real glyphs. Where no CJK font is installed the windows keep the
 * desktop's own font.
 */
void installApplicationFonts();

} // namespace common
