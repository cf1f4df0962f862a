#pragma once

#include <QObject>

/// The result viewer window on the offscreen platform, in a temporary current folder.
class ResultViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWithThePlaceholderInEverySlot();
    void storesCopiesAndShowsTheChosenPage();
    void rejectsPageIndicesOutsideTheReport();
    void designCheckAddsPage18AndAStatusLine();
    void zoomButtonsResizeThePicture();
    void fitWidthLeavesNoHorizontalScrolling();
    void dragMovesTheScrollBarsOnRelease();
    void savesTheShownPageByItsExtension();
    void savesAllPagesUnderNumberedNames();
    void cancelledSaveWritesNothing();
    void saveDialogsOfferTheirFormatsAndTheSpansName();
    void saveDialogFollowsTheChosenFormat();
    void reportsAFileThatCannotBeWritten();
    void exportsTheWholeReportAsOnePdf();
    void printsTheShownPageIntoAPdfFile();
    void printsAllPagesAfterTheConfirmation();
    void backHidesTheViewer();
    void fileDialogsStartWhereTheLastOneEnded();
};
