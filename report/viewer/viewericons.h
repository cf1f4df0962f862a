#pragma once

#include <QIcon>

namespace report {

/// The pictures of the result viewer's toolbar buttons.
enum class ViewerIcon {
    ZoomIn,
    ZoomOut,
    FitWidth,
    FitHeight,
    InitialSize,
    SavePage,
    SaveAllPages,
    PrintPage,
    PrintAllPages,
    ExportPdf,
    Back,
};

/**
 * The toolbar picture \a icon, drawn in code at 24 and 48 pixels so that the
 * viewer looks the same on every desktop, with or without an icon theme.
 */
QIcon viewerIcon(ViewerIcon icon);

} // namespace report
