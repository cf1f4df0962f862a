// The main window's own life: created from the last inputs, showing the
// model, and saving the inputs when it closes.
#include "app/widgets/mainwindow.h"

#include "app/model/lastinputfile.h"
#include "common/checkmessages.h"
#include "common/messenger.h"
#include "common/widgets/qtutf8.h"
#include "report/viewer/resultviewer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using app::EditBox;
using app::PresenceBox;
using app::StringSide;
using common::toQString;
namespace loadtable = app::loadtable;

namespace {

constexpr const char *staleResultsText = "输入已修改,结果已过期";

/// The panel's colours: the results' teal of the report, red for a failed requirement, grey when out of date.
const QString resultColour = QStringLiteral("#008080");
const QString failingColour = QStringLiteral("#c00000");
const QString staleColour = QStringLiteral("#808080");

void setTextShown(QLineEdit *edit, const std::string &text)
{
    const QString shown = toQString(text);
    // Rewriting an unchanged text would move the cursor under the user's hands.
    if (edit->text() != shown)
        edit->setText(shown);
}

} // namespace

void TForm_zcx::setCompanions(const app::CompanionWindows &windows)
{
    mWindows = windows;
    // The colour of the results is drawn into the pages: a new choice draws them anew.
    if (mWindows.viewer != nullptr)
        connect(mWindows.viewer, &TForm_print::resultColourChanged, this, [this] {
            if (!mComputedInputs.empty())
                Button_jsClick();
        });
    // The options dialog has read default.dat by now: what both show is the untitled span.
    mDocument = std::make_unique<app::SpanDocument>(currentSpan());
}

void TForm_zcx::FormCreate()
{
    fillCatalogueLists();
    // The grid defaults and the list selections are the model's own start;
    // the file only overrides what it holds.
    const app::LastInputLoad lastInputs = app::loadLastInputs(mModel, app::lastInputFileName);
    showModel();
    setWindowTitle(QStringLiteral("Tenrix--软导线实用力学计算"));
    // Said once, at start: closing the window will write the file anew.
    if (!lastInputs.damage.empty())
        common::showError(mMessenger, lastInputs.damage + ". 能读出的数据已恢复,其余为默认值.", common::errorCaption);
}

// ------------------------------------------------------------ showing the model

void TForm_zcx::showModel()
{
    for (int index = 0; index < app::editBoxCount; ++index)
        setTextShown(mEdits[static_cast<std::size_t>(index)], mModel.text(static_cast<EditBox>(index)));
    ComboBox_kV->setCurrentIndex(mModel.voltageIndex());
    ComboBox_gd->setCurrentIndex(mModel.structureBHigher() ? 1 : 0);
    showConductor();
    showStringType(StringSide::A);
    showStringType(StringSide::B);
    for (int index = 0; index < app::presenceBoxCount; ++index)
        mPresenceBoxes[static_cast<std::size_t>(index)]->setChecked(mModel.isTicked(static_cast<PresenceBox>(index)));
    showGrid();
    showLeadTypeList();
    refreshCaption();
}

void TForm_zcx::showGrid()
{
    for (int row = 0; row < loadtable::rowCount; ++row) {
        for (int column = 0; column < loadtable::columnCount; ++column) {
            QTableWidgetItem *item = SGrid_hz->item(row, column);
            const QString shown = toQString(mModel.cell(column, row));
            if (item->text() != shown)
                item->setText(shown);
        }
    }
}

void TForm_zcx::showStringType(StringSide side)
{
    QComboBox *list = stringTypeList(side);
    const QString text = toQString(mModel.stringTypeText(side));
    // A designation that matches an entry shows that entry as current, so that
    // merely leaving the field does not count as picking it (which would
    // overwrite the string's values from the catalogue).
    const int shownIndex = mModel.stringTypeIndex(side) >= 0 ? mModel.stringTypeIndex(side)
                                                              : list->findText(text, Qt::MatchExactly);
    QLineEdit *field = list->lineEdit();
    const int cursor = field->cursorPosition();
    const bool unchanged = field->text() == text;
    if (list->currentIndex() != shownIndex)
        list->setCurrentIndex(shownIndex);
    if (field->text() != text)
        list->setEditText(text);
    // While the engineer types, the cursor stays where it was; otherwise the
    // designation shows from its start, the disc count, however long it is.
    if (!field->hasFocus())
        field->setCursorPosition(0);
    else if (unchanged)
        field->setCursorPosition(cursor);
}

void TForm_zcx::showLeadTypeList()
{
    if (!mModel.leadTypeListVisible()) {
        ComboBox_dx->hide();
        return;
    }
    const QRect cell = SGrid_hz->visualRect(SGrid_hz->model()->index(mModel.currentRow(), mModel.currentColumn()));
    ComboBox_dx->setGeometry(QRect(SGrid_hz->viewport()->mapTo(GroupBox_hz, cell.topLeft()), cell.size()));
    ComboBox_dx->setCurrentIndex(mModel.leadTypeIndex());
    ComboBox_dx->show();
    ComboBox_dx->raise();
}
void TForm_zcx::showGoverning(bool current)
{
    if (mGoverningLines.empty())
        return;
    // Out of date, the figures stay readable, greyed, under the note that says why.
    QString text;
    if (!current)
        text += QStringLiteral("<p style=\"color:%1; font-weight:bold\">%2</p>")
                    .arg(failingColour, QString::fromUtf8(staleResultsText));
    const QString labelColour = current ? palette().color(QPalette::WindowText).name() : staleColour;
    for (const app::GoverningLine &line : mGoverningLines) {
        const QString valueColour = !current ? staleColour : line.failing ? failingColour : resultColour;
        text += QStringLiteral("<p style=\"margin-top:6px; color:%1\">%2</p>"
                               "<p style=\"margin-left:12px; color:%3\">%4</p>")
                    .arg(labelColour, toQString(line.label).toHtmlEscaped(), valueColour,
                         toQString(line.value).toHtmlEscaped());
    }
    Label_kzgk->setText(text);
}

void TForm_zcx::saveInputs()
{
    const app::LastInputSave saved = app::saveLastInputs(mModel, app::lastInputFileName);
    if (saved)
        return;
    common::Message message{"本次输入的数据无法保存到文件temp_input.dat(" + saved.failure + "),下次启动时将不能恢复.",
                         common::errorCaption, common::MessageIcon::Warning, common::MessageButtons::Ok};
    mMessenger.show(message);
}

void TForm_zcx::closeEvent(QCloseEvent *event)
{
    // Without a span file the inputs live on in temp_input.dat, as they always
    // have. Edits the user chose not to save go nowhere, temp_input.dat included.
    bool discarded = false;
    if (mDocument && mDocument->hasFile() && !settleUnsavedChanges(&discarded)) {
        event->ignore();
        return;
    }
    mPendingExitCheck = nullptr;
    if (!discarded)
        saveInputs();
    event->accept();
    Q_EMIT closed();
}
