// The main conductor: the list with its "自定义" item, the five boxes that
// take typing only for the engineer's own conductor, and the user's
// conductor library behind the button "导线库".
#include "app/widgets/mainwindow.h"

#include "app/model/conductorlibrary.h"
#include "common/checkmessages.h"
#include "common/filewriteerror.h"
#include "common/widgets/qtutf8.h"
#include "common/widgets/usersettings.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <array>
#include <optional>

using app::EditBox;
using common::toQString;
using common::toUtf8;

namespace {

constexpr std::array<EditBox, 5> conductorFigureBoxes{EditBox::Edit_dx_d, EditBox::Edit_dx_ax, EditBox::Edit_dx_E,
                                                      EditBox::Edit_dx_S, EditBox::Edit_dx_kg};

std::filesystem::path toPath(const QString &file)
{
    return std::filesystem::path(file.toStdU16String());
}

/// The library as the file holds it; nothing, after saying why, when it cannot be read.
std::optional<app::ConductorLibrary> readLibrary(const QString &file, common::Messenger &messenger)
{
    try {
        return app::readConductorLibrary(toPath(file));
    } catch (const app::ConductorLibraryError &error) {
        common::showError(messenger, error.what(), common::errorCaption);
        return std::nullopt;
    }
}

bool writeLibrary(const QString &file, const app::ConductorLibrary &library, common::Messenger &messenger)
{
    try {
        app::writeConductorLibrary(toPath(file), library);
        return true;
    } catch (const common::FileWriteError &error) {
        common::showError(messenger, "导线库文件 " + toUtf8(file) + " 无法写入(" + error.reason() + "),导线库未改变.",
                          common::errorCaption);
        return false;
    }
}

} // namespace

QString TForm_zcx::conductorLibraryPath()
{
    return QDir(QFileInfo(common::UserSettings().fileName()).absolutePath())
        .filePath(QString::fromLatin1(app::conductorLibraryFileName));
}

void TForm_zcx::showConductor()
{
    const bool custom = mModel.isCustomConductor();
    if (ComboBox_zdx->isEditable() != custom) {
        ComboBox_zdx->setEditable(custom);
        if (QLineEdit *field = ComboBox_zdx->lineEdit()) {
            field->setObjectName(QStringLiteral("Edit_dx_xh"));
            field->setMaxLength(app::conductorDesignationMaxLength);
            field->setPlaceholderText(QStringLiteral("输入导线型号"));
            ComboBox_zdx->setCompleter(nullptr);
            connect(field, &QLineEdit::textEdited, this, &TForm_zcx::ComboBox_zdxEdited);
        }
    }
    if (ComboBox_zdx->currentIndex() != mModel.conductorIndex())
        ComboBox_zdx->setCurrentIndex(mModel.conductorIndex());
    if (custom) {
        const QString designation = toQString(mModel.conductorText());
        if (ComboBox_zdx->currentText() != designation)
            ComboBox_zdx->setEditText(designation);
    }
    for (const EditBox box : conductorFigureBoxes) {
        QLineEdit *figure = edit(box);
        figure->setReadOnly(!custom);
        // A catalogue figure is nothing to type, so Tab passes it by; a click still reaches it.
        figure->setFocusPolicy(custom ? Qt::StrongFocus : Qt::ClickFocus);
        QPalette palette = GroupBox_dx->palette();
        if (!custom)
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        figure->setPalette(palette);
    }
}

void TForm_zcx::ComboBox_zdxEdited(const QString &text)
{
    mModel.setConductorDesignation(toUtf8(text));
    refreshCaption();
}

void TForm_zcx::ToolButton_dxkShow()
{
    // The submenu is a child widget that clear() leaves behind.
    qDeleteAll(Menu_dxk->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly));
    Menu_dxk->clear();
    const QString file = conductorLibraryPath();
    const std::optional<app::ConductorLibrary> library = readLibrary(file, mMessenger);
    if (library) {
        for (const app::CustomConductor &conductor : *library) {
            const QString designation = toQString(conductor.designation);
            connect(Menu_dxk->addAction(designation), &QAction::triggered, this,
                    [this, designation] { ConductorLibraryPick(designation); });
        }
        if (library->empty())
            Menu_dxk->addAction(QStringLiteral("(导线库中还没有导线)"))->setEnabled(false);
    }
    Menu_dxk->addSeparator();
    // A damaged file is never written over: what it holds is the engineer's.
    QAction *keep = Menu_dxk->addAction(QStringLiteral("将当前自定义导线存入导线库"));
    connect(keep, &QAction::triggered, this, [this] { ConductorLibraryKeep(); });
    keep->setObjectName(QStringLiteral("Action_dxk_keep"));
    keep->setEnabled(library && mModel.isCustomConductor());
    QMenu *remove = Menu_dxk->addMenu(QStringLiteral("从导线库删除"));
    remove->setObjectName(QStringLiteral("Menu_dxk_remove"));
    remove->setEnabled(library && !library->empty());
    if (library) {
        for (const app::CustomConductor &conductor : *library) {
            const QString designation = toQString(conductor.designation);
            connect(remove->addAction(designation), &QAction::triggered, this,
                    [this, designation] { ConductorLibraryRemove(designation); });
        }
    }
}

void TForm_zcx::ConductorLibraryPick(const QString &designation)
{
    const std::optional<app::ConductorLibrary> library = readLibrary(conductorLibraryPath(), mMessenger);
    if (!library)
        return;
    const app::CustomConductor *conductor = app::findConductor(*library, toUtf8(designation));
    if (conductor == nullptr) {
        common::showError(mMessenger, "导线库中已没有型号 " + toUtf8(designation) + " 的导线.", common::errorCaption);
        return;
    }
    mModel.pickLibraryConductor(*conductor);
    showModel();
}

void TForm_zcx::ConductorLibraryKeep()
{
    if (!mModel.isCustomConductor())
        return;
    const app::CustomConductor conductor = mModel.conductor();
    if (const std::string fault = app::customConductorFault(conductor); !fault.empty()) {
        common::showError(mMessenger, "自定义导线的" + fault + ",未存入导线库.", common::syntaxCheckCaption);
        return;
    }
    const QString file = conductorLibraryPath();
    std::optional<app::ConductorLibrary> library = readLibrary(file, mMessenger);
    if (!library)
        return;
    const app::CustomConductor *kept = app::findConductor(*library, conductor.designation);
    if (kept != nullptr && *kept == conductor)
        return;
    if (kept != nullptr) {
        const common::Message question{"导线库中已有型号 " + conductor.designation + " 的导线,是否用当前的数据替换它?",
                                       common::applicationTitle, common::MessageIcon::Question,
                                       common::MessageButtons::YesNo};
        if (mMessenger.show(question) != common::MessageAnswer::Yes)
            return;
    }
    app::keepConductor(*library, conductor);
    writeLibrary(file, *library, mMessenger);
}

void TForm_zcx::ConductorLibraryRemove(const QString &designation)
{
    const QString file = conductorLibraryPath();
    std::optional<app::ConductorLibrary> library = readLibrary(file, mMessenger);
    if (!library || !app::removeConductor(*library, toUtf8(designation)))
        return;
    writeLibrary(file, *library, mMessenger);
}
