#pragma once

class QComboBox;

namespace common {

/**
 * Makes every drop-down list of the program open as a list below its box
 * that shows as many rows as the box asks for (QComboBox::maxVisibleItems():
 * 20 for the main conductor and the strings, 12 in the load grid, 30 for
 * the viewer's pages), in the style the application already has. Styles
 * such as Fusion otherwise open the list as a menu around the current entry
 * that grows to the height of the screen. Call once after the QApplication
 * exists.
 */
void installDropDownListStyle();

/**
 * Lets the open list of \a list be wider than its box, so that every entry
 * shows whole: two strings that differ only at their end cannot be told
 * apart when both are cut. Call after the entries are added.
 */
void widenListToEntries(QComboBox &list);

} // namespace common
