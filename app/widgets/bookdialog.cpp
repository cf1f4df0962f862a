#include "app/widgets/bookdialog.h"

#include "common/widgets/dialogbuttons.h"
#include "common/widgets/qtutf8.h"
#include "common/widgets/usersettings.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <vector>

using common::toQString;
using common::toUtf8;

namespace {

/// The fields the user's settings remember from one span to the next, with their keys there.
struct RememberedField
{
    std::string common::BookData::*text;
    const char *settingsKey;
};

constexpr std::array<RememberedField, 2> rememberedFields{{
    {&common::BookData::company, "book/company"},
    {&common::BookData::calculatedBy, "book/calculatedBy"},
}};

constexpr int editWidth = 320;

} // namespace

TForm_jssxx::TForm_jssxx(const common::BookData &book, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form_jssxx"));
    setWindowTitle(QStringLiteral("计算书信息"));

    common::BookData shown = book;
    const common::UserSettings settings;
    for (const RememberedField &field : rememberedFields) {
        if ((shown.*field.text).empty())
            shown.*field.text = toUtf8(settings.value(QString::fromLatin1(field.settingsKey)).toString());
    }

    auto *project = new QGroupBox(QStringLiteral("工程及计算书"), this);
    auto *signatures = new QGroupBox(QStringLiteral("设计单位及签署"), this);
    auto *projectRows = new QFormLayout(project);
    auto *signatureRows = new QFormLayout(signatures);
    std::vector<QLabel *> labels;
    for (std::size_t index = 0; index < app::bookFields.size(); ++index) {
        const app::BookField &field = app::bookFields[index];
        auto *edit = new QLineEdit(toQString(shown.*field.text));
        edit->setObjectName(QStringLiteral("Edit_") + QString::fromLatin1(field.key));
        edit->setMinimumWidth(editWidth);
        mEdits[index] = edit;
        labels.push_back(new QLabel(toQString(field.label)));
        labels.back()->setBuddy(edit);
        (index < app::firstSignatureField ? projectRows : signatureRows)->addRow(labels.back(), edit);
    }
    // The edits of both groups line up under one another.
    int labelWidth = 0;
    for (const QLabel *label : labels)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel *label : labels)
        label->setMinimumWidth(labelWidth);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(project);
    layout->addWidget(signatures);
    layout->addWidget(common::makeOkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

common::BookData TForm_jssxx::book() const
{
    common::BookData book;
    for (std::size_t index = 0; index < app::bookFields.size(); ++index)
        book.*app::bookFields[index].text = toUtf8(mEdits[index]->text());
    return book;
}

QLineEdit *TForm_jssxx::edit(std::string common::BookData::*text) const
{
    const auto found = std::find_if(app::bookFields.begin(), app::bookFields.end(),
                                    [text](const app::BookField &field) { return field.text == text; });
    if (found == app::bookFields.end())
        throw std::invalid_argument("not a field of the book");
    return mEdits[static_cast<std::size_t>(found - app::bookFields.begin())];
}

void TForm_jssxx::accept()
{
    // An emptied field keeps what was remembered: clearing the company of
    // one span must not lose it for every other.
    const common::BookData confirmed = book();
    common::UserSettings settings;
    for (const RememberedField &field : rememberedFields) {
        if (!(confirmed.*field.text).empty())
            settings.setValue(QString::fromLatin1(field.settingsKey), toQString(confirmed.*field.text));
    }
    QDialog::accept();
}
